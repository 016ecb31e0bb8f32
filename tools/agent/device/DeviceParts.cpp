#include "DeviceParts.h"

#include "DeviceSeed.h"
#include "SeedAdvanced.h"
#include "SeedDhcpRelay.h"
#include "SeedFiltering.h"
#include "SeedLogSave.h"
#include "SeedSmtp.h"
#include "SeedSummerTime.h"
#include "SeedBridge.h"
#include "SeedSecurity.h"
#include "SeedSpanningTree.h"
#include "SeedTrustedHosts.h"
#include "SeedVlan.h"
#include "StandardSeed.h"

#include <cstring>

namespace nx596 {

namespace {

DevicePart OwnObjects() {
  return {DeviceSubtrees(), DeviceTables(),  DeviceObjects(),
          DeviceSeed(),     DeviceActions(), DeviceRows()};
}

DevicePart StandardMibs() {
  return {StandardSubtrees(), StandardTables(), StandardObjects(), StandardSeed(), {},
          StandardRows()};
}

template <typename T, typename Member>
std::vector<T> Join(const std::vector<DevicePart>& parts, Member member) {
  std::vector<T> all;
  for (const DevicePart& part : parts) {
    const auto& items = part.*member;
    all.insert(all.end(), items.begin(), items.end());
  }
  return all;
}

}  // namespace

std::vector<DevicePart> DeviceParts() {
  std::vector<DevicePart> parts;
  parts.push_back(OwnObjects());
  parts.push_back(StandardMibs());
  parts.push_back(VlanPart());
  parts.push_back(FilteringPart());
  parts.push_back(SmtpPart());
  parts.push_back(LogSavePart());
  parts.push_back(BridgePart());
  parts.push_back(SecurityPart());
  parts.push_back(SpanningTreePart());
  parts.push_back(TrustedHostsPart());
  parts.push_back(DhcpRelayPart());
  parts.push_back(SummerTimePart());
  parts.push_back(AdvancedPart());
  return parts;
}

std::unique_ptr<DeviceModel> ModelOfParts(std::vector<DevicePart> parts) {
  auto model =
      std::make_unique<DeviceModel>(AllTables(parts), AllObjects(parts), AllActions(parts));
  for (DevicePart& part : parts) {
    model->Seed(part.seed);
    for (auto& [instance, value] : part.rows) model->Insert(instance, std::move(value));
  }
  // Rules derive their values from the start values of every part.
  for (DevicePart& part : parts)
    for (auto& rule : part.rules) model->AddRule(std::move(rule));
  model->SettleRules();
  return model;
}

std::vector<const char*> AllSubtrees(const std::vector<DevicePart>& parts) {
  std::vector<const char*> all;
  for (const DevicePart& part : parts)
    for (const char* subtree : part.subtrees) {
      bool known = false;
      for (const char* seen : all) known = known || std::strcmp(seen, subtree) == 0;
      if (!known) all.push_back(subtree);
    }
  return all;
}

std::vector<TableDefinition> AllTables(const std::vector<DevicePart>& parts) {
  return Join<TableDefinition>(parts, &DevicePart::tables);
}

std::vector<ObjectDefinition> AllObjects(const std::vector<DevicePart>& parts) {
  return Join<ObjectDefinition>(parts, &DevicePart::objects);
}

std::vector<ActionDefinition> AllActions(const std::vector<DevicePart>& parts) {
  return Join<ActionDefinition>(parts, &DevicePart::actions);
}

}  // namespace nx596
