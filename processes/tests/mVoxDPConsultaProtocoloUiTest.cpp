// "Consulta de Protocolos Baixados/Recebidos" on screen, driven with the
// keyboard and the mouse.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "mVoxDPConsultaProtocoloBase_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "mVoxTelaProcessoTeste_U.h"

namespace {

class ConsultaProtocoloTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    const QVariant momento(QDateTime(QDate(2026, 11, 28), QTime(17, 5)));
    for (qint64 codigo : {30, 31})
      InserirProtocoloTeste({.Codigo = codigo, .Data = QDate(2026, 11, 2), .Entrega = momento, .Baixa = momento});
    // The register's form is "shown" by noting which protocol it holds.
    FModalAnterior = nSetExecutarFormModal([this](TnFrmVisual &form) {
      auto *dm = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
      FAbertos << Linhas(*dm->nClientDataSet, {"CODIGOPROTOCOLO"}).join(u',');
      form.Fechar(mrOk);
    });
    FConsulta = Mostrar<TmVoxDPConsultaProtocoloBase>(QStringLiteral("TmVoxDPConsultaProtocoloBaixado"));
    ASSERT_NE(FConsulta, nullptr);
  }
  void TearDown() override {
    nSetExecutarFormModal(FModalAnterior);
    TmVoxTelaProcessoTeste::TearDown();
  }

  TnExecutarFormModal FModalAnterior;
  QStringList FAbertos;
  TmVoxDPConsultaProtocoloBase *FConsulta = nullptr;
};

TEST_F(ConsultaProtocoloTelaTeste, TheUserTypesTheProtocolsRunsAndOpensOneByDoubleClickOrCtrlEnter) {
  QLineEdit *protocolos = FVisao->TextoParametro(QStringLiteral("pCodigoProtocolo"));
  ASSERT_NE(protocolos, nullptr);
  protocolos->setFocus();
  QTest::keyClicks(protocolos, QStringLiteral("30-31"));
  QTest::keyClick(protocolos, Qt::Key_F9);
  QTableView *tabela = Tabela();
  ASSERT_NE(tabela, nullptr);
  ASSERT_EQ(tabela->model()->rowCount(), 2);

  Dialogos().ResponderTexto(QStringLiteral("Ok"));
  const int linha31 = tabela->model()->index(0, 0).data().toString() == QLatin1String("31") ? 0 : 1;
  const QPoint celula = tabela->visualRect(tabela->model()->index(linha31, 0)).center();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  EXPECT_EQ(FAbertos, QStringList{"31"});
  EXPECT_EQ(Dialogos().Textos(),
            QStringList{QStringLiteral("As alterações feitas no cadastro somente serão visualizadas na consulta quando "
                                       "o processo for executado novamente.")});

  // Ctrl+Enter from the grid, on the other row; the reminder is not repeated.
  tabela->setFocus();
  QTest::keyClick(tabela, linha31 == 0 ? Qt::Key_Down : Qt::Key_Up);
  QTest::keyClick(tabela, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(FAbertos, (QStringList{"31", "30"}));
  EXPECT_FALSE(nDMConexao()->Selecao().TemParam(QStringLiteral("CODIGOPROTOCOLO")));
}

}  // namespace
