#pragma once

#include <QString>
#include <QStringList>

#include "nClientDataSet_U.h"
#include "nDMPower_U.h"
#include "nframework_export.h"

class TnDBGridEh;
class TnPainel;

// The process with a parameter panel and the services of its form: the
// message-tree pane, the tabs, Gravar and Cancelar with the changed state,
// and the process's grid dataset `nClientDataSet` with the options of its
// grid (used by the tab and grid processes; a plain parameter process leaves
// it closed).
//
// State changes are shown at once on the form when there is one.
class NFRAMEWORK_EXPORT TnDMPowerParam : public TnDMPower {
 public:
  TnDMPowerParam();
  ~TnDMPowerParam() override;

  // --- panes and tabs
  // Shows the message-tree pane on the form.
  bool MsgTreeExibir() const { return FMsgTreeExibir; }
  void SetMsgTreeExibir(bool valor);
  // The creation flag some processes set in DataModuleCreate: the form
  // brings the message-tree pane forward at the end of every run, so the
  // user reads the results there first.
  bool FocarMsgTree() const { return FFocarMsgTree; }
  void SetFocarMsgTree(bool valor);
  // Shows only the named parameters (";"-separated aliases) on the panel
  // above the grid; empty shows every visible one.
  const QString &MostrarParams() const { return FMostrarParams; }
  QStringList ParamsMostrados() const;
  void SetMostrarParams(const QString &aliases);
  // A new tab page on the form (page 1 is the first), for the process's
  // grids. Raises Exception when the process has no form yet: tabs are made
  // in DepoisConfigurar.
  TnPainel *CriarTab(const QString &caption);
  // A new tab with the process's grid moved into it.
  TnPainel *CriarTabGrid(const QString &caption);

  // --- Gravar, Cancelar and the changed state
  // The changed state: something on the tabs awaits Gravar or Cancelar.
  bool TemAlteracao() const { return FTemAlteracao; }
  void SetTemAlteracao(bool valor);
  // Whether the form offers Gravar / Cancelar at all (off by default). An
  // offered one is enabled while TemAlteracao holds.
  bool ActionGravar() const { return FActionGravar; }
  void SetActionGravar(bool valor);
  bool ActionCancelar() const { return FActionCancelar; }
  void SetActionCancelar(bool valor);
  // Base Gravar: posts a pending edit of nClientDataSet. Base Cancelar:
  // cancels it.
  void actGravarExecute(QObject *sender) override;
  void actCancelarExecute(QObject *sender) override;

  // --- the grid
  TnClientDataSet &nClientDataSet() { return FDataSet; }
  // The form's grid over nClientDataSet (tab and grid processes); null
  // without a form.
  TnDBGridEh *nDBGrid() const;
  TnClientDataSet *DataSetPorNome(const QString &nome) override;
  // Grid options; the form's grid follows them.
  // The grid sorts by a clicked title itself (on by default).
  bool DBGridOrdenar() const { return FDBGridOrdenar; }
  void SetDBGridOrdenar(bool valor);
  // The user cannot edit the grid (on for grid processes, off for tabs).
  bool DBGridReadOnly() const { return FDBGridReadOnly; }
  void SetDBGridReadOnly(bool valor);
  // A row deleted in the grid asks first (on by default).
  bool DBGridConfirmaExclusao() const { return FDBGridConfirmaExclusao; }
  void SetDBGridConfirmaExclusao(bool valor);
  // The parameter panel sizes itself to its editors and scrolls (on by
  // default).
  bool AutoSizeScrollParam() const { return FAutoSizeScrollParam; }
  void SetAutoSizeScrollParam(bool valor);
  // Offers the search actions actPesquisar and actPesquisarNext on the form.
  bool Pesquisa() const { return FPesquisa; }
  void SetPesquisa(bool valor);
  // Enter moves along the key columns of the grid instead of searching.
  bool NavegacaoTeclado() const { return FNavegacaoTeclado; }
  void SetNavegacaoTeclado(bool valor);

  // --- search in the grid
  // Moves to the first row after the current one (wrapping round to the
  // first row) where some visible field shows the text, in any case; stays
  // and answers false when no row does. The text is kept for
  // PesquisarProximo.
  bool Pesquisar(const QString &texto);
  bool PesquisarProximo();
  const QString &TextoPesquisa() const { return FTextoPesquisa; }
  // The search actions: actPesquisar asks for the text (nInputBox), then
  // searches; actPesquisarNext searches the last text again.
  void actPesquisarExecute(QObject *sender);
  void actPesquisarNextExecute(QObject *sender);

 private:
  TnClientDataSet FDataSet;
  bool FMsgTreeExibir = false;
  bool FFocarMsgTree = false;
  QString FMostrarParams;
  bool FTemAlteracao = false;
  bool FActionGravar = false;
  bool FActionCancelar = false;
  bool FDBGridOrdenar = true;
  bool FDBGridReadOnly = false;
  bool FDBGridConfirmaExclusao = true;
  bool FAutoSizeScrollParam = true;
  bool FPesquisa = false;
  bool FNavegacaoTeclado = false;
  QString FTextoPesquisa;
};
