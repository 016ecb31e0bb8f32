#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Object identifiers, syntaxes and values of the simulated switch's MIB, independent of net-snmp
// so that the model can be built and checked without an agent around it.
namespace nx596 {

using Oid = std::vector<std::uint32_t>;

// Parses "1.3.6.1.4.1.99917.11.63" (a leading dot is accepted); nullopt on anything else.
std::optional<Oid> ParseOid(std::string_view text);
std::string FormatOid(const Oid& oid);
bool StartsWith(const Oid& oid, const Oid& prefix);

// The BER tags of the SMI types, as they travel on the wire.
namespace asn {
inline constexpr std::uint8_t kInteger = 0x02;
inline constexpr std::uint8_t kOctetString = 0x04;
inline constexpr std::uint8_t kNull = 0x05;
inline constexpr std::uint8_t kObjectId = 0x06;
inline constexpr std::uint8_t kIpAddress = 0x40;
inline constexpr std::uint8_t kCounter32 = 0x41;
inline constexpr std::uint8_t kGauge32 = 0x42;
inline constexpr std::uint8_t kTimeTicks = 0x43;
inline constexpr std::uint8_t kOpaque = 0x44;
inline constexpr std::uint8_t kCounter64 = 0x46;
}  // namespace asn

// The syntax of an object as the device knows it. Several share one wire type (a MAC address
// is an OCTET STRING) but differ in what the device accepts and how seed values are written.
enum class Syntax {
  kInteger,        // INTEGER and enumerations, including RowStatus
  kDisplayString,  // seed text is the literal string
  kOctetString,    // seed text is hexadecimal bytes (blanks and colons ignored)
  kMacAddress,     // six bytes, seed text "00:1C:F0:00:00:01"
  kObjectId,
  kIpAddress,  // four bytes, seed text dotted decimal
  kCounter32,
  kGauge32,
  kTimeTicks,
  kCounter64,
};

std::uint8_t AsnTypeOf(Syntax syntax);
const char* SyntaxName(Syntax syntax);

// Integer syntaxes hold int64_t (INTEGER) or uint64_t (the unsigned ones), strings hold their
// bytes, object identifiers their sub-identifiers.
using Value = std::variant<std::int64_t, std::uint64_t, std::string, Oid>;

// Reads a seed value written for the given syntax; nullopt when the text does not fit it.
std::optional<Value> ParseValue(Syntax syntax, std::string_view text);

// The value every syntax starts from when a row is created without it.
Value ZeroValue(Syntax syntax);

// Length in bytes of a string value (the number a SIZE constraint limits).
std::size_t OctetLength(const Value& value);

}  // namespace nx596
