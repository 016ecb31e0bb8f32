#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// One value as it travels in a variable binding, independent of the SNMP library: the wire tag
// and its content. The request engine converts it to and from the library's bindings.
struct ZnSNMPValue {
  enum Tag : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    UInteger32 = 0x47,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
  };

  static ZnSNMPValue MakeNull() { return {}; }
  static ZnSNMPValue MakeInteger(std::int32_t v) { return {Integer, v, 0, {}, {}}; }
  static ZnSNMPValue MakeUnsigned(Tag tag, std::uint64_t v) { return {tag, 0, v, {}, {}}; }
  static ZnSNMPValue MakeBytes(Tag tag, QByteArray b) { return {tag, 0, 0, std::move(b), {}}; }
  static ZnSNMPValue MakeOid(std::vector<std::uint32_t> oid) {
    return {ObjectId, 0, 0, {}, std::move(oid)};
  }

  bool IsSigned() const { return Type == Integer; }
  bool IsUnsigned() const;
  bool IsNumber() const { return IsSigned() || IsUnsigned(); }
  bool HasBytes() const { return Type == OctetString || Type == Opaque || Type == IpAddress; }
  // The number of an INTEGER or of an unsigned type, as a signed 64-bit value.
  std::int64_t AsInt64() const { return IsSigned() ? Signed : static_cast<std::int64_t>(Unsigned); }

  bool operator==(const ZnSNMPValue&) const = default;

  std::uint8_t Type = Null;
  std::int64_t Signed = 0;     // INTEGER
  std::uint64_t Unsigned = 0;  // Counter32, Gauge32, TimeTicks, UInteger32, Counter64
  QByteArray Bytes;            // OCTET STRING, Opaque, IpAddress (4 bytes)
  std::vector<std::uint32_t> Oid;
};

inline bool ZnSNMPValue::IsUnsigned() const {
  return Type == Counter32 || Type == Gauge32 || Type == TimeTicks || Type == UInteger32 ||
         Type == Counter64;
}
