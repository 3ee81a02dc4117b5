// The main() of the GUI tests: a QApplication (offscreen), the framework's
// classes registered, then the shared fixture's rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "nBancoTeste_U.h"
#include "nClassesFramework_U.h"
#include "nInstalarUi_U.h"

int main(int argc, char **argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The program's language, as the user sees it.
  nInstalarIdioma();
  if (TnAmbienteTeste::PostgreSQL() && !TnAmbienteTeste::ServidorInformado()) {
    std::fprintf(stderr, "MVOX_TEST_PG names no PostgreSQL server: PostgreSQL run skipped.\n");
    return 77;
  }
  ::testing::InitGoogleTest(&argc, argv);
  nRegistrarClassesFramework();
  const int resultado = RUN_ALL_TESTS();
  nRemoverClassesFramework();
  TnAmbienteTeste::Encerrar();
  return resultado;
}
