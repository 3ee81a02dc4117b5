#include "nDialogosRoteiro_U.h"

#include "nDialogoInesperado_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmDlg_U.h"
#include "nGuarda_U.h"
#include "nMemo_U.h"

namespace {

const QString kCancelado = QStringLiteral("<cancelado>");

QString NomeDoTipo(TnTipoPergunta tipo) {
  switch (tipo) {
    case TnTipoPergunta::Mensagem:
      return QStringLiteral("mensagem");
    case TnTipoPergunta::ShowMessage:
      return QStringLiteral("aviso");
    case TnTipoPergunta::EscolhaLista:
      return QStringLiteral("escolha em lista");
    case TnTipoPergunta::EntradaTexto:
      return QStringLiteral("entrada de texto");
    case TnTipoPergunta::Formulario:
      return QStringLiteral("formulário");
  }
  return QString();
}

}  // namespace

TnDialogosRoteiro::TnDialogosRoteiro() = default;
TnDialogosRoteiro::~TnDialogosRoteiro() = default;

void TnDialogosRoteiro::Responder(int indice) {
  TnResposta resposta;
  resposta.FTipo = TnResposta::Tipo::Indice;
  resposta.Indice = indice;
  FRespostas.push_back(std::move(resposta));
}

void TnDialogosRoteiro::ResponderTexto(const QString &texto) {
  TnResposta resposta;
  resposta.FTipo = TnResposta::Tipo::Texto;
  resposta.Texto = texto;
  FRespostas.push_back(std::move(resposta));
}

void TnDialogosRoteiro::ResponderCampos(const QMap<QString, QString> &valores, int modalResult) {
  TnResposta resposta;
  resposta.FTipo = TnResposta::Tipo::Campos;
  resposta.Campos = valores;
  resposta.ModalResult = modalResult;
  FRespostas.push_back(std::move(resposta));
}

void TnDialogosRoteiro::Cancelar() { FRespostas.push_back(TnResposta()); }

QStringList TnDialogosRoteiro::Textos() const {
  QStringList textos;
  for (const TnPerguntaDialogo &pergunta : FPerguntas) textos << pergunta.Texto;
  return textos;
}

void TnDialogosRoteiro::Limpar() {
  FRespostas.clear();
  FPerguntas.clear();
  FFalhas.clear();
}

int TnDialogosRoteiro::Registrar(TnTipoPergunta tipo, const QString &texto, const QStringList &opcoes,
                                 TMsgDlgType tipoMensagem) {
  TnPerguntaDialogo pergunta;
  pergunta.Tipo = tipo;
  pergunta.TipoMensagem = tipoMensagem;
  pergunta.Texto = texto;
  pergunta.Opcoes = opcoes;
  FPerguntas.append(std::move(pergunta));
  return static_cast<int>(FPerguntas.size()) - 1;
}

TnDialogosRoteiro::TnResposta TnDialogosRoteiro::Proxima(int pergunta) {
  if (FRespostas.empty()) Falhar(QStringLiteral("nenhuma resposta prevista"), pergunta);
  TnResposta resposta = std::move(FRespostas.front());
  FRespostas.pop_front();
  return resposta;
}

void TnDialogosRoteiro::Falhar(const QString &motivo, int pergunta) {
  const TnPerguntaDialogo &p = FPerguntas.at(pergunta);
  QString texto = QStringLiteral("Diálogo inesperado (%1, %2): \"%3\"").arg(NomeDoTipo(p.Tipo), motivo, p.Texto);
  if (!p.Opcoes.isEmpty()) texto += QStringLiteral(" [%1]").arg(p.Opcoes.join(QStringLiteral(" | ")));
  FFalhas << texto;
  throw EDialogoInesperado(texto);
}

int TnDialogosRoteiro::MessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) {
  const int pergunta = Registrar(TnTipoPergunta::Mensagem, texto, botoes, tipo);
  if (FAceitarMensagens && botoes.size() <= 1) {
    Anotar(pergunta, botoes.value(0));
    return 0;
  }
  if (FRespostas.empty() && !FRespostaPadrao.isEmpty()) {
    for (int i = 0; i < botoes.size(); ++i)
      if (botoes.at(i).compare(FRespostaPadrao, Qt::CaseInsensitive) == 0) {
        Anotar(pergunta, botoes.at(i));
        return i;
      }
  }
  const TnResposta resposta = Proxima(pergunta);
  int indice = -1;
  switch (resposta.FTipo) {
    case TnResposta::Tipo::Indice:
      indice = resposta.Indice;
      break;
    case TnResposta::Tipo::Texto:
      for (int i = 0; i < botoes.size() && indice < 0; ++i)
        if (botoes.at(i).compare(resposta.Texto, Qt::CaseInsensitive) == 0) indice = i;
      if (indice < 0) Falhar(QStringLiteral("não há botão \"%1\"").arg(resposta.Texto), pergunta);
      break;
    case TnResposta::Tipo::Cancelar:
      Anotar(pergunta, kCancelado);
      return -1;
    case TnResposta::Tipo::Campos:
      Falhar(QStringLiteral("a resposta prevista é de formulário"), pergunta);
  }
  if (indice < 0 || indice >= botoes.size()) Falhar(QStringLiteral("não há botão de índice %1").arg(indice), pergunta);
  Anotar(pergunta, botoes.at(indice));
  return indice;
}

void TnDialogosRoteiro::ShowMessage(const QString &texto) {
  const QStringList botoes = nBotaoOK();
  const int pergunta = Registrar(TnTipoPergunta::ShowMessage, texto, botoes);
  if (FAceitarMensagens) {
    Anotar(pergunta, botoes.first());
    return;
  }
  const TnResposta resposta = Proxima(pergunta);
  const bool cabe =
      resposta.FTipo == TnResposta::Tipo::Cancelar ||
      (resposta.FTipo == TnResposta::Tipo::Indice && resposta.Indice == 0) ||
      (resposta.FTipo == TnResposta::Tipo::Texto && resposta.Texto.compare(botoes.first(), Qt::CaseInsensitive) == 0);
  if (!cabe) Falhar(QStringLiteral("o aviso só tem o botão OK"), pergunta);
  Anotar(pergunta, resposta.FTipo == TnResposta::Tipo::Cancelar ? kCancelado : botoes.first());
}

bool TnDialogosRoteiro::InputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) {
  const int pergunta = Registrar(TnTipoPergunta::EscolhaLista, caption, lista);
  const TnResposta resposta = Proxima(pergunta);
  switch (resposta.FTipo) {
    case TnResposta::Tipo::Indice:
      if (resposta.Indice < 0 || resposta.Indice >= lista.size())
        Falhar(QStringLiteral("não há linha de índice %1").arg(resposta.Indice), pergunta);
      linha = lista.at(resposta.Indice);
      break;
    case TnResposta::Tipo::Texto:
      if (!lista.contains(resposta.Texto)) Falhar(QStringLiteral("não há linha \"%1\"").arg(resposta.Texto), pergunta);
      linha = resposta.Texto;
      break;
    case TnResposta::Tipo::Cancelar:
      Anotar(pergunta, kCancelado);
      return false;
    case TnResposta::Tipo::Campos:
      Falhar(QStringLiteral("a resposta prevista é de formulário"), pergunta);
  }
  Anotar(pergunta, linha);
  return true;
}

QString TnDialogosRoteiro::InputBox(const QString &caption, const QString &prompt, const QString &padrao) {
  const int pergunta = Registrar(TnTipoPergunta::EntradaTexto, prompt, {caption});
  const TnResposta resposta = Proxima(pergunta);
  if (resposta.FTipo == TnResposta::Tipo::Cancelar) {
    Anotar(pergunta, kCancelado);
    return padrao;
  }
  if (resposta.FTipo != TnResposta::Tipo::Texto) Falhar(QStringLiteral("a resposta prevista não é um texto"), pergunta);
  Anotar(pergunta, resposta.Texto);
  return resposta.Texto;
}

bool TnDialogosRoteiro::FecharProtegido(TnFrmDlg &dlg, int modalResult) {
  bool fechou = false;
  nExecutarProtegido([&] { fechou = dlg.Fechar(modalResult); });
  return fechou;
}

void TnDialogosRoteiro::ExecutarDlg(TnFrmDlg &dlg) {
  QStringList labels;
  auto *campos = dynamic_cast<TnFrmDlgScrollBox *>(&dlg);
  if (campos)
    for (int i = 0; i < campos->ControlCount(); ++i) labels << campos->Controle(i)->Label();
  const int pergunta = Registrar(TnTipoPergunta::Formulario, dlg.Caption(), labels);

  bool fechou = false;
  while (!fechou) {
    const TnResposta resposta = Proxima(pergunta);
    switch (resposta.FTipo) {
      case TnResposta::Tipo::Indice: {
        const TnBotaoDlg *botao = resposta.Indice == 0   ? &dlg.BtnOk()
                                  : resposta.Indice == 1 ? &dlg.BtnCancelar()
                                                         : nullptr;
        if (!botao || !botao->Visivel)
          Falhar(QStringLiteral("não há botão visível de índice %1").arg(resposta.Indice), pergunta);
        Anotar(pergunta, botao->Caption);
        fechou = FecharProtegido(dlg, botao->ModalResult);
        break;
      }
      case TnResposta::Tipo::Texto:
        if (!dlg.Memo()) Falhar(QStringLiteral("o formulário não tem texto a preencher"), pergunta);
        dlg.Memo()->SetText(resposta.Texto);
        Anotar(pergunta, resposta.Texto);
        fechou = FecharProtegido(dlg, mrOk);
        break;
      case TnResposta::Tipo::Campos:
        for (auto it = resposta.Campos.cbegin(); it != resposta.Campos.cend(); ++it) {
          TnFraControle *controle = campos ? campos->ControlePorLabel(it.key()) : nullptr;
          if (!controle) Falhar(QStringLiteral("não há campo \"%1\"").arg(it.key()), pergunta);
          controle->SetAsString(it.value());
          if (!it.value().isEmpty() && controle->IsNull())
            Falhar(QStringLiteral("\"%1\" não é uma opção do campo \"%2\"").arg(it.value(), it.key()), pergunta);
        }
        Anotar(pergunta, resposta.ModalResult == mrOk ? QStringLiteral("OK") : kCancelado);
        fechou = FecharProtegido(dlg, resposta.ModalResult);
        break;
      case TnResposta::Tipo::Cancelar:
        Anotar(pergunta, kCancelado);
        fechou = FecharProtegido(dlg, mrCancel);
        break;
    }
  }
}
