// Hexadecimal value texts: FromHex reads whatever a user typed into a hex field or a catalogue
// holds, ToHex writes received bytes. Reading must accept any text, and the text of any bytes
// must read back to the same bytes.

#include "FuzzSupport.h"
#include "ZnValueFormat.h"

namespace {

bool IsAsciiHexDigit(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

void CheckText(const QString& text) {
  const QByteArray bytes = FromHex(text);

  // Blanks are dropped; of the remaining characters every pair is one byte and an odd one out
  // is a byte of its own.
  QString digits = text;
  digits.remove(QLatin1Char(' '));
  FUZZ_CHECK(bytes.size() == (digits.size() + 1) / 2,
             QStringLiteral("FromHex(%1) gave %2").arg(fuzz::Shown(text), fuzz::Shown(bytes)));

  // A text of hex digits only is what ToHex writes, up to letter case and a leading 0 for an odd
  // count of digits.
  bool allHex = true;
  for (const QChar c : digits) allHex = allHex && IsAsciiHexDigit(c);
  if (allHex) {
    const QString expected =
        (digits.size() % 2 == 1 ? QStringLiteral("0") : QString()) + digits.toUpper();
    FUZZ_CHECK(ToHex(bytes) == expected,
               QStringLiteral("ToHex(FromHex(%1)) = %2, expected %3")
                   .arg(fuzz::Shown(text), fuzz::Shown(ToHex(bytes)), fuzz::Shown(expected)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray raw = fuzz::Bytes(data, size);
  CheckText(QString::fromLatin1(raw));
  CheckText(QString::fromUtf8(raw));

  const QString hex = ToHex(raw);
  FUZZ_CHECK(hex.size() == 2 * raw.size(),
             QStringLiteral("ToHex(%1) = %2").arg(fuzz::Shown(raw), fuzz::Shown(hex)));
  const QByteArray back = FromHex(hex);
  FUZZ_CHECK(back == raw, QStringLiteral("FromHex(ToHex(%1)) = %2 via %3")
                              .arg(fuzz::Shown(raw), fuzz::Shown(back), fuzz::Shown(hex)));
  return 0;
}
