#include "SeedVlan.h"

#include "DeviceRules.h"
#include "SeedRows.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",     // Q-BRIDGE-MIB
    "1.3.6.1.4.1.99917",  // the tagged ports and the guest VLAN
};

constexpr const char* kCurrentEntry = "1.3.6.1.2.1.17.7.1.4.2.1";
constexpr const char* kStaticName = "1.3.6.1.2.1.17.7.1.4.3.1.1";
constexpr const char* kStaticEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2";
constexpr const char* kStaticForbidden = "1.3.6.1.2.1.17.7.1.4.3.1.3";
constexpr const char* kStaticUntagged = "1.3.6.1.2.1.17.7.1.4.3.1.4";
constexpr const char* kStaticRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";
constexpr const char* kTaggedEntry = "1.3.6.1.4.1.99917.11.63.3.2.19.1.1";
constexpr const char* kGuestName = "1.3.6.1.4.1.99917.12.30.1.1";
constexpr const char* kGuestPorts = "1.3.6.1.4.1.99917.12.30.1.2";

const TableDefinition kTables[] = {
    // Indexed by a time filter (always 0 here) and the VLAN.
    {"dot1qVlanCurrentTable", kCurrentEntry, {IndexPart::kInteger, IndexPart::kInteger}, 0},
    // A VLAN comes with its name and ports in one createAndGo; the request that destroys it may
    // carry its other columns too, which go with the row.
    {"dot1qVlanStaticTable", "1.3.6.1.2.1.17.7.1.4.3.1", {IndexPart::kInteger}, 5, {}, "", true},
    // The maker's VLAN table: here only its tagged ports, by VLAN.
    {"VLAN Tagged Ports Table", kTaggedEntry, {IndexPart::kInteger}, 0},
};

// Port lists cover the 26 ports in four octets; shorter lists mean the ports they leave out are
// no members.
const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row
    {"dot1qVlanNumDeletes", "1.3.6.1.2.1.17.7.1.4.1", kCounter32, kRO, "", ""},
    {"dot1qVlanTimeMark", "1.3.6.1.2.1.17.7.1.4.2.1.1", kTimeTicks, kNA, "", ""},
    {"dot1qVlanIndex", "1.3.6.1.2.1.17.7.1.4.2.1.2", kGauge32, kNA, "", ""},
    {"dot1qVlanFdbId", "1.3.6.1.2.1.17.7.1.4.2.1.3", kGauge32, kRO, "", ""},
    {"dot1qVlanCurrentEgressPorts", "1.3.6.1.2.1.17.7.1.4.2.1.4", kOctetString, kRO, "", ""},
    {"dot1qVlanCurrentUntaggedPorts", "1.3.6.1.2.1.17.7.1.4.2.1.5", kOctetString, kRO, "", ""},
    {"dot1qVlanStatus", "1.3.6.1.2.1.17.7.1.4.2.1.6", kInteger, kRO, "1..3", ""},
    {"dot1qVlanCreationTime", "1.3.6.1.2.1.17.7.1.4.2.1.7", kTimeTicks, kRO, "", ""},
    {"dot1qVlanStaticName", kStaticName, kDisplayString, kRW, "0..32", ""},
    {"dot1qVlanStaticEgressPorts", kStaticEgress, kOctetString, kRW, "0..4", "00000000"},
    {"dot1qVlanForbiddenEgressPorts", kStaticForbidden, kOctetString, kRW, "0..4", "00000000"},
    {"dot1qVlanStaticUntaggedPorts", kStaticUntagged, kOctetString, kRW, "0..4", "00000000"},
    // This table knows active, createAndGo and destroy only.
    {"dot1qVlanStaticRowStatus", kStaticRowStatus, kInteger, kRW, "1,4,6", ""},
    {"dot1qNextFreeLocalVlanIndex", "1.3.6.1.2.1.17.7.1.4.4", kInteger, kRO, "", ""},
    {"VLAN Tagged Ports", "1.3.6.1.4.1.99917.11.63.3.2.19.1.1.7", kOctetString, kRO, "", ""},
    {"Guest VLAN Name", kGuestName, kDisplayString, kRW, "0..32", ""},
    {"Guest VLAN Port", kGuestPorts, kOctetString, kRW, "0..4", ""},
    {"Guest VLAN Delete State", "1.3.6.1.4.1.99917.12.30.1.3", kInteger, kRW, "1,2", ""},
};

// The current table, the tagged ports, the VLAN count and the next free index are not seeded:
// the device derives them from the static VLANs.
const SeedValue kSeed[] = {
    // VLAN 1 "default": every port; the front ports untagged, the uplinks 25 and 26 tagged.
    {"1.3.6.1.2.1.17.7.1.4.3.1.1.1", "default"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2.1", "FF FF FF C0"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3.1", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4.1", "FF FF FF 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5.1", "1"},
    // VLAN 20 "lab", tagged on ports 5, 6 and 11 and on the uplink 25 (its learned addresses are
    // in filtering database 20).
    {"1.3.6.1.2.1.17.7.1.4.3.1.1.20", "lab"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2.20", "0C 20 00 80"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3.20", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4.20", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5.20", "1"},
    // VLAN 30 "guest", without static members: the guest VLAN takes ports 21-24 while their
    // clients are not authenticated.
    {"1.3.6.1.2.1.17.7.1.4.3.1.1.30", "guest"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2.30", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3.30", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4.30", "00 00 00 00"},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5.30", "1"},

    {"1.3.6.1.2.1.17.7.1.4.1.0", "0"},
    {"1.3.6.1.4.1.99917.12.30.1.1.0", "guest"},
    {"1.3.6.1.4.1.99917.12.30.1.2.0", "00 00 0F 00"},
    {"1.3.6.1.4.1.99917.12.30.1.3.0", "1"},
};

const ActionDefinition kActions[] = {
    // name, trigger, start values, condition, effect, target, values, idle value
    // The guest VLAN goes (its ports with it, see the rules); its VLAN stays.
    {"Guest VLAN Delete", "1.3.6.1.4.1.99917.12.30.1.3", "2", "", ActionEffect::kSetInstance,
     "1.3.6.1.4.1.99917.12.30.1.1.0", "", 1},
};

std::vector<std::shared_ptr<const ModelRule>> Rules() {
  using Column = MirrorTableRule::Column;
  using From = Column::From;
  using Tally = TableTallyRule::Tally;
  constexpr std::uint32_t kEgressColumn = 2, kUntaggedColumn = 4;
  return {
      std::make_shared<PortListRule>(kStaticEgress, kPortCount),
      std::make_shared<PortListRule>(kStaticForbidden, kPortCount),
      std::make_shared<PortListRule>(kStaticUntagged, kPortCount),
      std::make_shared<PortListRule>(kGuestPorts, kPortCount),
      std::make_shared<PortsWithinRule>(kStaticUntagged, kStaticEgress),
      // VLAN IDs 1 to 4094; the default VLAN stays.
      std::make_shared<RowIndexRule>(kStaticRowStatus, 1, 4094, std::vector<std::uint32_t>{1}),
      std::make_shared<UniqueColumnRule>(kStaticName),
      std::make_shared<NamedRowRule>(kGuestName, kStaticName, kGuestPorts),
      std::make_shared<TableTallyRule>("1.3.6.1.2.1.17.7.1.4.1", kStaticRowStatus,
                                       Tally::kDestroyed),
      std::make_shared<TableTallyRule>("1.3.6.1.2.1.17.7.1.1.4", kStaticRowStatus, Tally::kRows),
      std::make_shared<TableTallyRule>("1.3.6.1.2.1.17.7.1.4.4", kStaticRowStatus,
                                       Tally::kLowestFree, 1, 4094),
      // Every static VLAN is current, permanent, in a filtering database of its own.
      std::make_shared<MirrorTableRule>(kStaticRowStatus, kCurrentEntry, Oid{0},
                                        std::vector<Column>{{3, From::kIndex},
                                                            {4, From::kCopy, kEgressColumn},
                                                            {5, From::kCopy, kUntaggedColumn},
                                                            {6, From::kConstant, 0, 0, 2},
                                                            {7, From::kCreationTime}}),
      std::make_shared<MirrorTableRule>(
          kStaticRowStatus, kTaggedEntry, Oid{},
          std::vector<Column>{{7, From::kWithout, kEgressColumn, kUntaggedColumn}}),
  };
}

}  // namespace

DevicePart VlanPart() {
  return {kSubtrees, kTables, kObjects, kSeed, kActions, {}, Rules()};
}

}  // namespace nx596
