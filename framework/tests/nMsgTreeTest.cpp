#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nMsgTree_U.h"

namespace {

// Events as short texts, to compare sequences.
QStringList *GEventos = nullptr;

QString Descrever(const TnMsgTreeEvento &e) {
  const QString pai = e.Pai ? e.Pai->Texto() : QStringLiteral("-");
  switch (e.Evento) {
    case TnMsgTreeEvento::Tipo::AntesIncluir:
      return QStringLiteral("antes %1/%2").arg(pai).arg(e.Linha);
    case TnMsgTreeEvento::Tipo::Incluido:
      return QStringLiteral("incluido %1/%2 %3").arg(pai).arg(e.Linha).arg(e.No->Texto());
    case TnMsgTreeEvento::Tipo::Alterado:
      return QStringLiteral("alterado %1").arg(e.No->Texto());
    case TnMsgTreeEvento::Tipo::AntesLimpar:
      return QStringLiteral("antes limpar");
    case TnMsgTreeEvento::Tipo::Limpo:
      return QStringLiteral("limpo");
  }
  return QString();
}

}  // namespace

TEST(MsgTree, BuildsHeadingsWithTheirLinesInOrder) {
  TnMsgTree arvore;
  TnMsgTreeNode *emp = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: 1 - ACME"));
  TnMsgTreeNode *estab = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Filial: 1 - Matriz"), emp);
  arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("Documento Número: 10 gerado."), estab);
  arvore.MsgTree(TnTipoMensagem::Aviso, QStringLiteral("Grupo 3 não possui tipos de documentos associados a ele!"),
                 estab);
  arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("Operação concluída com sucesso!"));

  EXPECT_EQ(arvore.ComoTexto(), QStringLiteral("4 Empresa: 1 - ACME\n"
                                               "  4 Filial: 1 - Matriz\n"
                                               "    5 Documento Número: 10 gerado.\n"
                                               "    2 Grupo 3 não possui tipos de documentos associados a ele!\n"
                                               "5 Operação concluída com sucesso!"));
  EXPECT_EQ(arvore.Contar(), 5);
  ASSERT_EQ(arvore.Raizes().size(), 2u);
  EXPECT_EQ(estab->Pai(), emp);
  EXPECT_EQ(estab->Filhos().at(1)->Linha(), 1);
  EXPECT_EQ(arvore.Raizes().at(1)->Linha(), 1);
  EXPECT_EQ(estab->Filhos().at(1)->Tipo(), TnTipoMensagem::Aviso);
  EXPECT_EQ(estab->Filhos().at(0)->Nivel(), 2);
}

TEST(MsgTree, IconsMarkLinesAndNullNodesAreIgnored) {
  TnMsgTree arvore;
  TnMsgTreeNode *emp = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: 2 - B"));
  TnMsgTreeNode *estab = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Filial: 1 - C"), emp);
  arvore.MsgTree(TnTipoMensagem::Falha, QStringLiteral("Operação cancelada! Nenhum documento foi gerado!"), estab);
  SetarIconErro(estab);
  SetarIconErro(emp);
  SetarIconErro(nullptr);
  TnMsgTreeNode *ok = arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("ok"));
  SetarIconConfirmacao(ok);
  TnMsgTreeNode *info = arvore.MsgTree(TnTipoMensagem::Aviso, QStringLiteral("info"));
  SetarIconInformacao(info);
  EXPECT_EQ(arvore.Linhas(),
            (QStringList{QStringLiteral("4 Empresa: 2 - B (erro)"), QStringLiteral("  4 Filial: 1 - C (erro)"),
                         QStringLiteral("    0 Operação cancelada! Nenhum documento foi gerado!"),
                         QStringLiteral("5 ok (confirmação)"), QStringLiteral("2 info (informação)")}));
}

TEST(MsgTree, ClearingEmptiesTheTreeAndOldNodesStaySafe) {
  TnMsgTree arvore;
  TnMsgTreeNode *antigo = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: 1"));
  arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("feito"), antigo);
  arvore.LimparMsgTreeLista();
  EXPECT_EQ(arvore.Contar(), 0);
  EXPECT_TRUE(arvore.Raizes().empty());
  EXPECT_TRUE(arvore.ComoTexto().isEmpty());
  EXPECT_FALSE(arvore.Contem(antigo));

  // A process that kept a heading from the previous run: the new line is not
  // lost under a detached node, and marking the old node changes nothing shown.
  TnMsgTreeNode *novo = arvore.MsgTree(TnTipoMensagem::Falha, QStringLiteral("falhou"), antigo);
  SetarIconErro(antigo);
  EXPECT_EQ(novo->Pai(), nullptr);
  EXPECT_EQ(arvore.ComoTexto(), QStringLiteral("0 falhou"));
  EXPECT_EQ(arvore.Contar(), 1);

  // What a detached node held is let go: a screen run many times keeps no
  // text nor lines of its earlier runs.
  EXPECT_TRUE(antigo->Texto().isEmpty());
  EXPECT_TRUE(antigo->Filhos().empty());
  // Clearing again leaves the nodes of both runs safe.
  arvore.LimparMsgTreeLista();
  SetarIconConfirmacao(novo);
  SetarIconErro(antigo);
  EXPECT_EQ(arvore.Contar(), 0);
}

TEST(MsgTree, ALineKeepsItsTextAtItsLength) {
  TnMsgTree arvore;
  QString texto;
  texto.reserve(400);
  texto += QStringLiteral("Folha de Pagamento - Funcionário 1");
  const TnMsgTreeNode *linha = arvore.MsgTree(TnTipoMensagem::Sucesso, texto);
  texto.clear();
  EXPECT_EQ(linha->Texto(), QStringLiteral("Folha de Pagamento - Funcionário 1"));
  EXPECT_LT(linha->Texto().capacity(), 64);
}

TEST(MsgTree, ObserversSeeEveryChangeInOrder) {
  TnMsgTree arvore;
  QStringList eventos;
  GEventos = &eventos;
  const int id = arvore.Observar([](const TnMsgTreeEvento &e) { *GEventos << Descrever(e); });

  TnMsgTreeNode *a = arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("A"));
  arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("a1"), a);
  arvore.MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("a2"), a);
  SetarIconErro(a);
  SetarIconErro(a);  // no change, no event
  arvore.LimparMsgTreeLista();
  arvore.DeixarDeObservar(id);
  arvore.MsgTree(TnTipoMensagem::Titulo, QStringLiteral("B"));

  EXPECT_EQ(
      eventos,
      (QStringList{QStringLiteral("antes -/0"), QStringLiteral("incluido -/0 A"), QStringLiteral("antes A/0"),
                   QStringLiteral("incluido A/0 a1"), QStringLiteral("antes A/1"), QStringLiteral("incluido A/1 a2"),
                   QStringLiteral("alterado A"), QStringLiteral("antes limpar"), QStringLiteral("limpo")}));
  GEventos = nullptr;
}

TEST(MsgTree, ObserverMayStopObservingWhileNotified) {
  TnMsgTree arvore;
  int chamadas = 0;
  int id = 0;
  id = arvore.Observar([&](const TnMsgTreeEvento &) {
    ++chamadas;
    arvore.DeixarDeObservar(id);
  });
  arvore.MsgTree(TnTipoMensagem::Aviso, QStringLiteral("x"));
  arvore.MsgTree(TnTipoMensagem::Aviso, QStringLiteral("y"));
  EXPECT_EQ(chamadas, 1);
}
