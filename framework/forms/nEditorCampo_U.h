#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "nframework_export.h"

class TnField;
class TnFrmVisual;
class TnPainel;

// The editor of one field on a register form, as a model. Its state lives in
// the field's editor definition (TnDefinicao: enabled, read-only, visible),
// so what a data module sets there (EdEnabledField and its kin) is what the
// editor shows, whether the form was built before or after.
//
// Input methods (Digitar, Sair, ClicarBotao) are user entry points: they run
// under the guard and answer whether they ran to their end.
class NFRAMEWORK_EXPORT TnEditorCampo : public QObject {
 public:
  // `container` is the editor's row on the form (null for an editor of no
  // form); the editor becomes its child and the definition's Container.
  TnEditorCampo(TnField *campo, TnPainel *container, QObject *parent = nullptr);
  ~TnEditorCampo() override;

  TnField *Campo() const { return FCampo; }
  // The row the editor sits in; null for an editor of no form.
  TnPainel *Container() const { return FContainer; }
  // The form the editor is on; null for an editor of no form.
  TnFrmVisual *Form() const;

  bool Enabled() const;
  void SetEnabled(bool valor);
  // Read-only by the definition or by the field itself.
  bool ReadOnly() const;
  void SetReadOnly(bool valor);
  bool Visible() const;
  void SetVisible(bool valor);
  // Whether the user can type: enabled, visible, not read-only, over an open
  // dataset.
  bool PodeEditar() const;

  // The text shown: the field's editing text (empty with no current row).
  QString Text() const;
  const QString &Hint() const;

  // Vertical place and height of the editor on its form (for laying out
  // controls under it).
  int Top() const;
  int Height() const;
  int Bottom() const { return Top() + Height(); }

  // Replaces the typed text of a key field the data module reads as a search
  // (the register's key cannot change once stored): when set and the row is
  // stored, Digitar hands the text to it instead of writing the field.
  std::function<void(TnEditorCampo &editor, const QString &texto)> OnProcurarChave;
  bool ProcuraChave() const;

  // The user types `texto` and confirms it: the dataset enters edit when
  // browsing, the field takes the text (through its OnSetText), then the
  // definition's OnChange runs. False when the editor cannot take text or
  // the field refused it (the guard has shown why; the record keeps its
  // value).
  bool Digitar(const QString &texto);
  // The editor loses the focus: the definition's OnExit.
  bool Sair();
  // What the editor's button does when the definition has no OnButtonClick
  // (the data module opens the field's lookup class).
  std::function<void(TnEditorCampo &editor)> OnBotaoPadrao;
  // The editor's button: the definition's OnButtonClick, else OnBotaoPadrao.
  bool ClicarBotao();
  // Takes the form's focus when it can (enabled and visible).
  bool SetFocus();
  bool Focado() const;

 private:
  TnField *FCampo;
  TnPainel *FContainer;
};
