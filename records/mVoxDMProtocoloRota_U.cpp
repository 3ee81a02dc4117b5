#include "mVoxDMProtocoloRota_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nFrmCadScrollBox_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloRota::TmVoxDMProtocoloRota() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOROTA,t_t.DESCRROTA from PROTOCOLOROTA t_t ORDER BY t_t.CodigoRota"));
  SetCaption(QStringLiteral("Rotas de Entrega"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloRota"));
  SetTipoForm(TnTipoForm::ntfCadastro);
}

QList<TnMenuDecl> TmVoxDMProtocoloRota::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes");
  menu.Caption = QStringLiteral("Rotas de Entrega");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 3;
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDMProtocoloRota::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  if (auto *cadastro = dynamic_cast<TnFrmCadScrollBox *>(form)) {
    for (TnPainel *controle : cadastro->ControlesTopo()) controle->SetAlign(TnAlinhamento::alTop);
    if (TnEditorCampo *descricao = cadastro->Editor(QStringLiteral("DESCRROTA")))
      cadastro->AreaCampos()->SetHeight(descricao->Bottom() + 70);
  }
  SetAtualizarAoExibir(false);
  // A form built again finds the stops module it attached the first time.
  CriarDetalhe(QStringLiteral("TmVoxDMProtocoloRotaEntrega"), QStringLiteral("CODIGOROTA"), form, nullptr, QString(),
               nullptr, false);
}

QString TmVoxDMProtocoloRota::ChavePrimaria() const { return QStringLiteral("CODIGOROTA"); }

void TmVoxDMProtocoloRota::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOROTA"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(9999);
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGOROTA"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRROTA"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição da rota de entrega"));
  descricao->Definicao().SetTamanhoMaximo(50);
}

void TmVoxDMProtocoloRota::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLOROTA"), QStringLiteral("CODIGOROTA"),
                      {QStringLiteral("DESCRROTA")},
                      QStringLiteral("Já existe cadastrado uma rota com a mesma descrição."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMProtocoloRota>(QStringLiteral("TmVoxDMProtocoloRota"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloRota_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloRota_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
