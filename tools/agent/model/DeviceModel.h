#pragma once

#include "MibValue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// The device model of the simulated switch: an ordered in-memory MIB of typed values with the
// semantics of an SNMP agent (lexicographic order, atomic SETs with undo, RowStatus rows).
namespace nx596 {

enum class Access { kNotAccessible, kReadOnly, kReadWrite };

// How one part of a table's index is laid out in the instance OID.
enum class IndexPart {
  kInteger,        // one sub-identifier
  kIpAddress,      // four sub-identifiers 0..255
  kMacAddress,     // six sub-identifiers 0..255 (fixed size, no length)
  kString,         // a length, then that many sub-identifiers 0..255
  kImpliedString,  // the remaining sub-identifiers 0..255, at least one (IMPLIED)
};

// One row of the definition tables: everything the device knows about an object.
struct ObjectDefinition {
  const char* name;
  const char* oid;  // the object, without instance
  Syntax syntax;
  Access access;
  // Integers: allowed values and ranges, "2,3" or "1..4"; strings: allowed sizes, "6" or
  // "0..255"; empty: the syntax's own limits (a DisplayString is at most 255 bytes).
  const char* limits;
  // Value of this column in a row created by a SET that does not write it; empty: zero or an
  // empty string.
  const char* initial;
  // Read-only counters only: how much every instance grows each time a GET or GETNEXT reads it,
  // so that two reads see the traffic in between, as on a device. An instance that reads 0 has
  // seen no traffic (a port without a link) and stays at 0.
  std::uint64_t growthPerRead = 0;
};

struct TableDefinition {
  const char* name;
  const char* entry;  // the conceptual row; its columns are the objects directly below it
  std::vector<IndexPart> index;
  // Column number of the RowStatus column; 0 for tables whose rows cannot be created.
  std::uint32_t rowStatusColumn;
  // Columns a new row cannot do without, because no value would be a sensible default (the
  // MAC address of an IP-MAC binding): createAndGo refuses a row without them, createAndWait
  // leaves it notReady until they are written. The other columns start from their initial value.
  std::vector<std::uint32_t> required = {};
  // Empty, or the entry of the table whose rows this table's rows belong to: the leading parts
  // of the index name a row there (a rule names its profile), which must exist to create one.
  const char* parent = "";
  // The request that destroys a row may also write the row's other columns, which go with it
  // (a device that takes a deleted entry's values along with its destroy); otherwise such a
  // request is inconsistentValue.
  bool columnsWithDestroy = false;
  // Non-zero: the status column is no RowStatus but the status of an IEEE 802.1Q static
  // filtering entry. Writing this value deletes the row; writing any other value its limits
  // allow creates the row when it is missing (its other columns at their initial values) or
  // keeps it.
  std::int64_t deletingStatus = 0;
};

// What writing the start value of an action object does to the rest of the device.
enum class ActionEffect {
  kNone,          // nothing beyond the trigger returning to its idle value
  kClearSubtree,  // every instance below `target` goes away (a clear-all)
  kSetInstance,   // the instance `target` takes `values` (a status reporting the outcome)
  kSetRow,        // columns of the trigger's own row take `values`, "4=0,5=0,8=35"
  kFillColumn,    // every instance of the column `target` takes the value written
};

// An object that starts something when it is written: a clear-all, a cable test, a file
// transfer. The effect is immediate and deterministic, and the trigger reads back idle, as a
// device reports after the work is done. Several definitions may share a trigger; the first
// whose condition holds acts.
struct ActionDefinition {
  const char* name;
  const char* trigger;  // the object, without instance; a scalar or a column
  const char* start;    // the written values that start the action, "2" or "3,4,5"
  // Empty, or "3=0.0.0.0": acts only when that column of the trigger's own row holds the value.
  const char* when;
  ActionEffect effect;
  const char* target;  // kClearSubtree: a subtree; kSetInstance: an instance; kFillColumn: a column
  const char* values;  // kSetInstance: one value; kSetRow: column=value pairs
  std::int64_t idle;   // what the trigger reads once the action is done
};

// A value the device starts with: the full instance OID, written out numerically, and the value
// in the text form of its object's syntax (see ParseValue).
struct SeedValue {
  const char* instance;
  const char* value;
};

// SNMPv2 error-status values a SET can end with (RFC 3416).
enum class SetError : int {
  kNoError = 0,
  kNoAccess = 6,
  kWrongType = 7,
  kWrongLength = 8,
  kWrongValue = 10,
  kNoCreation = 11,
  kInconsistentValue = 12,
  kNotWritable = 17,
  kInconsistentName = 18,
};

// One varbind of a SET as the model sees it: the type it arrived with and its value.
struct SetVarbind {
  Oid name;
  std::uint8_t asnType;
  Value value;
};

struct SetCheck {
  SetError error = SetError::kNoError;
  std::size_t failedIndex = 0;  // position of the varbind that failed, when error is set
};

// What a SET changed, so that it can be taken back when another part of the request fails.
class SetUndo {
 public:
  // What `name` held before the SET: nullptr when the SET did not change it, a pointer to
  // nullopt when it did not exist.
  const std::optional<Value>* ValueBefore(const Oid& name) const;

 private:
  friend class DeviceModel;
  struct Before {
    Oid name;
    std::optional<Value> value;  // nullopt: the cell did not exist
  };
  std::vector<Before> before_;
  std::set<Oid> saved_;
};

class DeviceModel;

// A rule of the device that spans several objects, beyond each object's own limits: a check a
// whole request must pass (untagged ports are egress ports) and values the device keeps in step
// with others (a table that follows another, a counter of deleted rows). The areas of the switch
// add the rules of their objects (DeviceRules.h).
class ModelRule {
 public:
  virtual ~ModelRule() = default;
  // Runs once every varbind passed the checks of its own object; DeviceModel::After tells what
  // the request would leave.
  virtual SetCheck Check(const DeviceModel&, std::span<const SetVarbind>) const { return {}; }
  // Runs once the request's values and actions are in place, and once over the start values;
  // every change goes through Write, WriteNumber or Erase with `undo`.
  virtual void Settle(DeviceModel&, std::span<const SetVarbind>, SetUndo&) const {}
};

class DeviceModel {
 public:
  struct Table;
  struct Object {
    std::string name;
    Oid oid;
    Syntax syntax;
    Access access;
    std::vector<std::pair<std::int64_t, std::int64_t>> limits;  // empty: no limit
    Value initial;
    std::uint64_t growthPerRead = 0;
    const Table* table = nullptr;  // nullptr for a scalar
    std::uint32_t column = 0;
    bool IsRowStatus() const;
  };
  struct Table {
    std::string name;
    Oid entry;
    std::vector<IndexPart> index;
    std::uint32_t rowStatusColumn = 0;
    std::vector<const Object*> columns;  // accessible columns, in column order
    std::vector<const Object*> required;
    bool columnsWithDestroy = false;
    std::int64_t deletingStatus = 0;  // non-zero: an entry status, not a RowStatus
    const Table* parent = nullptr;
    std::size_t parentIndexLength = 0;  // sub-identifiers of the index that name the parent row
  };
  struct Cell {
    const Object* object;
    Value value;
  };
  enum class Lookup { kFound, kNoSuchObject, kNoSuchInstance };

  // Throws std::invalid_argument when a definition is malformed.
  DeviceModel(std::span<const TableDefinition> tables, std::span<const ObjectDefinition> objects,
              std::span<const ActionDefinition> actions = {});
  ~DeviceModel();
  DeviceModel(const DeviceModel&) = delete;
  DeviceModel& operator=(const DeviceModel&) = delete;

  // Adds start values. Throws std::invalid_argument naming the value when its instance is not
  // one of a defined, accessible object or its text does not fit the object's syntax.
  void Seed(std::span<const SeedValue> values);
  void Insert(const Oid& instance, Value value);

  // Replaces the value of an existing instance (values the agent learns only at start-up).
  bool Assign(const Oid& instance, Value value);

  std::pair<Lookup, const Cell*> Get(const Oid& instance) const;
  // The agent has answered a read of the instance: a counter that grows on reads moves on.
  void CountRead(const Oid& instance);
  // The first instance after `from` (or at it, when inclusive) that lies below `subtree`.
  const std::pair<const Oid, Cell>* Next(const Oid& from, bool inclusive, const Oid& subtree) const;

  // A SET runs in two steps so that the agent can stop between them: Check validates every
  // varbind against the current state and the rest of the request, changing nothing; Apply
  // makes the changes of a request that passed Check and records how to take them back.
  SetCheck Check(std::span<const SetVarbind> varbinds) const;
  void Apply(std::span<const SetVarbind> varbinds, SetUndo& undo);
  void Undo(const SetUndo& undo);

  // Runs `changed` after every SET, and every undo of one, that changed an instance below
  // `subtree`, so that what the agent derives from those values follows them (the communities it
  // accepts). The number returned ends the watch.
  std::size_t Watch(const Oid& subtree, std::function<void()> changed);
  void Unwatch(std::size_t watch);
  // The value a column takes in rows created from now on, for a default the agent learns only
  // when it starts (its own engine ID). False when no table column of that syntax is there.
  bool SetInitial(const Oid& column, Value value);

  // Rules run in the order added: their checks after every object's own, their settling at the
  // end of every Apply and in SettleRules, once the start values are in.
  void AddRule(std::shared_ptr<const ModelRule> rule);
  void SettleRules();

  // For rules. The value `instance` holds once `varbinds` are applied, before any action or
  // rule acts: the value written, nothing in a row the request destroys, the initial value of a
  // column of a row it creates, else the current value.
  std::optional<Value> After(const Oid& instance, std::span<const SetVarbind> varbinds) const;
  // The indexes of the instances of `column` (an object OID), in order, now or once `varbinds`
  // are applied.
  std::vector<Oid> Indexes(const Oid& column) const;
  std::vector<Oid> IndexesAfter(const Oid& column, std::span<const SetVarbind> varbinds) const;
  // Changes an instance of an accessible object, its limits aside; a value of another kind than
  // the object's throws std::logic_error. WriteNumber converts to the object's kind of number.
  void Write(const Oid& instance, Value value, SetUndo& undo);
  void WriteNumber(const Oid& instance, std::int64_t number, SetUndo& undo);
  void Erase(const Oid& instance, SetUndo& undo);

 private:
  struct RowKey {
    const Table* table;
    Oid index;
    bool operator<(const RowKey& other) const {
      return std::tie(table, index) < std::tie(other.table, other.index);
    }
  };
  enum class RowAction { kCreateAndGo, kCreateAndWait, kDestroy, kActivate, kDeactivate, kClash };
  struct Action {
    std::string name;
    const Object* trigger;
    std::vector<std::pair<std::int64_t, std::int64_t>> start;
    const Object* whenColumn = nullptr;  // nullptr: always
    Value whenValue;
    ActionEffect effect;
    Oid target;
    Value value;                                       // kSetInstance
    std::vector<std::pair<const Object*, Value>> row;  // kSetRow
    std::int64_t idle;
  };

  const Object* FindObject(const Oid& instance) const;
  bool ValidInstance(const Object& object, const Oid& instance) const;
  bool RowExists(const Table& table, const Oid& index) const;
  SetError CheckValue(const Object& object, const SetVarbind& varbind) const;
  std::map<RowKey, RowAction> RowActions(std::span<const SetVarbind> varbinds) const;
  void Save(SetUndo& undo, const Oid& name) const;
  void CreateRow(const Table& table, const Oid& index, std::int64_t status, SetUndo& undo);
  void DestroyRow(const Table& table, const Oid& index, SetUndo& undo);
  // Whether every required column of the row has a value, or gets one from the request.
  bool RequiredPresent(const Table& table, const Oid& index,
                       std::span<const SetVarbind> varbinds) const;
  bool ParentExists(const Table& table, const Oid& index,
                    const std::map<RowKey, RowAction>& actions) const;
  void AddAction(const ActionDefinition& definition);
  void RunActions(const SetVarbind& varbind, const Object& object, SetUndo& undo);
  void Put(const Oid& name, const Object& object, Value value, SetUndo& undo);
  void NotifyWatchers(const SetUndo& undo) const;

  std::vector<std::unique_ptr<Table>> tables_;
  std::map<Oid, Object> objects_;
  std::map<Oid, Cell> cells_;
  std::vector<Action> actions_;
  std::map<std::size_t, std::pair<Oid, std::function<void()>>> watchers_;
  std::size_t nextWatch_ = 0;
  std::vector<std::shared_ptr<const ModelRule>> rules_;
};

}  // namespace nx596
