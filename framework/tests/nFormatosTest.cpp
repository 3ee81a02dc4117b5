#include <gtest/gtest.h>

#include <limits>

#include "nFormatos_U.h"

// QString in assertion messages reads as text, not as bytes.
static std::string s(const QString &v) { return v.toStdString(); }

static const QDateTime ThursdayAfternoon(QDate(2026, 3, 5), QTime(14, 7, 9, 45));

// --- Number format: digits, grouping, rounding --------------------------------

TEST(FormatFloatNumbers, GroupsThousandsWithDotAndWritesDecimalComma) {
  EXPECT_EQ(s(FormatFloat("#,##0.00", 1234567.891)), "1.234.567,89");
  EXPECT_EQ(s(FormatFloat("#,##0.00", 999.999)), "1.000,00");  // carry opens a new group
  EXPECT_EQ(s(FormatFloat("#,##0.00", 12.3)), "12,30");
  EXPECT_EQ(s(FormatFloat("#,##0.00", 0)), "0,00");
  EXPECT_EQ(s(FormatFloat("#,##0", -1234567)), "-1.234.567");
}

TEST(FormatFloatNumbers, RoundsHalfAwayFromZeroAtShownDecimals) {
  EXPECT_EQ(s(FormatFloat("#,##0.00", -0.005)), "-0,01");
  EXPECT_EQ(s(FormatFloat("0.00", 0.005)), "0,01");
  EXPECT_EQ(s(FormatFloat("0", 2.5)), "3");
  EXPECT_EQ(s(FormatFloat("0", -2.5)), "-3");
  // 1.005 is stored just below the half; the value as written must still round up.
  EXPECT_EQ(s(FormatFloat("0.00", 1.005)), "1,01");
}

TEST(FormatFloatNumbers, NegativeRoundingToZeroShowsNoMinus) {
  EXPECT_EQ(s(FormatFloat("0.00", -0.001)), "0,00");
  EXPECT_EQ(s(FormatFloat("0", -0.4)), "0");
}

TEST(FormatFloatNumbers, ZerosPadIntegerPartButNeverCutDigits) {
  EXPECT_EQ(s(FormatFloat("0000", 7)), "0007");
  EXPECT_EQ(s(FormatFloat("0000", 12345)), "12345");
  EXPECT_EQ(s(FormatFloat("000000", 123)), "000123");
  EXPECT_EQ(s(FormatFloat("000", 7)), "007");
  EXPECT_EQ(s(FormatFloat("0000", 7.6)), "0008");
}

TEST(FormatFloatNumbers, OptionalDigitsDropInsignificantZeros) {
  EXPECT_EQ(s(FormatFloat("#.##", 0)), "");
  EXPECT_EQ(s(FormatFloat("0.##", 0)), "0");
  EXPECT_EQ(s(FormatFloat("0.##", 1.5)), "1,5");
  EXPECT_EQ(s(FormatFloat("0.##", 2)), "2");
  EXPECT_EQ(s(FormatFloat("#,##0.0#", 1234.5)), "1.234,5");
  EXPECT_EQ(s(FormatFloat("#,##0.0#", 1234.567)), "1.234,57");
  EXPECT_EQ(s(FormatFloat("#.00", 0.5)), ",50");
  EXPECT_EQ(s(FormatFloat(".00", 12.5)), "12,50");
}

TEST(FormatFloatNumbers, FormatWithoutPlaceholderGivesItsText) {
  EXPECT_EQ(s(FormatFloat("Tipo", 3)), "Tipo");
  EXPECT_EQ(s(FormatFloat("Tipo", 0)), "Tipo");
}

TEST(FormatFloatNumbers, QuotedAndOtherTextIsCopiedWhereItStands) {
  EXPECT_EQ(s(FormatFloat("'R$ '#,##0.00", 1234.5)), "R$ 1.234,50");
  EXPECT_EQ(s(FormatFloat("\"0#,.;\"0", 5)), "0#,.;5");  // specifiers and ; inside quotes are text
  EXPECT_EQ(s(FormatFloat("000-000", 123456)), "123-456");
  EXPECT_EQ(s(FormatFloat("0 %", 15)), "15 %");
}

// --- Number format: sections -------------------------------------------------

TEST(FormatFloatSections, PicksPositiveNegativeAndZeroSections) {
  const QString f = "0.00;(0.00);'zero'";
  EXPECT_EQ(s(FormatFloat(f, 5)), "5,00");
  EXPECT_EQ(s(FormatFloat(f, -5)), "(5,00)");  // the negative section writes no minus
  EXPECT_EQ(s(FormatFloat(f, 0)), "zero");
  EXPECT_EQ(s(FormatFloat(f, -0.001)), "zero");  // rounds to zero, so it is zero
}

TEST(FormatFloatSections, MissingOrEmptySectionsFallBackToPositive) {
  EXPECT_EQ(s(FormatFloat("0;(0)", 0)), "0");
  EXPECT_EQ(s(FormatFloat("0.0;;'Z'", -1.5)), "-1,5");
  EXPECT_EQ(s(FormatFloat("0.0;;'Z'", 0)), "Z");
  EXPECT_EQ(s(FormatFloat("0.0;(0.0);", 0)), "0,0");
}

// --- Number format: exponent -------------------------------------------------

TEST(FormatFloatExponent, WritesMantissaAndSignedPaddedExponent) {
  EXPECT_EQ(s(FormatFloat("0.00E+00", 12345)), "1,23E+04");
  EXPECT_EQ(s(FormatFloat("0.00E+00", 0.000123)), "1,23E-04");
  EXPECT_EQ(s(FormatFloat("0.00E+00", -12345)), "-1,23E+04");
  EXPECT_EQ(s(FormatFloat("0.0E-0", 12345)), "1,2E4");  // E- shows only a minus
  EXPECT_EQ(s(FormatFloat("0.0e-0", 0.00012)), "1,2e-4");
  EXPECT_EQ(s(FormatFloat("0.00E+00", 9.999)), "1,00E+01");  // carry moves the exponent
  EXPECT_EQ(s(FormatFloat("0.00E+00", 0)), "0,00E+00");
}

// --- General form ----------------------------------------------------------

TEST(FormatFloatGeneral, FifteenSignificantDigitsWithComma) {
  EXPECT_EQ(s(FloatToStr(1234.5)), "1234,5");
  EXPECT_EQ(s(FloatToStr(0.1 + 0.2)), "0,3");
  EXPECT_EQ(s(FloatToStr(-1.5)), "-1,5");
  EXPECT_EQ(s(FloatToStr(0)), "0");
  EXPECT_EQ(s(FloatToStr(1234567)), "1234567");  // no grouping
  EXPECT_EQ(s(FloatToStr(123456789012345.0)), "123456789012345");
  EXPECT_EQ(s(FloatToStr(0.0001)), "0,0001");
  EXPECT_EQ(s(FormatFloat(QString(), 2.0 / 3.0)), "0,666666666666667");
}

TEST(FormatFloatGeneral, SwitchesToScientificOutsideFixedRange) {
  EXPECT_EQ(s(FloatToStr(1e20)), "1E20");
  EXPECT_EQ(s(FloatToStr(1e15)), "1E15");
  EXPECT_EQ(s(FloatToStr(-1.5e20)), "-1,5E20");
  EXPECT_EQ(s(FloatToStr(0.00001)), "1E-5");
  // A fixed layout of such a double would only show invented zeros.
  EXPECT_EQ(s(FormatFloat("#,##0.00", 1e20)), "1E20");
}

TEST(FormatFloatGeneral, NonFiniteValuesHaveTexts) {
  EXPECT_EQ(s(FloatToStr(std::numeric_limits<double>::infinity())), "INF");
  EXPECT_EQ(s(FloatToStr(-std::numeric_limits<double>::infinity())), "-INF");
  EXPECT_EQ(s(FloatToStr(std::numeric_limits<double>::quiet_NaN())), "NAN");
}

// --- Exact decimals --------------------------------------------------------

TEST(FormatFloatExactDecimal, KeepsDigitsBeyondDoublePrecision) {
  EXPECT_EQ(s(FormatFloat("0", QString("9007199254740993"))), "9007199254740993");
  EXPECT_EQ(s(FormatFloat("#,##0.00", QString("12345678901234567.895"))), "12.345.678.901.234.567,90");
  EXPECT_EQ(s(FormatFloat("#,##0.00", QString("-1234.5600"))), "-1.234,56");
}

TEST(FormatFloatExactDecimal, RoundsTheWrittenDigitsHalfAwayFromZero) {
  EXPECT_EQ(s(FormatFloat("0.00", QString("1.005"))), "1,01");
  EXPECT_EQ(s(FormatFloat("0.00", QString("-0.005"))), "-0,01");
  EXPECT_EQ(s(FormatFloat("0.00", QString("0.0049999999999999999999"))), "0,00");
  EXPECT_EQ(s(FormatFloat("0.00;(0.00);'zero'", QString("-0.0040"))), "zero");
}

TEST(FormatFloatExactDecimal, EmptyFormatKeepsAllDigitsAndBadTextGivesNothing) {
  EXPECT_EQ(s(FormatFloat(QString(), QString("1234567890123456.78"))), "1234567890123456,78");
  EXPECT_EQ(s(FormatFloat("0.00", QString("abc"))), "");
  EXPECT_EQ(s(FormatFloat("0.00", QString("1.2.3"))), "");
  EXPECT_EQ(s(FormatFloat("0.00", QString(""))), "");
}

TEST(DecimalText, TrimsTrailingZerosAndUsesComma) {
  EXPECT_EQ(s(nDecimalToStr("-1234.5600")), "-1234,56");
  EXPECT_EQ(s(nDecimalToStr("1234.000")), "1234");
  EXPECT_EQ(s(nDecimalToStr("1234")), "1234");
  EXPECT_EQ(s(nDecimalToStr("-0.00")), "0");
  EXPECT_EQ(s(nDecimalToStr("0.50")), "0,5");
  EXPECT_EQ(s(nDecimalToStr("001200.0")), "1200");
  EXPECT_EQ(s(nDecimalToStr("x")), "");
}

// --- Date-time format --------------------------------------------------------

TEST(FormatDateTimeSpecifiers, DateFormatsOfTheFieldsAreCaseInsensitive) {
  EXPECT_EQ(s(FormatDateTime("DD/MM/YYYY", ThursdayAfternoon)), "05/03/2026");
  EXPECT_EQ(s(FormatDateTime("MM/YYYY", ThursdayAfternoon)), "03/2026");
  EXPECT_EQ(s(FormatDateTime("d/m/yy", ThursdayAfternoon)), "5/3/26");
  EXPECT_EQ(s(FormatDateTime("dd/mm/yyyy hh:nn:ss", ThursdayAfternoon)), "05/03/2026 14:07:09");
  EXPECT_EQ(s(FormatDateTime("yyyy", QDate(987, 1, 1))), "0987");
}

TEST(FormatDateTimeSpecifiers, MonthLettersAfterHourMeanMinutes) {
  EXPECT_EQ(s(FormatDateTime("hh:mm", ThursdayAfternoon)), "14:07");
  EXPECT_EQ(s(FormatDateTime("h:m", ThursdayAfternoon)), "14:7");
  // Once another specifier comes between, m is the month again.
  EXPECT_EQ(s(FormatDateTime("hh:nn mm", ThursdayAfternoon)), "14:07 03");
  EXPECT_EQ(s(FormatDateTime("mm hh", ThursdayAfternoon)), "03 14");
}

TEST(FormatDateTimeSpecifiers, PtBrDayAndMonthNames) {
  EXPECT_EQ(s(FormatDateTime("ddd", ThursdayAfternoon)), "qui");
  EXPECT_EQ(s(FormatDateTime("dddd", ThursdayAfternoon)), "quinta-feira");
  EXPECT_EQ(s(FormatDateTime("mmm", ThursdayAfternoon)), "mar");
  EXPECT_EQ(s(FormatDateTime("mmmm", ThursdayAfternoon)), "março");
  EXPECT_EQ(s(FormatDateTime("dddd", QDate(2026, 3, 7))), "sábado");
  EXPECT_EQ(s(FormatDateTime("ddd", QDate(2026, 3, 8))), "dom");
  EXPECT_EQ(s(FormatDateTime("dddddd", ThursdayAfternoon)), "quinta-feira, 5 de março de 2026");
}

TEST(FormatDateTimeSpecifiers, QuotedTextIsNotInterpreted) {
  EXPECT_EQ(s(FormatDateTime("'Data:' dd \"de\" mmmm", ThursdayAfternoon)), "Data: 05 de março");
  EXPECT_EQ(s(FormatDateTime("hh'h'nn", ThursdayAfternoon)), "14h07");
}

TEST(FormatDateTimeSpecifiers, TwelveHourClockWithAmPmInFormatCase) {
  EXPECT_EQ(s(FormatDateTime("h:nn am/pm", ThursdayAfternoon)), "2:07 pm");
  EXPECT_EQ(s(FormatDateTime("hh:nn AM/PM", ThursdayAfternoon)), "02:07 PM");
  EXPECT_EQ(s(FormatDateTime("h:nn am/pm", QDateTime(QDate(2026, 3, 5), QTime(0, 30)))), "12:30 am");
  EXPECT_EQ(s(FormatDateTime("h:nn am/pm", QDateTime(QDate(2026, 3, 5), QTime(12, 0)))), "12:00 pm");
  EXPECT_EQ(s(FormatDateTime("h a/p", ThursdayAfternoon)), "2 p");
  EXPECT_EQ(s(FormatDateTime("h ampm", QDateTime(QDate(2026, 3, 5), QTime(9, 0)))), "9 AM");
  EXPECT_EQ(s(FormatDateTime("hh", ThursdayAfternoon)), "14");
}

TEST(FormatDateTimeSpecifiers, MillisecondsAndTimeShortcuts) {
  EXPECT_EQ(s(FormatDateTime("ss.zzz", ThursdayAfternoon)), "09.045");
  EXPECT_EQ(s(FormatDateTime("z", ThursdayAfternoon)), "45");
  EXPECT_EQ(s(FormatDateTime("t", ThursdayAfternoon)), "14:07");
  EXPECT_EQ(s(FormatDateTime("tt", ThursdayAfternoon)), "14:07:09");
}

TEST(FormatDateTimeDefault, ShortDateAndLongTimeWithoutTimeAtMidnight) {
  const QDateTime midnight(QDate(2026, 3, 5), QTime(0, 0));
  EXPECT_EQ(s(FormatDateTime("c", midnight)), "05/03/2026");
  EXPECT_EQ(s(FormatDateTime("", midnight)), "05/03/2026");
  EXPECT_EQ(s(FormatDateTime("", ThursdayAfternoon)), "05/03/2026 14:07:09");
  EXPECT_EQ(s(FormatDateTime("", QDateTime(QDate(2026, 3, 5), QTime(0, 0, 0, 1)))), "05/03/2026 00:00:00");
  EXPECT_EQ(s(FormatDateTime("", QDateTime())), "");
}

TEST(DateTexts, DateTimeToStrLeavesOutMidnight) {
  EXPECT_EQ(s(DateTimeToStr(QDateTime(QDate(2026, 1, 31), QTime(0, 0)))), "31/01/2026");
  EXPECT_EQ(s(DateTimeToStr(QDateTime(QDate(2026, 1, 31), QTime(8, 5, 3)))), "31/01/2026 08:05:03");
  EXPECT_EQ(s(DateToStr(QDate(2026, 1, 2))), "02/01/2026");
  EXPECT_EQ(s(DateToStr(QDate())), "");
}

// --- Reading typed texts -------------------------------------------------------

TEST(ParseDate, AcceptsShortAndLongForms) {
  QDate d;
  ASSERT_TRUE(TryStrToDate("05/03/2026", d));
  EXPECT_EQ(d, QDate(2026, 3, 5));
  ASSERT_TRUE(TryStrToDate(" 5/3/2026 ", d));
  EXPECT_EQ(d, QDate(2026, 3, 5));
  ASSERT_TRUE(TryStrToDate("05/03/26", d));
  EXPECT_EQ(d, QDate(2026, 3, 5));
  ASSERT_TRUE(TryStrToDate("05/03/49", d));
  EXPECT_EQ(d.year(), 2049);
  ASSERT_TRUE(TryStrToDate("05/03/50", d));
  EXPECT_EQ(d.year(), 1950);
  ASSERT_TRUE(TryStrToDate("29/02/2024", d));
}

TEST(ParseDate, RefusesDaysThatDoNotExistAndMalformedTexts) {
  QDate d(2000, 1, 1);
  for (const char *bad : {"31/02/2026", "29/02/2025", "00/01/2026", "01/13/2026", "05-03-2026", "05/03/2026x",
                          "05/03/202", "05/03", "", "a/b/cccc", "005/03/2026"})
    EXPECT_FALSE(TryStrToDate(bad, d)) << bad;
  EXPECT_EQ(d, QDate(2000, 1, 1));  // untouched on failure
}

TEST(ParseDateTime, ReadsOptionalTimeAndRoundTripsDateTimeToStr) {
  QDateTime dt;
  ASSERT_TRUE(TryStrToDateTime("05/03/2026 14:07", dt));
  EXPECT_EQ(dt, QDateTime(QDate(2026, 3, 5), QTime(14, 7)));
  ASSERT_TRUE(TryStrToDateTime("05/03/2026  8:07:09", dt));
  EXPECT_EQ(dt, QDateTime(QDate(2026, 3, 5), QTime(8, 7, 9)));
  ASSERT_TRUE(TryStrToDateTime("05/03/2026", dt));
  EXPECT_EQ(dt, QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
  for (const QDateTime &v : {ThursdayAfternoon.addMSecs(-45), QDateTime(QDate(2026, 3, 5), QTime(0, 0))}) {
    ASSERT_TRUE(TryStrToDateTime(DateTimeToStr(v), dt));
    EXPECT_EQ(dt, v);
  }
}

TEST(ParseDateTime, RefusesImpossibleTimes) {
  QDateTime dt;
  for (const char *bad : {"05/03/2026 24:00", "05/03/2026 12:60", "05/03/2026 12:7", "05/03/2026 12",
                          "05/03/2026 12:00:61", "31/02/2026 10:00", "05/03/2026 10:00 x"})
    EXPECT_FALSE(TryStrToDateTime(bad, dt)) << bad;
}

TEST(ParseMesAno, ReadsCompetenceAsFirstDayAndRefusesBadMonths) {
  QDate d;
  ASSERT_TRUE(TryStrToMesAno("03/2026", d));
  EXPECT_EQ(d, QDate(2026, 3, 1));
  ASSERT_TRUE(TryStrToMesAno("3/2026", d));
  EXPECT_EQ(d, QDate(2026, 3, 1));
  ASSERT_TRUE(TryStrToMesAno("12/99", d));
  EXPECT_EQ(d, QDate(1999, 12, 1));
  for (const char *bad : {"13/2026", "00/2026", "03/202", "032026", "03/2026/1", ""})
    EXPECT_FALSE(TryStrToMesAno(bad, d)) << bad;
}

TEST(ParseFloat, ReadsPtBrGroupingAndUnambiguousPoint) {
  double v = 0;
  ASSERT_TRUE(TryStrToFloat("1.234,56", v));
  EXPECT_DOUBLE_EQ(v, 1234.56);
  ASSERT_TRUE(TryStrToFloat("1234,56", v));
  EXPECT_DOUBLE_EQ(v, 1234.56);
  ASSERT_TRUE(TryStrToFloat("1234.56", v));
  EXPECT_DOUBLE_EQ(v, 1234.56);
  ASSERT_TRUE(TryStrToFloat("-1.234.567,5", v));
  EXPECT_DOUBLE_EQ(v, -1234567.5);
  ASSERT_TRUE(TryStrToFloat(" 12 ", v));
  EXPECT_DOUBLE_EQ(v, 12);
  ASSERT_TRUE(TryStrToFloat(",5", v));
  EXPECT_DOUBLE_EQ(v, 0.5);
  ASSERT_TRUE(TryStrToFloat("1,5E3", v));
  EXPECT_DOUBLE_EQ(v, 1500);
}

TEST(ParseFloat, PointBeforeThreeDigitsIsThousandsAsPtBrUsersMeanIt) {
  double v = 0;
  ASSERT_TRUE(TryStrToFloat("1.234", v));
  EXPECT_DOUBLE_EQ(v, 1234);
  ASSERT_TRUE(TryStrToFloat("1.234.567", v));
  EXPECT_DOUBLE_EQ(v, 1234567);
  ASSERT_TRUE(TryStrToFloat("0.500", v));  // a group cannot start with 0
  EXPECT_DOUBLE_EQ(v, 0.5);
  ASSERT_TRUE(TryStrToFloat("1234.567", v));  // a group has at most three digits
  EXPECT_DOUBLE_EQ(v, 1234.567);
}

TEST(ParseFloat, RefusesAmbiguousOrForeignTexts) {
  double v = 7;
  for (const char *bad : {"", "abc", "1,2,3", "12.34,5", "1.23.4", "1,234.56", "1 234", "12a", "-", ",", "1e", "R$ 5"})
    EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
  EXPECT_EQ(v, 7);
}

TEST(ParseDecimal, GivesExactCanonicalText) {
  QString d;
  ASSERT_TRUE(TryStrToDecimal("1.234,50", d));
  EXPECT_EQ(s(d), "1234.5");
  ASSERT_TRUE(TryStrToDecimal("-0,00", d));
  EXPECT_EQ(s(d), "0");
  ASSERT_TRUE(TryStrToDecimal("90.071.992.547.409,93", d));
  EXPECT_EQ(s(d), "90071992547409.93");
  EXPECT_FALSE(TryStrToDecimal("1,2,3", d));
}

// --- Month arithmetic --------------------------------------------------------

TEST(MonthHelpers, MonthsBetweenCountsBothEndsAcrossYears) {
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 1, 1), QDate(2026, 3, 1)), 3);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2025, 11, 1), QDate(2026, 2, 1)), 4);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 3, 1), QDate(2026, 3, 1)), 1);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 1, 31), QDate(2026, 2, 1)), 2);  // days play no part
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 3, 20), QDate(2026, 3, 2)), 1);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 3, 1), QDate(2025, 12, 1)), 0);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2020, 1, 1), QDate(2026, 12, 1)), 84);
  EXPECT_EQ(MonthsBetweenInclusive(QDate(), QDate(2026, 12, 1)), 0);
}

TEST(MonthHelpers, IncMonthClampsDayToMonthEnd) {
  EXPECT_EQ(IncMonth(QDate(2026, 1, 31), 1), QDate(2026, 2, 28));
  EXPECT_EQ(IncMonth(QDate(2024, 1, 31), 1), QDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(QDate(2026, 1, 15), -1), QDate(2025, 12, 15));
  EXPECT_EQ(IncMonth(QDate(2025, 11, 1), 14), QDate(2027, 1, 1));
}

TEST(MonthHelpers, StartAndEndOfTheMonth) {
  EXPECT_EQ(StartOfTheMonth(QDate(2026, 3, 17)), QDate(2026, 3, 1));
  EXPECT_EQ(EndOfTheMonth(QDate(2024, 2, 10)), QDate(2024, 2, 29));
  EXPECT_EQ(EndOfTheMonth(QDate(2026, 12, 1)), QDate(2026, 12, 31));
  EXPECT_FALSE(EndOfTheMonth(QDate()).isValid());
}

// --- Day counts of the spreadsheet ------------------------------------------------

TEST(DayCount, WholeDaysFromDayZeroAndFractionAsTimeOfDay) {
  EXPECT_EQ(FloatToDateTime(0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
  EXPECT_EQ(FloatToDateTime(2.75), QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
  EXPECT_EQ(FloatToDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
  EXPECT_EQ(FloatToDateTime(46086), QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
  // A fraction a hair below a whole day is the next midnight, not 23:59:59.999...
  EXPECT_EQ(FloatToDateTime(46086 - 1e-10), QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
  EXPECT_EQ(FloatToDateTime(-2 + 1e-10), QDateTime(QDate(1899, 12, 28), QTime(0, 0)));
  EXPECT_FALSE(FloatToDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(DayCount, DateTimeToFloatIsTheInverse) {
  for (const QDateTime &v : {ThursdayAfternoon, QDateTime(QDate(1899, 12, 29), QTime(6, 0)),
                             QDateTime(QDate(1850, 7, 1), QTime(23, 59, 59, 999))})
    EXPECT_EQ(FloatToDateTime(DateTimeToFloat(v)), v) << s(v.toString(Qt::ISODateWithMs));
}
