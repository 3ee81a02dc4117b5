// The company documents' window as the user drives it from the main window:
// the "Arquivado" mark beside the document number, the movement grid under
// the document, and Ctrl+N on the last movement opening the individual
// protocol modally, whose number the grid then shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "mVoxSMenu_U.h"
#include "nBancoTeste_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDialogosTeste_U.h"
#include "nInstalarUi_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nVisaoForm_U.h"
#include "nVisaoPowerParam_U.h"

namespace {

// Runs `acao` on the next modal window to open, from inside its event loop;
// gives up after two seconds.
void AoAbrirModal(std::function<void(QWidget *janela)> acao) {
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  auto tentar = std::make_shared<std::function<void()>>();
  *tentar = [acao = std::move(acao), relogio, tentar] {
    QWidget *janela = QApplication::activeModalWidget();
    if (janela && janela->isVisible()) {
      acao(janela);
      *tentar = nullptr;
      return;
    }
    if (relogio->elapsed() < 2000) QTimer::singleShot(10, *tentar);
  };
  QTimer::singleShot(0, *tentar);
}

// Document 1 of establishment 2/1 went to the fiscal department, then out
// to the client; document 2 is filed in an envelope.
class DocumentosTelaTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    for (int doc : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                       "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, 1, 2, 1, :d, "
                                       ":s, :a)"),
                        {doc, QDate(2026, 11, 10 + doc), QStringLiteral("Guias %1").arg(doc),
                         doc == 2 ? QStringLiteral("1") : QStringLiteral("0")});
    for (int seq : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                       "TIPOLOCAL, CODIGODPTOESCRIT, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, ORIGEMDADO) "
                                       "values (1, :s, :o, :t, :d, :l, :h, 1, 2)"),
                        {seq, seq == 1 ? QStringLiteral("Recebido") : QStringLiteral("Enviado ao cliente"),
                         seq == 1 ? QStringLiteral("1") : QStringLiteral("2"),
                         seq == 1 ? QVariant(1) : QVariant(QMetaType(QMetaType::Int)), QDate(2026, 11, 11),
                         QDateTime(QDate(2026, 11, 11), QTime(8, 0))});
    nInstalarUi();
    FDialogos.emplace();
    FMenu = std::make_unique<TmVoxSMenu>();
    FMenu->AbriPacotes();
    FMenu->ConfigurarVisualMenu();
    FMenu->show();
    QApplication::setActiveWindow(FMenu.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(FMenu.get()));
    FMenu->AbrirClasse(QStringLiteral("TmVoxDMProtocoloDocEmp"));
    const QList<TnDataModule *> docs = TnRegistro::Instancia().Instancias(QStringLiteral("TmVoxDMProtocoloDocEmp"));
    ASSERT_EQ(docs.size(), 1);
    FDoc = dynamic_cast<TnDMClientDataSet *>(docs.first());
    ASSERT_NE(FDoc, nullptr);
    ASSERT_EQ(FDoc->Detalhes().size(), 1);
    FMov = FDoc->Detalhes().first();
    ASSERT_NE(FMov->Form(), nullptr);
    FVisaoMov = TnVisaoForm::VisaoDe(FMov->Form());
    ASSERT_NE(FVisaoMov, nullptr);
    FGrade = FVisaoMov->findChild<QTableView *>();
    ASSERT_NE(FGrade, nullptr);
  }
  void TearDown() override {
    if (FMenu) FMenu->AreaMdi()->closeAllSubWindows();
    QCoreApplication::processEvents();
    TnRegistro::Instancia().DestruirTodos();
    if (FMenu) FMenu->Pacotes().DescarregarPacotes();
    FMenu.reset();
    FDialogos.reset();
    nDesinstalarUi();
    TnBancoTeste::TearDown();
  }
  QLabel *Arquivado() {
    TnVisaoForm *visao = TnVisaoForm::VisaoDe(FDoc->Form());
    return visao ? visao->findChild<QLabel *>(QStringLiteral("lblArquivado")) : nullptr;
  }
  int Coluna(const QString &titulo) {
    for (int i = 0; i < FGrade->model()->columnCount(); ++i)
      if (FGrade->model()->headerData(i, Qt::Horizontal).toString() == titulo) return i;
    return -1;
  }

  TnParamsSalvosTeste FParams;
  std::optional<TnDialogosTeste> FDialogos;
  std::unique_ptr<TmVoxSMenu> FMenu;
  TnDMClientDataSet *FDoc = nullptr;
  TnDMClientDataSet *FMov = nullptr;
  TnVisaoForm *FVisaoMov = nullptr;
  QTableView *FGrade = nullptr;
};

TEST_F(DocumentosTelaTeste, ArquivadoShowsBesideTheNumberOnlyForAFiledDocument) {
  QLabel *arquivado = Arquivado();
  ASSERT_NE(arquivado, nullptr);
  EXPECT_EQ(arquivado->text(), QStringLiteral("Arquivado"));
  EXPECT_TRUE(arquivado->isHidden());
  EXPECT_EQ(FGrade->model()->rowCount(), 2);
  FDoc->nClientDataSet->Next();
  QApplication::processEvents();
  EXPECT_FALSE(Arquivado()->isHidden());
  EXPECT_EQ(FGrade->model()->rowCount(), 0);
}

TEST_F(DocumentosTelaTeste, CtrlNOnTheLastMovementOpensTheIndividualProtocolAndTheGridShowsItsNumber) {
  const QModelIndex ultima = FGrade->model()->index(1, 0);
  QTest::mouseClick(FGrade->viewport(), Qt::LeftButton, {}, FGrade->visualRect(ultima).center());
  ASSERT_EQ(FMov->nClientDataSet->FieldByName(QStringLiteral("SEQDOCEMP"))->AsInteger(), 2);

  bool abriu = false;
  AoAbrirModal([&](QWidget *janela) {
    QApplication::setActiveWindow(janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
    auto *visao = janela->findChild<TnVisaoPowerParam *>();
    ASSERT_NE(visao, nullptr);
    abriu = true;
    // The document's values are fixed; the item text is the user's to change.
    QWidget *empresa = visao->EditorParametro(QStringLiteral("pCodigoEmpresa"));
    EXPECT_TRUE(!empresa || empresa->isHidden());
    auto *descricao = qobject_cast<QLineEdit *>(visao->EditorParametro(QStringLiteral("pDescricaoItem")));
    ASSERT_NE(descricao, nullptr);
    EXPECT_EQ(descricao->text(), QStringLiteral("Enviado ao cliente"));
    descricao->setFocus();
    descricao->selectAll();
    QTest::keyClicks(descricao, QStringLiteral("Guias entregues ao cliente"));
    QTest::keyClick(descricao, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
  });
  FGrade->setFocus();
  QTest::keyClick(FGrade, Qt::Key_N, Qt::ControlModifier);
  ASSERT_TRUE(abriu);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  EXPECT_EQ(FMov->nClientDataSet->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsLargeInt(), 1);
  const int coluna = Coluna(QStringLiteral("Protocolo"));
  ASSERT_GE(coluna, 0);
  EXPECT_EQ(FGrade->model()->index(1, coluna).data().toString(), QStringLiteral("1"));
  QSqlQuery item = nDMConexao()->Executar(QStringLiteral("select DESCRITEM from PROTOCOLOITEM where CODIGOPROTOCOLO = 1"));
  ASSERT_TRUE(item.next());
  EXPECT_EQ(item.value(0).toString(), QStringLiteral("Guias entregues ao cliente"));
  EXPECT_TRUE(FDialogos->Roteiro().Textos().isEmpty());
}

}  // namespace
