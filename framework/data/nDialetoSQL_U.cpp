#include "nDialetoSQL_U.h"

#include <QRegularExpression>
#include <cmath>

#include "nDecimal_U.h"
#include "nException_U.h"

QString TnDialetoSQL::TextoData(const QDate &data) {
  if (!data.isValid()) return {};
  // Written by hand: this runs for every date bound to every statement.
  int ano = data.year();
  const int mes = data.month();
  const int dia = data.day();
  if (ano < 0 || ano > 9999) return data.toString(QStringLiteral("yyyy-MM-dd"));
  QChar texto[10];
  for (int i = 3; i >= 0; --i, ano /= 10) texto[i] = QChar(u'0' + ano % 10);
  texto[4] = u'-';
  texto[5] = QChar(u'0' + mes / 10);
  texto[6] = QChar(u'0' + mes % 10);
  texto[7] = u'-';
  texto[8] = QChar(u'0' + dia / 10);
  texto[9] = QChar(u'0' + dia % 10);
  return QString(texto, 10);
}

QString TnDialetoSQL::TextoDataHora(const QDateTime &momento) {
  if (!momento.isValid()) return {};
  const QTime hora = momento.time();
  if (hora.msec() != 0) return momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  return momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QVariant TnDialetoSQL::ValorParaBanco(const QVariant &valor) {
  if (valor.isNull()) {
    // A typed null would make drivers format it by type; a plain null is NULL.
    return QVariant();
  }
  switch (valor.typeId()) {
    case QMetaType::QDate:
      return TextoData(valor.toDate());
    case QMetaType::QDateTime:
      return TextoDataHora(valor.toDateTime());
    case QMetaType::Bool:
      return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
      return valor;
  }
}

QDate TnDialetoSQL::DataDoTexto(const QString &texto) {
  // Read by hand: this runs for every date of every result on SQLite.
  if (texto.size() < 10 || texto[4] != u'-' || texto[7] != u'-') return {};
  int partes[3] = {0, 0, 0};
  const int inicio[3] = {0, 5, 8};
  const int largura[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (int i = inicio[p]; i < inicio[p] + largura[p]; ++i) {
      const int d = texto[i].digitValue();
      if (d < 0) return {};
      partes[p] = partes[p] * 10 + d;
    }
  }
  if (texto.size() > 10 && texto[10] != u' ' && texto[10] != u'T') return {};
  return QDate(partes[0], partes[1], partes[2]);
}

QDateTime TnDialetoSQL::DataHoraDoTexto(const QString &texto) {
  QString t = texto.trimmed();
  if (t.size() == 10) return QDateTime(DataDoTexto(t), QTime(0, 0));
  t.replace(u'T', u' ');
  for (const auto *formato : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
    const QDateTime dt = QDateTime::fromString(t.left(static_cast<int>(qstrlen(formato))), QLatin1String(formato));
    if (dt.isValid()) return dt;
  }
  return {};
}

QString TnDialetoSQL::MensagemErro(const QSqlError &erro) {
  QString mensagem = erro.databaseText().trimmed();
  if (mensagem.isEmpty()) mensagem = erro.text().trimmed();
  // Length checks are named TAM_<TABLE>__<COLUMN>__<size> by the conversion.
  static const QRegularExpression tamanho(QStringLiteral("TAM_([A-Z0-9_]+?)__([A-Z0-9_]+?)__([0-9]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto achado = tamanho.match(mensagem);
  if (achado.hasMatch()) {
    return QStringLiteral("O valor informado para %1 (%2) excede o tamanho máximo de %3 caracteres.")
        .arg(achado.captured(2).toUpper(), achado.captured(1).toUpper(), achado.captured(3));
  }
  return mensagem;
}

namespace {

QString Texto(const QString &s) {
  QString t = s;
  t.remove(QChar(0));  // no engine stores a NUL inside a text
  t.replace(u'\'', QStringLiteral("''"));
  return u'\'' + t + u'\'';
}

}  // namespace

QString TnDialetoSQL::Literal(const QVariant &valor) {
  if (valor.isNull() || !valor.isValid()) return QStringLiteral("null");
  switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return QString::number(valor.toLongLong());
    case QMetaType::QDate:
      return u'\'' + TextoData(valor.toDate()) + u'\'';
    case QMetaType::QDateTime:
      return u'\'' + TextoDataHora(valor.toDateTime()) + u'\'';
    case QMetaType::Bool:
      return valor.toBool() ? QStringLiteral("'1'") : QStringLiteral("'0'");
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = valor.toDouble();
      if (!std::isfinite(d)) throw Exception(QStringLiteral("Valor numérico inválido."));
      return TnDecimal::DoDouble(d, 8).Texto().remove(QRegularExpression(QStringLiteral("\\.?0+$")));
    }
    default:
      return Texto(valor.toString());
  }
}
