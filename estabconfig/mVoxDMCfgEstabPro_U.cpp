#include "mVoxDMCfgEstabPro_U.h"

#include "nCadastroIndividual_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDataModule_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nFrmCadastro_U.h"
#include "nModulos_U.h"
#include "nPainel_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kEntregueEmMaos = QStringLiteral("2");

// The stored text of a one-character code column ('2', '0'), blanks dropped.
QString Codigo(const TnField *campo) { return campo->IsNull() ? QString() : campo->AsString().trimmed(); }

// The condition that finds the establishment of the current row in a table
// keyed by company and establishment.
QString CondicaoFilial(const TnClientDataSet &dados) {
  return ValorParaSQL(dados.FieldByName(QStringLiteral("CODIGOEMPRESA")), QStringLiteral("="), true) +
         QStringLiteral(" and ") +
         ValorParaSQL(dados.FieldByName(QStringLiteral("CODIGOESTAB")), QStringLiteral("="), true);
}

}  // namespace

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
  // Inside the suite's base module the office works on its own companies'
  // establishments, picked without the company.
  nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetVisible(PegarModuloAtual() != nModuloRTul);

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
  // Both ways of choosing the form, typed or picked from the list, run the
  // field rules again.
  forma->OnSetText = [this](TnField &campo, const QString &texto) {
    campo.Definicao().SetText(campo, texto);
    ChecarConfigurarCampo(&campo);
  };
  forma->Definicao().OnChange = [this](TnField &campo) { ChecarConfigurarCampo(&campo); };

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

void TmVoxDMCfgEstabPro::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  SetAtualizarAoExibir(false);
  if (auto *cadastro = dynamic_cast<TnFrmCadastro *>(form)) {
    cadastro->InserirGrupoSeparador(QStringLiteral("CODIGOGRUPODOC"),
                                    QStringLiteral("Configuração do Grupo do Tipo de Documento"));
    cadastro->InserirGrupoSeparador(QStringLiteral("FORMAENTREGA"), QStringLiteral("Configuração da Entrega"));
  }
}

void TmVoxDMCfgEstabPro::ConfigurarCampo(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarCampo(sender);
  const TnField *forma = nClientDataSet->FieldByName(QStringLiteral("FORMAENTREGA"));
  if (forma->IsNull()) return;
  const bool emMaos = Codigo(forma) == kEntregueEmMaos;
  TnField *mesmoEndereco = nClientDataSet->FieldByName(QStringLiteral("MESMOENDERECOENT"));
  EdEnabledField(mesmoEndereco, emMaos);
  mesmoEndereco->SetRequired(emMaos);
}

void TmVoxDMCfgEstabPro::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  const QString mensagem = QStringLiteral("Já existe configuração cadastrada para este estabelecimento.");
  if (nClientDataSet->State() == TnDataSetState::Insert) {
    if (nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOEMPRESA"),
                                          CondicaoFilial(*nClientDataSet)))
      throw Exception(mensagem);
  } else if (nClientDataSet->State() == TnDataSetState::Edit) {
    // Moving a configuration onto another establishment is refused alike,
    // whether or not that one has a configuration.
    for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB"}) {
      const TnField *campo = nClientDataSet->FieldByName(QString::fromLatin1(nome));
      if (campo->OldValue() != campo->Value()) throw Exception(mensagem);
    }
  }
}

void TmVoxDMCfgEstabPro::nClientDataSetBeforeDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeDelete(dataSet);
  throw EAbort();
}

void TmVoxDMCfgEstabPro::nClientDataSetAfterPost(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterPost(dataSet);
  if (PreparandoCampos()) return;
  AbrirEnderecoEntrega();
}

void TmVoxDMCfgEstabPro::AbrirEnderecoEntrega() {
  if (Codigo(nClientDataSet->FieldByName(QStringLiteral("MESMOENDERECOENT"))) != QStringLiteral("0") ||
      Codigo(nClientDataSet->FieldByName(QStringLiteral("FORMAENTREGA"))) != kEntregueEmMaos)
    return;
  if (nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("ESTABENTREGA"), QStringLiteral("CODIGOEMPRESA"),
                                        CondicaoFilial(*nClientDataSet)))
    return;

  nAbrirCadastroIndividual(QStringLiteral("TmVoxDMEstabEntrega"),
                           {QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")},
                           {nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA"))->Value(),
                            nClientDataSet->FieldByName(QStringLiteral("CODIGOESTAB"))->Value()});
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMCfgEstabPro>(QStringLiteral("TmVoxDMCfgEstabPro"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMCfgEstabPro_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMCfgEstabPro_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
