#include "nLargeIntField_U.h"

TnLargeIntField::TnLargeIntField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::LargeInt) {}
