#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class ZnOptionList;

// Syntax codes: the SNMP tag where SNMP has the type, own numbers otherwise.
namespace ZnSyntax {
inline constexpr std::uint32_t Boolean = 0x01;
inline constexpr std::uint32_t Integer = 0x02;
inline constexpr std::uint32_t BitString = 0x03;
inline constexpr std::uint32_t OctetString = 0x04;
inline constexpr std::uint32_t Null = 0x05;
inline constexpr std::uint32_t ObjectId = 0x06;
inline constexpr std::uint32_t IpAddress = 0x40;
inline constexpr std::uint32_t Counter = 0x41;
inline constexpr std::uint32_t Gauge = 0x42;
inline constexpr std::uint32_t TimeTicks = 0x43;
inline constexpr std::uint32_t Opaque = 0x44;
inline constexpr std::uint32_t NsapAddress = 0x45;
inline constexpr std::uint32_t Counter64 = 0x46;
inline constexpr std::uint32_t UInteger = 0x47;
inline constexpr std::uint32_t Double = 0x48;
inline constexpr std::uint32_t MacAddress = 0x49;
inline constexpr std::uint32_t DateTime = 0x4a;
inline constexpr std::uint32_t BcDateTime = 0x4b;
inline constexpr std::uint32_t DisplayString = 0x4c;
inline constexpr std::uint32_t Ipv6Address = 0x4d;
// Partial data of another variable's value, handled by the binding layer.
inline constexpr std::uint32_t Bool8 = 0xc1;
inline constexpr std::uint32_t Int8 = 0xc2;
inline constexpr std::uint32_t UInt8 = 0xc3;
inline constexpr std::uint32_t Bool16 = 0xc4;
inline constexpr std::uint32_t Int16 = 0xc5;
inline constexpr std::uint32_t UInt16 = 0xc6;
}  // namespace ZnSyntax

namespace ZnAccess {
inline constexpr std::uint32_t NotAccessible = 0x01;  // index column, never requested
inline constexpr std::uint32_t ReadOnly = 0x02;
inline constexpr std::uint32_t WriteOnly = 0x04;
inline constexpr std::uint32_t ReadWrite = 0x06;
inline constexpr std::uint32_t Derived = 0x08;  // computed, shown, not requested
inline constexpr std::uint32_t Hidden = 0x10;
inline constexpr std::uint32_t Invalid = 0x20;  // left out of reads and writes, not shown
inline constexpr std::uint32_t Implied = 0x40;  // last index column without length prefix
}  // namespace ZnAccess

// List kinds ("item type").
namespace ZnItemType {
inline constexpr std::uint8_t SVT_SV = 0;   // scalars: instance = Oid + ".0", one get
inline constexpr std::uint8_t MVT_SV = 1;   // one table row: Oid already holds the instance
inline constexpr std::uint8_t MVT_FMV = 2;  // a table walked row by row
inline constexpr std::uint8_t MVT_UMV = 3;  // a table walked row by row
}  // namespace ZnItemType

// The keyword tables (syntax, access, list kind) as integer option lists: code <-> keyword.
const ZnOptionList& ZnSyntaxKeywords();
const ZnOptionList& ZnAccessKeywords();
const ZnOptionList& ZnItemTypeKeywords();

// One row of a constant definition table; a row with a null Oid ends the table.
struct ZnSNMPVarDef {
  const char* Oid = nullptr;
  const char* Caption = nullptr;
  std::uint32_t Syntax = 0;
  std::uint32_t Access = 0;
  const ZnOptionList* Options = nullptr;  // not owned
  const char* ReadExpression = nullptr;
  const char* WriteExpression = nullptr;
  const char* Reserved = nullptr;
  const char* InitialValue = nullptr;
  const char* InitialOid = nullptr;
};

// One variable of a list: its definition plus the current value as text and the OID of the
// instance last requested or returned.
struct ZnSNMPVar {
  explicit ZnSNMPVar(const ZnSNMPVarDef& def);
  ZnSNMPVar() = default;

  QString Oid;
  QString Caption;
  std::uint32_t Syntax = 0;
  std::uint32_t Access = 0;
  const ZnOptionList* Options = nullptr;  // shared with the definition
  QString ReadExpression;
  QString WriteExpression;
  QString Reserved;
  QString Value;
  QString CurrentOid;
  // The switch has no such object (no such object or instance, or SNMPv1's noSuchName for it),
  // or a table row has none in this column: there is no value to show, and no write carries it.
  bool Absent = false;
};

class ZnSNMPVarList {
 public:
  ZnSNMPVarList() = default;
  ZnSNMPVarList(const ZnSNMPVarDef* table, std::uint8_t itemType, int keyCount);

  // Rows up to the terminating row become variables; an empty table changes nothing.
  void Append(const ZnSNMPVarDef* table);
  void Clear() { vars_.clear(); }
  // Every variable's Oid becomes Oid + "." + suffix (turns column OIDs into one row).
  void AppendInstance(const QString& suffix);

  int Count() const { return static_cast<int>(vars_.size()); }
  ZnSNMPVar& Item(int i);
  const ZnSNMPVar& Item(int i) const;

  bool IsImplied(int i) const;
  bool IsReadable(int i) const;
  bool IsWritable(int i) const;
  bool IsShown(int i) const;
  bool IsNotShown(int i) const;
  int ShownCount() const;
  int NotShownCount() const;

  // True for the table kinds that are walked with get-next and carry an index.
  bool IsTable() const;
  // True when variable i is a key of a table list (its value travels in the instance).
  bool IsKey(int i) const { return IsTable() && i < KeyCount; }

  int KeyCount = 0;
  std::uint8_t ItemType = ZnItemType::SVT_SV;
  QString Description;

 private:
  std::vector<ZnSNMPVar> vars_;
};
