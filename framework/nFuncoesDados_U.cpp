#include "nFuncoesDados_U.h"

#include "nClientDataSet_U.h"

bool HouveAlteracoes(const TnClientDataSet *dados) {
  if (!dados || !dados->Active()) return false;
  const bool editando = dados->State() == TnDataSetState::Edit || dados->State() == TnDataSetState::Insert;
  return (editando && dados->Modified()) || dados->ChangeCount() > 0;
}
