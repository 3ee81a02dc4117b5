// The box consultations and the document consultation on screen, driven with
// the keyboard and the mouse, on the archive of mVoxArquivoTeste_U.h.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "mVoxArquivoTeste_U.h"
#include "mVoxDPConsultaDocumento_U.h"
#include "mVoxDPConsultaDocumentosCaixa_U.h"
#include "mVoxDPConsultaProtocoloLocalCaixas_U.h"
#include "mVoxTelaProcessoTeste_U.h"

namespace {

class ConsultaCaixasTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    InserirArquivoTeste();
  }
  // Types into a parameter's box, replacing what it held.
  void Digitar(const QString &alias, const QString &texto) {
    QLineEdit *editor = FVisao->TextoParametro(alias);
    ASSERT_NE(editor, nullptr) << alias.toStdString();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    if (!texto.isEmpty()) QTest::keyClicks(editor, texto);
  }
  void Executar(const QString &alias) { QTest::keyClick(FVisao->TextoParametro(alias), Qt::Key_F9); }
  QTableView *TabelaDe(const QString &grid) const {
    auto *visao = dynamic_cast<TnVisaoGrid *>(FVisao->findChild<QWidget *>(grid));
    return visao ? visao->Tabela() : nullptr;
  }
  static QStringList Coluna(QTableView *tabela, int coluna) {
    QStringList valores;
    for (int linha = 0; linha < tabela->model()->rowCount(); ++linha)
      valores << tabela->model()->index(linha, coluna).data().toString();
    return valores;
  }
  static void Clicar(QTableView *tabela, int linha) {
    const QPoint celula = tabela->visualRect(tabela->model()->index(linha, 0)).center();
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  }
  QString Editor(const QString &nome) const {
    auto *linha = FVisao->findChild<QLineEdit *>(nome);
    return linha ? linha->text() : QStringLiteral("<sem editor>");
  }
};

TEST_F(ConsultaCaixasTelaTeste, TheUserListsACompanysEnvelopesAndTheFrameFollowsClicksAndKeys) {
  ASSERT_NE(Mostrar<TmVoxDPConsultaDocumentosCaixa>(QStringLiteral("TmVoxDPConsultaDocumentosCaixa")), nullptr);
  Digitar(QStringLiteral("pCodigoEmpresa"), QStringLiteral("2;7"));
  Executar(QStringLiteral("pCodigoEmpresa"));
  auto *abas = FVisao->findChild<QTabWidget *>();
  ASSERT_NE(abas, nullptr);
  EXPECT_EQ(abas->tabText(abas->currentIndex()), QStringLiteral("Documentos por Caixa"));

  QTableView *envelopes = Tabela();
  QTableView *docs = TabelaDe(QStringLiteral("nDBGridDocs"));
  QTableView *movs = TabelaDe(QStringLiteral("nDBGridMovs"));
  QTableView *prot = TabelaDe(QStringLiteral("nDBGridProt"));
  ASSERT_TRUE(envelopes && docs && movs && prot);
  ASSERT_EQ(Coluna(envelopes, 0), (QStringList{"10", "10", "11"}));
  EXPECT_EQ(Editor(QStringLiteral("nDBEditEmp")), QStringLiteral("0007 - Ótica Visão Clara Ltda"));
  EXPECT_EQ(Editor(QStringLiteral("nDBEditPer")), QStringLiteral("01/01/2026 a 01/06/2026"));
  EXPECT_EQ(Coluna(docs, 0), (QStringList{"100", "101"}));
  EXPECT_EQ(Coluna(movs, 1), (QStringList{"Recebida do cliente", "Levada ao contador"}));
  EXPECT_EQ(Coluna(prot, 0), (QStringList{"50", "51"}));

  // The second document: nothing moved or carried it.
  Clicar(docs, 1);
  EXPECT_EQ(movs->model()->rowCount(), 0);
  EXPECT_EQ(prot->model()->rowCount(), 0);

  // The third envelope with the mouse, back to the second with the keyboard.
  Clicar(envelopes, 2);
  EXPECT_EQ(Editor(QStringLiteral("nDBEditEnv")), QStringLiteral("Extratos"));
  EXPECT_EQ(Editor(QStringLiteral("nDBEditLoc")), QStringLiteral("001 - Arquivo - Sala 3, Estante A"));
  EXPECT_EQ(Editor(QStringLiteral("nDBEditPer")), QStringLiteral("01/07/2026"));
  EXPECT_EQ(Coluna(docs, 0), QStringList{"103"});
  EXPECT_EQ(Coluna(prot, 0), QStringList{"51"});
  envelopes->setFocus();
  QTest::keyClick(envelopes, Qt::Key_Up);
  EXPECT_EQ(Editor(QStringLiteral("nDBEditEnv")), QStringLiteral("Folha do semestre"));
  EXPECT_EQ(Coluna(docs, 0), QStringList{"102"});
  EXPECT_EQ(Coluna(movs, 1), QStringList{"Recebida"});
  // The frame's editors only show.
  auto *empresa = FVisao->findChild<QLineEdit *>(QStringLiteral("nDBEditEmp"));
  ASSERT_NE(empresa, nullptr);
  EXPECT_TRUE(empresa->isReadOnly());
  EXPECT_TRUE(Dialogos().Textos().isEmpty());
}

TEST_F(ConsultaCaixasTelaTeste, ABadSelectionIsToldInPortugueseAndTheListStaysAsItWas) {
  ASSERT_NE(Mostrar<TmVoxDPConsultaDocumentosCaixa>(QStringLiteral("TmVoxDPConsultaDocumentosCaixa")), nullptr);
  Executar(QStringLiteral("pCodigoCaixaPro"));
  ASSERT_EQ(Tabela()->model()->rowCount(), 3);
  auto *abas = FVisao->findChild<QTabWidget *>();
  QTest::mouseClick(abas->tabBar(), Qt::LeftButton, {}, abas->tabBar()->tabRect(0).center());
  Digitar(QStringLiteral("pCodigoCaixaPro"), QStringLiteral("10 e 11"));
  Dialogos().ResponderTexto(QStringLiteral("OK"));
  Executar(QStringLiteral("pCodigoCaixaPro"));
  ASSERT_EQ(Dialogos().Textos().size(), 1);
  EXPECT_TRUE(Dialogos().Textos().first().contains(QStringLiteral("inválid")))
      << Dialogos().Textos().first().toStdString();
}

TEST_F(ConsultaCaixasTelaTeste, TheUserListsTheBoxesOfAPeriodAndOfALocation) {
  ASSERT_NE(Mostrar<TmVoxDPConsultaProtocoloLocalCaixas>(QStringLiteral("TmVoxDPConsultaProtocoloLocalCaixas")),
            nullptr);
  Digitar(QStringLiteral("pDataFinal"), QStringLiteral("30062026"));
  Executar(QStringLiteral("pDataFinal"));
  QTableView *caixas = Tabela();
  ASSERT_NE(caixas, nullptr);
  EXPECT_EQ(Coluna(caixas, 3), (QStringList{"10", "12"}));
  EXPECT_EQ(caixas->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Competência Inicial"));

  Digitar(QStringLiteral("pDataFinal"), QString());
  Digitar(QStringLiteral("pCodigoLocal"), QStringLiteral("1"));
  Executar(QStringLiteral("pCodigoLocal"));
  EXPECT_EQ(Coluna(caixas, 3), (QStringList{"1", "11", "12"}));
  EXPECT_TRUE(Dialogos().Textos().isEmpty());
}

TEST_F(ConsultaCaixasTelaTeste, TheDocumentConsultationAsksForItsCriteriaAndShowsNoRows) {
  auto *consulta = Mostrar<TmVoxDPConsultaDocumento>(QStringLiteral("TmVoxDPConsultaDocumento"));
  ASSERT_NE(consulta, nullptr);
  // Without the documents the framework's check refuses the run.
  Dialogos().ResponderTexto(QStringLiteral("OK"));
  Executar(QStringLiteral("pCodigoDocumento"));
  ASSERT_EQ(Dialogos().Textos().size(), 1);
  EXPECT_TRUE(Dialogos().Textos().first().contains(QStringLiteral("Documento")));
  Digitar(QStringLiteral("pCodigoDocumento"), QStringLiteral("100-104"));
  // The place type is chosen with the keyboard.
  auto *tipo = qobject_cast<QComboBox *>(FVisao->EditorParametro(QStringLiteral("pTipoLocal")));
  ASSERT_NE(tipo, nullptr);
  tipo->setFocus();
  for (int i = 0; i < 4 && tipo->currentText() != QLatin1String("Externo"); ++i) QTest::keyClick(tipo, Qt::Key_Down);
  ASSERT_EQ(tipo->currentText(), QStringLiteral("Externo"));
  Executar(QStringLiteral("pCodigoDocumento"));
  EXPECT_EQ(consulta->CodigoDocumento(), QStringLiteral("100-104"));
  EXPECT_EQ(consulta->TipoLocal(), 2);
  EXPECT_EQ(Dialogos().Textos().size(), 1);
  QTableView *grade = Tabela();
  if (grade) EXPECT_EQ(grade->model()->rowCount(), 0);
}

}  // namespace
