#pragma once

#include "MibValue.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Helpers for seed rows made in code, one row per port or per aggregator. The instances are
// written numerically from the entry, the column and the index numbers, never through an index
// encoder, so an encoding fault elsewhere cannot hide behind a matching one here.
namespace nx596 {

// The 24 front ports and the two uplink ports; ports 1-8 have a link (the front panel shows
// the same).
inline constexpr std::uint32_t kFrontPorts = 24;
inline constexpr std::uint32_t kPortCount = 26;
inline constexpr std::uint32_t kLinkedPorts = 8;

// Writes the cells of one table row: column OID (numeric text) + column number + index.
class RowWriter {
 public:
  explicit RowWriter(std::vector<std::pair<Oid, Value>>& rows) : rows_(rows) {}

  void Cell(const char* entry, std::uint32_t column, const Oid& index, Value value) {
    Oid instance = *ParseOid(entry);
    instance.push_back(column);
    instance.insert(instance.end(), index.begin(), index.end());
    rows_.emplace_back(std::move(instance), std::move(value));
  }

 private:
  std::vector<std::pair<Oid, Value>>& rows_;
};

inline Value Counter(std::uint64_t n) {
  return Value{n & 0xFFFFFFFFULL};
}
inline Value Counter64(std::uint64_t n) {
  return Value{n};
}
inline Value Integer(std::int64_t n) {
  return Value{n};
}
inline Value Text(const std::string& text) {
  return Value{text};
}
inline Value Bytes(std::initializer_list<std::uint8_t> bytes) {
  return Value{std::string(bytes.begin(), bytes.end())};
}

}  // namespace nx596
