#include "MibValue.h"

#include <algorithm>
#include <charconv>

namespace nx596 {

namespace {

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number number{};
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return number;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal bytes; blanks and colons may separate them for readability of the seed tables.
std::optional<std::string> ParseHex(std::string_view text) {
  std::string bytes;
  int high = -1;
  for (char c : text) {
    if (c == ' ' || c == ':') {
      if (high >= 0) return std::nullopt;  // a separator inside a byte
      continue;
    }
    int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
  }
  if (high >= 0) return std::nullopt;
  return bytes;
}

std::optional<std::string> ParseIpAddress(std::string_view text) {
  auto parts = ParseOid(text);
  if (!parts || parts->size() != 4 || text.front() == '.') return std::nullopt;
  std::string bytes;
  for (auto part : *parts) {
    if (part > 255) return std::nullopt;
    bytes.push_back(static_cast<char>(part));
  }
  return bytes;
}

}  // namespace

std::optional<Oid> ParseOid(std::string_view text) {
  if (!text.empty() && text.front() == '.') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  Oid oid;
  while (true) {
    auto dot = text.find('.');
    auto number = ParseNumber<std::uint32_t>(text.substr(0, dot));
    if (!number) return std::nullopt;
    oid.push_back(*number);
    if (dot == std::string_view::npos) return oid;
    text.remove_prefix(dot + 1);
  }
}

std::string FormatOid(const Oid& oid) {
  std::string text;
  for (auto subid : oid) {
    if (!text.empty()) text += '.';
    text += std::to_string(subid);
  }
  return text;
}

bool StartsWith(const Oid& oid, const Oid& prefix) {
  return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

std::uint8_t AsnTypeOf(Syntax syntax) {
  switch (syntax) {
    case Syntax::kInteger:
      return asn::kInteger;
    case Syntax::kDisplayString:
    case Syntax::kOctetString:
    case Syntax::kMacAddress:
      return asn::kOctetString;
    case Syntax::kObjectId:
      return asn::kObjectId;
    case Syntax::kIpAddress:
      return asn::kIpAddress;
    case Syntax::kCounter32:
      return asn::kCounter32;
    case Syntax::kGauge32:
      return asn::kGauge32;
    case Syntax::kTimeTicks:
      return asn::kTimeTicks;
    case Syntax::kCounter64:
      return asn::kCounter64;
  }
  return asn::kNull;
}

const char* SyntaxName(Syntax syntax) {
  switch (syntax) {
    case Syntax::kInteger:
      return "INTEGER";
    case Syntax::kDisplayString:
      return "DisplayString";
    case Syntax::kOctetString:
      return "OCTET STRING";
    case Syntax::kMacAddress:
      return "MacAddress";
    case Syntax::kObjectId:
      return "OBJECT IDENTIFIER";
    case Syntax::kIpAddress:
      return "IpAddress";
    case Syntax::kCounter32:
      return "Counter32";
    case Syntax::kGauge32:
      return "Gauge32";
    case Syntax::kTimeTicks:
      return "TimeTicks";
    case Syntax::kCounter64:
      return "Counter64";
  }
  return "?";
}

std::optional<Value> ParseValue(Syntax syntax, std::string_view text) {
  switch (syntax) {
    case Syntax::kInteger:
      if (auto n = ParseNumber<std::int32_t>(text)) return Value{std::int64_t{*n}};
      return std::nullopt;
    case Syntax::kCounter32:
    case Syntax::kGauge32:
    case Syntax::kTimeTicks:
      if (auto n = ParseNumber<std::uint32_t>(text)) return Value{std::uint64_t{*n}};
      return std::nullopt;
    case Syntax::kCounter64:
      if (auto n = ParseNumber<std::uint64_t>(text)) return Value{*n};
      return std::nullopt;
    case Syntax::kDisplayString:
      return Value{std::string(text)};
    case Syntax::kOctetString:
      if (auto bytes = ParseHex(text)) return Value{*bytes};
      return std::nullopt;
    case Syntax::kMacAddress:
      if (auto bytes = ParseHex(text); bytes && bytes->size() == 6) return Value{*bytes};
      return std::nullopt;
    case Syntax::kIpAddress:
      if (auto bytes = ParseIpAddress(text)) return Value{*bytes};
      return std::nullopt;
    case Syntax::kObjectId:
      if (auto oid = ParseOid(text)) return Value{*oid};
      return std::nullopt;
  }
  return std::nullopt;
}

Value ZeroValue(Syntax syntax) {
  switch (syntax) {
    case Syntax::kInteger:
      return std::int64_t{0};
    case Syntax::kCounter32:
    case Syntax::kGauge32:
    case Syntax::kTimeTicks:
    case Syntax::kCounter64:
      return std::uint64_t{0};
    case Syntax::kDisplayString:
    case Syntax::kOctetString:
      return std::string();
    case Syntax::kMacAddress:
      return std::string(6, '\0');
    case Syntax::kIpAddress:
      return std::string(4, '\0');
    case Syntax::kObjectId:
      return Oid{0, 0};
  }
  return std::int64_t{0};
}

std::size_t OctetLength(const Value& value) {
  if (auto bytes = std::get_if<std::string>(&value)) return bytes->size();
  return 0;
}

}  // namespace nx596
