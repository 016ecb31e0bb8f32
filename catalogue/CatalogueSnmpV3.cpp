// The generic dialogs of the "SNMP V3" menu. They read the standard SNMPv3 MIBs, so their rows
// follow the RFCs' objects rather than the device's private subtree.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

using Tuning = ZnCatalogueTuning;

// Label sets of several dialogs ---------------------------------------------------------------

constexpr ZnOptionItem kSecurityLevelItems[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {0, nullptr},
};
const ZnOptionList kSecurityLevel(kSecurityLevelItems);

constexpr ZnOptionItem kIncludedExcludedItems[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const ZnOptionList kIncludedExcluded(kIncludedExcludedItems);

// SNMP Engine (SNMP-FRAMEWORK-MIB, RFC 3411) --------------------------------------------------

constinit const ZnSNMPVarDef kSnmpEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSnmpEnginePages[] = {
    {.kind = ZnPageKind::Editor, .table = kSnmpEngine, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kSnmpEngineTuning[] = {
    {.kind = Tuning::Kind::ValueWidth, .number = 150},
};

// SNMP MPD (SNMP-MPD-MIB, RFC 3412) -----------------------------------------------------------

constinit const ZnSNMPVarDef kSnmpMpd[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSnmpMpdPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSnmpMpd, .itemType = ZnItemType::SVT_SV},
};

// SNMP Target (SNMP-TARGET-MIB, RFC 3413) -----------------------------------------------------

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

// SNMP User Base MIB (SNMP-USER-BASED-SM-MIB, RFC 3414) ---------------------------------------

constinit const ZnSNMPVarDef kUsmStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

constinit const ZnSNMPVarDef kUsmUserTable[] = {
    // The engine ID is a length-prefixed octet string in the index, written in hex.
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", ZnSyntax::OctetString, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", ZnSyntax::DisplayString, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", ZnSyntax::ObjectId, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", ZnSyntax::ObjectId,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", ZnSyntax::ObjectId, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kUsmPages[] = {
    {.kind = ZnPageKind::Editor,
     .tabCaption = "Statistics",
     .table = kUsmStatistics,
     .itemType = ZnItemType::SVT_SV},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "User Table",
     .table = kUsmUserTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 12,
     .addLabel = "createAndGo",
     .deleteVariable = 12,
     .deleteLabel = "destroy"},
};

// SNMP View Base MIB (SNMP-VIEW-BASED-ACM-MIB, RFC 3415) --------------------------------------

constinit const ZnSNMPVarDef kVacmSecurityToGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", ZnSyntax::DisplayString, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &RowStatus},
    {},
};

constexpr ZnOptionItem kContextMatchItems[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
const ZnOptionList kContextMatch(kContextMatchItems);

constinit const ZnSNMPVarDef kVacmAccessTable[] = {
    // The access table's first index is the group name of the security-to-group table.
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", ZnSyntax::DisplayString, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", ZnSyntax::Integer, ZnAccess::NotAccessible,
     &kSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", ZnSyntax::Integer, ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kVacmViewTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family View Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    // Not IMPLIED: the subtree's OID comes with its length in the index.
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", ZnSyntax::ObjectId,
     ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM View Tree Family Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kVacmPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Security Group Table",
     .table = kVacmSecurityToGroupTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 4,
     .addLabel = "createAndGo",
     .deleteVariable = 4,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Access Table",
     .table = kVacmAccessTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 4,
     .addVariable = 9,
     .addLabel = "createAndGo",
     .deleteVariable = 9,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "View MIB Tree Table",
     .table = kVacmViewTreeFamilyTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 5,
     .addLabel = "createAndGo",
     .deleteVariable = 5,
     .deleteLabel = "destroy"},
};

// SNMP Notification MIB (SNMP-NOTIFICATION-MIB, RFC 3413) -------------------------------------

constexpr ZnOptionItem kNotifyTypeItems[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const ZnOptionList kNotifyType(kNotifyTypeItems);

constinit const ZnSNMPVarDef kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", ZnSyntax::Integer, ZnAccess::ReadWrite, &kNotifyType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", ZnSyntax::Integer, ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kNotifyFilterProfileTable[] = {
    // Indexed by the IMPLIED name of a target parameters row.
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kNotifyFilterTable[] = {
    // Indexed by the profile name (a column of the profile table) and the IMPLIED subtree.
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", ZnSyntax::ObjectId,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kIncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &RowStatus},
    {},
};

constinit const ZnCataloguePage kNotificationPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Notify Table",
     .table = kNotifyTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 4,
     .addLabel = "createAndGo",
     .deleteVariable = 4,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Notify Filter Profile Table",
     .table = kNotifyFilterProfileTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 3,
     .addLabel = "createAndGo",
     .deleteVariable = 3,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Notify Filter Entry Table",
     .table = kNotifyFilterTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 5,
     .addLabel = "createAndGo",
     .deleteVariable = 5,
     .deleteLabel = "destroy"},
};

// SNMP Community MIB (SNMP-COMMUNITY-MIB, RFC 3584) -------------------------------------------

constinit const ZnSNMPVarDef kCommunityTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kCommunityTargetAddrTable[] = {
    // The extension of the target address table shares its IMPLIED name index.
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible | ZnAccess::Implied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kCommunityPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "SNMP Community Table",
     .table = kCommunityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 7,
     .addLabel = "createAndGo",
     .deleteVariable = 7,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "Target Address Table",
     .table = kCommunityTargetAddrTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    {.componentName = "snmpEngine1",
     .title = "SNMP Engine",
     .pages = kSnmpEnginePages,
     .tuning = kSnmpEngineTuning},
    {.componentName = "MessageProcessingandDispatching1",
     .title = "SNMP MPD",
     .pages = kSnmpMpdPages},
    // Deliberately no blank before the colon, unlike the other prefixes of this menu.
    {.componentName = "SNMPTargetMIB1",
     .captionPrefix = "SNMP Target: ",
     .pagesMode = true,
     .pages = kTargetPages},
    {.componentName = "UserbasedSecurityModel1",
     .captionPrefix = "SNMP User Base MIB : ",
     .pagesMode = true,
     .pages = kUsmPages},
    {.componentName = "ViewBaseAccessControlMode1",
     .captionPrefix = "SNMP View Base MIB : ",
     .pagesMode = true,
     .pages = kVacmPages},
    {.componentName = "Notifications1",
     .captionPrefix = "SNMP Notification MIB : ",
     .pagesMode = true,
     .pages = kNotificationPages},
    {.componentName = "Community1",
     .captionPrefix = "SNMP Community MIB : ",
     .pagesMode = true,
     .pages = kCommunityPages},
};

}  // namespace

std::span<const ZnCatalogueEntry> SnmpV3() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
