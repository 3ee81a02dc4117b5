#include <gtest/gtest.h>

#include "mVoxSFuncoes_U.h"
#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

namespace {

using ConfiguracaoProtocolo = TnBancoTeste;

TEST_F(ConfiguracaoProtocolo, ConfiguredEstablishmentGivesItsDeliveryForm) {
  EXPECT_TRUE(ChecarConfiguracaoPro(2, 1));
  EXPECT_EQ(PegarFormaEntrega(2, 1), QStringLiteral("3"));
  EXPECT_NO_THROW(ChecarConfigurarEmpPro(2, 2));
}

TEST_F(ConfiguracaoProtocolo, EstablishmentWithoutConfigurationIsRefusedAndHasNoForm) {
  EXPECT_FALSE(ChecarConfiguracaoPro(3, 1));
  EXPECT_EQ(PegarFormaEntrega(3, 1), QString());
  try {
    ChecarConfigurarEmpPro(3, 1);
    FAIL() << "no error";
  } catch (const Exception &e) {
    EXPECT_EQ(e.message(), QStringLiteral("Filial não configurada no Protocolo."));
  }
}

TEST_F(ConfiguracaoProtocolo, EmptyDeliveryFormReadsEmpty) {
  ExecutarSQLDireto(QStringLiteral("update CFGESTABPRO set FORMAENTREGA = null where CODIGOEMPRESA = 1"));
  EXPECT_TRUE(ChecarConfiguracaoPro(1, 1));
  EXPECT_EQ(PegarFormaEntrega(1, 1), QString());
}

}  // namespace
