// The edit form's tool bar: the form-button configuration decides which
// standard buttons show, and the bar fits a narrow window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "nFrmCadastro_U.h"
#include "nFrmVisual_U.h"
#include "nVisaoCadastro_U.h"
#include "nVisaoForm_U.h"
#include "nVisaoFormTeste_U.h"

namespace {

class VisaoFormBotoesTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    FDados = nDadosCadastroTeste();
    FForm = std::make_unique<TnFrmCadastro>(nullptr, FDados.get());
  }
  void Mostrar(int largura = 700) {
    FVisao = std::make_unique<TnVisaoCadastro>(FForm.get());
    FVisao->resize(largura, 500);
    FVisao->show();
    FVisao->Sincronizar();
  }
  void TearDown() override {
    FVisao.reset();
    FForm.reset();
    FDados.reset();
  }
  QAction *Acao(const char *nome) {
    return FVisao->ActionDaActionForm(FForm->Action(QString::fromLatin1(nome)));
  }
  bool Visivel(const char *nome) {
    QAction *acao = Acao(nome);
    return acao && acao->isVisible();
  }

  std::unique_ptr<TnClientDataSet> FDados;
  std::unique_ptr<TnFrmCadastro> FForm;
  std::unique_ptr<TnVisaoCadastro> FVisao;
};

}  // namespace

TEST_F(VisaoFormBotoesTeste, FormNeverConfiguredShowsEveryStandardButton) {
  Mostrar();
  for (const char *nome : {"actDataSetFirst", "actDataSetNext", "actDataSetInsert", "actDataSetDelete",
                           "actDataSetPost", "actDataSetCancel", "actDataSetRefresh"})
    EXPECT_TRUE(Visivel(nome)) << nome;
}

TEST_F(VisaoFormBotoesTeste, KindsConfiguredOffAreHiddenAndTheOthersStay) {
  // Navigation, Incluir and Excluir off: the register opened on one record.
  FForm->ConfigurarActionForm({0, 2, 3}, false);
  Mostrar();
  for (const char *nome : {"actDataSetFirst", "actDataSetPrior", "actDataSetNext", "actDataSetLast",
                           "actDataSetInsert", "actDataSetDelete"})
    EXPECT_FALSE(Visivel(nome)) << nome;
  for (const char *nome : {"actDataSetPost", "actDataSetCancel", "actDataSetRefresh"})
    EXPECT_TRUE(Visivel(nome)) << nome;
}

TEST_F(VisaoFormBotoesTeste, KindsConfiguredOnHideNothing) {
  FForm->ConfigurarActionForm({1}, true);
  Mostrar();
  for (const char *nome : {"actDataSetFirst", "actDataSetInsert", "actDataSetDelete", "actDataSetPost"})
    EXPECT_TRUE(Visivel(nome)) << nome;
}

TEST_F(VisaoFormBotoesTeste, ConfigurationChangedAfterTheViewOpenedIsFollowed) {
  Mostrar();
  FForm->ConfigurarActionForm({3}, false);
  FVisao->Sincronizar();
  EXPECT_FALSE(Visivel("actDataSetDelete"));
  EXPECT_TRUE(Visivel("actDataSetInsert"));
}

TEST_F(VisaoFormBotoesTeste, ActionHiddenByTheModelStaysHiddenWhateverTheConfiguration) {
  FForm->ConfigurarActionForm({2}, true);
  FForm->Action(QStringLiteral("actDataSetInsert"))->SetVisible(false);
  Mostrar();
  EXPECT_FALSE(Visivel("actDataSetInsert"));
}

TEST_F(VisaoFormBotoesTeste, ModulesOwnActionsAreNotTouchedByTheConfiguration) {
  FForm->CriarAction(QStringLiteral("actBaixar"), QStringLiteral("Baixar Protocolo"), [](QObject *) {});
  FForm->ConfigurarActionForm({0, 1, 2, 3, 4, 5, 6}, false);
  Mostrar();
  EXPECT_TRUE(Visivel("actBaixar"));
  EXPECT_FALSE(Visivel("actFechar"));
}

TEST_F(VisaoFormBotoesTeste, StandardButtonsAreIconOnlyWithTheCaptionAsToolTip) {
  Mostrar();
  QAction *incluir = Acao("actDataSetInsert");
  ASSERT_NE(incluir, nullptr);
  EXPECT_FALSE(incluir->icon().isNull());
  EXPECT_EQ(incluir->toolTip(), QStringLiteral("Incluir"));
  auto *botao = qobject_cast<QToolButton *>(FVisao->ToolBar()->widgetForAction(incluir));
  ASSERT_NE(botao, nullptr);
  EXPECT_EQ(botao->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(VisaoFormBotoesTeste, ToolBarWithTheStandardButtonsAndAModulesButtonFitsIn700Pixels) {
  FForm->CriarToolButton(QStringLiteral("Baixar Protocolo"), QStringLiteral("Baixa o protocolo"), 10,
                         [](QObject *) {});
  Mostrar(700);
  int largura = 0;
  for (QAction *acao : FVisao->ToolBar()->actions())
    if (acao->isVisible())
      if (QWidget *widget = FVisao->ToolBar()->widgetForAction(acao)) largura += widget->sizeHint().width();
  EXPECT_LE(largura, 700);
}
