#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

#include "nActionForm_U.h"
#include "nDialogos_U.h"
#include "nEventos_U.h"
#include "nPainel_U.h"
#include "nTeclado_U.h"
#include "nToolButton_U.h"
#include "nframework_export.h"

class TnDataModule;
class TnFrmVisual;

// How forms reach the screen. The Qt layer installs both hooks; a test
// installs its own to drive a modal form (choose a row, press a button) and
// close it with Fechar. Each setter returns the hook installed before.
//
// TnExecutarFormModal runs the form modally: it returns once the form has
// been closed (Fechar accepted). A hook that returns with the form still open
// leaves it counted as cancelled (mrCancel).
using TnExecutarFormModal = std::function<void(TnFrmVisual &form)>;
// TnMostrarForm shows a form without waiting (an MDI child of the main
// window); it is also told when the form is hidden again (`visivel` false).
using TnMostrarForm = std::function<void(TnFrmVisual &form, bool visivel)>;
NFRAMEWORK_EXPORT TnExecutarFormModal nSetExecutarFormModal(TnExecutarFormModal hook);
NFRAMEWORK_EXPORT TnMostrarForm nSetMostrarForm(TnMostrarForm hook);

// Removal notice a module receives for a form it is concerned with.
enum class TnOperacao {
  opInsert,
  opRemove,
};

// The base of every form of the framework, as a model the Qt layer draws and
// tests drive without a screen: caption and size, the tool bar with its
// buttons, the form's own actions, the top area, the tool-bar area, the
// status text, focus, and the modal show.
//
// Ownership: a form is a QObject; every button, action and panel placed on it
// is its child and goes away with it. A form shown inside another (a
// detail's grid inside its master's register form) is that form's child.
// The data module that built the form frees it (or the caller who asked for
// it, for a single modal use: the form first, then the module).
//
// Going away: before the children are freed the form calls every handler
// added with AdicionarAoDestruir (the data module's DoFormDestroy and
// Notification run from there), so they still see the panels and buttons;
// only the TnFrmVisual part of the form is valid then (a descendant's own
// destructor has already run).
class NFRAMEWORK_EXPORT TnFrmVisual : public QObject {
 public:
  // `dataModule` is the module the form shows (may be null); `parent` the
  // form this one is shown inside, or null for a form of its own.
  explicit TnFrmVisual(TnDataModule *dataModule = nullptr, QObject *parent = nullptr);
  ~TnFrmVisual() override;
  TnFrmVisual(const TnFrmVisual &) = delete;
  TnFrmVisual &operator=(const TnFrmVisual &) = delete;

  // The form class's registered name ("TnFrmVisual", "TnFrmCadGrid"…); each
  // descendant answers its own.
  virtual QString ClassName() const;
  // Whether the form's class is `nomeClasse` or descends from it; any case.
  // Each descendant answers for its own name and asks its base for the rest.
  virtual bool HerdaDe(const QString &nomeClasse) const;

  TnDataModule *DataModule() const { return FDataModule; }
  // The form this one is shown inside; null for a form of its own.
  TnFrmVisual *FormPai() const;

  // "Frm" + the module's instance name unless set ("Frm" alone without a
  // module). Grid forms are recognised by it: the name without its first
  // three characters is the module's name.
  QString Name() const { return objectName(); }
  void SetName(const QString &nome) { setObjectName(nome); }
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  int Width() const { return FWidth; }
  void SetWidth(int largura) { FWidth = largura; }
  int Height() const { return FHeight; }
  void SetHeight(int altura) { FHeight = altura; }
  // An MDI child of the main window (the default) or an ordinary window.
  bool MDIChild() const { return FMDIChild; }
  void SetMDIChild(bool valor) { FMDIChild = valor; }
  // Centred on the main window when shown.
  bool CentralizarNoPrincipal() const { return FCentralizar; }
  void SetCentralizarNoPrincipal(bool valor) { FCentralizar = valor; }

  // --- tool bar
  // Adds a button to the tool bar and returns it (owned by the form).
  // `indice` is the place among the buttons, -1 at the end; `separador`
  // puts a separator before the button; `mostrarCaption` draws the caption
  // beside the image; `visivel` shows the button. `classeAction` names a
  // custom action class (kept for the Qt layer; null for a plain button);
  // `nome` names the button ("btn" + the caption's letters and digits when
  // empty).
  TnToolButton *CriarToolButton(const QString &caption, const QString &hint, int imageIndex, TnEventoNotify onClick,
                                const QString &shortCut = QString(), int tag = 0, int indice = -1,
                                bool separador = false, bool mostrarCaption = true, bool visivel = true,
                                const char *classeAction = nullptr, const QString &nome = QString());
  // The buttons in tool-bar order.
  const QList<QPointer<TnToolButton>> &ToolButtons() const { return FToolButtons; }
  // The button with the name or, failing that, the caption; any case.
  TnToolButton *ToolButton(const QString &nomeOuCaption) const;

  // --- the form's actions
  // A new action owned by the form; an action of that name is replaced (the
  // old one is freed).
  TnActionForm *CriarAction(const QString &nome, const QString &caption, TnEventoNotify onExecute,
                            const QString &shortCut = QString(), int imageIndex = -1);
  // The action with the name, any case; null when none.
  TnActionForm *Action(const QString &nome) const;
  QList<TnActionForm *> Actions() const;
  // Enables or disables every named action the form has; names it does not
  // have are ignored.
  void HabilitaDesabilitaActions(const QStringList &nomes, bool habilitar);
  // Runs the named action (false when absent, disabled or failed).
  bool ExecutarAction(const QString &nome, QObject *sender = nullptr);
  // The form-button configuration: the kinds of standard buttons the form
  // offers and one switch for them. Kept for the Qt layer.
  void ConfigurarActionForm(const QList<int> &tipos, bool valor = true);
  const QList<int> &TiposActionForm() const { return FTiposActionForm; }
  bool ValorActionForm() const { return FValorActionForm; }

  // A key pressed on the form: the first visible, enabled button whose
  // shortcut matches is pressed, else the first enabled action whose
  // shortcut matches is run. Answers whether one took the key.
  bool PressionarAtalho(QKeyCombination tecla);
  bool PressionarAtalho(int tecla, TShiftState shift);

  // --- areas
  // Above the editors (right-aligned status panels go here).
  TnPainel *AreaTopo() const { return FAreaTopo; }
  // The tool bar's panel; panels placed here sit beside the buttons.
  TnPainel *AreaToolBar() const { return FAreaToolBar; }
  // What is left under the top area: editors, a grid, a detail's form.
  TnPainel *AreaCliente() const { return FAreaCliente; }
  // The status line at the foot of the form.
  const QString &StatusTexto() const { return FStatusTexto; }
  void SetStatusTexto(const QString &texto) { FStatusTexto = texto; }

  // --- focus
  // The control (editor, grid) that has the focus on this form; null when
  // none. A control shown inside a child form takes the focus of the
  // outermost form.
  QObject *Foco() const;
  void SetFoco(QObject *controle);

  // --- showing
  // Shows the form without waiting.
  void Show();
  void Hide();
  bool Visible() const { return FVisible; }
  // Shows the form modally and returns its ModalResult once closed. With no
  // hook installed (a headless run) the form counts as cancelled at once.
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int modalResult) { FModalResult = modalResult; }
  // True between ShowModal and the accepted close.
  bool Exibindo() const { return FExibindo; }
  // Runs on every attempt to close the form, with ModalResult already set;
  // setting `podeFechar` to false keeps the form open (ModalResult goes back
  // to mrNone).
  std::function<void(TnFrmVisual &sender, bool &podeFechar)> OnCloseQuery;
  // An attempt to close the form (a button, a key, the frame's close box):
  // answers whether it closed. A modal form ends its ShowModal; a form shown
  // without waiting is hidden.
  bool Fechar(int modalResult = mrCancel);

  // --- going away
  // `handler` runs once, when the form is being freed; the returned number
  // removes it again (a module freed before its form).
  int AdicionarAoDestruir(std::function<void(TnFrmVisual &form)> handler);
  void RemoverAoDestruir(int id);

 private:
  TnDataModule *FDataModule;
  QString FCaption;
  int FWidth = 640;
  int FHeight = 480;
  bool FMDIChild = true;
  bool FCentralizar = false;
  QList<QPointer<TnToolButton>> FToolButtons;
  QList<int> FTiposActionForm;
  bool FValorActionForm = true;
  TnPainel *FAreaTopo;
  TnPainel *FAreaToolBar;
  TnPainel *FAreaCliente;
  QString FStatusTexto;
  QPointer<QObject> FFoco;
  bool FVisible = false;
  bool FExibindo = false;
  int FModalResult = mrNone;
  std::map<int, std::function<void(TnFrmVisual &)>> FAoDestruir;
  int FProximoAoDestruir = 1;
};
