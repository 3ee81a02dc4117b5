#include "mVoxDMProtocoloItem_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloItem::TmVoxDMProtocoloItem() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOPROTOCOLO,t_t.SEQITEMPRO,t_t.DESCRITEM,t_t.COMPETENCIA,t_t.DATALCTOPRO,t_t.VENCIMENTO,"
      "t_t.VALOR,t_t.CODIGOIMPOSTO,t_t.VARIACAOIMPOSTO,t_t.CODIGODOCEMP,t_t.CODIGOFUNCCONTR,t_t.CANCELADO,"
      "t_t.CHAVEORIGEM,t_t.CODIGOUSUARIO,t_t.DATAHORACADASTRO,t_t.ORIGEMDADO from PROTOCOLOITEM t_t "
      "ORDER BY t_t.CodigoProtocolo,t_t.SeqItemPro"));
  SetCaption(QStringLiteral("Protocolo - Itens"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoProtocolo, SeqItemPro");
}

QList<TnMenuDecl> TmVoxDMProtocoloItem::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\10 Protocolos");
  menu.Caption = QStringLiteral("Protocolo - Itens");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloItem::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocoloItem::ChavePrimaria() const { return QStringLiteral("CODIGOPROTOCOLO;SEQITEMPRO"); }

void TmVoxDMProtocoloItem::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  auto campo = [this](const char *nome) { return nClientDataSet->FieldByName(QLatin1String(nome)); };

  // The protocol's number and date come from the protocol the item belongs to.
  for (const char *nome : {"CODIGOPROTOCOLO", "DATALCTOPRO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }

  // Numbered within its protocol, never typed.
  TnField *sequencia = campo("SEQITEMPRO");
  sequencia->SetRequired(true);
  sequencia->SetMinValue(1);
  sequencia->SetMaxValue(9999);
  sequencia->SetDisplayLabel(QStringLiteral("Seqüência"));
  sequencia->SetDisplayWidth(15);
  sequencia->Definicao().SetAutoIncrementar(true);
  sequencia->Definicao().SetTabStop(false);

  TnField *descricao = campo("DESCRITEM");
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->SetDisplayWidth(50);
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do item"));
  descricao->Definicao().SetTipoControle(TnTipoControle::ButtonEdit);

  TnField *competencia = campo("COMPETENCIA");
  competencia->SetDisplayLabel(QStringLiteral("Competência"));
  competencia->SetDisplayWidth(15);
  competencia->Definicao().SetHint(QStringLiteral("Informe a competência do item"));
  competencia->Definicao().SetDicionario(QStringLiteral("DICDATAMESANO"));

  TnField *valor = campo("VALOR");
  valor->SetDisplayFormat(QStringLiteral("#,##0.00"));
  valor->Definicao().SetHint(QStringLiteral("Informe o valor da guia ou documento"));

  TnField *imposto = campo("CODIGOIMPOSTO");
  imposto->SetDisplayLabel(QStringLiteral("Imposto"));
  imposto->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOIMPOSTO"));

  // The variation names the tax together with its code.
  TnField *variacao = campo("VARIACAOIMPOSTO");
  variacao->Definicao().SetDicionario(QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));
  variacao->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));

  campo("CODIGOFUNCCONTR")->SetDisplayLabel(QStringLiteral("Contrato do Empregado"));

  for (const char *nome : {"CANCELADO", "CHAVEORIGEM"}) campo(nome)->SetVisible(false);
  for (const char *nome : {"CODIGOUSUARIO", "DATAHORACADASTRO", "ORIGEMDADO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }
}

void TmVoxDMProtocoloItem::ValidarDado() {
  mVoxAuditarRegistro(*this);
  TnDMClientDataSet::ValidarDado();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMProtocoloItem>(QStringLiteral("TmVoxDMProtocoloItem"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloItem_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloItem_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
