#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nFuncoesSuite_U.h"

TEST(PegarProximoToken, TakesTheTextBeforeTheSeparatorAndRemovesBoth) {
  QString texto = QStringLiteral("1;12;3");
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("1"));
  EXPECT_EQ(texto, QStringLiteral("12;3"));
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("12"));
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("3"));
  EXPECT_TRUE(texto.isEmpty());
  EXPECT_TRUE(PegarProximoToken(texto, QStringLiteral(";")).isEmpty());
}

TEST(PegarProximoToken, EmptyPartsMissingSeparatorsAndBlanksAreKeptAsTheyAre) {
  QString texto = QStringLiteral(";b");
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QString());
  EXPECT_EQ(texto, QStringLiteral("b"));

  texto = QStringLiteral("a;");
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("a"));
  EXPECT_TRUE(texto.isEmpty());

  texto = QStringLiteral(" 1;01");  // not trimmed: neither stands for "1"
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral(" 1"));
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("01"));

  texto = QStringLiteral("sem separador");
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(";")), QStringLiteral("sem separador"));
  EXPECT_TRUE(texto.isEmpty());

  texto = QStringLiteral("a, b, c");
  EXPECT_EQ(PegarProximoToken(texto, QStringLiteral(", ")), QStringLiteral("a"));
  EXPECT_EQ(texto, QStringLiteral("b, c"));

  texto = QStringLiteral("abc");
  EXPECT_EQ(PegarProximoToken(texto, QString()), QStringLiteral("abc"));
  EXPECT_TRUE(texto.isEmpty());
}

TEST(StrToStrArray, KeepsInnerEmptyPartsButNoTrailingOne) {
  EXPECT_EQ(StrToStrArray(QStringLiteral("1;;3"), QStringLiteral(";")),
            (QStringList{QStringLiteral("1"), QString(), QStringLiteral("3")}));
  EXPECT_EQ(StrToStrArray(QStringLiteral("1;2;"), QStringLiteral(";")),
            (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
  EXPECT_EQ(StrToStrArray(QStringLiteral(";2"), QStringLiteral(";")), (QStringList{QString(), QStringLiteral("2")}));
  EXPECT_EQ(StrToStrArray(QStringLiteral("único"), QStringLiteral(";")), QStringList{QStringLiteral("único")});
  EXPECT_TRUE(StrToStrArray(QString(), QStringLiteral(";")).isEmpty());
}

TEST(BitLigado, MatchesWholeCodesOnly) {
  EXPECT_TRUE(BitLigado(QStringLiteral("1;2;3;4;5;6"), 6));
  EXPECT_FALSE(BitLigado(QStringLiteral("1;2;3;4;5"), 6));
  EXPECT_FALSE(BitLigado(QStringLiteral("16;26;60"), 6));
  EXPECT_FALSE(BitLigado(QStringLiteral("06"), 6));
  EXPECT_TRUE(BitLigado(QStringLiteral("1; 6 "), 6));
  EXPECT_TRUE(BitLigado(QStringLiteral("1;;6;"), 6));
  EXPECT_TRUE(BitLigado(QStringLiteral("6"), 6));
  EXPECT_FALSE(BitLigado(QString(), 6));
  EXPECT_TRUE(BitLigado(QStringLiteral("10;11"), 11));
}
