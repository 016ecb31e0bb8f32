#pragma once

#include "CommunityTable.h"
#include "DeviceModel.h"

#include <string>
#include <utility>
#include <vector>

struct com2SecEntry_s;

// Keeps the communities net-snmp accepts for SNMPv1 and SNMPv2c equal to the active rows of the
// device's community table: the table is the only source of them. Every change to the table
// through a SET (and the undo of one) takes effect before the next request is read; a row
// destroyed or taken out of service refuses its community from then on.
namespace nx596 {

class CommunityAccess {
 public:
  // Starts serving the table's communities; net-snmp's configuration must be read by then
  // (reading it again would drop them). `engineId` is this agent's: rows that name another
  // engine are not for this one.
  CommunityAccess(DeviceModel& model, std::string engineId);
  // Takes every community away again; must run before net-snmp shuts down.
  ~CommunityAccess();
  CommunityAccess(const CommunityAccess&) = delete;
  CommunityAccess& operator=(const CommunityAccess&) = delete;

  // Whether a request carrying the community gets past authentication.
  bool Accepts(const std::string& community) const;

 private:
  void Synchronise();

  DeviceModel& model_;
  std::string engineId_;
  std::size_t watch_ = 0;
  // What net-snmp holds, in the order it matches communities.
  std::vector<std::pair<CommunityMapping, com2SecEntry_s*>> installed_;
};

}  // namespace nx596
