#include "nFMTBCDField_U.h"

TnFMTBCDField::TnFMTBCDField(TnClientDataSet *dataSet, QString fieldName, int precision, int scale)
    : TnField(dataSet, std::move(fieldName), TnFieldType::FMTBcd, 0, precision, scale) {}

TnDecimal TnFMTBCDField::AsDecimal() const {
  const QVariant v = Value();
  if (v.isNull()) return TnDecimal(0, Scale());
  return TnDecimal::DoTexto(v.toString()).value_or(TnDecimal(0, Scale()));
}
