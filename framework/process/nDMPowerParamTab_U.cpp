#include "nDMPowerParamTab_U.h"

#include "nClasseInfo_U.h"
#include "nRegistro_U.h"

TnDMPowerParamTab::TnDMPowerParamTab() { SetDBGridReadOnly(false); }

TnDMPowerParamTab::~TnDMPowerParamTab() = default;
