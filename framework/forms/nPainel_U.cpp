#include "nPainel_U.h"

TnPainel::TnPainel(QObject *parent, const QString &nome) : QObject(parent) { setObjectName(nome); }

TnPainel::~TnPainel() = default;

TnPainel *TnPainel::Pai() const { return dynamic_cast<TnPainel *>(parent()); }

QList<TnPainel *> TnPainel::Filhos() const {
  QList<TnPainel *> filhos;
  for (QObject *filho : children())
    if (auto *painel = dynamic_cast<TnPainel *>(filho)) filhos.append(painel);
  return filhos;
}

void TnPainel::SetAncoras(bool topo, bool esquerda, bool direita, bool base) {
  FAncoraTopo = topo;
  FAncoraEsquerda = esquerda;
  FAncoraDireita = direita;
  FAncoraBase = base;
}
