#pragma once

#include "MibValue.h"
#include "NetSnmp.h"

#include <memory>
#include <string>
#include <vector>

// Objects the simulated switch does not have, as a firmware that lacks them: whichever module
// serves them (the device model or net-snmp's own MIB modules), a registration of each hidden
// OID takes precedence over it. A get of a hidden object is answered "no such object" ("no such
// instance" for a hidden instance; SNMPv1's noSuchName, which net-snmp makes of both); a get-next
// is left unanswered, so the agent moves on to the next registered subtree, past the hidden one;
// a set is refused as not writable (noSuchName over SNMPv1).
namespace nx596 {

class HiddenObjects {
 public:
  HiddenObjects() = default;
  ~HiddenObjects();
  HiddenObjects(const HiddenObjects&) = delete;
  HiddenObjects& operator=(const HiddenObjects&) = delete;

  // Hides `object` in `context` ("" is the default context); false when net-snmp refuses.
  bool Hide(const Oid& object, const std::string& context);
  void UnhideAll();

 private:
  static int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                    netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);

  struct Registration {
    Oid object;
    std::string name;
    netsnmp_handler_registration* reginfo = nullptr;
  };
  std::vector<std::unique_ptr<Registration>> registrations_;
};

}  // namespace nx596
