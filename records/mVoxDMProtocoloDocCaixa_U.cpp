#include "mVoxDMProtocoloDocCaixa_U.h"

#include <QDate>

#include "nDefinicao_U.h"
#include "nFrmCadScrollBox_U.h"
#include "nFuncoesDados_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloDocCaixa::TmVoxDMProtocoloDocCaixa() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.COMPETINICIAL,t_t.COMPETFINAL,"
                     "t_t.CODIGOLOCAL from PROTOCOLODOCCAIXA t_t ORDER BY t_t.CodigoCaixa"));
  SetCaption(QStringLiteral("Caixas de Documentos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloDocCaixa"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocCaixa::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\05 Arquivamento");
  menu.Caption = QStringLiteral("Caixas de Documentos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDMProtocoloDocCaixa::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  if (auto *cadastro = dynamic_cast<TnFrmCadScrollBox *>(form)) {
    for (TnPainel *controle : cadastro->ControlesTopo()) controle->SetAlign(TnAlinhamento::alTop);
    if (TnEditorCampo *local = cadastro->Editor(QStringLiteral("CODIGOLOCAL")))
      cadastro->AreaCampos()->SetHeight(local->Bottom() + 20);
  }
  SetAtualizarAoExibir(false);
  // A form built again finds the envelopes module it attached the first time.
  CriarDetalhe(QStringLiteral("TmVoxDMProtocoloDocEnvelope"), QStringLiteral("CODIGOCAIXA"), form, nullptr,
               nModoIndividual, nullptr, false);
}

QString TmVoxDMProtocoloDocCaixa::ChavePrimaria() const { return QStringLiteral("CODIGOCAIXA"); }

void TmVoxDMProtocoloDocCaixa::ValidarDado() {
  TnField *competFinal = nClientDataSet->FieldByName(QStringLiteral("COMPETFINAL"));
  if (!competFinal->IsNull()) {
    const QDate data = competFinal->AsDate();
    const QDate fimDoMes(data.year(), data.month(), data.daysInMonth());
    if (data != fimDoMes) competFinal->SetAsDate(fimDoMes);
  }
  TnDMClientDataSet::ValidarDado();
}

void TmVoxDMProtocoloDocCaixa::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // The box number's label and lookup are the suite's key CODIGOCAIXAPRO.
  TnField *caixa = nClientDataSet->FieldByName(QStringLiteral("CODIGOCAIXA"));
  caixa->SetRequired(true);
  caixa->SetMinValue(1);
  caixa->SetMaxValue(9999);
  caixa->Definicao().SetDicionario(QStringLiteral("CODIGOCAIXAPRO"));
  caixa->Definicao().SetAutoIncrementar(true);

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *competInicial = nClientDataSet->FieldByName(QStringLiteral("COMPETINICIAL"));
  competInicial->SetDisplayLabel(QStringLiteral("Competência Inicial"));
  competInicial->Definicao().SetHint(QStringLiteral("Informe a competência inicial da caixa"));
  competInicial->Definicao().SetDicionario(QStringLiteral("DICDATAMESANO"));

  TnField *competFinal = nClientDataSet->FieldByName(QStringLiteral("COMPETFINAL"));
  competFinal->SetDisplayLabel(QStringLiteral("Competência Final"));
  competFinal->Definicao().SetHint(QStringLiteral("Informe a competência final da caixa"));
  competFinal->Definicao().SetDicionario(QStringLiteral("DICDATAMESANO"));

  TnField *local = nClientDataSet->FieldByName(QStringLiteral("CODIGOLOCAL"));
  local->SetRequired(true);
  local->Definicao().SetTamanhoMaximo(4);
  local->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOLOCAL"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocCaixa>(QStringLiteral("TmVoxDMProtocoloDocCaixa"),
                                                                   QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocCaixa_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocCaixa_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
