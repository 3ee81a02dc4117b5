#pragma once

#include "nField_U.h"

// 64-bit whole number (protocol and document numbers).
class NFRAMEWORK_EXPORT TnLargeIntField : public TnField {
 public:
  TnLargeIntField(TnClientDataSet *dataSet, QString fieldName);
};
