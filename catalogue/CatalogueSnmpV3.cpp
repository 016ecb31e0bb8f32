// The generic dialogs of the "SNMP V3" menu. They read the standard SNMPv3 MIBs, so their rows
// follow the RFCs' objects rather than the device's private subtree.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

// SNMP Target (SNMP-TARGET-MIB, RFC 3413) ------------------------------------------------------

constinit const ZnSNMPVarDef kTargetObjects[] = {
    {"1.3.6.1.6.3.12.1.1", "SNMP Target Spin Lock", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.12.1.4", "SNMP Unavailable Contexts", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.12.1.5", "SNMP Unknown Contexts", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

constinit const ZnSNMPVarDef kTargetAddrTable[] = {
    // The table is indexed by the IMPLIED name: its sub-identifiers carry no length.
    {"1.3.6.1.6.3.12.1.2.1.1", "SNMP Target Address Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.12.1.2.1.2", "SNMP Target Address TDomain", ZnSyntax::ObjectId,
     ZnAccess::ReadWrite},
    // A binary transport address (for UDP four address octets and two port octets), in hex.
    {"1.3.6.1.6.3.12.1.2.1.3", "SNMP Target Address TAddress", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "SNMP Target Address Timeout", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "SNMP Target Address Retry Count", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "SNMP Target Address Tag List", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "SNMP Target Address Params", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "SNMP Target Address Storage Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "SNMP Target Address Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constexpr ZnOptionItem kSecurityLevelItems[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {0, nullptr},
};
const ZnOptionList kSecurityLevel(kSecurityLevelItems);

constinit const ZnSNMPVarDef kTargetParamsTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "SNMP Target Params Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.12.1.3.1.2", "SNMP Target Params MP Model", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "SNMP Target Params Security Model", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "SNMP Target Params Security Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "SNMP Target Params Security Level", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "SNMP Target Params Storage Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "SNMP Target Params Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kTargetPages[] = {
    {.kind = ZnPageKind::Editor,
     .tabCaption = "Target Objects",
     .table = kTargetObjects,
     .itemType = ZnItemType::SVT_SV},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "TargetAddr Table",
     .table = kTargetAddrTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 8,
     .addLabel = "createAndGo",
     .deleteVariable = 8,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Target Params Table",
     .table = kTargetParamsTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 6,
     .addLabel = "createAndGo",
     .deleteVariable = 6,
     .deleteLabel = "destroy"},
};

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    // Deliberately no blank before the colon, unlike "SNTP : " and most other prefixes.
    {.componentName = "SNMPTargetMIB1",
     .captionPrefix = "SNMP Target: ",
     .pagesMode = true,
     .pages = kTargetPages},
};

}  // namespace

std::span<const ZnCatalogueEntry> SnmpV3() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
