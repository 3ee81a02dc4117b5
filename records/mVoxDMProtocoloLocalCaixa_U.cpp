#include "mVoxDMProtocoloLocalCaixa_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloLocalCaixa::TmVoxDMProtocoloLocalCaixa() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOLOCAL,t_t.DESCRLOCAL from PROTOCOLOLOCALCAIXA t_t ORDER BY t_t.CodigoLocal"));
  SetCaption(QStringLiteral("Protocolo Local Caixa"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoLocal");
}

QList<TnMenuDecl> TmVoxDMProtocoloLocalCaixa::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\05 Arquivamento");
  menu.Caption = QStringLiteral("Protocolo Local Caixa");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMProtocoloLocalCaixa::ChavePrimaria() const { return QStringLiteral("CODIGOLOCAL"); }

void TmVoxDMProtocoloLocalCaixa::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOLOCAL"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(9999);
  codigo->SetConstraintErrorMessage(QStringLiteral("Código do local inválido!"));
  codigo->SetDisplayLabel(QStringLiteral("Codigo"));
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGOLOCAL"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRLOCAL"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do local"));
  descricao->Definicao().SetTamanhoMaximo(50);
}

void TmVoxDMProtocoloLocalCaixa::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLOLOCALCAIXA"), QStringLiteral("CODIGOLOCAL"),
                      {QStringLiteral("DESCRLOCAL")},
                      QStringLiteral("Já existe cadastrado um local com a mesma descrição."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloLocalCaixa>(QStringLiteral("TmVoxDMProtocoloLocalCaixa"),
                                                                      QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloLocalCaixa_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloLocalCaixa_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
