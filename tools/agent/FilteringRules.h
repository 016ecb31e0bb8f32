#pragma once

#include "DeviceModel.h"

#include <cstdint>
#include <utility>
#include <vector>

// Rules that tie tables to the VLANs of the switch. OIDs are numeric text; a malformed one stops
// the model with std::invalid_argument.
namespace nx596 {

// The ports of `column` are members of the VLAN its index starts with (a static filtering
// entry's ports, a VLAN's router ports): a request that writes ports outside the port list
// `vlanPorts` of that VLAN is refused with inconsistentValue, and ports that leave the VLAN
// leave `column` too.
class VlanMemberPortsRule : public ModelRule {
 public:
  VlanMemberPortsRule(const char* column, const char* vlanPorts);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override;

 private:
  Oid column_;
  Oid vlanPorts_;
};

// A table whose rows come and go with the rows of another, indexed alike (the router ports of
// every VLAN): a new source row brings these columns with their start values, values written to
// them stay, and they go with the source row.
class FollowingColumnsRule : public ModelRule {
 public:
  // `sourceColumn` names the source rows; `columns` are column OIDs with their start values.
  FollowingColumnsRule(const char* sourceColumn,
                       std::vector<std::pair<const char*, Value>> columns);
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override;

 private:
  Oid sourceColumn_;
  std::vector<std::pair<Oid, Value>> columns_;
};

}  // namespace nx596
