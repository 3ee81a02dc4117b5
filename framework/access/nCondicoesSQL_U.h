#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "nField_U.h"
#include "nframework_export.h"

// A where clause assembled from a list of conditions, joined with "and" in
// one place. Every condition is SQL text the program writes: a user's
// multi-select goes through FilterInterval, every value through ValorParaSQL,
// so no text the user typed reaches the statement unparsed. Column names are
// checked to be plain (optionally qualified) names; anything else raises
// Exception. Conditions keep the order they were added in.
class NFRAMEWORK_EXPORT TnCondicoesSQL {
 public:
  // A condition the program wrote itself (its values already literals); an
  // empty or blank text adds nothing.
  TnCondicoesSQL &Adicionar(const QString &condicao);
  // The user's multi-select on `coluna` ("1;3;5-9"), through FilterInterval;
  // a blank selection adds nothing. `inclusao` 2 excludes the values. Raises
  // FilterInterval's message for a text that is not a selection.
  TnCondicoesSQL &AdicionarSelecao(const QString &coluna, const QString &valores, int inclusao = 1);
  // "coluna = <literal>", the value converted to `tipo` first (ValorParaSQL);
  // a null value adds nothing.
  TnCondicoesSQL &AdicionarIgual(const QString &coluna, const QVariant &valor, TnFieldType tipo);
  // A period of dates, each end given or not (an invalid date): both give
  // "coluna between a and b", only the start "coluna >= a", only the end
  // "coluna <= b", neither nothing.
  TnCondicoesSQL &AdicionarPeriodo(const QString &coluna, const QDate &inicio, const QDate &fim);

  bool IsEmpty() const { return FCondicoes.isEmpty(); }
  const QStringList &Condicoes() const { return FCondicoes; }
  // The conditions joined with " and ", each in parentheses; "" when none.
  QString Juntas() const;
  // " where " + Juntas(), or "" when there is no condition: it can end any
  // statement as it is.
  QString Where() const;

 private:
  QStringList FCondicoes;
};
