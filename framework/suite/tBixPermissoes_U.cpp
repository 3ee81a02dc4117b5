#include "tBixPermissoes_U.h"

void TtBixPermissoes::tBixDoGerarPrincAction(TnActionList &) {}
