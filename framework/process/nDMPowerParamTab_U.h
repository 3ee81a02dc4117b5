#pragma once

#include "nDMPowerParam_U.h"
#include "nframework_export.h"

// The process with a parameter panel and an editable grid tab: the run fills
// nClientDataSet, the user changes it, Gravar writes it and Cancelar drops
// the changes. The grid is editable; Gravar and Cancelar are offered once the
// process turns them on (SetActionGravar, SetActionCancelar).
class NFRAMEWORK_EXPORT TnDMPowerParamTab : public TnDMPowerParam {
 public:
  TnDMPowerParamTab();
  ~TnDMPowerParamTab() override;

  // The options of a screen that edits a configuration as a list and saves
  // it by replacement: the grid keeps the screen's own order (no sorting by
  // a title click) and deletes a row without asking, the parameter panel
  // keeps its size, and Gravar, Cancelar and the search are offered.
  void ConfigurarGridConfiguracao();
};
