#pragma once

#include <QPointer>

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

class TnPainel;

// The register of the documents the office keeps for its client
// establishments: one paper or file of a document type, dated by its launch
// date, and marked once it is filed in an archive envelope. Its form shows
// the document's movements under it (TmVoxDMProtocoloDocMovimento) and, at
// the right of the document number, "Arquivado" while the document is filed.
//
// A document typed here is never marked as made by the document generation
// (ORIGEMDADO stays empty), so a new generation of its period never deletes
// it. A document is deleted together with its movements, and only while
// nothing else refers to it: an archive entry, a protocol item, or a
// movement that carried a protocol.
class MVOXPK_EXPORT TmVoxDMProtocoloDocEmp : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocEmp();

  static QList<TnMenuDecl> Menus();
  // The session's launch period limits the documents read.
  static QString PegarVerificaSelecao();
  static int PegarTipoObjeto() { return 1; }
  // Builds the "Arquivado" marker in the document number's row.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The marker shows exactly while the document is filed; a row with no
  // value leaves it as it was.
  void ConfigurarCampo(TnRemetente sender) override;
  // A new document starts not filed, unless the module writes for another
  // origin (the caller gives the value then). A stored document keeps its
  // value.
  void ConfigurarAutoValor(TnRemetente sender) override;
  QString ChavePrimaria() const override;
  // One document of a type per establishment and launch date.
  void ValidarDado() override;
  void DataModuleCreate() override;
  void DataModuleDestroy() override;

  // The delete: refused while something refers to the document; otherwise
  // its movements go in the same transaction as the document.
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterDelete(TnClientDataSet &dataSet) override;

  // The "Arquivado" label; null without a form.
  TnPainel *LblArquivado() const { return FLblAquivado; }

 private:
  void nClientDataSetDeleteError(TnClientDataSet &dataSet);

  // Owned by the form: forgotten by itself when the form goes away.
  QPointer<TnPainel> FLblAquivado;
  bool FExcluindo = false;
  QVariant FCodigoExcluido;  // the document being deleted, while FExcluindo
};
