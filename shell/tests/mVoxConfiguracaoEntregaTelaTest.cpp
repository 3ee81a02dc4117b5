// The two configuration screens of the protocol library as a user drives
// them: real key presses on an activated window (offscreen), the dialogs
// answered by script. The screens come from the module library, opened by
// name as the program opens it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "mVoxSMenu_U.h"
#include "nBancoTeste_U.h"
#include "nDBGrid_U.h"
#include "nDMPowerParam_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nVisaoPowerParam_U.h"

namespace {

class TelaConfiguracaoTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FMenu = std::make_unique<TmVoxSMenu>();
    FMenu->AbriPacotes();
    FDialogos->SetAceitarMensagens(true);
  }
  void TearDown() override {
    FVisao.reset();
    TnRegistro::Instancia().DestruirTodos();
    FMenu->Pacotes().DescarregarPacotes();
    FMenu.reset();
    TnBancoTeste::TearDown();
  }
  // The process's window, shown and active.
  void Abrir(const QString &classe) {
    FProcesso = dynamic_cast<TnDMPowerParam *>(CriarDM(classe));
    ASSERT_NE(FProcesso, nullptr);
    FForm = FProcesso->CriarForm();
    FVisao = std::make_unique<TnVisaoPowerParam>(FForm);
    FVisao->show();
    QApplication::setActiveWindow(FVisao.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  }
  // Types the value into the parameter's editor and runs the process with F9.
  void Executar(const QString &alias, const QString &valor) {
    QLineEdit *editor = FVisao->TextoParametro(alias);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, valor);
    QTest::keyClick(editor, Qt::Key_F9);
  }
  QTableView *Tabela() {
    for (QTableView *tabela : FVisao->findChildren<QTableView *>())
      if (tabela->isVisible()) return tabela;
    return nullptr;
  }
  QString Celula(int linha, const QString &campo) {
    QTableView *tabela = Tabela();
    const int coluna = FForm->DBGrid()->IndiceColuna(campo);
    return tabela->model()->index(linha, coluna).data().toString();
  }
  QStringList Gravados(const QString &sql) {
    auto dados = ExecutarSQL(sql);
    QStringList linhas;
    for (dados->First(); !dados->Eof(); dados->Next()) {
      QStringList valores;
      for (int i = 0; i < dados->FieldCount(); ++i) valores << dados->Fields(i)->AsString();
      linhas << valores.join(u'|');
    }
    return linhas;
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  std::unique_ptr<TmVoxSMenu> FMenu;
  TnDMPowerParam *FProcesso = nullptr;
  TnFrmPowerParam *FForm = nullptr;
  std::unique_ptr<TnVisaoPowerParam> FVisao;
};

TEST_F(TelaConfiguracaoTeste, DeliveryIsConfiguredWithCtrlTAndSavedWithCtrlG) {
  Abrir(QStringLiteral("TmVoxDPConfiguracaoEntrega"));
  Executar(QStringLiteral("pCodigoEmpresa"), QStringLiteral("2"));
  EXPECT_EQ(FVisao->Paginas()->currentIndex(), 1);
  EXPECT_EQ(FVisao->Paginas()->tabText(1), QStringLiteral("Configuração da Forma de Entrega do Documento"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  ASSERT_EQ(tabela->model()->rowCount(), 3);

  // Enter walks from the company to the establishment.
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_Return);
  EXPECT_EQ(FForm->DBGrid()->SelectedField()->FieldName(), QStringLiteral("CODIGOESTAB"));

  // The second row, configured through the dialog of Ctrl+T.
  QTest::keyClick(tabela, Qt::Key_Down);
  FDialogos->ResponderCampos({{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("2")},
                              {QStringLiteral("Forma de Entrega"), QStringLiteral("3")}});
  QTest::keyClick(tabela, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(Celula(1, QStringLiteral("CODIGOGRUPODOC")), QStringLiteral("2"));
  EXPECT_EQ(Celula(1, QStringLiteral("FORMAENTREGA")), QStringLiteral("Entregue via Internet"));
  EXPECT_EQ(Celula(1, QStringLiteral("MESMOENDERECOENT")), QStringLiteral("Não"));
  EXPECT_TRUE(FProcesso->TemAlteracao());

  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(FDialogos->Textos().last(), QStringLiteral("Configuração gravada com sucesso!"));
  EXPECT_EQ(Gravados(QStringLiteral("select CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, FORMAENTREGA, "
                                    "MESMOENDERECOENT from CFGESTABPRO order by CODIGOEMPRESA, CODIGOESTAB")),
            (QStringList{"1|1|2|1|1", "2|2|2|3|0"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

TEST_F(TelaConfiguracaoTeste, TypedTypeTakesItsPlaceInCodeOrder) {
  Abrir(QStringLiteral("TmVoxDPConfiguradorTipoGrupo"));
  Executar(QStringLiteral("pCodigoGrupoDoc"), QStringLiteral("2"));
  EXPECT_EQ(FVisao->Paginas()->currentIndex(), 1);
  EXPECT_EQ(FVisao->Paginas()->tabText(1), QStringLiteral("Configurar Tipo em Grupos"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  ASSERT_EQ(tabela->model()->rowCount(), 2);
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_Insert);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(tabela, Qt::Key_Up);
  ASSERT_EQ(tabela->model()->rowCount(), 3);
  EXPECT_EQ(Celula(0, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("1"));
  EXPECT_EQ(Celula(1, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("2"));
  EXPECT_EQ(Celula(2, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("3"));
  EXPECT_EQ(Celula(1, QStringLiteral("DescrTipoDoc")), QStringLiteral("Folha de Pagamento e Recibos"));

  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_TRUE(FForm->BtnGravar()->Enabled());
}

// The row the user clicked is the one "Deletar Tipo" takes away, and no
// empty row is left behind.
TEST_F(TelaConfiguracaoTeste, DeletingTheClickedTypeTakesThatOne) {
  Abrir(QStringLiteral("TmVoxDPConfiguradorTipoGrupo"));
  Executar(QStringLiteral("pCodigoGrupoDoc"), QStringLiteral("1"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  ASSERT_EQ(tabela->model()->rowCount(), 4);
  const int coluna = FForm->DBGrid()->IndiceColuna(QStringLiteral("CODIGOTIPODOC"));
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, Qt::NoModifier,
                    tabela->visualRect(tabela->model()->index(1, coluna)).center());
  ASSERT_EQ(Celula(1, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("2"));
  QTest::keyClick(tabela, Qt::Key_Delete, Qt::ShiftModifier);
  ASSERT_EQ(tabela->model()->rowCount(), 3);
  EXPECT_EQ(Celula(0, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("1"));
  EXPECT_EQ(Celula(1, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("3"));
  EXPECT_EQ(Celula(2, QStringLiteral("CODIGOTIPODOC")), QStringLiteral("4"));
}

// Gravar clicked with the mouse saves what the grid holds.
TEST_F(TelaConfiguracaoTeste, TheGravarButtonSavesWhenClicked) {
  Abrir(QStringLiteral("TmVoxDPConfiguradorTipoGrupo"));
  Executar(QStringLiteral("pCodigoGrupoDoc"), QStringLiteral("2"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_Insert);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(tabela, Qt::Key_Up);
  QTest::qWait(400);  // the window reads the model's buttons on its own
  QAbstractButton *gravar = nullptr;
  for (QAbstractButton *botao : FVisao->findChildren<QAbstractButton *>())
    if (botao->isVisible() && (botao->text() == QStringLiteral("Gravar") || botao->toolTip().startsWith(QStringLiteral("Gravar"))))
      gravar = botao;
  ASSERT_NE(gravar, nullptr);
  ASSERT_TRUE(gravar->isEnabled());
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  QTest::mouseClick(gravar, Qt::LeftButton);
  EXPECT_EQ(Gravados(QStringLiteral("select CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC where CODIGOGRUPODOC = 2 "
                                    "order by CODIGOTIPODOC")).size(), 3);
}

}  // namespace
