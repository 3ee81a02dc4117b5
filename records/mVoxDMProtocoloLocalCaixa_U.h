#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the storage locations that hold the archive boxes.
class MVOXPK_EXPORT TmVoxDMProtocoloLocalCaixa : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloLocalCaixa();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // Two locations never share one description.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
