// The generic dialogs of the "Configuration" menu.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

using Tuning = ZnCatalogueTuning;

// Label sets of several dialogs ---------------------------------------------------------------

// Named by their values where the same labels come with different values on different objects.

constexpr ZnOptionItem kClearAllStateItems[] = {{1, "other"}, {2, "start"}, {0, nullptr}};
const ZnOptionList kClearAllState(kClearAllStateItems);

// The only states some rows take; Add and Delete use the last two.
constexpr ZnOptionItem kCreateDestroyRowStatusItems[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const ZnOptionList kCreateDestroyRowStatus(kCreateDestroyRowStatusItems);

constexpr ZnOptionItem kEnable2Disable3Items[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const ZnOptionList kEnable2Disable3(kEnable2Disable3Items);

constexpr ZnOptionItem kEnable1Disable2Items[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const ZnOptionList kEnable1Disable2(kEnable1Disable2Items);

constexpr ZnOptionItem kPermitItems[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const ZnOptionList kPermit(kPermitItems);

// Basic Information ---------------------------------------------------------------------------

constexpr ZnOptionItem kProtocolCapabilityItems[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}};
const ZnOptionList kProtocolCapability(kProtocolCapabilityItems);

constexpr ZnOptionItem kConsoleInUseItems[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const ZnOptionList kConsoleInUse(kConsoleInUseItems);

constexpr ZnOptionItem kSaveConfigureStatusItems[] = {{1, "other"},     {2, "proceeding"},
                                                      {3, "completed"}, {4, "changed-not-save"},
                                                      {5, "failed"},    {0, nullptr}};
const ZnOptionList kSaveConfigureStatus(kSaveConfigureStatusItems);

constexpr ZnOptionItem kFileTransferStatusItems[] = {
    {1, "other"},          {2, "in-process"},   {3, "invalid-file"}, {4, "violation"},
    {5, "file-not-found"}, {6, "disk-full"},    {7, "complete"},     {8, "time-out"},
    {9, "not-format"},     {10, "memory-full"}, {0, nullptr}};
const ZnOptionList kFileTransferStatus(kFileTransferStatusItems);

constinit const ZnSNMPVarDef kBasicInformation[] = {
    {"1.3.6.1.4.1.99917.12.1.1.1", "Protocol Capability", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kProtocolCapability},
    {"1.3.6.1.4.1.99917.12.1.1.3", "Status Console In Use", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kConsoleInUse},
    {"1.3.6.1.4.1.99917.12.1.1.4", "Status Save Configure", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kSaveConfigureStatus},
    {"1.3.6.1.4.1.99917.12.1.1.5", "Status File Transfer", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kFileTransferStatus},
    {},
};

constinit const ZnCataloguePage kBasicInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kBasicInformation, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kBasicInformationTuning[] = {
    {.kind = Tuning::Kind::FormWidth, .number = 500},
};

// MIB Capabilities ----------------------------------------------------------------------------

constexpr ZnOptionItem kMibTypeItems[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};
const ZnOptionList kMibType(kMibTypeItems);

constinit const ZnSNMPVarDef kMibCapabilities[] = {
    {"1.3.6.1.4.1.99917.12.1.1.2.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2", "Description", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3", "Version", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4", "Type", ZnSyntax::Integer, ZnAccess::ReadOnly, &kMibType},
    {},
};

constinit const ZnCataloguePage kMibCapabilitiesPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kMibCapabilities,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

constinit const Tuning kMibCapabilitiesTuning[] = {
    {.kind = Tuning::Kind::FormHeight, .number = 450},
};

// CPU Utilization -----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kCpuUtilization[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.1", "CPU Utilization In 5sec", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.2", "CPU Utilization In 1min", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.3", "CPU Utilization In 5min", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kCpuUtilizationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kCpuUtilization, .itemType = ZnItemType::SVT_SV},
};

// Port Utilization ----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kPortUtilization[] = {
    {"1.3.6.1.4.1.99917.12.1.1.8.1.1", "Port Utilization Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.1.1.8.1.2", "Port Utilization TX", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.1.1.8.1.3", "Port Utilization RX", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.1.1.8.1.4", "Port Utilization Util", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kPortUtilizationPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortUtilization,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

constinit const Tuning kPortUtilizationTuning[] = {
    {.kind = Tuning::Kind::FormHeight, .number = 450},
};

// IP Configuration ----------------------------------------------------------------------------

// In option order: OnIpSourceChange hides the address rows for every index but 0 ("Manual").
constexpr ZnOptionItem kIpSourceItems[] = {{2, "Manual"}, {3, "BOOTP"}, {4, "DHCP"}, {0, nullptr}};
const ZnOptionList kIpSource(kIpSourceItems);

constinit const ZnSNMPVarDef kIpConfiguration[] = {
    {"1.3.6.1.4.1.99917.12.1.3.3", "Get IP From", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kIpSource},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", "Gateway", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kIpConfigurationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kIpConfiguration, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kIpConfigurationTuning[] = {
    {.kind = Tuning::Kind::ChangeHandler, .variable = 0, .text = "OnIpSourceChange"},
};

// FDB Clear All State -------------------------------------------------------------------------

constinit const ZnSNMPVarDef kFdbClearAllState[] = {
    {"1.3.6.1.4.1.99917.12.1.2.11.1", "FDB Clear All State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kClearAllState},
    {},
};

constinit const ZnCataloguePage kFdbClearAllStatePages[] = {
    {.kind = ZnPageKind::Editor, .table = kFdbClearAllState, .itemType = ZnItemType::SVT_SV},
};

// ARP Clear All State -------------------------------------------------------------------------

constinit const ZnSNMPVarDef kArpClearAllState[] = {
    {"1.3.6.1.4.1.99917.12.1.2.12.1", "ARP Clear All State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kClearAllState},
    {},
};

constinit const ZnCataloguePage kArpClearAllStatePages[] = {
    {.kind = ZnPageKind::Editor, .table = kArpClearAllState, .itemType = ZnItemType::SVT_SV},
};

// Trust Host Delete All State -----------------------------------------------------------------

constexpr ZnOptionItem kTrustHostDeleteAllItems[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const ZnOptionList kTrustHostDeleteAll(kTrustHostDeleteAllItems);

constinit const ZnSNMPVarDef kTrustHostDeleteAllState[] = {
    {"1.3.6.1.4.1.99917.12.1.2.10.2", "Trust Host Delete All State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kTrustHostDeleteAll},
    {},
};

constinit const ZnCataloguePage kTrustHostDeleteAllStatePages[] = {
    {.kind = ZnPageKind::Editor, .table = kTrustHostDeleteAllState, .itemType = ZnItemType::SVT_SV},
};

// System Time ---------------------------------------------------------------------------------

constinit const ZnSNMPVarDef kTimeInformation[] = {
    {"1.3.6.1.4.1.99917.12.10.1", "Time Capacity", ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.10.3", "Clock Lost On Reboot", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &TruthValue},
    {},
};

constinit const ZnSNMPVarDef kSystemTime[] = {
    {"1.3.6.1.4.1.99917.12.10.10.1", "System Current Time", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.10.10.2", "System Up Time", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.10.10.3", "System Boot Time", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.10.10.4", "System Time Zone", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kSystemTimePages[] = {
    {.kind = ZnPageKind::Editor,
     .tabCaption = "Information",
     .table = kTimeInformation,
     .itemType = ZnItemType::SVT_SV},
    {.kind = ZnPageKind::Editor,
     .tabCaption = "System Time",
     .table = kSystemTime,
     .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kSystemTimeTuning[] = {
    // The zone is an offset from UTC in minutes, -12:59 to +13:59 hours.
    {.kind = Tuning::Kind::EditConstraint, .page = 1, .variable = 3, .text = "%i{n-779x839}"},
};

// SNTP ----------------------------------------------------------------------------------------

constexpr ZnOptionItem kSntpTimeSourceItems[] = {
    {0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
const ZnOptionList kSntpTimeSource(kSntpTimeSourceItems);

constinit const ZnSNMPVarDef kSntp[] = {
    {"1.3.6.1.4.1.99917.12.10.11.1", "SNTP State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.10.11.2", "SNTP Time Source", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kSntpTimeSource},
    {"1.3.6.1.4.1.99917.12.10.11.3", "SNTP Server1 IP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.10.11.4", "SNTP Server2 IP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.10.11.5", "SNTP Poll Interval", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kSntpPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSntp, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kSntpTuning[] = {
    // The poll interval in seconds.
    {.kind = Tuning::Kind::EditConstraint, .variable = 4, .text = "%i{n30x99999}"},
};

// Single IP Information -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kSingleIpInformation[] = {
    {"1.3.6.1.4.1.99917.12.8.1.1.1", "Single IP Version", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.1.2", "Single IP Capability", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.1.3", "Single IP Platform", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSingleIpInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSingleIpInformation, .itemType = ZnItemType::SVT_SV},
};

// Single IP Control ---------------------------------------------------------------------------

constexpr ZnOptionItem kSingleIpRoleItems[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
const ZnOptionList kSingleIpRole(kSingleIpRoleItems);

constinit const ZnSNMPVarDef kSingleIpControl[] = {
    {"1.3.6.1.4.1.99917.12.8.1.2.1", "Single IP Admin", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.8.1.2.2", "Single IP Role State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kSingleIpRole},
    {"1.3.6.1.4.1.99917.12.8.1.2.3", "Single IP Holdtime", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.8.1.2.4", "Single IP Time Interval", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kSingleIpControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSingleIpControl, .itemType = ZnItemType::SVT_SV},
};

// Single IP MS Table --------------------------------------------------------------------------

constinit const ZnSNMPVarDef kSingleIpMsTable[] = {
    {"1.3.6.1.4.1.99917.12.8.1.3.1.1", "Single IP MS ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.2", "Single IP MS Device Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.3", "Single IP MS MAC Address", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.4", "Single IP MS Firmware Version", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.5", "Single IP MS Capability", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.6", "Single IP MS Platform", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.7", "Single IP MS Holdtime", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    // "Cas" is the device's own spelling of CaS, the candidate switch a member is made from.
    {"1.3.6.1.4.1.99917.12.8.1.3.1.8", "Single IP MS Cas Source", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.9", "Single IP MS Password", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.10", "Single IP MS Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kCreateDestroyRowStatus},
    {},
};

constinit const ZnCataloguePage kSingleIpMsTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSingleIpMsTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 9,
     .addLabel = "createAndGo",
     .deleteVariable = 9,
     .deleteLabel = "destroy"},
};

// Single IP Cas Table -------------------------------------------------------------------------

constinit const ZnSNMPVarDef kSingleIpCasTable[] = {
    {"1.3.6.1.4.1.99917.12.8.1.4.1.1", "Single IP CaS ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.2", "Single IP CaS Device Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.3", "Single IP CaS MAC Address", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.4", "Single IP CaS Firmware Ver", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.5", "Single IP CaS Capability", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.6", "Single IP CaS Platform", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.7", "Single IP CaS Holdtime", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSingleIpCasTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSingleIpCasTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Single IP Group Table -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kSingleIpGroupTable[] = {
    {"1.3.6.1.4.1.99917.12.8.1.5.1.1", "Single IP Group MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.2", "Single IP Group Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.3", "Single IP Group Device Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.4", "Single IP Group MS Number", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.5", "Single IP Group Firmware Version", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.6", "Single IP Group Capability", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.7", "Single IP Group Platform", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.8", "Single IP Group Holdtime", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSingleIpGroupTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSingleIpGroupTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Single IP Neighbor Table --------------------------------------------------------------------

constexpr ZnOptionItem kNeighborRoleItems[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};
const ZnOptionList kNeighborRole(kNeighborRoleItems);

constinit const ZnSNMPVarDef kSingleIpNeighborTable[] = {
    {"1.3.6.1.4.1.99917.12.8.1.6.1.1", "Single IP NB Received Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.8.1.6.1.2", "Single IP NB MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.8.1.6.1.3", "Single IP NB Role State", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kNeighborRole},
    {},
};

constinit const ZnCataloguePage kSingleIpNeighborTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSingleIpNeighborTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2},
};

// Device Control ------------------------------------------------------------------------------

constexpr ZnOptionItem kCleanCountersItems[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const ZnOptionList kCleanCounters(kCleanCountersItems);

constexpr ZnOptionItem kMulticastFilterItems[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {0, nullptr}};
const ZnOptionList kMulticastFilter(kMulticastFilterItems);

constinit const ZnSNMPVarDef kDeviceControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.6", "STP State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.7", "IGMP Snooping", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    // The double blank is the device's own caption.
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.12", "Clean All  Statistic Counter", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kCleanCounters},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.13", "SNMP Enable Authen Traps", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.17", "IP Auto Config", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.18", "Multicast Filter", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kMulticastFilter},
    {"1.3.6.1.4.1.99917.11.63.3.2.15.2", "Port Security Trap Log State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable2Disable3},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.19", "MAC Notify State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.20", "MAC Notify History Size(1-500)", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.21", "MAC Notify Interval(1-2147483647)", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.22", "VLAN Trunk State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kDeviceControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kDeviceControl, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kDeviceControlTuning[] = {
    {.kind = Tuning::Kind::EditConstraint, .variable = 8, .text = "%i{n1x500l3}"},
    {.kind = Tuning::Kind::EditConstraint, .variable = 9, .text = "%i{n1x2147483647l10}"},
};

// Upload/Download File Configuration ----------------------------------------------------------

constexpr ZnOptionItem kTransferTypeItems[] = {
    {2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}};
const ZnOptionList kTransferType(kTransferTypeItems);

constexpr ZnOptionItem kLoadTypeItems[] = {{2, "upload"}, {3, "download"}, {0, nullptr}};
const ZnOptionList kLoadType(kLoadTypeItems);

constexpr ZnOptionItem kTransferControlItems[] = {{2, "inactive"}, {3, "start"}, {0, nullptr}};
const ZnOptionList kTransferControl(kTransferControlItems);

constinit const ZnSNMPVarDef kFileConfiguration[] = {
    {"1.3.6.1.4.1.99917.12.1.2.1.1.1", "File Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.2", "Description", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.3", "File Address", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.4", "Transfer Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kTransferType},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.5", "PathFile Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.6", "Locate ID", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.7", "Load Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kLoadType},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.8", "Control", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kTransferControl},
    {},
};

constinit const ZnCataloguePage kFileConfigurationPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kFileConfiguration,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Console Mode Control ------------------------------------------------------------------------

constexpr ZnOptionItem kDataBitsItems[] = {{2, "bits-7"}, {3, "bits-8"}, {0, nullptr}};
const ZnOptionList kDataBits(kDataBitsItems);

constexpr ZnOptionItem kStopBitsItems[] = {{2, "stopbits-1"}, {3, "stopbits-2"}, {0, nullptr}};
const ZnOptionList kStopBits(kStopBitsItems);

constexpr ZnOptionItem kParityItems[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {0, nullptr}};
const ZnOptionList kParity(kParityItems);

constexpr ZnOptionItem kBaudRateItems[] = {
    {2, "baudRate-2400"},  {3, "baudRate-9600"},   {4, "baudRate-19200"}, {5, "baudRate-38400"},
    {6, "baudRate-57200"}, {7, "baudRate-115200"}, {0, nullptr}};
const ZnOptionList kBaudRate(kBaudRateItems);

constexpr ZnOptionItem kLogoutTimeItems[] = {{1, "never"},           {2, "two-minutes"},
                                             {3, "five-minutes"},    {4, "ten-minutes"},
                                             {5, "fifteen-minutes"}, {0, nullptr}};
const ZnOptionList kLogoutTime(kLogoutTimeItems);

constinit const ZnSNMPVarDef kConsoleMode[] = {
    {"1.3.6.1.4.1.99917.12.1.5.1", "Data Bits", ZnSyntax::Integer, ZnAccess::ReadWrite, &kDataBits},
    {"1.3.6.1.4.1.99917.12.1.5.2", "Stop Bits", ZnSyntax::Integer, ZnAccess::ReadWrite, &kStopBits},
    {"1.3.6.1.4.1.99917.12.1.5.3", "Parity", ZnSyntax::Integer, ZnAccess::ReadWrite, &kParity},
    {"1.3.6.1.4.1.99917.12.1.5.4", "Baud Rate", ZnSyntax::Integer, ZnAccess::ReadWrite, &kBaudRate},
    {"1.3.6.1.4.1.99917.12.1.5.5", "Logout Time", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kLogoutTime},
    {},
};

constinit const ZnCataloguePage kConsoleModePages[] = {
    {.kind = ZnPageKind::Editor, .table = kConsoleMode, .itemType = ZnItemType::SVT_SV},
};

// SMTP Information Table ----------------------------------------------------------------------

constexpr ZnOptionItem kSmtpTestStatusItems[] = {
    {1, "success"}, {2, "failed"}, {3, "in-processing"}, {0, nullptr}};
const ZnOptionList kSmtpTestStatus(kSmtpTestStatusItems);

constinit const ZnSNMPVarDef kSmtpInformation[] = {
    {"1.3.6.1.4.1.99917.12.29.2.1", "SMTP Send Test Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kSmtpTestStatus},
    {},
};

constinit const ZnCataloguePage kSmtpInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSmtpInformation, .itemType = ZnItemType::SVT_SV},
};

// SMTP Mail Receiver Table --------------------------------------------------------------------

constinit const ZnSNMPVarDef kSmtpMailReceiverTable[] = {
    {"1.3.6.1.4.1.99917.12.29.3.1.1.1", "SMTP Mail Receiver Address Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.2", "SMTP Mail Receiver Address", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.3", "SMTP Mail Receiver Address State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kSmtpMailReceiverTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSmtpMailReceiverTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 2,
     .addLabel = "createAndGo",
     .deleteVariable = 2,
     .deleteLabel = "destroy"},
};

// CPU ACL Control -----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kCpuAclControl[] = {
    {"1.3.6.1.4.1.99917.12.9.1.1", "CPU Interface Filter State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable1Disable2},
    {},
};

constinit const ZnCataloguePage kCpuAclControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kCpuAclControl, .itemType = ZnItemType::SVT_SV},
};

// CPU ACL Etherent Table ----------------------------------------------------------------------

constexpr ZnOptionItem kMacMaskStateItems[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
const ZnOptionList kMacMaskState(kMacMaskStateItems);

constinit const ZnSNMPVarDef kCpuAclEthernetTable[] = {
    {"1.3.6.1.4.1.99917.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kMacMaskState},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask",
     ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask",
     ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.6", "CPU ACL Ethernet Use 8021p", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.8", "CPU ACL Ethernet Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kCpuAclEtherRuleTable[] = {
    {"1.3.6.1.4.1.99917.12.9.5.1.1.1", "CPU ACL Ether Rule Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.2", "CPU ACL Ether Rule Access ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.3", "CPU ACL Ether Rule VLAN", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.4", "CPU ACL Ether Rule Source MAC Address",
     ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.5", "CPU ACL Ether Rule Destination MAC Address",
     ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.6", "CPU ACL Ether Rule 8021P", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.7", "CPU ACL Ether Rule Ether Type", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.8", "CPU ACL Ether Rule Permit", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPermit},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.9", "CPU ACL Ether Rule Ether Port", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.10", "CPU ACL Ether Rule Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kCpuAclEthernetPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL Ethernet Table",
     .table = kCpuAclEthernetTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 7,
     .addLabel = "createAndGo",
     .deleteVariable = 7,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL Ethernet Rule Table",
     .table = kCpuAclEtherRuleTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 9,
     .addLabel = "createAndGo",
     .deleteVariable = 9,
     .deleteLabel = "destroy"},
};

// CPU ACL IP Table ----------------------------------------------------------------------------

constexpr ZnOptionItem kIpMaskStateItems[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
const ZnOptionList kIpMaskState(kIpMaskStateItems);

constexpr ZnOptionItem kIpProtocolItems[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}};
const ZnOptionList kIpProtocol(kIpProtocolItems);

constexpr ZnOptionItem kIcmpOptionItems[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const ZnOptionList kIcmpOption(kIcmpOptionItems);

constexpr ZnOptionItem kL4PortMaskItems[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const ZnOptionList kL4PortMask(kL4PortMaskItems);

constinit const ZnSNMPVarDef kCpuAclIpTable[] = {
    {"1.3.6.1.4.1.99917.12.9.4.2.1.1", "CPU ACL IP Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.2", "CPU ACL IP Use VLAN", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.3", "CPU ACL IP IP Address Mask State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kIpMaskState},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.4", "CPU ACL IP Source IP Address Mask", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.5", "CPU ACL IP Destination IP Address Mask",
     ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.6", "CPU ACL IP Use DSCP", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.7", "CPU ACL IP Use Proto Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kIpProtocol},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.8", "CPU ACL IP ICMP Option", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kIcmpOption},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.9", "CPU ACL IP IGMP Option", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable1Disable2},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.10", "CPU ACL IP TCP Option", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kL4PortMask},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.11", "CPU ACL IP UDP Option", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kL4PortMask},
    // "Sourcr" is the device's own spelling.
    {"1.3.6.1.4.1.99917.12.9.4.2.1.12", "CPU ACL IP TCP or UDP Sourcr Port Mask",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.13", "CPU ACL IP TCP or UDP Destination Port Mask",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.14", "CPU ACL IP TCP Flag Bit", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable1Disable2},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.15", "CPU ACL IP TCP Flag Bit Mask", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.16", "CPU ACL IP Protocol ID Option", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable1Disable2},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.17", "CPU ACL IP Protocol ID Mask", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.18", "CPU ACL IP Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kCpuAclIpRuleTable[] = {
    {"1.3.6.1.4.1.99917.12.9.5.2.1.1", "CPU ACL IP Rule Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.2", "CPU ACL IP Rule Access ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.3", "CPU ACL IP Rule VLAN", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.4", "CPU ACL IP Rule Source IP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.5", "CPU ACL IP Rule Destination IP Address",
     ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.6", "CPU ACL IP Rule Dscp", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.7", "CPU ACL IP Rule Protocol", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kIpProtocol},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.8", "CPU ACL IP Rule Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.9", "CPU ACL IP Rule Code", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.10", "CPU ACL IP Rule Source Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.11", "CPU ACL IP Rule Destination Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.12", "CPU ACL IP Rule Flag Bits", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.13", "CPU ACL IP Rule Proto ID", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.14", "CPU ACL IP Rule User Mask", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.15", "CPU ACL IP Rule Permit", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPermit},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.16", "CPU ACL IP Rule Port", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.17", "CPU ACL IP Rule Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kCpuAclIpPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL IP Table",
     .table = kCpuAclIpTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 17,
     .addLabel = "createAndGo",
     .deleteVariable = 17,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL IP Rule Table",
     .table = kCpuAclIpRuleTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 16,
     .addLabel = "createAndGo",
     .deleteVariable = 16,
     .deleteLabel = "destroy"},
};

// CPU ACL Packet Control Table ----------------------------------------------------------------

constinit const ZnSNMPVarDef kCpuAclPacketMaskTable[] = {
    {"1.3.6.1.4.1.99917.12.9.4.3.1.1", "CPU ACL Packet Content Mask Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.2", "CPU ACL Packet Content Mask Offset 0 to 15",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.3", "CPU ACL Packet Content Mask Offset 16 to 31",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.4", "CPU ACL Packet Content Mask Offset 32 to 47",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.5", "CPU ACL Packet Content Mask Offset 48 to 63",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.6", "CPU ACL Packet Content Mask Offset 64 to 79",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    // "MaskRow" without a blank is the device's own caption.
    {"1.3.6.1.4.1.99917.12.9.4.3.1.7", "CPU ACL Packet Content MaskRow Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnSNMPVarDef kCpuAclPacketRuleTable[] = {
    {"1.3.6.1.4.1.99917.12.9.5.3.1.1", "CPU ACL Packet Content Rule Profile ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.2", "CPU ACL Packet Content Rule Access ID", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.3", "CPU ACL Packet Content Rule Offset 0 to 15",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.4", "CPU ACL Packet Content Rule Offset 16 to 31",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.5", "CPU ACL Packet Content Rule Offset 32 to 47",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.6", "CPU ACL Packet Content Rule Offset 48 to 63",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.7", "CPU ACL Packet Content Rule Offset 64 to 79",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.8", "CPU ACL Packet Content Rule Permit", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPermit},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.9", "CPU ACL Packet Content Rule Port", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.10", "CPU ACL Packet Content Rule Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kCpuAclPacketControlPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL Packet Control Mask Table",
     .table = kCpuAclPacketMaskTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 6,
     .addLabel = "createAndGo",
     .deleteVariable = 6,
     .deleteLabel = "destroy"},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "CPU ACL Packet Control Rule Table",
     .table = kCpuAclPacketRuleTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 9,
     .addLabel = "createAndGo",
     .deleteVariable = 9,
     .deleteLabel = "destroy"},
};

// IP MAC Binding Management -------------------------------------------------------------------

constexpr ZnOptionItem kAllPortStateItems[] = {
    {1, "other"}, {2, "enable"}, {3, "disable"}, {0, nullptr}};
const ZnOptionList kAllPortState(kAllPortStateItems);

constinit const ZnSNMPVarDef kIpMacBindingManagement[] = {
    {"1.3.6.1.4.1.99917.12.23.3.1", "All Port State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kAllPortState},
    {"1.3.6.1.4.1.99917.12.23.1.1", "IP MAC Binding Trap Log State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable2Disable3},
    {},
};

constinit const ZnCataloguePage kIpMacBindingManagementPages[] = {
    {.kind = ZnPageKind::Editor, .table = kIpMacBindingManagement, .itemType = ZnItemType::SVT_SV},
};

// IP MAC Binding Port Management --------------------------------------------------------------

constinit const ZnSNMPVarDef kIpMacBindingPortTable[] = {
    {"1.3.6.1.4.1.99917.12.23.3.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.3.2.1.2", "Port State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kEnable2Disable3},
    {"1.3.6.1.4.1.99917.12.23.3.2.1.3", "Port Zero IP State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kIpMacBindingPortTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIpMacBindingPortTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// IP MAC Binding Table ------------------------------------------------------------------------

constinit const ZnSNMPVarDef kIpMacBindingTable[] = {
    {"1.3.6.1.4.1.99917.12.23.4.1.1.1", "IP Index", ZnSyntax::IpAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.2", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kCreateDestroyRowStatus},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.4", "Ports", ZnSyntax::BitString, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kIpMacBindingTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIpMacBindingTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 2,
     .addLabel = "createAndGo",
     .deleteVariable = 2,
     .deleteLabel = "destroy"},
};

// IP MAC Binding Blocked Table ----------------------------------------------------------------

constexpr ZnOptionItem kBlockedTypeItems[] = {
    {1, "other"}, {2, "blockByAddrBind"}, {3, "delete"}, {0, nullptr}};
const ZnOptionList kBlockedType(kBlockedTypeItems);

constinit const ZnSNMPVarDef kIpMacBindingBlockedTable[] = {
    {"1.3.6.1.4.1.99917.12.23.4.2.1.1", "Blocked VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.2", "Blocked MAC", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.3", "Blocked VLAN Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4", "Blocked Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.5", "Blocked Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kBlockedType},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.6", "Blocked Time", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kIpMacBindingBlockedTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIpMacBindingBlockedTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2},
};

// System Log State Control --------------------------------------------------------------------

constinit const ZnSNMPVarDef kSyslogControl[] = {
    {"1.3.6.1.4.1.99917.12.12.1", "System Log Control State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kSyslogControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSyslogControl, .itemType = ZnItemType::SVT_SV},
};

// System Log Entry ----------------------------------------------------------------------------

constexpr ZnOptionItem kSyslogFacilityItems[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                                 {3, "local3"}, {4, "local4"}, {5, "local5"},
                                                 {6, "local6"}, {7, "local7"}, {0, nullptr}};
const ZnOptionList kSyslogFacility(kSyslogFacilityItems);

constexpr ZnOptionItem kSyslogSeverityItems[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};
const ZnOptionList kSyslogSeverity(kSyslogSeverityItems);

constexpr ZnOptionItem kSyslogServerStateItems[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kSyslogServerState(kSyslogServerStateItems);

constinit const ZnSNMPVarDef kSyslogEntry[] = {
    {"1.3.6.1.4.1.99917.12.12.2.1.1", "System Log Server Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.12.2.1.2", "System Log Server IP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.12.2.1.3", "System Log Server Facility", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSyslogFacility},
    {"1.3.6.1.4.1.99917.12.12.2.1.4", "System Log Server Severity", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSyslogSeverity},
    {"1.3.6.1.4.1.99917.12.12.2.1.5", "System Log Server UDP Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.12.2.1.6", "System Log Server State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSyslogServerState},
    {"1.3.6.1.4.1.99917.12.12.2.1.7", "System Log Server Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kSyslogEntryPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSyslogEntry,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 6,
     .addLabel = "createAndGo",
     .deleteVariable = 6,
     .deleteLabel = "destroy"},
};

// Aggregator Port List ------------------------------------------------------------------------

constinit const ZnSNMPVarDef kAggregatorPortList[] = {
    // The aggregator table's index column: the port list table has the same index and no column
    // of its own for it.
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.1", "Aggregator Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.4.1.1.2.1.1", "Dot3 Aggregator Port List Ports", ZnSyntax::BitString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kAggregatorPortListPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAggregatorPortList,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

constinit const Tuning kAggregatorPortListTuning[] = {
    {.kind = Tuning::Kind::WidenAfterBuild, .number = 50},
    {.kind = Tuning::Kind::FormHeight, .number = 450},
};

// Aggregator Table ----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kAggregatorTable[] = {
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.1", "Dot3 Aggregator Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.2", "Dot3 Aggregator MAC Address", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.3", "Dot3 Aggregator Actor System Priority", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.4", "Dot3 Aggregator Actor System ID", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.5", "Dot3 Aggregator Aggregate Or Individual",
     ZnSyntax::Integer, ZnAccess::ReadOnly, &TruthValue},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.6", "Dot3 Aggregator Actor Admin Key", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.7", "Dot3 Aggregator Actor Operative Key", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    // The misplaced blank is the device's own caption.
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.8", "Dot3 Aggregator Partne rSystem ID", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.9", "Dot3 Aggregator Partner System Priority",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.10", "Dot3 Aggregator Partner Operative Key",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.1.1.1.11", "Dot3 Aggregator Collector Max Delay", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kAggregatorTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAggregatorTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Aggregation Port Table ----------------------------------------------------------------------

constinit const ZnSNMPVarDef kAggregationPortTable[] = {
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.1", "Dot3 Aggregator Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.2", "Dot3 Aggregator Port Actor System Priority",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.3", "Dot3 Aggregator Port Actor System ID",
     ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.4", "Dot3 Aggregator Port Actor Admin Key", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.5", "Dot3 Aggregator Port Actor Operative Key",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.6", "Dot3 Aggregator Port Partner Admin System Priority",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.7", "Dot3 Aggregator Port Partner Operative System Priority",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.8", "Dot3 Aggregator Port Partner Admin System ID",
     ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.9", "Dot3 Aggregator Port Partner Operative System ID",
     ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.10", "Dot3 Aggregator Port Partner Admin Key",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.11", "Dot3 Aggregator Port Partner Operative Key",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.12", "Dot3 Aggregator Port Selected Aggregator ID",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.13", "Dot3 Aggregator Port Attached Aggregator ID",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.14", "Dot3 Aggregator Port Actor Port", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.15", "Dot3 Aggregator Port Actor Port Priority",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.16", "Dot3 Aggregator Port Partner Admin Port",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.17", "Dot3 Aggregator Port Partner Operative Port",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.18", "Dot3 Aggregator Port Partner Admin Port Priority",
     ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.19", "Dot3 Aggregator Port Partner Operative Port Priority",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.20", "Dot3 Aggregator Port Actor Admin State",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.21", "Dot3 Aggregator Port Actor Operative State",
     ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.22", "Dot3 Aggregator Port Partner Admin State",
     ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.23", "Dot3 Aggregator Port Partner Operative State",
     ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.4.1.2.1.1.24", "Dot3 Aggregator Port Aggregate Or Individual",
     ZnSyntax::Integer, ZnAccess::ReadOnly, &TruthValue},
    {},
};

constinit const ZnCataloguePage kAggregationPortTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAggregationPortTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Cable Diagnostics Information ---------------------------------------------------------------

constexpr ZnOptionItem kPortTypeItems[] = {
    {0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {0, nullptr}};
const ZnOptionList kPortType(kPortTypeItems);

constexpr ZnOptionItem kLinkStatusItems[] = {
    {0, "link-down"}, {1, "link-up"}, {2, "other"}, {0, nullptr}};
const ZnOptionList kLinkStatus(kLinkStatusItems);

constexpr ZnOptionItem kPairStatusItems[] = {
    {0, "ok"},      {1, "open"},  {2, "short"},    {3, "open-short"}, {4, "crosstalk"},
    {5, "unknown"}, {6, "count"}, {7, "no-cable"}, {8, "other"},      {0, nullptr}};
const ZnOptionList kPairStatus(kPairStatusItems);

constexpr ZnOptionItem kDiagActionItems[] = {
    {1, "action"}, {2, "processing"}, {3, "other"}, {0, nullptr}};
const ZnOptionList kDiagAction(kDiagActionItems);

constinit const ZnSNMPVarDef kCableDiagnostics[] = {
    {"1.3.6.1.4.1.99917.12.58.1.1.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.2", "Port Type", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPortType},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.3", "Link Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kLinkStatus},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.4", "Pair1 Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPairStatus},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.5", "Pair2 Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPairStatus},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.6", "Pair3 Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPairStatus},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.7", "Pair4 Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPairStatus},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.8", "Pair1 Length", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.9", "Pair2 Length", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.10", "Pair3 Length", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.11", "Pair4 Length", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.58.1.1.1.12", "Diag Action", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kDiagAction},
    {},
};

constinit const ZnCataloguePage kCableDiagnosticsPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCableDiagnostics,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

constinit const Tuning kCableDiagnosticsTuning[] = {
    {.kind = Tuning::Kind::FormHeight, .number = 450},
};

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    {.componentName = "BasicInfo1",
     .title = "Basic Information",
     .pages = kBasicInformationPages,
     .tuning = kBasicInformationTuning},
    {.componentName = "MIBCapabilities1",
     .title = "MIB Capabilities",
     .pages = kMibCapabilitiesPages,
     .tuning = kMibCapabilitiesTuning},
    {.componentName = "CPUUtilization1", .title = "CPU Utilization", .pages = kCpuUtilizationPages},
    {.componentName = "PortUtilization1",
     .title = "Port Utilization",
     .pages = kPortUtilizationPages,
     .tuning = kPortUtilizationTuning},
    {.componentName = "IPConfig1",
     .title = "IP Configuration",
     .pages = kIpConfigurationPages,
     .tuning = kIpConfigurationTuning},
    {.componentName = "FDBClearAllState1",
     .title = "FDB Clear All State",
     .pages = kFdbClearAllStatePages},
    {.componentName = "ARPClearAllState1",
     .title = "ARP Clear All State",
     .pages = kArpClearAllStatePages},
    {.componentName = "TrustHostDelAllState1",
     .title = "Trust Host Delete All State",
     .pages = kTrustHostDeleteAllStatePages},
    {.componentName = "SystemTime1",
     .captionPrefix = "System Time : ",
     .pagesMode = true,
     .pages = kSystemTimePages,
     .tuning = kSystemTimeTuning},
    {.componentName = "SNTP1",
     .captionPrefix = "SNTP : ",
     .pages = kSntpPages,
     .tuning = kSntpTuning},
    {.componentName = "SingleIPInformation1",
     .title = "Single IP Information",
     .pages = kSingleIpInformationPages},
    {.componentName = "SingleIPControl1",
     .title = "Single IP Control",
     .pages = kSingleIpControlPages},
    {.componentName = "SingleIPMSTable1",
     .title = "Single IP MS Table",
     .pages = kSingleIpMsTablePages},
    {.componentName = "SingleIPCasTable1",
     .title = "Single IP Cas Table",
     .pages = kSingleIpCasTablePages},
    {.componentName = "SingleIPGroupTable1",
     .title = "Single IP Group Table",
     .pages = kSingleIpGroupTablePages},
    {.componentName = "SingleIPNeighborTable1",
     .title = "Single IP Neighbor Table",
     .pages = kSingleIpNeighborTablePages},
    {.componentName = "DeviceControl1",
     .title = "Device Control",
     .pages = kDeviceControlPages,
     .tuning = kDeviceControlTuning},
    {.componentName = "BasicConfigure1",
     .title = "Upload/Download File Configuration",
     .pages = kFileConfigurationPages},
    {.componentName = "ConsoleMode1", .title = "Console Mode Control", .pages = kConsoleModePages},
    {.componentName = "SMTPInformation1",
     .title = "SMTP Information Table",
     .pages = kSmtpInformationPages},
    {.componentName = "SMTPMailReceiverTable1",
     .title = "SMTP Mail Receiver Table",
     .pages = kSmtpMailReceiverTablePages},
    {.componentName = "ACLControl1", .title = "CPU ACL Control", .pages = kCpuAclControlPages},
    {.componentName = "CPUEtherTable1",
     // "Etherent" is the device's own spelling.
     .captionPrefix = "CPU ACL Etherent Table : ",
     .pagesMode = true,
     .pages = kCpuAclEthernetPages},
    {.componentName = "CPUIPTabe1",
     .captionPrefix = "CPU ACL IP Table : ",
     .pagesMode = true,
     .pages = kCpuAclIpPages},
    {.componentName = "CPUPacketControlTable1",
     .captionPrefix = "CPU ACL Packet Control Table : ",
     .pagesMode = true,
     .pages = kCpuAclPacketControlPages},
    {.componentName = "IPMACBindingPortManagent1",
     .title = "IP MAC Binding Management",
     .pages = kIpMacBindingManagementPages},
    {.componentName = "IPMACBindingPortTable1",
     .title = "IP MAC Binding Port Management",
     .pages = kIpMacBindingPortTablePages},
    {.componentName = "IPMACBindingTable1",
     .title = "IP MAC Binding Table",
     .pages = kIpMacBindingTablePages},
    {.componentName = "IPMACBindingBlockedTable1",
     .title = "IP MAC Binding Blocked Table",
     .pages = kIpMacBindingBlockedTablePages},
    {.componentName = "SyslogControl1",
     .title = "System Log State Control",
     .pages = kSyslogControlPages},
    {.componentName = "SyslogEntry1", .title = "System Log Entry", .pages = kSyslogEntryPages},
    {.componentName = "PortList1",
     .captionPrefix = "Aggregator Port List : ",
     .pages = kAggregatorPortListPages,
     .tuning = kAggregatorPortListTuning},
    {.componentName = "AggregatorTable1",
     .captionPrefix = "Aggregator Table : ",
     .pages = kAggregatorTablePages},
    {.componentName = "AggregationPortTable1",
     .captionPrefix = "Aggregation Port Table : ",
     .pages = kAggregationPortTablePages},
    {.componentName = "CableDiagnosticsInformation1",
     .title = "Cable Diagnostics Information",
     .pages = kCableDiagnosticsPages,
     .tuning = kCableDiagnosticsTuning},
};

}  // namespace

std::span<const ZnCatalogueEntry> Configuration() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
