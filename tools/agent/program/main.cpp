// nx596-agent: a simulated NX-596 switch. A real SNMP agent on net-snmp's agent library whose
// standard SNMPv3 MIBs and system group are net-snmp's own, and whose device MIBs come from the
// device model. It runs as a normal user on a loopback port and touches no net-snmp file of the
// user or the system: its configuration comes from code, its persistent state lives in the
// state directory.

#include "AgentConfig.h"
#include "AgentOptions.h"
#include "CommunityAccess.h"
#include "DeviceModel.h"
#include "DeviceParts.h"
#include "DeviceSeed.h"
#include "FrontPanel.h"
#include "LiveTraffic.h"
#include "Misbehaviour.h"
#include "HiddenObjects.h"
#include "ModelHandler.h"
#include "NetSnmp.h"
#include "RequestTrace.h"
#include "SeedFiltering.h"
#include "StandardSeed.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

// net-snmp's agent keeps its listening session here; the headers do not declare it.
extern "C" {
extern netsnmp_session* main_session;
}

// net-snmp's standard MIB modules have no installed headers.
extern "C" {
void init_system_mib(void);
void init_sysORTable(void);
void init_snmp_mib(void);
void init_setSerialNo(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_usmUser(void);
void init_usmStats(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
void shutdown_usmStats(void);
void shutdown_snmpMPDStats(void);
void shutdown_sysORTable(void);
void shutdown_snmpTargetAddrEntry(void);
void shutdown_snmpTargetParamsEntry(void);
void shutdown_snmpNotifyTable(void);
void shutdown_snmpNotifyFilterProfileTable(void);
void shutdown_snmpNotifyFilterTable(void);
}

#if defined(__SANITIZE_ADDRESS__)
// net-snmp's notification filter module does not free the rows read from the configuration when
// it shuts down (its own bookkeeping says "count -1, not 0"): a leak of the library at exit, not
// of ours, which would otherwise fail every test that stops the agent in a sanitizer build.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:snmpNotifyFilterTable_allocate_rowreq_ctx\n";
}
#endif

namespace {

constexpr const char* kAppName = "nx596-agent";

volatile std::sig_atomic_t gStopRequested = 0;

void OnStopSignal(int) {
  gStopRequested = 1;
}

void InstallSignalHandlers() {
  struct sigaction action = {};
  action.sa_handler = &OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: the agent's select must return to see the request
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// The directory net-snmp keeps engine boots and engine ID in. A temporary one is removed at
// exit; one given on the command line stays for the next start.
class StateDirectory {
 public:
  explicit StateDirectory(const std::string& requested) {
    if (requested.empty()) {
      std::string pattern =
          (std::filesystem::temp_directory_path() / "nx596-agent-XXXXXX").string();
      if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
      path_ = pattern;
      temporary_ = true;
    } else {
      path_ = std::filesystem::absolute(requested);
      std::filesystem::create_directories(path_);
    }
    // An empty directory of our own as net-snmp's configuration path, so that it finds no
    // configuration file anywhere.
    std::filesystem::create_directories(ConfigPath());
  }
  ~StateDirectory() {
    std::error_code ignored;
    if (temporary_) std::filesystem::remove_all(path_, ignored);
  }
  StateDirectory(const StateDirectory&) = delete;
  StateDirectory& operator=(const StateDirectory&) = delete;

  std::string Path() const { return path_.string(); }
  std::string ConfigPath() const { return (path_ / "config").string(); }

 private:
  std::filesystem::path path_;
  bool temporary_ = false;
};

// Keeps net-snmp away from every file and directory it would otherwise consult.
void IsolateNetSnmp(const StateDirectory& state, const nx596::AgentOptions& options) {
  for (const char* variable :
       {"SNMPCONFPATH", "SNMP_PERSISTENT_DIR", "SNMP_PERSISTENT_FILE", "SNMPD_PERSISTENT_DIR"}) {
    unsetenv(variable);
  }
  setenv("MIBS", "", 1);
  setenv("MIBDIRS", state.ConfigPath().c_str(), 1);
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, state.Path().c_str());
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR,
                        state.ConfigPath().c_str());
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, state.ConfigPath().c_str());

  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);  // master
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS,
                         1);
  const std::string address = "udp:127.0.0.1:" + std::to_string(options.port);
  netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, address.c_str());
}

void InitStandardModules() {
  init_system_mib();
  init_sysORTable();
  init_snmp_mib();
  init_setSerialNo();
  init_vacm_vars();
  init_vacm_context();
  init_usmUser();
  init_usmStats();
  init_snmpEngine();
  init_snmpMPDStats();
  init_snmpTargetAddrEntry();
  init_snmpTargetParamsEntry();
  init_target_counters();
  init_snmpNotifyTable();
  init_snmpNotifyFilterProfileTable();
  init_snmpNotifyFilterTable();
}

void ShutdownStandardModules() {
  shutdown_snmpNotifyFilterTable();
  shutdown_snmpTargetParamsEntry();
  shutdown_snmpTargetAddrEntry();
  shutdown_snmpMPDStats();
  shutdown_usmStats();
  shutdown_sysORTable();
}

std::unique_ptr<nx596::DeviceModel> BuildModel(std::uint32_t fdbRows, std::uint32_t vlans) {
  std::unique_ptr<nx596::DeviceModel> model = nx596::ModelOfParts(nx596::DeviceParts());
  for (auto& [instance, value] : nx596::ForwardingRows(fdbRows)) {
    model->Insert(instance, std::move(value));
  }
  // What follows the VLANs (current table, router ports, counts) follows the added ones too.
  for (auto& [instance, value] : nx596::ExtraVlanRows(vlans)) {
    model->Insert(instance, std::move(value));
  }
  model->SettleRules();
  return model;
}

std::string LocalEngineId() {
  u_char engineId[SNMP_MAXBUF_SMALL];
  size_t length = snmpv3_get_engineID(engineId, sizeof engineId);
  return std::string(reinterpret_cast<const char*>(engineId), length);
}

// The community table names the engine that serves each community, which is this agent's; a
// row created later names it too unless the request says otherwise.
void FillEngineId(nx596::DeviceModel& model, const std::string& engineId) {
  if (engineId.empty()) return;
  const auto column = *nx596::ParseOid(nx596::kCommunityContextEngineIdColumn);
  for (const auto* cell = model.Next(column, false, column); cell;
       cell = model.Next(cell->first, false, column)) {
    model.Assign(cell->first, engineId);
  }
  model.SetInitial(column, engineId);
}

// The modules in the uplink slots and a fixed LED value replace what the device was seeded
// with. The LED value may be shorter or longer than the real panel's on purpose: tests read
// LEDs beyond the value's end.
void ApplyFrontPanelOptions(nx596::DeviceModel& model, const nx596::AgentOptions& options) {
  const std::uint32_t slots[] = {options.slot1, options.slot2};
  for (std::size_t k = 0; k < 2; ++k) {
    if (!model.Assign(*nx596::ParseOid(nx596::kSlotTypeInstances[k]), std::int64_t{slots[k]})) {
      throw std::invalid_argument(std::string("no module type at ") + nx596::kSlotTypeInstances[k]);
    }
  }
  if (!options.ledsHex) return;
  auto leds = nx596::ParseValue(nx596::Syntax::kOctetString, *options.ledsHex);
  if (!leds || !model.Assign(*nx596::ParseOid(nx596::kFrontPanelLedStatusInstance), std::move(*leds))) {
    throw std::invalid_argument("--leds: cannot set the LED value");
  }
}

void ApplyOctetsOptions(nx596::DeviceModel& model, const nx596::AgentOptions& options) {
  for (const auto& [instance, hex] : options.octets) {
    auto oid = nx596::ParseOid(instance);
    auto bytes = nx596::ParseValue(nx596::Syntax::kOctetString, hex);
    if (!oid || !bytes || !model.Assign(*oid, std::move(*bytes)))
      throw std::invalid_argument("--octets: no octet-string instance " + instance);
  }
}

std::optional<int> BoundPort(netsnmp_session* session) {
  netsnmp_transport* transport =
      session ? snmp_sess_transport(snmp_sess_pointer(session)) : nullptr;
  if (!transport) return std::nullopt;
  sockaddr_in address = {};
  socklen_t length = sizeof address;
  if (getsockname(transport->sock, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return std::nullopt;
  }
  return ntohs(address.sin_port);
}

nx596::GateSettings GateSettingsOf(const nx596::AgentOptions& options) {
  nx596::GateSettings settings;
  settings.traceFile = options.traceFile;
  settings.delayMs = options.delayMs;
  settings.dropEvery = options.dropEvery;
  settings.refuseBulk = options.refuseBulk;
  return settings;
}

nx596::LiveTrafficSettings LiveTrafficSettingsOf(const nx596::AgentOptions& options) {
  nx596::LiveTrafficSettings settings;
  settings.slotTypes[0] = options.slot1;
  settings.slotTypes[1] = options.slot2;
  settings.countersNearWrap = options.countersNearWrap;
  return settings;
}

// Wakes the agent's select regularly, so that a stop signal that arrives just before it blocks
// is still seen at once.
void Tick(unsigned int, void*) {}

int Run(const nx596::AgentOptions& options) {
  std::unique_ptr<nx596::DeviceModel> model;
  try {
    model = BuildModel(options.fdbRows, options.vlans);
    ApplyFrontPanelOptions(*model, options);
    ApplyOctetsOptions(*model, options);
  } catch (const std::exception& error) {
    std::cerr << "nx596-agent: device data: " << error.what() << "\n";
    return 1;
  }
  std::optional<StateDirectory> state;
  try {
    state.emplace(options.stateDir);
  } catch (const std::exception& error) {
    std::cerr << "nx596-agent: state directory: " << error.what() << "\n";
    return 1;
  }
  // The communities the agent accepts follow its community table once net-snmp is set up.
  std::optional<nx596::CommunityAccess> communities;
  nx596::RequestGate gate(GateSettingsOf(options), [&communities](const std::string& community) {
    return communities && communities->Accepts(community);
  });
  std::string traceError;
  if (!gate.OpenTrace(traceError)) {
    std::cerr << "nx596-agent: " << traceError << "\n";
    return 1;
  }

  // Warnings and errors only: net-snmp's notices (directories it creates in the state
  // directory and the like) are no news for whoever started the agent.
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
  IsolateNetSnmp(*state, options);
  for (auto& line : nx596::AgentConfigLines(options)) netsnmp_config_remember(line.data());

  // The SMUX sub-agent protocol would listen on a port of its own.
  char noSmux[] = "-smux";
  add_to_init_list(noSmux);
  init_agent(kAppName);
  InitStandardModules();
  int status = 0;
  {
    nx596::ModelHandler handler(*model);
    nx596::Misbehaviour misbehaviour(options.misbehave);
    bool registered = true;
    for (const char* subtree : nx596::AllSubtrees(nx596::DeviceParts())) {
      auto root = *nx596::ParseOid(subtree);
      registered =
          registered && handler.Register(root, "") && handler.Register(root, nx596::kDeviceContext);
    }
    // After the model and net-snmp's own modules: each hidden OID goes ahead of whoever serves it.
    nx596::HiddenObjects hidden;
    handler.SetHidden(options.without);
    for (const nx596::Oid& object : options.without)
      registered = registered && hidden.Hide(object, "") && hidden.Hide(object, nx596::kDeviceContext);
    init_snmp(kAppName);
    std::optional<int> port;
    if (registered && init_master_agent() == 0) port = BoundPort(main_session);
    if (!registered) {
      std::cerr << "nx596-agent: cannot register the device subtrees\n";
      status = 1;
    } else if (!port || !gate.Install(main_session)) {
      std::cerr << "nx596-agent: cannot listen on udp:127.0.0.1:" << options.port << "\n";
      status = 1;
    } else if (!misbehaviour.Install(main_session, options.misbehaveControl)) {
      std::cerr << "nx596-agent: cannot take over the answers' way out\n";
      status = 1;
    } else {
      gate.WatchRequests(
          [&misbehaviour](const netsnmp_pdu& request) { misbehaviour.NoteRequest(request); });
      FillEngineId(*model, LocalEngineId());
      communities.emplace(*model, LocalEngineId());
      // Engine boots and engine ID are on disk before the first request, so even a killed
      // agent starts the next time with more boots and the same engine.
      snmp_store(kAppName);
      std::printf("READY %d\n", *port);
      std::fflush(stdout);

      timeval period = {0, 100 * 1000};
      unsigned int tick = snmp_alarm_register_hr(period, SA_REPEAT, &Tick, nullptr);
      std::optional<nx596::LiveTraffic> live;
      if (options.ledsLive) {
        live.emplace(*model, LiveTrafficSettingsOf(options));
        gate.BeforeEachRequest([&live] { live->BeginRequest(); });
        handler.SetLiveValues(
            [&live](const nx596::Oid& instance) { return live->ValueOf(instance); });
      }
      while (!gStopRequested) agent_check_and_process(1);
      handler.SetLiveValues(nullptr);
      gate.BeforeEachRequest(nullptr);
      live.reset();
      snmp_alarm_unregister(tick);
      // net-snmp frees what it holds of the communities when it shuts down.
      communities.reset();
    }
    gate.WatchRequests(nullptr);
    misbehaviour.Uninstall();
    gate.Uninstall();
    hidden.UnhideAll();
    handler.UnregisterAll();
  }
  snmp_shutdown(kAppName);
  ShutdownStandardModules();
  shutdown_master_agent();
  shutdown_agent();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  auto parsed = nx596::ParseAgentOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    if (parsed.error.empty()) {
      std::cout << nx596::AgentUsage();
      return 0;
    }
    std::cerr << "nx596-agent: " << parsed.error << "\n" << nx596::AgentUsage();
    return 2;
  }
  InstallSignalHandlers();
  return Run(*parsed.options);
}
