#include "nField_U.h"

#include "nClientDataSet_U.h"
#include "nDecimal_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nFormatos_U.h"

bool nTipoTexto(TnFieldType tipo) {
  return tipo == TnFieldType::String || tipo == TnFieldType::FixedChar || tipo == TnFieldType::Memo;
}

bool nTipoInteiro(TnFieldType tipo) {
  return tipo == TnFieldType::SmallInt || tipo == TnFieldType::Integer || tipo == TnFieldType::LargeInt;
}

bool nTipoNumerico(TnFieldType tipo) {
  return nTipoInteiro(tipo) || tipo == TnFieldType::Float || tipo == TnFieldType::FMTBcd;
}

TnField::TnField(TnClientDataSet *dataSet, QString fieldName, TnFieldType dataType, int size, int precision,
                 int scale)
    : FDataSet(dataSet), FFieldName(std::move(fieldName)), FDataType(dataType), FSize(size), FPrecision(precision),
      FScale(scale) {}

TnField::~TnField() = default;

QVariant TnField::Value() const { return FDataSet ? FDataSet->ValorCampo(FIndex) : QVariant(); }

void TnField::SetValue(const QVariant &valor) {
  if (!FDataSet) throw Exception(QStringLiteral("O campo %1 não pertence a um conjunto de dados.").arg(FFieldName));
  FDataSet->SetValorCampo(FIndex, Converter(valor));
}

QVariant TnField::ConverterPara(const QVariant &valor, TnFieldType FDataType, int FSize, int FScale,
                                const QString &rotulo, TnField *campo) {
  auto Recusar = [&](const QString &texto, const QString &tipo) {
    throw EnField(campo, QStringLiteral("'%1' não é um valor válido (%2) para o campo %3.").arg(texto, tipo, rotulo));
  };
  if (valor.isNull() || !valor.isValid()) return QVariant();
  // Values already in the field's canonical form pass straight through:
  // that is what every row read from the database is.
  switch (FDataType) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
      if (valor.typeId() == QMetaType::QString && (FSize <= 0 || valor.toString().size() <= FSize)) return valor;
      break;
    case TnFieldType::Memo:
      if (valor.typeId() == QMetaType::QString) return valor;
      break;
    case TnFieldType::LargeInt:
      if (valor.typeId() == QMetaType::LongLong) return valor;
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
      if (FDataType != TnFieldType::Memo && FSize > 0 && t.size() > FSize) {
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
        n = qRound64(d);
        if (static_cast<double>(n) != d) Recusar(QString::number(d), QStringLiteral("número inteiro"));
      } else if (valor.typeId() == QMetaType::Bool) {
        n = valor.toBool() ? 1 : 0;
      } else {
        n = valor.toLongLong(&ok);
        if (!ok) Recusar(valor.toString(), QStringLiteral("número inteiro"));
      }
      const qlonglong limite = FDataType == TnFieldType::SmallInt ? 32767
                               : FDataType == TnFieldType::Integer ? 2147483647LL
                                                                   : std::numeric_limits<qlonglong>::max();
      if (n > limite || n < -limite - 1) Recusar(QString::number(n), QStringLiteral("fora do intervalo"));
      return QVariant(n);
    }
    case TnFieldType::Float: {
      if (texto) {
        double d = 0;
        if (!TryStrToFloat(s, d)) Recusar(s, QStringLiteral("número"));
        return d;
      }
      bool ok = false;
      const double d = valor.toDouble(&ok);
      if (!ok) Recusar(valor.toString(), QStringLiteral("número"));
      return d;
    }
    case TnFieldType::FMTBcd: {
      std::optional<TnDecimal> d;
      if (texto) d = TnDecimal::DoTexto(s);
      else if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float)
        d = TnDecimal::DoDouble(valor.toDouble(), FScale > 0 ? FScale : 8);
      else if (valor.canConvert<qlonglong>())
        d = TnDecimal(valor.toLongLong(), 0);
      if (!d) Recusar(valor.toString(), QStringLiteral("número"));
      if (FScale > 0) d = d->Arredondar(FScale);
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

QString TnField::AsString() const {
  const QVariant v = Value();
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
  if (FDataType == TnFieldType::Float) return qRound64(v.toDouble());
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
