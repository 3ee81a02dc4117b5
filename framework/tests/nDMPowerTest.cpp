#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>

#include "nActionList_U.h"
#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDMPowerParamGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFraProgresso_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"
#include "nParamsSalvosTeste_U.h"

namespace {

// A consultation as the pending-documents road uses one: a month, a company
// selection and a period combo; ValidarDado reads them, Executar fills the
// result dataset from the companies of the selection.
class TnTesteDPConsulta : public TnDMPowerParamGrid {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamGrid::DataModuleCreate();
    npqPowerParam().SetCaption(QStringLiteral("Consulta de Teste"));
    npqPowerParam().Adicionar({.Alias = "pCompet",
                               .Caption = "Competência",
                               .Obrigatorio = true,
                               .Posicao = 0,
                               .Dicionario = "DICDATAMESANO"});
    npqPowerParam().Adicionar({.Alias = "pTipoPeriodo",
                               .Caption = "Período",
                               .Padrao = "0",
                               .Obrigatorio = true,
                               .Posicao = 1,
                               .Valores = "Todos=0;Mensal=1;Quinzenal=2;Decendial=3;"});
    npqPowerParam().Adicionar({.Alias = "pCodigoEmpresa",
                               .Caption = "Empresa",
                               .Posicao = 2,
                               .Dicionario = "CODIGOEMPRESA",
                               .MultiSelecao = true});
  }
  void ValidarDado() override {
    TnDMPowerParamGrid::ValidarDado();
    ++Validacoes;
    FCompet = npqPowerParam().Param(QStringLiteral("pCompet"))->GetAsDate();
    FEmpresas = Param(QStringLiteral("pCodigoEmpresa")).trimmed();
  }
  void Executar() override {
    TnDMPowerParamGrid::Executar();
    TnClientDataSet &dados = nClientDataSet();
    dados.Close();
    dados.FieldDefs().clear();
    dados.AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::SmallInt);
    dados.AddFieldDef(QStringLiteral("COMPETENCIA"), TnFieldType::Date);
    dados.CreateDataSet();
    for (const QString &codigo : FEmpresas.split(u';', Qt::SkipEmptyParts)) {
      dados.Append();
      dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsString(codigo);
      dados.FieldByName(QStringLiteral("COMPETENCIA"))->SetAsDate(FCompet);
      dados.Post();
    }
  }
  int Validacoes = 0;

 private:
  QDate FCompet;
  QString FEmpresas;
};

// A tab process opened from its menu entry.
class TnTesteDPTab : public TnDMPowerParamTab {
 public:
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Processo de Teste", .Category = "02 Movimentos\\20 Documentos", .Index = 1, .Modulo = "mVox"}};
  }
  void DataModuleCreate() override {
    TnDMPowerParamTab::DataModuleCreate();
    npqPowerParam().Adicionar({.Alias = "pTexto", .Caption = "Texto", .Obrigatorio = true});
  }
};

class TnDMPowerTest : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FUnidade.Inicializar();
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  template <class T>
  T *Criar(const char *classe, const QString &modo = QString()) {
    auto *dm = dynamic_cast<T *>(CriarDM(QString::fromLatin1(classe), nullptr, modo));
    EXPECT_NE(dm, nullptr);
    return dm;
  }

  TnParamsSalvosTeste FParams;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TnTesteDPConsulta>("TnTesteDPConsulta", "TnDMPowerParamGrid"),
        nInfoClasse<TnTesteDPTab>("TnTesteDPTab", "TnDMPowerParamTab"),
    };
  });
};

}  // namespace

TEST_F(TnDMPowerTest, AProcessRunsWithNoFormFromParametersSetByCodeAndItsDatasetIsFoundByName) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta", nModoIndividual);
  ASSERT_NE(consulta, nullptr);
  EXPECT_TRUE(consulta->InheritsFrom(QStringLiteral("TnDMPowerParam")));
  EXPECT_TRUE(consulta->InheritsFrom(QStringLiteral("TnDMPower")));
  TnpqPowerParam &params = consulta->npqPowerParam();
  params.Param(QStringLiteral("pCompet"))->SetAsDate(QDate(2026, 11, 17));
  params.Param(QStringLiteral("pTipoPeriodo"))->SetAsString(QStringLiteral("0"));
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1;2"));

  consulta->Executar();  // the caller's call: the base run validates by itself

  EXPECT_EQ(consulta->Validacoes, 1);
  EXPECT_EQ(consulta->Form(), nullptr);
  TnClientDataSet *dados = consulta->DataSetPorNome(QStringLiteral("nClientDataSet"));
  ASSERT_NE(dados, nullptr);
  EXPECT_EQ(dados->RecordCount(), 2);
  dados->First();
  EXPECT_EQ(dados->FieldByName(QStringLiteral("COMPETENCIA"))->AsDate(), QDate(2026, 11, 1));
  EXPECT_EQ(consulta->DataSetPorNome(QStringLiteral("outro")), nullptr);
}

TEST_F(TnDMPowerTest, ExecutarRefusesAMissingRequiredParameterWithEnParamNamingIt) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  consulta->npqPowerParam().Param(QStringLiteral("pTipoPeriodo"))->Clear();
  try {
    consulta->Executar();
    FAIL() << "EnParam esperado";
  } catch (const EnParam &e) {
    // The first failing parameter in panel order.
    EXPECT_EQ(e.param(), consulta->npqPowerParam().Param(QStringLiteral("pCompet")));
    EXPECT_EQ(e.message(), QStringLiteral("O parâmetro Competência deve ser informado."));
  }
  EXPECT_EQ(consulta->Validacoes, 0);  // the framework's check comes before the process's reading
  EXPECT_FALSE(consulta->nClientDataSet().Active());
}

TEST_F(TnDMPowerTest, TheBaseValidationSkipsDisabledParametersAndRefusesABadMultiSelect) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  TnpqPowerParam &params = consulta->npqPowerParam();
  params.EdEnabledField(QStringLiteral("pCompet"), false);
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1;2-x"));
  try {
    consulta->ValidarDado();
    FAIL() << "EnParam esperado";
  } catch (const EnParam &e) {
    EXPECT_EQ(e.param(), params.Param(QStringLiteral("pCodigoEmpresa")));
  }
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1;2-3"));
  EXPECT_NO_THROW(consulta->ValidarDado());
  params.EdEnabledField(QStringLiteral("pCompet"), true);
  params.EdRequiredField(QStringLiteral("pCompet"), false);
  EXPECT_NO_THROW(consulta->ValidarDado());
}

TEST_F(TnDMPowerTest, ParamGivesTheValueTextAndAnUnknownNameIsRefused) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  consulta->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("11/2026"));
  EXPECT_EQ(consulta->Param(QStringLiteral("PCOMPET")), QStringLiteral("01/11/2026"));
  EXPECT_EQ(consulta->Param(QStringLiteral("pTipoPeriodo")), QStringLiteral("0"));
  EXPECT_THROW(consulta->Param(QStringLiteral("pNada")), Exception);
}

TEST_F(TnDMPowerTest, ParamDataAndParamInteiroTellABlankOrUnreadableValueApart) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  TnpqPowerParam &params = consulta->npqPowerParam();
  EXPECT_FALSE(consulta->ParamData(QStringLiteral("pCompet")).isValid());
  params.Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("11/2026"));
  EXPECT_EQ(consulta->ParamData(QStringLiteral("pCompet")), QDate(2026, 11, 1));
  EXPECT_EQ(consulta->ParamInteiro(QStringLiteral("pTipoPeriodo")), 0);
  params.Param(QStringLiteral("pTipoPeriodo"))->SetAsString(QStringLiteral("3"));
  EXPECT_EQ(consulta->ParamInteiro(QStringLiteral("pTipoPeriodo"), -1), 3);
  // A blank value is not 0: the caller says what it reads as.
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QString());
  EXPECT_EQ(consulta->ParamInteiro(QStringLiteral("pCodigoEmpresa"), -1), -1);
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1;3"));
  EXPECT_EQ(consulta->ParamInteiro(QStringLiteral("pCodigoEmpresa"), -1), -1);
  EXPECT_FALSE(consulta->ParamData(QStringLiteral("pCodigoEmpresa")).isValid());
  EXPECT_THROW(consulta->ParamData(QStringLiteral("pNada")), Exception);
}

TEST_F(TnDMPowerTest, ARunByTheUserKeepsTheValuesPerProcessAndLimparParamsINIForgetsThem) {
  auto *primeira = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  primeira->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("10/2026"));
  primeira->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("2"));
  primeira->ExecutarProcesso();
  EXPECT_EQ(primeira->Validacoes, 2);  // the user's run validates, then the base run again

  auto *segunda = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  EXPECT_TRUE(segunda->npqPowerParam().Param(QStringLiteral("pCompet"))->IsNull());
  segunda->RestaurarParams();
  EXPECT_EQ(segunda->npqPowerParam().Param(QStringLiteral("pCompet"))->GetAsDate(), QDate(2026, 10, 1));
  EXPECT_EQ(segunda->Param(QStringLiteral("pCodigoEmpresa")), QStringLiteral("2"));

  // Another process keeps its own.
  auto *tab = Criar<TnTesteDPTab>("TnTesteDPTab");
  tab->RestaurarParams();
  EXPECT_TRUE(tab->npqPowerParam().Param(QStringLiteral("pTexto"))->IsNull());

  segunda->LimparParamsINI();
  EXPECT_FALSE(nParamsSalvos()->TemParams(QStringLiteral("TnTesteDPConsulta")));
  // The parameters themselves keep their values.
  EXPECT_EQ(segunda->Param(QStringLiteral("pCodigoEmpresa")), QStringLiteral("2"));
}

TEST_F(TnDMPowerTest, ARunFilledByACallerKeepsNothingSoTheUsersOwnValuesStay) {
  auto *usuario = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  usuario->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("10/2026"));
  usuario->ExecutarProcesso();

  auto *chamado = Criar<TnTesteDPConsulta>("TnTesteDPConsulta", nModoIndividual);
  chamado->SetChamadoPorOutro(true);
  chamado->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("03/2025"));
  chamado->ExecutarProcesso();
  EXPECT_EQ(nParamsSalvos()->Restaurar(QStringLiteral("TnTesteDPConsulta")).value(QStringLiteral("pCompet")),
            QVariant(QDate(2026, 10, 1)));
}

TEST_F(TnDMPowerTest, AGridProcessLoadsItsSelectWithTheParametersBoundByName) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  consulta->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("11/2026"));
  consulta->SetSQLConsulta(QStringLiteral(
      "select CODIGOEMPRESA, NOMEEMPRESA from EMPRESA where CODIGOEMPRESA >= :PTIPOPERIODO order by CODIGOEMPRESA"));
  consulta->npqPowerParam().Param(QStringLiteral("pTipoPeriodo"))->SetAsString(QStringLiteral("2"));
  consulta->TnDMPowerParamGrid::Executar();
  EXPECT_EQ(consulta->nClientDataSet().RecordCount(), 2);
  EXPECT_EQ(consulta->nClientDataSet().FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 2);

  consulta->SetSQLConsulta(QStringLiteral("select * from EMPRESA where CODIGOEMPRESA = :pNaoExiste"));
  EXPECT_THROW(consulta->TnDMPowerParamGrid::Executar(), Exception);
}

TEST_F(TnDMPowerTest, EachProcessHasItsOwnMessageTree) {
  auto *a = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  auto *b = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  TnMsgTreeNode *empresa = a->MsgTree(4, QStringLiteral("Empresa: 1 - ACME"));
  a->MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("Feito"), empresa);
  SetarIconErro(empresa);
  b->MsgTree(TnTipoMensagem::Falha, QStringLiteral("Falhou"));
  EXPECT_EQ(a->MsgTreeLista().Linhas(), (QStringList{"4 Empresa: 1 - ACME (erro)", "  5 Feito"}));
  EXPECT_EQ(b->MsgTreeLista().Linhas(), (QStringList{"0 Falhou"}));
  a->LimparMsgTreeLista();
  EXPECT_EQ(a->MsgTreeLista().Contar(), 0);
  EXPECT_EQ(b->MsgTreeLista().Contar(), 1);
}

TEST_F(TnDMPowerTest, TheProcessOwnsOneProgressFrameAtATime) {
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  EXPECT_EQ(consulta->Progresso(), nullptr);
  int destruidos = 0;
  TnFraProgresso *primeiro = consulta->CriarProgresso();
  primeiro->Observar([&](TnFraProgresso &, TnEventoProgresso evento) {
    if (evento == TnEventoProgresso::Destruido) ++destruidos;
  });
  primeiro->MostrarSimples(3, QStringLiteral("Gerando Protocolos..."));
  TnFraProgresso *segundo = consulta->CriarProgresso();
  EXPECT_EQ(destruidos, 1);  // the earlier frame went first
  EXPECT_EQ(consulta->Progresso(), segundo);
  consulta->LiberarProgresso();
  EXPECT_EQ(consulta->Progresso(), nullptr);
}

TEST_F(TnDMPowerTest, TabsNeedTheFormAndTheChangedStateAndGridOptionsAreKept) {
  auto *tab = Criar<TnTesteDPTab>("TnTesteDPTab");
  EXPECT_THROW(tab->CriarTab(QStringLiteral("Documentos Pendentes")), Exception);
  EXPECT_FALSE(tab->TemAlteracao());
  tab->SetTemAlteracao(true);
  EXPECT_TRUE(tab->TemAlteracao());
  EXPECT_FALSE(tab->DBGridReadOnly());
  EXPECT_TRUE(tab->DBGridConfirmaExclusao());
  tab->SetDBGridConfirmaExclusao(false);
  EXPECT_FALSE(tab->DBGridConfirmaExclusao());
  auto *consulta = Criar<TnTesteDPConsulta>("TnTesteDPConsulta");
  EXPECT_TRUE(consulta->DBGridReadOnly());
}

TEST_F(TnDMPowerTest, TheBaseGravarPostsAPendingEditAndCancelarDropsIt) {
  auto *tab = Criar<TnTesteDPTab>("TnTesteDPTab");
  TnClientDataSet &dados = tab->nClientDataSet();
  dados.AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 20);
  dados.CreateDataSet();
  dados.Append();
  dados.FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Gravado"));
  tab->actGravarExecute(nullptr);
  EXPECT_EQ(dados.State(), TnDataSetState::Browse);
  EXPECT_EQ(dados.RecordCount(), 1);
  dados.Edit();
  dados.FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Desfeito"));
  tab->actCancelarExecute(nullptr);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("Gravado"));
}

TEST_F(TnDMPowerTest, SearchFindsTheNextRowShowingTheTextWrapsRoundAndStaysWhenNothingMatches) {
  auto *tab = Criar<TnTesteDPTab>("TnTesteDPTab");
  TnClientDataSet &dados = tab->nClientDataSet();
  dados.AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 40);
  dados.CreateDataSet();
  for (const char *nome : {"Padaria Centro", "Tecidos", "padaria bairro"}) {
    dados.Append();
    dados.FieldByName(QStringLiteral("NOME"))->SetAsString(QString::fromUtf8(nome));
    dados.Post();
  }
  dados.First();
  EXPECT_TRUE(tab->Pesquisar(QStringLiteral("PADARIA")));
  EXPECT_EQ(dados.RecNo(), 3);
  EXPECT_TRUE(tab->PesquisarProximo());
  EXPECT_EQ(dados.RecNo(), 1);
  EXPECT_FALSE(tab->Pesquisar(QStringLiteral("Farmácia")));
  EXPECT_EQ(dados.RecNo(), 1);

  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("tecidos"));
  tab->actPesquisarExecute(nullptr);
  EXPECT_EQ(dados.RecNo(), 2);
  tab->actPesquisarNextExecute(nullptr);  // the only row showing it: found again where it is
  EXPECT_EQ(dados.RecNo(), 2);
  EXPECT_FALSE(tab->Pesquisar(QStringLiteral("Farmácia")));
  dialogos->SetAceitarMensagens(true);
  tab->actPesquisarNextExecute(nullptr);
  EXPECT_EQ(dialogos->Textos().last(), QStringLiteral("Texto não encontrado: Farmácia"));
  EXPECT_EQ(dados.RecNo(), 2);
}

TEST_F(TnDMPowerTest, AProcessOpenedFromItsMenuActionShowsTheActionsCaptionWhenItsPanelHasNone) {
  TnActionList lista;
  nGerarActions(lista, nullptr, {nModuloMVox});
  TnAction *action = lista.Find(QStringLiteral("actTnTesteDPTab"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->Category(), QStringLiteral("02 Movimentos\\20 Documentos"));
  ASSERT_TRUE(action->Execute());
  const QList<TnDataModule *> abertos = TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDPTab"));
  ASSERT_EQ(abertos.size(), 1);
  auto *processo = dynamic_cast<TnTesteDPTab *>(abertos.first());
  ASSERT_NE(processo, nullptr);
  EXPECT_EQ(processo->Action(), action);
  EXPECT_EQ(processo->GetFormClass(), QStringLiteral("TnFrmPowerParam"));
  EXPECT_EQ(processo->CriarForm()->Caption(), QStringLiteral("Processo de Teste"));
}
