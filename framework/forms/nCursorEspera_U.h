#pragma once

#include <functional>

#include "nframework_export.h"

// The busy cursor of a long operation (the "hourglass"): while at least one
// guard lives, the screen shows the wait cursor; when the last one goes, the
// normal cursor is back, however its scope ended. Guards nest. The Qt layer
// installs the hook that changes the cursor; without one (a headless run)
// the guards only count, so a test can see whether the cursor would show.
// User-interface thread only.
class NFRAMEWORK_EXPORT TnCursorEspera {
 public:
  TnCursorEspera();
  ~TnCursorEspera();
  TnCursorEspera(const TnCursorEspera &) = delete;
  TnCursorEspera &operator=(const TnCursorEspera &) = delete;

  // Whether the wait cursor shows (some guard lives).
  static bool Ativo();

  // `espera` true: show the wait cursor; false: put the normal one back.
  // Called once when the first guard comes and once when the last one goes.
  using TnMostrar = std::function<void(bool espera)>;
  // Installs the hook and returns the one installed before.
  static TnMostrar SetMostrar(TnMostrar mostrar);
};
