// "Configuração da Rota de Entrega" driven as a user drives it in the main
// window: the route typed and run with F9, clicks on the grid, the list's
// keys, the observation editor and the save's questions answered with the
// mouse. The sample office's route 1 stops at 2/1 and then 2/2; the test
// adds 1/1 as its third stop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "mVoxSMenu_U.h"
#include "nBancoTeste_U.h"
#include "nInstalarUi_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nVisaoPowerParam_U.h"

namespace {

// Runs `acao` on the next modal window once it is up (a message box, the
// observation editor), from inside its event loop.
void NaProximaJanelaModal(std::function<void(QWidget *)> acao, int tentativas = 200) {
  QTimer::singleShot(10, [acao = std::move(acao), tentativas]() mutable {
    QWidget *janela = QApplication::activeModalWidget();
    if (janela && janela->isVisible()) {
      acao(janela);
    } else if (tentativas > 0) {
      NaProximaJanelaModal(std::move(acao), tentativas - 1);
    } else {
      ADD_FAILURE() << "nenhuma janela modal apareceu";
    }
  });
}

void ClicarBotao(QWidget *janela, const QString &texto) {
  for (QAbstractButton *botao : janela->findChildren<QAbstractButton *>())
    if (botao->text() == texto && botao->isVisible()) {
      QTest::mouseClick(botao, Qt::LeftButton);
      return;
    }
  ADD_FAILURE() << "botão ausente: " << texto.toStdString();
}

// Types a text as a keyboard does, accented letters included (QTest's own
// typing knows ASCII only).
void Digitar(QWidget *alvo, const QString &texto) {
  for (const QChar c : texto) {
    if (c.unicode() < 128) {
      QTest::keyClick(alvo, c.toLatin1());
    } else {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(alvo, &press);
    }
  }
}

class TelaRotaEntrega : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTAENTREGA (CODIGOROTA, SEQROTA, CODIGOEMPRESA, "
                                     "CODIGOESTAB, OBSERVACAO) values (1, 3, 1, 1, 'Matriz')"));
    nInstalarUi();
    FMenu = std::make_unique<TmVoxSMenu>();
    // As the program does: forms open in the main window's MDI area.
    nSetMostrarNaJanelaPrincipal(
        [menu = FMenu.get()](QWidget *visao, TnFrmVisual *form) { menu->MostrarNaAreaMdi(visao, form); });
    FMenu->AbriPacotes();
    FMenu->ConfigurarVisualMenu();
    FMenu->show();
    QApplication::setActiveWindow(FMenu.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(FMenu.get()));
    FMenu->AbrirClasse(QStringLiteral("TmVoxDPConfigurarRotaEntrega"));
    for (TnVisaoForm *visao : TnVisaoForm::Visoes())
      if (auto *processo = dynamic_cast<TnVisaoPowerParam *>(visao)) FVisao = processo;
    ASSERT_NE(FVisao, nullptr);
    FTabela = FVisao->findChild<QTableView *>();
    ASSERT_NE(FTabela, nullptr);
  }
  void TearDown() override {
    FMenu->AreaMdi()->closeAllSubWindows();
    QCoreApplication::processEvents();
    TnRegistro::Instancia().DestruirTodos();
    FMenu->Pacotes().DescarregarPacotes();
    nSetMostrarNaJanelaPrincipal(nullptr);
    FMenu.reset();
    nDesinstalarUi();
    TnBancoTeste::TearDown();
  }
  QString Celula(int linha, int coluna) {
    return FTabela->model()->index(linha, coluna).data(Qt::DisplayRole).toString();
  }
  QStringList Coluna(int coluna) {
    QStringList valores;
    for (int linha = 0; linha < FTabela->model()->rowCount(); ++linha) valores << Celula(linha, coluna);
    return valores;
  }
  void ClicarCelula(int linha, int coluna) {
    const QModelIndex indice = FTabela->model()->index(linha, coluna);
    QTest::mouseClick(FTabela->viewport(), Qt::LeftButton, {}, FTabela->visualRect(indice).center());
  }
  QStringList Gravadas() {
    std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(QStringLiteral(
        "select SEQROTA, CODIGOEMPRESA, CODIGOESTAB, OBSERVACAO from PROTOCOLOROTAENTREGA where CODIGOROTA = 1 "
        "order by SEQROTA"));
    QStringList linhas;
    for (dados->First(); !dados->Eof(); dados->Next())
      linhas << QStringLiteral("%1|%2/%3|%4")
                    .arg(dados->FieldByName(QStringLiteral("SEQROTA"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOESTAB"))->AsString(),
                         dados->FieldByName(QStringLiteral("OBSERVACAO"))->AsString());
    return linhas;
  }

  TnParamsSalvosTeste FParams;
  std::unique_ptr<TmVoxSMenu> FMenu;
  TnVisaoPowerParam *FVisao = nullptr;
  QTableView *FTabela = nullptr;
};

// Columns: Sequência, Empresa, Nome Empresa, Filial, Nome Filial, Obs.
TEST_F(TelaRotaEntrega, TheUserLoadsReordersAnnotatesAndSavesARoute) {
  QLineEdit *rota = FVisao->TextoParametro(QStringLiteral("pCodigoRota"));
  ASSERT_NE(rota, nullptr);
  QTest::mouseClick(rota, Qt::LeftButton);
  ASSERT_TRUE(rota->hasFocus());
  QTest::keyClicks(rota, QStringLiteral("1"));
  QTest::keyClick(rota, Qt::Key_F9);
  ASSERT_EQ(FTabela->model()->rowCount(), 3);
  EXPECT_EQ(Coluna(3), (QStringList{"1", "2", "1"}));
  EXPECT_EQ(Celula(1, 4), QStringLiteral("Pão Quente Campinas"));

  // The second stop goes first, then down again, the cursor with it.
  ClicarCelula(1, 0);
  QTest::keyClick(FTabela, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Coluna(1), (QStringList{"2", "2", "1"}));
  EXPECT_EQ(Coluna(3), (QStringList{"2", "1", "1"}));
  EXPECT_EQ(Coluna(0), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(FTabela->currentIndex().row(), 0);
  QTest::keyClick(FTabela, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Coluna(3), (QStringList{"1", "2", "1"}));
  EXPECT_EQ(FTabela->currentIndex().row(), 1);
  QTest::keyClick(FTabela, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(FTabela->currentIndex().row(), 0);

  // Its observation, in two lines, closed with Esc.
  NaProximaJanelaModal([](QWidget *janela) {
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Digite a observação:"));
    auto *memo = janela->findChild<QPlainTextEdit *>();
    ASSERT_NE(memo, nullptr);
    memo->selectAll();
    Digitar(memo, QStringLiteral("Portão azul"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("tocar duas vezes"));
    QTest::keyClick(memo, Qt::Key_Escape);
  });
  QTest::keyClick(FTabela, Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Celula(0, 5), QStringLiteral("Portão azul  tocar duas veze"));

  // Gravar: "Sim", then the notice.
  NaProximaJanelaModal([](QWidget *pergunta) {
    NaProximaJanelaModal([](QWidget *aviso) { ClicarBotao(aviso, QStringLiteral("OK")); });
    ClicarBotao(pergunta, QStringLiteral("Sim"));
  });
  QTest::keyClick(FTabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Gravadas(), (QStringList{"1|2/2|Portão azul\n\ntocar duas vezes",
                                     "2|2/1|Entregar na recepção, aos cuidados da Sra. Luíza.", "3|1/1|Matriz"}));
}

}  // namespace
