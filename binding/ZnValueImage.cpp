#include "ZnValueImage.h"

#include "ZnDateTime.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"
#include "ZnSNMPVarList.h"
#include "ZnValueFormat.h"

#include <QStringList>

namespace {

const QString kNull = QStringLiteral("(NULL)");

QByteArray LittleEndian(std::uint64_t value, int size) {
  QByteArray bytes(size, '\0');
  for (int k = 0; k < size; ++k) bytes[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  return bytes;
}

std::uint64_t FromLittleEndian(const QByteArray& bytes, int size) {
  std::uint64_t value = 0;
  for (int k = size - 1; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[k]);
  return value;
}

QByteArray BigEndian16(std::uint32_t value) {
  QByteArray bytes(2, '\0');
  bytes[0] = static_cast<char>((value >> 8) & 0xFF);
  bytes[1] = static_cast<char>(value & 0xFF);
  return bytes;
}

std::uint32_t FromBigEndian16(const QByteArray& bytes) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0])) << 8 |
         static_cast<unsigned char>(bytes[1]);
}

void NeedBytes(const QByteArray& image, int size) {
  if (image.size() < size) throw ZnFrameworkError(ZnCode::BadPartialValue);
}

}  // namespace

int ZnPartSize(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::Boolean:
    case ZnSyntax::Integer:
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
    case ZnSyntax::TimeTicks:
      return 4;
    case ZnSyntax::Counter64:
    case ZnSyntax::Double:
    case ZnSyntax::BcDateTime:
      return 8;
    case ZnSyntax::MacAddress:
      return 6;
    case ZnSyntax::DateTime:
      return 11;
    case ZnSyntax::Ipv6Address:
      return 16;
    case ZnSyntax::Bool8:
    case ZnSyntax::Int8:
    case ZnSyntax::UInt8:
      return 1;
    case ZnSyntax::Bool16:
    case ZnSyntax::Int16:
    case ZnSyntax::UInt16:
      return 2;
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::ObjectId:
    case ZnSyntax::Opaque:
    case ZnSyntax::DisplayString:
      return -1;
    case ZnSyntax::Null:
      return 0;
    default:
      throw ZnFrameworkError(ZnCode::BadSyntax);
  }
}

QByteArray ZnTextToImage(const QString& text, std::uint32_t syntax) {
  ZnPartSize(syntax);  // refuses unknown syntaxes, also for "(NULL)"
  if (text == kNull || syntax == ZnSyntax::Null) return {};
  switch (syntax) {
    case ZnSyntax::Boolean:
      return LittleEndian(text == QLatin1String("true") ? 1 : 0, 4);
    case ZnSyntax::Integer:
      return LittleEndian(static_cast<std::uint32_t>(ZnLeadingInt64(text)), 4);
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      return LittleEndian(ZnUnsigned32Value(text), 4);
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
    case ZnSyntax::Ipv6Address:
      return FromHex(text);
    case ZnSyntax::MacAddress: {
      // A MAC typed in any usual notation; otherwise the bytes as the switch sent them (the
      // write refuses anything but six).
      QByteArray mac;
      return ZnParseMacText(text, mac) ? mac : FromHex(text);
    }
    case ZnSyntax::ObjectId: {
      std::vector<std::uint32_t> oid;
      ZnParseOid(text.trimmed(), oid);
      QByteArray bytes;
      for (std::uint32_t part : oid) bytes += LittleEndian(part, 4);
      return bytes;
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress: {
      QByteArray bytes;
      for (const QString& part : text.split(QLatin1Char('.')))
        bytes.append(static_cast<char>(ZnLeadingInt64(part) & 0xFF));
      return bytes;
    }
    case ZnSyntax::TimeTicks:
      return LittleEndian(TextToTicks(text), 4);
    case ZnSyntax::Counter64: {
      const std::uint64_t n = ZnLeadingUInt64(text);
      return LittleEndian(n & 0xFFFFFFFFu, 4) + LittleEndian(n >> 32, 4);
    }
    case ZnSyntax::Double:
      return ZnDoubleToBytes(ZnLeadingDouble(text));
    case ZnSyntax::DateTime:
      return ZnDateTime(text).ToBytes();
    case ZnSyntax::BcDateTime:
      return ZnDoubleToBytes(ZnCalendarTextToDays(text));
    case ZnSyntax::DisplayString:
      return ZnDisplayBytes(text);
    case ZnSyntax::Bool8:
      return QByteArray(1, text == QLatin1String("true") ? '\1' : '\0');
    case ZnSyntax::Int8:
    case ZnSyntax::UInt8:
      return QByteArray(1, static_cast<char>(ZnLeadingInt64(text) & 0xFF));
    case ZnSyntax::Bool16:
      return BigEndian16(text == QLatin1String("true") ? 1 : 0);
    default:  // Int16, UInt16
      return BigEndian16(static_cast<std::uint32_t>(ZnLeadingInt64(text) & 0xFFFF));
  }
}

QString ZnImageToText(const QByteArray& image, std::uint32_t syntax) {
  ZnPartSize(syntax);
  if (syntax == ZnSyntax::Null) return kNull;
  if (image.isEmpty()) return syntax == ZnSyntax::DisplayString ? QString() : kNull;
  switch (syntax) {
    case ZnSyntax::Boolean:
      NeedBytes(image, 4);
      return FromLittleEndian(image, 4) ? QStringLiteral("true") : QStringLiteral("false");
    case ZnSyntax::Integer:
      NeedBytes(image, 4);
      return QString::number(static_cast<std::int32_t>(FromLittleEndian(image, 4)));
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      NeedBytes(image, 4);
      return QString::number(static_cast<std::uint32_t>(FromLittleEndian(image, 4)));
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
      return ToHex(image);
    case ZnSyntax::ObjectId: {
      std::vector<std::uint32_t> oid;
      for (int k = 0; k + 4 <= image.size(); k += 4)
        oid.push_back(static_cast<std::uint32_t>(FromLittleEndian(image.mid(k, 4), 4)));
      return ZnOidToText(oid);
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress: {
      NeedBytes(image, 4);
      QStringList parts;
      for (int k = 0; k < 4; ++k) parts << QString::number(static_cast<unsigned char>(image[k]));
      return parts.join(QLatin1Char('.'));
    }
    case ZnSyntax::TimeTicks:
      NeedBytes(image, 4);
      return TicksToText(static_cast<std::uint32_t>(FromLittleEndian(image, 4)));
    case ZnSyntax::Counter64:
      NeedBytes(image, 8);
      return QString::number(FromLittleEndian(image.left(4), 4) |
                             FromLittleEndian(image.mid(4, 4), 4) << 32);
    case ZnSyntax::Double:
      NeedBytes(image, 8);
      return ZnFormatDouble(ZnBytesToDouble(image));
    case ZnSyntax::MacAddress:
      NeedBytes(image, 6);
      return ToHex(image);
    case ZnSyntax::DateTime:
      NeedBytes(image, 11);
      return ZnDateTime::FromBytes(image).ToText();
    case ZnSyntax::BcDateTime:
      NeedBytes(image, 8);
      return ZnDaysToCalendarText(ZnBytesToDouble(image));
    case ZnSyntax::DisplayString:
      return ZnDisplayText(image);
    case ZnSyntax::Ipv6Address:
      NeedBytes(image, 16);
      return ToHex(image);
    case ZnSyntax::Bool8:
      return image[0] ? QStringLiteral("true") : QStringLiteral("false");
    case ZnSyntax::Int8:
      return QString::number(static_cast<signed char>(image[0]));
    case ZnSyntax::UInt8:
      return QString::number(static_cast<unsigned char>(image[0]));
    case ZnSyntax::Bool16:
      NeedBytes(image, 2);
      return FromBigEndian16(image) ? QStringLiteral("true") : QStringLiteral("false");
    default:  // Int16, UInt16: unsigned for both
      NeedBytes(image, 2);
      return QString::number(FromBigEndian16(image));
  }
}

QByteArray ZnExtractPart(const QByteArray& image, int offset, std::uint32_t syntax) {
  const int size = ZnPartSize(syntax);
  if (image.isEmpty()) return {};
  if (offset < 0) throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
  if (size < 0) {
    if (offset > image.size()) throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
    return image.mid(offset);
  }
  if (static_cast<qsizetype>(offset) + size > image.size())
    throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
  return image.mid(offset, size);
}
