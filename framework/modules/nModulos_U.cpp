#include "nModulos_U.h"

#include "nException_U.h"

namespace {

void ChecarFaixa(TnPerModulo modulo) {
  if (modulo < 0 || modulo >= nQuantidadeModulos)
    throw Exception(QStringLiteral("Módulo fora da faixa 0..%1: %2.").arg(nQuantidadeModulos - 1).arg(modulo));
}

TnPerModulo GModuloAtual = nModuloMVox;

}  // namespace

TnModulos::TnModulos(std::initializer_list<TnPerModulo> modulos) {
  for (const TnPerModulo modulo : modulos) Incluir(modulo);
}

TnModulos &TnModulos::Incluir(TnPerModulo modulo) {
  ChecarFaixa(modulo);
  FBits.set(static_cast<size_t>(modulo));
  return *this;
}

TnModulos &TnModulos::Excluir(TnPerModulo modulo) {
  ChecarFaixa(modulo);
  FBits.reset(static_cast<size_t>(modulo));
  return *this;
}

bool TnModulos::Contem(TnPerModulo modulo) const {
  return modulo >= 0 && modulo < nQuantidadeModulos && FBits.test(static_cast<size_t>(modulo));
}

TnPerModulo nOrdinalModulo(const QString &codigo) {
  const QString limpo = codigo.trimmed();
  if (limpo.compare(QStringLiteral("mVox"), Qt::CaseInsensitive) == 0) return nModuloMVox;
  if (limpo.compare(QStringLiteral("rTul"), Qt::CaseInsensitive) == 0) return nModuloRTul;
  return -1;
}

TnPerModulo PegarModuloAtual() { return GModuloAtual; }

void SetModuloAtual(TnPerModulo modulo) {
  ChecarFaixa(modulo);
  GModuloAtual = modulo;
}
