// The viewer's page argument and its page table. The table is checked against the definitions
// of the simulated switch, written separately from it: an OID, a syntax or an index that differs
// between the two is a fault in one of them.

#include "DeviceSeed.h"
#include "QtPrinters.h"
#include "StandardSeed.h"
#include "ZnViewer.h"
#include "ZnViewerPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace {

// The page arguments the main program passes, one per menu item.
const char* const kSiblingArguments[] = {
    "/TMIB_Info",           "/TMIB_IFTable",
    "/TMIB_IFCounters",     "/TMIB_IPCounters",
    "/TMIB_IPRouting",      "/TMIB_IPAddress",
    "/TMIB_ICMPCounters",   "/TMIB_UDPCounters",
    "/TMIB_SNMPCounters",   "/TBridge_StaticFilter",
    "/TBridge_TpPortInfo",  "/TIFMib_LastChangeTable",
    "/TIFMib_ifXEntry",     "/TIFMib_ifStackTable",
    "/TVLan_8021DPriority", "/TVLan_GMRP",
    "/TVLan_GARP",          "/TVLan_PortCapability",
    "/TVLan_PortInfo",      "/TVLan_TpBridge8021Q",
    "/TRmon_Statistics",    "/TRmon_History",
    "/TRmon_AlarmEvent",    "/TEthernetLike_dot3StatsTable",
    "/TEntityMIB_Physical", "/TEntityMIB_Logical",
    "/TEntityMIB_Maping",
};

// --- the page argument ---------------------------------------------------------------------

TEST(ViewerArguments, PageArgumentSplitsAtItsFirstUnderscore) {
  const ZnViewerArguments a = ZnSplitViewerArguments(
      {"/I10.1.1.1", "/Rtamrel", "/Wvosquin", "/TEthernetLike_dot3StatsTable"});
  EXPECT_EQ(a.pageArgument, "/TEthernetLike_dot3StatsTable");
  EXPECT_EQ(a.tool, "EthernetLike");
  EXPECT_EQ(a.page, "dot3StatsTable");
  // The page keeps its place as an empty parameter; everything else is untouched.
  EXPECT_EQ(a.connection, QStringList({"/I10.1.1.1", "/Rtamrel", "/Wvosquin", ""}));

  const ZnViewerArguments underscores = ZnSplitViewerArguments({"/TA_b_c"});
  EXPECT_EQ(underscores.tool, "A");
  EXPECT_EQ(underscores.page, "b_c");
  const ZnViewerArguments none = ZnSplitViewerArguments({"/TMIB"});
  EXPECT_EQ(none.tool, "MIB");
  EXPECT_TRUE(none.page.isEmpty());
}

TEST(ViewerArguments, OnlyAParameterStartingWithCapitalTIsThePage) {
  // "/t" is the agent port of SNMPv3; a password that contains "/T" is still a password.
  const ZnViewerArguments a =
      ZnSplitViewerArguments({"/I10.1.1.1", "/t1161", "/Ase/TMIB_Info", "/TRmon_History"});
  EXPECT_EQ(a.pageArgument, "/TRmon_History");
  EXPECT_EQ(a.connection, QStringList({"/I10.1.1.1", "/t1161", "/Ase/TMIB_Info", ""}));

  const ZnViewerArguments missing = ZnSplitViewerArguments({"/I10.1.1.1", "/t1161"});
  EXPECT_TRUE(missing.pageArgument.isEmpty());
  EXPECT_EQ(missing.connection, QStringList({"/I10.1.1.1", "/t1161"}));
}

TEST(ViewerArguments, TheLastPageArgumentCounts) {
  const ZnViewerArguments a = ZnSplitViewerArguments({"/TMIB_Info", "/I1.2.3.4", "/TMIB_IFTable"});
  EXPECT_EQ(a.page, "IFTable");
  EXPECT_EQ(a.connection, QStringList({"/TMIB_Info", "/I1.2.3.4", ""}));
}

// --- the page table ------------------------------------------------------------------------

TEST(ViewerPages, EverySiblingArgumentOpensAPageAndNoOtherPageExists) {
  std::set<const ZnViewerPage*> found;
  for (const char* argument : kSiblingArguments) {
    const ZnViewerArguments a = ZnSplitViewerArguments({QString::fromLatin1(argument)});
    const ZnViewerPage* page = ZnFindViewerPage(a.tool, a.page);
    ASSERT_NE(page, nullptr) << argument;
    EXPECT_TRUE(found.insert(page).second) << argument;
    ASSERT_NE(page->dialog.title, nullptr) << argument;
    EXPECT_FALSE(page->dialog.pages.empty()) << argument;
  }
  EXPECT_EQ(found.size(), ZnViewerPages().size());
  EXPECT_EQ(ZnViewerTools(),
            QStringList({"MIB", "Bridge", "IFMib", "VLan", "Rmon", "EthernetLike", "EntityMIB"}));
  // Names compare exactly, as the main program writes them.
  EXPECT_EQ(ZnFindViewerPage(u"mib", u"Info"), nullptr);
  EXPECT_EQ(ZnFindViewerPage(u"EntityMIB", u"Mapping"), nullptr);
}

// What the switch defines, by OID.
struct SwitchDefinitions {
  SwitchDefinitions() {
    for (auto objects : {nx596::DeviceObjects(), nx596::StandardObjects()})
      for (const auto& object : objects) objects_[object.oid] = &object;
    for (auto tables : {nx596::DeviceTables(), nx596::StandardTables()})
      for (const auto& table : tables) tables_[table.entry] = &table;
  }
  const nx596::ObjectDefinition* Object(const QString& oid) const {
    auto found = objects_.find(oid.toStdString());
    return found == objects_.end() ? nullptr : found->second;
  }
  const nx596::TableDefinition* Table(const QString& entry) const {
    auto found = tables_.find(entry.toStdString());
    return found == tables_.end() ? nullptr : found->second;
  }
  std::map<std::string, const nx596::ObjectDefinition*> objects_;
  std::map<std::string, const nx596::TableDefinition*> tables_;
};

// The wire type of a framework syntax: SNMP's own types travel as themselves, the framework's
// text kinds (MAC address, display string, date and time) as octet strings.
std::uint8_t WireType(std::uint32_t syntax) {
  return syntax <= ZnSyntax::Counter64 ? static_cast<std::uint8_t>(syntax)
                                       : nx596::asn::kOctetString;
}

std::optional<nx596::IndexPart> IndexPartOf(std::uint32_t keySyntax) {
  switch (keySyntax) {
    case ZnSyntax::Integer:
    case ZnSyntax::Gauge:
      return nx596::IndexPart::kInteger;
    case ZnSyntax::IpAddress:
      return nx596::IndexPart::kIpAddress;
    case ZnSyntax::MacAddress:
      return nx596::IndexPart::kMacAddress;
    default:
      return std::nullopt;
  }
}

QString Parent(const QString& oid) {
  return oid.left(oid.lastIndexOf('.'));
}

// net-snmp's own modules serve these groups; the switch's model does not define them.
bool ServedByNetSnmp(const QString& oid) {
  return oid.startsWith("1.3.6.1.2.1.1.") || oid.startsWith("1.3.6.1.2.1.11.");
}

TEST(ViewerPages, EveryVariableIsAnObjectOfTheSwitchWithItsWireType) {
  const SwitchDefinitions definitions;
  for (const ZnViewerPage& page : ZnViewerPages()) {
    const QString name = QStringLiteral("%1_%2").arg(page.tool, page.page);
    for (const ZnCataloguePage& tab : page.dialog.pages) {
      const auto rows = ZnTableRows(tab.table);
      for (int i = tab.keyCount; i < static_cast<int>(rows.size()); ++i) {
        const ZnSNMPVarDef& row = rows[static_cast<size_t>(i)];
        const QString oid = QString::fromLatin1(row.Oid);
        ASSERT_TRUE(nx596::ParseOid(row.Oid)) << name.toStdString() << ": " << row.Oid;
        EXPECT_EQ(row.Access, ZnAccess::ReadOnly) << name.toStdString() << ": " << row.Oid;
        if (ServedByNetSnmp(oid)) continue;
        const nx596::ObjectDefinition* object = definitions.Object(oid);
        ASSERT_NE(object, nullptr) << name.toStdString() << ": " << row.Oid << " " << row.Caption;
        EXPECT_EQ(WireType(row.Syntax), nx596::AsnTypeOf(object->syntax))
            << name.toStdString() << ": " << object->name;
        EXPECT_NE(object->access, nx596::Access::kNotAccessible) << object->name;
      }
    }
  }
}

TEST(ViewerPages, TablePagesAreKeyedByTheirTablesIndex) {
  const SwitchDefinitions definitions;
  int tables = 0;
  for (const ZnViewerPage& page : ZnViewerPages()) {
    const std::string name = std::string(page.tool) + "_" + page.page;
    for (const ZnCataloguePage& tab : page.dialog.pages) {
      const auto rows = ZnTableRows(tab.table);
      if (tab.kind == ZnPageKind::Editor) {
        EXPECT_EQ(tab.itemType, ZnItemType::SVT_SV) << name;
        EXPECT_EQ(tab.keyCount, 0) << name;
        continue;
      }
      ++tables;
      EXPECT_EQ(tab.itemType, ZnItemType::MVT_FMV) << name;
      ASSERT_TRUE(
          std::any_of(rows.begin(), rows.end(),
                      [](const ZnSNMPVarDef& row) { return row.Access & ZnAccess::ReadOnly; }))
          << name << ": no column to read";
      // Every column after the keys is a column of one table.
      const QString entry = Parent(QString::fromLatin1(rows.back().Oid));
      for (size_t i = static_cast<size_t>(tab.keyCount); i < rows.size(); ++i)
        EXPECT_EQ(Parent(QString::fromLatin1(rows[i].Oid)), entry) << name << ": " << rows[i].Oid;
      const nx596::TableDefinition* table = definitions.Table(entry);
      ASSERT_NE(table, nullptr) << name << ": no table " << entry.toStdString();
      ASSERT_EQ(static_cast<size_t>(tab.keyCount), table->index.size()) << name;
      for (int k = 0; k < tab.keyCount; ++k) {
        const ZnSNMPVarDef& key = rows[static_cast<size_t>(k)];
        EXPECT_EQ(IndexPartOf(key.Syntax), table->index[static_cast<size_t>(k)])
            << name << ": key " << key.Caption;
        // A key is decoded from the instance; only one the switch serves as a column of this
        // very table may also be read as a column.
        const nx596::ObjectDefinition* column = definitions.Object(QString::fromLatin1(key.Oid));
        const bool served = Parent(QString::fromLatin1(key.Oid)) == entry && column &&
                            column->access != nx596::Access::kNotAccessible;
        if (served)
          EXPECT_TRUE(key.Access == ZnAccess::NotAccessible || key.Access == ZnAccess::ReadOnly);
        else
          EXPECT_EQ(key.Access, ZnAccess::NotAccessible) << name << ": key " << key.Caption;
      }
    }
  }
  EXPECT_EQ(tables, 24);
}

}  // namespace
