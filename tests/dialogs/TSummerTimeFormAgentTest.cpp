#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TCompoundRowPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSummerTimeForm.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// Daylight saving time against the simulated switch, which starts with the repeating rule from
// the second Monday of April 01:30 to the fourth Saturday of September 23:59, offset 90, and the
// annual rule from 27 March 02:00 to 29 October 03:00. Each rule value is one compound row of
// lists and edits over the fields of a packed octet string.
namespace {

using Form = TSummerTimeForm;
const QString kBase = "1.3.6.1.4.1.99917.12.10.12.";

// The texts of a compound row's fields, left to right.
QStringList Fields(const Form& form, int variable) {
  QStringList texts;
  for (const QWidget* field : form.CompoundRow(variable)->Fields()) {
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) texts << combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) texts << edit->text();
  }
  return texts;
}

// Chooses from each list and types into each edit of a compound row, left to right.
::testing::AssertionResult SetFields(Form& form, int variable, const QStringList& texts) {
  const auto& fields = form.CompoundRow(variable)->Fields();
  for (size_t k = 0; k < fields.size(); ++k) {
    const QString& text = texts[static_cast<int>(k)];
    ::testing::AssertionResult done = ::testing::AssertionSuccess();
    if (auto* combo = qobject_cast<QComboBox*>(fields[k])) done = user::Choose(combo, text);
    if (auto* edit = qobject_cast<QLineEdit*>(fields[k])) done = user::Retype(edit, text);
    if (!done) return done << " (field " << k << " of row " << variable << ")";
  }
  return ::testing::AssertionSuccess();
}

const TEditsPanel::Row& RowOf(const Form& form, int variable) {
  return form.Page()->Editor()->RowAt(variable);
}

// Clicks the check boxes of the rows that are not ticked yet; the page's Set button follows.
::testing::AssertionResult Tick(Form& form, std::initializer_list<int> variables) {
  for (int variable : variables)
    if (auto ticked = user::Tick(RowOf(form, variable).check); !ticked)
      return ticked << " (row " << variable << ")";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ChooseMode(Form& form, const QString& mode) {
  return user::Choose(form.StatusCombo(), mode);
}

// The page's buttons.
::testing::AssertionResult PressSetChecked(Form& form) {
  return user::Click(form.Page()->Buttons()->SetCheckedButton());
}
::testing::AssertionResult PressRefresh(Form& form) {
  return user::Click(form.Page()->Buttons()->RefreshButton());
}
::testing::AssertionResult PressCheckAll(Form& form) {
  return user::Click(form.Page()->Buttons()->CheckAllButton());
}

QString LastMemoLine(const Form& form) {
  return form.Page()->Memo()->toPlainText().split('\n').last();
}

class TSummerTimeFormAgentTest : public AgentSuite {
 protected:
  // Every scenario starts from the switch as it boots.
  void SetUp() override {
    ASSERT_TRUE(agent_->Restart());
    AgentSuite::SetUp();
  }

  // The variables of every GET since the trace was cleared, one line per request.
  static QStringList Gets() {
    QStringList gets;
    for (const QString& line : agent_->TraceLines()) {
      if (!line.startsWith("GET\t")) continue;
      QStringList oids;
      for (const QString& varbind : line.section('\t', 4).split('\t'))
        oids << varbind.section('=', 0, 0).mid(kBase.size());
      gets << oids.join(' ');
    }
    return gets;
  }
};

TEST_F(TSummerTimeFormAgentTest, ReadsTheModeFirstAndThenTheOffsetAndTheRulesOfTheMode) {
  Form form;
  form.show();
  EXPECT_EQ(Gets(), QStringList({"1.0", "1.0 2.0 3.0 4.0"}));
  EXPECT_EQ(form.StatusCombo()->currentText(), "repeating");
  EXPECT_EQ(qobject_cast<QComboBox*>(RowOf(form, Form::kOffset).value)->currentText(), "90");
  // Month, week, day, hour, minute.
  EXPECT_EQ(Fields(form, Form::kRepeatStart), QStringList({"Apr", "2nd", "Mon", "1", "30"}));
  EXPECT_EQ(Fields(form, Form::kRepeatEnd), QStringList({"Sep", "4th", "Sat", "23", "59"}));
  for (int variable : {Form::kAnnualStart, Form::kAnnualEnd})
    EXPECT_TRUE(RowOf(form, variable).value->isHidden());
  EXPECT_TRUE(LastMemoLine(form).startsWith("Get: Ok. Receive at "));
  // The keyboard goes through a rule row field by field, left to right.
  ASSERT_TRUE(user::TabTo(form.StatusCombo()));
  std::vector<QWidget*> tabOrder = {user::FocusWidget()};
  while (tabOrder.size() < 12) {
    ASSERT_TRUE(user::Tab());
    tabOrder.push_back(user::FocusWidget());
  }
  std::vector<QWidget*> expected = {form.StatusCombo(), RowOf(form, Form::kOffset).value};
  for (int variable : {Form::kRepeatStart, Form::kRepeatEnd})
    for (QWidget* field : form.CompoundRow(variable)->Fields()) expected.push_back(field);
  EXPECT_EQ(tabOrder, expected);
  ShootDialog(form, "TSummerTimeForm-repeating");

  // The annual rule is read when the switch runs it.
  agent_->ClearTrace();
  ASSERT_TRUE(ChooseMode(form, "annual"));
  EXPECT_TRUE(Gets().isEmpty());  // choosing a mode reads nothing
  ASSERT_TRUE(Tick(form, {Form::kStatus}));
  ASSERT_TRUE(PressSetChecked(form));
  ASSERT_TRUE(PressRefresh(form));
  EXPECT_EQ(Gets(), QStringList({"1.0", "1.0 2.0 5.0 6.0"}));
  // Day, month, hour, minute.
  EXPECT_EQ(Fields(form, Form::kAnnualStart), QStringList({"27", "Mar", "2", "0"}));
  EXPECT_EQ(Fields(form, Form::kAnnualEnd), QStringList({"29", "Oct", "3", "0"}));
  ShootDialog(form, "TSummerTimeForm-annual");
}

TEST_F(TSummerTimeFormAgentTest, TheMenuItemOpensTheDialogCaptionedForTheDevice) {
  const std::unique_ptr<QDialog> dialog =
      ZnCreateHandMadeDialog("TSummerTimeForm", agent_->Address(), nullptr);
  ASSERT_NE(qobject_cast<Form*>(dialog.get()), nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Summer Time : " + agent_->Address());
}

TEST_F(TSummerTimeFormAgentTest, WritesTheModeAndThenTheOffsetAndTheRulePair) {
  Form form;
  form.show();
  ASSERT_TRUE(SetFields(form, Form::kRepeatStart, {"Mar", "last", "Sun", "2", "0"}));
  ASSERT_TRUE(SetFields(form, Form::kRepeatEnd, {"Oct", "last", "Sun", "3", "0"}));
  auto* offset = qobject_cast<QComboBox*>(RowOf(form, Form::kOffset).value);
  ASSERT_TRUE(user::Choose(offset, "60"));
  // Rows of the other mode are hidden and never written, even when ticked: Check All ticks
  // every row, the hidden ones too.
  ASSERT_TRUE(PressCheckAll(form));
  ASSERT_TRUE(RowOf(form, Form::kAnnualStart).check->isChecked());
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(Sets(), QStringList({kBase + "1.0=INTEGER:1", kBase + "2.0=INTEGER:60\t" + kBase +
                                                              "3.0=STRING:000001030200\t" + kBase +
                                                              "4.0=STRING:0000010A0300"}));
  EXPECT_TRUE(notifier_.shown.empty());

  ASSERT_TRUE(PressRefresh(form));
  EXPECT_EQ(Fields(form, Form::kRepeatStart), QStringList({"Mar", "last", "Sun", "2", "0"}));
  EXPECT_EQ(Fields(form, Form::kRepeatEnd), QStringList({"Oct", "last", "Sun", "3", "0"}));

  // Saturday is 7 in two octets, most significant first.
  agent_->ClearTrace();
  for (QCheckBox* check : {RowOf(form, Form::kStatus).check, RowOf(form, Form::kOffset).check,
                           RowOf(form, Form::kRepeatEnd).check})
    ASSERT_TRUE(user::Tick(check, false));
  ASSERT_TRUE(SetFields(form, Form::kRepeatStart, {"Nov", "1st", "Sat", "0", "15"}));
  ASSERT_TRUE(Tick(form, {Form::kRepeatStart}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(Sets(), QStringList{kBase + "3.0=STRING:0100070B000F"});
}

TEST_F(TSummerTimeFormAgentTest, AnAnnualRuleIsWrittenAsItsFourOctetPair) {
  Form form;
  form.show();
  ASSERT_TRUE(ChooseMode(form, "annual"));
  ASSERT_TRUE(SetFields(form, Form::kAnnualStart, {"31", "Mar", "2", "0"}));
  ASSERT_TRUE(SetFields(form, Form::kAnnualEnd, {"29", "Oct", "3", "0"}));
  ASSERT_TRUE(Tick(form, {Form::kStatus, Form::kAnnualStart, Form::kAnnualEnd}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(Sets(), QStringList({kBase + "1.0=INTEGER:2",
                                 kBase + "5.0=STRING:1F030200\t" + kBase + "6.0=STRING:1D0A0300"}));
}

// The mode list decides which pair of rows is shown; rows that go out of sight lose their
// ticks, so they are never written.
TEST_F(TSummerTimeFormAgentTest, TheModeShowsOnlyItsRows) {
  Form form;
  form.show();
  struct Case {
    const char* mode;
    bool repeating;
    bool annual;
  };
  for (const Case& c : {Case{"annual", false, true}, Case{"disable", false, false},
                        Case{"repeating", true, false}, Case{"annual", false, true}}) {
    SCOPED_TRACE(c.mode);
    // Check All ticks every row, shown or not.
    ASSERT_TRUE(PressCheckAll(form));
    ASSERT_TRUE(ChooseMode(form, c.mode));
    for (int variable = Form::kRepeatStart; variable <= Form::kAnnualEnd; ++variable) {
      const bool shown = variable <= Form::kRepeatEnd ? c.repeating : c.annual;
      EXPECT_EQ(!RowOf(form, variable).value->isHidden(), shown) << variable;
      EXPECT_EQ(!RowOf(form, variable).caption->isHidden(), shown) << variable;
      if (!shown) {
        EXPECT_FALSE(RowOf(form, variable).check->isChecked()) << variable;
      }
    }
  }
  EXPECT_TRUE(Sets().isEmpty());

  // With the status "disable" at most the status and the offset are written.
  ASSERT_TRUE(ChooseMode(form, "disable"));
  ASSERT_TRUE(Tick(form, {Form::kStatus, Form::kOffset}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(Sets(), QStringList({kBase + "1.0=INTEGER:0", kBase + "2.0=INTEGER:90"}));
}

TEST_F(TSummerTimeFormAgentTest, AnEmptyFieldOfATickedRuleRowIsMissingInput) {
  Form form;
  form.show();
  ASSERT_TRUE(user::Retype(
      qobject_cast<QLineEdit*>(form.CompoundRow(Form::kRepeatStart)->Fields()[3]), ""));
  ASSERT_TRUE(Tick(form, {Form::kRepeatStart}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some items are empty!"});
  EXPECT_TRUE(Sets().isEmpty());

  // With the status ticked too, the mode goes out in its own request before the rule stops.
  notifier_.shown.clear();
  ASSERT_TRUE(Tick(form, {Form::kStatus}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some items are empty!"});
  EXPECT_EQ(Sets(), QStringList{kBase + "1.0=INTEGER:1"});
}

TEST_F(TSummerTimeFormAgentTest, TheSwitchRefusesAnHourOfTwentyFive) {
  Form form;
  form.show();
  ASSERT_TRUE(SetFields(form, Form::kRepeatStart, {"Mar", "last", "Sun", "25", "0"}));
  ASSERT_TRUE(Tick(form, {Form::kRepeatStart}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(Sets(), QStringList{kBase + "3.0=STRING:000001031900"});
  EXPECT_TRUE(
      LastMemoLine(form).startsWith("Set: (SNMP) Cannot create/set variable, Wrong Value!."))
      << LastMemoLine(form).toStdString();
  ASSERT_TRUE(PressRefresh(form));
  EXPECT_EQ(Fields(form, Form::kRepeatStart), QStringList({"Apr", "2nd", "Mon", "1", "30"}));
}

// A switch whose rule values are shorter than their fields: the row of such a value shows
// nothing rather than what was read before, and the refresh reports the binding's failure.
class TSummerTimeFormShortValueAgentTest : public TSummerTimeFormAgentTest {
 protected:
  static void SetUpTestSuite() {
    StartAgent({"--octets", "1.3.6.1.4.1.99917.12.10.12.3.0=000001"});
  }
};

TEST_F(TSummerTimeFormShortValueAgentTest, AShortRuleValueLeavesItsRowEmpty) {
  Form form;
  form.show();
  EXPECT_EQ(Fields(form, Form::kRepeatStart), QStringList({"", "", "", "", ""}));
  // The end rule, after the short one, is shown all the same.
  EXPECT_EQ(Fields(form, Form::kRepeatEnd), QStringList({"Sep", "4th", "Sat", "23", "59"}));
  EXPECT_TRUE(LastMemoLine(form).startsWith(
      "Get: (ZnSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
      "(partial) data!"))
      << LastMemoLine(form).toStdString();

  // An empty row is missing input: the short value is not written back padded with zeros.
  ASSERT_TRUE(Tick(form, {Form::kRepeatStart}));
  ASSERT_TRUE(PressSetChecked(form));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some items are empty!"});
  EXPECT_TRUE(Sets().isEmpty());
}

}  // namespace
