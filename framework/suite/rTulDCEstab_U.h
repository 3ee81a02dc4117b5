#pragma once

#include "nDMClientDataSet_U.h"
#include "nframework_export.h"

// Stand-in for the base module's establishment lookup: the establishments
// (ESTAB) in a lookup grid, fields CodigoEmpresa, CodigoEstab, NomeEstab and
// ApelidoEstab. Callers narrow it to one company with the filter
// "CodigoEmpresa = n". Reached by name only.
class NFRAMEWORK_EXPORT TrTulDCEstab : public TnDMClientDataSet {
 public:
  TrTulDCEstab();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
};
