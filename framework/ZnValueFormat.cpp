#include "ZnValueFormat.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint64_t kTicksPerDay = 8640000;
constexpr std::uint64_t kTicksPerHour = 360000;
constexpr std::uint64_t kTicksPerMinute = 6000;
constexpr double kMillisecondsPerDay = 86400000.0;

const QDate& Epoch() {
  static const QDate epoch(1899, 12, 30);
  return epoch;
}

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return 0;
}

qsizetype SkipBlanks(const QString& text, qsizetype pos) {
  while (pos < text.size() && text[pos].isSpace()) ++pos;
  return pos;
}

// Reads unsigned digits from pos; saturates; returns the position after them.
qsizetype ReadDigits(const QString& text, qsizetype pos, std::uint64_t& value, bool& any) {
  value = 0;
  any = false;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (; pos < text.size() && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9');
       ++pos) {
    any = true;
    const unsigned digit = text[pos].unicode() - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return pos;
}

// A count of ticks never below zero and never beyond 2^32 before it is scaled.
std::uint64_t TickPart(const QString& text) {
  const std::int64_t n = ZnLeadingInt64(text);
  if (n < 0) return 0;
  return std::min<std::uint64_t>(static_cast<std::uint64_t>(n), 1ull << 32);
}

}  // namespace

QString ToHex(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray FromHex(const QString& text) {
  QString digits = text;
  digits.remove(QLatin1Char(' '));
  QByteArray bytes;
  bytes.reserve(digits.size() / 2 + 1);
  qsizetype pos = 0;
  if (digits.size() % 2 == 1) bytes.append(static_cast<char>(HexDigit(digits[pos++])));
  for (; pos + 1 < digits.size(); pos += 2)
    bytes.append(static_cast<char>(HexDigit(digits[pos]) * 16 + HexDigit(digits[pos + 1])));
  return bytes;
}

namespace {

constexpr int kMacDigits = 12;

bool IsMacDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool IsMacSeparator(QChar c) {
  return c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('.') ||
         c == QLatin1Char(' ');
}

// The digits one group of a notation stands for: a dotted group four, any other two.
int MacGroupWidth(QChar separator) {
  return separator == QLatin1Char('.') ? 4 : 2;
}

// The digits of a MAC notation, or a null string. One kind of separator throughout; a group ended
// by a separator has one digit at least and no more than its width, zeros in front. With
// `whole`, the last group is complete too; otherwise it is the start of its digits as typed.
QString MacDigits(const QString& text, bool whole) {
  QChar separator;
  QString digits;
  QString group;
  const auto endGroup = [&] {
    const int width = MacGroupWidth(separator);
    if (group.isEmpty() || group.size() > width) return false;
    digits += QString(width - group.size(), QLatin1Char('0')) + group;
    group.clear();
    return true;
  };
  for (QChar c : text) {
    if (IsMacDigit(c)) {
      group += c.toUpper();
      continue;
    }
    if (!IsMacSeparator(c) || (!separator.isNull() && c != separator)) return QString();
    separator = c;
    if (!endGroup()) return QString();
  }
  if (!separator.isNull()) {
    // A whole address ends with a group ("00:1c:2e:00:00:01:" is not one); one being typed
    // may end with its separator ("00:1c:").
    if (whole && !endGroup()) return QString();
    if (group.size() > MacGroupWidth(separator)) return QString();
  }
  digits += group;
  if (digits.isEmpty() || digits.size() > kMacDigits) return QString();
  return digits;
}

}  // namespace

QString ZnMacDigits(const QString& text) {
  return MacDigits(text, false);
}

bool ZnParseMacText(const QString& text, QByteArray& bytes) {
  const QString digits = MacDigits(text.trimmed(), true);
  if (digits.size() != kMacDigits) return false;
  bytes = QByteArray::fromHex(digits.toLatin1());
  return true;
}

QString TicksToText(std::uint32_t ticks) {
  const std::uint64_t n = ticks;
  const std::uint64_t d = n / kTicksPerDay;
  const std::uint64_t h = (n % kTicksPerDay) / kTicksPerHour;
  const std::uint64_t m = (n % kTicksPerHour) / kTicksPerMinute;
  const std::uint64_t s = (n % kTicksPerMinute) / 100;
  const std::uint64_t c = n % 100;
  const QString clock =
      QString::asprintf("%llu:%02llu:%02llu.%02llu", static_cast<unsigned long long>(h),
                        static_cast<unsigned long long>(m), static_cast<unsigned long long>(s),
                        static_cast<unsigned long long>(c));
  if (d == 0) return clock;
  if (d == 1) return QStringLiteral("1 day ") + clock;
  return QString::number(d) + QStringLiteral(" days, ") + clock;
}

std::uint32_t TextToTicks(const QString& text) {
  std::uint64_t days = 0;
  QString rest = text;
  for (const QLatin1String word : {QLatin1String("days"), QLatin1String("day")}) {
    const qsizetype at = text.indexOf(word);
    if (at < 0) continue;
    days = TickPart(text.left(at));
    rest = text.mid(at + word.size());
    break;
  }
  if (const qsizetype comma = rest.indexOf(QLatin1Char(',')); comma >= 0)
    rest = rest.mid(comma + 1);

  std::uint64_t hours = 0, minutes = 0, seconds = 0, hundredths = 0;
  if (const qsizetype colon = rest.indexOf(QLatin1Char(':')); colon >= 0) {
    hours = TickPart(rest.left(colon));
    rest = rest.mid(colon + 1);
    if (const qsizetype colon2 = rest.indexOf(QLatin1Char(':')); colon2 >= 0) {
      minutes = TickPart(rest.left(colon2));
      rest = rest.mid(colon2 + 1);
      if (const qsizetype dot = rest.indexOf(QLatin1Char('.')); dot >= 0) {
        seconds = TickPart(rest.left(dot));
        hundredths = TickPart(rest.mid(dot + 1));
      }
    }
  }
  const std::uint64_t total = days * kTicksPerDay + hours * kTicksPerHour +
                              minutes * kTicksPerMinute + seconds * 100 + hundredths;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(total, 0xFFFFFFFFull));
}

std::int64_t ZnLeadingInt64(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
    negative = text[pos] == QLatin1Char('-');
    ++pos;
  }
  std::uint64_t magnitude = 0;
  bool any = false;
  ReadDigits(text, pos, magnitude, any);
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int64_t>::max();
  if (negative) {
    if (magnitude > kMaxPositive) return std::numeric_limits<std::int64_t>::min();
    return -static_cast<std::int64_t>(magnitude);
  }
  return static_cast<std::int64_t>(std::min(magnitude, kMaxPositive));
}

std::uint64_t ZnLeadingUInt64(const QString& text) {
  qsizetype pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
    negative = text[pos] == QLatin1Char('-');
    ++pos;
  }
  std::uint64_t magnitude = 0;
  bool any = false;
  ReadDigits(text, pos, magnitude, any);
  return negative ? 0 - magnitude : magnitude;
}

double ZnLeadingDouble(const QString& text) {
  // Only the plain decimal form is taken (no hexadecimal floats, no "inf" or "nan").
  static const QRegularExpression number(
      QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
  const QRegularExpressionMatch match = number.match(text);
  if (!match.hasMatch()) return 0.0;
  QByteArray digits = match.captured(1).toLatin1();
  const char* begin = digits.constData();
  if (*begin == '+') ++begin;
  double value = 0.0;
  const auto result = std::from_chars(begin, digits.constData() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone when it is out of range; strtod gives 0 for a number
    // too small and infinity for one too large. The decimal exponent tells which.
    const bool negative = *begin == '-';
    const char* p = negative ? begin + 1 : begin;
    long long scale = 0;  // position of the first significant digit, relative to the point
    bool seenPoint = false, significant = false;
    for (; *p && *p != 'e' && *p != 'E'; ++p) {
      if (*p == '.') {
        seenPoint = true;
      } else if (!significant && *p == '0') {
        if (seenPoint) --scale;
      } else {
        if (!significant) significant = true;
        if (!seenPoint) ++scale;
      }
    }
    long long exponent = 0;
    if (*p) {
      const char* e = p + 1;
      const bool negativeExponent = *e == '-';
      if (*e == '-' || *e == '+') ++e;
      for (; *e >= '0' && *e <= '9'; ++e)
        exponent = std::min(exponent * 10 + (*e - '0'), 1000000ll);
      if (negativeExponent) exponent = -exponent;
    }
    value = scale + exponent <= 0 ? 0.0 : std::numeric_limits<double>::infinity();
    if (negative) value = -value;
  }
  return value;
}

QString ZnFormatDouble(double value) {
  return QString::number(value, 'g', 15);
}

QString ZnPlainDouble(double value) {
  char buffer[512];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return ZnFormatDouble(value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

double ZnDateTimeToDays(const QDateTime& dateTime) {
  const double days = static_cast<double>(Epoch().daysTo(dateTime.date()));
  const double fraction = dateTime.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
  // Before the epoch the whole days are negative and the time of day still counts forward.
  return days < 0 ? days - fraction : days + fraction;
}

double ZnNowDays() {
  return ZnDateTimeToDays(QDateTime::currentDateTime());
}

QDateTime ZnDaysToDateTime(double days) {
  constexpr double kFirst = -693593.0;  // 0001-01-01
  constexpr double kLast = 2958466.0;   // 10000-01-01
  if (!std::isfinite(days) || days <= kFirst - 1 || days >= kLast) return {};
  const double whole = std::trunc(days);
  long long ms = std::llround(std::fabs(days - whole) * kMillisecondsPerDay);
  ms = std::min<long long>(ms, 86399999);
  const QDate date = Epoch().addDays(static_cast<qint64>(whole));
  if (!date.isValid() || date.year() < 1) return {};
  return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QString ZnDaysToCalendarText(double days) {
  const QDateTime dateTime = ZnDaysToDateTime(days);
  if (!dateTime.isValid()) return ZnFormatDouble(days);
  const QDate date = dateTime.date();
  const QTime time = dateTime.time();
  int hour12 = time.hour() % 12;
  if (hour12 == 0) hour12 = 12;
  return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(),
                           date.day(), hour12, time.minute(), time.second(),
                           time.hour() < 12 ? "am" : "pm");
}

double ZnCalendarTextToDays(const QString& text) {
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*(\\d{1,4})/(\\d{1,2})/(\\d{1,2})"
                     "(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?(?:\\s*(am|pm|a|p))?)?\\s*$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return 0.0;
  const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
  int hour = match.captured(4).toInt();
  const int minute = match.captured(5).toInt();
  const int second = match.captured(6).toInt();
  const QString half = match.captured(7).toLower();
  if (!half.isEmpty()) {
    if (hour < 1 || hour > 12) return 0.0;
    hour = (hour % 12) + (half.startsWith(QLatin1Char('p')) ? 12 : 0);
  }
  const QTime time(hour, minute, second);
  if (!date.isValid() || !time.isValid()) return 0.0;
  return ZnDateTimeToDays(QDateTime(date, time));
}

QByteArray ZnDoubleToBytes(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  QByteArray bytes(8, '\0');
  for (int k = 0; k < 8; ++k) bytes[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
  return bytes;
}

double ZnBytesToDouble(const QByteArray& bytes) {
  std::uint64_t bits = 0;
  for (int k = 0; k < 8 && k < bytes.size(); ++k)
    bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[k])) << (8 * k);
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

QString ZnDisplayText(const QByteArray& bytes) {
  return QString::fromLatin1(bytes);
}

QByteArray ZnDisplayBytes(const QString& text) {
  return text.toLatin1();
}
