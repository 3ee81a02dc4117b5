// The register form driven as a user drives it: real key and mouse events on
// an activated window. Each test names what a user would see go wrong:
// the focus trapped in an editor, a key changing a list it was not aimed at,
// a date that cannot be typed, a refusal shown twice, a grid cell that will
// not open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "nDBGrid_U.h"
#include "nDialogos_U.h"
#include "nDialogosTeste_U.h"
#include "nEditData_U.h"
#include "nException_U.h"
#include "nFrmCadastro_U.h"
#include "nModeloDataSet_U.h"
#include "nVisaoCadastro_U.h"
#include "nVisaoFormTeste_U.h"

namespace {

class VisaoCadastroTeclado : public TnVisaoCadastroFixture {
 protected:
  void SetUp() override {
    Montar(true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  }
  QWidget *Widget(const char *nome) { return FVisao->Widget(QString::fromLatin1(nome)); }
  QLineEdit *Texto(const char *nome) { return qobject_cast<QLineEdit *>(Widget(nome)); }
  TnEditData *Data(const char *nome) { return dynamic_cast<TnEditData *>(Widget(nome)); }
  void Clicar(QWidget *alvo) { QTest::mouseClick(alvo, Qt::LeftButton, Qt::NoModifier, QPoint(8, alvo->height() / 2)); }
  QString Foco() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

TEST_F(VisaoCadastroTeclado, TabAndShiftTabReachEveryEditorInOrder) {
  Clicar(Widget("CODIGO"));
  ASSERT_EQ(Foco(), QStringLiteral("CODIGO"));
  QStringList ida{Foco()};
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ida << Foco();
  }
  EXPECT_EQ(ida, (QStringList{"CODIGO", "NOME", "SITUACAO", "DATA", "OBS"}));
  QStringList volta;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    volta << Foco();
  }
  EXPECT_EQ(volta, (QStringList{"DATA", "SITUACAO", "NOME", "CODIGO"}));
  // The form's focus follows the widgets'.
  EXPECT_EQ(FForm->Foco(), FForm->Editor(Campo("CODIGO")));
}

TEST_F(VisaoCadastroTeclado, ClickOnAnotherEditorTakesTheFocusAndTheTypingThere) {
  Clicar(Texto("NOME"));
  QTest::keyClick(Texto("NOME"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Texto("NOME"), QStringLiteral("Acme Ltda"));
  Clicar(Texto("CODIGO"));
  EXPECT_EQ(Foco(), QStringLiteral("CODIGO"));
  // Leaving confirmed what was typed.
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("Acme Ltda"));
  QTest::keyClick(Texto("CODIGO"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Texto("CODIGO"), QStringLiteral("77"));
  EXPECT_EQ(Texto("CODIGO")->text(), QStringLiteral("77"));
  EXPECT_EQ(Texto("NOME")->text(), QStringLiteral("Acme Ltda"));
  // Once more, back to the name: the focus is nowhere trapped.
  Clicar(Texto("NOME"));
  EXPECT_EQ(Foco(), QStringLiteral("NOME"));
  EXPECT_EQ(Campo("CODIGO")->AsString(), QStringLiteral("77"));
}

TEST_F(VisaoCadastroTeclado, KeysAndTheWheelAimedElsewhereLeaveAStoredRecordsListAlone) {
  auto *combo = qobject_cast<QComboBox *>(Widget("SITUACAO"));
  ASSERT_NE(combo, nullptr);
  Clicar(Texto("NOME"));
  for (Qt::Key tecla : {Qt::Key_End, Qt::Key_Home, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(Texto("NOME"), tecla);
  QWheelEvent roda(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(combo, &roda);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Aberto"));
  EXPECT_EQ(Campo("SITUACAO")->AsString(), QStringLiteral("1"));
  EXPECT_EQ(FDados->State(), TnDataSetState::Browse);
}

TEST_F(VisaoCadastroTeclado, DateIsTypedWithOrWithoutSlashes) {
  TnEditData *data = Data("DATA");
  ASSERT_NE(data, nullptr);
  Clicar(data);
  QTest::keyClick(data, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(data, QStringLiteral("01112026"));
  EXPECT_EQ(data->text(), QStringLiteral("01/11/2026"));
  QTest::keyClick(data, Qt::Key_Return);
  EXPECT_EQ(Campo("DATA")->AsDate(), QDate(2026, 11, 1));

  QTest::keyClick(data, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(data, QStringLiteral("15/12/2026"));
  EXPECT_EQ(data->text(), QStringLiteral("15/12/2026"));
  QTest::keyClick(data, Qt::Key_Tab);
  EXPECT_EQ(Campo("DATA")->AsDate(), QDate(2026, 12, 15));
  EXPECT_EQ(Foco(), QStringLiteral("OBS"));
}

TEST_F(VisaoCadastroTeclado, EmptyDateTakesTypedDigitsFromItsFirstPlace) {
  FDados->Edit();
  Campo("DATA")->Clear();
  FDados->Post();
  FVisao->Sincronizar();
  TnEditData *data = Data("DATA");
  EXPECT_TRUE(data->Texto().isEmpty());
  // A click in the middle of the empty mask still types from the start.
  QTest::mouseClick(data, Qt::LeftButton, Qt::NoModifier, QPoint(data->width() / 2, data->height() / 2));
  QTest::keyClicks(data, QStringLiteral("02012027"));
  QTest::keyClick(data, Qt::Key_Enter);
  EXPECT_EQ(Campo("DATA")->AsDate(), QDate(2027, 1, 2));
}

TEST_F(VisaoCadastroTeclado, CalendarOpensAtTheDateShownOrTodayInPortuguese) {
  TnEditData *data = Data("DATA");
  Clicar(data);
  QTest::keyClick(data, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(data, QStringLiteral("05032026"));
  QTest::keyClick(data, Qt::Key_F4);
  QCalendarWidget *calendario = data->Calendario();
  ASSERT_NE(calendario, nullptr);
  EXPECT_EQ(calendario->selectedDate(), QDate(2026, 3, 5));
  // The typed date stays while the calendar has the keyboard.
  FVisao->Sincronizar();
  EXPECT_EQ(data->text(), QStringLiteral("05/03/2026"));
  EXPECT_EQ(calendario->locale().language(), QLocale::Portuguese);
  Q_EMIT calendario->activated(QDate(2026, 3, 20));
  EXPECT_EQ(data->Calendario(), nullptr);
  EXPECT_EQ(Campo("DATA")->AsDate(), QDate(2026, 3, 20));

  FDados->Edit();
  Campo("DATA")->Clear();
  FDados->Post();
  FVisao->Sincronizar();
  data->AbrirCalendario();
  ASSERT_NE(data->Calendario(), nullptr);
  EXPECT_EQ(data->Calendario()->selectedDate(), QDate::currentDate());
  data->Calendario()->parentWidget()->close();
}

TEST_F(VisaoCadastroTeclado, RuleThatMovesTheFocusOnExitIsFollowed) {
  Campo("NOME")->Definicao().OnExit = [this](TnField &) { FForm->Editor(Campo("OBS"))->SetFocus(); };
  Clicar(Texto("NOME"));
  QTest::keyClick(Texto("NOME"), Qt::Key_Tab);
  EXPECT_EQ(Foco(), QStringLiteral("OBS"));
}

TEST_F(VisaoCadastroTeclado, AltWithALetterNoMenuTookTypesNothing) {
  Clicar(Texto("CODIGO"));
  QTest::keyClick(Texto("CODIGO"), Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(Texto("CODIGO")->text(), QStringLiteral("1"));
}

// Dialogs as the user meets them (a real modal box, which takes the focus
// from the editor), counted.
class TnDialogosContados : public TnDialogos {
 public:
  int MessageDlg(const QString &texto, TMsgDlgType, const QStringList &) override {
    Mostrar(texto);
    return 0;
  }
  void ShowMessage(const QString &texto) override { Mostrar(texto); }
  bool InputQueryListBox(const QString &, const QStringList &, QString &) override { return false; }
  QString InputBox(const QString &, const QString &, const QString &padrao) override { return padrao; }
  void ExecutarDlg(TnFrmDlg &) override {}
  QStringList Textos;

 private:
  void Mostrar(const QString &texto) {
    Textos << texto;
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Aviso"), texto);
    QTimer::singleShot(50, &caixa, [&caixa] { caixa.accept(); });
    caixa.exec();
  }
};

TEST_F(VisaoCadastroTeclado, RefusedValueConfirmedWithEnterShowsItsMessageOnce) {
  TnDialogosContados dialogos;
  TnDialogos *anterior = nSetDialogos(&dialogos);
  Campo("NOME")->OnSetText = [](TnField &campo, const QString &) {
    throw EnField(&campo, QStringLiteral("Nome inválido!"));
  };
  Clicar(Texto("NOME"));
  QTest::keyClicks(Texto("NOME"), QStringLiteral("x"));
  QTest::keyClick(Texto("NOME"), Qt::Key_Return);
  QApplication::processEvents();
  nSetDialogos(anterior);
  EXPECT_EQ(dialogos.Textos, QStringList{QStringLiteral("Nome inválido!")});
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("Cliente 1"));
}

// A register with a detail grid under its editors.
TEST(VisaoCadastroGradeTeclado, ClickOnADetailCellTakesTheFocusFromTheEditorsAndOpensIt) {
  auto mestre = nDadosCadastroTeste();
  auto detalhe = nDadosCadastroTeste();
  TnFrmCadastro form(nullptr, mestre.get());
  auto *grid = new TnDBGridEh(form.AreaCliente(), QStringLiteral("nDBGridDetalhe"));
  grid->SetDataSet(detalhe.get());
  grid->CriarColunas(QStringLiteral("CODIGO;NOME"));
  TnVisaoCadastro visao(&form);
  visao.resize(600, 500);
  visao.show();
  visao.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&visao));
  auto *nome = qobject_cast<QLineEdit *>(visao.Widget(QStringLiteral("NOME")));
  QTest::mouseClick(nome, Qt::LeftButton, Qt::NoModifier, QPoint(8, nome->height() / 2));
  ASSERT_TRUE(nome->hasFocus());

  auto *tabela = visao.findChild<QTableView *>();
  ASSERT_NE(tabela, nullptr);
  const QModelIndex celula = tabela->model()->index(1, 1);
  const QPoint ponto = tabela->visualRect(celula).center();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, Qt::NoModifier, ponto);
  EXPECT_TRUE(tabela->hasFocus());
  EXPECT_EQ(form.Foco(), grid);
  EXPECT_EQ(detalhe->RecNo(), 2);
  // A click on the selected cell (no double click) opens its editor once
  // the double-click time is over; the typed name goes in.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, Qt::NoModifier, ponto);
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->parentWidget(), tabela->viewport());
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, QStringLiteral("Fulano"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("Fulano"));
  EXPECT_EQ(mestre->FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("Cliente 1"));
}

// --- lifetimes

TEST(ModeloDataSetVida, DatasetFreedFirstLeavesTheModelEmptyAndHarmless) {
  auto dados = nDadosCadastroTeste();
  TnModeloDataSet modelo(dados.get());
  ASSERT_EQ(modelo.rowCount(), 2);
  dados.reset();
  EXPECT_EQ(modelo.DataSet(), nullptr);
  EXPECT_EQ(modelo.rowCount(), 0);
  EXPECT_FALSE(modelo.setData(modelo.index(0, 0), QStringLiteral("x")));
}

TEST(ModeloDataSetVida, GridViewOutlivingItsDatasetAndGridIsHarmless) {
  auto dados = nDadosCadastroTeste();
  auto grid = std::make_unique<TnDBGridEh>(nullptr, QStringLiteral("nDBGrid"));
  grid->SetDataSet(dados.get());
  TnModeloDataSet modelo(grid.get());
  dados.reset();
  EXPECT_EQ(grid->DataSet(), nullptr);
  EXPECT_EQ(modelo.rowCount(), 0);
  grid.reset();
  EXPECT_EQ(modelo.Grid(), nullptr);
}

}  // namespace
