#include "nDateTimeField_U.h"

TnDateTimeField::TnDateTimeField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::DateTime) {}
