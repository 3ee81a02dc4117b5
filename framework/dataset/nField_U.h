#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

#include "nframework_export.h"

class TnClientDataSet;
struct TnFieldDef;

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
// Whether a value's type is a whole number (any width, signed or not).
NFRAMEWORK_EXPORT bool nValorInteiro(const QVariant &valor);

// How an editor or a grid column aligns the field's text.
enum class TnAlignment { Left, Right, Center };

class TnDefinicao;

// One column of a client dataset. It reads and writes the dataset's current
// row; values are kept in one canonical form per type:
//   texts QString, whole numbers qlonglong, Float double, FMTBcd the exact
//   decimal as text with '.' and Scale decimals ("1234.50"), Date QDate,
//   DateTime QDateTime, Boolean bool; an empty value is a null QVariant.
// The text forms (AsString) are the pt-BR ones the user sees.
//
// The dataset creates the field of the right class for each definition
// (Criar); the classes add what belongs to their type (the fixed-char flag,
// the exact decimal). Every field owns its editor definition (Definicao).
class NFRAMEWORK_EXPORT TnField {
 public:
  TnField(TnClientDataSet *dataSet, QString fieldName, TnFieldType dataType, int size = 0, int precision = 0,
          int scale = 0);
  virtual ~TnField();
  TnField(const TnField &) = delete;
  TnField &operator=(const TnField &) = delete;

  // The field of the right class for a definition (TnStringField for text,
  // TnFMTBCDField for exact decimals, …), Required as the definition says;
  // the dataset sets its Index.
  static std::unique_ptr<TnField> Criar(TnClientDataSet *dataSet, const TnFieldDef &def);
  // A field like this one for another cursor over the same rows
  // (TnClientDataSet::CloneCursor): the same class, type and size, so that a
  // computed field keeps computing on the clone. The base makes the field
  // its definition gives (Criar).
  virtual std::unique_ptr<TnField> Clonar(TnClientDataSet *destino) const;
  // Gives `destino` (a clone of this field) how this one shows its values:
  // label, width, formats, alignment, visibility, value list, control kind
  // and the OnGetText handler, so a cursor cloned to read other rows shows
  // them as the original does.
  void CopiarExibicao(TnField &destino) const;

  const QString &FieldName() const { return FFieldName; }
  TnFieldType DataType() const { return FDataType; }
  int Size() const { return FSize; }
  void SetSize(int size) { FSize = size; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int precision) { FPrecision = precision; }
  int Scale() const { return FScale; }
  void SetScale(int scale) { FScale = scale; }
  TnClientDataSet *DataSet() const { return FDataSet; }
  // Position in the dataset's fields; -1 for a field of no dataset.
  int Index() const { return FIndex; }
  void SetIndex(int index) { FIndex = index; }

  // --- Properties -----------------------------------------------------------
  QString DisplayLabel() const { return FDisplayLabel.isEmpty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const QString &label) { FDisplayLabel = label; }
  // True when a label was given (the dictionary then keeps it).
  bool TemDisplayLabel() const { return !FDisplayLabel.isEmpty(); }
  // Checked by Validar on every post; may change at run time.
  bool Required() const { return FRequired; }
  void SetRequired(bool required) { FRequired = required; }
  // Inclusive limits checked by Validar; a null limit is no limit. Given in
  // any form the field's type converts from.
  const QVariant &MinValue() const { return FMinValue; }
  void SetMinValue(const QVariant &valor) { FMinValue = valor; }
  const QVariant &MaxValue() const { return FMaxValue; }
  void SetMaxValue(const QVariant &valor) { FMaxValue = valor; }
  // The message of a value out of MinValue..MaxValue; empty gives the
  // framework's own.
  const QString &ConstraintErrorMessage() const { return FConstraintErrorMessage; }
  void SetConstraintErrorMessage(const QString &mensagem) { FConstraintErrorMessage = mensagem; }
  // Characters of a grid column; without one, a width that suits the type.
  int DisplayWidth() const;
  void SetDisplayWidth(int largura) { FDisplayWidth = largura; }
  bool TemDisplayWidth() const { return FDisplayWidth > 0; }
  // Format of DisplayText: the number language of FormatFloat on numeric
  // fields, the date-time language of FormatDateTime on dates.
  const QString &DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const QString &formato) { FDisplayFormat = formato; }
  // Input mask of the editor ("##/##/####"); the field itself does not apply it.
  const QString &EditMask() const { return FEditMask; }
  void SetEditMask(const QString &mascara) { FEditMask = mascara; }
  // Right for numbers, left for the rest unless set.
  TnAlignment Alignment() const;
  void SetAlignment(TnAlignment alinhamento) { FAlignment = alinhamento; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visivel) { FVisible = visivel; }
  // Editors and grids do not let the user change a read-only field; code
  // still may.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool somenteLeitura) { FReadOnly = somenteLeitura; }
  // The value a new record starts with, written SQL-like: "'2'" (quoted
  // text) or "1". Applied by AplicarPadrao.
  const QString &DefaultExpression() const { return FDefaultExpression; }
  void SetDefaultExpression(const QString &expressao) { FDefaultExpression = expressao; }
  // Writes the DefaultExpression, unquoted, into an empty field of the record
  // being inserted; the dataset calls it for every field when a record
  // starts. OnChange is not fired: nobody changed the record yet.
  void AplicarPadrao();

  // The editor definition (owned by the field).
  TnDefinicao &Definicao() { return *FDefinicao; }
  const TnDefinicao &Definicao() const { return *FDefinicao; }

  // --- Value ----------------------------------------------------------------
  // Lookup and calculated fields compute their value: they are neither
  // stored nor validated nor written to the database.
  virtual bool Calculado() const { return false; }
  // The canonical value of the current row (null when empty or no row).
  virtual QVariant Value() const;
  // Converts to the field's type; raises Exception with a message naming the
  // field when the value does not fit it (text too long, not a number, …).
  // Fires OnChange after the value is written.
  virtual void SetValue(const QVariant &valor);
  QVariant AsVariant() const { return Value(); }
  void SetAsVariant(const QVariant &valor) { SetValue(valor); }
  // Whether the current row's value is null, read in place where the value
  // is stored (no copy of it is made).
  virtual bool IsNull() const;
  // Nothing a user would see: null, or a text of blanks only. Read from the
  // stored value, never formatting it (AsString().trimmed().isEmpty() gives
  // the same answer at the price of a text per call).
  bool EmBranco() const;
  void Clear() { SetValue(QVariant()); }
  // The value of the current row before the current edit (null while
  // inserting).
  QVariant OldValue() const;

  // pt-BR text: dates "dd/mm/yyyy", date-times with the time left out at
  // midnight, decimals with a comma and no grouping, whole numbers as plain
  // digits; null gives "".
  QString AsString() const;
  void SetAsString(const QString &texto);
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  QDate AsDate() const;
  QDateTime AsDateTime() const;
  // Yes/no columns: "1" reads true; writing gives "1"/"0".
  bool AsBoolean() const;
  // On a text field these write the decimal text ("2", "1,5").
  void SetAsInteger(qint64 valor) { SetValue(QVariant(valor)); }
  void SetAsFloat(double valor);
  void SetAsDate(const QDate &data) { SetValue(data.isValid() ? QVariant(data) : QVariant()); }
  void SetAsDateTime(const QDateTime &momento) { SetValue(momento.isValid() ? QVariant(momento) : QVariant()); }
  void SetAsBoolean(bool valor);

  // The text an editor edits: OnGetText when set, else AsString.
  QString Text() const;
  // Typed text: OnSetText when set, else converted as AsString.
  void SetText(const QString &texto);
  // The text a grid shows: OnGetText when set, else the value through
  // DisplayFormat (AsString without one).
  QString DisplayText() const;

  // --- Events ---------------------------------------------------------------
  // Fired after the field's value was set through the field.
  std::function<void(TnField &)> OnChange;
  // Replaces the text the field shows (displayText true) or edits (false).
  std::function<QString(const TnField &, bool displayText)> OnGetText;
  // Replaces the conversion of typed text into the value.
  std::function<void(TnField &, const QString &)> OnSetText;

  // The framework's own checks of the current value, run by the dataset for
  // each stored field before a post: required (not null, and for text not
  // blank), the size of text, MinValue/MaxValue. Raises EnField.
  void Validar() const;

  // The canonical form of a value for this field's type (see the class
  // comment). Raises Exception when it does not convert.
  QVariant Converter(const QVariant &valor) const {
    return ConverterPara(valor, FDataType, FDataType == TnFieldType::FMTBcd ? FPrecision : FSize, FScale,
                         DisplayLabel(), const_cast<TnField *>(this));
  }
  // The same conversion for a value of no field (parameters, literals);
  // `rotulo` names it in messages and `campo`, when given, goes with EnField.
  // `size` is a text's length, or an exact decimal's precision (0: 18).
  // Texts are measured in characters and refused when they hold a control
  // character no column takes; numbers that are not finite, or beyond what
  // the type holds, are refused with the field's out-of-range message.
  static QVariant ConverterPara(const QVariant &valor, TnFieldType tipo, int size, int scale, const QString &rotulo,
                                TnField *campo = nullptr);

 protected:
  // The text of a canonical value as AsString gives it.
  QString TextoDoValor(const QVariant &valor) const;
  void SetDataType(TnFieldType tipo) { FDataType = tipo; }
  // Writes through to the dataset and fires OnChange.
  void Gravar(const QVariant &canonico);

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
  QVariant FMinValue;
  QVariant FMaxValue;
  QString FConstraintErrorMessage;
  int FDisplayWidth = 0;
  QString FDisplayFormat;
  QString FEditMask;
  std::optional<TnAlignment> FAlignment;
  bool FVisible = true;
  bool FReadOnly = false;
  QString FDefaultExpression;
  std::unique_ptr<TnDefinicao> FDefinicao;
  bool FEmOnChange = false;  // a handler that sets its own field does not recurse
};
