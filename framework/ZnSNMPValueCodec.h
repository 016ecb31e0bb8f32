#pragma once

#include "ZnSNMPValue.h"
#include "ZnSNMPVarList.h"

#include <QString>

#include <functional>

// The text form of every syntax, both ways, and the encoding of key values in instance OIDs.
// Every function raises -511 for a syntax it does not handle.

// A received value into variable i's Value (as its option label when it has an option list).
void ZnStoreValue(ZnSNMPVarList& list, int i, const ZnSNMPValue& value);
// Variable i's Value (turned from label to value) into the value to send. A text no value of the
// syntax can stand for is refused rather than sent as another value: an address that is not four
// numbers 0 to 255 raises -509; an OID text that is no encodable OID, a MAC address that is not
// six bytes in a usual notation (ZnParseMacText) or an unsigned number beyond 32 bits raise -533.
ZnSNMPValue ZnLoadValue(const ZnSNMPVarList& list, int i);

// The dotted sub-identifiers that encode key variable i's value ("" for none).
QString ZnEncodeIndexPart(const ZnSNMPVarList& list, int i);
// Decodes key variable i's value from the front of a dotted instance text, stores it in Value and
// returns the sub-identifiers that follow. An instance that ends too early raises -514; one that
// is not dotted decimal, or holds a sub-identifier above 255 where a string, MAC address,
// IPv6 address or date-time byte is expected, raises -529.
QString ZnDecodeIndexPart(ZnSNMPVarList& list, int i, const QString& rest);

// The instance text of the current row: the key variables' parts joined with ".".
QString ZnEncodeInstance(const ZnSNMPVarList& list,
                         const std::function<QString(int)>& encodePart = {});
// Decodes every key variable from an instance text. A key variable that is not read keeps the
// whole instance in its CurrentOid. Raises -514 when the instance has fewer parts than keys.
void ZnDecodeInstance(ZnSNMPVarList& list, const QString& instance,
                      const std::function<QString(int, const QString&)>& decodePart = {});

// A Counter32, Gauge32 or Unsigned32 value from its text, read by its leading digits as every
// number is. A value beyond 0 to 4294967295 raises -533 rather than wrapping: 4294967296 would
// go out as 0, -1 as 4294967295.
std::uint32_t ZnUnsigned32Value(const QString& text);

// True for an IPv4 address written as four dotted numbers 0 to 255 (blanks around allowed).
bool ZnIsIpAddressText(const QString& text);

// Dotted decimal OID text <-> sub-identifiers. ParseOid gives false for anything but digits and
// single dots (one leading dot allowed) or a sub-identifier beyond 32 bits.
bool ZnParseOid(const QString& text, std::vector<std::uint32_t>& oid);
QString ZnOidToText(const std::vector<std::uint32_t>& oid);
