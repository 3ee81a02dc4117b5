#pragma once

#include <QDate>
#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

#include "mVoxFraInformacoesDocEmp_U.h"
#include "mvoxpk_export.h"
#include "nClientDataSet_U.h"
#include "nDMPowerParamTab_U.h"
#include "nMenuDecl_U.h"

class TnColunaGrid;
class TnDBGridEh;

// "Consulta de Documentos/Caixa": the envelopes of archive boxes that hold
// filed documents, and beside the list the selected envelope's box data, its
// documents, and for the selected document its movements and the protocols
// that carried it (TmVoxFraInformacoesDocEmp). A run loads the four lists
// once into in-memory tables chained master to detail, so moving through
// them reads nothing more. Writes nothing.
//
// Selection: companies, establishments, boxes, documents and document types
// as multi-selects, one location, and a period of the boxes' initial
// competence: from the initial competence to the end of the final one, or
// from the initial competence on when no final one is given; a final
// competence alone selects no period. The same where clause ends the four
// statements, so every list holds exactly the listed envelopes' documents.
class MVOXPK_EXPORT TmVoxDPConsultaDocumentosCaixa : public TnDMPowerParamTab {
 public:
  TmVoxDPConsultaDocumentosCaixa();
  ~TmVoxDPConsultaDocumentosCaixa() override;

  static QList<TnMenuDecl> Menus();

  // The four tables' fields; the envelope list is read-only.
  void DataModuleCreate() override;
  // The inherited checks, then the parameters as the run uses them (a
  // competence or location that does not read counts as not given).
  void ValidarDado() override;
  // The tab "Documentos por Caixa": the envelope list at the left, 200
  // wide, and the frame filling the rest, bound to the four tables.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // Empties and reloads the four tables and chains them; the progress frame
  // is freed however the run ends. A database error goes on unchanged.
  void Executar() override;

  // Orders the clicked column's table by that column's field.
  void nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna);

  // The load steps; CarregarDados builds the where clause the others reuse.
  void CarregarDados();
  void CarregarDocumentos();
  void CarregarMovimentos();
  void CarregarProtocolos();

  TnClientDataSet &cdsDocumentos() { return FDocumentos; }
  TnClientDataSet &cdsMovimentacao() { return FMovimentacao; }
  TnClientDataSet &cdsProtocolo() { return FProtocolo; }
  TmVoxFraInformacoesDocEmp *FraDescr() const { return FFraDescr; }
  // The where clause of the last run ("" without conditions).
  const QString &Filtro() const { return FFiltro; }

 private:
  void Desencadear();

  TnClientDataSet FDocumentos;
  TnClientDataSet FMovimentacao;
  TnClientDataSet FProtocolo;
  QPointer<TmVoxFraInformacoesDocEmp> FFraDescr;
  QString FFiltro;
  QDate FDataInicial;
  QDate FDataFinal;
  QString FCaixa;
  int FCodigoLocal = -1;
  QString FEmpresa;
  QString FEstab;
  QString FDocumento;
  QString FTipoDocumento;
};
