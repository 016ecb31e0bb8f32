// Instance OIDs of table rows: the agent's answers to get-next carry the key values of a row in
// the instance, which ZnDecodeInstance turns back into the key variables' texts. Writing a row
// uses ZnEncodeInstance on those texts, so a decoded row must encode to the instance it came from.
//
// Input: byte 0 picks 1..3 key variables, each following byte one key's syntax (low 6 bits),
// IMPLIED (bit 6) and access (bit 7: read-only, else not-accessible); the rest is the instance.

#include "FuzzSupport.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"
#include "ZnSNMPVarList.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// Every syntax code, the partial-data ones included (they are not index syntaxes and must raise),
// and one code that is no syntax at all.
constexpr std::uint32_t kSyntaxes[] = {
    ZnSyntax::Boolean,       ZnSyntax::Integer,     ZnSyntax::BitString,
    ZnSyntax::OctetString,   ZnSyntax::Null,        ZnSyntax::ObjectId,
    ZnSyntax::IpAddress,     ZnSyntax::Counter,     ZnSyntax::Gauge,
    ZnSyntax::TimeTicks,     ZnSyntax::Opaque,      ZnSyntax::NsapAddress,
    ZnSyntax::Counter64,     ZnSyntax::UInteger,    ZnSyntax::Double,
    ZnSyntax::MacAddress,    ZnSyntax::DateTime,    ZnSyntax::BcDateTime,
    ZnSyntax::DisplayString, ZnSyntax::Ipv6Address, ZnSyntax::Bool8,
    ZnSyntax::Int8,          ZnSyntax::UInt8,       ZnSyntax::Bool16,
    ZnSyntax::Int16,         ZnSyntax::UInt16,      0x00,
};
constexpr std::size_t kSyntaxCount = std::size(kSyntaxes);

bool IsIndexSyntax(std::uint32_t syntax) {
  return (syntax >= ZnSyntax::Boolean && syntax <= ZnSyntax::ObjectId) ||
         (syntax >= ZnSyntax::IpAddress && syntax <= ZnSyntax::Ipv6Address);
}

// Syntaxes whose decoded text encodes to exactly the sub-identifiers it was decoded from.
bool IsExactSyntax(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::Integer:
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
    case ZnSyntax::DisplayString:
    case ZnSyntax::ObjectId:
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address:
    case ZnSyntax::Counter64:
    case ZnSyntax::TimeTicks:
      return true;
    default:
      return false;
  }
}

QStringList Values(const ZnSNMPVarList& list) {
  QStringList values;
  for (int k = 0; k < list.Count(); ++k) values << list.Item(k).Value;
  return values;
}

QString Describe(const ZnSNMPVarList& list, const QString& instance) {
  QStringList keys;
  for (int k = 0; k < list.KeyCount; ++k)
    keys << QStringLiteral("0x%1%2 %3")
                .arg(list.Item(k).Syntax, 2, 16, QLatin1Char('0'))
                .arg(list.IsImplied(k) ? QStringLiteral(" implied") : QString())
                .arg(fuzz::Shown(list.Item(k).Value));
  return QStringLiteral("keys [%1], instance %2")
      .arg(keys.join(QStringLiteral(", ")), fuzz::Shown(instance));
}

// Decodes every key and returns the sub-identifiers after the last one; raises like
// ZnDecodeInstance.
QString Decode(ZnSNMPVarList& list, const QString& instance) {
  QString rest;
  ZnDecodeInstance(list, instance, [&list, &rest](int k, const QString& part) {
    rest = ZnDecodeIndexPart(list, k, part);
    return rest;
  });
  return rest;
}

std::vector<std::uint32_t> Parts(const QString& text) {
  std::vector<std::uint32_t> parts;
  if (!text.isEmpty() && !ZnParseOid(text, parts))
    fuzz::Fail("decoded instance is dotted decimal", fuzz::Shown(text));
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int keyCount = 1 + data[0] % 3;
  if (size < 1 + static_cast<std::size_t>(keyCount)) return 0;

  ZnSNMPVarList list;
  list.ItemType = ZnItemType::MVT_FMV;
  list.KeyCount = keyCount;
  std::vector<ZnSNMPVarDef> defs;
  bool allIndexSyntaxes = true;
  for (int k = 0; k < keyCount; ++k) {
    const std::uint8_t choice = data[1 + k];
    ZnSNMPVarDef def;
    def.Oid = "1.3.6.1.4.1.99917.1.1.1";
    def.Syntax = kSyntaxes[(choice & 0x3f) % kSyntaxCount];
    def.Access = ((choice & 0x80) ? ZnAccess::ReadOnly : ZnAccess::NotAccessible) |
                 ((choice & 0x40) ? ZnAccess::Implied : 0);
    allIndexSyntaxes = allIndexSyntaxes && IsIndexSyntax(def.Syntax);
    defs.push_back(def);
  }
  // A column that is no key: decoding must leave it alone.
  ZnSNMPVarDef column;
  column.Oid = "1.3.6.1.4.1.99917.1.1.9";
  column.Syntax = ZnSyntax::Integer;
  column.Access = ZnAccess::ReadWrite;
  column.InitialValue = "untouched";
  defs.push_back(column);
  defs.push_back(ZnSNMPVarDef{});
  list.Append(defs.data());

  const QString instance = QString::fromLatin1(reinterpret_cast<const char*>(data) + 1 + keyCount,
                                               static_cast<qsizetype>(size) - 1 - keyCount);

  QString rest;
  try {
    rest = Decode(list, instance);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e, {ZnCode::BadSyntax, ZnCode::BadKeyCount, ZnCode::BadInstance},
                    "ZnDecodeInstance", Describe(list, instance));
    FUZZ_CHECK(e.Code() != ZnCode::BadSyntax || !allIndexSyntaxes, Describe(list, instance));
    return 0;
  }
  FUZZ_CHECK(allIndexSyntaxes, QStringLiteral("decoded a key of a syntax that cannot be one: ") +
                                   Describe(list, instance));
  FUZZ_CHECK(list.Item(keyCount).Value == QLatin1String("untouched"), Describe(list, instance));

  // A decoded row must encode again, whatever its syntaxes.
  QString encoded;
  try {
    encoded = ZnEncodeInstance(list);
  } catch (const ZnException& e) {
    fuzz::Fail("a decoded row encodes",
               QStringLiteral("raised %1 for %2").arg(e.Code()).arg(Describe(list, instance)));
  }

  // Keys that cannot be written back as they were read: a NULL key encodes to nothing, and an
  // IPv6 address is 16 bytes (the encoder drops a shorter implied one and cuts a longer one).
  bool wellFormed = true;
  bool exact = true;
  for (int k = 0; k < keyCount; ++k) {
    const ZnSNMPVar& var = list.Item(k);
    if (var.Syntax == ZnSyntax::Null) wellFormed = false;
    if (var.Syntax == ZnSyntax::Ipv6Address && var.Value.size() != 32) wellFormed = false;
    exact = exact && IsExactSyntax(var.Syntax);
  }
  if (!wellFormed) return 0;

  // The encoded instance decodes to texts that encode to the same instance: whatever a key's
  // text loses (the digits of a double, the zone of a date without direction) is lost once.
  ZnSNMPVarList again = list;
  for (int k = 0; k < keyCount; ++k) again.Item(k).Value = QStringLiteral("?");
  QString restAgain;
  try {
    restAgain = Decode(again, encoded);
  } catch (const ZnException& e) {
    fuzz::Fail("an encoded row decodes", QStringLiteral("raised %1 for %2 encoded as %3")
                                             .arg(e.Code())
                                             .arg(Describe(list, instance), fuzz::Shown(encoded)));
  }
  FUZZ_CHECK(restAgain.isEmpty(),
             QStringLiteral("%1 encoded as %2 left %3")
                 .arg(Describe(list, instance), fuzz::Shown(encoded), fuzz::Shown(restAgain)));
  const QString reencoded = ZnEncodeInstance(again);
  FUZZ_CHECK(reencoded == encoded,
             QStringLiteral("%1 encoded as %2, then as %3")
                 .arg(Describe(list, instance), fuzz::Shown(encoded), fuzz::Shown(reencoded)));

  if (!exact) return 0;
  // Exact syntaxes give back the sub-identifiers that were decoded (written in normal form) and
  // the same texts.
  const std::vector<std::uint32_t> parts = Parts(instance);
  const std::vector<std::uint32_t> restParts = Parts(rest);
  FUZZ_CHECK(restParts.size() <= parts.size() &&
                 std::equal(restParts.begin(), restParts.end(), parts.end() - restParts.size()),
             QStringLiteral("rest %1 of %2").arg(fuzz::Shown(rest), Describe(list, instance)));
  const QString consumed = ZnOidToText(std::vector<std::uint32_t>(
      parts.begin(), parts.end() - static_cast<std::ptrdiff_t>(restParts.size())));
  FUZZ_CHECK(encoded == consumed,
             QStringLiteral("%1 encoded as %2, decoded from %3")
                 .arg(Describe(list, instance), fuzz::Shown(encoded), fuzz::Shown(consumed)));
  FUZZ_CHECK(Values(again) == Values(list), QStringLiteral("%1 encoded as %2 decoded as [%3]")
                                                .arg(Describe(list, instance), fuzz::Shown(encoded),
                                                     Values(again).join(QStringLiteral(", "))));
  return 0;
}
