#include "QtPrinters.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPVarList.h"

#include <gtest/gtest.h>

namespace {

const ZnOptionItem kStatus[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const ZnOptionList kStatusList(kStatus);

const ZnSNMPVarDef kIfColumns[] = {
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", ZnSyntax::Integer, ZnAccess::ReadWrite, &kStatusList},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", ZnSyntax::Integer, ZnAccess::ReadOnly, &kStatusList},
    {},
};

TEST(VarListTest, BuildsVariablesFromRowsUpToTheEnd) {
  const ZnSNMPVarDef withInitial[] = {
      {"1.3.6.1.2.1.1.5", "Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite, nullptr, "$1", "$2",
       "note", "switch", "1.3.6.1.2.1.1.5.0"},
      {},
  };
  ZnSNMPVarList list(kIfColumns, ZnItemType::MVT_SV, 0);
  list.Append(withInitial);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Description, "");
  EXPECT_EQ(list.Item(0).Caption, "Admin Status");
  EXPECT_EQ(list.Item(0).Value, "");
  EXPECT_EQ(list.Item(0).CurrentOid, "");
  EXPECT_EQ(list.Item(1).Options, &kStatusList);
  EXPECT_EQ(list.Item(2).Value, "switch");
  EXPECT_EQ(list.Item(2).CurrentOid, "1.3.6.1.2.1.1.5.0");
  EXPECT_EQ(list.Item(2).ReadExpression, "$1");
  EXPECT_EQ(list.Item(2).Reserved, "note");
  EXPECT_THROW(list.Item(3), ZnException);
  EXPECT_THROW(list.Item(-1), ZnException);

  const ZnSNMPVarDef empty[] = {{}};
  ZnSNMPVarList none(empty, ZnItemType::SVT_SV, 0);
  EXPECT_EQ(none.Count(), 0);
  list.Append(empty);
  list.Append(nullptr);
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(VarListTest, AssignmentCopiesTextsAndSharesOptionLists) {
  ZnSNMPVarList source(kIfColumns, ZnItemType::MVT_FMV, 1);
  source.Description = "Interfaces";
  source.Item(0).Value = "up";
  ZnSNMPVarList copy;
  copy = source;
  copy.Item(0).Value = "down";
  EXPECT_EQ(source.Item(0).Value, "up");
  EXPECT_EQ(copy.Item(0).Options, source.Item(0).Options);
  EXPECT_EQ(copy.Description, "Interfaces");
  EXPECT_EQ(copy.KeyCount, 1);
  EXPECT_EQ(copy.ItemType, ZnItemType::MVT_FMV);
  EXPECT_EQ(copy.Item(1).Oid, "1.3.6.1.2.1.2.2.1.8");
}

TEST(VarListTest, AppendInstanceTurnsColumnsIntoOneRow) {
  ZnSNMPVarList list(kIfColumns, ZnItemType::MVT_SV, 0);
  list.AppendInstance("3");
  EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.2.2.1.7.3");
  EXPECT_EQ(list.Item(1).Oid, "1.3.6.1.2.1.2.2.1.8.3");
}

TEST(VarListTest, AccessPredicates) {
  const ZnSNMPVarDef table[] = {
      {"1.1", "index", ZnSyntax::Integer, 0x41},
      {"1.2", "invalid rw", ZnSyntax::Integer, 0x26},
      {"1.3", "write only", ZnSyntax::Integer, 0x04},
      {"1.4", "derived", ZnSyntax::Integer, 0x08},
      {"1.5", "hidden ro", ZnSyntax::Integer, 0x12},
      {"1.6", "rw", ZnSyntax::Integer, 0x06},
      {},
  };
  ZnSNMPVarList list(table, ZnItemType::MVT_FMV, 1);
  EXPECT_TRUE(list.IsImplied(0));
  EXPECT_FALSE(list.IsReadable(0));
  EXPECT_TRUE(list.IsWritable(0));  // a key of a table travels in the instance of writes
  EXPECT_TRUE(list.IsShown(0));

  EXPECT_FALSE(list.IsReadable(1));
  EXPECT_FALSE(list.IsWritable(1));
  EXPECT_FALSE(list.IsShown(1));
  EXPECT_TRUE(list.IsNotShown(1));
  list.Item(1).Access &= ~ZnAccess::Invalid;
  EXPECT_TRUE(list.IsReadable(1));
  EXPECT_TRUE(list.IsWritable(1));
  EXPECT_TRUE(list.IsShown(1));
  EXPECT_FALSE(list.IsNotShown(1));

  EXPECT_TRUE(list.IsWritable(2));
  EXPECT_FALSE(list.IsReadable(2));
  EXPECT_FALSE(list.IsShown(2));
  EXPECT_TRUE(list.IsNotShown(2));

  EXPECT_TRUE(list.IsShown(3));
  EXPECT_FALSE(list.IsReadable(3));
  EXPECT_TRUE(list.IsReadable(4));
  EXPECT_FALSE(list.IsShown(4));
  EXPECT_TRUE(list.IsNotShown(4));

  // index, rw-restored, derived, rw are shown; write-only and hidden are not.
  EXPECT_EQ(list.ShownCount(), 4);
  EXPECT_EQ(list.NotShownCount(), 2);

  // Outside a table the key count gives no write access.
  list.ItemType = ZnItemType::SVT_SV;
  EXPECT_FALSE(list.IsWritable(0));
}

TEST(VarListTest, KeywordTablesTurnCodesIntoWordsAndBack) {
  EXPECT_EQ(ZnSyntaxKeywords().ValueToLabel("66"), "guage");
  EXPECT_EQ(ZnSyntaxKeywords().LabelToValue("displaystr"), "76");
  EXPECT_EQ(ZnSyntaxKeywords().LabelToValue("uint16"), "198");
  EXPECT_EQ(ZnSyntaxKeywords().Count(), 26);
  EXPECT_EQ(ZnAccessKeywords().ValueToLabel("6"), "readwrite");
  EXPECT_EQ(ZnAccessKeywords().LabelToValue("invalid"), "32");
  EXPECT_EQ(ZnItemTypeKeywords().ValueToLabel("3"), "MVT_UMV");
  EXPECT_EQ(ZnItemTypeKeywords().At(0).Label, "SVT_SV");
}

}  // namespace
