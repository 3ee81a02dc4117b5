#include "nDialogos_U.h"

#include <QtGlobal>

namespace {

// Not owned: whoever installs an implementation keeps it alive while installed.
TnDialogos *GDialogos = nullptr;

}  // namespace

QStringList nBotoesSimNao() { return {QStringLiteral("Sim"), QStringLiteral("Não")}; }
QStringList nBotaoOK() { return {QStringLiteral("OK")}; }

TnDialogos::~TnDialogos() = default;

TnDialogos *nSetDialogos(TnDialogos *dialogos) {
  TnDialogos *anterior = GDialogos;
  GDialogos = dialogos;
  return anterior;
}

TnDialogos *nDialogos() { return GDialogos; }

int nMessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) {
  if (GDialogos) return GDialogos->MessageDlg(texto, tipo, botoes);
  qWarning("Mensagem sem janela para exibi-la: %s", qUtf8Printable(texto));
  return -1;
}

void nShowMessage(const QString &texto) {
  if (GDialogos) {
    GDialogos->ShowMessage(texto);
    return;
  }
  qWarning("Mensagem sem janela para exibi-la: %s", qUtf8Printable(texto));
}

bool nInputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) {
  if (GDialogos) return GDialogos->InputQueryListBox(caption, lista, linha);
  qWarning("Escolha sem janela para exibi-la: %s", qUtf8Printable(caption));
  return false;
}

QString nInputBox(const QString &caption, const QString &prompt, const QString &padrao) {
  if (GDialogos) return GDialogos->InputBox(caption, prompt, padrao);
  qWarning("Pergunta sem janela para exibi-la: %s", qUtf8Printable(prompt));
  return padrao;
}
