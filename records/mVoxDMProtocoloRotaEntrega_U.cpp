#include "mVoxDMProtocoloRotaEntrega_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDMConexao_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"
#include "nFuncoesDados_U.h"

TmVoxDMProtocoloRotaEntrega::TmVoxDMProtocoloRotaEntrega() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOROTA,t_t.SEQROTA,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.OBSERVACAO from "
                     "PROTOCOLOROTAENTREGA t_t ORDER BY t_t.CodigoRota,t_t.SeqRota"));
  SetCaption(QStringLiteral("Rotas de Entrega - Configuração"));
  // The form kind is left unset: on its own the module builds the register
  // form, and inside the route's form the stops are listed as a grid.
}

QList<TnMenuDecl> TmVoxDMProtocoloRotaEntrega::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes");
  menu.Caption = QStringLiteral("Rotas de Entrega - Configuração");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloRotaEntrega::ChavePrimaria() const { return QStringLiteral("CODIGOROTA;SEQROTA"); }

void TmVoxDMProtocoloRotaEntrega::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // Filled from the route the stops are shown under.
  TnField *rota = nClientDataSet->FieldByName(QStringLiteral("CODIGOROTA"));
  rota->SetRequired(true);
  rota->SetVisible(false);
  rota->Definicao().SetTamanhoMaximo(4);
  rota->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOROTA"));

  TnField *sequencia = nClientDataSet->FieldByName(QStringLiteral("SEQROTA"));
  sequencia->SetRequired(true);
  sequencia->SetMinValue(1);
  sequencia->SetMaxValue(9999);
  sequencia->Definicao().SetDicionario(QStringLiteral("SEQROTA"));
  sequencia->Definicao().SetAutoIncrementar(true);

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *observacao = nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"));
  observacao->SetDisplayLabel(QStringLiteral("Observação"));
  observacao->Definicao().SetHint(QStringLiteral("Informe uma observação para a rota de entrega"));
  observacao->Definicao().SetTipoControle(TnTipoControle::Memo);

  // The embedded database reads the observation when a stop needs it rather
  // than with every row; the server sends it along.
  if (!nDMConexao()->PegarTipoCon()) SetBuscarBlobsComLinhas(false);
}

void TmVoxDMProtocoloRotaEntrega::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLOROTAENTREGA"), QStringLiteral("CODIGOROTA"),
                      {QStringLiteral("CODIGOROTA"), QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")},
                      QStringLiteral("Já existe cadastrada um estabelecimento nesta rota de entrega."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloRotaEntrega>(QStringLiteral("TmVoxDMProtocoloRotaEntrega"),
                                                                      QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloRotaEntrega_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloRotaEntrega_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
