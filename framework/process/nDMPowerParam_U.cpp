#include "nDMPowerParam_U.h"

#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nFrmPowerParam_U.h"
#include "nRegistro_U.h"

TnDMPowerParam::TnDMPowerParam() = default;

TnDMPowerParam::~TnDMPowerParam() {
  // The form goes before the dataset its grid shows.
  delete Form();
}

void TnDMPowerParam::SetMsgTreeExibir(bool valor) {
  FMsgTreeExibir = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetFocarMsgTree(bool valor) { FFocarMsgTree = valor; }

QStringList TnDMPowerParam::ParamsMostrados() const {
  QStringList nomes;
  for (const QString &nome : FMostrarParams.split(u';', Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) nomes << nome.trimmed();
  return nomes;
}

void TnDMPowerParam::SetMostrarParams(const QString &aliases) {
  FMostrarParams = aliases;
  AtualizarForm();
}

TnPainel *TnDMPowerParam::CriarTab(const QString &caption) {
  TnFrmPowerParam *form = Form();
  if (!form) throw Exception(QStringLiteral("O processo %1 não tem formulário para a aba %2.").arg(Name(), caption));
  return form->CriarTab(caption);
}

TnPainel *TnDMPowerParam::CriarTabGrid(const QString &caption) {
  TnPainel *tab = CriarTab(caption);
  if (TnDBGridEh *grid = nDBGrid()) grid->setParent(tab);
  return tab;
}

TnDBGridEh *TnDMPowerParam::nDBGrid() const {
  const TnFrmPowerParam *form = Form();
  return form ? form->DBGrid() : nullptr;
}

void TnDMPowerParam::SetTemAlteracao(bool valor) {
  FTemAlteracao = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetActionGravar(bool valor) {
  FActionGravar = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetActionCancelar(bool valor) {
  FActionCancelar = valor;
  AtualizarForm();
}

void TnDMPowerParam::actGravarExecute(QObject *sender) {
  TnDMPower::actGravarExecute(sender);
  const TnDataSetState estado = FDataSet.State();
  if (estado == TnDataSetState::Edit || estado == TnDataSetState::Insert) FDataSet.Post();
}

void TnDMPowerParam::actCancelarExecute(QObject *sender) {
  TnDMPower::actCancelarExecute(sender);
  const TnDataSetState estado = FDataSet.State();
  if (estado == TnDataSetState::Edit || estado == TnDataSetState::Insert) FDataSet.Cancel();
}

TnClientDataSet *TnDMPowerParam::DataSetPorNome(const QString &nome) {
  if (nome.compare(QStringLiteral("nClientDataSet"), Qt::CaseInsensitive) == 0) return &FDataSet;
  return TnDMPower::DataSetPorNome(nome);
}

void TnDMPowerParam::SetDBGridOrdenar(bool valor) {
  FDBGridOrdenar = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetDBGridReadOnly(bool valor) {
  FDBGridReadOnly = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetDBGridConfirmaExclusao(bool valor) {
  FDBGridConfirmaExclusao = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetAutoSizeScrollParam(bool valor) { FAutoSizeScrollParam = valor; }

void TnDMPowerParam::SetPesquisa(bool valor) {
  FPesquisa = valor;
  AtualizarForm();
}

void TnDMPowerParam::SetNavegacaoTeclado(bool valor) { FNavegacaoTeclado = valor; }

bool TnDMPowerParam::Pesquisar(const QString &texto) {
  FTextoPesquisa = texto;
  return PesquisarProximo();
}

bool TnDMPowerParam::PesquisarProximo() {
  const QString texto = FTextoPesquisa.trimmed();
  if (texto.isEmpty() || !FDataSet.Active() || FDataSet.IsEmpty()) return false;
  const int total = FDataSet.RecordCount();
  const int inicio = FDataSet.RecNo();  // 0 while inserting: the search starts at the first row
  auto mostra = [&]() {
    for (int i = 0; i < FDataSet.FieldCount(); ++i) {
      const TnField *campo = FDataSet.Fields(i);
      if (campo->Visible() && campo->DisplayText().contains(texto, Qt::CaseInsensitive)) return true;
    }
    return false;
  };
  for (int passo = 1; passo <= total; ++passo) {
    const int recNo = (inicio + passo - 1) % total + 1;
    FDataSet.SetRecNo(recNo);
    if (mostra()) return true;
  }
  if (inicio > 0) FDataSet.SetRecNo(inicio);
  return false;
}

void TnDMPowerParam::actPesquisarExecute(QObject *) {
  const QString texto = nInputBox(QStringLiteral("Pesquisar"), QStringLiteral("Texto a pesquisar:"), FTextoPesquisa);
  if (texto.trimmed().isEmpty()) return;
  if (!Pesquisar(texto)) nShowMessage(QStringLiteral("Texto não encontrado: %1").arg(texto.trimmed()));
}

void TnDMPowerParam::actPesquisarNextExecute(QObject *) {
  if (FTextoPesquisa.trimmed().isEmpty()) {
    actPesquisarExecute(nullptr);
    return;
  }
  if (!PesquisarProximo()) nShowMessage(QStringLiteral("Texto não encontrado: %1").arg(FTextoPesquisa.trimmed()));
}
