#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of company documents (the archiving chooses from it).
class MVOXPK_EXPORT TmVoxDCProtocoloDocEmp : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloDocEmp();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  // The session's launch period limits the documents offered.
  static QString PegarVerificaSelecao();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
