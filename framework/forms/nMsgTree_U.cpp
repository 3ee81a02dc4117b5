#include "nMsgTree_U.h"

#include <algorithm>

namespace {

QString SufixoIcone(TnIconeMensagem icone) {
  switch (icone) {
    case TnIconeMensagem::Padrao:
      return QString();
    case TnIconeMensagem::Erro:
      return QStringLiteral(" (erro)");
    case TnIconeMensagem::Confirmacao:
      return QStringLiteral(" (confirmação)");
    case TnIconeMensagem::Informacao:
      return QStringLiteral(" (informação)");
  }
  return QString();
}

void AcrescentarLinhas(const TnMsgTreeNode *no, QStringList &linhas) {
  linhas << QString(no->Nivel() * 2, QLatin1Char(' ')) + QString::number(static_cast<int>(no->Tipo())) +
                QLatin1Char(' ') + no->Texto() + SufixoIcone(no->Icone());
  for (const TnMsgTreeNode *filho : no->Filhos()) AcrescentarLinhas(filho, linhas);
}

}  // namespace

TnMsgTree::TnMsgTree() = default;
TnMsgTree::~TnMsgTree() = default;

TnMsgTreeNode *TnMsgTree::MsgTree(TnTipoMensagem tipo, const QString &texto, TnMsgTreeNode *pai) {
  if (!Contem(pai)) pai = nullptr;
  std::vector<TnMsgTreeNode *> &irmaos = pai ? pai->FFilhos : FRaizes;
  const int linha = static_cast<int>(irmaos.size());

  TnMsgTreeEvento antes;
  antes.Evento = TnMsgTreeEvento::Tipo::AntesIncluir;
  antes.Pai = pai;
  antes.Linha = linha;
  Notificar(antes);

  TnMsgTreeNode *no = &FNos.emplace_back(this, pai, tipo, texto);
  no->FLinha = linha;
  irmaos.push_back(no);
  ++FContagem;

  TnMsgTreeEvento depois;
  depois.Evento = TnMsgTreeEvento::Tipo::Incluido;
  depois.Pai = pai;
  depois.Linha = linha;
  depois.No = no;
  Notificar(depois);
  return no;
}

void TnMsgTree::LimparMsgTreeLista() {
  TnMsgTreeEvento antes;
  antes.Evento = TnMsgTreeEvento::Tipo::AntesLimpar;
  Notificar(antes);
  for (TnMsgTreeNode &no : FNos) {
    if (!no.FArvore) continue;
    no.FArvore = nullptr;
    no.FTexto = QString();
    std::vector<TnMsgTreeNode *>().swap(no.FFilhos);
  }
  FRaizes.clear();
  FContagem = 0;
  TnMsgTreeEvento depois;
  depois.Evento = TnMsgTreeEvento::Tipo::Limpo;
  Notificar(depois);
}

QStringList TnMsgTree::Linhas() const {
  QStringList linhas;
  for (const TnMsgTreeNode *no : FRaizes) AcrescentarLinhas(no, linhas);
  return linhas;
}

int TnMsgTree::Observar(TnObservador observador) {
  const int id = FProximoId++;
  FObservadores.emplace_back(id, std::move(observador));
  return id;
}

void TnMsgTree::DeixarDeObservar(int id) {
  std::erase_if(FObservadores, [id](const auto &par) { return par.first == id; });
}

void TnMsgTree::NoAlterado(TnMsgTreeNode *no) {
  TnMsgTreeEvento evento;
  evento.Evento = TnMsgTreeEvento::Tipo::Alterado;
  evento.Pai = no->Pai();
  evento.Linha = no->Linha();
  evento.No = no;
  Notificar(evento);
}

void TnMsgTree::Notificar(const TnMsgTreeEvento &evento) {
  // A copy: an observer may stop observing while it runs.
  const auto observadores = FObservadores;
  for (const auto &[id, observador] : observadores)
    if (observador) observador(evento);
}

void SetarIconErro(TnMsgTreeNode *no) {
  if (no) no->SetIcone(TnIconeMensagem::Erro);
}

void SetarIconConfirmacao(TnMsgTreeNode *no) {
  if (no) no->SetIcone(TnIconeMensagem::Confirmacao);
}

void SetarIconInformacao(TnMsgTreeNode *no) {
  if (no) no->SetIcone(TnIconeMensagem::Informacao);
}
