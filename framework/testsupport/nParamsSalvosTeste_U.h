#pragma once

#include <QTemporaryDir>

#include "nParamsSalvos_U.h"

// The saved parameters of processes in a file of the test's own, installed
// for as long as the object lives.
class TnParamsSalvosTeste {
 public:
  TnParamsSalvosTeste() : FParams(FPasta.filePath(QStringLiteral("params.ini"))) { nSetParamsSalvos(&FParams); }
  ~TnParamsSalvosTeste() { nSetParamsSalvos(nullptr); }
  TnParamsSalvosTeste(const TnParamsSalvosTeste &) = delete;
  TnParamsSalvosTeste &operator=(const TnParamsSalvosTeste &) = delete;
  TnParamsSalvos *operator->() { return &FParams; }

 private:
  QTemporaryDir FPasta;
  TnParamsSalvos FParams;
};
