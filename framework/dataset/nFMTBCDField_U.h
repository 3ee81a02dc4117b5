#pragma once

#include "nDecimal_U.h"
#include "nField_U.h"

// Exact decimal of Precision digits, Scale of them after the comma (money:
// 18, 2). The value is kept as decimal text, so amounts never pass through
// binary floating point: sum them with AsDecimal.
class NFRAMEWORK_EXPORT TnFMTBCDField : public TnField {
 public:
  TnFMTBCDField(TnClientDataSet *dataSet, QString fieldName, int precision = 18, int scale = 2);

  // Zero when null.
  TnDecimal AsDecimal() const;
  // Rounded half away from zero to Scale decimals.
  void SetAsDecimal(const TnDecimal &valor) { SetValue(valor.Texto()); }
};
