// The where clause built from a list of conditions: what it joins, what it
// leaves out, what it refuses, and that the result runs on both engines.
#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nCondicoesSQL_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

TEST(TnCondicoesSQL, NoConditionGivesNoWhereAndEmptyOnesAreSkipped) {
  TnCondicoesSQL condicoes;
  condicoes.Adicionar(QStringLiteral("  "))
      .AdicionarSelecao(QStringLiteral("C.CODIGOEMPRESA"), QStringLiteral(" "))
      .AdicionarSelecao(QStringLiteral("C.CODIGOESTAB"), QStringLiteral(";;"))  // separators only
      .AdicionarPeriodo(QStringLiteral("C.COMPETINICIAL"), QDate(), QDate())
      .AdicionarIgual(QStringLiteral("C.CODIGOLOCAL"), QString(), TnFieldType::SmallInt);
  EXPECT_TRUE(condicoes.IsEmpty());
  EXPECT_EQ(condicoes.Where(), QString());
}

TEST(TnCondicoesSQL, ASingleConditionHasNoStrayConjunctionAndSeveralKeepTheirOrder) {
  TnCondicoesSQL uma;
  uma.AdicionarIgual(QStringLiteral("C.CODIGOLOCAL"), 3, TnFieldType::SmallInt);
  EXPECT_EQ(uma.Where(), QStringLiteral(" where (C.CODIGOLOCAL = 3)"));

  TnCondicoesSQL varias;
  varias.AdicionarSelecao(QStringLiteral("C.CODIGOEMPRESA"), QStringLiteral("1;3, 5-9"))
      .AdicionarPeriodo(QStringLiteral("C.COMPETINICIAL"), QDate(2026, 1, 1), QDate(2026, 3, 31))
      .Adicionar(QStringLiteral("D.ARQUIVADO = '1'"));
  EXPECT_EQ(varias.Juntas(), QStringLiteral("((C.CODIGOEMPRESA in (1,3) or C.CODIGOEMPRESA between 5 and 9)) and "
                                            "(C.COMPETINICIAL between '2026-01-01' and '2026-03-31') and "
                                            "(D.ARQUIVADO = '1')"));
}

TEST(TnCondicoesSQL, APeriodOpenAtEitherEndStaysOpen) {
  TnCondicoesSQL desde;
  desde.AdicionarPeriodo(QStringLiteral("COMPETINICIAL"), QDate(2026, 2, 1), QDate());
  EXPECT_EQ(desde.Juntas(), QStringLiteral("(COMPETINICIAL >= '2026-02-01')"));
  TnCondicoesSQL ate;
  ate.AdicionarPeriodo(QStringLiteral("COMPETFINAL"), QDate(), QDate(2026, 2, 28));
  EXPECT_EQ(ate.Juntas(), QStringLiteral("(COMPETFINAL <= '2026-02-28')"));
}

TEST(TnCondicoesSQL, UserTextThatIsNotASelectionOrAColumnNameNeverReachesTheStatement) {
  TnCondicoesSQL condicoes;
  EXPECT_THROW(condicoes.AdicionarSelecao(QStringLiteral("CODIGOCAIXA"), QStringLiteral("1) or (1=1")), Exception);
  EXPECT_THROW(condicoes.AdicionarIgual(QStringLiteral("X; drop table Y"), 1, TnFieldType::Integer), Exception);
  EXPECT_THROW(
      condicoes.AdicionarIgual(QStringLiteral("CODIGOLOCAL"), QStringLiteral("1 or 1=1"), TnFieldType::Integer),
      Exception);
  EXPECT_THROW(condicoes.AdicionarPeriodo(QStringLiteral("A B"), QDate(2026, 1, 1), QDate()), Exception);
  EXPECT_TRUE(condicoes.IsEmpty());
  // A quote in a text value is doubled, not a way out of the literal.
  condicoes.AdicionarIgual(QStringLiteral("NOMEEMPRESA"), QStringLiteral("D'Ávila"), TnFieldType::String);
  EXPECT_EQ(condicoes.Juntas(), QStringLiteral("(NOMEEMPRESA = 'D''Ávila')"));
}

class TnCondicoesSQLBancoTest : public TnBancoTeste {};

TEST_F(TnCondicoesSQLBancoTest, TheClauseSelectsTheSameRowsOnBothEngines) {
  // Sample boxes: box 1 of company 2, establishment 1, 01/2026 to 12/2026.
  auto contar = [](const TnCondicoesSQL &condicoes) {
    auto dados = ExecutarSQL(QStringLiteral("select CODIGOCAIXA from PROTOCOLODOCCAIXA") + condicoes.Where());
    return dados->RecordCount();
  };
  const int todas = contar(TnCondicoesSQL());
  ASSERT_GT(todas, 0);
  TnCondicoesSQL dentro;
  dentro.AdicionarSelecao(QStringLiteral("CODIGOEMPRESA"), QStringLiteral("2"))
      .AdicionarPeriodo(QStringLiteral("COMPETINICIAL"), QDate(2026, 1, 1), QDate(2026, 1, 31))
      .AdicionarPeriodo(QStringLiteral("COMPETFINAL"), QDate(), QDate(2026, 12, 31));
  EXPECT_EQ(contar(dentro), 1);
  TnCondicoesSQL fora;
  fora.AdicionarPeriodo(QStringLiteral("COMPETINICIAL"), QDate(2026, 1, 2), QDate());
  EXPECT_EQ(contar(fora), todas - 1);
}
