#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

#include "nframework_export.h"

class TnField;
class TnLinhasDataSet;

// A client-side filter of a dataset's rows, in the filter language of the
// platform's client datasets:
//
//   expression  := term { "or" term }
//   term        := factor { "and" factor }
//   factor      := "not" factor | "(" expression ")" | comparison
//   comparison  := operand ( "=" | "<>" | "!=" | "<" | "<=" | ">" | ">=" ) operand
//                | operand "is" [ "not" ] "null"
//   operand     := field | number | 'text' | null
//
// Keywords and field names are read in any case; a field name may be written
// in brackets ([Nome do Campo]). Texts are quoted with ' and a quote inside is
// doubled ('D''Ávila'). Numbers use '.' for decimals. A literal compared with
// a field is read as a value of the field's type, so dates are written
// 'dd/mm/yyyy' or 'yyyy-mm-dd' and "CODIGO = '12'" equals "CODIGO = 12".
// Texts compare by character code, without regard to case when asked.
// Any comparison that meets a null is false (use "is null").
//
// The text is parsed once; Avaliar then runs per row on the row's canonical
// values (by field index). A syntax error, an unknown field or a literal that
// is no value of its field's type raises Exception with the reason.
class NFRAMEWORK_EXPORT TnFiltro {
 public:
  // `campo` gives the field of a name (any case), or null when there is none.
  TnFiltro(const QString &texto, const std::function<TnField *(const QString &)> &campo, bool semCaixa = false);
  ~TnFiltro();
  TnFiltro(const TnFiltro &) = delete;
  TnFiltro &operator=(const TnFiltro &) = delete;

  bool Avaliar(const QVector<QVariant> &linha) const;
  // Appends to `saida`, in order, the slots of `ordem` whose rows pass. A
  // view is built here over every row of the dataset: the usual filters
  // (comparisons of fields with constants joined by "and") run as one loop
  // with no call per row.
  void Selecionar(const std::vector<int> &ordem, const TnLinhasDataSet &linhas, std::vector<int> &saida) const;
  const QString &Texto() const { return FTexto; }
  // Whether the text has no condition at all (blank): every row passes.
  bool Vazio() const { return FRaiz == nullptr; }

  struct TnNo;

 private:
  QString FTexto;
  std::unique_ptr<TnNo> FRaiz;
  // The conditions every row must meet when the whole filter is one "and"
  // of them, each with a direct comparison; empty otherwise.
  std::vector<const TnNo *> FConjuncao;
};
