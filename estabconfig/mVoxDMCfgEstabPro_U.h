#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The register of the protocol configuration of each establishment: the
// group of document types it is expected to deliver, how its protocols are
// delivered and whether delivery is at its own address. One row per
// establishment, never deleted here (the delivery-configuration process
// replaces rows in bulk).
//
// Saving a configuration of delivery by hand at another address, for an
// establishment that has no delivery address yet, opens the delivery address
// register on a new address of that establishment.
class MVOXPKPBCFG_EXPORT TmVoxDMCfgEstabPro : public TnDMClientDataSet {
 public:
  TmVoxDMCfgEstabPro();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The same-address flag only matters for delivery by hand: it is enabled
  // and required exactly then, and left as it is while no form is chosen.
  void ConfigurarCampo(TnRemetente sender) override;
  // One configuration per establishment.
  void ValidarDado() override;
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterPost(TnClientDataSet &dataSet) override;

  // The company, establishment and group columns, defined alike on the
  // register and on its lookup.
  static void DefinirColunasFilial(TnClientDataSet &dados);

 private:
  // Opens the delivery address register on a new address of the saved
  // establishment, when its configuration asks for one it lacks.
  void AbrirEnderecoEntrega();
};
