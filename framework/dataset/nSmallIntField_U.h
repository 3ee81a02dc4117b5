#pragma once

#include "nField_U.h"

// 16-bit whole number (codes of up to 4 digits).
class NFRAMEWORK_EXPORT TnSmallIntField : public TnField {
 public:
  TnSmallIntField(TnClientDataSet *dataSet, QString fieldName);
};
