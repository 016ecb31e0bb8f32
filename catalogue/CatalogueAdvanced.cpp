// The generic dialogs of the "Advanced Configuration" menu.
#include "CatalogueAreas.h"

namespace ZnCatalogueAreas {

namespace {

// Port Control Table -------------------------------------------------------------------------

constexpr ZnOptionItem kPortAdminStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kPortAdminState(kPortAdminStateItems);

// The gap at 6 is deliberate: 1 Gbit/s at half duplex is not a setting the ports offer.
constexpr ZnOptionItem kPortNwayStateItems[] = {
    {1, "nway-auto"},
    {2, "nway-disabled-10Mbps-Half"},
    {3, "nway-disabled-10Mbps-Full"},
    {4, "nway-disabled-100Mbps-Half"},
    {5, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Full"},
    {0, nullptr},
};
const ZnOptionList kPortNwayState(kPortNwayStateItems);

constexpr ZnOptionItem kPortFlowControlItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kPortFlowControl(kPortFlowControlItems);

constexpr ZnOptionItem kPortMacNotifyItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kPortMacNotify(kPortMacNotifyItems);

constexpr ZnOptionItem kPortMdixItems[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {0, nullptr}};
const ZnOptionList kPortMdix(kPortMdixItems);

constinit const ZnSNMPVarDef kPortControlTable[] = {
    // Readable, unlike most index columns: the front panel's per-port dialog reads this table as
    // one row of a port and shows the port number from this column.
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPortAdminState},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3", "Nway State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPortNwayState},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", "Flow Control State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPortFlowControl},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    // Columns 6, 8 and 9 of the table are not offered.
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7", "MAC Notify State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kPortMacNotify},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10", "MDIX State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPortMdix},
    {},
};

constinit const ZnCataloguePage kPortControlPages[] = {
    {.kind = ZnPageKind::ListView,
     .table = kPortControlTable,
     .itemType = ZnItemType::MVT_UMV,
     .keyCount = 1},
};

// The menu ------------------------------------------------------------------------------------

constinit const ZnCatalogueEntry kEntries[] = {
    {.componentName = "PortControl1", .title = "Port Control Table", .pages = kPortControlPages},
};

}  // namespace

std::span<const ZnCatalogueEntry> AdvancedConfiguration() {
  return kEntries;
}

}  // namespace ZnCatalogueAreas
