#pragma once

#include <QDate>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

#include "nActionList_U.h"
#include "nModulos_U.h"
#include "nframeworkui_export.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TnDataModule;
class TnFrmVisual;
class TnPacotes;

// A menu caption as the user reads it: the accelerators' "&" taken out ("&&"
// stands for one "&").
NFRAMEWORKUI_EXPORT QString nTextoSemAcelerador(const QString &texto);

// The program's main window: the menu tree of every registered class's
// actions, the main tool bar and the MDI area where the forms open.
//
// Building is split in steps the project runner calls in order, because a
// constructor cannot reach a descendant's overrides:
//   AbriPacotes           loads the module libraries, asking PodeAbrirPacote;
//   ConfigurarVisualMenu  builds the menu tree from the registered classes;
//   CriarBtnToolBar       fills the tool bar (the inherited buttons first).
//
// Menu tree: each action's Category is a path split on "\"; a segment may
// start with a number ("02 Movimentos"), which orders the submenus and is not
// shown. Submenus come before the entries of a menu; entries follow their
// Index (those without one after, in registration order). An action with
// Separador gets a separator before it; one with CriarMenu false has no item
// but stays in ActionList for rights and opening by name.
//
// Choosing an entry or a class button creates the class by name and shows its
// form in the MDI area, all under the guard (nExecutarProtegido). A module
// opened here is freed once its window is gone: the views drawing its
// datasets go first, then the module.
class NFRAMEWORKUI_EXPORT TnFrmMenuMorvane : public QMainWindow {
 public:
  explicit TnFrmMenuMorvane(QWidget *parent = nullptr);
  ~TnFrmMenuMorvane() override;

  // --- virtuals, in slot order
  // Opens the module libraries (PacotesDoModulo, then the optional tax agenda
  // library of the other module), each one only when PodeAbrirPacote agrees.
  virtual void AbriPacotes();
  // Libraries of other modules AbriPacotes also asks for; they may be absent.
  static QStringList PacotesOpcionais();
  // Whether the library `nome` may be opened; true in the base.
  virtual bool PodeAbrirPacote(const QString &nome);
  // Builds the menu tree of the running module set (see Modulos).
  virtual void ConfigurarVisualMenu();
  // The inherited tool buttons (the period button).
  virtual void CriarBtnToolBar();

  // Adds a tool button that opens `nomeClasse`. When the class is not
  // registered the button is disabled and its hint says why; `opcional` marks
  // a class of another module that may legitimately be absent (a required one
  // that is missing is also reported on the log). `indiceImagem` is an index
  // of the image list. Gives the button's action.
  QAction *CriarToolButtonMain(const QString &nomeClasse, const QString &hint, bool opcional, const QString &caption,
                               int indiceImagem);

  // The running module set whose menu entries the tree gets; {0, 13} unless
  // set before ConfigurarVisualMenu.
  const TnModulos &Modulos() const { return FModulos; }
  void SetModulos(const TnModulos &modulos) { FModulos = modulos; }

  // Every action of the registered classes, menu item or not.
  TnActionList &ActionList() { return FActions; }
  // The menu item of an action; null when it has none.
  QAction *ItemMenu(const TnAction *action) const;

  QToolBar *ToolBarPrincipal() const { return FToolBar; }
  QMdiArea *AreaMdi() const { return FAreaMdi; }
  // The period button the tool bar gets first; its caption, hint and image
  // can be changed before CriarBtnToolBar.
  QAction *BtnPeriodo() const { return FBtnPeriodo; }
  void SetImagemPeriodo(int indice);
  // The menu of the open windows, always the last of the menu bar.
  QMenu *MenuJanelas() const { return FMenuJanelas; }
  // The status bar's lasting lines (the database and user, the period):
  // the hints a menu shows while hovered pass over them without wiping them.
  void SetStatusConexao(const QString &texto);
  QLabel *StatusConexao() const { return FStatusConexao; }
  QLabel *StatusPeriodo() const { return FStatusPeriodo; }

  // The library loader AbriPacotes uses; the project runner unloads through
  // it at the end.
  TnPacotes &Pacotes();

  // Creates `nomeClasse` (with the menu action that opens it, when given) and
  // shows its form. Raises Exception when the class is not registered or
  // cannot be created; the module is freed again when its form cannot be
  // built. A module of the class that this window opened and whose window is
  // still open is brought to the front instead.
  void AbrirClasse(const QString &nomeClasse, TnAction *action = nullptr);
  // Puts a form's view into a new MDI window (the form layer calls it for every
  // form shown without waiting). Closing that window asks the form
  // (TnFrmVisual::Fechar); once it agrees the view goes, and the module is
  // freed when this window opened it.
  QMdiSubWindow *MostrarNaAreaMdi(QWidget *visao, TnFrmVisual *form);
  // The MDI window showing `form`; null when none.
  QMdiSubWindow *JanelaDoForm(const TnFrmVisual *form) const;

  // Whether the user may open what `action` opens; when not, says so through
  // the dialogs ("Usuário sem permissão para acessar esta opção.") and gives
  // false. Only actions with ControlaDireito are checked, and only while the
  // rights service is on. A detail is governed by its master's right (the
  // action of this list whose name hashes to HashAcaoMestre); a detail whose
  // master is not in the list is refused.
  //
  // A right is granted by the value '8'. A right that no user has any row for
  // (a class added after the rights were last administered) leaves the entry
  // open to everyone, so a fresh installation is usable; once the right is
  // administered for anybody, a user without a row for it is refused.
  bool VerificarDireito(const TnAction *action);
  // The name of the right that governs `action`: its own name, or its
  // master's for a detail; empty when the master is not in the list.
  QString NomeDireito(const TnAction *action) const;

  // Asks the selection period and applies it: DataLctoPro_MAIORIGUAL and
  // DataLctoPro_MENORIGUAL of the session's selection, then refreshes the
  // open registers that apply them (AtualizarRegistrosAbertos). False when
  // cancelled.
  bool SelecionarPeriodo();
  // Asks the user for a period (a dialog with two dates); `inicio` and `fim`
  // come in as the current one. Tests replace it.
  virtual bool PerguntarPeriodo(QDate &inicio, QDate &fim);
  // Reads again the rows of every register open in a window here whose
  // selection list names a DataLctoPro parameter; each one under the guard,
  // so one failing register does not keep the others stale.
  void AtualizarRegistrosAbertos();

  // Closes every MDI window and frees the modules opened here (the project
  // runner calls it before the libraries are unloaded).
  void FecharJanelas();

 protected:
  void closeEvent(QCloseEvent *evento) override;
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  // One MDI window: the form it shows and, when this window created it, the
  // module to free once the window is closed.
  struct TnJanela {
    QPointer<QMdiSubWindow> Janela;
    // The window's identity, compared only: while it is being destroyed
    // the guarded pointer is already null and the object no longer a window.
    const QObject *Chave = nullptr;
    QPointer<TnFrmVisual> Form;
    TnDataModule *Modulo = nullptr;
    bool Fechada = false;  // closed, waiting for its deferred delete
  };

  QSize TamanhoInicial(QMdiSubWindow *janela, QWidget *visao, const TnFrmVisual *form) const;
  void ExecutarItem(TnAction *action);
  TnJanela *Entrada(const QObject *janela);
  // The window is being destroyed: its entry goes, and its module is freed
  // on the next turn of the event loop.
  void JanelaDestruida(const QObject *janela);
  void LiberarModulo(TnDataModule *modulo);

  TnModulos FModulos;
  TnActionList FActions;
  QList<QPair<const TnAction *, QPointer<QAction>>> FItens;
  QList<QPointer<QMenu>> FMenusGerados;
  QToolBar *FToolBar;
  QMdiArea *FAreaMdi;
  QAction *FBtnPeriodo;
  QMenu *FMenuJanelas;
  QLabel *FStatusConexao;
  QLabel *FStatusPeriodo;
  std::unique_ptr<TnPacotes> FPacotes;
  QList<TnJanela> FJanelas;
  // The module AbrirClasse is showing right now, handed to the MDI window
  // that its form's Show puts up.
  TnDataModule *FModuloAbrindo = nullptr;
  bool FFechandoTudo = false;
};
