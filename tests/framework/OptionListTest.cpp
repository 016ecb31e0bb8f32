#include "ZnOptionList.h"

#include "QtPrinters.h"
#include "ZnSNMPMessages.h"

#include <gtest/gtest.h>

namespace {

const ZnOptionItem kEnable[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

TEST(OptionListTest, IntegerListConvertsBothWaysAndPassesUnknownTextsThrough) {
  const ZnOptionList list(kEnable);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ValueToLabel("3"), "enabled");
  EXPECT_EQ(list.ValueToLabel(" 3"), "enabled");
  EXPECT_EQ(list.ValueToLabel("7"), "7");
  EXPECT_EQ(list.ValueToLabel("(NULL)"), "(NULL)");
  EXPECT_EQ(list.LabelToValue("ENABLED"), "3");
  EXPECT_EQ(list.LabelToValue("on"), "on");
  EXPECT_EQ(list.IndexOfValue("abc"), -1);
  EXPECT_EQ(list.IndexOfValue("3x"), -1);
  EXPECT_EQ(list.IndexOfValue("99999999999"), -1);
  EXPECT_EQ(list.IndexOfValue(""), -1);
  EXPECT_EQ(list.IndexOfLabel("enabled"), 1);
  EXPECT_EQ(list.IndexOfLabel("enable"), -1);
}

TEST(OptionListTest, CaseSensitiveListComparesExactly) {
  const ZnOptionList list(kEnable, ZnOptionList::IntegerValues, true);
  EXPECT_EQ(list.LabelToValue("ENABLED"), "ENABLED");
  EXPECT_EQ(list.LabelToValue("enabled"), "3");
}

TEST(OptionListTest, StringListMatchesWholeValues) {
  const ZnOptionItem ports[] = {
      {"80000000000000", "Port 1"}, {"40000000000000", "Port 2"}, {0, nullptr}};
  const ZnOptionList list(ports, ZnOptionList::StringValues);
  EXPECT_EQ(list.ValueToLabel("40000000000000"), "Port 2");
  EXPECT_EQ(list.ValueToLabel("4000000000000"), "4000000000000");
  EXPECT_EQ(list.LabelToValue("port 1"), "80000000000000");
}

TEST(OptionListTest, PrefixListExchangesThePrefixAndKeepsTheRest) {
  const ZnOptionItem items[] = {{"ab", "X"}, {0, nullptr}};
  const ZnOptionList list(items, ZnOptionList::PrefixValues);
  EXPECT_EQ(list.ValueToLabel("abcd"), "Xcd");
  EXPECT_EQ(list.ValueToLabel("ABcd"), "Xcd");
  EXPECT_EQ(list.LabelToValue("Xcd"), "abcd");
  EXPECT_EQ(list.ValueToLabel("zz"), "zz");
  EXPECT_EQ(list.ValueToLabel("a"), "a");  // shorter than the prefix
  const ZnOptionList exact(items, ZnOptionList::PrefixValues, true);
  EXPECT_EQ(exact.ValueToLabel("ABcd"), "ABcd");
}

TEST(OptionListTest, FirstItemWinsAndEmptySourcesGiveEmptyLists) {
  const ZnOptionItem twice[] = {{1, "same"}, {2, "same"}, {1, "other"}, {0, nullptr}};
  const ZnOptionList list(twice);
  EXPECT_EQ(list.LabelToValue("same"), "1");
  EXPECT_EQ(list.ValueToLabel("1"), "same");

  const ZnOptionItem none[] = {{5, nullptr}};
  EXPECT_EQ(ZnOptionList(none).Count(), 0);
  ZnOptionList grown(nullptr);
  EXPECT_EQ(grown.Count(), 0);
  grown.Append(kEnable);
  grown.Append(none);
  grown.Append(kEnable);
  EXPECT_EQ(grown.Count(), 4);
  EXPECT_EQ(grown.At(3).Label, "enabled");
  EXPECT_THROW(grown.At(4), ZnException);
}

TEST(OptionListTest, UnknownValueTypeFindsNothing) {
  const ZnOptionList list(kEnable, 9);
  EXPECT_EQ(list.IndexOfValue("2"), -1);
  EXPECT_EQ(list.ValueToLabel("2"), "2");
}

}  // namespace
