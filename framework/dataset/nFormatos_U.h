#pragma once

// The platform's format languages and the pt-BR text forms of numbers and
// dates. Fields, business code and the spreadsheet functions all format and
// read values through these, so a value shows the same text everywhere.
//
// Everything here follows the pt-BR locale, fixed on purpose and not taken from
// the machine: decimal separator ",", thousands separator ".", date separator
// "/", time separator ":", short date "dd/mm/yyyy", long time "hh:nn:ss".
//
// Date-time values are read as wall-clock values: only date() and time() of a
// QDateTime matter, never its time zone.

#include <QDate>
#include <QDateTime>
#include <QString>

#include "nframework_export.h"

// ---------------------------------------------------------------------------
// Numbers
//
// Number format language:
//   0        a digit, always shown (left-pads the integer part, right-pads the
//            fraction)
//   #        a digit shown only when significant
//   .        position of the decimal separator (the first one counts)
//   ,        anywhere in a section: group the integer part in thousands
//   E+ E- e+ e-  scientific notation; the 0s that follow give the minimum
//            exponent digits; E+ always writes the exponent's sign, E- only a
//            minus
//   '…' "…"  copied as they stand
//   ;        separates up to three sections: positive; negative; zero. The
//            negative section writes no sign of its own; an absent or empty
//            negative section means the positive one with a leading "-". A value
//            that rounds to zero at the shown decimals is formatted as zero.
//   anything else is copied.
// Rounding is half away from zero at the last digit shown. A format without
// digit placeholders gives its literal text ("Tipo" gives "Tipo").
//
// The double overload first reads the value at 15 significant digits, as the
// platform does, so 1.005 with "0.00" gives "1,01" and 0.1+0.2 shows as 0,3.
// An empty format gives the general form: up to 15 significant digits, no
// grouping, scientific ("1E20", "1E-5") when the value needs more integer
// digits than that or is smaller than 0,0001. Infinities and NaN give "INF",
// "-INF" and "NAN". A value of more than 18 integer digits is shown in the
// general form whatever the format.
NFRAMEWORK_EXPORT QString FormatFloat(const QString &format, double value);

// Exact-decimal overload: decimalText is a decimal in canonical text
// ("-1234.5600"; a leading "+", a missing integer part and an exponent are also
// read). Formatted digit by digit, never through binary floating point. An
// empty format gives nDecimalToStr. A text that is not a decimal gives an empty
// text.
NFRAMEWORK_EXPORT QString FormatFloat(const QString &format, const QString &decimalText);

// The platform's Round: the nearest whole number, a value exactly halfway
// going to the even one (2,5 gives 2; 3,5 gives 4; -2,5 gives -2). It rounds
// the binary value as it stands, so 2,675 * 100 (267,4999…) gives 267; exact
// amounts round through TnDecimal instead. Raises Exception for a value that
// is not finite or lies beyond 2^63.
NFRAMEWORK_EXPORT qint64 nArredondarBancario(double value);

// General form of a double: FormatFloat with an empty format ("1234,5").
NFRAMEWORK_EXPORT QString FloatToStr(double value);

// The exact decimal with a comma, no grouping and no trailing zeros after the
// comma: "-1234.5600" gives "-1234,56", "1234.000" gives "1234", "-0.00"
// gives "0". A text that is not a decimal gives an empty text.
NFRAMEWORK_EXPORT QString nDecimalToStr(const QString &decimalText);

// Reads a typed number: pt-BR "1.234,56", "1234,56", "-0,5", also "1234.56" when
// the point cannot be a thousands separator. A single point followed by exactly
// three digits after a group of one to three digits ("1.234") is read as
// thousands, as a pt-BR user means it. Surrounding blanks are ignored; an
// exponent ("1,5E3") is accepted. Returns false, leaving out untouched, for
// anything else.
NFRAMEWORK_EXPORT bool TryStrToFloat(const QString &text, double &out);

// The same reading, giving the exact decimal as canonical text without
// trailing zeros ("1.234,50" gives "1234.5"), for exact-decimal fields.
NFRAMEWORK_EXPORT bool TryStrToDecimal(const QString &text, QString &decimalText);

// ---------------------------------------------------------------------------
// Dates and times
//
// Date-time format language (letters case-insensitive, "DD/MM/YYYY" works):
//   d dd      day of month, without / with leading zero
//   ddd dddd  short / long pt-BR day name ("seg", "segunda-feira")
//   ddddd     short date; dddddd long date ("segunda-feira, 2 de março de 2026")
//   m mm      month; right after an hour part (h, hh) they mean minutes
//   mmm mmmm  short / long pt-BR month name ("mar", "março")
//   yy yyyy   year in two / four digits
//   h hh      hour (12-hour clock when the format holds am/pm, a/p or ampm)
//   n nn      minutes;  s ss  seconds;  z zzz  milliseconds
//   t tt      short time "hh:nn" / long time "hh:nn:ss"
//   am/pm a/p the half of the day, written in the letter case of the format;
//   ampm      the locale's "AM"/"PM"
//   c         short date + long time; the time is left out at midnight
//   /  :      date and time separators
//   '…' "…"   copied as they stand; anything else is copied too.
// An empty format behaves like "c". An invalid value gives an empty text.
NFRAMEWORK_EXPORT QString FormatDateTime(const QString &format, const QDateTime &value);

// A date formatted as the date-time at its midnight.
NFRAMEWORK_EXPORT QString FormatDateTime(const QString &format, const QDate &value);

// "dd/mm/yyyy"; empty for an invalid date.
NFRAMEWORK_EXPORT QString DateToStr(const QDate &value);

// "dd/mm/yyyy hh:nn:ss", the time left out at midnight; empty when invalid.
NFRAMEWORK_EXPORT QString DateTimeToStr(const QDateTime &value);

// Reads "dd/mm/yyyy" or "d/m/yyyy"; a two-digit year is 20yy below 50 and
// 19yy from 50 on. Days that do not exist (31/02/2026) are refused.
NFRAMEWORK_EXPORT bool TryStrToDate(const QString &text, QDate &out);

// Reads a date as TryStrToDate, optionally followed by blanks and a time
// "hh:nn" or "hh:nn:ss" (hour of one or two digits); a date alone is midnight,
// so whatever DateTimeToStr writes reads back.
NFRAMEWORK_EXPORT bool TryStrToDateTime(const QString &text, QDateTime &out);

// Reads a competence month "mm/yyyy" (also "m/yyyy" and two-digit years) as
// day 1 of that month. "13/2026" is refused.
NFRAMEWORK_EXPORT bool TryStrToMesAno(const QString &text, QDate &out);

// The platform's day count: whole days since 30/12/1899, the fraction being
// the time of day (for a negative count the fraction still counts forwards
// from midnight: -1,25 is 29/12/1899 06:00). Milliseconds are rounded.
NFRAMEWORK_EXPORT QDateTime FloatToDateTime(double value);
NFRAMEWORK_EXPORT double DateTimeToFloat(const QDateTime &value);

NFRAMEWORK_EXPORT QDate StartOfTheMonth(const QDate &value);
NFRAMEWORK_EXPORT QDate EndOfTheMonth(const QDate &value);

// Calendar months from a's month to b's month, both counted (January to March
// is 3, the same month is 1); days play no part. 0 when b's month is before
// a's or either date is invalid.
NFRAMEWORK_EXPORT int MonthsBetweenInclusive(const QDate &a, const QDate &b);

// The date moved by months, the day clamped to the end of the target month
// (31/01 + 1 month is 28/02 or 29/02).
NFRAMEWORK_EXPORT QDate IncMonth(const QDate &value, int months);

// pt-BR names: dayOfWeek 1 = Monday .. 7 = Sunday (as QDate::dayOfWeek),
// month 1..12. Out of range gives an empty text.
NFRAMEWORK_EXPORT QString ShortDayName(int dayOfWeek);
NFRAMEWORK_EXPORT QString LongDayName(int dayOfWeek);
NFRAMEWORK_EXPORT QString ShortMonthName(int month);
NFRAMEWORK_EXPORT QString LongMonthName(int month);
