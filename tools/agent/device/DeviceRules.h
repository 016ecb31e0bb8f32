#pragma once

#include "DeviceModel.h"

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

// Rules of the switch that span several objects, written as data by the areas that need them.
// OIDs are numeric text; a malformed one stops the model with std::invalid_argument.
namespace nx596 {

// A port list (a scalar or a column) holds no port beyond the device's last: a bit set after
// the first `ports` bits is refused with wrongValue.
class PortListRule : public ModelRule {
 public:
  PortListRule(const char* object, std::uint32_t ports);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid object_;
  std::uint32_t ports_;
};

// The ports of one column lie within the ports of another column of the same row (untagged
// ports are egress ports): a request that leaves a row otherwise is refused with
// inconsistentValue.
class PortsWithinRule : public ModelRule {
 public:
  PortsWithinRule(const char* column, const char* within);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid column_;
  Oid within_;
};

// The rows of a table with a RowStatus column, indexed by one number: new rows take an index
// in [low, high] (noCreation otherwise), and the rows of `kept` cannot be destroyed
// (wrongValue).
class RowIndexRule : public ModelRule {
 public:
  RowIndexRule(const char* rowStatus, std::int64_t low, std::int64_t high,
               std::vector<std::uint32_t> kept);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid rowStatus_;
  std::int64_t low_, high_;
  std::vector<std::uint32_t> kept_;
};

// No two rows hold the same non-empty value of `column` (names that address a row):
// inconsistentValue.
class UniqueColumnRule : public ModelRule {
 public:
  explicit UniqueColumnRule(const char* column);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid column_;
};

// A scalar names a row by the value of one of its columns (the guest VLAN by its VLAN's name):
// a non-empty name must be that of a row, and a named row can be neither renamed nor destroyed.
// The port list `ports` (a scalar) belongs to the name: it cannot hold ports without a name and
// is emptied when the name goes. Each refusal is inconsistentValue.
class NamedRowRule : public ModelRule {
 public:
  NamedRowRule(const char* scalar, const char* column, const char* ports);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override;

 private:
  Oid scalar_;
  Oid column_;
  Oid ports_;
};

// A scalar the device computes from the rows of a table, the rows being the instances of
// `column`.
class TableTallyRule : public ModelRule {
 public:
  enum class Tally {
    kRows,       // how many rows there are
    kDestroyed,  // how many rows were destroyed since the start (a counter)
    kLowestFree  // the lowest index in [low, high] no row has; 0 when all are taken
  };
  TableTallyRule(const char* scalar, const char* column, Tally tally, std::int64_t low = 0,
                 std::int64_t high = 0);
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override;

 private:
  Oid scalar_;
  Oid column_;
  Tally tally_;
  std::int64_t low_, high_;
};

// A read-only table whose rows follow the rows of another (the current VLANs follow the static
// ones): a row for every row of the source, its index the source's index after `prefix`, gone
// with the source row; its columns copied or computed from the source row.
class MirrorTableRule : public ModelRule {
 public:
  struct Column {
    enum class From {
      kCopy,          // the value of source column `a`
      kWithout,       // the bits of source column `a` that are not set in source column `b`
      kIndex,         // the source row's index, a number
      kConstant,      // `constant`
      kCreationTime,  // hundredths of a second since the start, when the row first appeared
    };
    std::uint32_t target;
    From from;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::int64_t constant = 0;
  };
  // `sourceColumn` names the source rows (its RowStatus column); `targetEntry` the mirror's entry.
  MirrorTableRule(const char* sourceColumn, const char* targetEntry, Oid prefix,
                  std::vector<Column> columns);
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override;

 private:
  Oid sourceColumn_;
  Oid sourceEntry_;
  Oid targetEntry_;
  Oid prefix_;
  std::vector<Column> columns_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Integer scalars the device keeps in a linear relation: once a request is applied, the sum of
// coefficient × value over the terms is at least `least` (the 802.1D bridge timers). A request
// that writes one of the scalars and breaks the relation is refused with inconsistentValue at
// the first varbind that writes one of them; a request that writes none of them is not judged.
class LinearRelationRule : public ModelRule {
 public:
  struct Term {
    std::int64_t coefficient;
    const char* scalar;  // the instance, ".0" included
  };
  LinearRelationRule(std::vector<Term> terms, std::int64_t least);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  std::vector<std::pair<std::int64_t, Oid>> terms_;
  std::int64_t least_;
};

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
