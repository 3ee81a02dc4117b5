#include <gtest/gtest.h>

#include "mVoxSFuncoes_U.h"
#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

#include <utility>

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

// --- origin keys of debit items

struct DebitoDoTipo {
  int Tipo;
  const char *Tabela;
  const char *ColunaChave;
};
const DebitoDoTipo kDebitos[] = {
    {1, "DEBITOFEDERAL", "CHAVEDEBITOFED"},   {2, "DEBITOESTADUAL", "CHAVEDEBITOEST"},
    {3, "DEBITOMUNICIPAL", "CHAVEDEBITOMUN"}, {4, "DEBITOSINDICAL", "CHAVEDEBITOSIND"},
    {5, "DEBITOGPS", "CHAVEDEBITOGPS"},       {9, "DEBITOFGTS", "CHAVEDEBITOFGTS"},
    {10, "DEBITOFOLHA", "CHAVEDEBITOFOLHA"},
};

class ChaveOrigemDebito : public TnBancoTeste {
 protected:
  // Every debit of every table is stamped with protocol 77.
  void SetUp() override {
    TnBancoTeste::SetUp();
    for (const DebitoDoTipo &debito : kDebitos)
      ExecutarSQLDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = 77").arg(QLatin1String(debito.Tabela)));
  }
  int Estampados(const DebitoDoTipo &debito) {
    return Contar(QLatin1String(debito.Tabela), QStringLiteral("CODIGOPROTOCOLO = 77"));
  }
  QVariant Protocolo(const DebitoDoTipo &debito, int empresa, int chave) {
    return Valor(QStringLiteral("select CODIGOPROTOCOLO from %1 where CODIGOEMPRESA = :empresa and %2 = :chave")
                     .arg(QLatin1String(debito.Tabela), QLatin1String(debito.ColunaChave)),
                 {empresa, chave});
  }
  // A debit of the table, the first of its company's keys.
  std::pair<int, int> UmDebito(const DebitoDoTipo &debito) {
    auto dados = ExecutarSQL(QStringLiteral("select CODIGOEMPRESA, %1 from %2 order by CODIGOEMPRESA, %1")
                                 .arg(QLatin1String(debito.ColunaChave), QLatin1String(debito.Tabela)));
    return {dados->Fields(0)->AsInteger(), dados->Fields(1)->AsInteger()};
  }
};

TEST_F(ChaveOrigemDebito, EveryDebitTypeRoundTripsToExactlyItsOwnDebitRow) {
  for (const DebitoDoTipo &debito : kDebitos) {
    SCOPED_TRACE(debito.Tabela);
    const auto [empresa, chave] = UmDebito(debito);
    const int antes = Estampados(debito);
    ASSERT_GT(antes, 1) << "the sample needs two debits in the table";
    const QString chaveOrigem = MontarChaveOrigem(debito.Tipo, empresa, chave);
    EXPECT_EQ(PegarTipo(chaveOrigem), debito.Tipo);
    EXPECT_TRUE(LimparProDeb(chaveOrigem));
    EXPECT_TRUE(Protocolo(debito, empresa, chave).isNull());
    EXPECT_EQ(Estampados(debito), antes - 1);
  }
  // A release touches no other table.
  for (const DebitoDoTipo &debito : kDebitos) EXPECT_GT(Estampados(debito), 0) << debito.Tabela;
}

TEST_F(ChaveOrigemDebito, SameDebitKeyOfAnotherCompanyIsLeftStamped) {
  // Federal debit 2 exists for companies 1 and 2.
  ASSERT_FALSE(Protocolo(kDebitos[0], 2, 2).isNull());
  EXPECT_TRUE(LimparProDeb(MontarChaveOrigem(1, 1, 2)));
  EXPECT_TRUE(Protocolo(kDebitos[0], 1, 2).isNull());
  EXPECT_EQ(Protocolo(kDebitos[0], 2, 2).toLongLong(), 77);
}

TEST_F(ChaveOrigemDebito, KeysFitTheColumnAndNeverLookLikeItemsWithoutDebit) {
  for (const DebitoDoTipo &debito : kDebitos) {
    for (const QString &chave :
         {MontarChaveOrigem(debito.Tipo, 0, 0), MontarChaveOrigem(debito.Tipo, 32767, 2147483647)}) {
      SCOPED_TRACE(chave.toStdString());
      EXPECT_LE(chave.size(), 25);
      for (const char *prefixo : {"FP", "RF", "RE", "00", "FI"}) EXPECT_FALSE(chave.startsWith(QLatin1String(prefixo)));
    }
  }
}

TEST_F(ChaveOrigemDebito, TypeWithoutDebitTableOrNegativeValuesAreRefused) {
  for (int tipo : {0, 6, 7, 8, 11, 12}) EXPECT_THROW(MontarChaveOrigem(tipo, 1, 1), Exception) << tipo;
  EXPECT_THROW(MontarChaveOrigem(1, -1, 1), Exception);
  EXPECT_THROW(MontarChaveOrigem(1, 1, -1), Exception);
}

TEST_F(ChaveOrigemDebito, KeysOfNoDebitReleaseNothing) {
  const QString federal = MontarChaveOrigem(1, 1, 2);
  QString outroSufixo = federal;
  outroSufixo.replace(QStringLiteral("FED"), QStringLiteral("EST"));  // type 1 with the state table's suffix
  for (const QString &chave : {QString(), QStringLiteral("FPA"), QStringLiteral("FIN;11;1;A;5"), outroSufixo,
                               federal + QStringLiteral("x"), QStringLiteral("D01FED;1;'2' or 1=1")}) {
    SCOPED_TRACE(chave.toStdString());
    EXPECT_FALSE(LimparProDeb(chave));
  }
  for (const DebitoDoTipo &debito : kDebitos) EXPECT_EQ(Estampados(debito), Contar(QLatin1String(debito.Tabela)));
  // A debit that no longer exists.
  EXPECT_FALSE(LimparProDeb(MontarChaveOrigem(1, 1, 999)));
}

TEST_F(ChaveOrigemDebito, TypeOfOtherOriginsAndOfGarbage) {
  EXPECT_EQ(PegarTipo(QStringLiteral("FPA")), 6);
  EXPECT_EQ(PegarTipo(QStringLiteral("FIN;12;1;000123")), 12);
  EXPECT_EQ(PegarTipo(QString()), 0);
  EXPECT_EQ(PegarTipo(QStringLiteral("XYZ")), 0);
  EXPECT_EQ(PegarTipo(QStringLiteral("D07FED;1;1")), 0);  // 7 has no debits
}

}  // namespace
