#pragma once

#include "nField_U.h"

// Binary floating-point number. Amounts that are summed or stored belong in TnFMTBCDField; this type serves in-memory
// codes and proposals.
class NFRAMEWORK_EXPORT TnFloatField : public TnField {
 public:
  TnFloatField(TnClientDataSet *dataSet, QString fieldName);
};
