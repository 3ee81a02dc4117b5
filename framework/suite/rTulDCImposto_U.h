#pragma once

#include "nDMClientDataSet_U.h"
#include "nframework_export.h"

// Stand-in for the base module's tax lookup: the taxes with their variations
// (IMPOSTO) in a lookup grid. Reached by name only.
class NFRAMEWORK_EXPORT TrTulDCImposto : public TnDMClientDataSet {
 public:
  TrTulDCImposto();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
};
