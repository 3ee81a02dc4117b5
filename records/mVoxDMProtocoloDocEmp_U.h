#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the documents the office keeps for its client
// establishments: one paper or file of a document type, dated by its launch
// date, and marked once it is filed in an archive envelope.
class MVOXPK_EXPORT TmVoxDMProtocoloDocEmp : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocEmp();

  static QList<TnMenuDecl> Menus();
  // The session's launch period limits the documents read.
  static QString PegarVerificaSelecao();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // One document of a type per establishment and launch date.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
