#include "nMemoField_U.h"

TnMemoField::TnMemoField(TnClientDataSet *dataSet, QString fieldName)
    : TnField(dataSet, std::move(fieldName), TnFieldType::Memo) {}
