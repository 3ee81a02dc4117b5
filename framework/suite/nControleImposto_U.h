#pragma once

#include <functional>

#include "nframework_export.h"

class TnField;

// Keeps a tax code and its variation consistent on one record: when the
// code changes, a variation that does not belong to the new tax is replaced
// by the tax's only variation, or cleared when the tax has several (the user
// picks one) or none. Both fields open the tax lookup from their editor's
// button. The module that creates the control frees it (with its form);
// the fields' OnChange it chains to are put back then.
class NFRAMEWORK_EXPORT TnControleImposto {
 public:
  TnControleImposto(TnField *codigo, TnField *variacao);
  ~TnControleImposto();
  TnControleImposto(const TnControleImposto &) = delete;
  TnControleImposto &operator=(const TnControleImposto &) = delete;

  TnField *Codigo() const { return FCodigo; }
  TnField *Variacao() const { return FVariacao; }

 private:
  void CodigoMudou(TnField &campo);

  TnField *FCodigo;
  TnField *FVariacao;
  std::function<void(TnField &)> FOnChangeAnterior;
  bool FLigado = false;
};
