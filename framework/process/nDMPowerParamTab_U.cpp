#include "nDMPowerParamTab_U.h"

#include "nClasseInfo_U.h"
#include "nRegistro_U.h"

TnDMPowerParamTab::TnDMPowerParamTab() { SetDBGridReadOnly(false); }

TnDMPowerParamTab::~TnDMPowerParamTab() = default;

void TnDMPowerParamTab::ConfigurarGridConfiguracao() {
  SetDBGridOrdenar(false);
  SetDBGridReadOnly(false);
  SetDBGridConfirmaExclusao(false);
  SetAutoSizeScrollParam(false);
  SetActionGravar(true);
  SetActionCancelar(true);
  SetPesquisa(true);
}
