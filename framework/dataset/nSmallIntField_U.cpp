#include "nSmallIntField_U.h"

TnSmallIntField::TnSmallIntField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::SmallInt) {}
