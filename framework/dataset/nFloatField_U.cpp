#include "nFloatField_U.h"

TnFloatField::TnFloatField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::Float) {}
