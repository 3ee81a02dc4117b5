#pragma once

#include "nField_U.h"

// Text of any length (observations). Kept as Unicode like every text.
class NFRAMEWORK_EXPORT TnMemoField : public TnField {
 public:
  TnMemoField(TnClientDataSet *dataSet, QString fieldName);
};
