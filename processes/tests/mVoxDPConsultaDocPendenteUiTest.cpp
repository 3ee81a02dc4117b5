// "Consulta de Documentos Pendentes" on screen, driven with the keyboard and
// the mouse.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "mVoxDPConsultaDocPendente_U.h"
#include "mVoxTelaProcessoTeste_U.h"

namespace {

class ConsultaDocPendenteTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    FConsulta = Mostrar<TmVoxDPConsultaDocPendente>(QStringLiteral("TmVoxDPConsultaDocPendente"));
    ASSERT_NE(FConsulta, nullptr);
  }
  QStringList Titulos() {
    QStringList titulos;
    QAbstractItemModel *modelo = Tabela()->model();
    for (int c = 0; c < modelo->columnCount(); ++c) titulos << modelo->headerData(c, Qt::Horizontal).toString();
    return titulos;
  }
  QStringList Linha(int linha) {
    QStringList textos;
    QAbstractItemModel *modelo = Tabela()->model();
    for (int c = 0; c < modelo->columnCount(); ++c) textos << modelo->index(linha, c).data().toString();
    return textos;
  }

  TmVoxDPConsultaDocPendente *FConsulta = nullptr;
};

TEST_F(ConsultaDocPendenteTelaTeste, TheUserPicksMonthPeriodAndCompanyAndReadsThePendingDocuments) {
  QLineEdit *compet = FVisao->TextoParametro(QStringLiteral("pCompet"));
  ASSERT_NE(compet, nullptr);
  compet->setFocus();
  QTest::keyClicks(compet, QStringLiteral("032026"));
  QTest::keyClick(compet, Qt::Key_Tab);
  QLineEdit *empresa = FVisao->TextoParametro(QStringLiteral("pCodigoEmpresa"));
  ASSERT_NE(empresa, nullptr);
  empresa->setFocus();
  QTest::keyClicks(empresa, QStringLiteral("1"));
  QTest::keyClick(empresa, Qt::Key_F9);

  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  EXPECT_EQ(Titulos(), (QStringList{"Empresa", "Filial", "Documento", "Descrição", "Data Lcto", "Tipo Documento"}));
  ASSERT_EQ(tabela->model()->rowCount(), 2);
  EXPECT_EQ(Linha(0), (QStringList{"1", "1", "1", "Guias de Impostos", "01/03/2026", "1"}));
  EXPECT_EQ(Linha(1), (QStringList{"1", "1", "2", "Balancete Trimestral", "01/03/2026", "3"}));

  // Back on the parameters, "Quinzenal" leaves nothing pending.
  FVisao->Paginas()->setCurrentIndex(0);
  auto *periodo = qobject_cast<QComboBox *>(FVisao->EditorParametro(QStringLiteral("pTipoPeriodo")));
  ASSERT_NE(periodo, nullptr);
  periodo->setFocus();
  QTest::keyClick(periodo, Qt::Key_Down);
  QTest::keyClick(periodo, Qt::Key_Down);
  EXPECT_EQ(periodo->currentText(), QStringLiteral("Quinzenal"));
  QTest::keyClick(periodo, Qt::Key_F9);
  EXPECT_EQ(Tabela()->model()->rowCount(), 0);
}

}  // namespace
