#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The movements of a company document, edited as a grid under the document
// register: where the document went (an internal or an external place), who
// answers for it and the protocol that carried it. Each saved row records
// who wrote it, when and how.
class MVOXPK_EXPORT TmVoxDMProtocoloDocMovimento : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocMovimento();

  static QList<TnMenuDecl> Menus();
  // Opened only inside the document register, whose right governs it.
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocoloDocEmp")}; }
  // The session's launch period limits the movements read.
  static QString PegarVerificaSelecao();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // Stamps the audit columns, then the framework's validation.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
