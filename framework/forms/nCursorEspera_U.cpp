#include "nCursorEspera_U.h"

#include <utility>

namespace {

int GGuardas = 0;

TnCursorEspera::TnMostrar &Mostrar() {
  static TnCursorEspera::TnMostrar mostrar;
  return mostrar;
}

// The hook belongs to the screen: a failure there must not stop the
// operation nor escape a destructor.
void Avisar(bool espera) {
  try {
    if (Mostrar()) Mostrar()(espera);
  } catch (...) {
  }
}

}  // namespace

TnCursorEspera::TnCursorEspera() {
  if (GGuardas++ == 0) Avisar(true);
}

TnCursorEspera::~TnCursorEspera() {
  if (--GGuardas == 0) Avisar(false);
}

bool TnCursorEspera::Ativo() { return GGuardas > 0; }

TnCursorEspera::TnMostrar TnCursorEspera::SetMostrar(TnMostrar mostrar) {
  return std::exchange(Mostrar(), std::move(mostrar));
}
