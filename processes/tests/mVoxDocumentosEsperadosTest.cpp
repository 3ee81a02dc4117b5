// The rule of the expected documents: months, periods and the window in which
// a document satisfies an expected date.
#include <gtest/gtest.h>

#include "mVoxDocumentosEsperados_U.h"

namespace {

using Regra = TmVoxDocumentosEsperados;

TEST(DocumentosEsperados, MonthsAreWholeTokensAsWritten) {
  EXPECT_TRUE(Regra::ContemMes(QStringLiteral("1;4;7;10"), 1));
  EXPECT_TRUE(Regra::ContemMes(QStringLiteral("1;4;7;10"), 10));
  EXPECT_FALSE(Regra::ContemMes(QStringLiteral("10;11;12"), 1));
  EXPECT_FALSE(Regra::ContemMes(QStringLiteral("12"), 1));
  EXPECT_TRUE(Regra::ContemMes(QStringLiteral("12"), 12));
  EXPECT_FALSE(Regra::ContemMes(QStringLiteral("01;02"), 1));
  EXPECT_FALSE(Regra::ContemMes(QStringLiteral(" 1;2"), 1));
  EXPECT_TRUE(Regra::ContemMes(QStringLiteral(";3;"), 3));
  EXPECT_FALSE(Regra::ContemMes(QString(), 1));
  EXPECT_FALSE(Regra::ContemMes(QVariant(), 1));
  EXPECT_FALSE(Regra::ContemMes(QStringLiteral(""), 0));
}

TEST(DocumentosEsperados, EachPeriodGivesItsDaysOfTheMonth) {
  const QString todos = QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12");
  // Any day of the competence stands for its month.
  const QDate marco(2026, 3, 9);
  EXPECT_EQ(Regra::DatasEsperadas(marco, 1, todos), (QList<QDate>{QDate(2026, 3, 1)}));
  EXPECT_EQ(Regra::DatasEsperadas(marco, 2, todos), (QList<QDate>{QDate(2026, 3, 1), QDate(2026, 3, 16)}));
  EXPECT_EQ(Regra::DatasEsperadas(QDate(2026, 2, 1), 3, todos),
            (QList<QDate>{QDate(2026, 2, 1), QDate(2026, 2, 11), QDate(2026, 2, 21)}));
  for (int periodo : {0, 4, -1}) EXPECT_TRUE(Regra::DatasEsperadas(marco, periodo, todos).isEmpty()) << periodo;
  EXPECT_TRUE(Regra::DatasEsperadas(marco, 1, QStringLiteral("1;4;7;10")).isEmpty());
  EXPECT_TRUE(Regra::DatasEsperadas(QDate(), 1, todos).isEmpty());
}

TEST(DocumentosEsperados, ADocumentSatisfiesWithinTheStrictWindow) {
  // Monthly: any day of the same month, never the month before.
  EXPECT_TRUE(Regra::Satisfaz(1, QDate(2026, 3, 1), QDate(2026, 3, 31)));
  EXPECT_TRUE(Regra::Satisfaz(1, QDate(2026, 3, 1), QDate(2026, 3, 1)));
  EXPECT_FALSE(Regra::Satisfaz(1, QDate(2026, 3, 1), QDate(2026, 2, 28)));
  EXPECT_FALSE(Regra::Satisfaz(1, QDate(2026, 3, 1), QDate(2025, 3, 1)));
  // Fortnightly: fewer than 15 whole days either way.
  EXPECT_TRUE(Regra::Satisfaz(2, QDate(2026, 3, 1), QDate(2026, 3, 5)));
  EXPECT_TRUE(Regra::Satisfaz(2, QDate(2026, 3, 16), QDate(2026, 3, 5)));
  EXPECT_FALSE(Regra::Satisfaz(2, QDate(2026, 3, 1), QDate(2026, 3, 20)));
  EXPECT_TRUE(Regra::Satisfaz(2, QDate(2026, 3, 16), QDate(2026, 3, 20)));
  EXPECT_FALSE(Regra::Satisfaz(2, QDate(2026, 3, 1), QDate(2026, 3, 16)));
  // Every ten days: exactly ten days away is not enough.
  EXPECT_FALSE(Regra::Satisfaz(3, QDate(2026, 3, 11), QDate(2026, 3, 1)));
  EXPECT_FALSE(Regra::Satisfaz(3, QDate(2026, 3, 11), QDate(2026, 3, 21)));
  EXPECT_TRUE(Regra::Satisfaz(3, QDate(2026, 3, 11), QDate(2026, 3, 20)));
  EXPECT_FALSE(Regra::Satisfaz(0, QDate(2026, 3, 1), QDate(2026, 3, 1)));
}

}  // namespace
