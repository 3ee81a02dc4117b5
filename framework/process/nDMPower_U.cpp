#include "nDMPower_U.h"

#include "nClasseInfo_U.h"
#include "nException_U.h"
#include "nFraProgresso_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "npqParamItem_U.h"

TnDMPower::TnDMPower() = default;

TnDMPower::~TnDMPower() {
  // The form first: it shows the process's parameters and tree.
  delete FForm.data();
}

QString TnDMPower::GetFormClass() const { return QStringLiteral("TnFrmPowerParam"); }

void TnDMPower::ValidarDado() {
  for (TnpqParamItem *item : FParams.Params())
    if (item->Habilitado()) item->Validar();
}

void TnDMPower::Executar() { ValidarDado(); }

void TnDMPower::DepoisConfigurar(TnFrmVisual *) {}

void TnDMPower::LimparParamsINI() { nParamsSalvos()->LimparParamsINI(ClassName()); }

void TnDMPower::nPageControlOnChanging(int, bool &) {}

void TnDMPower::actGravarExecute(QObject *) {}

void TnDMPower::actCancelarExecute(QObject *) {}

QString TnDMPower::Param(const QString &nome) const { return FParams.Param(nome)->GetAsString(); }

QDate TnDMPower::ParamData(const QString &nome) const {
  const TnpqParamItem *item = FParams.Param(nome);
  QDate valor;
  return !item->IsNull() && item->TryGetAsDate(valor) ? valor : QDate();
}

int TnDMPower::ParamInteiro(const QString &nome, int padrao) const {
  const TnpqParamItem *item = FParams.Param(nome);
  int valor = 0;
  return !item->IsNull() && item->TryGetAsInteger(valor) ? valor : padrao;
}

void TnDMPower::SalvarParams() { nParamsSalvos()->Salvar(ClassName(), FParams.Valores()); }

void TnDMPower::RestaurarParams() { FParams.SetValores(nParamsSalvos()->Restaurar(ClassName())); }

void TnDMPower::ExecutarProcesso() {
  ValidarDado();
  if (!FChamadoPorOutro) SalvarParams();
  Executar();
}

TnMsgTreeNode *TnDMPower::MsgTree(TnTipoMensagem tipo, const QString &texto, TnMsgTreeNode *pai) {
  return FMsgTree.MsgTree(tipo, texto, pai);
}

TnMsgTreeNode *TnDMPower::MsgTree(int tipo, const QString &texto, TnMsgTreeNode *pai) {
  return MsgTree(static_cast<TnTipoMensagem>(tipo), texto, pai);
}

void TnDMPower::LimparMsgTreeLista() { FMsgTree.LimparMsgTreeLista(); }

TnFraProgresso *TnDMPower::CriarProgresso() {
  FProgresso.reset();
  FProgresso = TnFraProgresso::CriarProgresso(FForm.data());
  return FProgresso.get();
}

void TnDMPower::LiberarProgresso() { FProgresso.reset(); }

TnFrmPowerParam *TnDMPower::Form() const { return FForm.data(); }

TnFrmPowerParam *TnDMPower::CriarForm() {
  if (FForm) return FForm.data();
  const QString classe = GetFormClass();
  TnFrmPowerParam *form = TnFrmPowerParam::CriarPorNome(classe, this);
  if (!form) throw Exception(QStringLiteral("A classe de formulário %1 não está registrada.").arg(classe));
  FForm = form;
  try {
    if (!FParams.Caption().isEmpty())
      form->SetCaption(FParams.Caption());
    else if (Action())
      form->SetCaption(Action()->Caption());
    if (!FChamadoPorOutro) RestaurarParams();
    DepoisConfigurar(form);
    form->AtualizarEstado();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

void TnDMPower::AtualizarForm() {
  if (FForm) FForm->AtualizarEstado();
}

TnClientDataSet *TnDMPower::DataSetPorNome(const QString &) { return nullptr; }

void TnDMPower::DataModuleDestroy() {
  TnDataModule::DataModuleDestroy();
  delete FForm.data();
}
