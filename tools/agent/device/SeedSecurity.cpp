#include "SeedSecurity.h"

#include "SeedRows.h"

#include <array>

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.0.8802.1.1.1",     // IEEE 802.1X port access entity
    "1.3.6.1.2.1.67",     // RADIUS authentication and accounting clients
    "1.3.6.1.4.1.99917",  // the device's private subtree
};

constexpr const char* kPaePortEntry = "1.0.8802.1.1.1.1.1.2.1";
constexpr const char* kAuthConfigEntry = "1.0.8802.1.1.1.1.2.1.1";
constexpr const char* kAuthStatsEntry = "1.0.8802.1.1.1.1.2.2.1";
constexpr const char* kAuthDiagEntry = "1.0.8802.1.1.1.1.2.3.1";
constexpr const char* kForwardEapolPortEntry = "1.3.6.1.4.1.99917.12.3.10.3.1";

// No table of this area has rows to create: ports, servers and accounting services are fixed,
// sessions and authenticated addresses come from the traffic, and SSH users are the switch's
// accounts.
const TableDefinition kTables[] = {
    // name, entry, index, RowStatus column
    {"dot1xPaePortTable", kPaePortEntry, {IndexPart::kInteger}, 0},
    {"dot1xAuthConfigTable", kAuthConfigEntry, {IndexPart::kInteger}, 0},
    {"dot1xAuthStatsTable", kAuthStatsEntry, {IndexPart::kInteger}, 0},
    {"dot1xAuthDiagTable", kAuthDiagEntry, {IndexPart::kInteger}, 0},
    {"dot1xAuthSessionStatsTable", "1.0.8802.1.1.1.1.2.4.1", {IndexPart::kInteger}, 0},
    {"radiusAuthServerTable", "1.3.6.1.2.1.67.1.2.1.1.3.1", {IndexPart::kInteger}, 0},
    {"radiusAccServerTable", "1.3.6.1.2.1.67.2.2.1.1.3.1", {IndexPart::kInteger}, 0},
    {"RADIUS Server Table", "1.3.6.1.4.1.99917.12.3.2.4.1", {IndexPart::kInteger}, 0},
    {"RADIUS Accounting Service Table", "1.3.6.1.4.1.99917.12.3.4.3.1", {IndexPart::kInteger}, 0},
    {"MAC Auth State Table",
     "1.3.6.1.4.1.99917.12.3.6.1.1",
     {IndexPart::kMacAddress, IndexPart::kInteger},
     0},
    {"MAC Auth Stats Table",
     "1.3.6.1.4.1.99917.12.3.6.2.1",
     {IndexPart::kMacAddress, IndexPart::kInteger},
     0},
    {"MAC Auth Diag Table",
     "1.3.6.1.4.1.99917.12.3.6.3.1",
     {IndexPart::kMacAddress, IndexPart::kInteger},
     0},
    {"MAC Auth Session Stats Table",
     "1.3.6.1.4.1.99917.12.3.6.4.1",
     {IndexPart::kMacAddress, IndexPart::kInteger},
     0},
    // Indexed by the port number, which has no column of its own.
    {"Foward EAPOL PDU On Port Table", kForwardEapolPortEntry, {IndexPart::kInteger}, 0},
    {"SSH User Management", "1.3.6.1.4.1.99917.12.6.4.1.1", {IndexPart::kString}, 0},
};

// Truth values are 1 (true) and 2 (false); the device's own switches are 2 (disabled) and
// 3 (enabled). Periods and timeouts are in seconds.
const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row, growth per read

    // IEEE 802.1X PAE system and its ports.
    {"dot1xPaeSystemAuthControl", "1.0.8802.1.1.1.1.1.1", kInteger, kRW, "1,2", ""},
    {"dot1xPaePortNumber", "1.0.8802.1.1.1.1.1.2.1.1", kInteger, kNA, "1..65535", ""},
    {"dot1xPaePortProtocolVersion", "1.0.8802.1.1.1.1.1.2.1.2", kGauge32, kRO, "", ""},
    // BITS: authenticator capable (bit 0), supplicant capable (bit 1).
    {"dot1xPaePortCapabilities", "1.0.8802.1.1.1.1.1.2.1.3", kOctetString, kRO, "1", ""},
    {"dot1xPaePortInitialize", "1.0.8802.1.1.1.1.1.2.1.4", kInteger, kRW, "1,2", ""},
    {"dot1xPaePortReauthenticate", "1.0.8802.1.1.1.1.1.2.1.5", kInteger, kRW, "1,2", ""},

    // The authenticator's configuration per port.
    {"dot1xAuthPaeState", "1.0.8802.1.1.1.1.2.1.1.1", kInteger, kRO, "1..9", ""},
    {"dot1xAuthBackendAuthState", "1.0.8802.1.1.1.1.2.1.1.2", kInteger, kRO, "1..7", ""},
    // 0 both, 1 in.
    {"dot1xAuthAdminControlledDirections", "1.0.8802.1.1.1.1.2.1.1.3", kInteger, kRW, "0,1", ""},
    {"dot1xAuthOperControlledDirections", "1.0.8802.1.1.1.1.2.1.1.4", kInteger, kRO, "0,1", ""},
    {"dot1xAuthAuthControlledPortStatus", "1.0.8802.1.1.1.1.2.1.1.5", kInteger, kRO, "1,2", ""},
    // 1 forceUnauthorized, 2 auto, 3 forceAuthorized.
    {"dot1xAuthAuthControlledPortControl", "1.0.8802.1.1.1.1.2.1.1.6", kInteger, kRW, "1..3", ""},
    {"dot1xAuthQuietPeriod", "1.0.8802.1.1.1.1.2.1.1.7", kGauge32, kRW, "0..65535", ""},
    {"dot1xAuthTxPeriod", "1.0.8802.1.1.1.1.2.1.1.8", kGauge32, kRW, "1..65535", ""},
    {"dot1xAuthSuppTimeout", "1.0.8802.1.1.1.1.2.1.1.9", kGauge32, kRW, "1..65535", ""},
    {"dot1xAuthServerTimeout", "1.0.8802.1.1.1.1.2.1.1.10", kGauge32, kRW, "1..65535", ""},
    {"dot1xAuthMaxReq", "1.0.8802.1.1.1.1.2.1.1.11", kGauge32, kRW, "1..10", ""},
    {"dot1xAuthReAuthPeriod", "1.0.8802.1.1.1.1.2.1.1.12", kGauge32, kRW, "1..65535", ""},
    {"dot1xAuthReAuthEnabled", "1.0.8802.1.1.1.1.2.1.1.13", kInteger, kRW, "1,2", ""},
    {"dot1xAuthKeyTxEnabled", "1.0.8802.1.1.1.1.2.1.1.14", kInteger, kRW, "1,2", ""},

    // The authenticator's EAPOL statistics per port; the frame counts move with the traffic of
    // the controlled ports.
    {"dot1xAuthEapolFramesRx", "1.0.8802.1.1.1.1.2.2.1.1", kCounter32, kRO, "", "", 2},
    {"dot1xAuthEapolFramesTx", "1.0.8802.1.1.1.1.2.2.1.2", kCounter32, kRO, "", "", 2},
    {"dot1xAuthEapolStartFramesRx", "1.0.8802.1.1.1.1.2.2.1.3", kCounter32, kRO, "", ""},
    {"dot1xAuthEapolLogoffFramesRx", "1.0.8802.1.1.1.1.2.2.1.4", kCounter32, kRO, "", ""},
    {"dot1xAuthEapolRespIdFramesRx", "1.0.8802.1.1.1.1.2.2.1.5", kCounter32, kRO, "", ""},
    {"dot1xAuthEapolRespFramesRx", "1.0.8802.1.1.1.1.2.2.1.6", kCounter32, kRO, "", ""},
    {"dot1xAuthEapolReqIdFramesTx", "1.0.8802.1.1.1.1.2.2.1.7", kCounter32, kRO, "", ""},
    {"dot1xAuthEapolReqFramesTx", "1.0.8802.1.1.1.1.2.2.1.8", kCounter32, kRO, "", ""},
    {"dot1xAuthInvalidEapolFramesRx", "1.0.8802.1.1.1.1.2.2.1.9", kCounter32, kRO, "", ""},
    {"dot1xAuthEapLengthErrorFramesRx", "1.0.8802.1.1.1.1.2.2.1.10", kCounter32, kRO, "", ""},
    {"dot1xAuthLastEapolFrameVersion", "1.0.8802.1.1.1.1.2.2.1.11", kGauge32, kRO, "", ""},
    {"dot1xAuthLastEapolFrameSource", "1.0.8802.1.1.1.1.2.2.1.12", kMacAddress, kRO, "", ""},

    // The authenticator's state machine diagnostics per port.
    {"dot1xAuthEntersConnecting", "1.0.8802.1.1.1.1.2.3.1.1", kCounter32, kRO, "", ""},
    {"dot1xAuthEapLogoffsWhileConnecting", "1.0.8802.1.1.1.1.2.3.1.2", kCounter32, kRO, "", ""},
    {"dot1xAuthEntersAuthenticating", "1.0.8802.1.1.1.1.2.3.1.3", kCounter32, kRO, "", ""},
    {"dot1xAuthAuthSuccessWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.4", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthTimeoutsWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.5", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthFailWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.6", kCounter32, kRO, "", ""},
    {"dot1xAuthAuthReauthsWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.7", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthEapStartsWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.8", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthEapLogoffWhileAuthenticating", "1.0.8802.1.1.1.1.2.3.1.9", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthReauthsWhileAuthenticated", "1.0.8802.1.1.1.1.2.3.1.10", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthEapStartsWhileAuthenticated", "1.0.8802.1.1.1.1.2.3.1.11", kCounter32, kRO, "",
     ""},
    {"dot1xAuthAuthEapLogoffWhileAuthenticated", "1.0.8802.1.1.1.1.2.3.1.12", kCounter32, kRO, "",
     ""},
    {"dot1xAuthBackendResponses", "1.0.8802.1.1.1.1.2.3.1.13", kCounter32, kRO, "", ""},
    {"dot1xAuthBackendAccessChallenges", "1.0.8802.1.1.1.1.2.3.1.14", kCounter32, kRO, "", ""},
    {"dot1xAuthBackendOtherRequestsToSupplicant", "1.0.8802.1.1.1.1.2.3.1.15", kCounter32, kRO, "",
     ""},
    {"dot1xAuthBackendNonNakResponsesFromSupplicant", "1.0.8802.1.1.1.1.2.3.1.16", kCounter32, kRO,
     "", ""},
    {"dot1xAuthBackendAuthSuccesses", "1.0.8802.1.1.1.1.2.3.1.17", kCounter32, kRO, "", ""},
    {"dot1xAuthBackendAuthFails", "1.0.8802.1.1.1.1.2.3.1.18", kCounter32, kRO, "", ""},

    // The authenticator's sessions, the last one of each port that had one.
    {"Auth Session Octets RX", "1.0.8802.1.1.1.1.2.4.1.1", kCounter64, kRO, "", ""},
    {"Auth Session Octets TX", "1.0.8802.1.1.1.1.2.4.1.2", kCounter64, kRO, "", ""},
    {"Auth Session Frames RX", "1.0.8802.1.1.1.1.2.4.1.3", kCounter32, kRO, "", ""},
    {"Auth Session Frames TX", "1.0.8802.1.1.1.1.2.4.1.4", kCounter32, kRO, "", ""},
    {"Auth Session ID", "1.0.8802.1.1.1.1.2.4.1.5", kDisplayString, kRO, "", ""},
    {"Auth Session Authentic Method", "1.0.8802.1.1.1.1.2.4.1.6", kInteger, kRO, "1,2", ""},
    {"Auth Session Time", "1.0.8802.1.1.1.1.2.4.1.7", kTimeTicks, kRO, "", ""},
    {"Auth Session Terminate Cause", "1.0.8802.1.1.1.1.2.4.1.8", kInteger, kRO, "1..7,999", ""},
    {"Auth Session User Name", "1.0.8802.1.1.1.1.2.4.1.9", kDisplayString, kRO, "", ""},

    // RADIUS authentication client and its servers; requests and accepts move with the logins
    // through the first server.
    {"Client Invalid Server Addresses", "1.3.6.1.2.1.67.1.2.1.1.1", kCounter32, kRO, "", ""},
    {"Client Identifier", "1.3.6.1.2.1.67.1.2.1.1.2", kDisplayString, kRO, "", ""},
    {"RADIUS Auth Server Index", "1.3.6.1.2.1.67.1.2.1.1.3.1.1", kInteger, kNA, "1..2147483647",
     ""},
    {"RADIUS Auth Server Address", "1.3.6.1.2.1.67.1.2.1.1.3.1.2", kIpAddress, kRO, "", ""},
    {"RADIUS Auth Client Server Port Number", "1.3.6.1.2.1.67.1.2.1.1.3.1.3", kInteger, kRO,
     "0..65535", ""},
    {"RADIUS Auth Client Round Trip Time", "1.3.6.1.2.1.67.1.2.1.1.3.1.4", kCounter32, kRO, "", ""},
    {"RADIUS Auth Client Access Requests", "1.3.6.1.2.1.67.1.2.1.1.3.1.5", kCounter32, kRO, "", "",
     1},
    {"RADIUS Auth Client Access Retransmissions", "1.3.6.1.2.1.67.1.2.1.1.3.1.6", kCounter32, kRO,
     "", ""},
    {"RADIUS Auth Client Access Accepts", "1.3.6.1.2.1.67.1.2.1.1.3.1.7", kCounter32, kRO, "", "",
     1},
    {"RADIUS Auth Client Access Rejects", "1.3.6.1.2.1.67.1.2.1.1.3.1.8", kCounter32, kRO, "", ""},
    {"RADIUS Auth Client Access Challenges", "1.3.6.1.2.1.67.1.2.1.1.3.1.9", kCounter32, kRO, "",
     ""},
    {"RADIUS Auth Client Malformed Access Responses", "1.3.6.1.2.1.67.1.2.1.1.3.1.10", kCounter32,
     kRO, "", ""},
    {"RADIUS Auth Client Bad Authenticators", "1.3.6.1.2.1.67.1.2.1.1.3.1.11", kCounter32, kRO, "",
     ""},
    {"RADIUS Auth Client Pending Requests", "1.3.6.1.2.1.67.1.2.1.1.3.1.12", kCounter32, kRO, "",
     ""},
    {"RADIUS Auth Client Timeouts", "1.3.6.1.2.1.67.1.2.1.1.3.1.13", kCounter32, kRO, "", ""},
    {"RADIUS Auth Client Unknown Types", "1.3.6.1.2.1.67.1.2.1.1.3.1.14", kCounter32, kRO, "", ""},
    {"RADIUS Auth Client Packets Dropped", "1.3.6.1.2.1.67.1.2.1.1.3.1.15", kCounter32, kRO, "",
     ""},

    // RADIUS accounting client and its servers; requests and responses move with the sessions.
    {"RADIUS Accounting Client Invalid Server Addresses", "1.3.6.1.2.1.67.2.2.1.1.1", kCounter32,
     kRO, "", ""},
    {"RADIUS Accounting Client Identifier", "1.3.6.1.2.1.67.2.2.1.1.2", kDisplayString, kRO, "",
     ""},
    {"RADIUS Accounting Server Index", "1.3.6.1.2.1.67.2.2.1.1.3.1.1", kInteger, kNA,
     "1..2147483647", ""},
    {"RADIUS Accounting Server Address", "1.3.6.1.2.1.67.2.2.1.1.3.1.2", kIpAddress, kRO, "", ""},
    {"RADIUS Accounting Client Server Port Number", "1.3.6.1.2.1.67.2.2.1.1.3.1.3", kInteger, kRO,
     "0..65535", ""},
    {"RADIUS Accounting Client Round Trip Time", "1.3.6.1.2.1.67.2.2.1.1.3.1.4", kCounter32, kRO,
     "", ""},
    {"RADIUS Accounting Client Requests", "1.3.6.1.2.1.67.2.2.1.1.3.1.5", kCounter32, kRO, "", "",
     1},
    {"RADIUS Accounting Client Retransmissions", "1.3.6.1.2.1.67.2.2.1.1.3.1.6", kCounter32, kRO,
     "", ""},
    {"RADIUS Accounting Client Responses", "1.3.6.1.2.1.67.2.2.1.1.3.1.7", kCounter32, kRO, "", "",
     1},
    {"RADIUS Accounting Client Malformed Responses", "1.3.6.1.2.1.67.2.2.1.1.3.1.8", kCounter32,
     kRO, "", ""},
    {"RADIUS Accounting Client Bad Authenticators", "1.3.6.1.2.1.67.2.2.1.1.3.1.9", kCounter32, kRO,
     "", ""},
    {"RADIUS Accounting Client Pending Requests", "1.3.6.1.2.1.67.2.2.1.1.3.1.10", kCounter32, kRO,
     "", ""},
    {"RADIUS Accounting Client Timeouts", "1.3.6.1.2.1.67.2.2.1.1.3.1.11", kCounter32, kRO, "", ""},
    {"RADIUS Accounting Client Unknown Types", "1.3.6.1.2.1.67.2.2.1.1.3.1.12", kCounter32, kRO, "",
     ""},
    {"RADIUS Accounting Client Packets Dropped", "1.3.6.1.2.1.67.2.2.1.1.3.1.13", kCounter32, kRO,
     "", ""},

    // Authentication mode: 2 local, 4 RADIUS EAP; 1 port based, 2 MAC based, 3 none.
    {"User Authentication Protocol", "1.3.6.1.4.1.99917.12.3.1.1", kInteger, kRW, "2,4", ""},
    {"Device Authentication Mode", "1.3.6.1.4.1.99917.12.3.1.2", kInteger, kRW, "1..3", ""},

    // The RADIUS servers as the switch is configured with them: first, second and third.
    {"RADIUS Server Index", "1.3.6.1.4.1.99917.12.3.2.4.1.1", kInteger, kNA, "1..3", ""},
    {"RADIUS Server IP Address", "1.3.6.1.4.1.99917.12.3.2.4.1.2", kIpAddress, kRO, "", ""},
    {"RADIUS Server Auth Port Number", "1.3.6.1.4.1.99917.12.3.2.4.1.4", kGauge32, kRO, "0..65535",
     ""},
    {"RADIUS Server Accounting Port Number", "1.3.6.1.4.1.99917.12.3.2.4.1.5", kGauge32, kRO,
     "0..65535", ""},
    {"RADIUS Server Timeout", "1.3.6.1.4.1.99917.12.3.2.4.1.7", kGauge32, kRO, "1..255", ""},
    {"RADIUS Server Retransmit", "1.3.6.1.4.1.99917.12.3.2.4.1.8", kGauge32, kRO, "1..255", ""},

    // Accounting control: interim updates every so many seconds (0: none, at least a minute,
    // at most a day), and whether sessions without a user name go unaccounted.
    {"RADIUS Accounting Update Interval", "1.3.6.1.4.1.99917.12.3.4.1", kGauge32, kRW,
     "0,60..86400", ""},
    {"RADIUS Accounting Suppress Null User Name", "1.3.6.1.4.1.99917.12.3.4.2", kInteger, kRW,
     "1,2", ""},
    // Services 1 network, 2 exec, 3 system; method 1 none, 2 RADIUS; mode 1 none, 2 start-stop,
    // 3 stop-only.
    {"RADIUS Accounting Service Index", "1.3.6.1.4.1.99917.12.3.4.3.1.1", kInteger, kNA, "1..3",
     ""},
    {"RADIUS Accounting Service Method", "1.3.6.1.4.1.99917.12.3.4.3.1.2", kInteger, kRW, "1,2",
     ""},
    {"RADIUS Accounting Service Mode", "1.3.6.1.4.1.99917.12.3.4.3.1.3", kInteger, kRW, "1..3", ""},

    // MAC-based authentication: the state, statistics, diagnostics and sessions of every
    // authenticated address on its port.
    {"PAE MAC Address", "1.3.6.1.4.1.99917.12.3.6.1.1.1", kMacAddress, kNA, "", ""},
    {"PAE Port Number", "1.3.6.1.4.1.99917.12.3.6.1.1.2", kInteger, kNA, "1..26", ""},
    {"Auth PAE State", "1.3.6.1.4.1.99917.12.3.6.1.1.3", kInteger, kRO, "1..9", ""},
    {"Auth Backend Auth State", "1.3.6.1.4.1.99917.12.3.6.1.1.4", kInteger, kRO, "1..7", ""},
    {"Auth Auth Controlled Port Status", "1.3.6.1.4.1.99917.12.3.6.1.1.5", kInteger, kRO, "1,2",
     ""},
    {"Auth Stats PAE MAC Address", "1.3.6.1.4.1.99917.12.3.6.2.1.1", kMacAddress, kNA, "", ""},
    {"Auth Stats PAE Port Number", "1.3.6.1.4.1.99917.12.3.6.2.1.2", kInteger, kNA, "1..26", ""},
    {"Auth Eapol Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.3", kCounter32, kRO, "", ""},
    {"Auth Eapol Frames TX", "1.3.6.1.4.1.99917.12.3.6.2.1.4", kCounter32, kRO, "", ""},
    {"Auth Eapol Start Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.5", kCounter32, kRO, "", ""},
    {"Auth Eapol Logoff Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.6", kCounter32, kRO, "", ""},
    {"Auth Eapol Response ID Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.7", kCounter32, kRO, "", ""},
    {"Auth Eapol Response Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.8", kCounter32, kRO, "", ""},
    {"Auth Eapol Request ID Frames TX", "1.3.6.1.4.1.99917.12.3.6.2.1.9", kCounter32, kRO, "", ""},
    {"Auth Eapol Request Frames TX", "1.3.6.1.4.1.99917.12.3.6.2.1.10", kCounter32, kRO, "", ""},
    {"Auth Invalid Eapol Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.11", kCounter32, kRO, "", ""},
    {"Auth Eapol Length Error Frames RX", "1.3.6.1.4.1.99917.12.3.6.2.1.12", kCounter32, kRO, "",
     ""},
    {"Auth Last Eapol Frame Version", "1.3.6.1.4.1.99917.12.3.6.2.1.13", kGauge32, kRO, "", ""},
    {"Auth Last Eapol Frame Source", "1.3.6.1.4.1.99917.12.3.6.2.1.14", kMacAddress, kRO, "", ""},
    {"Auth Diag PAE MAC Address", "1.3.6.1.4.1.99917.12.3.6.3.1.1", kMacAddress, kNA, "", ""},
    {"Auth Diag PAE Port Number", "1.3.6.1.4.1.99917.12.3.6.3.1.2", kInteger, kNA, "1..26", ""},
    {"Auth Enters Connecting", "1.3.6.1.4.1.99917.12.3.6.3.1.3", kCounter32, kRO, "", ""},
    {"Auth Eap Logoffs While Connecting", "1.3.6.1.4.1.99917.12.3.6.3.1.4", kCounter32, kRO, "",
     ""},
    {"Auth Enters Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.5", kCounter32, kRO, "", ""},
    {"Auth Success While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.6", kCounter32, kRO, "",
     ""},
    {"Auth Timeouts While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.7", kCounter32, kRO, "",
     ""},
    {"Auth Fail While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.8", kCounter32, kRO, "", ""},
    {"Auth Reauths While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.9", kCounter32, kRO, "",
     ""},
    {"Auth Eap Starts While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.10", kCounter32, kRO, "",
     ""},
    {"Auth Eap Logoff While Authenticating", "1.3.6.1.4.1.99917.12.3.6.3.1.11", kCounter32, kRO, "",
     ""},
    {"Auth Reauths While Authenticated", "1.3.6.1.4.1.99917.12.3.6.3.1.12", kCounter32, kRO, "",
     ""},
    {"Auth Eap Starts While Authenticated", "1.3.6.1.4.1.99917.12.3.6.3.1.13", kCounter32, kRO, "",
     ""},
    {"Auth Eap Logoff While Authenticated", "1.3.6.1.4.1.99917.12.3.6.3.1.14", kCounter32, kRO, "",
     ""},
    {"Auth Backend Responses", "1.3.6.1.4.1.99917.12.3.6.3.1.15", kCounter32, kRO, "", ""},
    {"Auth Backend Access Challenges", "1.3.6.1.4.1.99917.12.3.6.3.1.16", kCounter32, kRO, "", ""},
    {"Auth Backend Other Requests To Supplicant", "1.3.6.1.4.1.99917.12.3.6.3.1.17", kCounter32,
     kRO, "", ""},
    {"Auth Backend Non Nak Responses From Supplicant", "1.3.6.1.4.1.99917.12.3.6.3.1.18",
     kCounter32, kRO, "", ""},
    {"Auth Backend Auth Successes", "1.3.6.1.4.1.99917.12.3.6.3.1.19", kCounter32, kRO, "", ""},
    {"Auth Backend Auth Fails", "1.3.6.1.4.1.99917.12.3.6.3.1.20", kCounter32, kRO, "", ""},
    {"Auth Session Stats PAE MAC Address", "1.3.6.1.4.1.99917.12.3.6.4.1.1", kMacAddress, kNA, "",
     ""},
    {"Auth Session Stats PAE Port Number", "1.3.6.1.4.1.99917.12.3.6.4.1.2", kInteger, kNA, "", ""},
    {"MAC Auth Session Octets RX", "1.3.6.1.4.1.99917.12.3.6.4.1.3", kCounter64, kRO, "", ""},
    {"MAC Auth Session Octets TX", "1.3.6.1.4.1.99917.12.3.6.4.1.4", kCounter64, kRO, "", ""},
    {"MAC Auth Session Frames RX", "1.3.6.1.4.1.99917.12.3.6.4.1.5", kCounter32, kRO, "", ""},
    {"MAC Auth Session Frames TX", "1.3.6.1.4.1.99917.12.3.6.4.1.6", kCounter32, kRO, "", ""},
    {"MAC Auth Session ID", "1.3.6.1.4.1.99917.12.3.6.4.1.7", kDisplayString, kRO, "", ""},
    {"MAC Auth Session Authentic Method", "1.3.6.1.4.1.99917.12.3.6.4.1.8", kInteger, kRO, "1,2",
     ""},
    {"MAC Auth Session Time", "1.3.6.1.4.1.99917.12.3.6.4.1.9", kTimeTicks, kRO, "", ""},
    {"MAC Auth Session Terminate Cause", "1.3.6.1.4.1.99917.12.3.6.4.1.10", kInteger, kRO,
     "1..7,999", ""},
    {"MAC Auth Session User Name", "1.3.6.1.4.1.99917.12.3.6.4.1.11", kDisplayString, kRO, "", ""},

    // Forwarding of EAPOL frames when 802.1X is off, for the switch and per port: 1 enabled,
    // 2 disabled.
    {"Foward EAPOL PDU", "1.3.6.1.4.1.99917.12.3.10.1", kInteger, kRW, "1,2", ""},
    {"Foward EAPOL PDU On Port", "1.3.6.1.4.1.99917.12.3.10.3.1.1", kInteger, kRW, "1,2", ""},

    // The SSH server. Re-keying every 0 (never), 10, 30 or 60 minutes; the connection timeout
    // in seconds.
    {"SSH Version", "1.3.6.1.4.1.99917.12.6.1.1", kInteger, kRO, "", ""},
    {"SSH Admin", "1.3.6.1.4.1.99917.12.6.1.2", kInteger, kRW, "2,3", ""},
    {"SSH Max Auth Fail Attempts", "1.3.6.1.4.1.99917.12.6.1.3", kInteger, kRW, "1..99", ""},
    {"SSH Session Key Rekeying", "1.3.6.1.4.1.99917.12.6.1.4", kInteger, kRW, "0,10,30,60", ""},
    {"SSH Max Session", "1.3.6.1.4.1.99917.12.6.1.5", kInteger, kRW, "1..8", ""},
    {"SSH Connection Timeout", "1.3.6.1.4.1.99917.12.6.1.6", kInteger, kRW, "120..600", ""},
    {"SSH Listened Port", "1.3.6.1.4.1.99917.12.6.1.7", kInteger, kRO, "0..65535", ""},
    // The algorithms the SSH server offers, each one 2 (disabled) or 3 (enabled).
    {"Encryption Algorithm 3DES Admin", "1.3.6.1.4.1.99917.12.6.3.1.1", kInteger, kRW, "2,3", ""},
    {"Encryption Algorithm Blowfish Admin", "1.3.6.1.4.1.99917.12.6.3.1.2", kInteger, kRW, "2,3",
     ""},
    {"Encryption Algorithm AES128 Admin", "1.3.6.1.4.1.99917.12.6.3.1.3", kInteger, kRW, "2,3", ""},
    {"Encryption Algorithm AES192 Admin", "1.3.6.1.4.1.99917.12.6.3.1.4", kInteger, kRW, "2,3", ""},
    {"Encryption Algorithm AES256 Admin", "1.3.6.1.4.1.99917.12.6.3.1.5", kInteger, kRW, "2,3", ""},
    {"Encryption Algorithm Arcfour Admin", "1.3.6.1.4.1.99917.12.6.3.1.6", kInteger, kRW, "2,3",
     ""},
    {"Encryption Algorithm CAST28 Admin", "1.3.6.1.4.1.99917.12.6.3.1.7", kInteger, kRW, "2,3", ""},
    {"Encryption Algorithm Twofish128 Admin", "1.3.6.1.4.1.99917.12.6.3.1.8", kInteger, kRW, "2,3",
     ""},
    {"Encryption Algorithm Twofish192 Admin", "1.3.6.1.4.1.99917.12.6.3.1.9", kInteger, kRW, "2,3",
     ""},
    {"Encryption Algorithm Twofish256 Admin", "1.3.6.1.4.1.99917.12.6.3.1.10", kInteger, kRW, "2,3",
     ""},
    {"Password Admin", "1.3.6.1.4.1.99917.12.6.3.2.1", kInteger, kRW, "2,3", ""},
    {"Public Key Admin", "1.3.6.1.4.1.99917.12.6.3.2.2", kInteger, kRW, "2,3", ""},
    {"Host Key Admin", "1.3.6.1.4.1.99917.12.6.3.2.3", kInteger, kRW, "2,3", ""},
    {"Data Integrity Algorithm SHA1 Admin", "1.3.6.1.4.1.99917.12.6.3.3.1", kInteger, kRW, "2,3",
     ""},
    {"Data Integrity Algorithm MD5 Admin", "1.3.6.1.4.1.99917.12.6.3.3.2", kInteger, kRW, "2,3",
     ""},
    {"Public Key Algorithm RSA Admin", "1.3.6.1.4.1.99917.12.6.3.5.1", kInteger, kRW, "2,3", ""},
    {"Public Key Algorithm DSA Admin", "1.3.6.1.4.1.99917.12.6.3.5.2", kInteger, kRW, "2,3", ""},
    // The switch's accounts as SSH users: 1 host based, 2 password, 3 public key.
    {"SSH User Name", "1.3.6.1.4.1.99917.12.6.4.1.1.1", kDisplayString, kNA, "", ""},
    {"SSH User Authentication Mode", "1.3.6.1.4.1.99917.12.6.4.1.1.2", kInteger, kRW, "1,2,3", ""},
    {"SSH User Host Name", "1.3.6.1.4.1.99917.12.6.4.1.1.3", kDisplayString, kRW, "0..32", ""},
    {"SSH User HostIP Address", "1.3.6.1.4.1.99917.12.6.4.1.1.4", kIpAddress, kRW, "", ""},
};

const SeedValue kSeed[] = {
    // instance, value (in the text form of the object's syntax)

    {"1.0.8802.1.1.1.1.1.1.0", "1"},  // 802.1X enabled

    // Authentication Session Table, indexed by port; Counter64 values up to the largest
    // port 1: alice, still logged in through the RADIUS server
    {"1.0.8802.1.1.1.1.2.4.1.1.1", "8812345678901"},
    {"1.0.8802.1.1.1.1.2.4.1.2.1", "1234567890123"},
    {"1.0.8802.1.1.1.1.2.4.1.3.1", "81234"},
    {"1.0.8802.1.1.1.1.2.4.1.4.1", "79012"},
    {"1.0.8802.1.1.1.1.2.4.1.5.1", "0000000A"},
    {"1.0.8802.1.1.1.1.2.4.1.6.1", "1"},
    {"1.0.8802.1.1.1.1.2.4.1.7.1", "360000"},
    {"1.0.8802.1.1.1.1.2.4.1.8.1", "999"},
    {"1.0.8802.1.1.1.1.2.4.1.9.1", "alice"},
    // port 2: bob, logged off
    {"1.0.8802.1.1.1.1.2.4.1.1.2", "4294967296"},
    {"1.0.8802.1.1.1.1.2.4.1.2.2", "17"},
    {"1.0.8802.1.1.1.1.2.4.1.3.2", "3"},
    {"1.0.8802.1.1.1.1.2.4.1.4.2", "2"},
    {"1.0.8802.1.1.1.1.2.4.1.5.2", "0000000B"},
    {"1.0.8802.1.1.1.1.2.4.1.6.2", "2"},
    {"1.0.8802.1.1.1.1.2.4.1.7.2", "12000"},
    {"1.0.8802.1.1.1.1.2.4.1.8.2", "1"},
    {"1.0.8802.1.1.1.1.2.4.1.9.2", "bob"},
    // port 5: ended when the port was forced authorized
    {"1.0.8802.1.1.1.1.2.4.1.1.5", "18446744073709551615"},
    {"1.0.8802.1.1.1.1.2.4.1.2.5", "0"},
    {"1.0.8802.1.1.1.1.2.4.1.3.5", "0"},
    {"1.0.8802.1.1.1.1.2.4.1.4.5", "0"},
    {"1.0.8802.1.1.1.1.2.4.1.5.5", "0000000C"},
    {"1.0.8802.1.1.1.1.2.4.1.6.5", "1"},
    {"1.0.8802.1.1.1.1.2.4.1.7.5", "0"},
    {"1.0.8802.1.1.1.1.2.4.1.8.5", "7"},
    {"1.0.8802.1.1.1.1.2.4.1.9.5", ""},

    {"1.3.6.1.2.1.67.1.2.1.1.1.0", "2"},
    {"1.3.6.1.2.1.67.1.2.1.1.2.0", "NX-596"},
    {"1.3.6.1.2.1.67.2.2.1.1.1.0", "0"},
    {"1.3.6.1.2.1.67.2.2.1.1.2.0", "NX-596"},

    {"1.3.6.1.4.1.99917.12.3.1.1.0", "4"},  // RADIUS EAP
    {"1.3.6.1.4.1.99917.12.3.1.2.0", "1"},  // port based

    // RADIUS Server Table: the three servers of the client tables
    {"1.3.6.1.4.1.99917.12.3.2.4.1.2.1", "10.90.90.10"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.4.1", "1812"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.5.1", "1813"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.7.1", "5"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.8.1", "2"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.2.2", "10.90.90.11"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.4.2", "1812"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.5.2", "1813"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.7.2", "5"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.8.2", "2"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.2.3", "192.168.20.5"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.4.3", "1645"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.5.3", "1646"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.7.3", "10"},
    {"1.3.6.1.4.1.99917.12.3.2.4.1.8.3", "3"},

    {"1.3.6.1.4.1.99917.12.3.4.1.0", "600"},
    {"1.3.6.1.4.1.99917.12.3.4.2.0", "2"},
    // RADIUS Accounting Service Table: network and exec sessions are accounted, the system not
    {"1.3.6.1.4.1.99917.12.3.4.3.1.2.1", "2"},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.3.1", "2"},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.2.2", "2"},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.3.2", "3"},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.2.3", "1"},
    {"1.3.6.1.4.1.99917.12.3.4.3.1.3.3", "1"},

    // MAC-based authentication, indexed by MAC address and port: 00:1C:F0:AA:00:01 is
    // authenticated on port 4; 00:1C:F0:AA:00:02 logged off port 9, which has lost its link.
    {"1.3.6.1.4.1.99917.12.3.6.1.1.3.0.28.240.170.0.1.4", "5"},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.4.0.28.240.170.0.1.4", "6"},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.5.0.28.240.170.0.1.4", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.3.0.28.240.170.0.2.9", "2"},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.4.0.28.240.170.0.2.9", "6"},
    {"1.3.6.1.4.1.99917.12.3.6.1.1.5.0.28.240.170.0.2.9", "2"},
    // statistics
    {"1.3.6.1.4.1.99917.12.3.6.2.1.3.0.28.240.170.0.1.4", "64"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.4.0.28.240.170.0.1.4", "66"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.5.0.28.240.170.0.1.4", "2"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.6.0.28.240.170.0.1.4", "0"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.7.0.28.240.170.0.1.4", "3"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.8.0.28.240.170.0.1.4", "59"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.9.0.28.240.170.0.1.4", "4"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.10.0.28.240.170.0.1.4", "62"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.11.0.28.240.170.0.1.4", "0"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.12.0.28.240.170.0.1.4", "0"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.13.0.28.240.170.0.1.4", "2"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.14.0.28.240.170.0.1.4", "00:1C:F0:AA:00:01"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.3.0.28.240.170.0.2.9", "21"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.4.0.28.240.170.0.2.9", "24"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.5.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.6.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.7.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.8.0.28.240.170.0.2.9", "18"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.9.0.28.240.170.0.2.9", "5"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.10.0.28.240.170.0.2.9", "19"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.11.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.12.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.13.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.2.1.14.0.28.240.170.0.2.9", "00:1C:F0:AA:00:02"},

    // MAC Auth Session Stats Table
    // 00:1C:F0:AA:00:01, port 4
    {"1.3.6.1.4.1.99917.12.3.6.4.1.3.0.28.240.170.0.1.4", "77001"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.4.0.28.240.170.0.1.4", "66002"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.5.0.28.240.170.0.1.4", "512"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.6.0.28.240.170.0.1.4", "498"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.7.0.28.240.170.0.1.4", "00000021"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.8.0.28.240.170.0.1.4", "2"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.9.0.28.240.170.0.1.4", "90000"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.10.0.28.240.170.0.1.4", "999"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.11.0.28.240.170.0.1.4", "guest1"},
    // 00:1C:F0:AA:00:02, port 9
    {"1.3.6.1.4.1.99917.12.3.6.4.1.3.0.28.240.170.0.2.9", "5000000000"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.4.0.28.240.170.0.2.9", "123"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.5.0.28.240.170.0.2.9", "9"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.6.0.28.240.170.0.2.9", "8"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.7.0.28.240.170.0.2.9", "00000022"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.8.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.9.0.28.240.170.0.2.9", "3000"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.10.0.28.240.170.0.2.9", "1"},
    {"1.3.6.1.4.1.99917.12.3.6.4.1.11.0.28.240.170.0.2.9", "guest2"},

    {"1.3.6.1.4.1.99917.12.3.10.1.0", "2"},

    {"1.3.6.1.4.1.99917.12.6.1.1.0", "2"},
    {"1.3.6.1.4.1.99917.12.6.1.2.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.1.3.0", "2"},
    {"1.3.6.1.4.1.99917.12.6.1.4.0", "0"},
    {"1.3.6.1.4.1.99917.12.6.1.5.0", "8"},
    {"1.3.6.1.4.1.99917.12.6.1.6.0", "120"},
    {"1.3.6.1.4.1.99917.12.6.1.7.0", "22"},
    // Everything is offered but the old and weak: Arcfour, CAST and MD5.
    {"1.3.6.1.4.1.99917.12.6.3.1.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.2.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.3.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.4.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.5.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.6.0", "2"},
    {"1.3.6.1.4.1.99917.12.6.3.1.7.0", "2"},
    {"1.3.6.1.4.1.99917.12.6.3.1.8.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.9.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.1.10.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.2.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.2.2.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.2.3.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.3.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.3.2.0", "2"},
    {"1.3.6.1.4.1.99917.12.6.3.5.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.6.3.5.2.0", "3"},

    // SSH User Management, indexed by the user name (length first)
    // "admin"
    {"1.3.6.1.4.1.99917.12.6.4.1.1.2.5.97.100.109.105.110", "2"},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.3.5.97.100.109.105.110", ""},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.4.5.97.100.109.105.110", "0.0.0.0"},
    // "backup"
    {"1.3.6.1.4.1.99917.12.6.4.1.1.2.6.98.97.99.107.117.112", "3"},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.3.6.98.97.99.107.117.112", ""},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.4.6.98.97.99.107.117.112", "0.0.0.0"},
    // "ops"
    {"1.3.6.1.4.1.99917.12.6.4.1.1.2.3.111.112.115", "1"},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.3.3.111.112.115", "nms.example.net"},
    {"1.3.6.1.4.1.99917.12.6.4.1.1.4.3.111.112.115", "10.90.90.2"},
};

// Writing true starts the work on the port at once; the object then reads false again.
const ActionDefinition kActions[] = {
    {"Initialize PAE Port", "1.0.8802.1.1.1.1.1.2.1.4", "1", "", ActionEffect::kNone, "", "", 2},
    {"Reauthenticate PAE Port", "1.0.8802.1.1.1.1.1.2.1.5", "1", "", ActionEffect::kNone, "", "",
     2},
};

// How 802.1X treats a port. Ports 1 and 2 are controlled: alice is authenticated on port 1,
// bob has logged off port 2, which asks for a new supplicant. The other ports are forced
// authorized; those without a link rest in the initialize state.
struct PaePort {
  std::int64_t paeState;      // 1 initialize, 3 connecting, 5 authenticated, 8 forceAuth
  std::int64_t backendState;  // 6 idle, 7 initialize
  std::int64_t portStatus;    // 1 authorized, 2 unauthorized
  std::int64_t portControl;   // 2 auto, 3 forceAuthorized
};

PaePort PaeOf(std::uint32_t port) {
  if (port == 1) return {5, 6, 1, 2};
  if (port == 2) return {3, 6, 2, 2};
  if (port <= kLinkedPorts) return {8, 6, 1, 3};
  return {1, 7, 2, 3};
}

// The EAPOL statistics (columns 1-10) and the state machine diagnostics (columns 1-18) of the
// two controlled ports; the other ports have exchanged no EAPOL frame.
constexpr std::array<std::uint64_t, 10> kStatsPort1 = {1428, 1432, 12, 0, 14, 1402, 16, 1416, 0, 0};
constexpr std::array<std::uint64_t, 10> kStatsPort2 = {206, 332, 3, 1, 4, 198, 130, 202, 1, 0};
constexpr std::array<std::uint64_t, 18> kDiagPort1 = {14, 0, 14, 13, 1,  0,  0,  0,  0,
                                                      12, 0, 0,  28, 26, 26, 26, 13, 0};
constexpr std::array<std::uint64_t, 18> kDiagPort2 = {135, 0, 4, 3, 0, 1, 0, 0, 0,
                                                      0,   0, 1, 8, 6, 6, 6, 3, 1};

void PaeRows(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const PaePort pae = PaeOf(port);
  row.Cell(kPaePortEntry, 2, index, Counter(2));     // 802.1X-2004
  row.Cell(kPaePortEntry, 3, index, Bytes({0x80}));  // authenticator only
  row.Cell(kPaePortEntry, 4, index, Integer(2));
  row.Cell(kPaePortEntry, 5, index, Integer(2));

  row.Cell(kAuthConfigEntry, 1, index, Integer(pae.paeState));
  row.Cell(kAuthConfigEntry, 2, index, Integer(pae.backendState));
  row.Cell(kAuthConfigEntry, 3, index, Integer(0));  // both directions
  row.Cell(kAuthConfigEntry, 4, index, Integer(0));
  row.Cell(kAuthConfigEntry, 5, index, Integer(pae.portStatus));
  row.Cell(kAuthConfigEntry, 6, index, Integer(pae.portControl));
  // The standard's timers; port 1 re-authenticates its supplicant every hour.
  row.Cell(kAuthConfigEntry, 7, index, Counter(60));
  row.Cell(kAuthConfigEntry, 8, index, Counter(30));
  row.Cell(kAuthConfigEntry, 9, index, Counter(30));
  row.Cell(kAuthConfigEntry, 10, index, Counter(30));
  row.Cell(kAuthConfigEntry, 11, index, Counter(2));
  row.Cell(kAuthConfigEntry, 12, index, Counter(3600));
  row.Cell(kAuthConfigEntry, 13, index, Integer(port == 1 ? 1 : 2));
  row.Cell(kAuthConfigEntry, 14, index, Integer(2));

  const std::array<std::uint64_t, 10> noStats{};
  const std::array<std::uint64_t, 18> noDiag{};
  const auto& stats = port == 1 ? kStatsPort1 : port == 2 ? kStatsPort2 : noStats;
  const auto& diag = port == 1 ? kDiagPort1 : port == 2 ? kDiagPort2 : noDiag;
  for (std::uint32_t column = 1; column <= stats.size(); ++column)
    row.Cell(kAuthStatsEntry, column, index, Counter(stats[column - 1]));
  row.Cell(kAuthStatsEntry, 11, index, Counter(port <= 2 ? 2 : 0));
  row.Cell(kAuthStatsEntry, 12, index,
           port <= 2 ? Bytes({0x00, 0x1C, 0xF0, 0xAA, 0x10, static_cast<std::uint8_t>(port)})
                     : Bytes({0, 0, 0, 0, 0, 0}));
  for (std::uint32_t column = 1; column <= diag.size(); ++column)
    row.Cell(kAuthDiagEntry, column, index, Counter(diag[column - 1]));

  // Only the uplinks pass EAPOL frames on when 802.1X is off.
  row.Cell(kForwardEapolPortEntry, 1, index, Integer(port > kFrontPorts ? 1 : 2));
}

// The diagnostics of the two MAC-authenticated addresses, columns 3-20.
constexpr std::array<std::uint64_t, 18> kMacDiagAuthenticated = {4, 0, 4, 3, 1, 0, 0, 0, 0,
                                                                 2, 0, 0, 8, 6, 6, 6, 3, 0};
constexpr std::array<std::uint64_t, 18> kMacDiagLoggedOff = {5, 1, 2, 1, 0, 1, 0, 0, 0,
                                                             0, 0, 1, 4, 2, 2, 2, 1, 1};

void MacDiagRows(RowWriter& row) {
  constexpr const char* kMacDiagEntry = "1.3.6.1.4.1.99917.12.3.6.3.1";
  const Oid authenticated = {0, 28, 240, 170, 0, 1, 4};  // 00:1C:F0:AA:00:01, port 4
  const Oid loggedOff = {0, 28, 240, 170, 0, 2, 9};      // 00:1C:F0:AA:00:02, port 9
  for (std::uint32_t k = 0; k < kMacDiagAuthenticated.size(); ++k) {
    row.Cell(kMacDiagEntry, 3 + k, authenticated, Counter(kMacDiagAuthenticated[k]));
    row.Cell(kMacDiagEntry, 3 + k, loggedOff, Counter(kMacDiagLoggedOff[k]));
  }
}

// The RADIUS servers of both clients: the first answers every request, the second and third
// stand by and have seen none. The counters of each server in column order from the round trip
// time (column 4) on.
struct RadiusServer {
  std::uint32_t index;
  std::array<std::uint8_t, 4> address;
  std::int64_t authPort, accountingPort;
  std::array<std::uint64_t, 12> authCounters;
  std::array<std::uint64_t, 10> accountingCounters;
};

const RadiusServer kRadiusServers[] = {
    {1,
     {10, 90, 90, 10},
     1812,
     1813,
     {12, 4211, 37, 1890, 150, 2120, 0, 2, 1, 44, 0, 3},
     {9, 2875, 21, 2850, 0, 0, 0, 25, 0, 0}},
    {2, {10, 90, 90, 11}, 1812, 1813, {}, {}},
    {3, {192, 168, 20, 5}, 1645, 1646, {}, {}},
};

void RadiusServerRows(RowWriter& row, const RadiusServer& server) {
  constexpr const char* kAuthServerEntry = "1.3.6.1.2.1.67.1.2.1.1.3.1";
  constexpr const char* kAccountingServerEntry = "1.3.6.1.2.1.67.2.2.1.1.3.1";
  const Oid index = {server.index};
  const auto& [a, b, c, d] = server.address;
  row.Cell(kAuthServerEntry, 2, index, Bytes({a, b, c, d}));
  row.Cell(kAuthServerEntry, 3, index, Integer(server.authPort));
  for (std::uint32_t k = 0; k < server.authCounters.size(); ++k)
    row.Cell(kAuthServerEntry, 4 + k, index, Counter(server.authCounters[k]));
  row.Cell(kAccountingServerEntry, 2, index, Bytes({a, b, c, d}));
  row.Cell(kAccountingServerEntry, 3, index, Integer(server.accountingPort));
  for (std::uint32_t k = 0; k < server.accountingCounters.size(); ++k)
    row.Cell(kAccountingServerEntry, 4 + k, index, Counter(server.accountingCounters[k]));
}

}  // namespace

DevicePart SecurityPart() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) PaeRows(row, port);
  MacDiagRows(row);
  for (const RadiusServer& server : kRadiusServers) RadiusServerRows(row, server);
  return {kSubtrees, kTables, kObjects, kSeed, kActions, std::move(rows)};
}

}  // namespace nx596
