#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the archive boxes: a box belongs to one establishment,
// stands in one storage location and covers a range of competences.
class MVOXPK_EXPORT TmVoxDMProtocoloDocCaixa : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocCaixa();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
