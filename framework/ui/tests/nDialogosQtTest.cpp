#include <gtest/gtest.h>

#include <QTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "nDialogosQt_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmDlg_U.h"
#include "nMemo_U.h"
#include "nVisaoFormTeste_U.h"

namespace {

// The Qt dialogs installed for one test.
class DialogosQtTeste : public ::testing::Test {
 protected:
  void SetUp() override { FAnterior = nSetDialogos(&FDialogos); }
  void TearDown() override { nSetDialogos(FAnterior); }
  TnDialogosQt FDialogos;
  TnDialogos *FAnterior = nullptr;
};

QAbstractButton *BotaoComTexto(QWidget *janela, const QString &texto) {
  for (auto *botao : janela->findChildren<QAbstractButton *>())
    if (botao->text() == texto && botao->isVisible()) return botao;
  return nullptr;
}

TEST_F(DialogosQtTeste, MessageButtonsKeepTheCallersCaptionsAndOrderAndAnswerTheirIndex) {
  QStringList vistos;
  nAoAbrirModal([&](QWidget *janela) {
    auto *caixa = qobject_cast<QMessageBox *>(janela);
    ASSERT_NE(caixa, nullptr);
    for (auto *botao : caixa->buttons()) vistos << botao->text();
    EXPECT_EQ(caixa->text(), QStringLiteral("Confirma a exclusão do registro?"));
    BotaoComTexto(janela, QStringLiteral("Não"))->click();
  });
  const int resposta =
      nMessageDlg(QStringLiteral("Confirma a exclusão do registro?"), TMsgDlgType::mtConfirmation, nBotoesSimNao());
  EXPECT_EQ(resposta, 1);
  EXPECT_EQ(vistos, (QStringList{QStringLiteral("Sim"), QStringLiteral("Não")}));
}

TEST_F(DialogosQtTeste, EscapeOnAQuestionAnswersClosedWithoutChoosing) {
  nAoAbrirModal([](QWidget *janela) { nTeclar(janela, Qt::Key_Escape); });
  EXPECT_EQ(nMessageDlg(QStringLiteral("Continuar?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()), -1);
}

TEST_F(DialogosQtTeste, ShowMessageHasOneOkButton) {
  QStringList vistos;
  nAoAbrirModal([&](QWidget *janela) {
    for (auto *botao : qobject_cast<QMessageBox *>(janela)->buttons()) vistos << botao->text();
    qobject_cast<QMessageBox *>(janela)->buttons().first()->click();
  });
  nShowMessage(QStringLiteral("Processo concluído."));
  EXPECT_EQ(vistos, QStringList{QStringLiteral("OK")});
}

TEST_F(DialogosQtTeste, InputBoxGivesTheTypedTextAndCancelGivesTheDefault) {
  nAoAbrirModal([](QWidget *janela) {
    auto *dialogo = qobject_cast<QInputDialog *>(janela);
    ASSERT_NE(dialogo, nullptr);
    dialogo->setTextValue(QStringLiteral("Envelope 7"));
    dialogo->accept();
  });
  EXPECT_EQ(nInputBox(QStringLiteral("Descrição do Envelope"), QStringLiteral("Descrição"), QStringLiteral("x")),
            QStringLiteral("Envelope 7"));
  nAoAbrirModal([](QWidget *janela) {
    qobject_cast<QInputDialog *>(janela)->setTextValue(QStringLiteral("descartado"));
    qobject_cast<QInputDialog *>(janela)->reject();
  });
  EXPECT_EQ(nInputBox(QStringLiteral("Descrição do Envelope"), QStringLiteral("Descrição"), QStringLiteral("padrão")),
            QStringLiteral("padrão"));
}

TEST_F(DialogosQtTeste, ListQuestionPreselectsTheLineAndCancelLeavesItAlone) {
  QString linha = QStringLiteral("B");
  nAoAbrirModal([](QWidget *janela) {
    auto *lista = janela->findChild<QListWidget *>();
    EXPECT_EQ(lista->currentItem()->text(), QStringLiteral("B"));
    lista->setCurrentRow(2);
    qobject_cast<QDialog *>(janela)->accept();
  });
  EXPECT_TRUE(nInputQueryListBox(QStringLiteral("Escolha"), {"A", "B", "C"}, linha));
  EXPECT_EQ(linha, QStringLiteral("C"));
  nAoAbrirModal([](QWidget *janela) { qobject_cast<QDialog *>(janela)->reject(); });
  EXPECT_FALSE(nInputQueryListBox(QStringLiteral("Escolha"), {"A", "B", "C"}, linha));
  EXPECT_EQ(linha, QStringLiteral("C"));
}

TEST_F(DialogosQtTeste, OkOnAnEmptyListIsStillAnOkWithAnEmptyLine) {
  QString linha = QStringLiteral("antes");
  nAoAbrirModal([](QWidget *janela) { qobject_cast<QDialog *>(janela)->accept(); });
  EXPECT_TRUE(nInputQueryListBox(QStringLiteral("Configuração Nome Arquivo"), {}, linha));
  EXPECT_EQ(linha, QString());
}

TEST_F(DialogosQtTeste, FieldDialogWritesTheTypedValuesIntoItsControls) {
  TnFrmDlgScrollBox dlg(QStringLiteral("Gerar Protocolo"));
  dlg.CriarControlsFraFields(QStringLiteral("Empresa"), TnTipoFraControle::Inteiro, 6, QString(), QString());
  dlg.CriarControlsFraFields(QStringLiteral("Forma"), TnTipoFraControle::Escolha, 10, QString(), QString(),
                             {QStringLiteral("Correio=1"), QStringLiteral("Entregue em Mãos=2")});
  dlg.AlinharControls();
  nAoAbrirModal([](QWidget *janela) {
    janela->findChild<QLineEdit *>(QStringLiteral("Empresa"))->setText(QStringLiteral("12"));
    janela->findChild<QComboBox *>(QStringLiteral("Forma"))->setCurrentIndex(1);
    janela->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
  });
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(dlg.ControlePorLabel(QStringLiteral("Empresa"))->GetAsInteger(), 12);
  EXPECT_EQ(dlg.ControlePorLabel(QStringLiteral("Forma"))->GetAsString(), QStringLiteral("2"));
}

// The keyboard starts in the first field; Enter goes from field to field
// and, in the last one, presses OK.
TEST_F(DialogosQtTeste, EnterInTheLastFieldOfAFieldDialogPressesOk) {
  TnFrmDlgScrollBox dlg(QStringLiteral("Informe o usuário"));
  dlg.CriarControlsFraFields(QStringLiteral("Empresa"), TnTipoFraControle::Inteiro, 6, QString(), QString());
  dlg.CriarControlsFraFields(QStringLiteral("Usuário"), TnTipoFraControle::Inteiro, 6, QString(), QString());
  dlg.AlinharControls();
  bool aindaAberta = false;
  nAoAbrirModal([&](QWidget *janela) {
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
    auto *empresa = janela->findChild<QLineEdit *>(QStringLiteral("Empresa"));
    auto *usuario = janela->findChild<QLineEdit *>(QStringLiteral("Usuário"));
    EXPECT_TRUE(empresa->hasFocus());
    QTest::keyClick(empresa, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(empresa, QStringLiteral("3"));
    QTest::keyClick(empresa, Qt::Key_Return);
    aindaAberta = janela->isVisible();
    EXPECT_TRUE(usuario->hasFocus());
    QTest::keyClicks(usuario, QStringLiteral("7"));
    QTest::keyClick(usuario, Qt::Key_Enter, Qt::KeypadModifier);
  });
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_TRUE(aindaAberta);
  EXPECT_EQ(dlg.ControlePorLabel(QStringLiteral("Empresa"))->GetAsInteger(), 3);
  EXPECT_EQ(dlg.ControlePorLabel(QStringLiteral("Usuário"))->GetAsInteger(), 7);
}

TEST_F(DialogosQtTeste, RefusedCloseKeepsTheDialogOpenWithWhatWasTyped) {
  TnFrmDlgScrollBox dlg(QStringLiteral("Gerar Protocolo"));
  dlg.CriarControlsFraFields(QStringLiteral("Empresa"), TnTipoFraControle::Inteiro, 6, QString(), QString());
  int tentativas = 0;
  dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &podeFechar) {
    ++tentativas;
    podeFechar = sender.ModalResult() != mrOk ||
                 static_cast<TnFrmDlgScrollBox &>(sender).Controle(0)->GetAsInteger() > 0;
  };
  bool aindaAberta = false;
  QString textoMantido;
  nAoAbrirModal([&](QWidget *janela) {
    auto *empresa = janela->findChild<QLineEdit *>(QStringLiteral("Empresa"));
    empresa->setText(QStringLiteral("0"));
    janela->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    aindaAberta = janela->isVisible();
    textoMantido = empresa->text();
    empresa->setText(QStringLiteral("5"));
    janela->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
  });
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_TRUE(aindaAberta);
  EXPECT_EQ(textoMantido, QStringLiteral("0"));
  EXPECT_EQ(tentativas, 2);
}

TEST_F(DialogosQtTeste, MemoKeyHandlerThatClosesTheFormClosesTheWindow) {
  TnFrmDlg dlg(QStringLiteral("Observação"));
  dlg.BtnOk().Caption = QStringLiteral("Incluir");
  dlg.BtnCancelar().Visivel = false;
  TnMemo *memo = dlg.CriarMemo();
  memo->SetAlinharCliente(true);
  memo->OnKeyDown = [](TnMemo &sender, int &tecla, TShiftState shift) {
    if (tecla == nTeclaEnter && shift.testFlag(ssCtrl)) {
      tecla = 0;
      sender.Dialogo()->Fechar(mrOk);
    }
  };
  QStringList botoesVisiveis;
  nAoAbrirModal([&](QWidget *janela) {
    for (auto *botao : janela->findChildren<QPushButton *>())
      if (botao->isVisible()) botoesVisiveis << botao->text();
    auto *editor = janela->findChild<QPlainTextEdit *>(QStringLiteral("nMemo"));
    editor->insertPlainText(QStringLiteral("Entregue"));
    nTeclar(editor, Qt::Key_Return, Qt::ControlModifier);
  });
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(memo->Text(), QStringLiteral("Entregue"));
  EXPECT_EQ(botoesVisiveis, QStringList{QStringLiteral("Incluir")});
}

}  // namespace
