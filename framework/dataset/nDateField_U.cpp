#include "nDateField_U.h"

TnDateField::TnDateField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::Date) {}
