#pragma once

#include <utility>

#include "nFrmVisual_U.h"

// Installs a modal hook for one test (it plays the user of every form shown
// modally meanwhile: chooses a row, presses a button, closes the form with
// Fechar) and puts the previous one back when it goes.
class TnModalTeste {
 public:
  explicit TnModalTeste(TnExecutarFormModal hook) : FAnterior(nSetExecutarFormModal(std::move(hook))) {}
  ~TnModalTeste() { nSetExecutarFormModal(FAnterior); }
  TnModalTeste(const TnModalTeste &) = delete;
  TnModalTeste &operator=(const TnModalTeste &) = delete;

 private:
  TnExecutarFormModal FAnterior;
};
