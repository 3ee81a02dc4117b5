#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the delivery routes: a named, ordered list of client
// establishments to which protocols are delivered.
class MVOXPK_EXPORT TmVoxDMProtocoloRota : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloRota();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // Two routes never share one description.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
