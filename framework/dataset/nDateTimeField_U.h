#pragma once

#include "nField_U.h"

// A date and a time of day, read as wall-clock time (no time zone). The
// in-memory datasets use it; database timestamps come as TnSQLTimeStampField.
class NFRAMEWORK_EXPORT TnDateTimeField : public TnField {
 public:
  TnDateTimeField(TnClientDataSet *dataSet, QString fieldName);
};
