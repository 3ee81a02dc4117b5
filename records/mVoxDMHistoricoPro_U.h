#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the standard texts the protocol items offer for their
// descriptions.
class MVOXPK_EXPORT TmVoxDMHistoricoPro : public TnDMClientDataSet {
 public:
  TmVoxDMHistoricoPro();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
