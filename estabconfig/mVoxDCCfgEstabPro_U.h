#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The picker of establishment protocol configurations. Neither of its
// actions (the protocol module's nor the base module's) is under a user
// right.
class MVOXPKPBCFG_EXPORT TmVoxDCCfgEstabPro : public TnDMClientDataSet {
 public:
  TmVoxDCCfgEstabPro();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Livre, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
