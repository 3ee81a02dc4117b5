#pragma once

#include <QList>
#include <QPointer>

#include "nFrmCadastro_U.h"
#include "nVisaoForm_U.h"
#include "nframeworkui_export.h"

class QLabel;
class QScrollArea;
class QToolButton;

// The register form on screen: under the common chrome, one row per editor
// of the model (label, then the editor its definition's TipoControle asks
// for), in a scrolling field area, and under it what the module placed in
// the client area (a detail's form or grid).
//
// Typing goes to the model through TnEditorCampo::Digitar when the user
// confirms it (Enter, leaving the editor, a choice in a list), so the field's
// OnSetText, the definition's OnChange and the field's validation run. A
// refused text is shown by the guard and stays in the editor, so the user
// can correct it; the record keeps its value. Enabled, read-only and visible
// follow the editor model.
//
// Focus: the model follows the widgets (an editor that gets the focus becomes
// the form's focus). The view moves the widget focus only when the model's
// focus was moved by code since the view last saw it (a rule, the guard after
// a refusal), never while the user moves it: leaving an editor by a click or
// Tab confirms it and lets the focus go where the user sent it. A popup or a
// message taking the focus is no leaving of the editor.
class NFRAMEWORKUI_EXPORT TnVisaoCadastro : public TnVisaoForm {
 public:
  TnVisaoCadastro(TnFrmCadastro *form, QWidget *parent = nullptr);
  ~TnVisaoCadastro() override;

  TnFrmCadastro *Cadastro() const;
  // The widget that edits the field (a QLineEdit, a TnEditData, QComboBox,
  // QPlainTextEdit or QListWidget); null when the form has no editor for it.
  QWidget *Widget(const QString &nomeCampo) const;
  // The button of a button or lookup editor; null for other editors.
  QToolButton *Botao(const QString &nomeCampo) const;

  void Sincronizar() override;
  bool ConfirmarEdicao() override;
  bool FocarCampo(TnField *campo) override;

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  struct TnLinha;
  void CriarLinha(TnEditorCampo *editor, QWidget *area);
  QWidget *CriarGrupoSeparador(const class TnFraGrupoSeparador &grupo, QWidget *area);
  // The text the widget holds, in the form Digitar takes.
  QString TextoDoWidget(const TnLinha &linha) const;
  void MostrarValor(TnLinha &linha);
  bool Confirmar(TnLinha &linha);
  TnLinha *LinhaDoWidget(QObject *widget);

  QScrollArea *FRolagem;
  QList<TnLinha *> FLinhas;
  // The form's focus as this view last saw or gave it.
  QPointer<QObject> FFocoVisto;
  TnLinha *FConfirmando = nullptr;  // the line whose typing is going to the model
  bool FSincronizando = false;
  int FRecNo = -1;
  bool FNavegando = true;
};
