#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "nframework_export.h"

class QObject;
class TnField;

// The kind of editor a field gets on a register form or in a grid cell.
enum class TnTipoControle {
  Padrao,      // chosen by the field's type
  Edit,        // plain text box
  ComboBox,    // one entry of NomesValores
  CheckList,   // several entries of NomesValores; the value is the ticked values joined by ";"
  Data,        // date picker ("dd/mm/yyyy")
  MesAno,      // month/year ("mm/yyyy"), read as day 1 of the month
  Memo,        // text of many lines
  ButtonEdit,  // text box with a button (OnButtonClick)
  LookupEdit,  // code box with a button that opens the lookup class
};

// The editor definition of one field: what the forms and grids need to build
// and drive its editor, filled by the data module and by the field dictionary.
// Owned by its field.
//
// The value list NomesValores holds "caption=value" lines ("Retirado=1").
// GetText/SetText translate between them; a data module binds them to the
// field (LigarTextos) so that the grid shows and takes the captions while the
// field keeps the values.
class NFRAMEWORK_EXPORT TnDefinicao {
 public:
  explicit TnDefinicao(TnField *campo);
  TnDefinicao(const TnDefinicao &) = delete;
  TnDefinicao &operator=(const TnDefinicao &) = delete;

  TnField *Campo() const { return FCampo; }

  // Key of the field dictionary; empty means the field's name.
  const QString &Dicionario() const { return FDicionario; }
  void SetDicionario(const QString &chave) { FDicionario = chave; }
  // The dataset fields, joined by ";", whose values identify the looked-up
  // row ("CODIGOEMPRESA;CODIGOESTAB"); this field is the last.
  const QString &LinkKeyFields() const { return FLinkKeyFields; }
  void SetLinkKeyFields(const QString &campos) { FLinkKeyFields = campos; }
  // The lookup class (a DC class name) the editor's button opens.
  const QString &LookupClassName() const { return FLookupClassName; }
  void SetLookupClassName(const QString &classe) { FLookupClassName = classe; }
  // The name fields AddFieldLookup added for this field ("NomeEmpresa").
  const QStringList &LookupResultFields() const { return FLookupResultFields; }
  void SetLookupResultFields(const QStringList &campos) { FLookupResultFields = campos; }

  const QStringList &NomesValores() const { return FNomesValores; }
  void SetNomesValores(const QStringList &linhas) { FNomesValores = linhas; }
  // The caption of a value ("2" gives "Entregue em Mãos"); the value itself
  // when the list does not hold it. Values compare as text, blanks ignored.
  QString NomeDoValor(const QString &valor) const;
  // The value of a caption, in any letter case; a text that already is one
  // of the values is taken as it stands. Empty when neither.
  QString ValorDoNome(const QString &nome) const;
  QStringList Nomes() const;
  QStringList Valores() const;

  TnTipoControle TipoControle() const { return FTipoControle; }
  void SetTipoControle(TnTipoControle tipo) { FTipoControle = tipo; }
  // The data module fills the field with the next number on insert.
  bool AutoIncrementar() const { return FAutoIncrementar; }
  void SetAutoIncrementar(bool valor) { FAutoIncrementar = valor; }
  const QString &Hint() const { return FHint; }
  void SetHint(const QString &dica) { FHint = dica; }
  // Characters the editor accepts; 0 leaves it to the field's size.
  int TamanhoMaximo() const { return FTamanhoMaximo; }
  void SetTamanhoMaximo(int tamanho) { FTamanhoMaximo = tamanho; }
  int Precisao() const { return FPrecisao; }
  void SetPrecisao(int precisao) { FPrecisao = precisao; }
  int Escala() const { return FEscala; }
  void SetEscala(int escala) { FEscala = escala; }
  // False: Tab skips the editor.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool valor) { FTabStop = valor; }
  // State of the editor, as EdEnabledField and its kin set it.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool valor) { FEnabled = valor; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool valor) { FReadOnly = valor; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool valor) { FVisible = valor; }
  // The grid shows the cell's button without waiting for the cell to be edited.
  bool BotaoGridAutomatico() const { return FBotaoGridAutomatico; }
  void SetBotaoGridAutomatico(bool valor) { FBotaoGridAutomatico = valor; }
  // The editor's row on the form (not owned; null before the form exists).
  QObject *Container() const { return FContainer; }
  void SetContainer(QObject *container) { FContainer = container; }
  // A free text the form shows with the editor (kept to 255 characters).
  const QString &TextoDefinicao() const { return FTextoDefinicao; }
  void SetTextoDefinicao(const QString &texto) { FTextoDefinicao = texto.left(255); }

  // Properties the data module sets itself and the dictionary must leave
  // alone ("Visible", "LinkKeyFields", "Hint", …; any letter case).
  const QStringList &PropriedadesProprias() const { return FPropriedadesProprias; }
  void SetPropriedadesProprias(const QStringList &nomes) { FPropriedadesProprias = nomes; }
  void AdicionarPropriedadePropria(const QString &nome);
  bool PropriedadePropria(const QString &nome) const;

  // Events of the editor.
  std::function<void(TnField &)> OnExit;
  std::function<void(TnField &)> OnButtonClick;
  // A change made through the editor of this definition.
  std::function<void(TnField &)> OnChange;
  void Exit();
  void ButtonClick();
  void Change();

  // The handlers to bind to the field's OnGetText/OnSetText: the caption of
  // the value (each of the ";"-joined values of a check list), and the value
  // of a typed caption. SetText clears the field on blank text and raises
  // EnField for a caption the list does not hold.
  QString GetText(const TnField &campo, bool displayText) const;
  void SetText(TnField &campo, const QString &texto) const;
  // Binds the field's OnGetText and OnSetText to GetText and SetText.
  void LigarTextos();

 private:
  TnField *FCampo;
  QString FDicionario;
  QString FLinkKeyFields;
  QString FLookupClassName;
  QStringList FLookupResultFields;
  QStringList FNomesValores;
  TnTipoControle FTipoControle = TnTipoControle::Padrao;
  bool FAutoIncrementar = false;
  QString FHint;
  int FTamanhoMaximo = 0;
  int FPrecisao = 0;
  int FEscala = 0;
  bool FTabStop = true;
  bool FEnabled = true;
  bool FReadOnly = false;
  bool FVisible = true;
  bool FBotaoGridAutomatico = false;
  QObject *FContainer = nullptr;
  QString FTextoDefinicao;
  QStringList FPropriedadesProprias;
};
