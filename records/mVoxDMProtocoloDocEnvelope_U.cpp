#include "mVoxDMProtocoloDocEnvelope_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloDocEnvelope::TmVoxDMProtocoloDocEnvelope() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t.CODIGOENVELOPE,t_t.DESCRENVELOPE from PROTOCOLODOCENVELOPE t_t "
                     "ORDER BY t_t.CodigoCaixa,t_t. CodigoEnvelope"));
  SetCaption(QStringLiteral("Envelopes de Documentos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloDocEnvelope"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa,CodigoEnvelope");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocEnvelope::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\05 Arquivamento");
  menu.Caption = QStringLiteral("Envelopes de Documentos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloDocEnvelope::ChavePrimaria() const { return QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"); }

void TmVoxDMProtocoloDocEnvelope::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // Filled from the box the grid is shown in, so not shown.
  TnField *caixa = nClientDataSet->FieldByName(QStringLiteral("CODIGOCAIXA"));
  caixa->SetRequired(true);
  caixa->SetVisible(false);
  caixa->Definicao().SetDicionario(QStringLiteral("CODIGOCAIXAPRO"));
  caixa->Definicao().SetTamanhoMaximo(4);
  caixa->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOCAIXA"));

  // Numbered within its box.
  TnField *envelope = nClientDataSet->FieldByName(QStringLiteral("CODIGOENVELOPE"));
  envelope->SetRequired(true);
  envelope->SetMinValue(1);
  envelope->SetMaxValue(999999999);
  envelope->Definicao().SetDicionario(QStringLiteral("CODIGOENVELOPE"));
  envelope->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRENVELOPE"));
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe uma descrição que identifique o envelope"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocEnvelope>(QStringLiteral("TmVoxDMProtocoloDocEnvelope"),
                                                                      QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocEnvelope_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocEnvelope_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
