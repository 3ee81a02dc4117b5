#include "nFiltroTemporario_U.h"

#include "nClientDataSet_U.h"
#include "nDMClientDataSet_U.h"
#include "nRegistro_U.h"

TnFiltroTemporario::TnFiltroTemporario(TnDMClientDataSet *modulo, const QString &filtro) : FModulo(modulo) {
  TnClientDataSet *dados = FModulo->nClientDataSet;
  FFiltroAntes = dados->Filter();
  FFiltradoAntes = dados->Filtered();
  if (filtro.isEmpty()) return;
  dados->SetFiltered(false);
  dados->SetFilter(filtro);
  dados->SetFiltered(true);
}

TnFiltroTemporario::~TnFiltroTemporario() {
  if (!TnRegistro::Instancia().Viva(FModulo)) return;
  try {
    TnClientDataSet *dados = FModulo->nClientDataSet;
    dados->SetFiltered(false);
    dados->SetFilter(FFiltroAntes);
    dados->SetFiltered(FFiltradoAntes);
  } catch (...) {
    // The filter it had was valid when it was taken; a destructor must not
    // throw.
  }
}
