#include "CommunityTable.h"

#include <map>

namespace nx596 {

namespace {

// Columns of snmpCommunityEntry.
constexpr std::uint32_t kName = 2;
constexpr std::uint32_t kSecurityName = 3;
constexpr std::uint32_t kContextEngineId = 4;
constexpr std::uint32_t kContextName = 5;
constexpr std::uint32_t kTransportTag = 6;
constexpr std::uint32_t kStatus = 8;
constexpr std::int64_t kActive = 1;

}  // namespace

std::vector<CommunityMapping> ActiveCommunities(const DeviceModel& model,
                                                const std::string& engineId) {
  const Oid entry = *ParseOid(kCommunityEntry);
  // The string columns of every row, by index.
  std::map<Oid, std::map<std::uint32_t, std::string>> rows;
  std::map<Oid, bool> active;
  for (auto* cell = model.Next(entry, false, entry); cell;
       cell = model.Next(cell->first, false, entry)) {
    const Oid& name = cell->first;
    const std::uint32_t column = name[entry.size()];
    const Oid index(name.begin() + static_cast<std::ptrdiff_t>(entry.size()) + 1, name.end());
    if (column == kStatus) {
      active[index] = cell->second.value == Value{kActive};
    } else if (const auto* text = std::get_if<std::string>(&cell->second.value)) {
      rows[index][column] = *text;
    }
  }
  std::vector<CommunityMapping> mappings;
  for (auto& [index, columns] : rows) {
    if (!active[index] || columns[kContextEngineId] != engineId || !columns[kTransportTag].empty())
      continue;
    mappings.push_back({columns[kName], columns[kSecurityName], columns[kContextName]});
  }
  return mappings;
}

}  // namespace nx596
