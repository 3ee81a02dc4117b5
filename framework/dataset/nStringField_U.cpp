#include "nStringField_U.h"

TnStringField::TnStringField(TnClientDataSet *dataSet, QString fieldName, int size, bool fixedChar)
    : TnField(dataSet, std::move(fieldName), fixedChar ? TnFieldType::FixedChar : TnFieldType::String, size) {}
