#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The register of the protocol configuration of each establishment: the
// group of document types it is expected to deliver, how its protocols are
// delivered and whether delivery is at its own address. One row per
// establishment.
class MVOXPKPBCFG_EXPORT TmVoxDMCfgEstabPro : public TnDMClientDataSet {
 public:
  TmVoxDMCfgEstabPro();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;

  // The company, establishment and group columns, defined alike on the
  // register and on its lookup.
  static void DefinirColunasFilial(TnClientDataSet &dados);
};
