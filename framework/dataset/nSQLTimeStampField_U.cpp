#include "nSQLTimeStampField_U.h"

TnSQLTimeStampField::TnSQLTimeStampField(TnClientDataSet *dataSet, QString fieldName)
    : TnDateTimeField(dataSet, std::move(fieldName)) {}
