#pragma once

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QString>
#include <QVariant>

#include "nException_U.h"
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
  // canonical text, Booleans as "1"/"0", everything else unchanged. A text
  // with a control character no column takes (ChecarTexto) is refused:
  // PostgreSQL would answer with a raw error, SQLite would store it.
  static QVariant ValorParaBanco(const QVariant &valor);

  // Parses the canonical text (and the ISO forms drivers return) back.
  static QDate DataDoTexto(const QString &texto);
  static QDateTime DataHoraDoTexto(const QString &texto);
  // A date column's value as the driver returns it (a date on PostgreSQL,
  // the canonical text on SQLite); null or unreadable gives an invalid date.
  static QDate DataDoBanco(const QVariant &valor);

  // The error to raise for a failed statement: its message is the user's, in
  // Portuguese, naming the table and the column where the server tells them
  // (a key or unique value taken, a code that names no row or a row still in
  // use, a required column left empty, a text longer than its column, data
  // held by another user). Any other refusal says so in general terms with
  // the server's text on a detail line. The server's text is always kept as
  // the error's detail.
  static EDatabaseError Erro(const QSqlError &erro, const QString &sql);
  // The message of Erro.
  static QString MensagemErro(const QSqlError &erro);

  // The length of a text as both engines count it: in characters (code
  // points), so a character outside the basic plane counts once.
  static qsizetype TamanhoTexto(const QString &texto);
  // The first character of a text that no text column takes: a control
  // character below U+0020 other than tab, CR and LF (NUL among them).
  // Its code, or -1 when there is none.
  static int CaractereProibido(const QString &texto);
  // Raises Exception naming `rotulo` when the text holds a character that no
  // text column takes.
  static void ChecarTexto(const QString &texto, const QString &rotulo);

  // The SQL literal of a value of no declared type: null, whole numbers as
  // digits, dates and date-times as the canonical text in quotes, Booleans as
  // '1'/'0', other numbers as exact decimals, anything else as quoted text
  // with its apostrophes doubled. Raises Exception for a number that is not
  // finite and for a text that ChecarTexto refuses.
  static QString Literal(const QVariant &valor);

  // How many rows one multi-row statement carries on `servidor`: on the
  // server every statement is a round trip, so rows that belong together go
  // up to a hundred at a time; the embedded database runs each statement
  // inside the program, where one row per statement is the faster.
  static int LinhasPorInstrucao(TnTipoServidor servidor);
};
