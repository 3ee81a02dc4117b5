#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The register of the delivery address of an establishment whose documents
// are handed over somewhere other than its own address. One address per
// establishment; every column takes its editor from the establishment
// address's dictionary keys. An address is kept only while the
// establishment's protocol configuration asks for one (delivery by hand,
// not at its own address); every save checks that again.
class MVOXPKPBCFG_EXPORT TmVoxDMEstabEntrega : public TnDMClientDataSet {
 public:
  TmVoxDMEstabEntrega();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
  // One address per establishment, and only where its configuration asks
  // for one; checked in that order.
  void ValidarDado() override;
};
