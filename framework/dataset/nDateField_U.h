#pragma once

#include "nField_U.h"

// A day, never a time: whatever is written, only the date is kept.
class NFRAMEWORK_EXPORT TnDateField : public TnField {
 public:
  TnDateField(TnClientDataSet *dataSet, QString fieldName);
};
