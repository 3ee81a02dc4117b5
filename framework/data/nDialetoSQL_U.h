#pragma once

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QString>
#include <QVariant>

#include "nframework_export.h"

enum class TnTipoServidor;

// Everything that differs between the engines, in one place. The rest of the
// program writes portable SQL and hands values to the binding here.
//
// One canonical storage for dates on both engines: a DATE is the text
// 'YYYY-MM-DD' on SQLite and a date on PostgreSQL; a date-time is
// 'YYYY-MM-DD HH:MM:SS' (with '.zzz' only when it has milliseconds) on SQLite
// and a timestamp without time zone on PostgreSQL. Dates and date-times are
// bound as that text on both engines, so SQLite compares like with like in
// "between" and PostgreSQL never shifts a value by a time zone.
class NFRAMEWORK_EXPORT TnDialetoSQL {
 public:
  static QString TextoData(const QDate &data);
  static QString TextoDataHora(const QDateTime &momento);

  // The value as it is bound to a statement: dates and date-times as the
  // canonical text, Booleans as "1"/"0", everything else unchanged.
  static QVariant ValorParaBanco(const QVariant &valor);

  // Parses the canonical text (and the ISO forms drivers return) back.
  static QDate DataDoTexto(const QString &texto);
  static QDateTime DataHoraDoTexto(const QString &texto);

  // The user's message for a failed statement: the server's message, or, for
  // a value longer than its column, a message naming the column and its size.
  static QString MensagemErro(const QSqlError &erro);

  // The SQL literal of a value of no declared type: null, whole numbers as
  // digits, dates and date-times as the canonical text in quotes, Booleans as
  // '1'/'0', other numbers as exact decimals, anything else as quoted text
  // with its apostrophes doubled (and any NUL dropped). Raises Exception for
  // a number that is not finite.
  static QString Literal(const QVariant &valor);
};
