#pragma once

#include "DeviceModel.h"
#include "NetSnmp.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Serves the device model through net-snmp's agent: one handler registration per subtree and
// context, which answers GET and GETNEXT from the model (GETBULK arrives as GETNEXTs) and runs
// SETs through net-snmp's phases so that a request changes all of its varbinds or none.
namespace nx596 {

class ModelHandler {
 public:
  explicit ModelHandler(DeviceModel& model);
  ~ModelHandler();
  ModelHandler(const ModelHandler&) = delete;
  ModelHandler& operator=(const ModelHandler&) = delete;

  // Registers the subtree in the context ("" is the default context); false when net-snmp
  // refuses, for example because another module holds the subtree.
  bool Register(const Oid& subtree, const std::string& context);
  void UnregisterAll();

  // Values computed at the moment they are read (counters that follow the traffic): asked for
  // every instance the model holds before its value goes out; nullopt sends the stored value.
  using LiveValues = std::function<std::optional<Value>(const Oid& instance)>;
  void SetLiveValues(LiveValues live) { live_ = std::move(live); }

  // Objects the switch lacks (HiddenObjects answers their gets and sets): a walk passes them by.
  // The model answers a get-next with the next object of its whole subtree, beyond the range
  // net-snmp asked it for, so it must skip them itself.
  void SetHidden(std::vector<Oid> hidden) { hidden_ = std::move(hidden); }

 private:
  struct Registration {
    ModelHandler* owner;
    Oid subtree;
    std::string name;
    netsnmp_handler_registration* reginfo = nullptr;
  };

  static int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                    netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
  void Get(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
  void GetNext(const Registration& registration, netsnmp_request_info* requests);
  void Set(const Registration& registration, netsnmp_agent_request_info* reqinfo,
           netsnmp_request_info* requests);
  void Answer(netsnmp_variable_list* varbind, const Oid& instance, const DeviceModel::Cell& cell);
  // The hidden subtree an answer lies in, or the end.
  std::vector<Oid>::const_iterator HiddenAbove(
      const std::pair<const Oid, DeviceModel::Cell>* next) const;

  DeviceModel& model_;
  LiveValues live_;
  std::vector<Oid> hidden_;
  std::vector<std::unique_ptr<Registration>> registrations_;
};

}  // namespace nx596
