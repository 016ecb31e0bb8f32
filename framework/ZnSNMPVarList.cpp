#include "ZnSNMPVarList.h"

#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"

namespace {

QString FromTableText(const char* text) {
  return text ? QString::fromUtf8(text) : QString();
}

const ZnOptionItem kSyntaxKeywords[] = {
    {0x01, "boolean"},   {0x02, "integer"},    {0x03, "bitstr"},     {0x04, "octetstr"},
    {0x05, "null"},      {0x06, "objectid"},   {0x40, "ipaddress"},  {0x41, "counter"},
    {0x42, "guage"},     {0x43, "timeticks"},  {0x44, "opaque"},     {0x45, "nsapaddr"},
    {0x46, "counter64"}, {0x47, "uinteger"},   {0x48, "double"},     {0x49, "macaddress"},
    {0x4a, "datetime"},  {0x4b, "bcdatetime"}, {0x4c, "displaystr"}, {0x4d, "ipv6address"},
    {0xc1, "bool8"},     {0xc2, "int8"},       {0xc3, "uint8"},      {0xc4, "bool16"},
    {0xc5, "int16"},     {0xc6, "uint16"},     {0, nullptr},
};

const ZnOptionItem kAccessKeywords[] = {
    {0x01, "notaccess"}, {0x02, "readonly"}, {0x04, "writeonly"}, {0x06, "readwrite"},
    {0x08, "derived"},   {0x10, "hidden"},   {0x20, "invalid"},   {0, nullptr},
};

const ZnOptionItem kItemTypeKeywords[] = {
    {0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}, {0, nullptr},
};

}  // namespace

const ZnOptionList& ZnSyntaxKeywords() {
  static const ZnOptionList list(kSyntaxKeywords);
  return list;
}

const ZnOptionList& ZnAccessKeywords() {
  static const ZnOptionList list(kAccessKeywords);
  return list;
}

const ZnOptionList& ZnItemTypeKeywords() {
  static const ZnOptionList list(kItemTypeKeywords);
  return list;
}

ZnSNMPVar::ZnSNMPVar(const ZnSNMPVarDef& def)
    : Oid(FromTableText(def.Oid)),
      Caption(FromTableText(def.Caption)),
      Syntax(def.Syntax),
      Access(def.Access),
      Options(def.Options),
      ReadExpression(FromTableText(def.ReadExpression)),
      WriteExpression(FromTableText(def.WriteExpression)),
      Reserved(FromTableText(def.Reserved)),
      Value(def.InitialValue ? FromTableText(def.InitialValue) : QStringLiteral("")),
      CurrentOid(def.InitialOid ? FromTableText(def.InitialOid) : QStringLiteral("")) {}

ZnSNMPVarList::ZnSNMPVarList(const ZnSNMPVarDef* table, std::uint8_t itemType, int keyCount)
    : KeyCount(keyCount), ItemType(itemType) {
  Append(table);
}

void ZnSNMPVarList::Append(const ZnSNMPVarDef* table) {
  if (table == nullptr) return;
  for (const ZnSNMPVarDef* row = table; row->Oid != nullptr; ++row) vars_.emplace_back(*row);
}

void ZnSNMPVarList::AppendInstance(const QString& suffix) {
  for (ZnSNMPVar& var : vars_) var.Oid += QLatin1Char('.') + suffix;
}

ZnSNMPVar& ZnSNMPVarList::Item(int i) {
  if (i < 0 || i >= Count()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  return vars_[static_cast<size_t>(i)];
}

const ZnSNMPVar& ZnSNMPVarList::Item(int i) const {
  return const_cast<ZnSNMPVarList*>(this)->Item(i);
}

bool ZnSNMPVarList::IsTable() const {
  return ItemType == ZnItemType::MVT_FMV || ItemType == ZnItemType::MVT_UMV;
}

bool ZnSNMPVarList::IsImplied(int i) const {
  return Item(i).Access & ZnAccess::Implied;
}

bool ZnSNMPVarList::IsReadable(int i) const {
  const std::uint32_t access = Item(i).Access;
  return !(access & ZnAccess::Invalid) && (access & ZnAccess::ReadOnly);
}

bool ZnSNMPVarList::IsWritable(int i) const {
  const std::uint32_t access = Item(i).Access;
  if (access & ZnAccess::Invalid) return false;
  return (access & ZnAccess::WriteOnly) || IsKey(i);
}

bool ZnSNMPVarList::IsShown(int i) const {
  const std::uint32_t access = Item(i).Access;
  if (access & (ZnAccess::Invalid | ZnAccess::Hidden)) return false;
  return access & (ZnAccess::NotAccessible | ZnAccess::Derived | ZnAccess::ReadOnly);
}

bool ZnSNMPVarList::IsNotShown(int i) const {
  const std::uint32_t access = Item(i).Access;
  return access == ZnAccess::WriteOnly || (access & (ZnAccess::Invalid | ZnAccess::Hidden));
}

int ZnSNMPVarList::ShownCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += IsShown(i);
  return count;
}

int ZnSNMPVarList::NotShownCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += IsNotShown(i);
  return count;
}
