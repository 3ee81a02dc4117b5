#include "mVoxDCProtocoloRota_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloRota::TmVoxDCProtocoloRota() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOROTA,t_t.DESCRROTA from PROTOCOLOROTA t_t ORDER BY t_t.CodigoRota"));
  SetCaption(QStringLiteral("Rotas de Entrega"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloRota"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoRota");
  DefAdic.CaptionOrdem = QStringLiteral("Código Rota");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição Rota"), QStringLiteral("DESCRROTA")}};
}

QList<TnMenuDecl> TmVoxDCProtocoloRota::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes\\00 Consultas");
  menu.Caption = QStringLiteral("Rotas de Entrega");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloRota::ChavePrimaria() const { return QStringLiteral("CODIGOROTA"); }

void TmVoxDCProtocoloRota::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOROTA"))->Definicao().SetDicionario(QStringLiteral("CODIGOROTA"));
  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRROTA"));
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição da rota de entrega"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDCProtocoloRota>(QStringLiteral("TmVoxDCProtocoloRota"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloRota_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloRota_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
