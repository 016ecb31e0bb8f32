#include "ZnSNMPValueCodec.h"

#include "ZnDateTime.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnValueFormat.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kNullText = QStringLiteral("(NULL)");

// Syntaxes whose text is the hexadecimal of the received bytes, shown even when empty.
bool IsHexSyntax(std::uint32_t syntax) {
  return syntax == ZnSyntax::BitString || syntax == ZnSyntax::OctetString ||
         syntax == ZnSyntax::Opaque || syntax == ZnSyntax::MacAddress ||
         syntax == ZnSyntax::Ipv6Address;
}

// The syntaxes a whole SNMP value can have (not the partial-data ones).
bool IsValueSyntax(std::uint32_t syntax) {
  return (syntax >= ZnSyntax::Boolean && syntax <= ZnSyntax::ObjectId) ||
         (syntax >= ZnSyntax::IpAddress && syntax <= ZnSyntax::Ipv6Address);
}

QString ValueText(const ZnSNMPVar& var) {
  return var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
}

void StoreText(ZnSNMPVar& var, const QString& text) {
  var.Value = var.Options ? var.Options->ValueToLabel(text) : text;
}

std::uint32_t ClampToUInt32(std::int64_t n) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(n, 0, 0xFFFFFFFFll));
}

std::int32_t ClampToInt32(std::int64_t n) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// An OID as an object identifier value can hold one: two arcs at least, the first 0, 1 or 2,
// the second below 40 under 0 and 1 (the two share the first encoded sub-identifier).
bool IsEncodableOid(const std::vector<std::uint32_t>& oid) {
  return oid.size() >= 2 && oid[0] <= 2 && (oid[0] == 2 || oid[1] < 40);
}

// The text of an address as the codec shows it: hexadecimal digits, perhaps blanks.
bool IsHexText(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
  });
}

// The four bytes of a dotted address; false for anything else.
bool ParseIp(const QString& text, QByteArray& bytes) {
  const QStringList parts = text.trimmed().split(QLatin1Char('.'));
  if (parts.size() != 4) return false;
  bytes = QByteArray(4, '\0');
  for (int k = 0; k < 4; ++k) {
    const QString& part = parts[k];
    if (part.isEmpty() || part.size() > 3) return false;
    for (QChar c : part)
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    const int n = part.toInt();
    if (n > 255) return false;
    bytes[k] = static_cast<char>(n);
  }
  return true;
}

// An address to send. A text that is not one is refused: sent as 0.0.0.0, a typing error would
// stand for every address (a trusted host of all stations, a server nobody runs).
QByteArray IpBytes(const QString& text) {
  QByteArray bytes;
  if (!ParseIp(text, bytes)) throw ZnFrameworkError(ZnCode::InvalidAddress);
  return bytes;
}

QString IpText(const QByteArray& bytes) {
  QStringList parts;
  for (int k = 0; k < 4; ++k)
    parts << QString::number(k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0);
  return parts.join(QLatin1Char('.'));
}

std::uint32_t LowHalf(double value) {
  const QByteArray b = ZnDoubleToBytes(value);
  std::uint32_t n = 0;
  for (int k = 3; k >= 0; --k) n = n << 8 | static_cast<unsigned char>(b[k]);
  return n;
}

std::uint32_t HighHalf(double value) {
  const QByteArray b = ZnDoubleToBytes(value);
  std::uint32_t n = 0;
  for (int k = 7; k >= 4; --k) n = n << 8 | static_cast<unsigned char>(b[k]);
  return n;
}

double FromHalves(std::uint32_t low, std::uint32_t high) {
  QByteArray b(8, '\0');
  for (int k = 0; k < 4; ++k) {
    b[k] = static_cast<char>((low >> (8 * k)) & 0xFF);
    b[k + 4] = static_cast<char>((high >> (8 * k)) & 0xFF);
  }
  return ZnBytesToDouble(b);
}

QString Join(const std::vector<std::uint32_t>& parts) {
  return ZnOidToText(parts);
}

QString LengthPrefixed(const QByteArray& bytes, bool implied) {
  std::vector<std::uint32_t> parts;
  if (!implied) parts.push_back(static_cast<std::uint32_t>(bytes.size()));
  for (char c : bytes) parts.push_back(static_cast<unsigned char>(c));
  return Join(parts);
}

// Reads sub-identifiers from the front of a decoded instance.
class InstanceReader {
 public:
  explicit InstanceReader(const QString& text) {
    if (!text.isEmpty() && !ZnParseOid(text, parts_)) throw ZnFrameworkError(ZnCode::BadInstance);
  }

  std::uint32_t Take() {
    if (pos_ >= parts_.size()) throw ZnFrameworkError(ZnCode::BadKeyCount);
    return parts_[pos_++];
  }
  std::vector<std::uint32_t> Take(std::uint64_t count) {
    if (count > parts_.size() - pos_) throw ZnFrameworkError(ZnCode::BadKeyCount);
    std::vector<std::uint32_t> taken(parts_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                     parts_.begin() + static_cast<std::ptrdiff_t>(pos_ + count));
    pos_ += static_cast<size_t>(count);
    return taken;
  }
  std::vector<std::uint32_t> TakeAll() { return Take(parts_.size() - pos_); }
  QByteArray TakeBytes(std::uint64_t count) { return ToBytes(Take(count)); }
  QString Rest() const {
    return Join(std::vector<std::uint32_t>(parts_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                           parts_.end()));
  }

  static QByteArray ToBytes(const std::vector<std::uint32_t>& parts) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(parts.size()));
    for (std::uint32_t p : parts) {
      if (p > 255) throw ZnFrameworkError(ZnCode::BadInstance);
      bytes.append(static_cast<char>(p));
    }
    return bytes;
  }

 private:
  std::vector<std::uint32_t> parts_;
  size_t pos_ = 0;
};

bool IsLastImplied(const ZnSNMPVarList& list, int i) {
  return i == list.KeyCount - 1 && list.IsImplied(i);
}

}  // namespace

bool ZnParseOid(const QString& text, std::vector<std::uint32_t>& oid) {
  oid.clear();
  qsizetype pos = text.startsWith(QLatin1Char('.')) ? 1 : 0;
  if (pos >= text.size()) return false;
  while (pos <= text.size()) {
    std::uint64_t n = 0;
    qsizetype start = pos;
    for (; pos < text.size() && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9');
         ++pos) {
      n = n * 10 + (text[pos].unicode() - '0');
      if (n > 0xFFFFFFFFull) return false;
    }
    if (pos == start) return false;
    oid.push_back(static_cast<std::uint32_t>(n));
    if (pos == text.size()) return true;
    if (text[pos] != QLatin1Char('.')) return false;
    ++pos;
  }
  return false;
}

QString ZnOidToText(const std::vector<std::uint32_t>& oid) {
  QString text;
  for (std::uint32_t part : oid) {
    if (!text.isEmpty()) text += QLatin1Char('.');
    text += QString::number(part);
  }
  return text;
}

void ZnStoreValue(ZnSNMPVarList& list, int i, const ZnSNMPValue& value) {
  ZnSNMPVar& var = list.Item(i);
  const std::uint32_t syntax = var.Syntax;
  // Whether the binding carries something of the kind this syntax reads.
  bool present = false;
  QString text;
  switch (syntax) {
    case ZnSyntax::Boolean:
      present = value.IsNumber();
      text = value.AsInt64() != 0 ? QStringLiteral("true") : QStringLiteral("false");
      break;
    case ZnSyntax::Integer:
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
    case ZnSyntax::Counter64:
      present = value.IsNumber();
      text = value.IsSigned() ? QString::number(value.Signed) : QString::number(value.Unsigned);
      break;
    case ZnSyntax::TimeTicks:
      present = value.IsNumber();
      text = TicksToText(static_cast<std::uint32_t>(value.AsInt64()));
      break;
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address:
      present = value.HasBytes();
      text = ToHex(present ? value.Bytes : QByteArray());
      break;
    case ZnSyntax::Null:
      text = kNullText;
      break;
    case ZnSyntax::ObjectId:
      present = value.Type == ZnSNMPValue::ObjectId && !value.Oid.empty();
      text = ZnOidToText(value.Oid);
      break;
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
      present = value.HasBytes() && value.Bytes.size() >= 4;
      text = IpText(value.Bytes);
      break;
    case ZnSyntax::Double:
      present = value.HasBytes() && !value.Bytes.isEmpty();
      text = ZnFormatDouble(ZnBytesToDouble(value.Bytes));
      break;
    case ZnSyntax::DateTime:
      present = value.HasBytes() && !value.Bytes.isEmpty();
      text = ZnDateTime::FromBytes(value.Bytes).ToText();
      break;
    case ZnSyntax::BcDateTime:
      present = value.HasBytes() && !value.Bytes.isEmpty();
      text = ZnDaysToCalendarText(ZnBytesToDouble(value.Bytes));
      break;
    case ZnSyntax::DisplayString: {
      const qsizetype end = value.HasBytes() ? value.Bytes.indexOf('\0') : -1;
      text = ZnDisplayText(value.HasBytes() ? value.Bytes.left(end < 0 ? value.Bytes.size() : end)
                                            : QByteArray());
      present = !text.isEmpty();
      break;
    }
    default:
      throw ZnFrameworkError(ZnCode::BadSyntax);
  }
  if (!present && !IsHexSyntax(syntax))
    text = syntax == ZnSyntax::DisplayString ? QString() : kNullText;
  StoreText(var, text);
}

ZnSNMPValue ZnLoadValue(const ZnSNMPVarList& list, int i) {
  const ZnSNMPVar& var = list.Item(i);
  const QString text = ValueText(var);
  const std::uint32_t syntax = var.Syntax;
  if (!IsValueSyntax(syntax)) throw ZnFrameworkError(ZnCode::BadSyntax);
  if (text == kNullText) return ZnSNMPValue::MakeNull();
  switch (syntax) {
    case ZnSyntax::Boolean:
      return ZnSNMPValue::MakeInteger(text == QLatin1String("true") ? 1 : 0);
    case ZnSyntax::Integer:
      return ZnSNMPValue::MakeInteger(ClampToInt32(ZnLeadingInt64(text)));
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Ipv6Address:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, FromHex(text));
    case ZnSyntax::MacAddress: {
      // Six bytes in any usual notation; five or seven would go out as some other station.
      QByteArray mac;
      if (!ZnParseMacText(text, mac)) throw ZnFrameworkError(ZnCode::ValueOutOfRange);
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, mac);
    }
    case ZnSyntax::Opaque:
      // An opaque object accepts only the opaque tag.
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::Opaque, FromHex(text));
    case ZnSyntax::Null:
      return ZnSNMPValue::MakeNull();
    case ZnSyntax::ObjectId: {
      // A text that is no OID ("1.3.x", "") would go out as part of one, or as none.
      std::vector<std::uint32_t> oid;
      if (!ZnParseOid(text.trimmed(), oid) || !IsEncodableOid(oid))
        throw ZnFrameworkError(ZnCode::ValueOutOfRange);
      return ZnSNMPValue::MakeOid(std::move(oid));
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::IpAddress, IpBytes(text));
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      return ZnSNMPValue::MakeUnsigned(ZnSNMPValue::Gauge32, ZnUnsigned32Value(text));
    case ZnSyntax::TimeTicks:
      return ZnSNMPValue::MakeUnsigned(ZnSNMPValue::TimeTicks, TextToTicks(text));
    case ZnSyntax::Counter64:
      return ZnSNMPValue::MakeUnsigned(ZnSNMPValue::Counter64, ZnLeadingUInt64(text));
    case ZnSyntax::Double:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString,
                                    ZnDoubleToBytes(ZnLeadingDouble(text)));
    case ZnSyntax::DateTime:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, ZnDateTime(text).ToBytes());
    case ZnSyntax::BcDateTime:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString,
                                    ZnDoubleToBytes(ZnCalendarTextToDays(text)));
    case ZnSyntax::DisplayString:
      return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, ZnDisplayBytes(text));
    default:
      throw ZnFrameworkError(ZnCode::BadSyntax);
  }
}

QString ZnEncodeIndexPart(const ZnSNMPVarList& list, int i) {
  const ZnSNMPVar& var = list.Item(i);
  const QString text = ValueText(var);
  const bool implied = IsLastImplied(list, i);
  switch (var.Syntax) {
    case ZnSyntax::Boolean:
      return text == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
    case ZnSyntax::Integer:
      // A negative value travels as its 32-bit two's complement and decodes back to itself.
      return QString::number(static_cast<std::uint32_t>(ClampToInt32(ZnLeadingInt64(text))));
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      return QString::number(ClampToUInt32(ZnLeadingInt64(text)));
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
      return LengthPrefixed(FromHex(text), implied);
    case ZnSyntax::DisplayString:
      return LengthPrefixed(ZnDisplayBytes(text), implied);
    case ZnSyntax::Null:
      return QString();
    case ZnSyntax::ObjectId: {
      std::vector<std::uint32_t> oid;
      ZnParseOid(text.trimmed(), oid);
      if (!implied) oid.insert(oid.begin(), static_cast<std::uint32_t>(oid.size()));
      return Join(oid);
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress: {
      const QStringList parts = text.split(QLatin1Char('.'));
      std::vector<std::uint32_t> numbers;
      for (int k = 0; k < 4; ++k)
        numbers.push_back(k < parts.size() ? ClampToUInt32(ZnLeadingInt64(parts[k])) : 0);
      return Join(numbers);
    }
    case ZnSyntax::TimeTicks:
      return QString::number(TextToTicks(text));
    case ZnSyntax::Counter64: {
      const std::uint64_t n = ZnLeadingUInt64(text);
      return Join({static_cast<std::uint32_t>(n >> 32), static_cast<std::uint32_t>(n)});
    }
    case ZnSyntax::Double:
    case ZnSyntax::BcDateTime: {
      const double x =
          var.Syntax == ZnSyntax::Double ? ZnLeadingDouble(text) : ZnCalendarTextToDays(text);
      return Join({LowHalf(x), HighHalf(x)});
    }
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address: {
      const qsizetype size = var.Syntax == ZnSyntax::MacAddress ? 6 : 16;
      // A MAC key in any usual notation; the codec's own digits keep their rule (too few encode
      // nothing, more count by their first bytes). Any other text, read as hexadecimal with its
      // separators as zeros, would address another station's row, so it encodes nothing.
      QByteArray bytes;
      if (var.Syntax != ZnSyntax::MacAddress || !ZnParseMacText(text, bytes))
        bytes = IsHexText(text) ? FromHex(text) : QByteArray();
      if (bytes.size() < size) return QString();
      return LengthPrefixed(bytes.left(size), true);
    }
    case ZnSyntax::DateTime:
      return LengthPrefixed(ZnDateTime(text).ToBytes(), true);
    default:
      throw ZnFrameworkError(ZnCode::BadSyntax);
  }
}

QString ZnDecodeIndexPart(ZnSNMPVarList& list, int i, const QString& rest) {
  ZnSNMPVar& var = list.Item(i);
  const bool implied = IsLastImplied(list, i);
  InstanceReader in(rest);
  QString text;
  switch (var.Syntax) {
    case ZnSyntax::Boolean:
      text = in.Take() != 0 ? QStringLiteral("true") : QStringLiteral("false");
      break;
    case ZnSyntax::Integer:
      text = QString::number(static_cast<std::int32_t>(in.Take()));
      break;
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      text = QString::number(in.Take());
      break;
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
      text = ToHex(implied ? InstanceReader::ToBytes(in.TakeAll()) : in.TakeBytes(in.Take()));
      break;
    case ZnSyntax::DisplayString:
      text =
          ZnDisplayText(implied ? InstanceReader::ToBytes(in.TakeAll()) : in.TakeBytes(in.Take()));
      break;
    case ZnSyntax::Null:
      text = kNullText;
      break;
    case ZnSyntax::ObjectId:
      text = Join(implied ? in.TakeAll() : in.Take(in.Take()));
      break;
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
      text = Join(in.Take(4));
      break;
    case ZnSyntax::TimeTicks:
      text = TicksToText(in.Take());
      break;
    case ZnSyntax::Counter64: {
      const std::uint64_t high = in.Take();
      text = QString::number(high << 32 | in.Take());
      break;
    }
    case ZnSyntax::Double:
    case ZnSyntax::BcDateTime: {
      const std::uint32_t low = in.Take();
      const double x = FromHalves(low, in.Take());
      text = var.Syntax == ZnSyntax::Double ? ZnFormatDouble(x) : ZnDaysToCalendarText(x);
      break;
    }
    case ZnSyntax::MacAddress:
      text = ToHex(in.TakeBytes(6));
      break;
    case ZnSyntax::Ipv6Address:
      text = ToHex(implied ? InstanceReader::ToBytes(in.TakeAll()) : in.TakeBytes(16));
      break;
    case ZnSyntax::DateTime:
      text = ZnDateTime::FromBytes(in.TakeBytes(11)).ToText();
      break;
    default:
      throw ZnFrameworkError(ZnCode::BadSyntax);
  }
  StoreText(var, text);
  return in.Rest();
}

QString ZnEncodeInstance(const ZnSNMPVarList& list, const std::function<QString(int)>& encodePart) {
  QString instance;
  for (int k = 0; k < list.KeyCount; ++k) {
    const QString part = encodePart ? encodePart(k) : ZnEncodeIndexPart(list, k);
    if (part.isEmpty()) continue;
    if (!instance.isEmpty()) instance += QLatin1Char('.');
    instance += part;
  }
  return instance;
}

void ZnDecodeInstance(ZnSNMPVarList& list, const QString& instance,
                      const std::function<QString(int, const QString&)>& decodePart) {
  QString rest = instance;
  for (int k = 0; k < list.KeyCount; ++k) {
    if (rest.isEmpty()) throw ZnFrameworkError(ZnCode::BadKeyCount);
    if (!list.IsReadable(k))
      list.Item(k).CurrentOid = list.Item(k).Oid + QLatin1Char('.') + instance;
    rest = decodePart ? decodePart(k, rest) : ZnDecodeIndexPart(list, k, rest);
  }
}

bool ZnIsIpAddressText(const QString& text) {
  QByteArray bytes;
  return ParseIp(text, bytes);
}

std::uint32_t ZnUnsigned32Value(const QString& text) {
  const QString trimmed = text.trimmed();
  const bool negative = trimmed.startsWith(QLatin1Char('-'));
  const std::uint64_t magnitude = ZnLeadingUInt64(negative ? trimmed.mid(1) : trimmed);
  if ((negative && magnitude != 0) || magnitude > 0xFFFFFFFFull)
    throw ZnFrameworkError(ZnCode::ValueOutOfRange);
  return static_cast<std::uint32_t>(magnitude);
}
