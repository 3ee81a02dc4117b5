#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The persons responsible for an establishment's documents, edited as a grid
// and numbered within the establishment.
class MVOXPK_EXPORT TmVoxDMProtocoloRespEstab : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloRespEstab();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
