#include "mVoxDMCfgEstabPro_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMCfgEstabPro::TmVoxDMCfgEstabPro() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.CODIGOGRUPODOC,t_t.FORMAENTREGA,"
                     "t_t.MESMOENDERECOENT from CFGESTABPRO t_t ORDER BY t_t.CodigoEmpresa,t_t. CodigoEstab"));
  SetCaption(QStringLiteral("Configurações da Filial"));
  SetCadCons(QStringLiteral("mVoxDCCfgEstabPro"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa, CodigoEstab");
  DefAdic.Atributos = QStringLiteral("*");
  DefAdic.Pacote = QStringLiteral("PbCfg");
}

QList<TnMenuDecl> TmVoxDMCfgEstabPro::Menus() {
  TnMenuDecl proprio;
  proprio.Category = QStringLiteral("5 Configurações");
  proprio.Caption = QStringLiteral("Configuração da Filial");
  proprio.Modulo = QStringLiteral("mVox");
  proprio.Index = 1;
  proprio.ShortCutStr = QStringLiteral("Shift+Ctrl+F12");
  proprio.ImageIndex = 101;

  // The suite's configuration menu reaches the same register.
  TnMenuDecl suite;
  suite.Category = QStringLiteral("10 Configurações");
  suite.Caption = QStringLiteral("Protocolo");
  suite.Modulo = QStringLiteral("rTul");
  suite.Index = 25;
  suite.ImageIndex = 101;
  suite.CriarMenu = false;
  return {proprio, suite};
}

QString TmVoxDMCfgEstabPro::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"); }

void TmVoxDMCfgEstabPro::DefinirColunasFilial(TnClientDataSet &dados) {
  // The module decides the visibility and the links of the key itself: the
  // dictionary must not give them back.
  TnField *empresa = dados.FieldByName(QStringLiteral("CODIGOEMPRESA"));
  empresa->SetRequired(true);
  empresa->Definicao().SetDicionario(QStringLiteral("CODIGOEMPRESA"));
  empresa->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA"));
  empresa->Definicao().SetTamanhoMaximo(4);
  empresa->Definicao().AdicionarPropriedadePropria(QStringLiteral("Visible"));
  empresa->Definicao().AdicionarPropriedadePropria(QStringLiteral("LinkKeyFields"));

  TnField *estab = dados.FieldByName(QStringLiteral("CODIGOESTAB"));
  estab->SetRequired(true);
  estab->Definicao().SetDicionario(QStringLiteral("CODIGOESTAB"));
  estab->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
  estab->Definicao().SetTamanhoMaximo(4);
  estab->Definicao().AdicionarPropriedadePropria(QStringLiteral("Visible"));
  estab->Definicao().AdicionarPropriedadePropria(QStringLiteral("LinkKeyFields"));

  TnField *grupo = dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"));
  grupo->SetRequired(true);
  grupo->Definicao().SetDicionario(QStringLiteral("CODIGOGRUPODOC"));
  grupo->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOGRUPODOC"));
  grupo->Definicao().SetLookupClassName(QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  grupo->Definicao().SetTamanhoMaximo(4);
  grupo->Definicao().AdicionarPropriedadePropria(QStringLiteral("LinkKeyFields"));
}

void TmVoxDMCfgEstabPro::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  DefinirColunasFilial(*nClientDataSet);

  TnField *forma = nClientDataSet->FieldByName(QStringLiteral("FORMAENTREGA"));
  forma->SetRequired(true);
  forma->SetDefaultExpression(QStringLiteral("2"));
  forma->SetDisplayLabel(QStringLiteral("Forma"));
  forma->Definicao().SetHint(QStringLiteral("Informe qual será a forma de entrega dos documentos"));
  forma->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  forma->Definicao().SetNomesValores(
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  forma->Definicao().LigarTextos();
  forma->Definicao().AdicionarPropriedadePropria(QStringLiteral("OnChange"));

  TnField *mesmoEndereco = nClientDataSet->FieldByName(QStringLiteral("MESMOENDERECOENT"));
  mesmoEndereco->SetRequired(true);
  mesmoEndereco->SetDefaultExpression(QStringLiteral("1"));
  mesmoEndereco->SetDisplayLabel(QStringLiteral("Mesmo Endereço"));
  mesmoEndereco->Definicao().SetHint(
      QStringLiteral("Informe se o endereço de entrega dos documentos é o mesmo do estabelecimento"));
  mesmoEndereco->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  mesmoEndereco->Definicao().SetNomesValores({QStringLiteral("Sim=1"), QStringLiteral("Não=0")});
  mesmoEndereco->Definicao().LigarTextos();
  mesmoEndereco->Definicao().AdicionarPropriedadePropria(QStringLiteral("Hint"));
  mesmoEndereco->Definicao().AdicionarPropriedadePropria(QStringLiteral("Enabled"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMCfgEstabPro>(QStringLiteral("TmVoxDMCfgEstabPro"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMCfgEstabPro_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMCfgEstabPro_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
