// The generic dialogs of the "Advanced Configuration" menu.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

using Tuning = ZnCatalogueTuning;

// Label sets of several dialogs ---------------------------------------------------------------

// Named by their values where the same labels come with different values on different objects.

constexpr ZnOptionItem kDisabled1Enabled2Items[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const ZnOptionList kDisabled1Enabled2(kDisabled1Enabled2Items);

constexpr ZnOptionItem kDisable2Enable3Items[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const ZnOptionList kDisable2Enable3(kDisable2Enable3Items);

constexpr ZnOptionItem kRelayOrDropItems[] = {{1, "relay"}, {2, "drop"}, {0, nullptr}};
const ZnOptionList kRelayOrDrop(kRelayOrDropItems);

// QoS Mechanism Control -----------------------------------------------------------------------

constexpr ZnOptionItem kQosMechanismItems[] = {
    {1, "strict"}, {2, "weightfair"}, {3, "none"}, {0, nullptr}};
const ZnOptionList kQosMechanism(kQosMechanismItems);

constinit const ZnSNMPVarDef kQosMechanismControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.3.5", "Mechanism Control", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kQosMechanism},
    {},
};

constinit const ZnCataloguePage kQosMechanismControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kQosMechanismControl, .itemType = ZnItemType::SVT_SV},
};

// QoS Bandwidth Control -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kQosBandwidthControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.2", "RX Rate", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.3", "TX Rate", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.4", "RADIUS RX Rate", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.5", "RADIUS TX Rate", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kQosBandwidthControlPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kQosBandwidthControl,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// QoS Scheduling Entry ------------------------------------------------------------------------

constinit const ZnSNMPVarDef kQosScheduling[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.3.2.1.1", "Class Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    // Columns 2 and 3 of the table are not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.3.2.1.4", "Max Weight", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kQosSchedulingPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kQosScheduling,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// QoS 8021p User Priority Entry ---------------------------------------------------------------

constinit const ZnSNMPVarDef kQosUserPriority[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.3.3.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.3.1.2", "Class", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kQosUserPriorityPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kQosUserPriority,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// QoS 8021p Default Priority Entry ------------------------------------------------------------

constinit const ZnSNMPVarDef kQosDefaultPriority[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.3.4.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.4.1.2", "Priority", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.3.4.1.3", "RADIUS Priority", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kQosDefaultPriorityPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kQosDefaultPriority,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Trunk Information ---------------------------------------------------------------------------

constexpr ZnOptionItem kTrunkAlgorithmItems[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {0, nullptr}};
const ZnOptionList kTrunkAlgorithm(kTrunkAlgorithmItems);

constinit const ZnSNMPVarDef kTrunkInformation[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.4.1", "Max Entries", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.2", "Max Port Members", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.4", "Algorithm", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kTrunkAlgorithm},
    {},
};

constinit const ZnCataloguePage kTrunkInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kTrunkInformation, .itemType = ZnItemType::SVT_SV},
};

// Port Trunk Table ----------------------------------------------------------------------------

constexpr ZnOptionItem kTrunkTypeItems[] = {{1, "static"}, {2, "lacp"}, {0, nullptr}};
const ZnOptionList kTrunkType(kTrunkTypeItems);

// The only states a trunk group takes; Add and Delete use the last two.
constexpr ZnOptionItem kTrunkStateItems[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const ZnOptionList kTrunkState(kTrunkStateItems);

constinit const ZnSNMPVarDef kPortTrunkTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.2", "Master Port", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.3", "Port List", ZnSyntax::BitString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.4", "Type", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kTrunkType},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.5", "Active Port", ZnSyntax::BitString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.6", "State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kTrunkState},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.7", "Flooding Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kPortTrunkTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortTrunkTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1,
     .addVariable = 5,
     .addLabel = "createAndGo",
     .deleteVariable = 5,
     .deleteLabel = "destroy"},
};

// LACP Port Entry -----------------------------------------------------------------------------

constexpr ZnOptionItem kLacpPortStateItems[] = {{1, "active"}, {2, "passive"}, {0, nullptr}};
const ZnOptionList kLacpPortState(kLacpPortStateItems);

constinit const ZnSNMPVarDef kLacpPortEntry[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.4.5.1.1", "Trunk LACP Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.5.1.2", "Trunk LACP Port State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kLacpPortState},
    {},
};

constinit const ZnCataloguePage kLacpPortEntryPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kLacpPortEntry,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Trunk VLAN Table ----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kTrunkVlanTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.4.6.1.1", "Trunk VLAN Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.6.1.2", "Trunk VLAN State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kTrunkVlanTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kTrunkVlanTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Mirror Management ---------------------------------------------------------------------------

constinit const ZnSNMPVarDef kMirrorManagement[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.6.2", "Port Mirror RX Port List", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.3", "Port Mirror TX Port List", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.4", "Port Mirror Target Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.5", "Port Mirror State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kMirrorManagementPages[] = {
    {.kind = ZnPageKind::Editor, .table = kMirrorManagement, .itemType = ZnItemType::SVT_SV},
};

// Port Information Table ----------------------------------------------------------------------

constexpr ZnOptionItem kPortLinkStatusItems[] = {{2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const ZnOptionList kPortLinkStatus(kPortLinkStatusItems);

constexpr ZnOptionItem kPortNwayStatusItems[] = {
    {1, "auto"},
    {2, "full-10Mbps-8023x"},
    {3, "full-10Mbps-none"},
    {4, "half-10Mbps-backp"},
    {5, "half-10Mbps-none"},
    {6, "full-100Mbps-8023x"},
    {7, "full-100Mbps-none"},
    {8, "half-100Mbps-backp"},
    {9, "half-100Mbps-none"},
    {10, "full-1Gigabps-8023x"},
    {11, "full-1Gigabps-none"},
    {12, "half-1Gigabps-backp"},
    {13, "half-1Gigabps-none"},
    {0, nullptr},
};
const ZnOptionList kPortNwayStatus(kPortNwayStatusItems);

constinit const ZnSNMPVarDef kPortInformationTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.1.1.1", "PortIndex", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    // Columns 2 and 3 of the table are not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.2.1.1.4", "Link Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPortLinkStatus},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.1.1.5", "Nway Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPortNwayStatus},
    {},
};

constinit const ZnCataloguePage kPortInformationTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortInformationTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Port Control Table --------------------------------------------------------------------------

// The gap at 6 is deliberate: 1 Gbit/s at half duplex is not a setting the ports offer.
constexpr ZnOptionItem kPortNwayStateItems[] = {
    {1, "nway-auto"},
    {2, "nway-disabled-10Mbps-Half"},
    {3, "nway-disabled-10Mbps-Full"},
    {4, "nway-disabled-100Mbps-Half"},
    {5, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Full"},
    {0, nullptr},
};
const ZnOptionList kPortNwayState(kPortNwayStateItems);

constexpr ZnOptionItem kPortMdixItems[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {0, nullptr}};
const ZnOptionList kPortMdix(kPortMdixItems);

constinit const ZnSNMPVarDef kPortControlTable[] = {
    // Readable, unlike most index columns: the front panel's per-port dialog reads this table as
    // one row of a port and shows the port number from this column.
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3", "Nway State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPortNwayState},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", "Flow Control State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    // Columns 6, 8 and 9 of the table are not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7", "MAC Notify State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10", "MDIX State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPortMdix},
    {},
};

constinit const ZnCataloguePage kPortControlPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortControlTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Traffic Segment -----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kTrafficSegment[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.12.1.1.1", "Traffic Segment Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.12.1.1.2", "Traffic Segment Forward Ports", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kTrafficSegmentPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kTrafficSegment,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Port Error Table ----------------------------------------------------------------------------

constexpr ZnOptionItem kPortErrorStatusItems[] = {{1, "other"}, {2, "err-disabled"}, {0, nullptr}};
const ZnOptionList kPortErrorStatus(kPortErrorStatusItems);

constexpr ZnOptionItem kPortErrorReasonItems[] = {
    {1, "stp-lbd"}, {2, "storm-control"}, {0, nullptr}};
const ZnOptionList kPortErrorReason(kPortErrorReasonItems);

constinit const ZnSNMPVarDef kPortErrorTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.1", "Port Error Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.2", "Port Error Port State", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kDisabled1Enabled2},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.3", "Port Error Port Status", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kPortErrorStatus},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.4", "Port Error Port Reason", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kPortErrorReason},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.5", "Port Error Description", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kPortErrorTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortErrorTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Port Security Management --------------------------------------------------------------------

constexpr ZnOptionItem kPortSecurityModeItems[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
const ZnOptionList kPortSecurityMode(kPortSecurityModeItems);

constexpr ZnOptionItem kEnable2Disable3Items[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const ZnOptionList kEnable2Disable3(kEnable2Disable3Items);

constinit const ZnSNMPVarDef kPortSecurityManagement[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.1", "Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    // "Lern" is the device's own spelling.
    {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.2", "Max Lern Address", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.3", "Security Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPortSecurityMode},
    {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.4", "Security Admin State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kEnable2Disable3},
    {},
};

constinit const ZnCataloguePage kPortSecurityManagementPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortSecurityManagement,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Packet Storm Control ------------------------------------------------------------------------

constexpr ZnOptionItem kStormTrapItems[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {0, nullptr}};
const ZnOptionList kStormTrap(kStormTrapItems);

constinit const ZnSNMPVarDef kPacketStormControl[] = {
    {"1.3.6.1.4.1.99917.12.25.1.2", "Trap Control", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStormTrap},
    {},
};

constinit const ZnCataloguePage kPacketStormControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kPacketStormControl, .itemType = ZnItemType::SVT_SV},
};

// Packet Storm Control Table ------------------------------------------------------------------

constexpr ZnOptionItem kStormActionItems[] = {{1, "shutdown"}, {2, "drop"}, {0, nullptr}};
const ZnOptionList kStormAction(kStormActionItems);

constexpr ZnOptionItem kYesNoItems[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
const ZnOptionList kYesNo(kYesNoItems);

constinit const ZnSNMPVarDef kPacketStormTable[] = {
    {"1.3.6.1.4.1.99917.12.25.3.1.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.2", "Threshold", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.3", "Broadcast Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kDisabled1Enabled2},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.4", "Multicast Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kDisabled1Enabled2},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.5", "Unicast Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kDisabled1Enabled2},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.6", "Action Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStormAction},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.7", "Count Down", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.8", "Time Interval", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.25.3.1.1.9", "Shutdown Forever", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kYesNo},
    {},
};

constinit const ZnCataloguePage kPacketStormTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPacketStormTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// Loop Detection Control ----------------------------------------------------------------------

constinit const ZnSNMPVarDef kLoopDetectionControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.1", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.2", "Interval", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.3", "Recover Time", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kLoopDetectionControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kLoopDetectionControl, .itemType = ZnItemType::SVT_SV},
};

// Loop Detection Port Management --------------------------------------------------------------

constexpr ZnOptionItem kLoopStatusItems[] = {
    {1, "normal"}, {2, "loop"}, {3, "error"}, {0, nullptr}};
const ZnOptionList kLoopStatus(kLoopStatusItems);

constinit const ZnSNMPVarDef kLoopDetectionPorts[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.1", "Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.2", "Port State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Enabled1Disabled2},
    // Column 3 of the table is not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.4", "Port Loop Status", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kLoopStatus},
    {},
};

constinit const ZnCataloguePage kLoopDetectionPortsPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kLoopDetectionPorts,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// IGMP Information ----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kIgmpInformation[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.1", "Max Supported VLANs", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.2", "Max IP Group Num Per VLAN", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kIgmpInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kIgmpInformation, .itemType = ZnItemType::SVT_SV},
};

// IGMP Control Table --------------------------------------------------------------------------

constexpr ZnOptionItem kIgmpQueryStateItems[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kIgmpQueryState(kIgmpQueryStateItems);

constexpr ZnOptionItem kIgmpQuerierItems[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const ZnOptionList kIgmpQuerier(kIgmpQuerierItems);

constexpr ZnOptionItem kOtherDisableEnableItems[] = {
    {1, "other"}, {2, "disable"}, {3, "enable"}, {0, nullptr}};
const ZnOptionList kOtherDisableEnable(kOtherDisableEnableItems);

constinit const ZnSNMPVarDef kIgmpControlTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.1", "VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.2", "Query Interval", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.3", "Query Max Response Time", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.4", "Robustness", ZnSyntax::Integer, ZnAccess::ReadWrite},
    // The device titles this column "Query Interval" too.
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.5", "Query Interval", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.6", "Host Timeout", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.7", "Route Timeout", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.8", "Leave Timer", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.9", "Query State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kIgmpQueryState},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.10", "Current State", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kIgmpQuerier},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.11", "Ctrl State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kOtherDisableEnable},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.12", "Fast Leave", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kOtherDisableEnable},
    {},
};

constinit const ZnCataloguePage kIgmpControlTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIgmpControlTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// IGMP Query Information ----------------------------------------------------------------------

constinit const ZnSNMPVarDef kIgmpQueryInformation[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.1", "VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.2", "Query Count", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.3", "TX Query Count", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kIgmpQueryInformationPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIgmpQueryInformation,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// IGMP Table ----------------------------------------------------------------------------------

constinit const ZnSNMPVarDef kIgmpTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.1", "VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.2", "IP Address", ZnSyntax::IpAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3", "MAC Address", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4", "Port Map", ZnSyntax::BitString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5", "IP Group Report Count", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kIgmpTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIgmpTable,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 2},
};

// IGMP Access Authentication Table ------------------------------------------------------------

constinit const ZnSNMPVarDef kIgmpAccessAuthentication[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.7.1.1", "IGMP Access Authentication Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.7.1.2", "IGMP Access Authentication State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kDisable2Enable3},
    {},
};

constinit const ZnCataloguePage kIgmpAccessAuthenticationPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kIgmpAccessAuthentication,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// CoS Priority Table --------------------------------------------------------------------------

constexpr ZnOptionItem kCosEtherPriorityItems[] = {
    {1, "disable"}, {2, "ether8021p"}, {3, "macBase"}, {0, nullptr}};
const ZnOptionList kCosEtherPriority(kCosEtherPriorityItems);

constexpr ZnOptionItem kCosIpPriorityItems[] = {
    {1, "disable"}, {2, "tos"}, {3, "dscp"}, {0, nullptr}};
const ZnOptionList kCosIpPriority(kCosIpPriorityItems);

constexpr ZnOptionItem kValidItems[] = {{1, "valid"}, {2, "invalid"}, {0, nullptr}};
const ZnOptionList kValid(kValidItems);

constinit const ZnSNMPVarDef kCosPriorityTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.1", "CoS Priority Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.2", "CoS Priority Port PRI", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kDisable2Enable3},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.3", "CoS Priority Ether PRI", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kCosEtherPriority},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.4", "CoS Priority IP PRI", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kCosIpPriority},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.5", "CoS Priority None", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kValid},
    {},
};

constinit const ZnCataloguePage kCosPriorityTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCosPriorityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// CoS Port PRI Table --------------------------------------------------------------------------

constinit const ZnSNMPVarDef kCosPortPriorityTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1.1", "CoS Port PRI Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1.2", "CoS Port PRI Class", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kCosPortPriorityTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCosPortPriorityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// CoS MAC_Based PRI Table ---------------------------------------------------------------------

constinit const ZnSNMPVarDef kCosMacPriorityTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.1", "CoS MAC_Based PRI Index", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.2", "CoS MAC_Based PRI Class", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kCosMacPriorityTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCosMacPriorityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// CoS ToS PRI Table ---------------------------------------------------------------------------

constinit const ZnSNMPVarDef kCosTosPriorityTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1.1", "CoS ToS PRI Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1.2", "CoS ToS PRI Class", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kCosTosPriorityTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCosTosPriorityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// CoS DSCP PRI Table --------------------------------------------------------------------------

constinit const ZnSNMPVarDef kCosDscpPriorityTable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1.1", "CoS DSCP PRI Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1.2", "CoS DSCP PRI Class", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kCosDscpPriorityTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kCosDscpPriorityTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// DHCP Relay Configuration --------------------------------------------------------------------

constinit const ZnSNMPVarDef kDhcpRelayConfiguration[] = {
    {"1.3.6.1.4.1.99917.12.42.1.1", "DHCP Relay State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.42.1.2", "DHCP Relay Hop Count", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.42.1.3", "DHCP Relay Time Threshold", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kDhcpRelayConfigurationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kDhcpRelayConfiguration, .itemType = ZnItemType::SVT_SV},
};

// DHCP Relay Option 82 ------------------------------------------------------------------------

constexpr ZnOptionItem kOption82PolicyItems[] = {
    {1, "replace"}, {2, "drop"}, {3, "keep"}, {0, nullptr}};
const ZnOptionList kOption82Policy(kOption82PolicyItems);

constinit const ZnSNMPVarDef kDhcpRelayOption82[] = {
    {"1.3.6.1.4.1.99917.12.42.3.2.1", "DHCP Relay Option 82 State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.42.3.2.2", "DHCP Relay Option 82 Check State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.42.3.2.3", "DHCP Relay Option 82 Policy", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kOption82Policy},
    {},
};

constinit const ZnCataloguePage kDhcpRelayOption82Pages[] = {
    {.kind = ZnPageKind::Editor, .table = kDhcpRelayOption82, .itemType = ZnItemType::SVT_SV},
};

// DHCP Relay Option 60 ------------------------------------------------------------------------

constinit const ZnSNMPVarDef kDhcpRelayOption60[] = {
    {"1.3.6.1.4.1.99917.12.42.3.3.1", "DHCP Relay Option 60 State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.42.3.3.2", "DHCP Relay Option 60 Default Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kRelayOrDrop},
    {},
};

constinit const ZnCataloguePage kDhcpRelayOption60Pages[] = {
    {.kind = ZnPageKind::Editor, .table = kDhcpRelayOption60, .itemType = ZnItemType::SVT_SV},
};

// DHCP Relay Option 60 Default Table ----------------------------------------------------------

constinit const ZnSNMPVarDef kOption60DefaultTable[] = {
    {"1.3.6.1.4.1.99917.12.42.3.3.3.1.1", "DHCP Relay Option 60 Default Reply IP",
     ZnSyntax::IpAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.3.3.1.2", "DHCP Relay Option 60 Default Row Status",
     ZnSyntax::Integer, ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kOption60DefaultTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kOption60DefaultTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1,
     .addVariable = 1,
     .addLabel = "createAndGo",
     .deleteVariable = 1,
     .deleteLabel = "destroy"},
};

constinit const Tuning kHideEditTuning[] = {
    {.kind = Tuning::Kind::HideEditButton},
};

// DHCP Relay Option 60 Table ------------------------------------------------------------------

constexpr ZnOptionItem kOption60MatchItems[] = {{1, "exact"}, {2, "partial"}, {0, nullptr}};
const ZnOptionList kOption60Match(kOption60MatchItems);

constinit const ZnSNMPVarDef kOption60Table[] = {
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.1", "DHCP Relay Option 60 String", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.2", "DHCP Relay Option 60 Reply IP", ZnSyntax::IpAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.3", "DHCP Relay Option 60 Match Type", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kOption60Match},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.4", "DHCP Relay Option 60 Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kOption60TablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kOption60Table,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 3,
     .addLabel = "createAndGo",
     .deleteVariable = 3,
     .deleteLabel = "destroy"},
};

// DHCP Relay Option 61 ------------------------------------------------------------------------

constinit const ZnSNMPVarDef kDhcpRelayOption61[] = {
    {"1.3.6.1.4.1.99917.12.42.3.4.1", "DHCP Relay Option 61 State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {"1.3.6.1.4.1.99917.12.42.3.4.2", "DHCP Relay Option 61 Default Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kRelayOrDrop},
    {"1.3.6.1.4.1.99917.12.42.3.4.3", "DHCP Relay Option 61 Default Reply IP", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kDhcpRelayOption61Pages[] = {
    {.kind = ZnPageKind::Editor, .table = kDhcpRelayOption61, .itemType = ZnItemType::SVT_SV},
};

// DHCP Relay Option 61 Table ------------------------------------------------------------------

constexpr ZnOptionItem kOption61ClientTypeItems[] = {{1, "mac"}, {2, "string"}, {0, nullptr}};
const ZnOptionList kOption61ClientType(kOption61ClientTypeItems);

constinit const ZnSNMPVarDef kOption61Table[] = {
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.1", "DHCP Relay Option 61 Client Type", ZnSyntax::Integer,
     ZnAccess::NotAccessible, &kOption61ClientType},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.2", "DHCP Relay Option 61 Client ID", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.3", "DHCP Relay Option 61 Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kRelayOrDrop},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.4", "DHCP Relay Option 61 Reply IP", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.5", "DHCP Relay Option 61 Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &RowStatus},
    {},
};

constinit const ZnCataloguePage kOption61TablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kOption61Table,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 2,
     .addVariable = 4,
     .addLabel = "createAndGo",
     .deleteVariable = 4,
     .deleteLabel = "destroy"},
};

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    {.componentName = "QOSMechanism1",
     .title = "QoS Mechanism Control",
     .pages = kQosMechanismControlPages},
    {.componentName = "IngrPortBwControl1",
     .title = "QoS Bandwidth Control",
     .pages = kQosBandwidthControlPages},
    {.componentName = "EgressPortBwControl1",
     .title = "QoS Scheduling Entry",
     .pages = kQosSchedulingPages},
    {.componentName = "N8021pUserPriorityEntry1",
     .title = "QoS 8021p User Priority Entry",
     .pages = kQosUserPriorityPages},
    {.componentName = "N8021pDefaultPriorityEntry1",
     .title = "QoS 8021p Default Priority Entry",
     .pages = kQosDefaultPriorityPages},
    {.componentName = "TrunkInformation1",
     .title = "Trunk Information",
     .pages = kTrunkInformationPages},
    {.componentName = "PortTrunk1", .title = "Port Trunk Table", .pages = kPortTrunkTablePages},
    {.componentName = "LACPPortEntry1", .title = "LACP Port Entry", .pages = kLacpPortEntryPages},
    {.componentName = "TrunkVLANTable1",
     .title = "Trunk VLAN Table",
     .pages = kTrunkVlanTablePages},
    {.componentName = "PortMirror1",
     .captionPrefix = "Mirror Management : ",
     .pages = kMirrorManagementPages},
    {.componentName = "PortInformation1",
     .title = "Port Information Table",
     .pages = kPortInformationTablePages},
    {.componentName = "PortControl1", .title = "Port Control Table", .pages = kPortControlPages},
    {.componentName = "TrafficSegment1", .title = "Traffic Segment", .pages = kTrafficSegmentPages},
    {.componentName = "PortErrorTable1",
     .title = "Port Error Table",
     .pages = kPortErrorTablePages},
    {.componentName = "PortLockManagement1",
     .title = "Port Security Management",
     .pages = kPortSecurityManagementPages},
    {.componentName = "PacketStormControl2",
     .title = "Packet Storm Control",
     .pages = kPacketStormControlPages},
    {.componentName = "PacketStorm1",
     .title = "Packet Storm Control Table",
     .pages = kPacketStormTablePages},
    {.componentName = "LoopDetectionControl1",
     .title = "Loop Detection Control",
     .pages = kLoopDetectionControlPages},
    {.componentName = "LoopDetectionPortManagement1",
     .title = "Loop Detection Port Management",
     .pages = kLoopDetectionPortsPages},
    {.componentName = "IGMPInformation1",
     .title = "IGMP Information",
     .pages = kIgmpInformationPages},
    {.componentName = "IGMPControlTable1",
     .title = "IGMP Control Table",
     .pages = kIgmpControlTablePages},
    {.componentName = "IGMPQuery1",
     .title = "IGMP Query Information",
     .pages = kIgmpQueryInformationPages},
    {.componentName = "IGMPTable1", .title = "IGMP Table", .pages = kIgmpTablePages},
    {.componentName = "IGMPAccessAuthenticationTable1",
     .title = "IGMP Access Authentication Table",
     .pages = kIgmpAccessAuthenticationPages},
    {.componentName = "COSPriorityTable1",
     .title = "CoS Priority Table",
     .pages = kCosPriorityTablePages},
    {.componentName = "COSPortPRITable1",
     .title = "CoS Port PRI Table",
     .pages = kCosPortPriorityTablePages},
    {.componentName = "COSMACBasePRITable1",
     .title = "CoS MAC_Based PRI Table",
     .pages = kCosMacPriorityTablePages},
    {.componentName = "COSTOSPRITable1",
     .title = "CoS ToS PRI Table",
     .pages = kCosTosPriorityTablePages},
    {.componentName = "CoSDSCPPRITable1",
     .title = "CoS DSCP PRI Table",
     .pages = kCosDscpPriorityTablePages},
    {.componentName = "DHCPRelayConfiguration1",
     .title = "DHCP Relay Configuration",
     .pages = kDhcpRelayConfigurationPages},
    {.componentName = "DHCPRelayOption821",
     .title = "DHCP Relay Option 82",
     .pages = kDhcpRelayOption82Pages},
    {.componentName = "DHCPRelayOption601",
     .title = "DHCP Relay Option 60",
     .pages = kDhcpRelayOption60Pages},
    {.componentName = "DHCPRelayOption60DefaultTable1",
     .title = "DHCP Relay Option 60 Default Table",
     .pages = kOption60DefaultTablePages,
     .tuning = kHideEditTuning},
    {.componentName = "DHCPRelayOption60Table1",
     .title = "DHCP Relay Option 60 Table",
     .pages = kOption60TablePages,
     .tuning = kHideEditTuning},
    {.componentName = "DHCPRelayOption611",
     .title = "DHCP Relay Option 61",
     .pages = kDhcpRelayOption61Pages},
    {.componentName = "DHCPRelayOption61Table1",
     .title = "DHCP Relay Option 61 Table",
     .pages = kOption61TablePages,
     .tuning = kHideEditTuning},
};

}  // namespace

std::span<const ZnCatalogueEntry> AdvancedConfiguration() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
