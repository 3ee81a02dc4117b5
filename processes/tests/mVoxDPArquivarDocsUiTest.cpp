// "Arquivar Documentos" on screen, driven with the keyboard and the mouse.
#include <gtest/gtest.h>

#include <QBrush>
#include <QLineEdit>
#include <QTabWidget>

#include "mVoxDPArquivarDocs_U.h"
#include "mVoxTelaProcessoTeste_U.h"
#include "npqParamItem_U.h"

namespace {

// Box 1 of the sample office (establishment 2/1, envelope 1) holds document
// 303; 301 and 302 are filed nowhere.
class ArquivarDocsTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    Documento(301, 3, QStringLiteral("0"));
    Documento(302, 4, QStringLiteral("0"));
    Documento(303, 1, QStringLiteral("1"));
    ExecutarSQLDireto(
        QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) "
                       "values (1, 1, 303)"));
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                     "TIPOLOCAL, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, ORIGEMDADO) values (303, 1, "
                                     "'Arquivado em 01/12/2026 10:00:00  -  Caixa 1', '1', :d, :h, 1, 2)"),
                      {QDate(2026, 11, 3), QDateTime(QDate(2026, 12, 1), QTime(10, 0))});
    FProcesso = Mostrar<TmVoxDPArquivarDocs>(QStringLiteral("TmVoxDPArquivarDocs"));
    ASSERT_NE(FProcesso, nullptr);
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoCaixaPro"))->SetAsString(QStringLiteral("1"));
    FProcesso->npqPowerParam().Param(QStringLiteral("pSomenteArq"))->SetAsString(QStringLiteral("0"));
  }
  static void Documento(qint64 codigo, int tipo, const QString &arquivado) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, :t, 2, 1, :d, "
                                     "'Documento', :a)"),
                      {codigo, tipo, QDate(2026, 11, 3), arquivado});
  }
  using TmVoxTelaProcessoTeste::Coluna;
  QStringList Coluna(const QString &titulo) const { return Coluna(IndiceColuna(titulo)); }
  QPoint Celula(int linha, const QString &titulo) {
    return Tabela()->visualRect(Tabela()->model()->index(linha, IndiceColuna(titulo))).center();
  }
  QColor Cor(int linha) {
    QAbstractItemModel *modelo = Tabela()->model();
    return modelo->data(modelo->index(linha, IndiceColuna(QStringLiteral("Status"))), Qt::ForegroundRole)
        .value<QBrush>()
        .color();
  }

  TmVoxDPArquivarDocs *FProcesso = nullptr;
};

TEST_F(ArquivarDocsTelaTeste, TheUserMarksWithKeysAndMouseAndSavesFilingAndRemoving) {
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  ASSERT_EQ(FVisao->Paginas()->tabText(FVisao->Paginas()->currentIndex()), QStringLiteral("Documentos por Caixa"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  EXPECT_EQ(Coluna(QStringLiteral("Documento")), (QStringList{"303", "301", "302"}));
  EXPECT_EQ(Coluna(QStringLiteral("Envelope")), (QStringList{"1", "2", "2"}));
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "Não Arquivado", "Não Arquivado"}));

  // Ctrl+M on the second row, a double click on the third.
  tabela->setFocus();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(1, QStringLiteral("Documento")));
  QTest::keyClick(tabela, Qt::Key_M, Qt::ControlModifier);
  // A double click on a row that is not the current one marks that row.
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, Celula(2, QStringLiteral("Documento")));
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "A Arquivar", "A Arquivar"}));
  // Ctrl+M leaves a filed row alone; Ctrl+R marks it to come out.
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(0, QStringLiteral("Documento")));
  QTest::keyClick(tabela, Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Coluna(QStringLiteral("Status")).first(), QStringLiteral("Arquivado"));
  QTest::keyClick(tabela, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"A Remover", "A Arquivar", "A Arquivar"}));
  // The row's text takes the state's colour (the current row is drawn apart).
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(0, QStringLiteral("Envelope")));
  EXPECT_EQ(Cor(1), QColor(0, 128, 0));

  // Ctrl+G: the shared envelope 2 is new to the box, its description asked.
  Dialogos().ResponderTexto(QStringLiteral("OK"));
  Dialogos().ResponderTexto(QStringLiteral("Diversos"));
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Dialogos().Textos().value(0), QStringLiteral("Envelope 2 não cadastrado para caixa 1!"));
  EXPECT_EQ(Coluna(QStringLiteral("Documento")), (QStringList{"303", "301", "302"}));
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Não Arquivado", "Arquivado", "Arquivado"}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOENVELOPE = 2")), 2);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 303")), 0);
  EXPECT_EQ(Cor(1), QColor(0, 0, 255));
}

// A save the database refuses leaves the marks on screen: Ctrl+G again, once
// the database takes it, files the same rows.
TEST_F(ArquivarDocsTelaTeste, ARefusedSaveKeepsTheMarksOnScreenForTheNextCtrlG) {
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  tabela->setFocus();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(1, QStringLiteral("Documento")));
  QTest::keyClick(tabela, Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "A Arquivar", "Não Arquivado"}));

  FalharAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  Dialogos().SetAceitarMensagens(true);
  Dialogos().ResponderTexto(QStringLiteral("Diversos"));
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  VoltarAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  EXPECT_TRUE(Dialogos().Textos().value(2).startsWith(QStringLiteral("O banco de dados recusou a operação")))
      << Dialogos().Textos().join(QStringLiteral(" / ")).toStdString();
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "A Arquivar", "Não Arquivado"}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO")), 1);

  Dialogos().ResponderTexto(QStringLiteral("Diversos"));
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "Arquivado", "Não Arquivado"}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 301")), 1);
}

// Typing over a filed row: the refusal once per attempt, the cell back on
// the stored document, and the next Enter goes on without a message.
TEST_F(ArquivarDocsTelaTeste, TypingOverAFiledRowIsRefusedOnceAndTheCellShowsItsValueAgain) {
  Dialogos().SetAceitarMensagens(true);
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  tabela->setFocus();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, Celula(0, QStringLiteral("Documento")));
  QTest::keyClicks(tabela, QStringLiteral("7"));
  auto *editor = tabela->viewport()->findChild<QLineEdit *>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(Dialogos().Textos(), QStringList{QStringLiteral("Impossivel alterar documento arquivado!")});
  EXPECT_EQ(editor->text(), QStringLiteral("303"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(Dialogos().Textos().size(), 1);
  EXPECT_EQ(Coluna(QStringLiteral("Documento")), (QStringList{"303", "301", "302"}));
  EXPECT_EQ(Coluna(QStringLiteral("Status")), (QStringList{"Arquivado", "Não Arquivado", "Não Arquivado"}));
}

// An unknown box typed and left: no message yet; the run asks the one
// question whether to register it.
TEST_F(ArquivarDocsTelaTeste, AnUnknownBoxGetsTheRegisterQuestionOnlyOnce) {
  QLineEdit *caixa = FVisao->TextoParametro(QStringLiteral("pCodigoCaixaPro"));
  ASSERT_NE(caixa, nullptr);
  caixa->setFocus();
  caixa->selectAll();
  QTest::keyClicks(caixa, QStringLiteral("99"));
  QTest::keyClick(caixa, Qt::Key_Tab);
  EXPECT_TRUE(Dialogos().Textos().isEmpty());
  Dialogos().ResponderTexto(QStringLiteral("Não"));
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  EXPECT_EQ(Dialogos().Textos(), QStringList{QStringLiteral("A caixa informada não foi encontrada!\r\nDeseja cadastrar?")});
  ASSERT_NE(Tabela(), nullptr);
  EXPECT_EQ(Tabela()->model()->rowCount(), 0);
}

}  // namespace
