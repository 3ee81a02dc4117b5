#include "nIntegerField_U.h"

TnIntegerField::TnIntegerField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::Integer) {}
