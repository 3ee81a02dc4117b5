// Tool-bar shortcuts of a form and of a form shown inside it, pressed through
// the real keyboard path (shortcut override, then the key).
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "nFrmVisual_U.h"
#include "nVisaoForm_U.h"

namespace {

TEST(VisaoFormAtalhoTeste, InnerFormTakesAKeyItsMasterAlsoUsesAndTheMasterKeepsItElsewhere) {
  TnFrmVisual mestre;
  int doMestre = 0, doDetalhe = 0;
  mestre.CriarToolButton(QStringLiteral("Informações"), QString(), 65, [&](QObject *) { ++doMestre; },
                         QStringLiteral("Shift+F6"));
  auto *detalhe = new TnFrmVisual(nullptr, mestre.AreaCliente());
  detalhe->CriarToolButton(QStringLiteral("Cancelar Item"), QString(), 168, [&](QObject *) { ++doDetalhe; },
                           QStringLiteral("Shift+F6"));

  std::unique_ptr<QWidget> janela(nCriarVisao(&mestre, nullptr));
  auto &visao = *dynamic_cast<TnVisaoForm *>(janela.get());
  TnVisaoForm *visaoDetalhe = TnVisaoForm::VisaoDe(detalhe);
  ASSERT_NE(visaoDetalhe, nullptr);
  auto *editorMestre = new QLineEdit(&visao);
  auto *editorDetalhe = new QLineEdit(visaoDetalhe);
  visao.show();
  QApplication::setActiveWindow(&visao);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&visao));

  editorDetalhe->setFocus();
  QTest::keyClick(editorDetalhe, Qt::Key_F6, Qt::ShiftModifier);
  EXPECT_EQ(doDetalhe, 1);
  EXPECT_EQ(doMestre, 0);

  editorMestre->setFocus();
  QTest::keyClick(editorMestre, Qt::Key_F6, Qt::ShiftModifier);
  EXPECT_EQ(doDetalhe, 1);
  EXPECT_EQ(doMestre, 1);
}

// A widget that keeps the key presses it is given, the modifier keys
// themselves left out.
class TnContaTeclas : public QWidget {
 public:
  using QWidget::QWidget;
  QList<QKeyCombination> Teclas;

 protected:
  void keyPressEvent(QKeyEvent *evento) override {
    const int tecla = evento->key();
    if (tecla != Qt::Key_Control && tecla != Qt::Key_Shift && tecla != Qt::Key_Alt && tecla != Qt::Key_Meta)
      Teclas << evento->keyCombination();
    evento->accept();
  }
};

// Ctrl+Down runs the form's button; the focused widget, for which Down has a
// meaning of its own (a grid moves its row), must not get the key as well.
TEST(VisaoFormAtalhoTeste, AKeyThatRanAButtonDoesNotReachTheFocusedWidgetToo) {
  TnFrmVisual form;
  int vezes = 0;
  form.CriarToolButton(QStringLiteral("Mover para baixo"), QString(), 154, [&](QObject *) { ++vezes; },
                       QStringLiteral("Ctrl+Down"));
  std::unique_ptr<QWidget> janela(nCriarVisao(&form, nullptr));
  auto *alvo = new TnContaTeclas(janela.get());
  alvo->setFocusPolicy(Qt::StrongFocus);
  janela->show();
  QApplication::setActiveWindow(janela.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  alvo->setFocus();

  QTest::keyClick(alvo, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(vezes, 1);
  EXPECT_TRUE(alvo->Teclas.isEmpty());
  QTest::keyClick(alvo, Qt::Key_Down);
  QTest::keyClick(alvo, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(vezes, 2);
  EXPECT_EQ(alvo->Teclas, QList<QKeyCombination>{QKeyCombination(Qt::Key_Down)});
}

}  // namespace

namespace {

// "Ctrl+Enter" names the Enter key the user has: the main one (Return) or
// the keypad's.
TEST(VisaoFormAtalhoTeste, CtrlEnterAnswersTheMainEnterKeyAndTheKeypadOne) {
  TnFrmVisual form;
  int abertos = 0;
  form.CriarToolButton(QStringLiteral("Cadastro dos Lançamentos"), QString(), 160, [&](QObject *) { ++abertos; },
                       QStringLiteral("Ctrl+Enter"));
  std::unique_ptr<QWidget> janela(nCriarVisao(&form, nullptr));
  auto *editor = new QLineEdit(janela.get());
  janela->show();
  QApplication::setActiveWindow(janela.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(abertos, 1);
  QTest::keyClick(editor, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(abertos, 2);
  // Enter alone is not the shortcut.
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(abertos, 2);
}

}  // namespace
