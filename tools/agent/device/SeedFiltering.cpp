#include "SeedFiltering.h"

#include "DeviceRules.h"
#include "SeedRows.h"

#include <algorithm>
#include <string>

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",     // Q-BRIDGE-MIB
    "1.3.6.1.4.1.99917",  // the IGMP router ports
};

constexpr const char* kVlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
constexpr const char* kVlanEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2";
constexpr const char* kVlanRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";
constexpr const char* kUnicastAllowed = "1.3.6.1.2.1.17.7.1.3.1.1.3";
constexpr const char* kMulticastEgress = "1.3.6.1.2.1.17.7.1.3.2.1.3";
constexpr const char* kMulticastForbidden = "1.3.6.1.2.1.17.7.1.3.2.1.4";
constexpr const char* kRouterEntry = "1.3.6.1.4.1.99917.11.63.3.2.7.6.1";
constexpr const char* kRouterStatic = "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.3";
constexpr const char* kRouterDynamic = "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.4";

// The entry status of the static filtering tables: invalid(2) deletes an entry.
constexpr std::int64_t kInvalid = 2;

const TableDefinition kTables[] = {
    // Indexed by filtering database (here the VLAN's own), MAC address and receive port; an entry
    // belongs to a static VLAN.
    {"dot1qStaticUnicastTable",
     "1.3.6.1.2.1.17.7.1.3.1.1",
     {IndexPart::kInteger, IndexPart::kMacAddress, IndexPart::kInteger},
     4,
     {},
     kVlanEntry,
     false,
     kInvalid},
    {"dot1qStaticMulticastTable",
     "1.3.6.1.2.1.17.7.1.3.2.1",
     {IndexPart::kInteger, IndexPart::kMacAddress, IndexPart::kInteger},
     5,
     {},
     kVlanEntry,
     false,
     kInvalid},
    // One row per static VLAN, by VLAN ID.
    {"IGMP Router Port Table", kRouterEntry, {IndexPart::kInteger}, 0},
};

// Receive port 0 is any port. Status: 1 other, 2 invalid, 3 permanent, 4 deleteOnReset,
// 5 deleteOnTimeout; "other" is the device's own and cannot be written.
const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row
    {"dot1qStaticUnicastAddress", "1.3.6.1.2.1.17.7.1.3.1.1.1", kMacAddress, kNA, "", ""},
    {"dot1qStaticUnicastReceivePort", "1.3.6.1.2.1.17.7.1.3.1.1.2", kInteger, kNA, "", ""},
    {"dot1qStaticUnicastAllowedToGoTo", kUnicastAllowed, kOctetString, kRW, "0..4", "00000000"},
    {"dot1qStaticUnicastStatus", "1.3.6.1.2.1.17.7.1.3.1.1.4", kInteger, kRW, "2..5", ""},
    {"dot1qStaticMulticastAddress", "1.3.6.1.2.1.17.7.1.3.2.1.1", kMacAddress, kNA, "", ""},
    {"dot1qStaticMulticastReceivePort", "1.3.6.1.2.1.17.7.1.3.2.1.2", kInteger, kNA, "", ""},
    {"dot1qStaticMulticastStaticEgressPorts", kMulticastEgress, kOctetString, kRW, "0..4",
     "00000000"},
    {"dot1qStaticMulticastForbiddenEgressPorts", kMulticastForbidden, kOctetString, kRW, "0..4",
     "00000000"},
    {"dot1qStaticMulticastStatus", "1.3.6.1.2.1.17.7.1.3.2.1.5", kInteger, kRW, "2..5", ""},
    {"IGMP Router Port VLAN ID", "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.1", kInteger, kNA, "", ""},
    {"IGMP Router Port VLAN Name", "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.2", kDisplayString, kRO, "",
     ""},
    {"IGMP Router Port Static List", kRouterStatic, kOctetString, kRW, "0..4", ""},
    {"IGMP Router Port Dynamic List", kRouterDynamic, kOctetString, kRO, "", ""},
};

// Instances: column . filtering database or VLAN . six MAC octets . receive port.
const SeedValue kSeed[] = {
    // A server at 00-20-4A-10-00-01 in VLAN 1 is reached through port 3 only, from any port.
    {"1.3.6.1.2.1.17.7.1.3.1.1.3.1.0.32.74.16.0.1.0", "20 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4.1.0.32.74.16.0.1.0", "3"},
    // 00-20-4A-10-00-14 in VLAN 20 through port 5, until the next reset.
    {"1.3.6.1.2.1.17.7.1.3.1.1.3.20.0.32.74.16.0.20.0", "08 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4.20.0.32.74.16.0.20.0", "4"},
    // The group 01-00-5E-00-01-01 in VLAN 1 goes to ports 1 and 2, never to port 8.
    {"1.3.6.1.2.1.17.7.1.3.2.1.3.1.1.0.94.0.1.1.0", "C0 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4.1.1.0.94.0.1.1.0", "01 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5.1.1.0.94.0.1.1.0", "3"},
    // The group 01-00-5E-7F-00-0A in VLAN 20 goes to ports 5 and 6.
    {"1.3.6.1.2.1.17.7.1.3.2.1.3.20.1.0.94.127.0.10.0", "0C 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4.20.1.0.94.127.0.10.0", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5.20.1.0.94.127.0.10.0", "3"},

    // Router ports: VLAN 1 has a multicast router configured on port 24 and has learned one
    // behind the uplink 25; VLAN 20 has learned one on port 11. The other VLANs start without.
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.3.1", "00 00 01 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.4.1", "00 00 00 80"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.3.20", "00 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.4.20", "00 20 00 00"},
};

std::vector<std::shared_ptr<const ModelRule>> Rules() {
  using Column = MirrorTableRule::Column;
  using From = Column::From;
  constexpr std::uint32_t kNameColumn = 1;
  const Value noPorts{std::string(4, '\0')};
  return {
      std::make_shared<PortListRule>(kUnicastAllowed, kPortCount),
      std::make_shared<PortListRule>(kMulticastEgress, kPortCount),
      std::make_shared<PortListRule>(kMulticastForbidden, kPortCount),
      std::make_shared<PortListRule>(kRouterStatic, kPortCount),
      std::make_shared<VlanMemberPortsRule>(kUnicastAllowed, kVlanEgress),
      std::make_shared<VlanMemberPortsRule>(kMulticastEgress, kVlanEgress),
      std::make_shared<VlanMemberPortsRule>(kRouterStatic, kVlanEgress),
      std::make_shared<VlanMemberPortsRule>(kRouterDynamic, kVlanEgress),
      // Every static VLAN has its router ports, under its name.
      std::make_shared<MirrorTableRule>(kVlanRowStatus, kRouterEntry, Oid{},
                                        std::vector<Column>{{2, From::kCopy, kNameColumn}}),
      std::make_shared<FollowingColumnsRule>(
          kVlanRowStatus, std::vector<std::pair<const char*, Value>>{{kRouterStatic, noPorts},
                                                                     {kRouterDynamic, noPorts}}),
  };
}

}  // namespace

DevicePart FilteringPart() {
  return {kSubtrees, kTables, kObjects, kSeed, {}, {}, Rules()};
}

std::vector<std::pair<Oid, Value>> ExtraVlanRows(std::uint32_t total) {
  // VLANs 1, 20 and 30 are there from the start; the others take the lowest free IDs.
  constexpr std::uint32_t kStartVlans[] = {1, 20, 30};
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  std::uint32_t count = std::size(kStartVlans);
  for (std::uint32_t vlan = 2; count < total && vlan <= 4094; ++vlan) {
    if (std::ranges::find(kStartVlans, vlan) != std::end(kStartVlans)) continue;
    const Oid index{vlan};
    row.Cell(kVlanEntry, 1, index, Value{"VLAN" + std::to_string(vlan)});
    row.Cell(kVlanEntry, 2, index, Value{std::string(4, '\0')});
    row.Cell(kVlanEntry, 3, index, Value{std::string(4, '\0')});
    row.Cell(kVlanEntry, 4, index, Value{std::string(4, '\0')});
    row.Cell(kVlanEntry, 5, index, Value{std::int64_t{1}});
    ++count;
  }
  return rows;
}

}  // namespace nx596
