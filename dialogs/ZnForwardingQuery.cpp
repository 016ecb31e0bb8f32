#include "ZnForwardingQuery.h"

#include "ZnValueFormat.h"

namespace {

constexpr int kLongestPort = 5;  // bridge ports are numbered 1..65535

bool IsPortNumber(const QString& text) {
  if (text.isEmpty() || text.size() > kLongestPort || text[0] == QLatin1Char('0')) return false;
  for (QChar c : text)
    if (!c.isDigit()) return false;
  return text.toInt() <= 65535;
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
  digits_ = ZnMacDigits(typed);
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
