#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the item description templates, one per protocol type.
class MVOXPK_EXPORT TmVoxDMCfgTipoProtocolo : public TnDMClientDataSet {
 public:
  TmVoxDMCfgTipoProtocolo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
