#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "nFrmVisual_U.h"
#include "nframeworkui_export.h"

class QAction;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QTimer;
class QToolBar;
class QVBoxLayout;
class TnDBGridEh;
class TnField;
class TnpqParamItem;

// The window chrome every form shares, drawing a TnFrmVisual: the tool bar
// (the form's actions, then its tool buttons, with their enabled and visible
// state followed), the top area and the tool-bar area with their labels and
// colours, the status line, and the client area below. Descendants fill the
// client area (editors, grids, pages); this class shows what the model put
// in the form's client area by itself (a child form, a grid, panels).
//
// The model tells nobody when a module changes it (a button disabled, a
// status text set), so the view reads it again after every user action it
// forwarded and on a short timer. A press forwards to the model
// (TnToolButton::Click, TnActionForm::Execute), which runs under the guard.
//
// The view follows its form: when the form goes away the view closes (an
// MDI sub-window with it) and does nothing more.
class NFRAMEWORKUI_EXPORT TnVisaoForm : public QWidget {
 public:
  TnVisaoForm(TnFrmVisual *form, QWidget *parent = nullptr);
  ~TnVisaoForm() override;

  TnFrmVisual *Form() const { return FForm; }
  QToolBar *ToolBar() const { return FToolBar; }
  QLabel *Status() const { return FStatus; }
  QWidget *AreaTopo() const { return FAreaTopo; }
  QWidget *AreaToolBar() const { return FAreaToolBar; }
  // The QAction drawing a tool button or a form action; null when none.
  QAction *ActionDoBotao(const TnToolButton *botao) const;
  QAction *ActionDaActionForm(const TnActionForm *action) const;

  // Reads the model again; descendants extend it for their content.
  virtual void Sincronizar();
  // Writes to the model what the user typed and has not confirmed yet, so an
  // action pressed from the keyboard sees it. False when the model refused it.
  virtual bool ConfirmarEdicao() { return true; }
  // The focus hooks: answer whether this view shows the field or parameter
  // and moved the focus to its editor.
  virtual bool FocarCampo(TnField *campo);
  virtual bool FocarParametro(TnpqParamItem *parametro);

  // The live view of a form; null when the form is not on screen.
  static TnVisaoForm *VisaoDe(const TnFrmVisual *form);
  static QList<TnVisaoForm *> Visoes();
  // The form view that most closely holds the keyboard focus; null when the
  // focus is in none.
  static TnVisaoForm *VisaoDoFoco();

  QVBoxLayout *LayoutCliente() const { return FLayoutCliente; }
  // Shows what sits in a panel of the model: child forms (their own views),
  // grids (the grid view), panels (labels). Used for the client area and for
  // pages.
  void PreencherArea(TnPainel *area, QBoxLayout *layout, QWidget *pai, const QObject *exceto = nullptr);

 protected:
  // Runs a user's press: confirms pending typing, forwards, reads back.
  void Executar(const std::function<void()> &acao);
  void closeEvent(QCloseEvent *evento) override;
  bool eventFilter(QObject *objeto, QEvent *evento) override;
  bool event(QEvent *evento) override;
  void showEvent(QShowEvent *evento) override;

 private:
  void MontarToolBar();
  void AtualizarPaineis(QWidget *area, QHBoxLayout *layout, TnPainel *modelo, QList<QPointer<QLabel>> &labels);
  void FormDestruido();

  QPointer<TnFrmVisual> FForm;
  QToolBar *FToolBar;
  QWidget *FAreaToolBar;
  QHBoxLayout *FLayoutAreaToolBar;
  QWidget *FAreaTopo;
  QHBoxLayout *FLayoutTopo;
  QVBoxLayout *FLayoutCliente;
  QLabel *FStatus;
  QTimer *FTimer;
  QList<QObject *> FItensToolBar;  // the model's buttons and actions the tool bar was built from
  QList<QPair<QPointer<QObject>, QAction *>> FActions;
  QList<QPointer<QLabel>> FLabelsTopo;
  QList<QPointer<QLabel>> FLabelsToolBar;
  bool FFechando = false;
};

// The view of any form of the framework, chosen by its class: the register
// form, the process form, the grid forms (the grid view inside the common
// chrome), else the chrome alone.
NFRAMEWORKUI_EXPORT QWidget *nCriarVisao(TnFrmVisual *form, QWidget *parent = nullptr);

// The kind of a standard data-set action, as the form-button configuration
// (TnFrmVisual::ConfigurarActionForm) names it: 0 navigation (Primeiro,
// Anterior, Próximo, Último), 1 Alterar, 2 Incluir, 3 Excluir, 4 Gravar and
// Cancelar, 5 Atualizar, 6 Fechar; -1 for any other action (a module's own,
// a process form's), which the configuration never touches.
NFRAMEWORKUI_EXPORT int nTipoActionForm(const QString &nomeAction);
// Whether the form's configuration lets its action show: the listed kinds
// take the configuration's flag (true shown, false hidden); the kinds not
// listed, and the actions of no kind, show. A form never configured shows
// them all.
NFRAMEWORKUI_EXPORT bool nActionFormPermitida(const TnFrmVisual &form, const TnActionForm &action);

// A label drawing a panel of the model (caption, font colour, bold, size).
NFRAMEWORKUI_EXPORT void nAplicarPainel(QLabel *label, const TnPainel *painel);
