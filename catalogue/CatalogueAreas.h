#pragma once

#include "ZnCatalogue.h"

#include <span>

// What the source files of the catalogue share; not part of its interface.
//
// Every definition table, page, tuning array and entry is constant-initialised (`constinit`), so
// it is complete before any code runs, whatever the order in which the files are initialised. A
// row refers to its option list by address, which is a constant too; the lists themselves are
// built during dynamic initialisation, before main(), and are only read after that.
namespace ZnCatalogueAreas {

// The recurring label sets, defined in ZnCatalogue.cpp.
extern const ZnOptionList RowStatus;
extern const ZnOptionList StorageType;
extern const ZnOptionList TruthValue;
// The device's own switches of many dialogs, named by their values: the same labels come with
// other values on other objects.
extern const ZnOptionList Disabled2Enabled3;
extern const ZnOptionList Enabled1Disabled2;

// The entries of each menu area, in menu order.
std::span<const ZnCatalogueEntry> Configuration();          // "Configuration"
std::span<const ZnCatalogueEntry> BridgeToSecurity();       // "Bridge" to "Security Management"
std::span<const ZnCatalogueEntry> SnmpV3();                 // "SNMP V3"
std::span<const ZnCatalogueEntry> AdvancedConfiguration();  // "Advanced Configuration"

}  // namespace ZnCatalogueAreas
