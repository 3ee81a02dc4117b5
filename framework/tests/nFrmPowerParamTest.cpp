#include <gtest/gtest.h>

#include <QPointer>
#include <QTemporaryDir>

#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDMPowerParamGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFraCtrlParam_U.h"
#include "nFrmPowerParam_U.h"
#include "nPainel_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"
#include "nParamsSalvosTeste_U.h"

namespace {

// A tab process like the pending documents: a month and a company, a tab
// made once the form exists, Gravar and Cancelar on, and a refusal of its own
// for a company it does not serve.
class TnTesteDPFormulario : public TnDMPowerParamTab {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamTab::DataModuleCreate();
    npqPowerParam().SetCaption(QStringLiteral("Documentos Pendentes"));
    npqPowerParam().Adicionar(
        {.Alias = "pCompet", .Caption = "Competência", .Obrigatorio = true, .Dicionario = "DICDATAMESANO"});
    npqPowerParam().Adicionar(
        {.Alias = "pCodigoEmpresa", .Caption = "Empresa", .Dicionario = "CODIGOEMPRESA", .MultiSelecao = true});
    npqPowerParam().Adicionar({.Alias = "pOculto", .Visivel = false});
    SetActionGravar(true);
    SetActionCancelar(true);
  }
  QString GetFormClass() const override { return FClasseForm; }
  void DepoisConfigurar(TnFrmVisual *form) override {
    TnDMPowerParamTab::DepoisConfigurar(form);
    FormsConfigurados << form;
    CriarTab(QStringLiteral("Documentos Pendentes"));
    SetTemAlteracao(false);
  }
  void ValidarDado() override {
    TnDMPowerParamTab::ValidarDado();
    if (Param(QStringLiteral("pCodigoEmpresa")) == QLatin1String("3"))
      throw EnParam(npqPowerParam().Param(QStringLiteral("pCodigoEmpresa")), QStringLiteral("Empresa inativa."));
  }
  void Executar() override {
    TnDMPowerParamTab::Executar();
    ++Execucoes;
  }
  void nPageControlOnChanging(int indicePagina, bool &permitir) override {
    PaginasDeixadas << indicePagina;
    permitir = !TemAlteracao();
  }
  void actGravarExecute(QObject *sender) override {
    TnDMPowerParamTab::actGravarExecute(sender);
    Remetentes << sender;
    SetTemAlteracao(false);
  }
  void actCancelarExecute(QObject *sender) override {
    TnDMPowerParamTab::actCancelarExecute(sender);
    ++Cancelamentos;
    SetTemAlteracao(false);
  }

  QString FClasseForm = QStringLiteral("TnFrmPowerParam");
  QList<TnFrmVisual *> FormsConfigurados;
  int Execucoes = 0;
  int Cancelamentos = 0;
  QList<int> PaginasDeixadas;
  QList<QObject *> Remetentes;
};

// A consultation whose select the base run loads.
class TnTesteDPGrade : public TnDMPowerParamGrid {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamGrid::DataModuleCreate();
    npqPowerParam().Adicionar({.Alias = "pCodigoEmpresa", .Dicionario = "CODIGOEMPRESA", .MultiSelecao = true});
    SetSQLConsulta(QStringLiteral("select CODIGOEMPRESA, NOMEEMPRESA from EMPRESA order by CODIGOEMPRESA"));
  }
};

// A form of a module library, registered by name.
class TnTesteFrmGerar : public TnFrmPowerParam {
 public:
  using TnFrmPowerParam::TnFrmPowerParam;
  QString ClassName() const override { return QStringLiteral("TnTesteFrmGerar"); }
  bool HerdaDe(const QString &nome) const override {
    return nome.compare(ClassName(), Qt::CaseInsensitive) == 0 || TnFrmPowerParam::HerdaDe(nome);
  }
};

class TnFrmPowerParamTest : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FUnidade.Inicializar();
    FProcesso = dynamic_cast<TnTesteDPFormulario *>(CriarDM(QStringLiteral("TnTesteDPFormulario")));
    ASSERT_NE(FProcesso, nullptr);
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  TnpqParamItem *P(const char *nome) { return FProcesso->npqPowerParam().Param(QString::fromLatin1(nome)); }

  TnParamsSalvosTeste FParams;
  TnTesteDPFormulario *FProcesso = nullptr;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{nInfoClasse<TnTesteDPFormulario>("TnTesteDPFormulario", "TnDMPowerParamTab"),
                               nInfoClasse<TnTesteDPGrade>("TnTesteDPGrade", "TnDMPowerParamGrid")};
  });
};

}  // namespace

TEST_F(TnFrmPowerParamTest, TheFormShowsTheParameterPageFirstAndTheTabsTheProcessMakes) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(FProcesso->CriarForm(), form);  // built once
  EXPECT_EQ(FProcesso->FormsConfigurados, (QList<TnFrmVisual *>{form}));
  EXPECT_EQ(form->Caption(), QStringLiteral("Documentos Pendentes"));
  ASSERT_EQ(form->PageCount(), 2);
  EXPECT_EQ(form->Pagina(0), form->PaginaParametros());
  EXPECT_EQ(form->Pagina(1)->Caption(), QStringLiteral("Documentos Pendentes"));
  EXPECT_EQ(form->PaginaAtiva(), 0);
  EXPECT_EQ(form->ParametrosExibidos(), (QList<TnpqParamItem *>{P("pCompet"), P("pCodigoEmpresa")}));
  EXPECT_TRUE(form->HerdaDe(QStringLiteral("TnFrmVisual")));
  EXPECT_TRUE(form->HerdaDe(QStringLiteral("tnfrmpowerparam")));

  FProcesso->SetMostrarParams(QStringLiteral("pCodigoEmpresa"));
  EXPECT_EQ(form->ParametrosExibidos(), (QList<TnpqParamItem *>{P("pCodigoEmpresa")}));
  EXPECT_FALSE(form->FocarParametro(P("pCompet")));  // not shown: no focus

  QPointer<TnFrmPowerParam> vigia(form);
  nLiberarDM(FProcesso);
  EXPECT_TRUE(vigia.isNull());  // the process frees its form
}

TEST_F(TnFrmPowerParamTest, AnEnParamFromExecutarIsShownOnceAndFocusesItsParameter) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  form->SetPaginaAtiva(1);
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);

  EXPECT_FALSE(form->Executar());  // pCompet is required and empty
  ASSERT_EQ(dialogos->Perguntas().size(), 1);
  EXPECT_EQ(dialogos->Perguntas().first().Texto, QStringLiteral("O parâmetro Competência deve ser informado."));
  EXPECT_EQ(dialogos->Perguntas().first().TipoMensagem, TMsgDlgType::mtError);
  EXPECT_EQ(form->Foco(), P("pCompet")->Editor());
  EXPECT_EQ(form->PaginaAtiva(), 0);
  EXPECT_EQ(FProcesso->Execucoes, 0);

  // The process's own refusal focuses its parameter as well.
  P("pCompet")->Editor()->SetTexto(QStringLiteral("11/2026"));
  P("pCodigoEmpresa")->Editor()->SetTexto(QStringLiteral("3"));
  EXPECT_FALSE(form->BtnExecutar()->Click());
  EXPECT_EQ(dialogos->Textos().last(), QStringLiteral("Empresa inativa."));
  EXPECT_EQ(form->Foco(), P("pCodigoEmpresa")->Editor());
  EXPECT_EQ(dialogos->Perguntas().size(), 2);
}

TEST_F(TnFrmPowerParamTest, AGoodRunKeepsTheValuesAndBringsTheFirstTabForward) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  P("pCompet")->Editor()->SetTexto(QStringLiteral("11/2026"));
  P("pCodigoEmpresa")->Editor()->SetTexto(QStringLiteral("1;2"));
  EXPECT_TRUE(form->PressionarAtalho(QKeyCombination(Qt::Key_F9)));
  EXPECT_EQ(FProcesso->Execucoes, 1);
  EXPECT_EQ(form->PaginaAtiva(), 1);
  // A process that reports in its message tree sends the user there.
  FProcesso->SetMsgTreeExibir(true);
  FProcesso->SetFocarMsgTree(true);
  EXPECT_TRUE(form->Executar());
  EXPECT_EQ(form->Foco(), form->PainelMsgTree());

  // The next time the form opens the values come back.
  auto *outro = dynamic_cast<TnTesteDPFormulario *>(CriarDM(QStringLiteral("TnTesteDPFormulario")));
  ASSERT_NE(outro, nullptr);
  EXPECT_TRUE(outro->npqPowerParam().Param(QStringLiteral("pCompet"))->IsNull());
  outro->CriarForm();
  EXPECT_EQ(outro->Param(QStringLiteral("pCompet")), QStringLiteral("01/11/2026"));
  EXPECT_EQ(outro->Param(QStringLiteral("pCodigoEmpresa")), QStringLiteral("1;2"));
}

TEST_F(TnFrmPowerParamTest, GravarAndCancelarAreOfferedWhenTurnedOnAndEnabledOnlyWhileSomethingChanged) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  EXPECT_TRUE(form->BtnGravar()->Visible());
  EXPECT_FALSE(form->BtnGravar()->Enabled());
  EXPECT_FALSE(form->BtnCancelar()->Enabled());
  EXPECT_FALSE(form->Gravar());
  EXPECT_TRUE(FProcesso->Remetentes.isEmpty());

  FProcesso->SetTemAlteracao(true);
  EXPECT_TRUE(form->BtnGravar()->Enabled());
  EXPECT_TRUE(form->Action(TnFrmPowerParam::NomeActCancelar)->Enabled());
  EXPECT_TRUE(form->Gravar());
  EXPECT_EQ(FProcesso->Remetentes, (QList<QObject *>{form->BtnGravar()}));  // the pressed button is the sender
  EXPECT_FALSE(form->BtnGravar()->Enabled());                               // the save cleared the changed state

  FProcesso->SetTemAlteracao(true);
  EXPECT_TRUE(form->Cancelar());
  EXPECT_EQ(FProcesso->Cancelamentos, 1);

  FProcesso->SetActionGravar(false);
  FProcesso->SetTemAlteracao(true);
  EXPECT_FALSE(form->BtnGravar()->Visible());
  EXPECT_FALSE(form->Gravar());
  EXPECT_TRUE(form->BtnCancelar()->Enabled());
}

TEST_F(TnFrmPowerParamTest, TheProcessMayKeepTheUserOnThePageBeingLeft) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  EXPECT_TRUE(form->MudarPagina(1));
  FProcesso->SetTemAlteracao(true);
  EXPECT_FALSE(form->MudarPagina(0));
  EXPECT_EQ(form->PaginaAtiva(), 1);
  EXPECT_EQ(FProcesso->PaginasDeixadas, (QList<int>{0, 1}));
  EXPECT_FALSE(form->MudarPagina(7));
  FProcesso->SetTemAlteracao(false);
  EXPECT_TRUE(form->MudarPagina(0));
}

TEST_F(TnFrmPowerParamTest, TheMessagePaneFollowsTheProcessAndShowsItsOwnTree) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  EXPECT_FALSE(form->PainelMsgTree()->Visible());
  FProcesso->SetMsgTreeExibir(true);
  EXPECT_TRUE(form->PainelMsgTree()->Visible());
  EXPECT_EQ(form->MsgTree(), &FProcesso->MsgTreeLista());
  EXPECT_EQ(form->Progresso(), nullptr);
  TnFraProgresso *progresso = FProcesso->CriarProgresso();
  EXPECT_EQ(form->Progresso(), progresso);
}

TEST_F(TnFrmPowerParamTest, AFormClassIsCreatedByTheNameTheProcessGivesAndAnUnknownOneIsRefused) {
  FProcesso->FClasseForm = QStringLiteral("TnTesteFrmGerar");
  EXPECT_THROW(FProcesso->CriarForm(), Exception);
  EXPECT_EQ(FProcesso->Form(), nullptr);

  TnFrmPowerParam::RegistrarClasse(QStringLiteral("TnTesteFrmGerar"),
                                   [](TnDMPower *processo) { return new TnTesteFrmGerar(processo); });
  EXPECT_THROW(TnFrmPowerParam::RegistrarClasse(QStringLiteral("tntestefrmgerar"),
                                                [](TnDMPower *p) { return new TnTesteFrmGerar(p); }),
               Exception);
  TnFrmPowerParam *form = FProcesso->CriarForm();
  EXPECT_NE(dynamic_cast<TnTesteFrmGerar *>(form), nullptr);
  EXPECT_TRUE(form->HerdaDe(QStringLiteral("TnFrmPowerParam")));
  EXPECT_TRUE(TnFrmPowerParam::RemoverClasse(QStringLiteral("TnTesteFrmGerar")));
  EXPECT_FALSE(TnFrmPowerParam::ClasseRegistrada(QStringLiteral("TnTesteFrmGerar")));
  EXPECT_TRUE(TnFrmPowerParam::ClasseRegistrada(QStringLiteral("TnFrmPowerParam")));
  EXPECT_FALSE(TnFrmPowerParam::RemoverClasse(QStringLiteral("TnFrmPowerParam")));
}

TEST_F(TnFrmPowerParamTest, ACallersModalRunClosesTheFormWithItsResultAndKeepsNoValues) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  FProcesso->SetChamadoPorOutro(true);
  form->SetResultadoAoExecutar(mrOk);
  P("pCompet")->SetAsString(QStringLiteral("11/2026"));
  P("pCodigoEmpresa")->Editor()->SetVisible(false);  // fixed by the caller
  const TnExecutarFormModal anterior = nSetExecutarFormModal([](TnFrmVisual &f) {
    auto *processo = dynamic_cast<TnFrmPowerParam *>(&f);
    ASSERT_NE(processo, nullptr);
    EXPECT_EQ(processo->ParametrosExibidos(),
              (QList<TnpqParamItem *>{processo->Processo()->npqPowerParam().Param(QStringLiteral("pCompet"))}));
    processo->Executar();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(FProcesso->Execucoes, 1);
  EXPECT_FALSE(nParamsSalvos()->TemParams(QStringLiteral("TnTesteDPFormulario")));
}

TEST_F(TnFrmPowerParamTest, SearchActionsAppearWhenTheProcessTurnsSearchOn) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  EXPECT_EQ(form->Action(TnFrmPowerParam::NomeActPesquisar), nullptr);
  FProcesso->SetPesquisa(true);
  ASSERT_NE(form->Action(TnFrmPowerParam::NomeActPesquisar), nullptr);
  EXPECT_TRUE(form->Action(TnFrmPowerParam::NomeActPesquisarNext)->Enabled());
  FProcesso->SetPesquisa(false);
  EXPECT_FALSE(form->Action(TnFrmPowerParam::NomeActPesquisar)->Enabled());
}

TEST_F(TnFrmPowerParamTest, LeavingAParameterOnTheFormRunsOnParamExitUnderTheGuard) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  FProcesso->npqPowerParam().OnParamExit = [](TnpqPowerParam &, TnpqParamItem &param) {
    throw EnParam(&param, QStringLiteral("Código inexistente."));
  };
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  form->SairDoParametro(P("pCodigoEmpresa"));  // never raises past the form
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Código inexistente.")});
}

TEST_F(TnFrmPowerParamTest, ATabProcessesGridShowsItsDatasetWithItsOptionsAndMovesIntoItsTab) {
  TnClientDataSet &dados = FProcesso->nClientDataSet();
  dados.AddFieldDef(QStringLiteral("CODIGODOCUMENTO"), TnFieldType::Float);
  dados.AddFieldDef(QStringLiteral("DESCRDOCEMP"), TnFieldType::String, 100);
  dados.CreateDataSet();
  TnFrmPowerParam *form = FProcesso->CriarForm();
  TnDBGridEh *grid = FProcesso->nDBGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid, form->DBGrid());
  EXPECT_EQ(grid->DataSet(), &dados);
  EXPECT_EQ(grid->ColumnCount(), 2);
  EXPECT_FALSE(grid->ReadOnly());
  EXPECT_TRUE(grid->ConfirmaExclusao());
  FProcesso->SetDBGridConfirmaExclusao(false);
  FProcesso->SetDBGridOrdenar(false);
  EXPECT_FALSE(grid->ConfirmaExclusao());
  EXPECT_FALSE(grid->Ordenar());

  TnPainel *tab = FProcesso->CriarTabGrid(QStringLiteral("Documentos"));
  EXPECT_EQ(grid->parent(), tab);
  EXPECT_EQ(grid->Form(), form);
  EXPECT_EQ(form->Pagina(2), tab);
}

TEST_F(TnFrmPowerParamTest, AGridProcessesReadOnlyGridGetsItsColumnsOnceTheSelectHasRun) {
  auto *consulta = dynamic_cast<TnTesteDPGrade *>(CriarDM(QStringLiteral("TnTesteDPGrade")));
  ASSERT_NE(consulta, nullptr);
  TnFrmPowerParam *form = consulta->CriarForm();
  ASSERT_NE(form->DBGrid(), nullptr);
  EXPECT_TRUE(form->DBGrid()->ReadOnly());
  EXPECT_EQ(form->DBGrid()->ColumnCount(), 0);
  EXPECT_TRUE(form->Executar());
  EXPECT_EQ(form->DBGrid()->ColumnCount(), 2);
  EXPECT_EQ(consulta->nClientDataSet().RecordCount(), 3);
}
