#include "nFormatos_U.h"

#include "nException_U.h"

#include <QList>
#include <QStringList>
#include <cmath>
#include <optional>

namespace {

// pt-BR locale, fixed: the texts the office reads never depend on the machine.
constexpr QChar DecimalSeparator = u',';
constexpr QChar ThousandSeparator = u'.';
const QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
const QString LongDateFormat = QStringLiteral("dddd, d' de 'mmmm' de 'yyyy");
const QString ShortTimeFormat = QStringLiteral("hh:nn");
const QString LongTimeFormat = QStringLiteral("hh:nn:ss");
const QString TimeAMString = QStringLiteral("AM");
const QString TimePMString = QStringLiteral("PM");

// The digits every double is read at before it is formatted.
constexpr int DoublePrecision = 15;

// A double with more integer digits than this is shown in the general form,
// whatever the format.
constexpr int MaxFixedIntegerDigits = 18;

// ---------------------------------------------------------------------------
// Exact decimal arithmetic on digit strings, enough for formatting.

// |value| = 0.digits x 10^point. Normalised: digits has no leading or trailing
// zeros; zero is the empty digit string, never negative.
struct TDecimal {
  bool negative = false;
  QByteArray digits;
  int point = 0;

  bool isZero() const { return digits.isEmpty(); }

  void normalize() {
    int lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    digits.remove(0, lead);
    point -= lead;
    int end = digits.size();
    while (end > 0 && digits[end - 1] == '0') --end;
    digits.truncate(end);
    if (digits.isEmpty()) {
      point = 0;
      negative = false;
    }
  }

  // Keeps the first keep digits, rounding half away from zero on the first
  // dropped one. keep may be zero or negative (everything dropped).
  void roundAtDigit(int keep) {
    if (keep >= digits.size()) return;
    if (keep < 0) {
      digits.clear();
      normalize();
      return;
    }
    const bool up = digits[keep] >= '5';
    digits.truncate(keep);
    if (up) {
      int i = digits.size() - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i < 0) {
        digits.prepend('1');
        ++point;
      } else {
        digits[i] = char(digits[i] + 1);
      }
    }
    normalize();
  }

  void roundToDecimals(int decimals) { roundAtDigit(point + decimals); }
  void roundToSignificant(int significant) { roundAtDigit(significant); }

  // The integer part's digits, no leading zeros ("" below 1).
  QString integerDigits() const {
    QString out;
    for (int i = 0; i < point; ++i) out += i < digits.size() ? QChar(digits[i]) : u'0';
    return out;
  }

  // The first count digits after the decimal point, zero-filled.
  QString fractionDigits(int count) const {
    QString out;
    for (int j = 0; j < count; ++j) {
      const int i = point + j;
      out += (i >= 0 && i < digits.size()) ? QChar(digits[i]) : u'0';
    }
    return out;
  }

  // All fraction digits, without trailing zeros.
  QString allFractionDigits() const {
    return fractionDigits(qMax(0, int(digits.size()) - point));
  }
};

// Reads [+-]digits[(.|,)digits][(e|E)[+-]digits] with at least one mantissa
// digit. Exponents are bounded so that a hostile text cannot make huge strings.
std::optional<TDecimal> parseDecimal(const QString &text) {
  const QString s = text.trimmed();
  int i = 0;
  const int n = s.size();
  TDecimal d;
  if (i < n && (s[i] == u'+' || s[i] == u'-')) d.negative = s[i++] == u'-';
  int mantissaDigits = 0;
  int intDigits = 0;
  bool inFraction = false;
  for (; i < n; ++i) {
    const QChar c = s[i];
    if (c.isDigit() && c.unicode() < 128) {
      d.digits += char(c.unicode());
      ++mantissaDigits;
      if (!inFraction) ++intDigits;
    } else if ((c == u'.' || c == u',') && !inFraction) {
      inFraction = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  int exponent = 0;
  if (i < n && (s[i] == u'e' || s[i] == u'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) expNegative = s[i++] == u'-';
    int expDigits = 0;
    for (; i < n && s[i].isDigit() && s[i].unicode() < 128; ++i) {
      exponent = exponent * 10 + (s[i].unicode() - '0');
      if (++expDigits > 4) return std::nullopt;
    }
    if (expDigits == 0) return std::nullopt;
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return std::nullopt;
  d.point = intDigits + exponent;
  d.normalize();
  return d;
}

TDecimal decimalFromDouble(double value) {
  // 'e' with precision-1 decimals gives exactly DoublePrecision significant
  // digits, correctly rounded from the binary value.
  return *parseDecimal(QString::number(value, 'e', DoublePrecision - 1));
}

// Fixed notation, comma, no grouping, no trailing zeros.
QString plainText(const TDecimal &d) {
  if (d.isZero()) return QStringLiteral("0");
  QString out = d.negative ? QStringLiteral("-") : QString();
  const QString intPart = d.integerDigits();
  out += intPart.isEmpty() ? QStringLiteral("0") : intPart;
  const QString frac = d.allFractionDigits();
  if (!frac.isEmpty()) out += DecimalSeparator + frac;
  return out;
}

// The general form at DoublePrecision digits: fixed while it fits, else
// scientific with an unsigned, unpadded exponent.
QString generalText(TDecimal d) {
  d.roundToSignificant(DoublePrecision);
  if (d.isZero()) return QStringLiteral("0");
  if (d.point > DoublePrecision || d.point < -3) {
    QString out = d.negative ? QStringLiteral("-") : QString();
    out += QChar(d.digits[0]);
    if (d.digits.size() > 1) out += DecimalSeparator + QString::fromLatin1(d.digits.mid(1));
    return out + u'E' + QString::number(d.point - 1);
  }
  return plainText(d);
}

// ---------------------------------------------------------------------------
// Number format sections.

enum class TNumTokenKind { Literal, IntDigit, Point, FracDigit, Exponent };

struct TNumToken {
  TNumTokenKind kind;
  QString text;        // Literal: the text; Exponent: the letter as written
  QChar digit;         // IntDigit/FracDigit: '0' or '#'
  bool expAlwaysSign = false;
  int expMinDigits = 0;
};

struct TNumSection {
  QList<TNumToken> tokens;
  bool thousands = false;
  bool hasExponent = false;
  int intPlaceholders = 0;
  int minIntDigits = 0;   // placeholders from the first integer '0' on
  int fracPlaceholders = 0;
  int minFracDigits = 0;  // up to the last fraction '0'
};

QStringList splitSections(const QString &format) {
  QStringList sections;
  QString current;
  QChar quote;
  for (const QChar c : format) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u';') {
      sections << current;
      current.clear();
      continue;
    }
    current += c;
  }
  sections << current;
  return sections;
}

TNumSection parseSection(const QString &s) {
  TNumSection sec;
  bool seenPoint = false;
  bool seenPlaceholder = false;
  const int n = s.size();
  int i = 0;
  auto addLiteral = [&](const QString &text) {
    if (!sec.tokens.isEmpty() && sec.tokens.last().kind == TNumTokenKind::Literal)
      sec.tokens.last().text += text;
    else
      sec.tokens.append({TNumTokenKind::Literal, text, QChar()});
  };
  while (i < n) {
    const QChar c = s[i];
    if (c == u'"' || c == u'\'') {
      int close = s.indexOf(c, i + 1);
      if (close < 0) close = n;
      addLiteral(s.mid(i + 1, close - i - 1));
      i = close + 1;
      continue;
    }
    if (sec.hasExponent) {
      // Everything after the exponent is decoration.
      addLiteral(QString(c));
    } else if (c == u'0' || c == u'#') {
      seenPlaceholder = true;
      sec.tokens.append({seenPoint ? TNumTokenKind::FracDigit : TNumTokenKind::IntDigit, QString(), c});
    } else if (c == u'.') {
      // Only the first point places the separator; later ones show nothing.
      if (!seenPoint) sec.tokens.append({TNumTokenKind::Point, QString(), QChar()});
      seenPoint = true;
    } else if (c == u',') {
      sec.thousands = true;
    } else if ((c == u'E' || c == u'e') && seenPlaceholder && i + 1 < n &&
               (s[i + 1] == u'+' || s[i + 1] == u'-')) {
      TNumToken tok{TNumTokenKind::Exponent, QString(c), QChar()};
      tok.expAlwaysSign = s[i + 1] == u'+';
      i += 2;
      while (i < n && s[i] == u'0') {
        ++tok.expMinDigits;
        ++i;
      }
      sec.tokens.append(tok);
      sec.hasExponent = true;
      continue;
    } else {
      addLiteral(QString(c));
    }
    ++i;
  }

  int intIndex = 0;
  int fracIndex = 0;
  int firstIntZero = -1;
  for (const TNumToken &t : sec.tokens) {
    if (t.kind == TNumTokenKind::IntDigit) {
      if (t.digit == u'0' && firstIntZero < 0) firstIntZero = intIndex;
      ++intIndex;
    } else if (t.kind == TNumTokenKind::FracDigit) {
      ++fracIndex;
      if (t.digit == u'0') sec.minFracDigits = fracIndex;
    }
  }
  sec.intPlaceholders = intIndex;
  sec.fracPlaceholders = fracIndex;
  sec.minIntDigits = firstIntZero < 0 ? 0 : intIndex - firstIntZero;
  return sec;
}

// Rounds |value| as the section shows it; gives the exponent to write when the
// section is scientific.
TDecimal roundForSection(TDecimal d, const TNumSection &sec, int &exponent) {
  d.negative = false;
  exponent = 0;
  if (!sec.hasExponent) {
    d.roundToDecimals(sec.fracPlaceholders);
    return d;
  }
  const int intDigits = qMax(1, sec.intPlaceholders);
  d.roundToSignificant(intDigits + sec.fracPlaceholders);
  if (!d.isZero()) {
    exponent = d.point - intDigits;
    d.point = intDigits;
  }
  return d;
}

QString renderSection(const TNumSection &sec, const TDecimal &d, int exponent, bool minus) {
  QString out = minus ? QStringLiteral("-") : QString();
  QString intDigits = d.integerDigits();
  if (intDigits.size() < sec.minIntDigits)
    intDigits = QString(sec.minIntDigits - intDigits.size(), u'0') + intDigits;
  QString fracDigits = d.fractionDigits(sec.fracPlaceholders);
  while (fracDigits.size() > sec.minFracDigits && fracDigits.endsWith(u'0')) fracDigits.chop(1);

  const int n = intDigits.size();
  auto emitInt = [&](int idx) {
    out += intDigits[idx];
    const int rest = n - idx - 1;
    if (sec.thousands && rest > 0 && rest % 3 == 0) out += ThousandSeparator;
  };
  // Integer digits beyond the placeholders all come out at the first place a
  // digit can go, so no digit of the value is ever lost.
  bool leadingDone = false;
  auto emitLeading = [&] {
    if (leadingDone) return;
    leadingDone = true;
    for (int k = 0; k < n - sec.intPlaceholders; ++k) emitInt(k);
  };
  int intIndex = 0;
  int fracIndex = 0;
  for (const TNumToken &t : sec.tokens) {
    switch (t.kind) {
      case TNumTokenKind::Literal:
        out += t.text;
        break;
      case TNumTokenKind::IntDigit: {
        emitLeading();
        const int idx = n - sec.intPlaceholders + intIndex++;
        if (idx >= 0) emitInt(idx);
        break;
      }
      case TNumTokenKind::Point:
        emitLeading();
        if (!fracDigits.isEmpty()) out += DecimalSeparator;
        break;
      case TNumTokenKind::FracDigit:
        emitLeading();
        if (fracIndex < fracDigits.size()) out += fracDigits[fracIndex];
        ++fracIndex;
        break;
      case TNumTokenKind::Exponent: {
        emitLeading();
        out += t.text;
        if (exponent < 0)
          out += u'-';
        else if (t.expAlwaysSign)
          out += u'+';
        out += QString::number(std::abs(exponent)).rightJustified(t.expMinDigits, u'0');
        break;
      }
    }
  }
  return out;
}

QString formatDecimal(const QString &format, const TDecimal &value) {
  const QStringList sections = splitSections(format);
  auto usable = [&](int index) { return index < sections.size() && !sections[index].isEmpty(); };

  int index = 0;
  bool minus = false;
  if (value.isZero()) {
    index = usable(2) ? 2 : 0;
  } else if (value.negative) {
    if (usable(1))
      index = 1;
    else
      minus = true;
  }
  TNumSection sec = parseSection(sections.value(index));
  int exponent = 0;
  TDecimal shown = roundForSection(value, sec, exponent);
  if (shown.isZero() && !value.isZero()) {
    // What reads as zero is formatted as zero: no "-0,00".
    minus = false;
    index = usable(2) ? 2 : 0;
    sec = parseSection(sections.value(index));
    shown = roundForSection(TDecimal(), sec, exponent);
  }
  return renderSection(sec, shown, exponent, minus);
}

// ---------------------------------------------------------------------------
// Date-time formats.

const char16_t *const ShortDayNames[] = {u"seg", u"ter", u"qua", u"qui", u"sex", u"sáb", u"dom"};
const char16_t *const LongDayNames[] = {u"segunda-feira", u"terça-feira", u"quarta-feira", u"quinta-feira",
                                        u"sexta-feira",   u"sábado",      u"domingo"};
const char16_t *const ShortMonthNames[] = {u"jan", u"fev", u"mar", u"abr", u"mai", u"jun",
                                           u"jul", u"ago", u"set", u"out", u"nov", u"dez"};
const char16_t *const LongMonthNames[] = {u"janeiro", u"fevereiro", u"março",    u"abril",
                                          u"maio",    u"junho",     u"julho",    u"agosto",
                                          u"setembro", u"outubro",  u"novembro", u"dezembro"};

bool startsWithNoCase(const QString &s, int at, QLatin1String what) {
  return QStringView(s).mid(at).startsWith(what, Qt::CaseInsensitive);
}

// Whether the format asks for the twelve-hour clock anywhere outside quotes.
bool usesTwelveHourClock(const QString &format) {
  QChar quote;
  for (int i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (startsWithNoCase(format, i, QLatin1String("am/pm")) ||
               startsWithNoCase(format, i, QLatin1String("a/p")) ||
               startsWithNoCase(format, i, QLatin1String("ampm"))) {
      return true;
    }
  }
  return false;
}

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

bool isMidnight(const QTime &t) { return t.msecsSinceStartOfDay() == 0; }

QString formatDateTimeParts(const QString &format, const QDate &date, const QTime &time) {
  const bool twelveHour = usesTwelveHourClock(format);
  const int n = format.size();
  QString out;
  bool afterHour = false;  // the last specifier was h or hh: m and mm are minutes
  int i = 0;
  while (i < n) {
    const QChar c = format[i];
    if (c == u'"' || c == u'\'') {
      int close = format.indexOf(c, i + 1);
      if (close < 0) close = n;
      out += format.mid(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    const QChar lower = c.toLower();
    int count = 1;
    while (i + count < n && format[i + count].toLower() == lower) ++count;
    bool hour = false;
    switch (lower.unicode()) {
      case u'c':
        out += formatDateTimeParts(ShortDateFormat, date, time);
        if (!isMidnight(time)) out += u' ' + formatDateTimeParts(LongTimeFormat, date, time);
        break;
      case u'd':
        if (count == 1)
          out += QString::number(date.day());
        else if (count == 2)
          out += twoDigits(date.day());
        else if (count == 3)
          out += ShortDayName(date.dayOfWeek());
        else if (count == 4)
          out += LongDayName(date.dayOfWeek());
        else if (count == 5)
          out += formatDateTimeParts(ShortDateFormat, date, time);
        else
          out += formatDateTimeParts(LongDateFormat, date, time);
        break;
      case u'm':
        if (afterHour && count <= 2)
          out += count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
        else if (count == 1)
          out += QString::number(date.month());
        else if (count == 2)
          out += twoDigits(date.month());
        else if (count == 3)
          out += ShortMonthName(date.month());
        else
          out += LongMonthName(date.month());
        break;
      case u'y':
        if (count <= 2)
          out += twoDigits(date.year() % 100);
        else
          out += QString::number(date.year()).rightJustified(4, u'0');
        break;
      case u'h': {
        int h = time.hour();
        if (twelveHour) {
          h %= 12;
          if (h == 0) h = 12;
        }
        out += count == 1 ? QString::number(h) : twoDigits(h);
        hour = true;
        break;
      }
      case u'n':
        out += count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
        break;
      case u's':
        out += count == 1 ? QString::number(time.second()) : twoDigits(time.second());
        break;
      case u'z':
        out += count < 3 ? QString::number(time.msec()) : QString::number(time.msec()).rightJustified(3, u'0');
        break;
      case u't':
        out += formatDateTimeParts(count == 1 ? ShortTimeFormat : LongTimeFormat, date, time);
        break;
      case u'a': {
        const bool pm = time.hour() >= 12;
        if (startsWithNoCase(format, i, QLatin1String("am/pm"))) {
          // Written in the letter case the format uses for that half.
          out += format.mid(pm ? i + 3 : i, 2);
          count = 5;
        } else if (startsWithNoCase(format, i, QLatin1String("a/p"))) {
          out += format[pm ? i + 2 : i];
          count = 3;
        } else if (startsWithNoCase(format, i, QLatin1String("ampm"))) {
          out += pm ? TimePMString : TimeAMString;
          count = 4;
        } else {
          out += c;
          count = 1;
          hour = afterHour;  // a plain letter is text, not a specifier
        }
        break;
      }
      case u'/':
        out += u'/';
        count = 1;
        hour = afterHour;
        break;
      case u':':
        out += u':';
        count = 1;
        hour = afterHour;
        break;
      default:
        out += c;
        count = 1;
        hour = afterHour;
        break;
    }
    afterHour = hour;
    i += count;
  }
  return out;
}

// ---------------------------------------------------------------------------
// Reading typed texts.

// Only ASCII digits, length within [minLen, maxLen].
bool readNumber(QStringView s, int minLen, int maxLen, int &out) {
  if (s.size() < minLen || s.size() > maxLen) return false;
  int v = 0;
  for (const QChar c : s) {
    if (c < u'0' || c > u'9') return false;
    v = v * 10 + (c.unicode() - '0');
  }
  out = v;
  return true;
}

bool readYear(QStringView s, int &year) {
  if (s.size() == 2) {
    if (!readNumber(s, 2, 2, year)) return false;
    year += year < 50 ? 2000 : 1900;
    return true;
  }
  return readNumber(s, 4, 4, year) && year > 0;
}

bool readDate(QStringView s, QDate &out) {
  const QList<QStringView> parts = s.split(u'/');
  int day = 0, month = 0, year = 0;
  if (parts.size() != 3 || !readNumber(parts[0], 1, 2, day) || !readNumber(parts[1], 1, 2, month) ||
      !readYear(parts[2], year))
    return false;
  const QDate d(year, month, day);
  if (!d.isValid()) return false;
  out = d;
  return true;
}

bool readTime(QStringView s, QTime &out) {
  const QList<QStringView> parts = s.split(u':');
  int h = 0, m = 0, sec = 0;
  if (parts.size() < 2 || parts.size() > 3 || !readNumber(parts[0], 1, 2, h) || !readNumber(parts[1], 2, 2, m))
    return false;
  if (parts.size() == 3 && !readNumber(parts[2], 2, 2, sec)) return false;
  const QTime t(h, m, sec);
  if (!t.isValid()) return false;
  out = t;
  return true;
}

// "1.234.567": a first group of one to three digits not starting with 0, then
// groups of exactly three.
bool isThousandsGrouped(QStringView s) {
  const QList<QStringView> groups = s.split(u'.');
  if (groups.size() < 2) return false;
  int dummy = 0;
  if (!readNumber(groups[0], 1, 3, dummy) || groups[0][0] == u'0') return false;
  for (int g = 1; g < groups.size(); ++g)
    if (!readNumber(groups[g], 3, 3, dummy)) return false;
  return true;
}

bool allDigits(QStringView s) {
  for (const QChar c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// A typed pt-BR number as C-locale text ("-1234.56e3"), or nothing.
std::optional<QString> readTypedNumber(const QString &text) {
  const QString s = text.trimmed();
  QStringView rest(s);
  QString sign;
  if (!rest.isEmpty() && (rest[0] == u'+' || rest[0] == u'-')) {
    if (rest[0] == u'-') sign = QStringLiteral("-");
    rest = rest.mid(1);
  }
  QString exponent;
  const qsizetype e = rest.indexOf(u'e', 0, Qt::CaseInsensitive);
  if (e >= 0) {
    QStringView exp = rest.mid(e + 1);
    QString expSign;
    if (!exp.isEmpty() && (exp[0] == u'+' || exp[0] == u'-')) {
      if (exp[0] == u'-') expSign = QStringLiteral("-");
      exp = exp.mid(1);
    }
    if (exp.isEmpty() || exp.size() > 4 || !allDigits(exp)) return std::nullopt;
    exponent = u'e' + expSign + exp.toString();
    rest = rest.left(e);
  }

  QStringView intPart;
  QStringView fracPart;
  const qsizetype commas = rest.count(u',');
  const qsizetype points = rest.count(u'.');
  if (commas > 1) return std::nullopt;
  QString intDigits;
  if (commas == 1) {
    const qsizetype at = rest.indexOf(u',');
    intPart = rest.left(at);
    fracPart = rest.mid(at + 1);
    if (points > 0 && !isThousandsGrouped(intPart)) return std::nullopt;
    intDigits = intPart.toString().remove(u'.');
  } else if (points == 0) {
    intDigits = rest.toString();
  } else if (isThousandsGrouped(rest)) {
    intDigits = rest.toString().remove(u'.');
  } else if (points == 1) {
    const qsizetype at = rest.indexOf(u'.');
    intDigits = rest.left(at).toString();
    fracPart = rest.mid(at + 1);
  } else {
    return std::nullopt;
  }
  if (!allDigits(intDigits) || !allDigits(fracPart) || intDigits.size() + fracPart.size() == 0)
    return std::nullopt;
  QString out = sign + (intDigits.isEmpty() ? QStringLiteral("0") : intDigits);
  if (!fracPart.isEmpty()) out += u'.' + fracPart.toString();
  return out + exponent;
}

const QDate DayZero(1899, 12, 30);
constexpr qint64 MsecsPerDay = 86400000;

}  // namespace

// ---------------------------------------------------------------------------

QString FormatFloat(const QString &format, double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const TDecimal d = decimalFromDouble(value);
  // Beyond 18 integer digits a fixed layout would only show invented zeros.
  if (format.isEmpty() || d.point > MaxFixedIntegerDigits) return generalText(d);
  return formatDecimal(format, d);
}

QString FormatFloat(const QString &format, const QString &decimalText) {
  const std::optional<TDecimal> d = parseDecimal(decimalText);
  if (!d) return QString();
  if (format.isEmpty()) return plainText(*d);
  return formatDecimal(format, *d);
}

QString FloatToStr(double value) { return FormatFloat(QString(), value); }

qint64 nArredondarBancario(double value) {
  // 2^63 and beyond have no 64-bit whole number to round to.
  if (!std::isfinite(value) || std::fabs(value) >= 9223372036854775808.0)
    throw Exception(QStringLiteral("Valor fora do intervalo permitido para arredondamento: %1.").arg(value));
  const double piso = std::floor(value);
  const double resto = value - piso;
  qint64 inteiro = static_cast<qint64>(piso);
  if (resto > 0.5 || (resto == 0.5 && (inteiro % 2 != 0))) ++inteiro;
  return inteiro;
}

QString nDecimalToStr(const QString &decimalText) {
  const std::optional<TDecimal> d = parseDecimal(decimalText);
  return d ? plainText(*d) : QString();
}

bool TryStrToFloat(const QString &text, double &out) {
  const std::optional<QString> c = readTypedNumber(text);
  if (!c) return false;
  bool ok = false;
  const double v = c->toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  out = v;
  return true;
}

bool TryStrToDecimal(const QString &text, QString &decimalText) {
  const std::optional<QString> c = readTypedNumber(text);
  if (!c) return false;
  const std::optional<TDecimal> d = parseDecimal(*c);
  if (!d) return false;
  QString out = plainText(*d);
  out.replace(DecimalSeparator, u'.');
  decimalText = out;
  return true;
}

QString FormatDateTime(const QString &format, const QDateTime &value) {
  if (!value.isValid()) return QString();
  return formatDateTimeParts(format.isEmpty() ? QStringLiteral("c") : format, value.date(), value.time());
}

QString FormatDateTime(const QString &format, const QDate &value) {
  if (!value.isValid()) return QString();
  return formatDateTimeParts(format.isEmpty() ? QStringLiteral("c") : format, value, QTime(0, 0));
}

QString DateToStr(const QDate &value) { return FormatDateTime(ShortDateFormat, value); }

QString DateTimeToStr(const QDateTime &value) { return FormatDateTime(QStringLiteral("c"), value); }

bool TryStrToDate(const QString &text, QDate &out) { return readDate(QStringView(text).trimmed(), out); }

bool TryStrToDateTime(const QString &text, QDateTime &out) {
  const QStringView s = QStringView(text).trimmed();
  qsizetype blank = 0;
  while (blank < s.size() && !s[blank].isSpace()) ++blank;
  QDate date;
  if (!readDate(s.left(blank), date)) return false;
  QTime time(0, 0);
  const QStringView rest = s.mid(blank).trimmed();
  if (!rest.isEmpty() && !readTime(rest, time)) return false;
  out = QDateTime(date, time);
  return true;
}

bool TryStrToMesAno(const QString &text, QDate &out) {
  const QList<QStringView> parts = QStringView(text).trimmed().split(u'/');
  int month = 0, year = 0;
  if (parts.size() != 2 || !readNumber(parts[0], 1, 2, month) || !readYear(parts[1], year)) return false;
  const QDate d(year, month, 1);
  if (!d.isValid()) return false;
  out = d;
  return true;
}

QDateTime FloatToDateTime(double value) {
  // Beyond some hundred thousand years the day count means nothing.
  if (!std::isfinite(value) || std::fabs(value) > 1e8) return QDateTime();
  const double whole = std::trunc(value);
  qint64 days = qint64(whole);
  qint64 ms = std::llround(std::fabs(value - whole) * double(MsecsPerDay));
  if (ms >= MsecsPerDay) {
    ms -= MsecsPerDay;
    days += value < 0 ? -1 : 1;
  }
  return QDateTime(DayZero.addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double DateTimeToFloat(const QDateTime &value) {
  if (!value.isValid()) return 0;
  const qint64 days = DayZero.daysTo(value.date());
  const double fraction = double(value.time().msecsSinceStartOfDay()) / double(MsecsPerDay);
  return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDate StartOfTheMonth(const QDate &value) {
  return value.isValid() ? QDate(value.year(), value.month(), 1) : QDate();
}

QDate EndOfTheMonth(const QDate &value) {
  return value.isValid() ? QDate(value.year(), value.month(), value.daysInMonth()) : QDate();
}

int MonthsBetweenInclusive(const QDate &a, const QDate &b) {
  if (!a.isValid() || !b.isValid()) return 0;
  const int months = (b.year() * 12 + b.month()) - (a.year() * 12 + a.month()) + 1;
  return qMax(0, months);
}

QDate IncMonth(const QDate &value, int months) { return value.addMonths(months); }

QString ShortDayName(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf16(ShortDayNames[dayOfWeek - 1]) : QString();
}

QString LongDayName(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf16(LongDayNames[dayOfWeek - 1]) : QString();
}

QString ShortMonthName(int month) {
  return month >= 1 && month <= 12 ? QString::fromUtf16(ShortMonthNames[month - 1]) : QString();
}

QString LongMonthName(int month) {
  return month >= 1 && month <= 12 ? QString::fromUtf16(LongMonthNames[month - 1]) : QString();
}
