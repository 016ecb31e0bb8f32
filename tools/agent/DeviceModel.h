#pragma once

#include "MibValue.h"

#include <cstddef>
#include <cstdint>
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
};

struct TableDefinition {
  const char* name;
  const char* entry;  // the conceptual row; its columns are the objects directly below it
  std::vector<IndexPart> index;
  // Column number of the RowStatus column; 0 for tables whose rows cannot be created.
  std::uint32_t rowStatusColumn;
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
 private:
  friend class DeviceModel;
  struct Before {
    Oid name;
    std::optional<Value> value;  // nullopt: the cell did not exist
  };
  std::vector<Before> before_;
  std::set<Oid> saved_;
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
  };
  struct Cell {
    const Object* object;
    Value value;
  };
  enum class Lookup { kFound, kNoSuchObject, kNoSuchInstance };

  // Throws std::invalid_argument when a definition is malformed.
  DeviceModel(std::span<const TableDefinition> tables, std::span<const ObjectDefinition> objects);
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
  // The first instance after `from` (or at it, when inclusive) that lies below `subtree`.
  const std::pair<const Oid, Cell>* Next(const Oid& from, bool inclusive, const Oid& subtree) const;

  // A SET runs in two steps so that the agent can stop between them: Check validates every
  // varbind against the current state and the rest of the request, changing nothing; Apply
  // makes the changes of a request that passed Check and records how to take them back.
  SetCheck Check(std::span<const SetVarbind> varbinds) const;
  void Apply(std::span<const SetVarbind> varbinds, SetUndo& undo);
  void Undo(const SetUndo& undo);

 private:
  struct RowKey {
    const Table* table;
    Oid index;
    bool operator<(const RowKey& other) const {
      return std::tie(table, index) < std::tie(other.table, other.index);
    }
  };
  enum class RowAction { kCreateAndGo, kCreateAndWait, kDestroy, kActivate, kDeactivate, kClash };

  const Object* FindObject(const Oid& instance) const;
  bool ValidInstance(const Object& object, const Oid& instance) const;
  bool RowExists(const Table& table, const Oid& index) const;
  SetError CheckValue(const Object& object, const SetVarbind& varbind) const;
  std::map<RowKey, RowAction> RowActions(std::span<const SetVarbind> varbinds) const;
  void Save(SetUndo& undo, const Oid& name) const;
  void CreateRow(const Table& table, const Oid& index, std::int64_t status, SetUndo& undo);
  void DestroyRow(const Table& table, const Oid& index, SetUndo& undo);

  std::vector<std::unique_ptr<Table>> tables_;
  std::map<Oid, Object> objects_;
  std::map<Oid, Cell> cells_;
};

}  // namespace nx596
