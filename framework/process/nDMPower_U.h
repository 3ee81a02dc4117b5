#pragma once

#include <QDate>
#include <QPointer>
#include <QString>
#include <memory>

#include "nDataModule_U.h"
#include "nMsgTree_U.h"
#include "nframework_export.h"
#include "npqPowerParam_U.h"

class QObject;
class TnClientDataSet;
class TnFraProgresso;
class TnFrmPowerParam;
class TnFrmVisual;

// The base of every process: a parameter panel, a run, a message tree and a
// progress frame, with or without a form.
//
// A run from the form (TnFrmPowerParam's Executar) is ExecutarProcesso:
// ValidarDado, keep the parameter values for the next time, Executar. A
// caller may also run a process with no form at all: create it by name, set
// its parameters (npqPowerParam().Param(name)->SetAs…), call Executar and read
// its results. The base Executar runs ValidarDado itself for that reason, so
// a run from the form validates twice, which must be (and in the framework
// is) harmless.
//
// Virtual operations, in slot order: GetFormClass, ValidarDado, Executar,
// DepoisConfigurar, LimparParamsINI, nPageControlOnChanging,
// actGravarExecute, actCancelarExecute. Overrides call the inherited one
// first unless they mean to replace it.
//
// Class-level members (Menus, PegarVerificaSelecao, DireitoMenu) are static,
// as TnDataModule describes; a process's PegarTipoObjeto is 0.
class NFRAMEWORK_EXPORT TnDMPower : public TnDataModule {
 public:
  TnDMPower();
  ~TnDMPower() override;

  // --- virtual slots
  // The registered name of the form class CriarForm builds.
  virtual QString GetFormClass() const;
  // Reads and checks the parameters before a run. Base: every enabled
  // parameter's own check (required value, multi-select syntax), in panel
  // order; raises EnParam on the first that fails.
  virtual void ValidarDado();
  // The run. Base: ValidarDado.
  virtual void Executar();
  // Runs once the form is built, before it is shown (`form` is the process's
  // TnFrmPowerParam or a descendant). Base: nothing.
  virtual void DepoisConfigurar(TnFrmVisual *form);
  // Forgets the parameter values kept for this process and the current user.
  // The parameters themselves keep their values.
  virtual void LimparParamsINI();
  // The user is leaving page `indicePagina` of the form (0 the parameters, 1
  // the first tab); setting `permitir` false keeps the page. Base: allows.
  virtual void nPageControlOnChanging(int indicePagina, bool &permitir);
  // Gravar and Cancelar of the form; `sender` is the button or action
  // pressed, or null from code. Base: nothing.
  virtual void actGravarExecute(QObject *sender);
  virtual void actCancelarExecute(QObject *sender);

  // --- parameters
  TnpqPowerParam &npqPowerParam() { return FParams; }
  const TnpqPowerParam &npqPowerParam() const { return FParams; }
  // The value text of the parameter (a check list: its ticked values joined
  // by ";"); raises Exception naming an unknown parameter.
  QString Param(const QString &nome) const;
  // The parameter's date; an invalid date when it is blank or not a date.
  QDate ParamData(const QString &nome) const;
  // The parameter's whole number; `padrao` when it is blank or not a number.
  int ParamInteiro(const QString &nome, int padrao = 0) const;

  // Keeps the current parameter values for this process and user, and puts
  // kept ones back (CriarForm does that when the form opens).
  void SalvarParams();
  void RestaurarParams();
  // Set by a caller that fills the parameters itself and shows the form for
  // one run of its own: the values are then neither put back when the form
  // opens nor kept after the run, so the user's own choices stay.
  bool ChamadoPorOutro() const { return FChamadoPorOutro; }
  void SetChamadoPorOutro(bool valor) { FChamadoPorOutro = valor; }

  // The user's run: ValidarDado, keep the values (unless ChamadoPorOutro),
  // Executar.
  void ExecutarProcesso();

  // --- message tree (one per process)
  TnMsgTree &MsgTreeLista() { return FMsgTree; }
  TnMsgTreeNode *MsgTree(TnTipoMensagem tipo, const QString &texto, TnMsgTreeNode *pai = nullptr);
  // The kinds as the process Parts number them: 0 failure, 1 warning, 2
  // notice, 4 heading, 5 success.
  TnMsgTreeNode *MsgTree(int tipo, const QString &texto, TnMsgTreeNode *pai = nullptr);
  void LimparMsgTreeLista();

  // --- progress
  // A new progress frame owned by the process (an earlier one is freed
  // first), placed on the form when there is one.
  TnFraProgresso *CriarProgresso();
  // The frame of the current run; null when none.
  TnFraProgresso *Progresso() const { return FProgresso.get(); }
  // Frees the frame of the current run (runs end with it, also on error).
  void LiberarProgresso();

  // --- form
  // Builds the form (once; later calls give the same form): the form class
  // named by GetFormClass, its caption from the panel, the kept parameter
  // values put back (unless ChamadoPorOutro), then DepoisConfigurar. Raises
  // Exception when the form class is not registered. The process frees the
  // form when it goes away; a caller may free it earlier.
  TnFrmPowerParam *CriarForm();
  TnFrmPowerParam *Form() const;
  // Tells the form that what it shows of the process changed.
  void AtualizarForm();

  // A dataset of the process by its component name ("nClientDataSet"); null
  // when it has none of that name.
  virtual TnClientDataSet *DataSetPorNome(const QString &nome);

  void DataModuleDestroy() override;

 private:
  TnpqPowerParam FParams;
  TnMsgTree FMsgTree;
  std::unique_ptr<TnFraProgresso> FProgresso;
  QPointer<TnFrmPowerParam> FForm;
  bool FChamadoPorOutro = false;
};
