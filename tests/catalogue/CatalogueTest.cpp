#include "QtPrinters.h"
#include "ZnCatalogue.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

// One page of one entry, named for failure messages ("SystemTime1 page 1").
struct PageRef {
  const ZnCatalogueEntry* entry;
  int index;
  const ZnCataloguePage* page;

  std::span<const ZnSNMPVarDef> Rows() const { return ZnTableRows(page->table); }
  std::string Name() const {
    return std::string(entry->componentName) + " page " + std::to_string(index);
  }
};

std::vector<PageRef> AllPages() {
  std::vector<PageRef> pages;
  for (const ZnCatalogueEntry& entry : ZnCatalogue())
    for (std::size_t k = 0; k < entry.pages.size(); ++k)
      pages.push_back({&entry, static_cast<int>(k), &entry.pages[k]});
  return pages;
}

bool IsTableKind(std::uint8_t itemType) {
  return itemType == ZnItemType::MVT_FMV || itemType == ZnItemType::MVT_UMV;
}

bool IsIntegral(std::uint32_t syntax) {
  return syntax == ZnSyntax::Integer || syntax == ZnSyntax::UInteger || syntax == ZnSyntax::Gauge ||
         syntax == ZnSyntax::Counter || syntax == ZnSyntax::TimeTicks;
}

bool IsText(std::uint32_t syntax) {
  return syntax == ZnSyntax::DisplayString || syntax == ZnSyntax::OctetString ||
         syntax == ZnSyntax::BitString;
}

QString ParentOf(const char* oid) {
  const QString text = QString::fromUtf8(oid);
  return text.left(text.lastIndexOf(QLatin1Char('.')));
}

// ---------------------------------------------------------------------------------------------
// Entries: what the menu handlers look up and how they caption the dialog.

TEST(CatalogueEntries, ComponentNamesAreUniqueAndEachIsFound) {
  ASSERT_FALSE(ZnCatalogue().empty());
  std::set<std::string> names;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    ASSERT_NE(entry.componentName, nullptr);
    EXPECT_TRUE(names.insert(entry.componentName).second) << entry.componentName << " twice";
    EXPECT_EQ(ZnFindCatalogueEntry(entry.componentName), &entry) << entry.componentName;
  }
  // Menu items that open hand-made dialogs or nothing at all have no entry.
  EXPECT_EQ(ZnFindCatalogueEntry("TrustHostTable1"), nullptr);
  EXPECT_EQ(ZnFindCatalogueEntry(""), nullptr);
  EXPECT_EQ(ZnFindCatalogueEntry(nullptr), nullptr);
}

TEST(CatalogueEntries, CaptionFollowsExactlyOneRule) {
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    SCOPED_TRACE(entry.componentName);
    const bool titleRule = entry.title != nullptr;
    EXPECT_NE(titleRule, entry.captionPrefix != nullptr) << "needs a title or a prefix, not both";
    if (titleRule) {
      EXPECT_GT(std::strlen(entry.title), 0u);
      EXPECT_FALSE(entry.prefixIsTitle) << "only a prefix can also become the title";
    } else if (entry.captionPrefix) {
      EXPECT_GT(std::strlen(entry.captionPrefix), 0u);
    }
  }
}

TEST(CatalogueEntries, PagesModeEntriesHaveTabsAndSingleOnesDoNot) {
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    SCOPED_TRACE(entry.componentName);
    if (!entry.pagesMode) {
      ASSERT_EQ(entry.pages.size(), 1u);
      EXPECT_EQ(entry.pages.front().tabCaption, nullptr);
      continue;
    }
    EXPECT_GE(entry.pages.size(), 2u);
    std::set<std::string> tabs;
    for (const ZnCataloguePage& page : entry.pages) {
      ASSERT_NE(page.tabCaption, nullptr);
      EXPECT_GT(std::strlen(page.tabCaption), 0u);
      EXPECT_TRUE(tabs.insert(page.tabCaption).second) << page.tabCaption << " twice";
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Pages: the tables and the two arguments of the variable list built from them.

TEST(CataloguePages, TablesEndAndHoldOnlyCodesTheEngineKnows) {
  for (const PageRef& ref : AllPages()) {
    SCOPED_TRACE(ref.Name());
    ASSERT_NE(ref.page->table, nullptr);
    // A table without its terminating row runs on into the next one (and, in the sanitizer
    // build, off the end of the data).
    const auto rows = ref.Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.size(), 64u);
    for (const ZnSNMPVarDef& row : rows) {
      SCOPED_TRACE(row.Oid);
      ASSERT_NE(row.Caption, nullptr);
      EXPECT_GT(std::strlen(row.Caption), 0u);
      // The partial syntaxes (0xc1 and up) describe parts of another variable; the request
      // engine never reads them itself.
      EXPECT_GE(ZnSyntaxKeywords().IndexOfValue(QString::number(row.Syntax)), 0);
      EXPECT_LT(row.Syntax, ZnSyntax::Bool8);
      // Dialogs switch 0x20 on and off at run time; a table starts with one of these.
      const std::set<std::uint32_t> accesses = {ZnAccess::NotAccessible, ZnAccess::ReadOnly,
                                                ZnAccess::ReadWrite,
                                                ZnAccess::NotAccessible | ZnAccess::Implied};
      EXPECT_TRUE(accesses.count(row.Access)) << "access 0x" << std::hex << row.Access;
    }
  }
}

TEST(CataloguePages, PageKindMatchesItemKindAndKeyCount) {
  for (const PageRef& ref : AllPages()) {
    SCOPED_TRACE(ref.Name());
    if (ref.page->kind == ZnPageKind::Editor) {
      EXPECT_EQ(ref.page->itemType, ZnItemType::SVT_SV);
      EXPECT_EQ(ref.page->keyCount, 0);
    } else {
      EXPECT_TRUE(IsTableKind(ref.page->itemType)) << int{ref.page->itemType};
      EXPECT_GE(ref.page->keyCount, 1) << "a walked table decodes at least one index column";
    }
  }
}

TEST(CataloguePages, IndexColumnsAreTheFirstRows) {
  for (const PageRef& ref : AllPages()) {
    SCOPED_TRACE(ref.Name());
    const auto rows = ref.Rows();
    const int keyCount = ref.page->keyCount;
    ASSERT_LE(keyCount, static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      SCOPED_TRACE(rows[i].Oid);
      const bool key = i < keyCount;
      // A not-accessible column is never requested: only as a key does its value reach the
      // dialog, decoded from the instance.
      if (rows[i].Access & ZnAccess::NotAccessible) {
        EXPECT_TRUE(key);
      }
      // Only the last index column may go without its length sub-identifier.
      if (rows[i].Access & ZnAccess::Implied) {
        EXPECT_EQ(i, keyCount - 1);
        EXPECT_TRUE(IsText(rows[i].Syntax) || rows[i].Syntax == ZnSyntax::ObjectId);
      }
    }
    if (ref.page->kind != ZnPageKind::ListView) continue;
    // Every column the walk requests belongs to the same conceptual row, or the rows of one
    // column would be paired with those of another table. A not-accessible index column is only
    // decoded from the instances, so it may name the column of another table with the same index.
    QString entryOid;
    for (const ZnSNMPVarDef& row : rows) {
      if (row.Access & ZnAccess::NotAccessible) continue;
      if (entryOid.isEmpty()) entryOid = ParentOf(row.Oid);
      EXPECT_EQ(ParentOf(row.Oid), entryOid) << row.Oid;
    }
  }
}

TEST(CataloguePages, OidsAreDottedDecimalAndDistinctWithinAPage) {
  const QRegularExpression dotted(QStringLiteral(R"(^[0-2](\.(0|[1-9][0-9]*))+$)"));
  for (const PageRef& ref : AllPages()) {
    SCOPED_TRACE(ref.Name());
    std::set<std::string> seen;
    for (const ZnSNMPVarDef& row : ref.Rows()) {
      const QString oid = QString::fromUtf8(row.Oid);
      EXPECT_TRUE(dotted.match(oid).hasMatch()) << row.Oid;
      for (const QString& arc : oid.split(QLatin1Char('.'))) {
        bool ok = false;
        arc.toULongLong(&ok);
        EXPECT_TRUE(ok && arc.toULongLong() <= std::numeric_limits<std::uint32_t>::max())
            << row.Oid;
      }
      EXPECT_TRUE(seen.insert(row.Oid).second) << row.Oid << " twice";
    }
  }
}

// The list view gives every not-shown variable an invisible column first and the shown ones
// after them; reading a selected row back assigns columns to variables in that order.
TEST(CataloguePages, TablePagesListNotShownVariablesBeforeShownOnes) {
  for (const PageRef& ref : AllPages()) {
    if (ref.page->kind != ZnPageKind::ListView) continue;
    SCOPED_TRACE(ref.Name());
    const ZnSNMPVarList list(ref.page->table, ref.page->itemType, ref.page->keyCount);
    bool shownSeen = false;
    for (int i = 0; i < list.Count(); ++i) {
      SCOPED_TRACE(list.Item(i).Caption.toStdString());
      EXPECT_NE(list.IsShown(i), list.IsNotShown(i)) << "needs exactly one list-view column";
      if (list.IsShown(i)) shownSeen = true;
      if (list.IsNotShown(i)) {
        EXPECT_FALSE(shownSeen) << "not shown, but after a shown variable";
      }
    }
    EXPECT_EQ(list.ShownCount() + list.NotShownCount(), list.Count());
  }
}

// ---------------------------------------------------------------------------------------------
// Add and Delete: the label goes through the row-status column's combo box and its value must
// create or destroy the row (RowStatus of SNMPv2-TC).

void ExpectRowStatusAction(const PageRef& ref, int variable, const char* label,
                           const std::set<int>& values) {
  const auto rows = ref.Rows();
  ASSERT_GE(variable, ref.page->keyCount) << "an index column cannot carry the row status";
  ASSERT_LT(variable, static_cast<int>(rows.size()));
  const ZnSNMPVarDef& row = rows[variable];
  SCOPED_TRACE(row.Caption);
  EXPECT_EQ(row.Syntax, ZnSyntax::Integer);
  EXPECT_EQ(row.Access, ZnAccess::ReadWrite);
  ASSERT_NE(row.Options, nullptr);
  ASSERT_NE(label, nullptr);
  const int index = row.Options->IndexOfLabel(QString::fromUtf8(label));
  ASSERT_GE(index, 0) << label << " is no label of the row-status column";
  // The combo box holds the labels as written; a label that matches only without regard to case
  // would not be found there.
  EXPECT_EQ(row.Options->At(index).Label, QString::fromUtf8(label));
  EXPECT_TRUE(values.count(row.Options->At(index).IntValue))
      << label << " writes " << row.Options->At(index).IntValue;
}

TEST(CatalogueRowStatus, AddAndDeleteWriteTheRowStatusColumn) {
  int tablesWithAdd = 0;
  for (const PageRef& ref : AllPages()) {
    SCOPED_TRACE(ref.Name());
    const ZnCataloguePage& page = *ref.page;
    EXPECT_EQ(page.addVariable < 0, page.addLabel == nullptr);
    EXPECT_EQ(page.deleteVariable < 0, page.deleteLabel == nullptr);
    if (page.kind == ZnPageKind::Editor) {
      EXPECT_LT(page.addVariable, 0) << "a scalar page has no rows to add";
      EXPECT_LT(page.deleteVariable, 0);
      continue;
    }
    if (page.addVariable >= 0 && page.deleteVariable >= 0) {
      EXPECT_EQ(page.addVariable, page.deleteVariable) << "one row-status column per table";
    }
    if (page.addVariable >= 0) {
      ++tablesWithAdd;
      ExpectRowStatusAction(ref, page.addVariable, page.addLabel, {4, 5});  // createAndGo/Wait
    }
    if (page.deleteVariable >= 0)
      ExpectRowStatusAction(ref, page.deleteVariable, page.deleteLabel, {6});
  }
  EXPECT_GT(tablesWithAdd, 0) << "the checks above never ran";
}

// ---------------------------------------------------------------------------------------------
// Option lists.

std::vector<const ZnOptionList*> AllOptionLists() {
  std::vector<const ZnOptionList*> lists = {&ZnRowStatusOptions(), &ZnStorageTypeOptions(),
                                            &ZnTruthValueOptions()};
  for (const PageRef& ref : AllPages())
    for (const ZnSNMPVarDef& row : ref.Rows())
      if (row.Options) lists.push_back(row.Options);
  return lists;
}

TEST(CatalogueOptionLists, LabelsAndValuesAreUniqueWithinAList) {
  for (const ZnOptionList* list : AllOptionLists()) {
    ASSERT_GT(list->Count(), 0) << "an empty list: its array ends at once or was never built";
    EXPECT_EQ(list->ValueType(), ZnOptionList::IntegerValues);
    EXPECT_FALSE(list->CaseSensitivity());
    std::set<QString> labels;
    std::set<int> values;
    for (int k = 0; k < list->Count(); ++k) {
      const ZnOptionList::Item& item = list->At(k);
      EXPECT_FALSE(item.Label.trimmed().isEmpty());
      // Lookups ignore case, so labels differing only in case would hide one another.
      EXPECT_TRUE(labels.insert(item.Label.toLower()).second) << item.Label.toStdString();
      EXPECT_TRUE(values.insert(item.IntValue).second) << "value " << item.IntValue << " twice";
    }
  }
}

TEST(CatalogueOptionLists, OnlyIntegerColumnsCarryOptions) {
  for (const PageRef& ref : AllPages()) {
    for (const ZnSNMPVarDef& row : ref.Rows()) {
      if (row.Options) {
        EXPECT_TRUE(IsIntegral(row.Syntax)) << ref.Name() << " " << row.Oid;
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Tuning: every adjustment must find its page and control.

TEST(CatalogueTuning, RefersToExistingPagesAndVariables) {
  using Kind = ZnCatalogueTuning::Kind;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    SCOPED_TRACE(entry.componentName);
    for (const ZnCatalogueTuning& tuning : entry.tuning) {
      SCOPED_TRACE(static_cast<int>(tuning.kind));
      ASSERT_GE(tuning.page, 0);
      ASSERT_LT(tuning.page, static_cast<int>(entry.pages.size()));
      const ZnCataloguePage& page = entry.pages[tuning.page];
      const auto rows = ZnTableRows(page.table);
      switch (tuning.kind) {
        case Kind::EditConstraint:
        case Kind::ChangeHandler:
          ASSERT_NE(tuning.text, nullptr);
          EXPECT_GT(std::strlen(tuning.text), 0u);
          ASSERT_GE(tuning.variable, 0);
          ASSERT_LT(tuning.variable, static_cast<int>(rows.size()));
          // Both act on what the user types or picks.
          EXPECT_EQ(rows[tuning.variable].Access, ZnAccess::ReadWrite) << rows[tuning.variable].Oid;
          if (tuning.kind == Kind::EditConstraint) {
            EXPECT_EQ(page.kind, ZnPageKind::Editor);
          }
          break;
        case Kind::ValueWidth:
          EXPECT_EQ(page.kind, ZnPageKind::Editor);
          EXPECT_GT(tuning.number, 0);
          break;
        case Kind::HideEditButton:
          EXPECT_EQ(page.kind, ZnPageKind::ListView);
          break;
        case Kind::FormWidth:
        case Kind::FormHeight:
        case Kind::WidenAfterBuild:
        case Kind::RequestTimeout:
          EXPECT_GT(tuning.number, 0);
          break;
      }
    }
  }
}

// format := "%" type [delimiter] [ "{" option* "}" ], as the edit constraint parses it.
TEST(CatalogueTuning, EditConstraintsParseAndFitTheirVariables) {
  const QRegularExpression grammar(QStringLiteral(
      R"(^%([fhisu]|n.)(\{(n[-0-9.]+|x[-0-9.]+|l[0-9]+[afn]{0,3}|w[0-9]+|e.)*\})?$)"));
  const QRegularExpression bound(QStringLiteral(R"(([nx])([-0-9.]+))"));
  int constraints = 0;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    for (const ZnCatalogueTuning& tuning : entry.tuning) {
      if (tuning.kind != ZnCatalogueTuning::Kind::EditConstraint) continue;
      ++constraints;
      const QString format = QString::fromUtf8(tuning.text);
      SCOPED_TRACE(std::string(entry.componentName) + " " + tuning.text);
      ASSERT_TRUE(grammar.match(format).hasMatch());

      // The bounds are numbers, the lower not above the upper, and an integer edit's bounds fit
      // a 32-bit integer.
      double low = std::numeric_limits<int>::min();
      double high = std::numeric_limits<int>::max();
      const QString options = format.mid(format.indexOf(QLatin1Char('{')) + 1);
      for (auto it = bound.globalMatch(options); it.hasNext();) {
        const auto match = it.next();
        bool ok = false;
        const double value = match.captured(2).toDouble(&ok);
        EXPECT_TRUE(ok) << match.captured(0).toStdString();
        (match.captured(1) == QLatin1String("n") ? low : high) = value;
      }
      EXPECT_LE(low, high);

      // The type letter must suit the variable, or valid values could not be typed.
      ASSERT_LT(static_cast<std::size_t>(tuning.page), entry.pages.size());
      const auto rows = ZnTableRows(entry.pages[tuning.page].table);
      ASSERT_LT(static_cast<std::size_t>(tuning.variable), rows.size());
      const std::uint32_t syntax = rows[tuning.variable].Syntax;
      const QChar type = format[1];
      if (type == QLatin1Char('i') || type == QLatin1Char('u')) {
        EXPECT_TRUE(IsIntegral(syntax)) << "syntax 0x" << std::hex << syntax;
        EXPECT_GE(low, type == QLatin1Char('u') ? 0.0 : double{std::numeric_limits<int>::min()});
        EXPECT_LE(high, type == QLatin1Char('u') ? double{std::numeric_limits<std::uint32_t>::max()}
                                                 : double{std::numeric_limits<int>::max()});
      }
      if (type == QLatin1Char('s') || type == QLatin1Char('h')) {
        EXPECT_TRUE(IsText(syntax)) << "syntax 0x" << std::hex << syntax;
      }
    }
  }
  EXPECT_GT(constraints, 0) << "the checks above never ran";
}

}  // namespace
