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
// can correct it; the record keeps its value. Enabled, read-only, visible and
// focus follow the editor model.
class NFRAMEWORKUI_EXPORT TnVisaoCadastro : public TnVisaoForm {
 public:
  TnVisaoCadastro(TnFrmCadastro *form, QWidget *parent = nullptr);
  ~TnVisaoCadastro() override;

  TnFrmCadastro *Cadastro() const;
  // The widget that edits the field (a QLineEdit, QComboBox, QDateEdit,
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
  bool FSincronizando = false;
  int FRecNo = -1;
  bool FNavegando = true;
};
