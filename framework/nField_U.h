#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include "nframework_export.h"

class TnClientDataSet;

// Data types of a dataset's fields.
enum class TnFieldType {
  Unknown,
  String,     // variable text up to Size characters
  FixedChar,  // fixed text of Size characters (yes/no columns hold "1"/"0")
  Memo,       // text of any length
  SmallInt,
  Integer,
  LargeInt,
  Float,
  FMTBcd,  // exact decimal with Precision digits and Scale decimals
  Date,
  DateTime,
  Boolean,
};

NFRAMEWORK_EXPORT bool nTipoTexto(TnFieldType tipo);
NFRAMEWORK_EXPORT bool nTipoInteiro(TnFieldType tipo);
NFRAMEWORK_EXPORT bool nTipoNumerico(TnFieldType tipo);

// One column of a client dataset. It reads and writes the dataset's current
// row; values are kept in one canonical form per type:
//   texts QString, whole numbers qlonglong, Float double, FMTBcd the exact
//   decimal as text with '.' and Scale decimals ("1234.50"), Date QDate,
//   DateTime QDateTime, Boolean bool; an empty value is a null QVariant.
// The text forms (AsString) are the pt-BR ones the user sees.
class NFRAMEWORK_EXPORT TnField {
 public:
  TnField(TnClientDataSet *dataSet, QString fieldName, TnFieldType dataType, int size = 0, int precision = 0,
          int scale = 0);
  virtual ~TnField();
  TnField(const TnField &) = delete;
  TnField &operator=(const TnField &) = delete;

  const QString &FieldName() const { return FFieldName; }
  TnFieldType DataType() const { return FDataType; }
  int Size() const { return FSize; }
  int Precision() const { return FPrecision; }
  int Scale() const { return FScale; }
  TnClientDataSet *DataSet() const { return FDataSet; }
  // Position in the dataset's fields; -1 for a field of no dataset.
  int Index() const { return FIndex; }
  void SetIndex(int index) { FIndex = index; }

  QString DisplayLabel() const { return FDisplayLabel.isEmpty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const QString &label) { FDisplayLabel = label; }
  bool Required() const { return FRequired; }
  void SetRequired(bool required) { FRequired = required; }

  // The canonical value of the current row (null when empty or no row).
  QVariant Value() const;
  // Converts to the field's type; raises Exception with a message naming the
  // field when the value does not fit it (text too long, not a number, …).
  void SetValue(const QVariant &valor);
  bool IsNull() const { return Value().isNull(); }
  void Clear() { SetValue(QVariant()); }

  QString AsString() const;
  void SetAsString(const QString &texto);
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  QDate AsDate() const;
  QDateTime AsDateTime() const;
  // Yes/no columns: "1" reads true; writing gives "1"/"0".
  bool AsBoolean() const;
  void SetAsInteger(qint64 valor) { SetValue(QVariant(valor)); }
  void SetAsFloat(double valor) { SetValue(QVariant(valor)); }
  void SetAsDate(const QDate &data) { SetValue(data.isValid() ? QVariant(data) : QVariant()); }
  void SetAsDateTime(const QDateTime &momento) { SetValue(momento.isValid() ? QVariant(momento) : QVariant()); }
  void SetAsBoolean(bool valor);

  // The canonical form of a value for this field's type (see the class
  // comment). Raises Exception when it does not convert.
  QVariant Converter(const QVariant &valor) const {
    return ConverterPara(valor, FDataType, FSize, FScale, DisplayLabel(), const_cast<TnField *>(this));
  }
  // The same conversion for a value of no field (parameters, literals);
  // `rotulo` names it in messages and `campo`, when given, goes with EnField.
  static QVariant ConverterPara(const QVariant &valor, TnFieldType tipo, int size, int scale, const QString &rotulo,
                                TnField *campo = nullptr);

 private:
  TnClientDataSet *FDataSet;
  QString FFieldName;
  TnFieldType FDataType;
  int FSize;
  int FPrecision;
  int FScale;
  int FIndex = -1;
  QString FDisplayLabel;
  bool FRequired = false;
};
