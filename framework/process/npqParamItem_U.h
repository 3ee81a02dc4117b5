#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "nframework_export.h"

class TnFraCtrlParam;
class TnpqPowerParam;

// The kinds of process parameter. The value each kind keeps, and the value
// text it gives (GetAsString, the process's Param):
enum class TnTipoParam {
  Padrao,     // deduced when the item is made (see TnDefParam::Tipo)
  Texto,      // free text, as typed
  Data,       // a date, "dd/mm/yyyy"
  MesAno,     // a competence month, kept and given as its day 1 ("01/11/2026"); the editor shows "11/2026"
  Combo,      // one value of the list "Nome=v;…": the value, never the caption
  CheckList,  // the ticked values of the list joined by ";" ("1;2;6")
  Selecao,    // a multi-select of codes: list and ranges as FilterInterval reads them ("1;3;5-9")
  Valor,      // a single value of a dictionary key (a code typed or looked up)
  Link,       // a single code whose existence the editor can check in a table
  Numero,     // an output number the process writes for its caller
};

// The definition of one parameter, as a process declares it. Fields left
// empty are taken from the dictionary entry of `Dicionario` when there is one.
//
// The kind, when left Padrao, is deduced: a value list makes a combo; the
// dictionary entry's control gives a date, a month/year, a combo or a check
// list; a code key gives a multi-select when `MultiSelecao`, else a link when
// the entry names a lookup, else a single value; anything else is text.
struct NFRAMEWORK_EXPORT TnDefParam {
  QString Alias;      // "pDataInicial"; names match in any case
  QString Caption{};  // empty: the dictionary's label, else the alias
  TnTipoParam Tipo = TnTipoParam::Padrao;
  QVariant Padrao{};  // the value the item starts with
  bool Obrigatorio = false;
  QString Hint{};         // empty: the dictionary's hint
  int Posicao = -1;       // place on the panel; -1 after the others
  QString Dicionario{};   // dictionary key: "DICDATA", "CODIGOEMPRESA", …
  QString CampoLookup{};  // the lookup's field whose value a pick copies
  bool MultiSelecao = false;
  bool Visivel = true;
  bool Habilitado = true;
  // Combo and check list: "Nome=v;Nome=v;" (a trailing ";" is fine). Empty:
  // the dictionary's value list.
  QString Valores{};
  // Link: the table, key column and name column of the existence check and
  // of the name shown beside the code. Empty: the dictionary's lookup, when it
  // looks up by one key.
  QString TabelaLink{};
  QString CampoLink{};
  QString CampoDescricaoLink{};
};

// One parameter of a process's parameter panel (TnpqPowerParam owns it).
//
// Values are kept by kind (see TnTipoParam). A value set from text that the
// kind cannot read (a date that is not one) is kept as typed, so that the
// process's validation can refuse it with its own message; the typed reads
// (GetAsDate, GetAsInteger) then raise EnParam on the item. An empty or blank
// value is null.
//
// Every change of the value, from code or from the editor, fires the panel's
// OnParamChange once (setting the value it already has fires nothing).
class NFRAMEWORK_EXPORT TnpqParamItem {
 public:
  TnpqParamItem(TnpqPowerParam *lista, const TnDefParam &definicao);
  ~TnpqParamItem();
  TnpqParamItem(const TnpqParamItem &) = delete;
  TnpqParamItem &operator=(const TnpqParamItem &) = delete;

  TnpqPowerParam *Lista() const { return FLista; }
  const QString &Alias() const { return FAlias; }
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  TnTipoParam Tipo() const { return FTipo; }
  const QString &Hint() const { return FHint; }
  void SetHint(const QString &hint) { FHint = hint; }
  int Posicao() const { return FPosicao; }
  const QString &Dicionario() const { return FDicionario; }
  const QString &CampoLookup() const { return FCampoLookup; }
  // The lookup class the editor's button opens (from the dictionary).
  const QString &LookupClassName() const { return FLookupClassName; }
  bool MultiSelecao() const { return FTipo == TnTipoParam::Selecao; }
  const QVariant &Padrao() const { return FPadrao; }

  bool Obrigatorio() const { return FObrigatorio; }
  void SetObrigatorio(bool valor);
  bool Visivel() const { return FVisivel; }
  void SetVisivel(bool valor);
  bool Habilitado() const { return FHabilitado; }
  void SetHabilitado(bool valor);

  // Combo and check list entries, in list order.
  const QStringList &Nomes() const { return FNomes; }
  const QStringList &Valores() const { return FValores; }
  // The caption of a value; the value itself when the list does not hold it.
  QString NomeDoValor(const QString &valor) const;

  // Link: where the code is looked up.
  const QString &TabelaLink() const { return FTabelaLink; }
  const QString &CampoLink() const { return FCampoLink; }
  const QString &CampoDescricaoLink() const { return FCampoDescricaoLink; }
  void SetLink(const QString &tabela, const QString &campo, const QString &campoDescricao = QString());

  // --- value
  // The value text: what the process's Param(name) gives (see TnTipoParam).
  QString GetAsString() const;
  // A whole number (blanks around it ignored); 0 when null. Raises EnParam on
  // the item when the value is not a whole number.
  int GetAsInteger() const;
  bool TryGetAsInteger(int &valor) const;
  // A date: the value of a date kind, or text read as "dd/mm/yyyy" (or, for a
  // month/year, "mm/yyyy" as day 1). Null gives an invalid date; a text that
  // is no date raises EnParam on the item.
  QDate GetAsDate() const;
  bool TryGetAsDate(QDate &valor) const;
  // The value as kept: QDate for the date kinds, a number for Numero, text
  // otherwise; null when empty.
  QVariant GetAsVariant() const { return FValor; }
  bool IsNull() const { return FValor.isNull(); }

  void SetAsString(const QString &texto) { SetValue(texto); }
  void SetAsInteger(qint64 valor) { SetValue(valor); }
  void SetAsDate(const QDate &data) { SetValue(data.isValid() ? QVariant(data) : QVariant()); }
  // A null variant clears the item.
  void SetAsVariant(const QVariant &valor) { SetValue(valor); }
  // Converts to the kind's value: a date kind reads dates and date texts (a
  // month/year goes to day 1); a combo takes a value or a caption (any case);
  // a check list keeps its non-empty parts trimmed and joined by ";"; a number
  // reads numbers and pt-BR number texts, raising EnParam for other text.
  void SetValue(const QVariant &valor);
  void Clear() { SetValue(QVariant()); }

  // Check list: whether a value is ticked, and ticking it. Ticking keeps the
  // ticked values in the list's order.
  bool Marcado(const QString &valor) const;
  void Marcar(const QString &valor, bool marcado);

  // The framework's own check of the value, run by the process's base
  // validation on an enabled item: a required item must hold a value, and a
  // multi-select must be a list of codes and ranges. Raises EnParam.
  void Validar() const;

  // The item's editor on the parameter panel (owned by the item; it exists
  // with or without a form).
  TnFraCtrlParam *Editor() const { return FEditor.get(); }

 private:
  QVariant Normalizar(const QVariant &valor) const;
  void Notificar();

  TnpqPowerParam *FLista;
  QString FAlias;
  QString FCaption;
  TnTipoParam FTipo;
  QString FHint;
  int FPosicao;
  QString FDicionario;
  QString FCampoLookup;
  QString FLookupClassName;
  QVariant FPadrao;
  bool FObrigatorio;
  bool FVisivel;
  bool FHabilitado;
  QStringList FNomes;
  QStringList FValores;
  QString FTabelaLink;
  QString FCampoLink;
  QString FCampoDescricaoLink;
  QVariant FValor;
  std::unique_ptr<TnFraCtrlParam> FEditor;
};
