#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "nframework_export.h"

// The session's selection parameters: named values the user sets once (the
// main window's period, a protocol chosen elsewhere) that every data module
// applies to its rows when it opens. A name is "<Field>_<OP>" with OP one of
// MAIORIGUAL (>=), MENORIGUAL (<=), MAIOR (>), MENOR (<), DIFERENTE (<>) or
// IGUAL (=); a plain field name means equality. Names match in any case.
class NFRAMEWORK_EXPORT TnSelecao {
 public:
  void SetParam(const QString &nome, const QVariant &valor);
  void RemoverParam(const QString &nome);
  void Limpar() { FParams.clear(); }
  bool TemParam(const QString &nome) const;
  QVariant Param(const QString &nome) const;
  QStringList Nomes() const { return FParams.keys(); }

  // The conditions, joined by " and ", of the parameters named in
  // `verificaSelecao` (names separated by ";") that are set, on the columns
  // of `alias` ("t_t.DATALCTOPRO >= '2026-11-01'"). Empty when none applies.
  // Values become literals through ValorParaSQL; names that are not plain
  // identifiers are refused.
  QString Condicao(const QString &verificaSelecao, const QString &alias = QStringLiteral("t_t")) const;

 private:
  QMap<QString, QVariant> FParams;  // upper-case name -> value
};
