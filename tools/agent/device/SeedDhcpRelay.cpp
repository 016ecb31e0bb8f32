#include "SeedDhcpRelay.h"

#include "ValueRules.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.4.1.99917",
};

const TableDefinition kTables[] = {
    // name, entry, index, RowStatus column
    {"DHCP Relay Control Table",
     "1.3.6.1.4.1.99917.12.42.3.1.1",
     {IndexPart::kString, IndexPart::kIpAddress},
     3},
};

const ObjectDefinition kObjects[] = {
    {"DHCP Relay Control Interface Name", "1.3.6.1.4.1.99917.12.42.3.1.1.1", kDisplayString, kNA,
     "1..12", ""},
    {"DHCP Relay Control Server", "1.3.6.1.4.1.99917.12.42.3.1.1.2", kIpAddress, kNA, "", ""},
    {"DHCP Relay Control Row Status", "1.3.6.1.4.1.99917.12.42.3.1.1.3", kInteger, kRW, "", ""},
};

// Index: the interface name with its length, then the server address. "System" is
// 6.83.121.115.116.101.109, "ipif2" 5.105.112.105.102.50.
const SeedValue kSeed[] = {
    {"1.3.6.1.4.1.99917.12.42.3.1.1.3.6.83.121.115.116.101.109.10.90.90.1", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.1.1.3.6.83.121.115.116.101.109.10.90.90.2", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.1.1.3.6.83.121.115.116.101.109.10.90.90.3", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.1.1.3.5.105.112.105.102.50.192.168.20.1", "1"},
};

}  // namespace

DevicePart DhcpRelayPart() {
  return {kSubtrees,
          kTables,
          kObjects,
          kSeed,
          {},
          {},
          {std::make_shared<NamedIndexRule>("1.3.6.1.4.1.99917.12.42.3.1.1.3",
                                            std::vector<std::string>{"System", "ipif2"}, 4)}};
}

}  // namespace nx596
