#include "ZnCatalogue.h"

#include "CatalogueAreas.h"

#include <cstring>
#include <vector>

namespace ZnCatalogueAreas {

namespace {

constexpr ZnOptionItem kRowStatusItems[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr},
};

constexpr ZnOptionItem kStorageTypeItems[] = {
    {1, "other"},     {2, "volatile"}, {3, "nonVolatile"},
    {4, "permanent"}, {5, "readOnly"}, {0, nullptr},
};

constexpr ZnOptionItem kTruthValueItems[] = {{1, "true"}, {2, "false"}, {0, nullptr}};

constexpr ZnOptionItem kDisabled2Enabled3Items[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constexpr ZnOptionItem kEnabled1Disabled2Items[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};

}  // namespace

const ZnOptionList RowStatus(kRowStatusItems);
const ZnOptionList StorageType(kStorageTypeItems);
const ZnOptionList TruthValue(kTruthValueItems);
const ZnOptionList Disabled2Enabled3(kDisabled2Enabled3Items);
const ZnOptionList Enabled1Disabled2(kEnabled1Disabled2Items);

}  // namespace ZnCatalogueAreas

const ZnOptionList& ZnRowStatusOptions() {
  return ZnCatalogueAreas::RowStatus;
}

const ZnOptionList& ZnStorageTypeOptions() {
  return ZnCatalogueAreas::StorageType;
}

const ZnOptionList& ZnTruthValueOptions() {
  return ZnCatalogueAreas::TruthValue;
}

std::span<const ZnCatalogueEntry> ZnCatalogue() {
  // The areas in the order of the main menu. Entries are a few pointers each; copying them into
  // one array gives callers a single span.
  static const std::vector<ZnCatalogueEntry> entries = [] {
    std::vector<ZnCatalogueEntry> all;
    for (auto area : {ZnCatalogueAreas::Configuration(), ZnCatalogueAreas::BridgeToSecurity(),
                      ZnCatalogueAreas::SnmpV3(), ZnCatalogueAreas::AdvancedConfiguration()})
      all.insert(all.end(), area.begin(), area.end());
    return all;
  }();
  return entries;
}

const ZnCatalogueEntry* ZnFindCatalogueEntry(const char* componentName) {
  if (componentName == nullptr) return nullptr;
  for (const ZnCatalogueEntry& entry : ZnCatalogue())
    if (std::strcmp(entry.componentName, componentName) == 0) return &entry;
  return nullptr;
}

std::span<const ZnSNMPVarDef> ZnTableRows(const ZnSNMPVarDef* table) {
  if (table == nullptr) return {};
  std::size_t count = 0;
  while (table[count].Oid != nullptr) ++count;
  return {table, count};
}
