#include "nDialogosQt_U.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "nFraControle_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmDlg_U.h"
#include "nGuarda_U.h"
#include "nMemo_U.h"
#include "nDBGrid_U.h"  // before the grid view, whose header needs the complete type
#include "nVisaoGrid_U.h"

namespace {

QString TituloDoTipo(TMsgDlgType tipo) {
  switch (tipo) {
    case TMsgDlgType::mtWarning:
      return QStringLiteral("Aviso");
    case TMsgDlgType::mtError:
      return QStringLiteral("Erro");
    case TMsgDlgType::mtInformation:
      return QStringLiteral("Informação");
    case TMsgDlgType::mtConfirmation:
      return QStringLiteral("Confirmação");
  }
  return {};
}

QMessageBox::Icon IconeDoTipo(TMsgDlgType tipo) {
  switch (tipo) {
    case TMsgDlgType::mtWarning:
      return QMessageBox::Warning;
    case TMsgDlgType::mtError:
      return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
      return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// A message box that Esc and the frame's close box end without an answer
// (-1) when it has more than one button: a plain QMessageBox ignores both
// when none of its buttons has a rejecting role, and ours carry none.
class TnCaixaMensagem : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent *evento) override {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier && !escapeButton()) {
      QDialog::reject();
      return;
    }
    QMessageBox::keyPressEvent(evento);
  }
  void closeEvent(QCloseEvent *evento) override {
    if (!escapeButton()) {
      QDialog::closeEvent(evento);
      return;
    }
    QMessageBox::closeEvent(evento);
  }
};

// The memo of a memo dialog: every key goes to the model first, which may
// swallow it (Esc or Ctrl+Enter closing the dialog).
class TnEditorMemo : public QPlainTextEdit {
 public:
  TnEditorMemo(TnMemo *memo, QWidget *parent) : QPlainTextEdit(parent), FMemo(memo) {}

 protected:
  void keyPressEvent(QKeyEvent *evento) override {
    int tecla = nTeclaVirtual(evento->key());
    const TShiftState shift = nShiftState(evento->modifiers());
    if (tecla != 0) {
      FMemo->SetText(toPlainText());
      const bool ok = nExecutarProtegido([&] { tecla = FMemo->TeclaPressionada(tecla, shift); });
      // A handler that closed the form (Esc, Ctrl+Enter): the window follows.
      if (TnFrmDlg *dlg = FMemo->Dialogo(); dlg && dlg->ModalResult() != mrNone) {
        if (auto *janela = qobject_cast<QDialog *>(window())) janela->done(dlg->ModalResult());
        evento->accept();
        return;
      }
      if (!ok || tecla == 0) {
        evento->accept();
        return;
      }
    }
    QPlainTextEdit::keyPressEvent(evento);
  }

 private:
  TnMemo *FMemo;
};

// Enter (either key, no modifier) in a field of a field dialog takes the
// focus to the field after it.
class TnEnterAvanca : public QObject {
 public:
  TnEnterAvanca(QWidget *campo, QWidget *proximo) : QObject(campo), FProximo(proximo) { campo->installEventFilter(this); }

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override {
    if (evento->type() == QEvent::KeyPress) {
      auto *tecla = static_cast<QKeyEvent *>(evento);
      if ((tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) && tecla->modifiers() == Qt::NoModifier &&
          FProximo && FProximo->isEnabled()) {
        FProximo->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
    return QObject::eventFilter(objeto, evento);
  }

 private:
  QPointer<QWidget> FProximo;
};

// The window of a dialog form. Closing it in any way asks the model first.
class TnJanelaDlg : public QDialog {
 public:
  TnJanelaDlg(TnFrmDlg &dlg, QWidget *parent) : QDialog(parent), FDlg(dlg) {}
  std::function<void()> AntesDeFechar;  // copies the editors' values into the model

  void Tentar(int indiceBotao) {
    if (AntesDeFechar) AntesDeFechar();
    bool fechou = false;
    nExecutarProtegido([&] { fechou = FDlg.Pressionar(indiceBotao); });
    if (fechou) QDialog::done(FDlg.ModalResult());
  }

  void reject() override { Tentar(1); }

 private:
  TnFrmDlg &FDlg;
};

}  // namespace

QWidget *TnDialogosQt::JanelaPai() { return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                                              : QApplication::activeWindow(); }

int TnDialogosQt::MessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) {
  TnCaixaMensagem caixa(IconeDoTipo(tipo), TituloDoTipo(tipo), texto, QMessageBox::NoButton, JanelaPai());
  QList<QAbstractButton *> criados;
  const QStringList captions = botoes.isEmpty() ? nBotaoOK() : botoes;
  for (const QString &caption : captions) {
    // Roles only place the buttons; the answer is the caption's index, so
    // they all share one role and keep the callers' order.
    criados.append(caixa.addButton(caption, QMessageBox::ActionRole));
  }
  caixa.setDefaultButton(qobject_cast<QPushButton *>(criados.first()));
  // Esc answers "closed without choosing" unless there is a single button.
  if (criados.size() == 1) caixa.setEscapeButton(criados.first());
  caixa.exec();
  return static_cast<int>(criados.indexOf(caixa.clickedButton()));
}

void TnDialogosQt::ShowMessage(const QString &texto) {
  MessageDlg(texto, TMsgDlgType::mtInformation, nBotaoOK());
}

bool TnDialogosQt::InputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) {
  QDialog janela(JanelaPai());
  janela.setWindowTitle(caption);
  auto *layout = new QVBoxLayout(&janela);
  auto *itens = new QListWidget(&janela);
  itens->addItems(lista);
  const int atual = static_cast<int>(lista.indexOf(linha));
  itens->setCurrentRow(atual >= 0 ? atual : 0);
  layout->addWidget(itens);
  auto *botoes = new QDialogButtonBox(&janela);
  botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  layout->addWidget(botoes);
  QObject::connect(botoes, &QDialogButtonBox::accepted, &janela, &QDialog::accept);
  QObject::connect(botoes, &QDialogButtonBox::rejected, &janela, &QDialog::reject);
  QObject::connect(itens, &QListWidget::itemDoubleClicked, &janela, &QDialog::accept);
  if (janela.exec() != QDialog::Accepted) return false;
  // OK on an empty list is still OK: the caller gets an empty line.
  linha = itens->currentItem() ? itens->currentItem()->text() : QString();
  return true;
}

QString TnDialogosQt::InputBox(const QString &caption, const QString &prompt, const QString &padrao) {
  QInputDialog janela(JanelaPai());
  janela.setWindowTitle(caption);
  janela.setLabelText(prompt);
  janela.setTextValue(padrao);
  janela.setOkButtonText(QStringLiteral("OK"));
  janela.setCancelButtonText(QStringLiteral("Cancelar"));
  if (janela.exec() != QDialog::Accepted) return padrao;
  return janela.textValue();
}

void TnDialogosQt::ExecutarDlg(TnFrmDlg &dlg) {
  TnJanelaDlg janela(dlg, JanelaPai());
  janela.setObjectName(QStringLiteral("nFrmDlg"));
  janela.setWindowTitle(dlg.Caption());
  janela.resize(dlg.Width(), dlg.Height());
  auto *layout = new QVBoxLayout(&janela);
  std::vector<std::function<void()>> copiar;

  if (auto *campos = dynamic_cast<TnFrmDlgScrollBox *>(&dlg)) {
    auto *rolagem = new QScrollArea(&janela);
    rolagem->setWidgetResizable(true);
    auto *area = new QWidget(rolagem);
    auto *form = new QFormLayout(area);
    for (int i = 0; i < campos->ControlCount(); ++i) {
      TnFraControle *controle = campos->Controle(i);
      QWidget *editor = nullptr;
      if (controle->Tipo() == TnTipoFraControle::Escolha) {
        auto *combo = new QComboBox(area);
        combo->addItems(controle->Itens());
        combo->setCurrentIndex(controle->IndiceEscolhido());
        copiar.push_back([combo, controle] { controle->SetIndiceEscolhido(combo->currentIndex()); });
        editor = combo;
      } else {
        auto *linha = new QLineEdit(controle->GetAsString(), area);
        if (controle->Tipo() == TnTipoFraControle::Inteiro) linha->setValidator(new QIntValidator(linha));
        if (controle->Tamanho() > 0) linha->setMinimumWidth(linha->fontMetrics().averageCharWidth() * controle->Tamanho());
        copiar.push_back([linha, controle] { controle->SetAsString(linha->text().trimmed()); });
        editor = linha;
      }
      editor->setObjectName(controle->Label());
      editor->setToolTip(controle->Hint());
      form->addRow(controle->Label(), editor);
    }
    rolagem->setWidget(area);
    layout->addWidget(rolagem);
    // Enter moves to the next field; in the last one it presses the default
    // button (the dialog's own handling, below).
    QList<QWidget *> editores;
    for (int i = 0; i < form->rowCount(); ++i)
      if (QLayoutItem *item = form->itemAt(i, QFormLayout::FieldRole); item && item->widget())
        editores << item->widget();
    for (int i = 0; i + 1 < editores.size(); ++i) new TnEnterAvanca(editores.at(i), editores.at(i + 1));
    // The keyboard starts in the first field, not on the scroll area.
    if (!editores.isEmpty()) editores.first()->setFocus();
  }
  if (TnMemo *memo = dlg.Memo()) {
    auto *editor = new TnEditorMemo(memo, &janela);
    editor->setObjectName(QStringLiteral("nMemo"));
    editor->setPlainText(memo->Text());
    layout->addWidget(editor, 1);
    if (memo->TabOrder() == 0) editor->setFocus();
    copiar.push_back([editor, memo] { memo->SetText(editor->toPlainText()); });
  }

  auto *botoes = new QDialogButtonBox(&janela);
  for (int i = 0; i < 2; ++i) {
    const TnBotaoDlg &modelo = i == 0 ? dlg.BtnOk() : dlg.BtnCancelar();
    auto *botao = botoes->addButton(modelo.Caption, QDialogButtonBox::ActionRole);
    botao->setObjectName(i == 0 ? QStringLiteral("btnOk") : QStringLiteral("btnCancelar"));
    botao->setVisible(modelo.Visivel);
    botao->setAutoDefault(false);
    // Enter in a field presses OK, as in any dialog; a memo keeps Enter for
    // its new lines.
    if (i == 0 && modelo.Visivel) botao->setDefault(true);
    QObject::connect(botao, &QPushButton::clicked, &janela, [&janela, i] { janela.Tentar(i); });
  }
  layout->addWidget(botoes);
  janela.AntesDeFechar = [&copiar] {
    for (auto &copia : copiar) copia();
  };
  // The window closes only once the model accepted a close (TnJanelaDlg),
  // so one run of its loop is the whole dialog.
  janela.exec();
}
