#pragma once

#include "mvoxpk_export.h"

class TnActionList;

// The module's own user rights, declared to the framework's rights tree
// while the library is loaded: "DireitoAltProtocolo" (may change a stored
// protocol), after the tax-agenda module's rights.
MVOXPK_EXPORT void mVoxGerarDireitos(TnActionList &lista);
