#pragma once

#include "nField_U.h"

// Text of at most Size characters. A fixed-char field (char(n) columns, the
// "1"/"0" yes/no columns among them) keeps its text as given: the value is
// not padded, so "1" compares equal to "1" on every engine.
class NFRAMEWORK_EXPORT TnStringField : public TnField {
 public:
  TnStringField(TnClientDataSet *dataSet, QString fieldName, int size = 20, bool fixedChar = false);

  bool FixedChar() const { return DataType() == TnFieldType::FixedChar; }
  void SetFixedChar(bool fixo) { SetDataType(fixo ? TnFieldType::FixedChar : TnFieldType::String); }
};
