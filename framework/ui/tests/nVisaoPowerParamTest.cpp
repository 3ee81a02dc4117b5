#include <gtest/gtest.h>

#include <QAction>
#include <QToolBar>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <functional>

#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDMPowerParamGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFraProgresso_U.h"
#include "nFrmPowerParam_U.h"
#include "nMsgTree_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"
#include "nVisaoPowerParam_U.h"
#include "npqParamItem_U.h"
#include "nParamsSalvosTeste_U.h"

namespace {

// What the run does besides its messages; a test looks at the screen from
// inside the run through it.
std::function<void(TnFraProgresso &)> DuranteAExecucao;

// A process with a text and a choice parameter, a result tab, the message
// tree on, and a run that writes messages and advances its progress.
class TnTesteDPVisao : public TnDMPowerParamTab {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamTab::DataModuleCreate();
    npqPowerParam().SetCaption(QStringLiteral("Gerar Protocolos"));
    npqPowerParam().Adicionar({.Alias = "pNome", .Caption = "Nome"});
    npqPowerParam().Adicionar({.Alias = "pForma", .Caption = "Forma", .Valores = "Correio=1;Entregue em Mãos=2"});
    SetMsgTreeExibir(true);
  }
  void DepoisConfigurar(TnFrmVisual *form) override {
    TnDMPowerParamTab::DepoisConfigurar(form);
    CriarTab(QStringLiteral("Resultado"));
  }
  void ValidarDado() override {
    TnDMPowerParamTab::ValidarDado();
    if (Param(QStringLiteral("pNome")) == QLatin1String("recusar"))
      throw EnParam(npqPowerParam().Param(QStringLiteral("pNome")), QStringLiteral("Nome recusado."));
  }
  void Executar() override {
    TnDMPowerParamTab::Executar();
    ++Execucoes;
    Nome = Param(QStringLiteral("pNome"));
    Forma = Param(QStringLiteral("pForma"));
    TnMsgTreeNode *titulo = MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: 1 - ACME"));
    SetarIconErro(MsgTree(TnTipoMensagem::Falha, QStringLiteral("Sem endereço"), titulo));
    MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("Operação concluída com sucesso!"));
    TnFraProgresso *progresso = CriarProgresso();
    progresso->MostrarSimples(3, QStringLiteral("Gerando"));
    progresso->IncProgressoTotal();
    progresso->IncProgressoTotal();
    if (DuranteAExecucao) DuranteAExecucao(*progresso);
    LiberarProgresso();
  }
  int Execucoes = 0;
  QString Nome;
  QString Forma;
};

class VisaoPowerParamTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FUnidade.Inicializar();
    FAoCriarAnterior = TnFraProgresso::SetAoCriar(TnVisaoPowerParam::ApresentarProgresso);
    FProcesso = dynamic_cast<TnTesteDPVisao *>(CriarDM(QStringLiteral("TnTesteDPVisao")));
    ASSERT_NE(FProcesso, nullptr);
    FForm = FProcesso->CriarForm();
    ASSERT_NE(FForm, nullptr);
    FVisao = std::make_unique<TnVisaoPowerParam>(FForm);
    FVisao->show();
  }
  void TearDown() override {
    DuranteAExecucao = nullptr;
    FVisao.reset();
    TnFraProgresso::SetAoCriar(FAoCriarAnterior);
    FUnidade.Finalizar();
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  void Executar() { FVisao->ActionDaActionForm(FForm->Action(TnFrmPowerParam::NomeActExecutar))->trigger(); }

  TnParamsSalvosTeste FParams;
  TnFraProgresso::TnAoCriar FAoCriarAnterior;
  TnTesteDPVisao *FProcesso = nullptr;
  TnFrmPowerParam *FForm = nullptr;
  std::unique_ptr<TnVisaoPowerParam> FVisao;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{nInfoClasse<TnTesteDPVisao>("TnTesteDPVisao", "TnDMPowerParamTab")};
  });
};

TEST_F(VisaoPowerParamTeste, PagesAreTheParameterPageThenTheProcessesTabs) {
  ASSERT_EQ(FVisao->Paginas()->count(), 2);
  EXPECT_EQ(FVisao->Paginas()->tabText(1), QStringLiteral("Resultado"));
  EXPECT_NE(qobject_cast<QLineEdit *>(FVisao->EditorParametro(QStringLiteral("pNome"))), nullptr);
  auto *forma = qobject_cast<QComboBox *>(FVisao->EditorParametro(QStringLiteral("pForma")));
  ASSERT_NE(forma, nullptr);
  EXPECT_EQ(forma->itemText(1), QStringLiteral("Entregue em Mãos"));
}

TEST_F(VisaoPowerParamTeste, TypedParametersReachTheRunThatExecutarStarts) {
  auto *nome = qobject_cast<QLineEdit *>(FVisao->EditorParametro(QStringLiteral("pNome")));
  nome->setText(QStringLiteral("Lote 7"));
  Q_EMIT nome->editingFinished();
  auto *forma = qobject_cast<QComboBox *>(FVisao->EditorParametro(QStringLiteral("pForma")));
  forma->setCurrentIndex(1);
  Q_EMIT forma->activated(1);
  Executar();
  EXPECT_EQ(FProcesso->Execucoes, 1);
  EXPECT_EQ(FProcesso->Nome, QStringLiteral("Lote 7"));
  EXPECT_EQ(FProcesso->Forma, QStringLiteral("2"));
}

TEST_F(VisaoPowerParamTeste, ClosingTheViewWhileAParameterHasTheFocusReachesNoHalfDestroyedView) {
  QApplication::setActiveWindow(FVisao.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  auto *nome = qobject_cast<QLineEdit *>(FVisao->EditorParametro(QStringLiteral("pNome")));
  ASSERT_NE(nome, nullptr);
  nome->setFocus();
  QTest::keyClicks(nome, QStringLiteral("Lote 8"));
  // The editor gives up the focus as it goes, after the view's own part.
  FVisao.reset();
  EXPECT_EQ(FProcesso->Param(QStringLiteral("pNome")), QString());
}

TEST_F(VisaoPowerParamTeste, RefusedParameterIsShownOnceAndTheRunDoesNotHappen) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  auto *nome = qobject_cast<QLineEdit *>(FVisao->EditorParametro(QStringLiteral("pNome")));
  nome->setText(QStringLiteral("recusar"));
  Q_EMIT nome->editingFinished();
  FVisao->Paginas()->setCurrentIndex(1);
  Executar();
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Nome recusado.")});
  EXPECT_EQ(FProcesso->Execucoes, 0);
  EXPECT_EQ(FVisao->Paginas()->currentIndex(), 0);
}

TEST_F(VisaoPowerParamTeste, MessageTreeShowsTheRunsLinesNestedWithTheirIcons) {
  Executar();
  QStandardItemModel *modelo = FVisao->ModeloArvore();
  ASSERT_EQ(modelo->rowCount(), 2);
  QStandardItem *titulo = modelo->item(0);
  EXPECT_EQ(titulo->text(), QStringLiteral("Empresa: 1 - ACME"));
  ASSERT_EQ(titulo->rowCount(), 1);
  EXPECT_EQ(titulo->child(0)->text(), QStringLiteral("Sem endereço"));
  EXPECT_FALSE(titulo->child(0)->icon().isNull());
  EXPECT_EQ(modelo->item(1)->text(), QStringLiteral("Operação concluída com sucesso!"));
  EXPECT_TRUE(FVisao->Arvore()->isVisible());
  // A new run starts from a cleared tree.
  FProcesso->LimparMsgTreeLista();
  EXPECT_EQ(modelo->rowCount(), 0);
}

TEST_F(VisaoPowerParamTeste, ProgressBarsFollowTheRunWhileItHoldsTheEventLoop) {
  int posicaoVista = -1;
  int maximoVisto = -1;
  bool visivel = false;
  DuranteAExecucao = [&](TnFraProgresso &) {
    posicaoVista = FVisao->BarraTotal()->value();
    maximoVisto = FVisao->BarraTotal()->maximum();
    visivel = FVisao->BarraTotal()->isVisible();
  };
  Executar();
  EXPECT_EQ(posicaoVista, 2);
  EXPECT_EQ(maximoVisto, 3);
  EXPECT_TRUE(visivel);
  FVisao->Sincronizar();  // the frame is gone after the run
  EXPECT_FALSE(FVisao->BarraTotal()->isVisible());
}

}  // namespace

namespace {

TEST_F(VisaoPowerParamTeste, EachCommandAppearsOnceOnTheBarAndF9StillRuns) {
  QStringList textos;
  for (QAction *action : FVisao->ToolBar()->actions())
    if (!action->isSeparator() && action->isVisible()) textos << action->text();
  EXPECT_EQ(textos.count(QStringLiteral("Executar")), 1);
  // Gravar and Cancelar show only for a process that has them.
  EXPECT_LE(textos.count(QStringLiteral("Gravar")), 1);
  EXPECT_LE(textos.count(QStringLiteral("Cancelar")), 1);
  // The action behind the button stays reachable.
  Executar();
  EXPECT_EQ(FProcesso->Execucoes, 1);
}

}  // namespace

namespace {

// A consultation: the result grid stays on the parameter page.
class TnTesteDPGrade : public TnDMPowerParamGrid {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamGrid::DataModuleCreate();
    nClientDataSet().AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
    nClientDataSet().CreateDataSet();
  }
};

TEST(VisaoPowerParamGrade, TheGridOfAGridProcessShowsUnderTheParameters) {
  TnUnidadeRegistro unidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{nInfoClasse<TnTesteDPGrade>("TnTesteDPGrade", "TnDMPowerParamGrid")};
  });
  unidade.Inicializar();
  auto *processo = dynamic_cast<TnTesteDPGrade *>(CriarDM(QStringLiteral("TnTesteDPGrade")));
  ASSERT_NE(processo, nullptr);
  {
    TnVisaoPowerParam visao(processo->CriarForm());
    ASSERT_EQ(visao.Paginas()->count(), 1);
    auto *tabela = visao.Paginas()->widget(0)->findChild<QTableView *>();
    ASSERT_NE(tabela, nullptr);
    EXPECT_EQ(tabela->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("CODIGO"));
  }
  TnRegistro::Instancia().DestruirTodos();
  unidade.Finalizar();
}

}  // namespace
