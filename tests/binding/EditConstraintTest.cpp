#include "ZnEditConstraint.h"

#include "ErrorCode.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnUserNotifier.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>
#include <memory>

// Edit constraints on real line edits in a shown window: what typing leaves in the edit, where
// the focus goes, and what the user is told on leaving.
namespace {

const QString kEmptyNotAllowed = "Empty value is not allowed!";

// Three edits in tab order, the first one focused, and a constraint owned by the test.
class EditConstraintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(qobject_cast<QApplication*>(&TestApplication()), nullptr);
    ZnSetNotifier(&notifier_);
    form_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form_.get());
    for (QLineEdit*& edit : edits_) {
      edit = new QLineEdit(form_.get());
      layout->addWidget(edit);
    }
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    e1()->setFocus();
    ASSERT_TRUE(e1()->hasFocus());
    constraint_ = std::make_unique<ZnEditConstraint>(form_.get(), true);
  }
  void TearDown() override {
    constraint_.reset();
    form_.reset();
    ZnSetNotifier(nullptr);
    ZnSNMPResetMessages();
  }

  QLineEdit* e1() const { return edits_[0]; }
  QLineEdit* e2() const { return edits_[1]; }
  QLineEdit* e3() const { return edits_[2]; }

  // Runs the queued next-control requests.
  static void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
  static void Type(QLineEdit* edit, const QString& keys) {
    QTest::keyClicks(edit, keys);
    Settle();
  }
  static void Leave(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Tab);
    Settle();
  }
  // Enters the edit with all of its text selected, so that typing replaces it.
  static void Enter(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
  }
  static QWidget* Focused() { return QApplication::focusWidget(); }

  RecordingNotifier notifier_;
  std::unique_ptr<QWidget> form_;
  QLineEdit* edits_[3] = {};
  std::unique_ptr<ZnEditConstraint> constraint_;
};

// ---------------------------------------------------------------------------------------------
// Reading formats

TEST_F(EditConstraintTest, FormatsInUseGiveTheirBoundsLengthsAndFlags) {
  struct Case {
    const char* format;
    char type;
    double min, max;
    int length;
    quint16 flags;
  };
  const Case cases[] = {
      {"%i{n30x99999}", 'i', 30, 99999, 0, 0},
      {"%i{n-779x839}", 'i', -779, 839, 0, 0},
      {"%i{n0x255l3a}", 'i', 0, 255, 3, EditConstraint_s::AdvanceWhenFull},
      {"%i{n1x2147483647l10}", 'i', 1, 2147483647, 10, 0},
      {"%f{n0.5x2.25}", 'f', 0.5, 2.25, 0, 0},
      {"%s{l16}", 's', std::numeric_limits<double>::min(), std::numeric_limits<double>::max(), 16,
       0},
      // Flags in any order, each once; a later option overwrites an earlier one.
      {"%h{l8nfa}", 'h', std::numeric_limits<double>::min(), std::numeric_limits<double>::max(), 8,
       7},
      {"%u{n5x6n7l2al4f}", 'u', 7, 6, 4, EditConstraint_s::FixedLength},
      // Defaults without options: the range of the type.
      {"%i", 'i', -2147483648.0, 2147483647, 0, 0},
      {"%u", 'u', 0, 4294967295.0, 0, 0},
      {"%f", 'f', std::numeric_limits<double>::min(), std::numeric_limits<double>::max(), 0, 0},
  };
  for (const Case& c : cases) {
    constraint_->Attach(c.format, e1());
    const EditConstraint_s* parsed = constraint_->Constraint(e1());
    ASSERT_NE(parsed, nullptr) << c.format;
    EXPECT_EQ(parsed->Type, c.type) << c.format;
    EXPECT_EQ(parsed->Min, c.min) << c.format;
    EXPECT_EQ(parsed->Max, c.max) << c.format;
    EXPECT_EQ(parsed->Length, c.length) << c.format;
    EXPECT_EQ(parsed->Flags, c.flags) << c.format;
    EXPECT_TRUE(parsed->EndChar.isNull()) << c.format;
    EXPECT_EQ(ZnTypingLimitOf(e1()), c.length) << c.format;
  }
}

TEST_F(EditConstraintTest, DelimiterEndCharacterAndWidthAreRead) {
  constraint_->Attach("%n.{n0x255l4fe/w120}", e1());
  const EditConstraint_s* parsed = constraint_->Constraint(e1());
  ASSERT_NE(parsed, nullptr);
  EXPECT_EQ(parsed->Type, 'n');
  EXPECT_EQ(parsed->Delimiter, QChar('.'));
  EXPECT_EQ(parsed->EndChar, QChar('/'));
  EXPECT_EQ(parsed->Length, 4);
  EXPECT_EQ(parsed->Flags, EditConstraint_s::FixedLength);
  EXPECT_EQ(e1()->width(), 120);
  EXPECT_EQ(ZnTypingLimitOf(e1()), 4);
  // "%s" lifts a limit an earlier format set.
  constraint_->Attach("%s", e1());
  EXPECT_EQ(ZnTypingLimitOf(e1()), 0);
}

TEST_F(EditConstraintTest, BadFormatsRaiseAndLeaveTheEditAlone) {
  e1()->setMaxLength(7);
  for (const char* format : {"%x",
                             "%",
                             "",
                             "i",
                             "%i{n1",
                             "%i{q5}",
                             "%i{l}",
                             "%i{e}",
                             "%i{n}",
                             "%i{x}",
                             "%i{w}",
                             "%i{",
                             "%i}",
                             "%i5",
                             "%i{n1}x",
                             "%n",
                             "%I",
                             "%i{l3afna}",
                             "%i{n1-2}",
                             "%i{n-}",
                             "%i{x.}",
                             "%i{n1.2.3}",
                             "%i{l99999999999}",
                             "%u{l3ae.}%u{l3ae.}"}) {
    try {
      constraint_->Attach(format, e1());
      ADD_FAILURE() << format << " was accepted";
    } catch (const ZnException& e) {
      EXPECT_EQ(e.Code(), -2) << format;
      EXPECT_EQ(e.Message(), "Bad format specifier of edit's constraint!") << format;
    }
    EXPECT_FALSE(constraint_->IsAttached(e1())) << format;
    EXPECT_EQ(e1()->maxLength(), 7) << format;
  }
  // Still no record: typing is not filtered.
  Type(e1(), "ab");
  EXPECT_EQ(e1()->text(), "ab");
  EXPECT_EQ(notifier_.beeps, 0);
}

TEST_F(EditConstraintTest, SeveralEditsTakeOnePieceEachOrNoneAtAll) {
  constraint_->Attach("%u{n1x255l3ae.}%n,{n0x9}%s{l5}", {e1(), e2(), e3()});
  ASSERT_TRUE(constraint_->IsAttached(e1()) && constraint_->IsAttached(e2()) &&
              constraint_->IsAttached(e3()));
  EXPECT_EQ(constraint_->Constraint(e1())->EndChar, QChar('.'));
  EXPECT_EQ(constraint_->Constraint(e2())->Delimiter, QChar(','));
  EXPECT_EQ(constraint_->Constraint(e2())->Max, 9);
  EXPECT_EQ(constraint_->Constraint(e3())->Type, 's');
  EXPECT_EQ(ZnTypingLimitOf(e3()), 5);

  // A bad last piece, or a count that does not match the edits, attaches nothing: an edit
  // left half-constrained would check a different value than its neighbours.
  auto fresh = std::make_unique<ZnEditConstraint>(form_.get(), true);
  EXPECT_EQ(CodeOf([&] { fresh->Attach("%u%u%q", {e1(), e2(), e3()}); }), -2);
  EXPECT_EQ(CodeOf([&] { fresh->Attach("%u%u%u", {e1(), e2()}); }), -2);
  EXPECT_EQ(CodeOf([&] { fresh->Attach("%u", {e1(), e2()}); }), -2);
  for (QLineEdit* edit : edits_) EXPECT_FALSE(fresh->IsAttached(edit));
}

// ---------------------------------------------------------------------------------------------
// Typing

TEST_F(EditConstraintTest, TypingKeepsOnlyWhatTheTypeAllowsAndBeepsPerRefusedKey) {
  struct Case {
    const char* format;
    const char* keys;
    const char* text;
    int beeps;
  };
  const Case cases[] = {
      {"%i{n30x99999}", "12a", "12", 1},
      {"%i{n-779x839}", "-5", "-5", 0},
      {"%i{n-779x839}", "5-", "5", 1},
      {"%i", "-1-2.3", "-123", 2},
      {"%u", "-12x3", "123", 2},
      {"%f", "-1.5.3-", "-1.53", 2},
      {"%f", ".5", ".5", 0},
      {"%h", "0aFgZ9-", "0aF9", 3},
      {"%n,", ",1,,2,", "1,2,", 2},
      {"%n.", "1..2a", "1.2", 2},
      {"%s", "a-., Z!", "a-., Z!", 0},
  };
  for (const Case& c : cases) {
    e1()->clear();
    constraint_->Attach(c.format, e1());
    notifier_.beeps = 0;
    Type(e1(), c.keys);
    EXPECT_EQ(e1()->text(), c.text) << c.format << " typing " << c.keys;
    EXPECT_EQ(notifier_.beeps, c.beeps) << c.format << " typing " << c.keys;
  }
}

TEST_F(EditConstraintTest, RefusedKeyLeavesTheCursorWhereItWasTyped) {
  constraint_->Attach("%i", e1());
  Type(e1(), "12");
  e1()->setCursorPosition(0);
  Type(e1(), "a");
  EXPECT_EQ(e1()->text(), "12");
  EXPECT_EQ(e1()->cursorPosition(), 0);
  Type(e1(), "3");
  EXPECT_EQ(e1()->text(), "312");
  // Between the digits: a second minus sign goes, the cursor stays after the 3.
  Type(e1(), "-");
  EXPECT_EQ(e1()->text(), "312");
  EXPECT_EQ(e1()->cursorPosition(), 1);
}

TEST_F(EditConstraintTest, TextsSetByTheProgramAreFilteredToo) {
  constraint_->Attach("%u", e1());
  e1()->setText("1a2b3");
  EXPECT_EQ(e1()->text(), "123");
  EXPECT_EQ(notifier_.beeps, 2);

  // A long pasted text full of refused characters: one pass, no handler nested per character
  // (that recursion ran out of stack).
  notifier_.beeps = 0;
  e1()->setText(QString(20000, QChar('x')) + "7");
  EXPECT_EQ(e1()->text(), "7");
  EXPECT_EQ(notifier_.beeps, 20000);
}

TEST_F(EditConstraintTest, ValuePlaceholdersAreNeitherFilteredNorChecked) {
  constraint_->Attach("%i{n30x99999}", e1());
  int changes = 0, exits = 0;
  constraint_->SetChainedHandlers(
      e1(), [&](QLineEdit*) { ++changes; }, [&](QLineEdit*) { ++exits; });
  for (const char* placeholder : {"(NULL)", "(NOTDONE)"}) {
    Enter(e1());
    e1()->setText(placeholder);
    Leave(e1());
    EXPECT_EQ(e1()->text(), placeholder);
    EXPECT_EQ(Focused(), e2()) << placeholder;
  }
  EXPECT_EQ(notifier_.beeps, 0);
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(exits, 0);
}

TEST_F(EditConstraintTest, ChainedChangeHandlerSeesOnlyFilteredTexts) {
  constraint_->Attach("%i", e1());
  QStringList seen;
  constraint_->SetChainedHandlers(
      e1(), [&](QLineEdit* edit) { seen << edit->text(); }, nullptr);
  Type(e1(), "1a2");
  EXPECT_EQ(seen, QStringList({"1", "1", "12"}));  // "1a" is put back as "1" before it is seen
}

// ---------------------------------------------------------------------------------------------
// Moving on

TEST_F(EditConstraintTest, FullEditMovesOnOnlyWithFlagA) {
  constraint_->Attach("%i{n0x255l3a}", e1());
  constraint_->Attach("%i{n0x255l3}", e2());
  Type(e1(), "12");
  EXPECT_EQ(Focused(), e1());
  Type(e1(), "3");
  EXPECT_EQ(Focused(), e2());
  Type(e2(), "123");
  EXPECT_EQ(e2()->text(), "123");
  EXPECT_EQ(Focused(), e2());
  Type(e2(), "4");  // beyond the length: the edit takes no more
  EXPECT_EQ(e2()->text(), "123");
}

TEST_F(EditConstraintTest, FullTextSetIntoAnEditTheUserIsNotInLeavesTheFocusAlone) {
  constraint_->Attach("%i{n0x255l3a}", e1());
  constraint_->Attach("%i{n0x255l3a}", e2());
  e3()->setFocus();
  e1()->setText("100");  // a value shown from the device while the user is in e3
  Settle();
  EXPECT_EQ(Focused(), e3());
  Enter(e2());
  e2()->setText("100");  // the user is in e2: it is full and moves on
  Settle();
  EXPECT_EQ(Focused(), e3());
}

TEST_F(EditConstraintTest, EndCharacterIsRemovedAndMovesOn) {
  constraint_->Attach("%u{l3ae.}%u{l3ae.}", {e1(), e2()});
  Type(e1(), "12.");
  EXPECT_EQ(e1()->text(), "12");
  EXPECT_EQ(Focused(), e2());
  Type(e2(), "3.");
  EXPECT_EQ(e2()->text(), "3");
  EXPECT_EQ(Focused(), e3());
  EXPECT_EQ(notifier_.beeps, 0);
  EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(EditConstraintTest, ChainedChangeHandlerVetoesTheAdvance) {
  constraint_->Attach("%i{n0x255l3a}", e1());
  constraint_->SetChainedHandlers(
      e1(), [](QLineEdit* edit) { edit->setProperty("Tag", edit->text() == "123" ? -1 : 0); },
      nullptr);
  Type(e1(), "123");
  EXPECT_EQ(Focused(), e1());
  Enter(e1());
  Type(e1(), "124");
  EXPECT_EQ(Focused(), e2());
}

// ---------------------------------------------------------------------------------------------
// Leaving

TEST_F(EditConstraintTest, RefusedExitTellsTheFormPutsBackTheLastAcceptedTextAndReturns) {
  constraint_->Attach("%i{n30x99999}", e1());
  Type(e1(), "45");
  Leave(e1());
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(Focused(), e2());

  Enter(e1());
  Type(e1(), "12a");
  EXPECT_EQ(notifier_.beeps, 1);
  Leave(e1());
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Text, "Please enter a number between 30 and 99999!");
  EXPECT_EQ(notifier_.shown[0].Caption, ZnProgramFileName());
  EXPECT_EQ(notifier_.shown[0].Parent, form_.get());
  EXPECT_EQ(e1()->text(), "45");
  EXPECT_EQ(Focused(), e1());

  // Clicking another edit is leaving too; the owner of the box follows the form.
  QWidget other;
  constraint_->SetForm(&other);
  EXPECT_EQ(constraint_->Form(), &other);
  Enter(e1());
  Type(e1(), "7");
  e3()->setFocus(Qt::MouseFocusReason);
  Settle();
  ASSERT_EQ(notifier_.shown.size(), 2u);
  EXPECT_EQ(notifier_.shown[1].Parent, &other);
  EXPECT_EQ(e1()->text(), "45");
  EXPECT_EQ(Focused(), e1());
}

TEST_F(EditConstraintTest, EveryViolationHasItsMessage) {
  struct Case {
    const char* format;
    const char* keys;
    const char* message;
  };
  const Case cases[] = {
      {"%i{n-779x839}", "-780", "Please enter a number between -779 and 839!"},
      {"%i{n30x99999}", "100000", "Please enter a number between 30 and 99999!"},
      // A lone sign is no number; it must not pass, nor escape as an exception.
      {"%i{n30x99999}", "-", "Please enter a number between 30 and 99999!"},
      {"%f{n0x1.5}", "1.6", "Please enter a number between 0 and 1.5!"},
      {"%f{n0x1.5}", "-.", "Please enter a number between 0 and 1.5!"},
      // Without an n option a decimal number must be above zero.
      {"%f", "0", "Please enter a number between 2.2250738585072e-308 and 1.79769313486232e+308!"},
      {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
      {"%s{l4f}", "abc", "Please enter a string whose length is 4!"},
      {"%h{l4f}", "abc", "Please enter a hex string whose length is 4!"},
      {"%n,{n1x9l5f}", "1,2,3",
       "Please enter a delimited number string with delimiter ','.\nHere,the count of the number "
       "is equal to 5!"},
      {"%n,{n1x4094}", "1,5000",
       "Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 "
       "and 4094!"},
      // A trailing delimiter adds a 0.
      {"%n,{n1x4094}", "1,",
       "Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 "
       "and 4094!"},
      // 4294967297 wraps to 1 in 32 bits: it must not pass as 1.
      {"%n,{n1x4094}", "4294967297",
       "Please enter a delimited number string with delimiter ','.\nHere,each number is between 1 "
       "and 4094!"},
      // Bounds outside 32 unsigned bits are clamped, not wrapped: -5 is 0, not 4294967291.
      {"%n.{n-5x9999999999}", "1.4294967296",
       "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 0 "
       "and 4294967295!"},
  };
  for (const Case& c : cases) {
    constraint_->Attach(c.format, e1());
    notifier_.shown.clear();
    Enter(e1());
    Type(e1(), c.keys);
    ASSERT_EQ(e1()->text(), c.keys) << c.format;  // typed as it stands
    Leave(e1());
    EXPECT_EQ(notifier_.Texts(), QStringList{c.message}) << c.format << " with " << c.keys;
    EXPECT_EQ(e1()->text(), "") << c.format;  // nothing accepted yet: back to empty
    EXPECT_EQ(Focused(), e1()) << c.format;
  }
}

TEST_F(EditConstraintTest, TextsWithinTheConstraintPass) {
  struct Case {
    const char* format;
    const char* keys;
  };
  const Case cases[] = {
      {"%i{n-779x839}", "-5"},   {"%i{n-779x839}", "839"}, {"%u", "4294967295"},
      {"%f{n0x1.5}", "1.5"},     {"%f{n0x1.5}", "0"},      {"%f", ".25"},
      {"%s", "any text at all"}, {"%s{l4f}", "abcd"},      {"%h{l4}", "abc"},
      {"%n,{n1x4094}", "1,2,3"}, {"%n,{n1x9l5}", "1,2,3"}, {"%n.{n0x255}", "10.0.0.1"},
  };
  for (const Case& c : cases) {
    constraint_->Attach(c.format, e1());
    Enter(e1());
    Type(e1(), c.keys);
    Leave(e1());
    EXPECT_TRUE(notifier_.shown.empty())
        << c.format << " with " << c.keys << ": " << notifier_.Texts().join('|').toStdString();
    EXPECT_EQ(e1()->text(), c.keys) << c.format;
    EXPECT_EQ(Focused(), e2()) << c.format;
    EXPECT_EQ(constraint_->Constraint(e1())->LastText, c.keys) << c.format;
  }
}

// Qt cuts any text to the edit's maximum length, so a text longer than the format's length only
// reaches the exit check when something else lifted the limit; the check must still hold then.
TEST_F(EditConstraintTest, TooLongTextsAreRefusedWhenTheLimitWasLifted) {
  struct Case {
    const char* format;
    QString text;
    const char* message;
  };
  const Case cases[] = {
      {"%s{l16}", QString(17, QChar('s')), "Please enter a string whose length is less than 16!"},
      {"%h{l4}", "abcde", "Please enter a hex string whose length is less than 4!"},
      {"%n,{n0x9l3}", "1,2,3,4",
       "Please enter a delimited number string with delimiter ','.\nHere,the count of the number "
       "is less than 3!"},
  };
  for (const Case& c : cases) {
    constraint_->Attach(c.format, e1());
    notifier_.shown.clear();
    Enter(e1());
    e1()->setText(c.text);
    e1()->setModified(true);  // as if typed: a text shown by the program is not checked
    Leave(e1());
    EXPECT_EQ(notifier_.Texts(), QStringList{c.message}) << c.format;
    EXPECT_EQ(Focused(), e1()) << c.format;
  }
}

TEST_F(EditConstraintTest, EmptyEditIsAcceptedSilentlyUnlessFlagNForbidsIt) {
  constraint_->Attach("%i{n1x99l2}", e1());
  int exits = 0;
  constraint_->SetChainedHandlers(e1(), nullptr, [&](QLineEdit*) { ++exits; });
  Type(e1(), "42");
  Leave(e1());
  ASSERT_EQ(exits, 1);

  // Emptied: accepted, but neither chained nor remembered, so a refusal later puts 42 back.
  Enter(e1());
  QTest::keyClick(e1(), Qt::Key_Backspace);
  Leave(e1());
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(Focused(), e2());
  EXPECT_EQ(constraint_->Constraint(e1())->LastText, "42");

  constraint_->Attach("%i{n1x99l2n}", e1());
  Enter(e1());
  Type(e1(), "5");
  Leave(e1());
  Enter(e1());
  QTest::keyClick(e1(), Qt::Key_Backspace);
  Leave(e1());
  EXPECT_EQ(notifier_.Texts(), QStringList{kEmptyNotAllowed});
  EXPECT_EQ(e1()->text(), "5");
  EXPECT_EQ(Focused(), e1());
  EXPECT_EQ(exits, 2);  // 5 was accepted: re-attaching kept the chained handlers
}

TEST_F(EditConstraintTest, ChainedExitRunsOnlyForAcceptedTextsAndCanVeto) {
  constraint_->Attach("%i{n1x500}", e1());
  QStringList exits;
  bool veto = false;
  constraint_->SetChainedHandlers(e1(), nullptr, [&](QLineEdit* edit) {
    exits << edit->text();
    edit->setProperty("Tag", veto ? -1 : 0);
  });
  Type(e1(), "7");
  Leave(e1());
  Enter(e1());
  Type(e1(), "501");
  Leave(e1());  // refused: no chained exit
  EXPECT_EQ(exits, QStringList{"7"});
  EXPECT_EQ(e1()->text(), "7");

  // Vetoed: the last accepted text comes back without a message, and the user moves on.
  notifier_.shown.clear();
  veto = true;
  Enter(e1());
  Type(e1(), "300");
  Leave(e1());
  EXPECT_EQ(exits, QStringList({"7", "300"}));
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(e1()->text(), "7");
  EXPECT_EQ(Focused(), e2());
}

TEST_F(EditConstraintTest, WithoutRememberOnlyRememberSetsTheTextPutBack) {
  ZnEditConstraint forgetful(form_.get(), false);
  forgetful.Attach("%i{n1x10}", e1());
  Type(e1(), "5");
  Leave(e1());
  EXPECT_EQ(forgetful.Constraint(e1())->LastText, "");
  Enter(e1());
  Type(e1(), "11");
  Leave(e1());
  EXPECT_EQ(e1()->text(), "");

  Enter(e1());
  Type(e1(), "3");
  forgetful.Remember(e1());
  Enter(e1());
  Type(e1(), "12");
  Leave(e1());
  EXPECT_EQ(e1()->text(), "3");
  EXPECT_EQ(notifier_.shown.size(), 2u);
}

TEST_F(EditConstraintTest, FullEditRefusedOnExitKeepsTheFocus) {
  // The text put back is full again; that write must not move the focus on after the edit got
  // it back.
  constraint_->Attach("%i{n0x255l3a}", e1());
  Type(e1(), "100");
  ASSERT_EQ(Focused(), e2());
  Enter(e1());
  Type(e1(), "999");
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 0 and 255!"});
  EXPECT_EQ(e1()->text(), "100");
  Settle();
  EXPECT_EQ(Focused(), e1());
}

TEST_F(EditConstraintTest, TwoRefusedEditsDoNotPullTheFocusToAndFro) {
  // Handing the focus back to e1 takes it from e2, which would refuse its empty text in turn.
  constraint_->Attach("%i{n1x8l1n}%i{n1x8l1n}", {e1(), e2()});
  Type(e1(), "9");
  Leave(e1());
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 1 and 8!"});
  EXPECT_EQ(Focused(), e1());
  EXPECT_EQ(e2()->text(), "");
}

TEST_F(EditConstraintTest, RealMessageBoxTakingTheFocusIsNoExit) {
  // The program's own message box: it takes the focus from the window and gives it back, which
  // must neither count as leaving e1 nor as leaving e2 (the control the user was going to).
  ZnSetNotifier(nullptr);
  QStringList seen;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen << box->windowTitle() + ": " + box->text();
      EXPECT_EQ(box->parentWidget(), form_.get());
      box->accept();
    }
  });
  closer.start(10);
  constraint_->Attach("%i{n1x8l1n}%i{n1x8l1n}", {e1(), e2()});
  Type(e1(), "9");
  Leave(e1());
  // The offscreen platform has no window manager to hand the activation back.
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Settle();
  EXPECT_EQ(seen, QStringList{ZnProgramFileName() + ": Please enter a number between 1 and 8!"});
  EXPECT_EQ(e1()->text(), "");
  EXPECT_EQ(Focused(), e1());
}

TEST_F(EditConstraintTest, SwitchingToAnotherWindowIsNoExit) {
  constraint_->Attach("%i{n1x8}", e1());
  Type(e1(), "9");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  Settle();
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(e1()->text(), "9");
}

TEST_F(EditConstraintTest, CatalogueRewordsTheMessages) {
  QTemporaryDir dir;
  const QString path = dir.filePath("common.err");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "Ok\nBad operand\nFormat kaputt\nLeer geht nicht\nl4\nl5\nl6\nl7\n"
      "Zahl von [MIN] bis [MAX] bitte\nl9\nl10\nListe mit [DELIMITER]: [MIN]..[MAX]\n");
  file.close();
  ZnSNMPLoadMessages(ZnMessageTable::General, path);

  try {
    constraint_->Attach("%q", e1());
    ADD_FAILURE() << "%q was accepted";
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Message(), "Format kaputt");
    EXPECT_EQ(e.Code(), -2);
  }
  constraint_->Attach("%i{n30x99999l5n}%n;{n2x3}", {e1(), e2()});
  Type(e1(), "5");
  Leave(e1());
  Leave(e1());  // refused 5 was taken back: now it is empty
  Type(e1(), "50");
  Leave(e1());
  Type(e2(), "2;4");
  Leave(e2());
  EXPECT_EQ(notifier_.Texts(),
            QStringList({"Zahl von 30 bis 99999 bitte", "Leer geht nicht", "Liste mit ;: 2..3"}));
}

// ---------------------------------------------------------------------------------------------
// Attaching and letting go

// The length limits typing only: a device value is shown whole, so that it is neither cut nor
// written back cut, and a placeholder stays a placeholder.
TEST_F(EditConstraintTest, TheLengthLimitsTypingNotWhatTheProgramShows) {
  constraint_->Attach("%s{l3}", e1());
  Enter(e1());
  Type(e1(), "abcd");
  EXPECT_EQ(e1()->text(), "abc");
  e1()->setText("(NOTDONE)");
  EXPECT_EQ(e1()->text(), "(NOTDONE)");
  e1()->setText("abcdef");
  EXPECT_EQ(e1()->text(), "abcdef");
  QTest::keyClick(e1(), Qt::Key_End);
  QTest::keyClick(e1(), Qt::Key_Backspace);  // shortening a long text is still possible
  EXPECT_EQ(e1()->text(), "abcde");
  Type(e1(), "x");
  EXPECT_EQ(e1()->text(), "abcde");
}

TEST_F(EditConstraintTest, DetachRestoresPlainBehaviour) {
  constraint_->Attach("%i{n1x9l3a}", e1());
  int calls = 0;
  constraint_->SetChainedHandlers(
      e1(), [&](QLineEdit*) { ++calls; }, [&](QLineEdit*) { ++calls; });
  constraint_->Detach(e1());
  constraint_->Detach(e1());  // a second time: nothing
  EXPECT_FALSE(constraint_->IsAttached(e1()));
  EXPECT_EQ(constraint_->Constraint(e1()), nullptr);
  EXPECT_EQ(ZnTypingLimitOf(e1()), 0);
  Type(e1(), "abc");
  Leave(e1());
  EXPECT_EQ(e1()->text(), "abc");
  EXPECT_EQ(Focused(), e2());
  EXPECT_EQ(notifier_.beeps, 0);
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(calls, 0);

  // Chained handlers are for constrained edits only; detaching dropped them.
  constraint_->SetChainedHandlers(
      e1(), [&](QLineEdit*) { ++calls; }, nullptr);
  constraint_->Attach("%s", e1());
  Type(e1(), "x");
  EXPECT_EQ(calls, 0);
  // Attached again, the edit is handled once per change, not once per attach.
  constraint_->SetChainedHandlers(
      e1(), [&](QLineEdit*) { ++calls; }, nullptr);
  Type(e1(), "y");
  EXPECT_EQ(calls, 1);
}

TEST_F(EditConstraintTest, DeletedConstraintLeavesTheEditsPlain) {
  constraint_->Attach("%i{n1x9}", e1());
  constraint_.reset();
  Type(e1(), "a12");
  Leave(e1());
  EXPECT_EQ(e1()->text(), "a12");
  EXPECT_EQ(notifier_.beeps, 0);
  EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(EditConstraintTest, DeletedEditsAreForgotten) {
  constraint_->Attach("%i{n1x9}%i{n1x9}", {e1(), e2()});
  delete e2();
  edits_[1] = nullptr;
  // e1 holds the focus and a refused text when it is destroyed: no exit check runs on a
  // half-destroyed edit.
  Type(e1(), "12");
  delete e1();
  edits_[0] = nullptr;
  Settle();
  EXPECT_TRUE(notifier_.shown.empty());
  constraint_.reset();  // must not touch the deleted edits
}

TEST_F(EditConstraintTest, QueuedMoveIsDroppedWithTheConstraint) {
  constraint_->Attach("%i{n0x255l3a}", e1());
  Type(e1(), "12");
  QTest::keyClicks(e1(), "3");  // requests the move, not yet run
  constraint_.reset();
  Settle();
  EXPECT_EQ(Focused(), e1());
}

}  // namespace

// A value the program put into the edit (the switch's own) and the user did not touch is not
// refused when the user passes through with Tab: a path cost of 0 ("automatic") outside the
// format's range would otherwise hold the keyboard in the field. Once typed into, it is checked.
TEST_F(EditConstraintTest, AnUntouchedValueFromTheSwitchIsNotRefusedOnLeaving) {
  constraint_->Attach("%i{n1x200000000}", e1());
  e1()->setText("0");
  Enter(e1());
  Leave(e1());
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(Focused(), e2());
  EXPECT_EQ(e1()->text(), "0");

  Enter(e1());
  Type(e1(), "0");
  Leave(e1());
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 1 and 200000000!"});
  EXPECT_EQ(Focused(), e1());
}
