#pragma once

#include <QString>
#include <QStringList>

#include "nframework_export.h"

// What a dialog control takes.
enum class TnTipoFraControle {
  Inteiro,  // a whole number typed by the user (a lookup when a dictionary key is given)
  Escolha,  // one entry of a list of "Caption=value" lines
  Texto,    // free text
};

// One labelled value control of a field dialog (TnFrmDlgScrollBox), made by
// CriarControlsFraFields. The value is kept as text, as the editor shows it.
class NFRAMEWORK_EXPORT TnFraControle {
 public:
  // `lista` holds the entries of a choice, one "Caption=value" a line; an
  // entry without "=" is its own value. `tamanho` is the editor's width in
  // characters; `chaveDicionario` names the dictionary entry whose lookup the
  // editor offers (may be empty).
  TnFraControle(QString label, TnTipoFraControle tipo, int tamanho, QString chaveDicionario, QString hint,
                QStringList lista);

  const QString &Label() const { return FLabel; }
  TnTipoFraControle Tipo() const { return FTipo; }
  int Tamanho() const { return FTamanho; }
  const QString &ChaveDicionario() const { return FChaveDicionario; }
  const QString &Hint() const { return FHint; }
  // The captions and the values of a choice's entries, in list order.
  const QStringList &Itens() const { return FItens; }
  const QStringList &Valores() const { return FValores; }

  // Vertical position on the dialog, set by TnFrmDlgScrollBox::AlinharControls.
  int Top() const { return FTop; }
  void SetTop(int top) { FTop = top; }
  static constexpr int Altura = 24;

  // The value. A choice holds one of its values or nothing: a text that is
  // neither a value nor a caption of an entry empties it, and a caption
  // selects its entry.
  QString GetAsString() const { return FValor; }
  void SetAsString(const QString &valor);
  // The value as a number; 0 when empty or not a whole number.
  int GetAsInteger() const;
  void SetAsInteger(int valor) { SetAsString(QString::number(valor)); }
  bool IsNull() const { return FValor.isEmpty(); }
  void Clear() { FValor.clear(); }

  // The chosen entry of a choice, -1 for none; setting an index outside the
  // list empties the value.
  int IndiceEscolhido() const;
  void SetIndiceEscolhido(int indice);

 private:
  QString FLabel;
  TnTipoFraControle FTipo;
  int FTamanho;
  QString FChaveDicionario;
  QString FHint;
  QStringList FItens;
  QStringList FValores;
  QString FValor;
  int FTop = 0;
};
