// "Consulta de Protocolos Baixados/Recebidos" on screen, driven with the
// keyboard and the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>
#include <optional>

#include "mVoxDPConsultaProtocoloBase_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nInstalarUi_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nVisaoGrid_U.h"
#include "nVisaoPowerParam_U.h"

namespace {

class ConsultaProtocoloTelaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    const QVariant momento(QDateTime(QDate(2026, 11, 28), QTime(17, 5)));
    for (qint64 codigo : {30, 31})
      InserirProtocoloTeste({.Codigo = codigo, .Data = QDate(2026, 11, 2), .Entrega = momento, .Baixa = momento});
    nInstalarUi();
    FDialogos.emplace();
    // The register's form is "shown" by noting which protocol it holds.
    FModalAnterior = nSetExecutarFormModal([this](TnFrmVisual &form) {
      auto *dm = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
      FAbertos << Linhas(*dm->nClientDataSet, {"CODIGOPROTOCOLO"}).join(u',');
      form.Fechar(mrOk);
    });
    FConsulta =
        dynamic_cast<TmVoxDPConsultaProtocoloBase *>(CriarDM(QStringLiteral("TmVoxDPConsultaProtocoloBaixado")));
    ASSERT_NE(FConsulta, nullptr);
    FVisao = std::make_unique<TnVisaoPowerParam>(FConsulta->CriarForm());
    FVisao->show();
    QApplication::setActiveWindow(FVisao.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  }
  void TearDown() override {
    FVisao.reset();
    nSetExecutarFormModal(FModalAnterior);
    FDialogos.reset();
    nDesinstalarUi();
    TmVoxCadastroTeste::TearDown();
  }

  QTableView *Tabela() {
    auto *grid = dynamic_cast<TnVisaoGrid *>(FVisao->findChild<QWidget *>(QStringLiteral("nDBGrid")));
    return grid ? grid->Tabela() : nullptr;
  }

  TnParamsSalvosTeste FParams;
  std::optional<TnDialogosTeste> FDialogos;
  TnExecutarFormModal FModalAnterior;
  QStringList FAbertos;
  TmVoxDPConsultaProtocoloBase *FConsulta = nullptr;
  std::unique_ptr<TnVisaoPowerParam> FVisao;
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

  (*FDialogos)->ResponderTexto(QStringLiteral("Ok"));
  const int linha31 = tabela->model()->index(0, 0).data().toString() == QLatin1String("31") ? 0 : 1;
  const QPoint celula = tabela->visualRect(tabela->model()->index(linha31, 0)).center();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  EXPECT_EQ(FAbertos, QStringList{"31"});
  EXPECT_EQ((*FDialogos)->Textos(),
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
