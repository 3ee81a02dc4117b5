// "Documentos Pendentes" on screen, driven with the keyboard and the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "mVoxDPDocumentosPendentes_U.h"
#include "mVoxTelaProcessoTeste_U.h"

namespace {

class DocumentosPendentesTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    FProcesso = Mostrar<TmVoxDPDocumentosPendentes>(QStringLiteral("TmVoxDPDocumentosPendentes"));
    ASSERT_NE(FProcesso, nullptr);
  }
  void Digitar(const char *alias, const QString &texto) {
    QLineEdit *editor = FVisao->TextoParametro(QString::fromLatin1(alias));
    ASSERT_NE(editor, nullptr) << alias;
    editor->setFocus();
    QTest::keyClicks(editor, texto);
  }
  int IndiceColuna(const QString &titulo) {
    QAbstractItemModel *modelo = Tabela()->model();
    for (int c = 0; c < modelo->columnCount(); ++c)
      if (!Tabela()->isColumnHidden(c) && modelo->headerData(c, Qt::Horizontal).toString() == titulo) return c;
    return -1;
  }
  QStringList Coluna(int coluna) {
    QStringList textos;
    QAbstractItemModel *modelo = Tabela()->model();
    for (int linha = 0; linha < modelo->rowCount(); ++linha)
      textos << modelo->data(modelo->index(linha, coluna)).toString();
    return textos;
  }
  QPoint Celula(int linha, int coluna) {
    return Tabela()->visualRect(Tabela()->model()->index(linha, coluna)).center();
  }

  TmVoxDPDocumentosPendentes *FProcesso = nullptr;
};

TEST_F(DocumentosPendentesTelaTeste, TheUserListsMarksSortsAndSavesWithKeysAndMouse) {
  Digitar("pCompet", QStringLiteral("032026"));
  Digitar("pCodigoEmpresa", QStringLiteral("2"));
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  ASSERT_EQ(FVisao->Paginas()->tabText(FVisao->Paginas()->currentIndex()), QStringLiteral("Documentos Pendentes"));
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  // One company: no company or establishment column.
  EXPECT_EQ(IndiceColuna(QStringLiteral("Empresa")), -1);
  EXPECT_EQ(IndiceColuna(QStringLiteral("Filial")), -1);
  const int documento = IndiceColuna(QStringLiteral("Documento"));
  const int recebido = IndiceColuna(QStringLiteral("Recebido"));
  ASSERT_GE(documento, 0);
  ASSERT_GE(recebido, 0);
  EXPECT_EQ(Coluna(documento), (QStringList{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Coluna(recebido), QStringList(6, QStringLiteral("Não")));

  // Ctrl+M marks the current row; a double click marks another.
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_M, Qt::ControlModifier);
  // A double click on a row that is not the current one marks that row.
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, Celula(3, documento));
  EXPECT_EQ(Coluna(recebido), (QStringList{"Sim", "Não", "Não", "Sim", "Não", "Não"}));
  // Ctrl+Ins switches every row.
  QTest::keyClick(tabela, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Coluna(recebido), (QStringList{"Não", "Sim", "Sim", "Não", "Sim", "Sim"}));
  QTest::keyClick(tabela, Qt::Key_Insert, Qt::ControlModifier);

  // The title sorts descending on the second click.
  QHeaderView *titulos = tabela->horizontalHeader();
  const QPoint titulo(titulos->sectionViewportPosition(documento) + titulos->sectionSize(documento) / 2,
                      titulos->height() / 2);
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, titulo);
  EXPECT_EQ(Coluna(documento).first(), QStringLiteral("1"));
  QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {}, titulo);
  EXPECT_EQ(Coluna(documento), (QStringList{"6", "5", "4", "3", "2", "1"}));

  // Ctrl+G saves the two marked rows (1 and 4) for user 2.
  Dialogos().ResponderTexto(QStringLiteral("Sim"));
  Dialogos().ResponderCampos({{QStringLiteral("Usuário Responsável"), QStringLiteral("2")}});
  Dialogos().ResponderTexto(QStringLiteral("OK"));
  tabela->setFocus();
  QTest::keyClick(tabela, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGOUSUARIORESP = 2")), 2);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP in (1, 4)")), 2);
  EXPECT_EQ(tabela->model()->rowCount(), 4);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
