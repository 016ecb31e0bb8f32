#include "ZnForwardingQuery.h"

namespace {

constexpr int kAddressDigits = 12;
constexpr int kLongestPort = 5;  // bridge ports are numbered 1..65535

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool IsSeparator(QChar c) {
  return c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('.') ||
         c == QLatin1Char(' ');
}

bool IsPortNumber(const QString& text) {
  if (text.isEmpty() || text.size() > kLongestPort || text[0] == QLatin1Char('0')) return false;
  for (QChar c : text)
    if (!c.isDigit()) return false;
  return text.toInt() <= 65535;
}

// A group of digits as wide as its notation has them, zeros in front.
QString Padded(const QString& group, int width) {
  if (group.isEmpty() || group.size() >= width) return group;
  return QString(width - group.size(), QLatin1Char('0')) + group;
}

// The address digits of `text`, or a null string when it is no address notation. A group ended
// by a separator is complete: a dotted group stands for four digits, any other for two. The last
// group is the start of its digits as typed, so that the list narrows key by key.
QString AddressDigits(const QString& text) {
  QString digits;
  QString group;
  for (QChar c : text) {
    if (IsHexDigit(c)) {
      group += c.toUpper();
      continue;
    }
    if (!IsSeparator(c)) return QString();
    digits += Padded(group, c == QLatin1Char('.') ? 4 : 2);
    group.clear();
  }
  digits += group;
  if (digits.isEmpty() || digits.size() > kAddressDigits) return QString();
  return digits;
}

}  // namespace

ZnForwardingQuery::ZnForwardingQuery(const QString& text) {
  const QString typed = text.trimmed();
  if (typed.isEmpty()) return;
  if (IsPortNumber(typed)) {
    kind_ = Kind::Port;
    port_ = typed;
    return;
  }
  digits_ = AddressDigits(typed);
  kind_ = digits_.isNull() ? Kind::Nothing : Kind::Address;
}

bool ZnForwardingQuery::Matches(const QString& address, const QString& port) const {
  switch (kind_) {
    case Kind::All:
      return true;
    case Kind::Port:
      return port == port_;
    case Kind::Address:
      // Both sides are upper case: a case-blind comparison would cost several times more per
      // row, and every keystroke compares tens of thousands of rows.
      return address.startsWith(digits_);
    case Kind::Nothing:
      break;
  }
  return false;
}
