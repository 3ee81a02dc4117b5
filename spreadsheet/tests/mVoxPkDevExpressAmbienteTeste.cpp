// The test program opens the spreadsheet library as the program does.
#include "nPacotesTeste_U.h"

static ::testing::Environment *const GPacotes =
    ::testing::AddGlobalTestEnvironment(new TnPacotesTeste({QStringLiteral("mVoxPkDevExpress")}));
