#pragma once

#include "nFrmSplashMorvane_U.h"

// The protocol module's splash: the suite's module captions.
class TmVoxSSplash : public TnFrmSplashMorvane {
 public:
  TmVoxSSplash();
  QStringList GetListaSplashItens() override;
};
