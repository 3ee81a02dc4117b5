#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the delivery routes: a named, ordered list of client
// establishments to which protocols are delivered. Its form shows the
// route's stops (TmVoxDMProtocoloRotaEntrega) as a grid under the
// description.
class MVOXPK_EXPORT TmVoxDMProtocoloRota : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloRota();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  // The description on top, the stops of the current route under it.
  void DepoisConfigurar(TnFrmVisual *form) override;
  QString ChavePrimaria() const override;
  // Two routes never share one description.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
