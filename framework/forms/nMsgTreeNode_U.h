#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "nframework_export.h"

class TnMsgTree;

// The kind of a line of a process's message tree; it picks the line's image.
enum class TnTipoMensagem : int {
  Falha = 0,        // something that did not happen
  Advertencia = 1,  // a warning about the data
  Aviso = 2,        // a notice: nothing to do here
  Titulo = 4,       // a heading grouping the lines below it
  Sucesso = 5,      // something that was done
};

// An icon set on a line over the image of its kind.
enum class TnIconeMensagem {
  Padrao,  // the kind's own image
  Erro,
  Confirmacao,
  Informacao,
};

// One line of a message tree. The tree owns its nodes; a node stays valid as
// long as its tree lives, even after LimparMsgTreeLista took it off the tree
// (it is then detached: Arvore() is null, its text and lines below are gone,
// and changing it shows nothing).
class NFRAMEWORK_EXPORT TnMsgTreeNode {
 public:
  TnMsgTreeNode(TnMsgTree *arvore, TnMsgTreeNode *pai, TnTipoMensagem tipo, QString texto);
  TnMsgTreeNode(const TnMsgTreeNode &) = delete;
  TnMsgTreeNode &operator=(const TnMsgTreeNode &) = delete;

  TnTipoMensagem Tipo() const { return FTipo; }
  const QString &Texto() const { return FTexto; }
  TnIconeMensagem Icone() const { return FIcone; }
  // Changes the icon and tells the tree's observers.
  void SetIcone(TnIconeMensagem icone);

  // Null for a top-level line.
  TnMsgTreeNode *Pai() const { return FPai; }
  const std::vector<TnMsgTreeNode *> &Filhos() const { return FFilhos; }
  // Position among its parent's children, or among the top-level lines.
  int Linha() const { return FLinha; }
  // Levels above it: 0 for a top-level line.
  int Nivel() const;
  // The tree showing the node; null once the tree was cleared.
  TnMsgTree *Arvore() const { return FArvore; }

 private:
  friend class TnMsgTree;

  // The small members together: a process may keep a line per item saved.
  TnMsgTree *FArvore;
  TnMsgTreeNode *FPai;
  QString FTexto;
  std::vector<TnMsgTreeNode *> FFilhos;
  TnTipoMensagem FTipo;
  TnIconeMensagem FIcone = TnIconeMensagem::Padrao;
  int FLinha = 0;
};
