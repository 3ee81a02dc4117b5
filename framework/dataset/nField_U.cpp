#include "nField_U.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nClientDataSet_U.h"
#include "nDateField_U.h"
#include "nDecimal_U.h"
#include "nDefinicao_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nFMTBCDField_U.h"
#include "nFloatField_U.h"
#include "nFormatos_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nMemoField_U.h"
#include "nSQLTimeStampField_U.h"
#include "nSmallIntField_U.h"
#include "nStringField_U.h"

bool nTipoTexto(TnFieldType tipo) {
  return tipo == TnFieldType::String || tipo == TnFieldType::FixedChar || tipo == TnFieldType::Memo;
}

bool TnField::EmBranco() const {
  const QVariant valor = Value();
  if (valor.isNull()) return true;
  // Canonical values of the other types always show something.
  if (!nTipoTexto(DataType())) return false;
  const QString texto = valor.toString();
  for (const QChar c : texto)
    if (!c.isSpace()) return false;
  return true;
}

bool nTipoInteiro(TnFieldType tipo) {
  return tipo == TnFieldType::SmallInt || tipo == TnFieldType::Integer || tipo == TnFieldType::LargeInt;
}

bool nValorInteiro(const QVariant &valor) {
  switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return true;
    default:
      return false;
  }
}

bool nTipoNumerico(TnFieldType tipo) {
  return nTipoInteiro(tipo) || tipo == TnFieldType::Float || tipo == TnFieldType::FMTBcd;
}

TnField::TnField(TnClientDataSet *dataSet, QString fieldName, TnFieldType dataType, int size, int precision,
                 int scale)
    : FDataSet(dataSet), FFieldName(std::move(fieldName)), FDataType(dataType), FSize(size), FPrecision(precision),
      FScale(scale), FDefinicao(std::make_unique<TnDefinicao>(this)) {}

TnField::~TnField() = default;

QVariant TnField::Value() const { return FDataSet ? FDataSet->ValorCampo(FIndex) : QVariant(); }

namespace {
// The value away from the stored row (a row being edited or inserted): a
// function of its own, so that the read in place needs no frame.
__attribute__((noinline)) bool ValorNulo(const TnClientDataSet &dados, int indice) {
  return dados.ValorCampo(indice).isNull();
}
}  // namespace

bool TnField::IsNull() const {
  if (!FDataSet) return true;
  const QVariant *guardado = FDataSet->ValorGuardado(FIndex);
  if (!guardado) return ValorNulo(*FDataSet, FIndex);
  // QVariant::isNull's own answer, read from the flags: a grid asks it of
  // every shown value.
  const QVariant::Private &d = guardado->data_ptr();
  if (d.is_null || !d.typeInterface()) return true;
  return (d.typeInterface()->flags & QMetaType::IsPointer) && d.get<void *>() == nullptr;
}

void TnField::SetValue(const QVariant &valor) {
  if (Calculado()) throw EnField(this, QStringLiteral("O campo %1 não pode ser modificado.").arg(DisplayLabel()));
  Gravar(Converter(valor));
}

void TnField::Gravar(const QVariant &canonico) {
  if (!FDataSet) throw Exception(QStringLiteral("O campo %1 não pertence a um conjunto de dados.").arg(FFieldName));
  FDataSet->SetValorCampo(FIndex, canonico);
  if (OnChange && !FEmOnChange) {
    FEmOnChange = true;
    try {
      OnChange(*this);
    } catch (...) {
      FEmOnChange = false;
      throw;
    }
    FEmOnChange = false;
  }
}

namespace {
// The largest whole number a field of the kind holds (the smallest is one
// below its negative).
qlonglong LimiteInteiro(TnFieldType tipo) {
  if (tipo == TnFieldType::SmallInt) return 32767;
  if (tipo == TnFieldType::Integer) return 2147483647LL;
  return std::numeric_limits<qlonglong>::max();
}
}  // namespace

QVariant TnField::ConverterPara(const QVariant &valor, TnFieldType FDataType, int FSize, int FScale,
                                const QString &rotulo, TnField *campo) {
  auto Recusar = [&](const QString &texto, const QString &tipo) {
    throw EnField(campo, QStringLiteral("'%1' não é um valor válido (%2) para o campo %3.").arg(texto, tipo, rotulo));
  };
  // A number the type cannot hold: the field's own out-of-range message.
  auto ForaDoIntervalo = [&]() {
    const QString propria = campo ? campo->ConstraintErrorMessage() : QString();
    throw EnField(campo, propria.isEmpty() ? QStringLiteral("Valor fora do intervalo permitido para %1.").arg(rotulo)
                                           : propria);
  };
  if (valor.isNull() || !valor.isValid()) return QVariant();
  // Values already in the field's canonical form pass straight through:
  // that is what every row read from the database is.
  switch (FDataType) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
    case TnFieldType::Memo:
      // Texts with no character below a blank (the usual case) and short
      // enough even counted in UTF-16 units.
      if (valor.typeId() == QMetaType::QString) {
        const QString t = valor.toString();
        if ((FDataType == TnFieldType::Memo || FSize <= 0 || t.size() <= FSize) &&
            std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c.unicode() < 0x20; }))
          return valor;
      }
      break;
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt:
      // Whole numbers in range: SetAsInteger on every new row.
      if (valor.typeId() == QMetaType::LongLong || valor.typeId() == QMetaType::Int) {
        const qlonglong n = valor.toLongLong();
        const qlonglong limite = LimiteInteiro(FDataType);
        if (n <= limite && n >= -limite - 1) return valor.typeId() == QMetaType::LongLong ? valor : QVariant(n);
      }
      break;
    case TnFieldType::Date:
      if (valor.typeId() == QMetaType::QDate) return valor;
      break;
    default:
      break;
  }
  const bool texto = valor.typeId() == QMetaType::QString || valor.typeId() == QMetaType::QByteArray;
  const QString s = texto ? valor.toString() : QString();
  if (texto && s.trimmed().isEmpty() && !nTipoTexto(FDataType)) return QVariant();
  switch (FDataType) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
    case TnFieldType::Memo: {
      QString t;
      if (valor.typeId() == QMetaType::QDate) t = DateToStr(valor.toDate());
      else if (valor.typeId() == QMetaType::QDateTime) t = DateTimeToStr(valor.toDateTime());
      else if (valor.typeId() == QMetaType::Bool) t = valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
      else t = valor.toString();
      if (const int c = TnDialetoSQL::CaractereProibido(t); c >= 0)
        throw EnField(campo,
                      QStringLiteral("O texto informado para %1 contém um caractere de controle não permitido (código %2).")
                          .arg(rotulo)
                          .arg(c));
      // Counted in characters, as both engines count them.
      if (FDataType != TnFieldType::Memo && FSize > 0 && TnDialetoSQL::TamanhoTexto(t) > FSize) {
        throw EnField(campo, QStringLiteral("O valor informado para %1 excede o tamanho máximo de %2 caracteres.")
                                 .arg(rotulo)
                          .arg(FSize));
      }
      return t;
    }
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt: {
      bool ok = true;
      qlonglong n = 0;
      if (texto) {
        n = s.trimmed().toLongLong(&ok);
        if (!ok) {
          // A whole number written as a decimal ("12.0", "12,0") is accepted.
          const auto d = TnDecimal::DoTexto(s);
          ok = d && d->EhInteiro();
          if (ok) n = d->ParaInteiro();
        }
        if (!ok) Recusar(s, QStringLiteral("número inteiro"));
      } else if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float) {
        const double d = valor.toDouble();
        if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) ForaDoIntervalo();
        n = qRound64(d);
        if (static_cast<double>(n) != d) Recusar(QString::number(d), QStringLiteral("número inteiro"));
      } else if (valor.typeId() == QMetaType::Bool) {
        n = valor.toBool() ? 1 : 0;
      } else {
        n = valor.toLongLong(&ok);
        if (!ok) Recusar(valor.toString(), QStringLiteral("número inteiro"));
      }
      const qlonglong limite = LimiteInteiro(FDataType);
      if (n > limite || n < -limite - 1) Recusar(QString::number(n), QStringLiteral("fora do intervalo"));
      return QVariant(n);
    }
    case TnFieldType::Float: {
      // NaN and the infinities are no amount, and NaN breaks every ordering
      // (an index on the field) it enters.
      if (texto) {
        double d = 0;
        if (!TryStrToFloat(s, d)) Recusar(s, QStringLiteral("número"));
        if (!std::isfinite(d)) ForaDoIntervalo();
        return d;
      }
      bool ok = false;
      const double d = valor.toDouble(&ok);
      if (!ok) Recusar(valor.toString(), QStringLiteral("número"));
      if (!std::isfinite(d)) ForaDoIntervalo();
      return d;
    }
    case TnFieldType::FMTBcd: {
      // FSize is the precision here (18 when not given): the whole digits
      // may not pass precision minus scale, or the column would refuse the
      // value, or a wider scale would overflow it.
      const int precisao = FSize > 0 ? std::min(FSize, 18) : 18;
      const int escala = std::clamp(FScale, 0, precisao);
      std::optional<TnDecimal> d;
      if (texto) {
        d = TnDecimal::DoTexto(s);
        // More whole digits than 18 hold: a number still, too big for any.
        double grande = 0;
        if (!d && TryStrToFloat(s, grande)) ForaDoIntervalo();
      } else if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float) {
        const double v = valor.toDouble();
        if (!std::isfinite(v) || std::fabs(v) >= std::pow(10.0, precisao - escala)) ForaDoIntervalo();
        d = TnDecimal::DoDouble(v, FScale > 0 ? FScale : 8);
      } else if (valor.canConvert<qlonglong>()) {
        d = TnDecimal(valor.toLongLong(), 0);
      }
      if (!d) Recusar(valor.toString(), QStringLiteral("número"));
      if (!d->CabeEm(precisao - escala)) ForaDoIntervalo();
      if (FScale > 0) d = d->Arredondar(FScale);
      // Rounding up may carry into one more whole digit (99.995 to 100.00).
      if (!d->CabeEm(precisao - escala)) ForaDoIntervalo();
      return d->Texto();
    }
    case TnFieldType::Date: {
      QDate data;
      if (valor.typeId() == QMetaType::QDate) data = valor.toDate();
      else if (valor.typeId() == QMetaType::QDateTime) data = valor.toDateTime().date();
      else if (texto) {
        data = TnDialetoSQL::DataDoTexto(s.trimmed());
        if (!data.isValid() && !TryStrToDate(s.trimmed(), data)) Recusar(s, QStringLiteral("data"));
      } else {
        Recusar(valor.toString(), QStringLiteral("data"));
      }
      return data.isValid() ? QVariant(data) : QVariant();
    }
    case TnFieldType::DateTime: {
      QDateTime momento;
      if (valor.typeId() == QMetaType::QDateTime) momento = valor.toDateTime();
      else if (valor.typeId() == QMetaType::QDate) momento = QDateTime(valor.toDate(), QTime(0, 0));
      else if (texto) {
        momento = TnDialetoSQL::DataHoraDoTexto(s);
        if (!momento.isValid() && !TryStrToDateTime(s.trimmed(), momento)) {
          QDate data;
          if (!TryStrToDate(s.trimmed(), data)) Recusar(s, QStringLiteral("data e hora"));
          momento = QDateTime(data, QTime(0, 0));
        }
      } else {
        Recusar(valor.toString(), QStringLiteral("data e hora"));
      }
      if (momento.isValid()) momento.setTimeSpec(Qt::LocalTime);
      return momento.isValid() ? QVariant(momento) : QVariant();
    }
    case TnFieldType::Boolean:
      if (texto) {
        const QString t = s.trimmed().toLower();
        return t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("s") ||
               t == QLatin1String("sim");
      }
      return valor.toBool();
    case TnFieldType::Unknown:
      return valor;
  }
  return valor;
}

namespace {
[[noreturn]] void RecusarLeitura(const TnField &campo, const QString &valor, const QString &tipo) {
  throw EnField(const_cast<TnField *>(&campo),
                QStringLiteral("'%1' não é um valor válido (%2) para o campo %3.").arg(valor, tipo, campo.DisplayLabel()));
}
}  // namespace

QString TnField::AsString() const { return TextoDoValor(Value()); }

QString TnField::TextoDoValor(const QVariant &v) const {
  if (v.isNull()) return {};
  switch (FDataType) {
    case TnFieldType::Date:
      return DateToStr(v.toDate());
    case TnFieldType::DateTime:
      return DateTimeToStr(v.toDateTime());
    case TnFieldType::Float:
      return FloatToStr(v.toDouble());
    case TnFieldType::FMTBcd:
      return nDecimalToStr(v.toString());
    case TnFieldType::Boolean:
      return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
      return v.toString();
  }
}

void TnField::SetAsString(const QString &texto) { SetValue(texto); }

int TnField::AsInteger() const { return static_cast<int>(AsLargeInt()); }

qint64 TnField::AsLargeInt() const {
  const QVariant v = Value();
  if (v.isNull()) return 0;
  if (FDataType == TnFieldType::FMTBcd) {
    const auto d = TnDecimal::DoTexto(v.toString());
    return d ? d->Arredondar(0).ParaInteiro() : 0;
  }
  if (FDataType == TnFieldType::Float) {
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) RecusarLeitura(*this, FloatToStr(d), QStringLiteral("número inteiro"));
    return qRound64(d);
  }
  if (nTipoTexto(FDataType)) {
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    if (!ok) RecusarLeitura(*this, v.toString(), QStringLiteral("número inteiro"));
    return n;
  }
  return v.toLongLong();
}

double TnField::AsFloat() const {
  const QVariant v = Value();
  if (v.isNull()) return 0;
  if (nTipoTexto(FDataType)) {
    double d = 0;
    if (!TryStrToFloat(v.toString(), d)) RecusarLeitura(*this, v.toString(), QStringLiteral("número"));
    return d;
  }
  return v.toDouble();
}

QDate TnField::AsDate() const {
  const QVariant v = Value();
  if (v.isNull()) return {};
  if (FDataType == TnFieldType::DateTime) return v.toDateTime().date();
  if (FDataType == TnFieldType::Date) return v.toDate();
  return ConverterPara(v, TnFieldType::Date, 0, 0, DisplayLabel(), const_cast<TnField *>(this)).toDate();
}

QDateTime TnField::AsDateTime() const {
  const QVariant v = Value();
  if (v.isNull()) return {};
  if (FDataType == TnFieldType::Date) return QDateTime(v.toDate(), QTime(0, 0));
  if (FDataType == TnFieldType::DateTime) return v.toDateTime();
  return ConverterPara(v, TnFieldType::DateTime, 0, 0, DisplayLabel(), const_cast<TnField *>(this)).toDateTime();
}

bool TnField::AsBoolean() const {
  const QVariant v = Value();
  if (v.isNull()) return false;
  if (nTipoTexto(FDataType)) return v.toString().trimmed() == QLatin1String("1");
  return v.toBool();
}

void TnField::SetAsBoolean(bool valor) {
  if (nTipoTexto(FDataType)) SetValue(valor ? QStringLiteral("1") : QStringLiteral("0"));
  else SetValue(valor);
}

void TnField::SetAsFloat(double valor) {
  // A text field takes the number as the user would type it.
  if (nTipoTexto(FDataType)) SetValue(FloatToStr(valor));
  else SetValue(QVariant(valor));
}

std::unique_ptr<TnField> TnField::Criar(TnClientDataSet *dataSet, const TnFieldDef &def) {
  std::unique_ptr<TnField> campo;
  switch (def.DataType) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
      campo = std::make_unique<TnStringField>(dataSet, def.Name, def.Size, def.DataType == TnFieldType::FixedChar);
      break;
    case TnFieldType::Memo:
      campo = std::make_unique<TnMemoField>(dataSet, def.Name);
      break;
    case TnFieldType::SmallInt:
      campo = std::make_unique<TnSmallIntField>(dataSet, def.Name);
      break;
    case TnFieldType::Integer:
      campo = std::make_unique<TnIntegerField>(dataSet, def.Name);
      break;
    case TnFieldType::LargeInt:
      campo = std::make_unique<TnLargeIntField>(dataSet, def.Name);
      break;
    case TnFieldType::Float:
      campo = std::make_unique<TnFloatField>(dataSet, def.Name);
      break;
    case TnFieldType::FMTBcd:
      campo = std::make_unique<TnFMTBCDField>(dataSet, def.Name, def.Precision, def.Scale);
      break;
    case TnFieldType::Date:
      campo = std::make_unique<TnDateField>(dataSet, def.Name);
      break;
    case TnFieldType::DateTime:
      campo = std::make_unique<TnSQLTimeStampField>(dataSet, def.Name);
      break;
    case TnFieldType::Boolean:
    case TnFieldType::Unknown:
      campo = std::make_unique<TnField>(dataSet, def.Name, def.DataType, def.Size, def.Precision, def.Scale);
      break;
  }
  campo->SetRequired(def.Required);
  return campo;
}

std::unique_ptr<TnField> TnField::Clonar(TnClientDataSet *destino) const {
  auto clone = Criar(destino, TnFieldDef{FFieldName, FDataType, FSize, FPrecision, FScale, FRequired});
  CopiarExibicao(*clone);
  return clone;
}

void TnField::CopiarExibicao(TnField &destino) const {
  destino.FDisplayLabel = FDisplayLabel;
  destino.FDisplayWidth = FDisplayWidth;
  destino.FDisplayFormat = FDisplayFormat;
  destino.FEditMask = FEditMask;
  destino.FAlignment = FAlignment;
  destino.FVisible = FVisible;
  destino.OnGetText = OnGetText;
  destino.Definicao().SetNomesValores(Definicao().NomesValores());
  destino.Definicao().SetTipoControle(Definicao().TipoControle());
}

QVariant TnField::OldValue() const {
  if (Calculado()) return Value();
  return FDataSet ? FDataSet->ValorAntigoCampo(FIndex) : QVariant();
}

int TnField::DisplayWidth() const {
  if (FDisplayWidth > 0) return FDisplayWidth;
  switch (FDataType) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
      return FSize > 0 ? FSize : 20;
    case TnFieldType::SmallInt:
      return 6;
    case TnFieldType::Integer:
      return 11;
    case TnFieldType::LargeInt:
      return 15;
    case TnFieldType::FMTBcd:
      return FPrecision > 0 ? FPrecision + 2 : 20;
    case TnFieldType::Date:
      return 10;
    case TnFieldType::DateTime:
      return 19;
    case TnFieldType::Boolean:
      return 5;
    default:
      return 10;
  }
}

TnAlignment TnField::Alignment() const {
  if (FAlignment) return *FAlignment;
  return nTipoNumerico(FDataType) ? TnAlignment::Right : TnAlignment::Left;
}

namespace {

// "'2'" gives 2, "'D''Ávila'" gives D'Ávila, "1" gives 1.
QString SemAspas(const QString &expressao) {
  const QString t = expressao.trimmed();
  if (t.size() >= 2 && t.startsWith(u'\'') && t.endsWith(u'\''))
    return t.mid(1, t.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
  return t;
}

}  // namespace

void TnField::AplicarPadrao() {
  if (Calculado() || FDefaultExpression.trimmed().isEmpty() || !FDataSet) return;
  if (!FDataSet->ValorCampo(FIndex).isNull()) return;
  const QString texto = SemAspas(FDefaultExpression);
  QVariant valor = texto;
  // A decimal default is written SQL-like ("1.500" is one and a half), not
  // as a user types it.
  if (FDataType == TnFieldType::Float) {
    if (const auto d = TnDecimal::DoTexto(texto)) valor = d->ParaDouble();
  }
  FDataSet->SetValorCampo(FIndex, Converter(valor));
}

QString TnField::Text() const {
  if (OnGetText) return OnGetText(*this, false);
  return AsString();
}

void TnField::SetText(const QString &texto) {
  if (OnSetText) OnSetText(*this, texto);
  else SetAsString(texto);
}

QString TnField::DisplayText() const {
  if (OnGetText) return OnGetText(*this, true);
  const QVariant v = Value();
  if (v.isNull() || FDisplayFormat.isEmpty()) return TextoDoValor(v);
  switch (FDataType) {
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt:
      // Through the exact overload: 64-bit codes keep every digit.
      return FormatFloat(FDisplayFormat, QString::number(v.toLongLong()));
    case TnFieldType::FMTBcd:
      return FormatFloat(FDisplayFormat, v.toString());
    case TnFieldType::Float:
      return FormatFloat(FDisplayFormat, v.toDouble());
    case TnFieldType::Date:
      return FormatDateTime(FDisplayFormat, v.toDate());
    case TnFieldType::DateTime:
      return FormatDateTime(FDisplayFormat, v.toDateTime());
    default:
      return TextoDoValor(v);
  }
}

namespace {

// Orders two canonical values of one field type; nullopt when they do not
// compare (a limit of another kind).
std::optional<int> Comparar(const QVariant &a, const QVariant &b, TnFieldType tipo) {
  auto sinal = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
  switch (tipo) {
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt:
      return sinal(a.toLongLong(), b.toLongLong());
    case TnFieldType::Float:
      return sinal(a.toDouble(), b.toDouble());
    case TnFieldType::FMTBcd: {
      const auto x = TnDecimal::DoTexto(a.toString());
      const auto y = TnDecimal::DoTexto(b.toString());
      if (!x || !y) return std::nullopt;
      return x->Comparar(*y);
    }
    case TnFieldType::Date:
      return sinal(a.toDate(), b.toDate());
    case TnFieldType::DateTime:
      return sinal(a.toDateTime(), b.toDateTime());
    case TnFieldType::String:
    case TnFieldType::FixedChar:
    case TnFieldType::Memo:
      return a.toString().compare(b.toString());
    default:
      return std::nullopt;
  }
}

}  // namespace

void TnField::Validar() const {
  if (Calculado()) return;
  // Most fields have nothing to check: no value is read for them (every
  // post checks every field).
  const bool comTamanho = (FDataType == TnFieldType::String || FDataType == TnFieldType::FixedChar) && FSize > 0;
  const bool comLimite = !FMinValue.isNull() || !FMaxValue.isNull();
  if (!FRequired && !comTamanho && !comLimite) return;
  TnField *eu = const_cast<TnField *>(this);
  const QVariant v = Value();
  const bool vazio = v.isNull() || (nTipoTexto(FDataType) && v.toString().trimmed().isEmpty());
  if (vazio) {
    if (FRequired) throw EnField(eu, QStringLiteral("O campo %1 deve ser informado.").arg(DisplayLabel()));
    return;
  }
  if (comTamanho && TnDialetoSQL::TamanhoTexto(v.toString()) > FSize) {
    throw EnField(eu, QStringLiteral("O valor informado para %1 excede o tamanho máximo de %2 caracteres.")
                          .arg(DisplayLabel())
                          .arg(FSize));
  }
  auto foraDoIntervalo = [&](const QVariant &limite, int lado) {
    if (limite.isNull() || !limite.isValid()) return false;
    QVariant canonico;
    try {
      canonico = Converter(limite);
    } catch (const Exception &) {
      return false;  // a limit the type cannot hold limits nothing
    }
    const auto ordem = Comparar(v, canonico, FDataType);
    return ordem && *ordem * lado > 0;
  };
  if (foraDoIntervalo(FMinValue, -1) || foraDoIntervalo(FMaxValue, 1)) {
    throw EnField(eu, FConstraintErrorMessage.isEmpty()
                          ? QStringLiteral("Valor fora do intervalo permitido para %1.").arg(DisplayLabel())
                          : FConstraintErrorMessage);
  }
}
