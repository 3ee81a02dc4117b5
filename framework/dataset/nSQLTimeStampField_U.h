#pragma once

#include "nDateTimeField_U.h"

// A timestamp column of the database (audit stamps, delivery and withdrawal
// moments).
class NFRAMEWORK_EXPORT TnSQLTimeStampField : public TnDateTimeField {
 public:
  TnSQLTimeStampField(TnClientDataSet *dataSet, QString fieldName);
};
