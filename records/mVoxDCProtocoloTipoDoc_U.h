#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of document types (the processes open it by name).
class MVOXPK_EXPORT TmVoxDCProtocoloTipoDoc : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloTipoDoc();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
