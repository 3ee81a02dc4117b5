#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>

#include "nClientDataSet_U.h"
#include "nframework_export.h"

// The SQL utilities of the framework, on the process's connection.

// Runs a select and gives its rows in a client dataset that the caller owns.
// `valores` bind to the statement's :name placeholders in the order of the
// names' first appearance. Raises EDatabaseError with the server's message.
NFRAMEWORK_EXPORT std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString &sql, const QVariantList &valores = {},
                                                               int reservado = 0);
// Frees a dataset made by ExecutarSQL (or any owned dataset) and clears it.
NFRAMEWORK_EXPORT void DestruirSQL(std::unique_ptr<TnClientDataSet> &dados);
// Runs the dataset's statement again with new values; the rows are replaced.
NFRAMEWORK_EXPORT void RefreshSQL(TnClientDataSet &dados, const QVariantList &valores = {});
// Runs a statement that changes rows; gives how many it changed.
NFRAMEWORK_EXPORT int ExecutarSQLDireto(const QString &sql, const QVariantList &valores = {});

// An SQL literal of a value, for the program's own statement text: whole
// numbers as digits, decimals with a '.', texts quoted with their quotes
// doubled, dates 'YYYY-MM-DD', date-times 'YYYY-MM-DD HH:MM:SS', and null
// as null. With `tipo` given, the value is first converted to that type, and
// an empty text for a non-text type is null. Raises Exception when the value
// does not convert.
NFRAMEWORK_EXPORT QString ValorParaSQL(const QVariant &valor, TnFieldType tipo = TnFieldType::Unknown);
// "FIELDNAME <op> <literal of the field's current value>"; a null value gives
// "FIELDNAME is null" (or "is not null" for "<>").
NFRAMEWORK_EXPORT QString ValorParaSQL(const TnField *campo, const QString &operador = QStringLiteral("="),
                                       bool comNome = true);
// A literal for a client filter (also pasted into SQL conditions).
NFRAMEWORK_EXPORT QString ValorParaFiltro(const QVariant &valor);

// The condition of a multi-select value typed by the user: whole numbers
// separated by ";" or ",", and ranges "a-b" (or "a..b"), e.g. "1;3;5-9".
// Anything else raises Exception with a message for the user; the text never
// reaches SQL. With `juntar` the result starts with the conjunction, padded to
// exactly 8 characters (" and    (...)"), so callers can cut it off; without,
// it is the bare first condition. An empty selection gives "" with `juntar`
// and "1=1" without. `inclusao` 2 excludes the values; `modo` is accepted for
// the callers' signature.
NFRAMEWORK_EXPORT QString FilterInterval(const QString &coluna, const QString &valores, int inclusao = 1,
                                         bool juntar = true, int modo = 0);

// Appends every row of `origem` to `destino`, copying fields by name (any
// case); fields missing on either side, and calculated destination fields,
// are skipped.
NFRAMEWORK_EXPORT void CopyDataCDS(TnClientDataSet &origem, TnClientDataSet &destino, bool reservado = false);
// Closes the dataset and forgets its field definitions and fields.
NFRAMEWORK_EXPORT void LimparFieldsDefCDS(TnClientDataSet &dados);

// The moment as stored in timestamp columns: to the second.
NFRAMEWORK_EXPORT QDateTime nDateTimeToSQLTimeStamp(const QDateTime &momento);
