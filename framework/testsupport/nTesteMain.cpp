#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>

#include "nBancoTeste_U.h"
#include "nClassesFramework_U.h"

// Exit code that CTest reads as "skipped": asked to run on PostgreSQL with no
// server named.
static constexpr int kSemServidor = 77;

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (TnAmbienteTeste::PostgreSQL() && !TnAmbienteTeste::ServidorInformado()) {
    std::fprintf(stderr, "MVOX_TEST_PG names no PostgreSQL server: PostgreSQL run skipped.\n");
    return kSemServidor;
  }
  ::testing::InitGoogleTest(&argc, argv);
  nRegistrarClassesFramework();
  const int resultado = RUN_ALL_TESTS();
  nRemoverClassesFramework();
  TnAmbienteTeste::Encerrar();
  return resultado;
}
