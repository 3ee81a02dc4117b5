// "Baixar Protocolo" on screen, driven with the keyboard and the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTabWidget>

#include "mVoxDPBaixarProtocolo_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "mVoxTelaProcessoTeste_U.h"
#include "npqParamItem_U.h"

namespace {

class BaixarProtocoloTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    for (const TnProtocoloTeste &p : {TnProtocoloTeste{.Codigo = 10, .Data = QDate(2026, 11, 10)},
                                      TnProtocoloTeste{.Codigo = 11, .Estab = 2, .Data = QDate(2026, 11, 12)},
                                      TnProtocoloTeste{.Codigo = 12, .Data = QDate(2026, 11, 20)}})
      InserirProtocoloTeste(p);
    FProcesso = Mostrar<TmVoxDPBaixarProtocolo>(QStringLiteral("TmVoxDPBaixarProtocolo"));
    ASSERT_NE(FProcesso, nullptr);
  }

  QPoint Celula(int linha, int coluna) {
    return Tabela()->visualRect(Tabela()->model()->index(linha, coluna)).center();
  }

  TmVoxDPBaixarProtocolo *FProcesso = nullptr;
};

TEST_F(BaixarProtocoloTelaTeste, TheUserListsMarksSortsAndWithdrawsWithKeysAndMouse) {
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  ASSERT_EQ(FVisao->Paginas()->tabText(FVisao->Paginas()->currentIndex()), QStringLiteral("Protocolos a Baixar"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  const int protocolo = IndiceColuna(QStringLiteral("Protocolo"));
  const int baixar = IndiceColuna(QStringLiteral("Baixar"));
  ASSERT_GE(protocolo, 0);
  ASSERT_GE(baixar, 0);
  EXPECT_EQ(Coluna(protocolo), (QStringList{"10", "11", "12"}));
  EXPECT_EQ(Coluna(baixar), (QStringList{"Não", "Não", "Não"}));

  // The run leaves the keyboard on the list: Enter on the second row marks
  // it; a double click on the first marks it.
  EXPECT_TRUE(tabela->hasFocus());
  QTest::keyClick(tabela, Qt::Key_Down);
  QTest::keyClick(tabela, Qt::Key_Return);
  EXPECT_EQ(Coluna(baixar), (QStringList{"Não", "Sim", "Não"}));
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(0, protocolo));
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, Celula(0, protocolo));
  EXPECT_EQ(Coluna(baixar), (QStringList{"Sim", "Sim", "Não"}));

  // The title sorts ascending, then descending.
  QHeaderView *titulos = tabela->horizontalHeader();
  const QPoint titulo(titulos->sectionViewportPosition(protocolo) + titulos->sectionSize(protocolo) / 2,
                      titulos->height() / 2);
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, titulo);
  EXPECT_EQ(Coluna(protocolo), (QStringList{"10", "11", "12"}));
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, titulo);
  EXPECT_EQ(Coluna(protocolo), (QStringList{"12", "11", "10"}));

  // Ctrl+Ins marks every row.
  QTest::keyClick(tabela, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Coluna(baixar), (QStringList{"Sim", "Sim", "Sim"}));
  EXPECT_EQ(FProcesso->nClientDataSet().RecordCount(), 3);

  // Ctrl+G withdraws them: one question per establishment.
  Dialogos().ResponderCampos({{QStringLiteral("Responsável Recebimento"), QStringLiteral("João")}});
  Dialogos().ResponderCampos({{QStringLiteral("Responsável Recebimento"), QStringLiteral("Ana")}});
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(tabela->model()->rowCount(), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("DATAHORABAIXA is not null")), 3);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Enter on an empty list tells the user, and adds no row.
TEST_F(BaixarProtocoloTelaTeste, EnterOnAnEmptyListIsRefusedWithAMessage) {
  FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoProtocolo"))->SetAsString(QStringLiteral("99"));
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  Dialogos().Responder(0);
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_Return);
  EXPECT_EQ(Dialogos().Textos(), QStringList{QStringLiteral("Não é permitido inserir registros.")});
  EXPECT_EQ(tabela->model()->rowCount(), 0);
}

}  // namespace
