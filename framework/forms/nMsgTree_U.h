#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "nMsgTreeNode_U.h"
#include "nframework_export.h"

// A change of a message tree, as its observers see it. Insertions come in
// pairs (AntesIncluir, then Incluido) and so do clearings (AntesLimpar, then
// Limpo), which is what a Qt item model needs to follow the tree.
struct NFRAMEWORK_EXPORT TnMsgTreeEvento {
  enum class Tipo {
    AntesIncluir,  // Pai and Linha: where the line is about to go
    Incluido,      // No: the new line, already in place
    Alterado,      // No: its icon changed
    AntesLimpar,
    Limpo,
  };
  Tipo Evento = Tipo::Alterado;
  TnMsgTreeNode *Pai = nullptr;  // null: top level
  int Linha = -1;
  TnMsgTreeNode *No = nullptr;
};

// The message tree a process writes its progress and results into, headless:
// the Qt layer draws it by observing it, tests read it as text.
class NFRAMEWORK_EXPORT TnMsgTree {
 public:
  using TnObservador = std::function<void(const TnMsgTreeEvento &evento)>;

  TnMsgTree();
  ~TnMsgTree();
  TnMsgTree(const TnMsgTree &) = delete;
  TnMsgTree &operator=(const TnMsgTree &) = delete;

  // Adds a line under `pai`, after its other children; null puts it at the top
  // level. A parent that is not on this tree (a node kept from before a
  // clearing) also gives a top-level line, so a message is never lost.
  TnMsgTreeNode *MsgTree(TnTipoMensagem tipo, const QString &texto, TnMsgTreeNode *pai = nullptr);
  // Takes every line off the tree. The nodes stay valid (detached) while the
  // tree lives, so a process may still hold them; a detached node lets go of
  // its text and of the lines below it, so that a screen run many times
  // holds only a small record per line it ever showed.
  void LimparMsgTreeLista();

  const std::vector<TnMsgTreeNode *> &Raizes() const { return FRaizes; }
  // Lines on the tree, at every level.
  int Contar() const { return FContagem; }
  bool Contem(const TnMsgTreeNode *no) const { return no && no->Arvore() == this; }

  // One entry per line, depth first: two blanks per level, the kind's number,
  // a blank, the text, and the icon when one was set: " (erro)",
  // " (confirmação)" or " (informação)". For example
  //   "4 Empresa: 1 - ACME (erro)"
  //   "  5 Operação concluída com sucesso!"
  QStringList Linhas() const;
  QString ComoTexto() const { return Linhas().join(QLatin1Char('\n')); }

  // Observers run in the order they were added, right at each change; they
  // must not raise. Observar gives the id that DeixarDeObservar takes.
  int Observar(TnObservador observador);
  void DeixarDeObservar(int id);

 private:
  friend class TnMsgTreeNode;
  void NoAlterado(TnMsgTreeNode *no);
  void Notificar(const TnMsgTreeEvento &evento);

  // Every node made, on the tree or detached, in blocks: a node never moves
  // and costs no allocation of its own.
  std::deque<TnMsgTreeNode> FNos;
  std::vector<TnMsgTreeNode *> FRaizes;
  int FContagem = 0;
  std::vector<std::pair<int, TnObservador>> FObservadores;
  int FProximoId = 1;
};

// Icons of a message line. A null node is ignored: the callers set icons on
// headings that a run may not have made.
NFRAMEWORK_EXPORT void SetarIconErro(TnMsgTreeNode *no);
NFRAMEWORK_EXPORT void SetarIconConfirmacao(TnMsgTreeNode *no);
NFRAMEWORK_EXPORT void SetarIconInformacao(TnMsgTreeNode *no);
