#include "ZnDateTime.h"

#include <array>
#include <limits>

namespace {

// A small scanf: "%d" reads blanks, an optional sign and digits (saturating at 32 bits), every
// other format character must match the text exactly. Returns the number of fields read.
int Scan(const QString& text, const char* format, std::array<long long, 9>& fields) {
  qsizetype pos = 0;
  int read = 0;
  for (const char* f = format; *f != '\0'; ++f) {
    if (f[0] == '%' && f[1] == 'd') {
      ++f;
      while (pos < text.size() && text[pos].isSpace()) ++pos;
      bool negative = false;
      if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
      }
      long long value = 0;
      bool any = false;
      for (; pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128; ++pos) {
        any = true;
        value = std::min<long long>(value * 10 + (text[pos].unicode() - '0'),
                                    std::numeric_limits<unsigned>::max());
      }
      if (!any) return read;
      fields[static_cast<size_t>(read++)] = negative ? -value : value;
      continue;
    }
    if (pos >= text.size() || text[pos] != QLatin1Char(*f)) return read;
    ++pos;
  }
  return read;
}

}  // namespace

ZnDateTime::ZnDateTime(const QString& text) {
  std::array<long long, 9> f{};
  if (Scan(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", f) == 9) {
    Direction = '+';
  } else if (f = {}; Scan(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", f) == 9) {
    Direction = '-';
  } else {
    f = {};
    Scan(text, "%d-%d-%d,%d:%d:%d.%d", f);
    Direction = '+';
    f[7] = f[8] = 0;
  }
  Year = static_cast<std::uint16_t>(f[0]);
  Month = static_cast<std::uint8_t>(f[1]);
  Day = static_cast<std::uint8_t>(f[2]);
  Hour = static_cast<std::uint8_t>(f[3]);
  Minutes = static_cast<std::uint8_t>(f[4]);
  Seconds = static_cast<std::uint8_t>(f[5]);
  DeciSeconds = static_cast<std::uint8_t>(f[6]);
  HoursFromUtc = static_cast<std::uint8_t>(f[7]);
  MinutesFromUtc = static_cast<std::uint8_t>(f[8]);
}

ZnDateTime ZnDateTime::FromBytes(const QByteArray& bytes) {
  std::array<std::uint8_t, 11> b{};
  for (qsizetype k = 0; k < 11 && k < bytes.size(); ++k)
    b[static_cast<size_t>(k)] = static_cast<std::uint8_t>(bytes[k]);
  ZnDateTime dt;
  dt.Year = static_cast<std::uint16_t>(b[0] << 8 | b[1]);
  dt.Month = b[2];
  dt.Day = b[3];
  dt.Hour = b[4];
  dt.Minutes = b[5];
  dt.Seconds = b[6];
  dt.DeciSeconds = b[7];
  dt.Direction = static_cast<char>(b[8]);
  dt.HoursFromUtc = b[9];
  dt.MinutesFromUtc = b[10];
  return dt;
}

QString ZnDateTime::ToText() const {
  const bool zoned =
      (HoursFromUtc != 0 || MinutesFromUtc != 0) && (Direction == '+' || Direction == '-');
  QString text = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds,
                                   DeciSeconds);
  if (zoned) text += QString::asprintf(",%c%d:%d", Direction, HoursFromUtc, MinutesFromUtc);
  return text;
}

QByteArray ZnDateTime::ToBytes() const {
  QByteArray bytes(11, '\0');
  bytes[0] = static_cast<char>(Year >> 8);
  bytes[1] = static_cast<char>(Year & 0xFF);
  bytes[2] = static_cast<char>(Month);
  bytes[3] = static_cast<char>(Day);
  bytes[4] = static_cast<char>(Hour);
  bytes[5] = static_cast<char>(Minutes);
  bytes[6] = static_cast<char>(Seconds);
  bytes[7] = static_cast<char>(DeciSeconds);
  bytes[8] = Direction;
  bytes[9] = static_cast<char>(HoursFromUtc);
  bytes[10] = static_cast<char>(MinutesFromUtc);
  return bytes;
}
