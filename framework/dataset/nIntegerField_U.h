#pragma once

#include "nField_U.h"

// 32-bit whole number.
class NFRAMEWORK_EXPORT TnIntegerField : public TnField {
 public:
  TnIntegerField(TnClientDataSet *dataSet, QString fieldName);
};
