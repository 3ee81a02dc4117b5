#pragma once

#include "nframework_export.h"

class TnActionList;

// Stand-in for the tax-agenda module's rights: that module is not part of
// this program, so it declares none.
class NFRAMEWORK_EXPORT TtBixPermissoes {
 public:
  static void tBixDoGerarPrincAction(TnActionList &lista);
};
