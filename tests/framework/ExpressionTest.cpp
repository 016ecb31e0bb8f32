#include "ErrorCode.h"
#include "QtPrinters.h"
#include "ZnOptionList.h"
#include "ZnSNMPExpression.h"
#include "ZnSNMPMessages.h"
#include "ZnValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ArithmeticTest, PrecedenceIsByOperatorKindNotPosition) {
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("3+4*2"), 11.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("10-4-3"), 9.0);  // cut at the first '-'
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("-5"), -5.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("8/2*2"), 16.0);  // '*' before '/'
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(10-4)-3"), 3.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("((2+3)*(1+1))/4"), 2.5);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("  7 apples"), 7.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(""), 0.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(1+2"), 2.0);  // no match: cut at '+', "(1" reads 0
  EXPECT_NEAR(ZnEvaluateArithmetic("now"), ZnNowDays(), 1e-3);
  EXPECT_NEAR(ZnEvaluateArithmetic("NOW*2"), 2 * ZnNowDays(), 1e-3);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(" NOW"), 0.0);  // compared without trimming
}

TEST(ArithmeticTest, BracketResultsKeepTheirValue) {
  // A result pasted back in exponent form would have its exponent's sign read as an operator.
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(0.00001)+1"), 1.00001);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(1/40000)*100"), 0.0025);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(100000000000000000000)*2"), 2e20);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic("(1/3)*3"), 1.0);
  EXPECT_EQ(CodeOf([] { ZnEvaluateArithmetic("(" + QString(400, QLatin1Char('9')) + ")+1"); }),
            -532);
}

TEST(ArithmeticTest, DivisionByZeroAndRunawayNestingRaise) {
  EXPECT_EQ(CodeOf([] { ZnEvaluateArithmetic("1/0"); }), -530);
  EXPECT_EQ(CodeOf([] { ZnEvaluateArithmetic("1/(2-2)"); }), -530);
  const QString deep = QString(5000, QLatin1Char('(')) + "1" + QString(5000, QLatin1Char(')'));
  EXPECT_EQ(CodeOf([&] { ZnEvaluateArithmetic(deep); }), -531);
  QString chain = "1";
  for (int k = 0; k < 5000; ++k) chain += "+1";
  EXPECT_EQ(CodeOf([&] { ZnEvaluateArithmetic(chain); }), -531);
  // Unbalanced parentheses end in a value, not a loop.
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(QString(5000, QLatin1Char('('))), 0.0);
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(QString(5000, QLatin1Char(')'))), 0.0);
  // Many groups side by side are not nesting; their results are pasted together.
  QString groups;
  for (int k = 0; k < 400; ++k) groups += "(0)";
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(groups + "(7)"), 7.0);
}

TEST(LogicTest, OperatorsQuotesAndRelations) {
  EXPECT_TRUE(ZnEvaluateLogic("3=3 & !4=5"));
  EXPECT_FALSE(ZnEvaluateLogic("3=3 & 4=5"));
  EXPECT_TRUE(ZnEvaluateLogic("1=2 | 2=2"));
  EXPECT_TRUE(ZnEvaluateLogic("(1=2 | 2=2) & (a<>b)"));
  EXPECT_FALSE(ZnEvaluateLogic("10>9"));  // texts, not numbers
  EXPECT_TRUE(ZnEvaluateLogic("9>10"));
  EXPECT_TRUE(ZnEvaluateLogic("b>=b"));
  EXPECT_TRUE(ZnEvaluateLogic("a<=b"));
  EXPECT_TRUE(ZnEvaluateLogic("a<b"));
  EXPECT_FALSE(ZnEvaluateLogic("a=A"));
  // An operator inside the first quoted part is not applied at that level.
  EXPECT_TRUE(ZnEvaluateLogic("\"a|b\"=\"a|b\""));
  EXPECT_TRUE(ZnEvaluateLogic("\"x&y\" = \"x&y\""));
  EXPECT_TRUE(ZnEvaluateLogic("TRUE"));
  EXPECT_FALSE(ZnEvaluateLogic(" false "));
  EXPECT_TRUE(ZnEvaluateLogic("NOW>1"));  // NOW is a day count in the 40000s
  EXPECT_EQ(CodeOf([] { ZnEvaluateLogic("maybe"); }), -1);
  EXPECT_EQ(ZnGeneralError(1).Message(), "Bad logic operand!");
  QString chain = "true";
  for (int k = 0; k < 5000; ++k) chain += "&true";
  EXPECT_EQ(CodeOf([&] { ZnEvaluateLogic(chain); }), -531);
}

const ZnOptionItem kOnOff[] = {{1, "on"}, {2, "off"}, {0, nullptr}};
const ZnOptionList kOnOffList(kOnOff);

class ReferenceTest : public ::testing::Test {
 protected:
  ReferenceTest() {
    const ZnSNMPVarDef table[] = {
        {"1.0", "name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
        {"1.1", "a", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.2", "b", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.3", "flag", ZnSyntax::Boolean, ZnAccess::ReadWrite},
        {"1.4", "uptime", ZnSyntax::TimeTicks, ZnAccess::ReadWrite},
        {"1.5", "mode", ZnSyntax::Integer, ZnAccess::ReadWrite, &kOnOffList},
        {"1.6", "when", ZnSyntax::BcDateTime, ZnAccess::ReadWrite},
        {"1.7", "mac", ZnSyntax::MacAddress, ZnAccess::ReadWrite},
        {},
    };
    list_ = ZnSNMPVarList(table, ZnItemType::SVT_SV, 0);
    list_.Item(0).Value = "core";
    list_.Item(1).Value = "3";
    list_.Item(2).Value = "4";
    list_.Item(3).Value = "true";
    list_.Item(4).Value = "1 day 0:00:00.00";
    list_.Item(5).Value = "off";
    list_.Item(6).Value = "1900/01/01 12:00:00 pm";
    list_.Item(7).Value = "001122334455";
  }
  ZnSNMPVarList list_;
};

TEST_F(ReferenceTest, ReferencesBecomeLiteralsOfTheirSyntax) {
  const QString expanded = ZnExpandReferences(list_, "$1+$2*2", "$", false);
  EXPECT_EQ(expanded, "3+4*2");
  EXPECT_DOUBLE_EQ(ZnEvaluateArithmetic(expanded), 11.0);
  EXPECT_EQ(ZnExpandReferences(list_, "$3 $4 $5 $6", "$", false), "1 8640000 2 2.5");
  EXPECT_EQ(ZnExpandReferences(list_, "$0=\"core\"", "$", true), "\"core\"=\"core\"");
  EXPECT_EQ(ZnExpandReferences(list_, "$", "$", true), "\"core\"");  // no digits: variable 0
  EXPECT_EQ(ZnExpandReferences(list_, "$$1", "$", true), "\"core\"3");
  EXPECT_EQ(ZnExpandReferences(list_, "a%1", "%", false), "a3");
  EXPECT_EQ(ZnExpandReferences(list_, "$1", "", false), "$1");
  EXPECT_TRUE(ZnEvaluateCondition(list_, "$1=3 & !$2=5"));
  EXPECT_TRUE(ZnEvaluateCondition(list_, ""));
  EXPECT_TRUE(ZnEvaluateCondition(list_, "$0=\"core\""));
}

TEST_F(ReferenceTest, BadReferencesRaise) {
  EXPECT_EQ(CodeOf([&] { ZnExpandReferences(list_, "$0", "$", false); }), -513);
  EXPECT_EQ(CodeOf([&] { ZnExpandReferences(list_, "$7", "$", false); }), -513);
  EXPECT_EQ(CodeOf([&] { ZnExpandReferences(list_, "$8", "$", true); }), -12);
  EXPECT_EQ(CodeOf([&] { ZnExpandReferences(list_, "$99999999999999999999", "$", true); }), -12);
  list_.Item(2).Value = "(NULL)";
  EXPECT_EQ(CodeOf([&] { ZnExpandReferences(list_, "$2", "$", true); }), -512);
}

TEST_F(ReferenceTest, DeriveWritesTheResultInTheVariablesSyntax) {
  const auto derive = [&](int i, std::uint32_t syntax, const char* expression) {
    list_.Item(i).Syntax = syntax;
    list_.Item(i).ReadExpression = expression;
    ZnDerive(list_, i, true);
    return list_.Item(i).Value;
  };
  EXPECT_EQ(derive(2, ZnSyntax::Integer, "$1*2+0.9"), "6");
  EXPECT_EQ(derive(2, ZnSyntax::Integer, "0-7.9"), "-7");
  EXPECT_EQ(derive(2, ZnSyntax::Integer, "1e300"), "2147483647");
  EXPECT_EQ(derive(2, ZnSyntax::Gauge, "0-1"), "0");
  EXPECT_EQ(derive(2, ZnSyntax::Counter64, "2*1e18"), "2000000000000000000");
  EXPECT_EQ(derive(2, ZnSyntax::Boolean, "$1-3"), "false");
  EXPECT_EQ(derive(2, ZnSyntax::TimeTicks, "8640000+1"), "1 day 0:00:00.01");
  EXPECT_EQ(derive(2, ZnSyntax::Double, "1/4"), "0.25");
  EXPECT_EQ(derive(2, ZnSyntax::BcDateTime, "2.5"), "1900/01/01 12:00:00 pm");
  EXPECT_EQ(derive(5, ZnSyntax::Integer, "0+1"), "on");
  EXPECT_EQ(CodeOf([&] { derive(2, ZnSyntax::DisplayString, "1"); }), -513);
  EXPECT_EQ(CodeOf([&] { derive(2, ZnSyntax::Integer, "$1/0"); }), -530);

  // Without an expression nothing changes; the write expression is used before writes.
  list_.Item(1).ReadExpression.clear();
  list_.Item(1).WriteExpression = "$1+1";
  ZnDerive(list_, 1, true);
  EXPECT_EQ(list_.Item(1).Value, "3");
  ZnDerive(list_, 1, false);
  EXPECT_EQ(list_.Item(1).Value, "4");
}

}  // namespace
