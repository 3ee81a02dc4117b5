#include <gtest/gtest.h>

#include "nDecimal_U.h"

TEST(TnDecimal, ReadsCanonicalAndBrazilianTexts) {
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("1234.56"))->Texto(), QStringLiteral("1234.56"));
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("1.234,56"))->Texto(), QStringLiteral("1234.56"));
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("-0,5"))->Texto(), QStringLiteral("-0.5"));
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("007"))->Texto(), QStringLiteral("7"));
  EXPECT_FALSE(TnDecimal::DoTexto(QStringLiteral("12a")));
  EXPECT_FALSE(TnDecimal::DoTexto(QStringLiteral("1.2.3")));
  EXPECT_FALSE(TnDecimal::DoTexto(QStringLiteral("")));
  EXPECT_FALSE(TnDecimal::DoTexto(QStringLiteral("12345678901234567890")));  // past 18 digits
}

TEST(TnDecimal, RoundsHalfAwayFromZeroWithoutBinaryDrift) {
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("2.345"))->Arredondar(2).Texto(), QStringLiteral("2.35"));
  EXPECT_EQ(TnDecimal::DoTexto(QStringLiteral("-2.345"))->Arredondar(2).Texto(), QStringLiteral("-2.35"));
  EXPECT_EQ(TnDecimal::DoDouble(0.1 + 0.2, 2).Texto(), QStringLiteral("0.30"));
  EXPECT_EQ(TnDecimal::DoDouble(1.005, 2).Texto(), QStringLiteral("1.01"));
  EXPECT_EQ(TnDecimal(5, 0).Arredondar(2).Texto(), QStringLiteral("5.00"));
}

TEST(TnDecimal, SumsOfCentsStayExact) {
  TnDecimal total;
  for (int i = 0; i < 1000; ++i) total = total + *TnDecimal::DoTexto(QStringLiteral("0.10"));
  EXPECT_EQ(total.Texto(), QStringLiteral("100.00"));
  EXPECT_TRUE(*TnDecimal::DoTexto(QStringLiteral("1.50")) == *TnDecimal::DoTexto(QStringLiteral("1.5")));
  EXPECT_TRUE(*TnDecimal::DoTexto(QStringLiteral("-3")) < *TnDecimal::DoTexto(QStringLiteral("0.01")));
}
