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
// that reaches it is left unanswered, so the agent moves on to the next registered subtree; a
// set is refused as not writable (noSuchName over SNMPv1).
//
// A module may answer a get-next with the next object of its whole table, past the range the
// agent asked it for and into a hidden one. So a filter is put at the head of the handlers of
// the module that serves each hidden OID: such an answer is sent round again, from beyond the
// hidden subtree.
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
  static int Filter(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                    netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
  // Puts the filter in front of the handlers of whoever serves `object` now.
  void FilterServerOf(const Oid& object, const std::string& context);
  bool IsHidden(const oid* name, std::size_t length, Oid& hidden) const;

  std::vector<Oid> hidden_;
  std::vector<netsnmp_handler_registration*> filtered_;
  // Cleared when the objects are shown again: a filter left in a module's chain passes all.
  std::shared_ptr<bool> active_ = std::make_shared<bool>(true);

  struct Registration {
    Oid object;
    std::string name;
    netsnmp_handler_registration* reginfo = nullptr;
  };
  std::vector<std::unique_ptr<Registration>> registrations_;
};

}  // namespace nx596
