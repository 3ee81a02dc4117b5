#include "nMsgTreeNode_U.h"

#include "nMsgTree_U.h"

TnMsgTreeNode::TnMsgTreeNode(TnMsgTree *arvore, TnMsgTreeNode *pai, TnTipoMensagem tipo, QString texto)
    : FArvore(arvore), FPai(pai), FTexto(std::move(texto)), FTipo(tipo) {
  // A text built by appending keeps room to grow; a line never grows, and a
  // process may write one per item saved.
  if (FTexto.capacity() > FTexto.size()) FTexto.squeeze();
}

void TnMsgTreeNode::SetIcone(TnIconeMensagem icone) {
  if (FIcone == icone) return;
  FIcone = icone;
  if (FArvore) FArvore->NoAlterado(this);
}

int TnMsgTreeNode::Nivel() const {
  int nivel = 0;
  for (const TnMsgTreeNode *no = FPai; no; no = no->FPai) ++nivel;
  return nivel;
}
