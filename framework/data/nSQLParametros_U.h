#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "nframework_export.h"

// The :name placeholders of one statement, found by the framework's own
// parser rather than the driver's, because the callers rely on what drivers
// do not give: names match in any case (":PCODIGOEMPRESA" is the value bound
// as pCodigoEmpresa), a name written twice is one value, and values may be
// given by position in the order of the names' first appearance.
// Quoted literals, quoted identifiers, comments and PostgreSQL "::" casts are
// left alone.
class NFRAMEWORK_EXPORT TnSQLParametros {
 public:
  explicit TnSQLParametros(const QString &sql);

  // The statement with "?" in place of every placeholder.
  const QString &SQLPosicional() const { return FSQLPosicional; }
  // The statement as the connection prepares it: every placeholder a name of
  // its own (NomesPorPosicao, ":b0", ":b1", ...) and the comments left out,
  // the driver's own placeholder reader knowing no comments. Drivers bind a
  // value to a name at a fraction of what a value by position costs them.
  const QString &SQLNomeado() const { return FSQLNomeado; }
  // The names of SQLNomeado's placeholders, colon included, in order.
  const QStringList &NomesPorPosicao() const { return FNomesPorPosicao; }
  // Distinct names, upper case, in the order of their first appearance.
  const QStringList &Nomes() const { return FNomes; }
  // For each "?" of SQLPosicional, the index of its name in Nomes.
  const QVector<int> &Ocorrencias() const { return FOcorrencias; }
  // Index of a name (any case, with or without the colon); -1 when absent.
  int IndiceDe(const QString &nome) const;

 private:
  QString FSQLPosicional;
  QString FSQLNomeado;
  QStringList FNomesPorPosicao;
  QStringList FNomes;
  QVector<int> FOcorrencias;
};
