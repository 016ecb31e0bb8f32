// The generic dialogs of the "Bridge", "VLAN", "RMON" and "Security Management" menus.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

using Tuning = ZnCatalogueTuning;

// Label sets of several dialogs ----------------------------------------------------------------

// The states of an 802.1X authenticator, per port and per MAC address.
constexpr ZnOptionItem kPaeStateItems[] = {
    {1, "initialize"},    {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"},     {7, "held"},       {8, "forceAuth"},
    {9, "forceUnauth"},   {0, nullptr}};
const ZnOptionList kPaeState(kPaeStateItems);

constexpr ZnOptionItem kBackendAuthStateItems[] = {
    {1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
    {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {0, nullptr}};
const ZnOptionList kBackendAuthState(kBackendAuthStateItems);

constexpr ZnOptionItem kControlledPortStatusItems[] = {
    {1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const ZnOptionList kControlledPortStatus(kControlledPortStatusItems);

constexpr ZnOptionItem kSessionAuthenticMethodItems[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const ZnOptionList kSessionAuthenticMethod(kSessionAuthenticMethodItems);

constexpr ZnOptionItem kSessionTerminateCauseItems[] = {{1, "supplicantLogoff"},
                                                        {2, "portFailure"},
                                                        {3, "supplicantRestart"},
                                                        {4, "reauthFailed"},
                                                        {5, "authControlForceUnauth"},
                                                        {6, "portReInit"},
                                                        {7, "portAdminDisabled"},
                                                        {999, "notTerminatedYet"},
                                                        {0, nullptr}};
const ZnOptionList kSessionTerminateCause(kSessionTerminateCauseItems);

// Bridge 802.1d Information --------------------------------------------------------------------

constexpr ZnOptionItem kBridgeTypeItems[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}};
const ZnOptionList kBridgeType(kBridgeTypeItems);

constinit const ZnSNMPVarDef kBridgeInformation[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", ZnSyntax::Integer, ZnAccess::ReadOnly, &kBridgeType},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kBridgeInformationPages[] = {
    {.kind = ZnPageKind::Editor, .table = kBridgeInformation, .itemType = ZnItemType::SVT_SV},
};

// Bridge 802.1d Port Table ---------------------------------------------------------------------

constinit const ZnSNMPVarDef kBridgePortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", ZnSyntax::ObjectId, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.5", "Mtu Exceeded Discards", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kBridgePortTablePages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kBridgePortTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// The switch gathers these per-port counters slowly: each request of the walk waits up to five
// seconds for its answer instead of one.
constinit const Tuning kBridgePortTableTuning[] = {
    {.kind = Tuning::Kind::RequestTimeout, .number = 500},
};

// STP Management -------------------------------------------------------------------------------

constinit const ZnSNMPVarDef kStpManagement[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.16.1", "STP Forward BPDU", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kStpManagementPages[] = {
    {.kind = ZnPageKind::Editor, .table = kStpManagement, .itemType = ZnItemType::SVT_SV},
};

// STP Port Information -------------------------------------------------------------------------

constexpr ZnOptionItem kStpPortStatusItems[] = {
    {1, "other"},  {2, "disabled"},       {3, "discarding"},   {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr}};
const ZnOptionList kStpPortStatus(kStpPortStatusItems);

constexpr ZnOptionItem kStpPortRoleItems[] = {{1, "disabled"}, {2, "alternate"},  {3, "backup"},
                                              {4, "root"},     {5, "designated"}, {6, "nonStp"},
                                              {7, "loopback"}, {0, nullptr}};
const ZnOptionList kStpPortRole(kStpPortRoleItems);

constexpr ZnOptionItem kStpPortLinkStateItems[] = {{1, "link-down"},
                                                   {2, "half-10Mbps-none"},
                                                   {3, "half-10Mbps-backp"},
                                                   {4, "full-10Mbps-none"},
                                                   {5, "full-10Mbps-8023x"},
                                                   {6, "half-100Mbps-none"},
                                                   {7, "half-100Mbps-backp"},
                                                   {8, "full-100Mbps-none"},
                                                   {9, "full-100Mbps-8023x"},
                                                   {10, "half-1000Mbps-none"},
                                                   {11, "full-1000Mbps-backp"},
                                                   {12, "full-1000Mbps-none"},
                                                   {13, "full-1000Mbps-8023x"},
                                                   {0, nullptr}};
const ZnOptionList kStpPortLinkState(kStpPortLinkStateItems);

constexpr ZnOptionItem kAdminPointToPointItems[] = {
    {0, "forceTrue"}, {1, "forceFalse"}, {2, "auto"}, {0, nullptr}};
const ZnOptionList kAdminPointToPoint(kAdminPointToPointItems);

constinit const ZnSNMPVarDef kStpPortInformation[] = {
    // Column 2 of the table is not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.1", "STP Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.3", "STP Port Status", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kStpPortStatus},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.4", "STP Port Role", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kStpPortRole},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.5", "STP Port FBPDU", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.6", "STP Port Link State", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kStpPortLinkState},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.7", "STP Port Protocol Migration", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &TruthValue},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.8", "STP Port Admin Edge Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &TruthValue},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.9", "STP Port Oper Edge Port", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &TruthValue},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.10", "STP Port Admin Point To Point", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kAdminPointToPoint},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.11", "STP Port Oper Point To Point", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &TruthValue},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.12", "STP Port Admin Path Cost", ZnSyntax::Gauge,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.13", "STP Port Priority", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.14", "STP Port State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kStpPortInformationPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kStpPortInformation,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// 802.1P Basic Configure -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kDot1pBasicConfigure[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &TruthValue},
    {},
};

constinit const ZnCataloguePage kDot1pBasicConfigurePages[] = {
    {.kind = ZnPageKind::Editor, .table = kDot1pBasicConfigure, .itemType = ZnItemType::SVT_SV},
};

// 802.1Q Basic Configure -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kDot1qBasicConfigure[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kDot1qBasicConfigurePages[] = {
    {.kind = ZnPageKind::Editor, .table = kDot1qBasicConfigure, .itemType = ZnItemType::SVT_SV},
};

// RMON State -----------------------------------------------------------------------------------

// The main window reads the same object to enable the RMON viewers.
constinit const ZnSNMPVarDef kRmonState[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.16", "RMON State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kRmonStatePages[] = {
    {.kind = ZnPageKind::Editor, .table = kRmonState, .itemType = ZnItemType::SVT_SV},
};

// Authentication Mode Setting ------------------------------------------------------------------

constexpr ZnOptionItem kUserAuthProtocolItems[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};
const ZnOptionList kUserAuthProtocol(kUserAuthProtocolItems);

constexpr ZnOptionItem kDeviceAuthModeItems[] = {
    {1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}};
const ZnOptionList kDeviceAuthMode(kDeviceAuthModeItems);

constinit const ZnSNMPVarDef kAuthenticationMode[] = {
    {"1.3.6.1.4.1.99917.12.3.1.1", "User Authentication Protocol", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kUserAuthProtocol},
    {"1.3.6.1.4.1.99917.12.3.1.2", "Device Authentication Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kDeviceAuthMode},
    {},
};

constinit const ZnCataloguePage kAuthenticationModePages[] = {
    {.kind = ZnPageKind::Editor, .table = kAuthenticationMode, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kAuthenticationModeTuning[] = {
    {.kind = Tuning::Kind::ValueWidth, .number = 150},
};

// System Auth Control --------------------------------------------------------------------------

constinit const ZnSNMPVarDef kSystemAuthControl[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kSystemAuthControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSystemAuthControl, .itemType = ZnItemType::SVT_SV},
};

// Configure PAE System Control -----------------------------------------------------------------

// The 802.1X tables of one port share the PAE port number as their index; the tables below
// name it as their not-accessible key.
constinit const ZnSNMPVarDef kPaeSystemControl[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", ZnSyntax::Integer, ZnAccess::ReadWrite, &TruthValue},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &TruthValue},
    {},
};

constinit const ZnCataloguePage kPaeSystemControlPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPaeSystemControl,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Configure Authenticator ----------------------------------------------------------------------

constexpr ZnOptionItem kControlledDirectionsItems[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const ZnOptionList kControlledDirections(kControlledDirectionsItems);

constexpr ZnOptionItem kControlledPortControlItems[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const ZnOptionList kControlledPortControl(kControlledPortControlItems);

constinit const ZnSNMPVarDef kAuthenticator[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", ZnSyntax::Integer, ZnAccess::ReadOnly, &kPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operative Controlled Directions", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Controlled Port Status", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kControlledPortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Controlled Port Control", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kControlledPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    // "Supplier" (for the supplicant) is the device's own word.
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supplier Timeout", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &TruthValue},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key TX Enabled", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &TruthValue},
    {},
};

constinit const ZnCataloguePage kAuthenticatorPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAuthenticator,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Authentication Stats Info --------------------------------------------------------------------

constinit const ZnSNMPVarDef kAuthenticationStats[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.0.8802.1.1.1.1.2.2.1.1", "Eapol Frames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "Eapol Frames TX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "Eapol Start Frames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    // "LogoffF rames" is the device's own spelling.
    {"1.0.8802.1.1.1.1.2.2.1.4", "Eapol LogoffF rames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAP Response ID Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "Eapol Response Frames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "Eapol Request ID Frames TX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "Eapol Request Frames TX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid Eapol Frames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAP Length Error Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last Eapol Frame Version", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last Eapol Frame Source", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kAuthenticationStatsPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAuthenticationStats,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Authentication Diagnostics Table -------------------------------------------------------------

constinit const ZnSNMPVarDef kAuthenticationDiagnostics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth EAP Starts While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth EAP Logoff While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth EAP Starts While Authenticated", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth EAP Logoff While Authenticated", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other RequestsToSupplicant", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kAuthenticationDiagnosticsPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAuthenticationDiagnostics,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Authentication Session Table -----------------------------------------------------------------

constinit const ZnSNMPVarDef kAuthenticationSessions[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets RX", ZnSyntax::Counter64, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets TX", ZnSyntax::Counter64, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames RX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames TX", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kSessionAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kSessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kAuthenticationSessionsPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAuthenticationSessions,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Foward EAPOL PDU -----------------------------------------------------------------------------

// "Foward" is the device's own spelling, in captions and titles alike.
constinit const ZnSNMPVarDef kForwardEapolPdu[] = {
    {"1.3.6.1.4.1.99917.12.3.10.1", "Foward EAPOL PDU", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kForwardEapolPduPages[] = {
    {.kind = ZnPageKind::Editor, .table = kForwardEapolPdu, .itemType = ZnItemType::SVT_SV},
};

// Foward EAPOL PDU On Port ---------------------------------------------------------------------

constinit const ZnSNMPVarDef kForwardEapolPduOnPort[] = {
    // The table has no index object of its own: it is indexed by the port number, as the PAE
    // tables are, and their port number column names the key.
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.10.3.1.1", "Foward EAPOL PDU On Port", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Enabled1Disabled2},
    {},
};

constinit const ZnCataloguePage kForwardEapolPduOnPortPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kForwardEapolPduOnPort,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// RADIUS Server Table --------------------------------------------------------------------------

constexpr ZnOptionItem kRadiusServerIndexItems[] = {{1, "swRadiusServerIndex-first"},
                                                    {2, "swRadiusServerIndex-second"},
                                                    {3, "swRadiusServerIndex-third"},
                                                    {0, nullptr}};
const ZnOptionList kRadiusServerIndex(kRadiusServerIndexItems);

constinit const ZnSNMPVarDef kRadiusServers[] = {
    // Columns 3 and 6 of the table are not offered.
    {"1.3.6.1.4.1.99917.12.3.2.4.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible,
     &kRadiusServerIndex},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.2", "IP Address", ZnSyntax::IpAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.4", "Auth Port Number", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.5", "Accounting Port Number", ZnSyntax::Gauge,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.7", "Timeout", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.8", "Retransmit", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kRadiusServersPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kRadiusServers,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Authentication Information -------------------------------------------------------------------

constinit const ZnSNMPVarDef kRadiusAuthClient[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Client Invalid Server Addresses", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Client Identifier", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kRadiusAuthClientPages[] = {
    {.kind = ZnPageKind::Editor, .table = kRadiusAuthClient, .itemType = ZnItemType::SVT_SV},
};

// Authentication Server Table ------------------------------------------------------------------

constinit const ZnSNMPVarDef kRadiusAuthServers[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "RADIUS Auth Server Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "RADIUS Auth Server Address", ZnSyntax::IpAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "RADIUS Auth Client Server Port Number", ZnSyntax::Integer,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "RADIUS Auth Client Round Trip Time", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "RADIUS Auth Client Access Requests", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "RADIUS Auth Client Access Retransmissions", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "RADIUS Auth Client Access Accepts", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "RADIUS Auth Client Access Rejects", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "RADIUS Auth Client Access Challenges", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "RADIUS Auth Client Malformed Access Responses",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "RADIUS Auth Client Bad Authenticators", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "RADIUS Auth Client Pending Requests", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "RADIUS Auth Client Timeouts", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "RADIUS Auth Client Unknown Types", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "RADIUS Auth Client Packets Dropped", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kRadiusAuthServersPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kRadiusAuthServers,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Accounting Control ---------------------------------------------------------------------------

constinit const ZnSNMPVarDef kAccountingControl[] = {
    {"1.3.6.1.4.1.99917.12.3.4.1", "RADIUS Accounting Update Interval", ZnSyntax::Gauge,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.3.4.2", "RADIUS Accounting Suppress Null User Name", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &TruthValue},
    {},
};

constinit const ZnCataloguePage kAccountingControlPages[] = {
    {.kind = ZnPageKind::Editor, .table = kAccountingControl, .itemType = ZnItemType::SVT_SV},
};

// RADIUS Accounting Server Table (services) ----------------------------------------------------

constexpr ZnOptionItem kAcctServiceIndexItems[] = {{1, "acctServiceIndex-network"},
                                                   {2, "acctServiceIndex-exec"},
                                                   {3, "acctServiceIndex-system"},
                                                   {0, nullptr}};
const ZnOptionList kAcctServiceIndex(kAcctServiceIndexItems);

constexpr ZnOptionItem kAcctServiceMethodItems[] = {
    {1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRADIUS"}, {0, nullptr}};
const ZnOptionList kAcctServiceMethod(kAcctServiceMethodItems);

constexpr ZnOptionItem kAcctServiceModeItems[] = {{1, "RadiusAcctServiceModeNone"},
                                                  {2, "RadiusAcctServiceModeStartStop"},
                                                  {3, "RadiusAcctServiceModeStopOnly"},
                                                  {0, nullptr}};
const ZnOptionList kAcctServiceMode(kAcctServiceModeItems);

constinit const ZnSNMPVarDef kAccountingServices[] = {
    {"1.3.6.1.4.1.99917.12.3.4.3.1.1", "RADIUS Accounting Service Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible, &kAcctServiceIndex},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.2", "RADIUS Accounting Service Method", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kAcctServiceMethod},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.3", "RADIUS Accounting Service Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kAcctServiceMode},
    {},
};

constinit const ZnCataloguePage kAccountingServicesPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kAccountingServices,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// Accounting Information -----------------------------------------------------------------------

constinit const ZnSNMPVarDef kRadiusAcctClient[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Accounting Client Invalid Server Addresses",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Accounting Client Identifier", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kRadiusAcctClientPages[] = {
    {.kind = ZnPageKind::Editor, .table = kRadiusAcctClient, .itemType = ZnItemType::SVT_SV},
};

// RADIUS Accounting Server Table (servers) -----------------------------------------------------

constinit const ZnSNMPVarDef kRadiusAcctServers[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "RADIUS Accounting Server Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "RADIUS Accounting Server Address", ZnSyntax::IpAddress,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "RADIUS Accounting Client Server Port Number",
     ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "RADIUS Accounting Client Round Trip Time", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "RADIUS Accounting Client Requests", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "RADIUS Accounting Client Retransmissions", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "RADIUS Accounting Client Responses", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "RADIUS Accounting Client Malformed Responses",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "RADIUS Accounting Client Bad Authenticators",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "RADIUS Accounting Client Pending Requests",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "RADIUS Accounting Client Timeouts", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "RADIUS Accounting Client Unknown Types", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "RADIUS Accounting Client Packets Dropped", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kRadiusAcctServersPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kRadiusAcctServers,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 1},
};

// MAC Authentication Base State Information ----------------------------------------------------

// Four tables of the authenticators of single MAC addresses, each indexed by the address and
// the port it was seen on.
constinit const ZnSNMPVarDef kMacAuthStates[] = {
    {"1.3.6.1.4.1.99917.12.3.6.1.1.1", "PAE MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.2", "PAE Port Number", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.3", "Auth PAE State", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPaeState},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.4", "Auth Backend Auth State", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kBackendAuthState},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.5", "Auth Auth Controlled Port Status", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kControlledPortStatus},
    {},
};

constinit const ZnSNMPVarDef kMacAuthStats[] = {
    {"1.3.6.1.4.1.99917.12.3.6.2.1.1", "Auth Stats PAE MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.2", "Auth Stats PAE Port Number", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.3", "Auth Eapol Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.4", "Auth Eapol Frames TX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.5", "Auth Eapol Start Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.6", "Auth Eapol Logoff Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.7", "Auth Eapol Response ID Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.8", "Auth Eapol Response Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.9", "Auth Eapol Request ID Frames TX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.10", "Auth Eapol Request Frames TX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.11", "Auth Invalid Eapol Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    // "Eappol" is the device's own spelling.
    {"1.3.6.1.4.1.99917.12.3.6.2.1.12", "Auth Eappol Length Error Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.13", "Auth Last Eapol Frame Version", ZnSyntax::Gauge,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.14", "Auth Last Eapol Frame Source", ZnSyntax::MacAddress,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnSNMPVarDef kMacAuthDiagnostics[] = {
    {"1.3.6.1.4.1.99917.12.3.6.3.1.1", "Auth Diag PAE MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.2", "Auth Diag PAE Port Number", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.3", "Auth Enters Connecting", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.4", "Auth Eap Logoffs While Connecting", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.5", "Auth Enters Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.6", "Auth Auth Success While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.7", "Auth Auth Timeouts While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.8", "Auth Auth Fail While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.9", "Auth Auth Reauths While Authenticating", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.10", "Auth Auth Eap Starts While Authenticating",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.11", "Auth Auth Eap Logoff While Authenticating",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.12", "Auth Auth Reauths While Authenticated", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.13", "Auth Auth Eap Starts While Authenticated",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.14", "Auth Auth Eap Logoff While Authenticated",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.15", "Auth Backend Responses", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.16", "Auth Backend Access Challenges", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.17", "Auth Backend Other Requests To Supplicant",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.18", "Auth Backend Non Nak Responses From Supplicant",
     ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.19", "Auth Backend Auth Successes", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.3.1.20", "Auth Backend Auth Fails", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnSNMPVarDef kMacAuthSessions[] = {
    {"1.3.6.1.4.1.99917.12.3.6.4.1.1", "Auth Session Stats PAE MAC Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.2", "Auth Session Stats PAE Port Number", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.3", "Auth Session Octets RX", ZnSyntax::Counter64,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.4", "Auth Session Octets TX", ZnSyntax::Counter64,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.5", "Auth Session Frames RX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.6", "Auth Session Frames TX", ZnSyntax::Counter,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.7", "Auth Session ID", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.8", "Auth Session Authentic Method", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kSessionAuthenticMethod},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.9", "Auth Session Time", ZnSyntax::TimeTicks,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.10", "Auth Session Terminate Cause", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kSessionTerminateCause},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.11", "Auth Session User Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kMacAuthPages[] = {
    {.kind = ZnPageKind::ListView,
     .tabCaption = "MAC Auth State Table",
     .table = kMacAuthStates,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 2},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "MAC Auth Stats Table",
     .table = kMacAuthStats,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 2},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "MAC Auth Diag Table",
     .table = kMacAuthDiagnostics,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 2},
    {.kind = ZnPageKind::ListView,
     .tabCaption = "MAC Auth Session Stats Table",
     .table = kMacAuthSessions,
     .itemType = ZnItemType::MVT_FMV,
     .keyCount = 2},
};

constinit const Tuning kMacAuthTuning[] = {
    {.kind = Tuning::Kind::FormHeight, .number = 450},
};

// SSH Management Table -------------------------------------------------------------------------

constexpr ZnOptionItem kSshRekeyingItems[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};
const ZnOptionList kSshRekeying(kSshRekeyingItems);

constinit const ZnSNMPVarDef kSshManagement[] = {
    {"1.3.6.1.4.1.99917.12.6.1.1", "SSH Version", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.6.1.2", "SSH Admin", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.1.3", "SSH Max Auth Fail Attempts", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.6.1.4", "SSH Session Key Rekeying", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSshRekeying},
    {"1.3.6.1.4.1.99917.12.6.1.5", "SSH Max Session", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.6.1.6", "SSH Connection Timeout", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.6.1.7", "SSH Listened Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

constinit const ZnCataloguePage kSshManagementPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSshManagement, .itemType = ZnItemType::SVT_SV},
};

constinit const Tuning kSshManagementTuning[] = {
    {.kind = Tuning::Kind::EditConstraint, .variable = 2, .text = "%i{n1x99l2}"},
    {.kind = Tuning::Kind::EditConstraint, .variable = 4, .text = "%i{n1x8}"},
    {.kind = Tuning::Kind::EditConstraint, .variable = 5, .text = "%i{n120x600l3}"},
};

// Algorithm Control ----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kSshAlgorithms[] = {
    {"1.3.6.1.4.1.99917.12.6.3.1.1", "Encryption Algorithm 3DES Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.2", "Encryption Algorithm Blowfish Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.3", "Encryption Algorithm AES128 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.4", "Encryption Algorithm AES192 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.5", "Encryption Algorithm AES256 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.6", "Encryption Algorithm Arcfour Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.7", "Encryption Algorithm CAST28 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.8", "Encryption Algorithm Twofish128 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.9", "Encryption Algorithm Twofish192 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.1.10", "Encryption Algorithm Twofish256 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.3.1", "Data Integrity Algorithm SHA1 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.3.2", "Data Integrity Algorithm MD5 Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.5.1", "Public Key Algorithm RSA Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.5.2", "Public Key Algorithm DSA Admin", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kSshAlgorithmsPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSshAlgorithms, .itemType = ZnItemType::SVT_SV},
};

// Authentication Method Control ----------------------------------------------------------------

constinit const ZnSNMPVarDef kSshAuthenticationMethods[] = {
    {"1.3.6.1.4.1.99917.12.6.3.2.1", "Password Admin", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.2.2", "Public Key Admin", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {"1.3.6.1.4.1.99917.12.6.3.2.3", "Host Key Admin", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &Disabled2Enabled3},
    {},
};

constinit const ZnCataloguePage kSshAuthenticationMethodsPages[] = {
    {.kind = ZnPageKind::Editor,
     .table = kSshAuthenticationMethods,
     .itemType = ZnItemType::SVT_SV},
};

// SSH User Management --------------------------------------------------------------------------

constexpr ZnOptionItem kSshUserAuthModeItems[] = {
    {1, "hostbased"}, {2, "password"}, {3, "publickey"}, {0, nullptr}};
const ZnOptionList kSshUserAuthMode(kSshUserAuthModeItems);

constinit const ZnSNMPVarDef kSshUsers[] = {
    {"1.3.6.1.4.1.99917.12.6.4.1.1.1", "SSH User Name", ZnSyntax::DisplayString,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.2", "SSH User Authentication Mode", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSshUserAuthMode},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.3", "SSH User Host Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.4", "SSH User HostIP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {},
};

constinit const ZnCataloguePage kSshUsersPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kSshUsers,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// The menus ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    // "Bridge" menu
    {.componentName = "Information1",
     .title = "Bridge 802.1d Information",
     .pages = kBridgeInformationPages},
    {.componentName = "PortTable1",
     .title = "Bridge 802.1d Port Table",
     .pages = kBridgePortTablePages,
     .tuning = kBridgePortTableTuning},
    {.componentName = "STPManagement1", .title = "STP Management", .pages = kStpManagementPages},
    {.componentName = "STPPortInformation1",
     .title = "STP Port Information",
     .pages = kStpPortInformationPages},
    // "VLAN" menu
    {.componentName = "BasicConfigure2",
     .title = "802.1P Basic Configure",
     .pages = kDot1pBasicConfigurePages},
    {.componentName = "BasicConfigure",
     .title = "802.1Q Basic Configure",
     .pages = kDot1qBasicConfigurePages},
    // "RMON" menu
    {.componentName = "RMONState1", .title = "RMON State", .pages = kRmonStatePages},
    // "Security Management" menu
    {.componentName = "AuthenticationModeSetting1",
     .title = "Authentication Mode Setting",
     .pages = kAuthenticationModePages,
     .tuning = kAuthenticationModeTuning},
    {.componentName = "Configuration2",
     .title = "System Auth Control",
     .pages = kSystemAuthControlPages},
    {.componentName = "PAESystemConfiguration1",
     .title = "Configure PAE System Control",
     .pages = kPaeSystemControlPages},
    {.componentName = "ConfigureAuthen1",
     .title = "Configure Authenticator",
     .pages = kAuthenticatorPages},
    {.componentName = "AuthenticationStatsInfo1",
     .title = "Authentication Stats Info",
     .pages = kAuthenticationStatsPages},
    {.componentName = "AuthenticationDiagnostics1",
     .title = "Authentication Diagnostics Table",
     .pages = kAuthenticationDiagnosticsPages},
    {.componentName = "AuthenticationSessionTable1",
     .title = "Authentication Session Table",
     .pages = kAuthenticationSessionsPages},
    {.componentName = "FowardEAPOLPDU1",
     .captionPrefix = "Foward EAPOL PDU: ",
     .prefixIsTitle = true,
     .pages = kForwardEapolPduPages},
    {.componentName = "FowardEAPOLPDUOnPort1",
     .title = "Foward EAPOL PDU On Port",
     .pages = kForwardEapolPduOnPortPages},
    {.componentName = "RadiusServerTable1",
     .title = "RADIUS Server Table",
     .pages = kRadiusServersPages},
    {.componentName = "AuthenticationInformation1",
     .title = "Authentication Information",
     .pages = kRadiusAuthClientPages},
    {.componentName = "AuthenticationTable1",
     .title = "Authentication Server Table",
     .pages = kRadiusAuthServersPages},
    {.componentName = "BasicInformation2",
     .title = "Accounting Control",
     .pages = kAccountingControlPages},
    {.componentName = "ServiceTable1",
     .title = "RADIUS Accounting Server Table",
     .pages = kAccountingServicesPages},
    {.componentName = "BasicInformation1",
     .title = "Accounting Information",
     .pages = kRadiusAcctClientPages},
    {.componentName = "ServerTable1",
     .title = "RADIUS Accounting Server Table",
     .pages = kRadiusAcctServersPages},
    {.componentName = "MacAuthBaseStatsInfo1",
     .title = "MAC Authentication Base State Information",
     .pagesMode = true,
     .pages = kMacAuthPages,
     .tuning = kMacAuthTuning},
    {.componentName = "SSHManagement1",
     .captionPrefix = "SSH Management Table: ",
     .prefixIsTitle = true,
     .pages = kSshManagementPages,
     .tuning = kSshManagementTuning},
    {.componentName = "AlgorithmControl1",
     .captionPrefix = "Algorithm Control: ",
     .prefixIsTitle = true,
     .pages = kSshAlgorithmsPages},
    {.componentName = "AuthenticationMethod1",
     .captionPrefix = "Authentication Method Control: ",
     .prefixIsTitle = true,
     .pages = kSshAuthenticationMethodsPages},
    {.componentName = "SSHUserManagement1",
     .title = "SSH User Management",
     .pages = kSshUsersPages},
};

}  // namespace

std::span<const ZnCatalogueEntry> BridgeToSecurity() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
