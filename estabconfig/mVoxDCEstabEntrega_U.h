#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The picker of delivery addresses.
class MVOXPKPBCFG_EXPORT TmVoxDCEstabEntrega : public TnDMClientDataSet {
 public:
  TmVoxDCEstabEntrega();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
