// The test program opens the module's libraries as the program does.
#include "nPacotesTeste_U.h"

static ::testing::Environment *const GPacotes =
    ::testing::AddGlobalTestEnvironment(new TnPacotesTeste({QStringLiteral("mVoxPk"), QStringLiteral("mVoxPkPbCfg")}));
