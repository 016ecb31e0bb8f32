// The generic dialogs of the "Configuration" menu.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

using Tuning = ZnCatalogueTuning;

// MIB Capabilities ---------------------------------------------------------------------------

constexpr ZnOptionItem kMibTypeItems[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr},
};
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

// IP Configuration ---------------------------------------------------------------------------

// In option order: OnIpSourceChange hides the address rows for every index but 0 ("Manual").
constexpr ZnOptionItem kIpSourceItems[] = {
    {2, "Manual"},
    {3, "BOOTP"},
    {4, "DHCP"},
    {0, nullptr},
};
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

// System Time --------------------------------------------------------------------------------

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

// SNTP ---------------------------------------------------------------------------------------

constexpr ZnOptionItem kSntpStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kSntpState(kSntpStateItems);

constexpr ZnOptionItem kSntpTimeSourceItems[] = {
    {0, "system"},
    {1, "server1"},
    {2, "server2"},
    {0, nullptr},
};
const ZnOptionList kSntpTimeSource(kSntpTimeSourceItems);

constinit const ZnSNMPVarDef kSntp[] = {
    {"1.3.6.1.4.1.99917.12.10.11.1", "SNTP State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kSntpState},
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

// Single IP MS Table -------------------------------------------------------------------------

// Only the states a member switch row takes; Add and Delete use the last two.
constexpr ZnOptionItem kSingleIpMsRowStatusItems[] = {
    {1, "active"},
    {4, "createAndGo"},
    {6, "destroy"},
    {0, nullptr},
};
const ZnOptionList kSingleIpMsRowStatus(kSingleIpMsRowStatusItems);

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
     ZnAccess::ReadWrite, &kSingleIpMsRowStatus},
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

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    {.componentName = "MIBCapabilities1",
     .title = "MIB Capabilities",
     .pages = kMibCapabilitiesPages,
     .tuning = kMibCapabilitiesTuning},
    {.componentName = "IPConfig1",
     .title = "IP Configuration",
     .pages = kIpConfigurationPages,
     .tuning = kIpConfigurationTuning},
    {.componentName = "SystemTime1",
     .captionPrefix = "System Time : ",
     .pagesMode = true,
     .pages = kSystemTimePages,
     .tuning = kSystemTimeTuning},
    {.componentName = "SNTP1",
     .captionPrefix = "SNTP : ",
     .pages = kSntpPages,
     .tuning = kSntpTuning},
    {.componentName = "SingleIPMSTable1",
     .title = "Single IP MS Table",
     .pages = kSingleIpMsTablePages},
};

}  // namespace

std::span<const ZnCatalogueEntry> Configuration() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
