#include "AgentSuite.h"
#include "NetSnmpTools.h"
#include "QtPrinters.h"
#include "SwitchSnapshot.h"
#include "TGuestVlanForm.h"
#include "TPortUitForm.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <set>

// The hand-made dialogs used as a person uses them, against the simulated switch: a row chosen
// with the mouse or the arrow keys, the dialog's Set pressed without a change, a right click for
// Copy. What the switch holds is read with net-snmp's own tools before and after.
namespace {

// One hand-made dialog and how a person writes an unchanged row with it: the list whose rows are
// chosen (none for a dialog of scalars), the caption of the button that writes, and the warning
// with which the dialog refuses rows it does not write (nothing is sent then).
struct WritingDialog {
  const char* name;
  const char* list;
  const char* write;
  const char* refusal = nullptr;
  const char* tickAll = nullptr;  // the button that ticks every row first, where rows are ticked
};
constexpr WritingDialog kWritingDialogs[] = {
    {"TVlanStaticForm", "LV_dot1qVlanStaticEntry", "Set"},
    // Only permanent entries are written here; the others are the switch's own to age out.
    {"TUnicastFilterInformationForm", "LV_dot1qStaticUnicastEntry", "Add",
     "Status must be Permanent."},
    {"TMulticastFilterInformationForm", "LV_dot1qStaticMulticastEntry", "Set"},
    {"TIGMPRouterPortsForm", "ListView1", "Set"},
    {"TSTP_Port", "LV_STP_Port", "Set"},
    {"TSTP_Info", nullptr, "Set"},
    {"TGuestVlanForm", nullptr, "Set"},
    {"TLogSaveControlForm", nullptr, "Set"},
    {"TSMTPControlForm", nullptr, "Set"},
    {"TSummerTimeForm", nullptr, "Set Checked", nullptr, "Check All"},
};

// The lists of the hand-made dialogs, for the right click.
constexpr std::pair<const char*, const char*> kListDialogs[] = {
    {"TVlanStaticForm", "LV_dot1qVlanStaticEntry"},
    {"TVLanCurrentTableForm", "LV_dot1qVlanCurrentEntry"},
    {"TUnicastFilterInformationForm", "LV_dot1qStaticUnicastEntry"},
    {"TMulticastFilterInformationForm", "LV_dot1qStaticMulticastEntry"},
    {"TIGMPRouterPortsForm", "ListView1"},
    {"TSTP_Port", "LV_STP_Port"},
    {"THostTableForm", "ListView1"},
    {"TBOOTCtrlTableForm", "ListView1"},
};

QPushButton* ButtonCaptioned(QWidget* dialog, const QString& caption) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->isVisible() && button->text().remove('&') == caption) return button;
  return nullptr;
}

// Every entry control a person sees: the ticks of boxes, the texts of edits, labels and lists.
QStringList EntryState(QWidget* dialog) {
  QStringList state;
  for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
    state << box->objectName() + box->text() + (box->isChecked() ? "=1" : "=0");
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
    state << edit->objectName() + "=" + edit->text();
  for (QComboBox* combo : dialog->findChildren<QComboBox*>())
    state << combo->objectName() + "=" + combo->currentText();
  return state;
}

class HandMadeUserFlowsAgentTest : public AgentSuite {
 protected:
  std::unique_ptr<QDialog> Open(const char* name) {
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(QLatin1String(name), "127.0.0.1",
                                                             nullptr);
    if (dialog) {
      dialog->show();
      AwaitQuiet();
    }
    return dialog;
  }

  // Waits until the dialog's reads are done: nothing of it is under way any more.
  static void AwaitQuiet() { EXPECT_TRUE(AwaitExchangesDone()); }

  // The objects the dialog read since the trace was cleared: what it shows and may write back.
  static QStringList ObjectsRead() {
    std::set<QString> objects;
    for (const QString& line : agent_->TraceLines()) {
      const QString op = line.section('\t', 0, 0);
      if (op == "SET") continue;
      for (const TracedVarbind& varbind : TracedVarbinds(line.section('\t', 4)))
        objects.insert(varbind.oid);
    }
    return {objects.begin(), objects.end()};
  }
};

// Choose a row (by mouse, and again with the arrow keys), press the dialog's write button
// without changing anything: the switch holds what it held, and each value written is the value
// that was read. A port list wiped by the row's click would show here as a changed port list.
TEST_F(HandMadeUserFlowsAgentTest, AnUnchangedWriteChangesNothingInAnyDialog) {
  const nx596::test::NetSnmpTools tools(agent_->Address());
  const QStringList credentials = nx596::test::V2c("vosquin");
  int writes = 0;
  for (const WritingDialog& d : kWritingDialogs) {
    SCOPED_TRACE(d.name);
    agent_->ClearTrace();
    std::unique_ptr<QDialog> dialog = Open(d.name);
    ASSERT_NE(dialog, nullptr);
    const QStringList objects = ObjectsRead();
    ASSERT_FALSE(objects.isEmpty()) << "the dialog read nothing";
    const SwitchSnapshot before = SwitchSnapshot::Read(tools, credentials, objects);
    ASSERT_FALSE(before.Failed()) << qPrintable(before.Failure());

    int written = 0;
    auto writeUnchanged = [&](const QString& what) {
      SCOPED_TRACE(qPrintable(what));
      agent_->ClearTrace();
      if (d.tickAll) {
        ASSERT_TRUE(user::Click(ButtonCaptioned(dialog.get(), QLatin1String(d.tickAll))));
      }
      QPushButton* write = ButtonCaptioned(dialog.get(), QLatin1String(d.write));
      ASSERT_TRUE(user::Click(write));
      AwaitQuiet();
      QStringList sets;
      for (const QString& line : agent_->TraceLines())
        if (line.startsWith("SET\t")) sets << line.section('\t', 4);
      if (d.refusal && sets.isEmpty() && notifier_.Texts() == QStringList{d.refusal}) {
        notifier_.shown.clear();
        return;
      }
      // A request sent again while its answer was slow is the same write; the daylight saving
      // time dialog writes its mode together with the dates of that mode, in a request of their own.
      sets.removeDuplicates();
      ASSERT_FALSE(sets.isEmpty()) << "nothing was written";
      ++written;
      for (const QString& set : sets) {
        for (const TracedVarbind& varbind : TracedVarbinds(set)) {
          if (!before.Value(varbind.oid).isNull()) {
            EXPECT_EQ(varbind.value, before.Value(varbind.oid)) << qPrintable(varbind.oid);
          }
        }
      }
      const SwitchSnapshot after = SwitchSnapshot::Read(tools, credentials, objects);
      EXPECT_EQ(SwitchSnapshot::Differences(before, after), QStringList{});
      ++writes;
    };

    if (d.list == nullptr) {
      writeUnchanged("the dialog's values");
      EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
      continue;
    }
    auto* view = dialog->findChild<QTreeWidget*>(QLatin1String(d.list));
    ASSERT_NE(view, nullptr);
    const int rows = view->topLevelItemCount();
    ASSERT_GT(rows, 0);
    for (int k = 0; k < rows; ++k) {
      ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(k)));
      writeUnchanged(QStringLiteral("row %1 chosen by mouse").arg(k));
    }
    // The arrow keys: into the list with Tab, down to the last row, then Tab to the button.
    view->clearFocus();
    ASSERT_TRUE(user::TabTo(view));
    ASSERT_TRUE(user::ChooseRowByKeys(view, rows - 1));
    ASSERT_TRUE(user::TabTo(ButtonCaptioned(dialog.get(), QLatin1String(d.write))));
    agent_->ClearTrace();
    ASSERT_TRUE(user::Space());
    AwaitQuiet();
    if (d.refusal) notifier_.shown.clear();
    EXPECT_GT(written, 0) << "no row was written";
    const SwitchSnapshot after = SwitchSnapshot::Read(tools, credentials, objects);
    EXPECT_EQ(SwitchSnapshot::Differences(before, after), QStringList{}) << "by the arrow keys";
    EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
  }
  EXPECT_GT(writes, 9);
}

// Copy from a row's context menu is not a choice of the row: the entry stays as it was.
TEST_F(HandMadeUserFlowsAgentTest, ARightClickForCopyLeavesTheEntryAsItWas) {
  for (const auto& [name, list] : kListDialogs) {
    SCOPED_TRACE(name);
    std::unique_ptr<QDialog> dialog = Open(name);
    ASSERT_NE(dialog, nullptr);
    auto* view = dialog->findChild<QTreeWidget*>(QLatin1String(list));
    ASSERT_NE(view, nullptr);
    ASSERT_GT(view->topLevelItemCount(), 0);
    QTreeWidgetItem* row = view->topLevelItem(view->topLevelItemCount() - 1);
    ASSERT_TRUE(user::ClickItem(view, row));
    const QStringList chosen = EntryState(dialog.get());
    ASSERT_TRUE(user::RightClickItemAndChoose(view, row, "Copy"));
    EXPECT_EQ(EntryState(dialog.get()), chosen);
    EXPECT_EQ(view->selectedItems(), QList<QTreeWidgetItem*>{row});
  }
}

// A guest port list the dialog cannot show (shorter than the grid's four bytes) is a failed
// read: its message stays on the status line after the other reads answered "Ok", and Set stays
// unavailable, since unticked boxes would take every port out of the guest VLAN.
TEST_F(HandMadeUserFlowsAgentTest, AGuestPortListThatCannotBeShownKeepsSetFromWriting) {
  const nx596::test::NetSnmpTools tools(agent_->Address());
  const QString ports = "1.3.6.1.4.1.99917.12.30.1.2.0";
  const nx596::test::ToolRun shortened = tools.Run(
      "snmpset", nx596::test::V2c("vosquin"), {ports, "x", "000003"});
  ASSERT_EQ(shortened.exitCode, 0) << shortened;

  std::unique_ptr<QDialog> opened = Open("TGuestVlanForm");
  auto* dialog = dynamic_cast<TGuestVlanForm*>(opened.get());
  ASSERT_NE(dialog, nullptr);
  const QString status = dialog->StatusPanel->text();
  EXPECT_FALSE(status.startsWith("Get: Ok.")) << qPrintable(status);
  EXPECT_TRUE(status.contains("Out of range")) << qPrintable(status);
  EXPECT_FALSE(dialog->SetBtn->isEnabled());
  EXPECT_FALSE(user::Click(dialog->SetBtn));
  // Refresh reads again: still the failure, still no Set.
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(dialog->BT_Get));
  AwaitQuiet();
  EXPECT_EQ(dialog->StatusPanel->text(), status);
  EXPECT_FALSE(dialog->SetBtn->isEnabled());
  EXPECT_EQ(Sets(), QStringList{});

  // Mended on the switch, the next Refresh offers Set again.
  const nx596::test::ToolRun mended = tools.Run(
      "snmpset", nx596::test::V2c("vosquin"), {ports, "x", "00000F00"});
  ASSERT_EQ(mended.exitCode, 0) << mended;
  ASSERT_TRUE(user::Click(dialog->BT_Get));
  AwaitQuiet();
  EXPECT_TRUE(dialog->StatusPanel->text().startsWith("Get: Ok.")) << qPrintable(dialog->StatusPanel->text());
  EXPECT_TRUE(dialog->SetBtn->isEnabled());
}

// One object of each hand-made dialog that a switch of another firmware may lack, of every kind:
// port lists, display and octet strings, numbers.
struct LackedObject {
  const char* dialog;
  const char* oid;
};
constexpr LackedObject kLackedObjects[] = {
    {"TVlanStaticForm", "1.3.6.1.2.1.17.7.1.4.3.1.4"},                  // untagged ports
    {"TUnicastFilterInformationForm", "1.3.6.1.2.1.17.7.1.3.1.1.3"},    // allowed to go to
    {"TMulticastFilterInformationForm", "1.3.6.1.2.1.17.7.1.3.2.1.3"},  // static egress ports
    {"TIGMPRouterPortsForm", "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.4"},    // dynamic port list
    {"TSTP_Port", "1.3.6.1.2.1.17.2.19.1.6"},                           // path cost
    {"TSTP_Info", "1.3.6.1.2.1.17.2.17"},                               // TX hold count
    {"TGuestVlanForm", "1.3.6.1.4.1.99917.12.30.1.1"},                  // guest VLAN name
    {"TLogSaveControlForm", "1.3.6.1.4.1.99917.12.12.3.2"},             // interval
    {"TSMTPControlForm", "1.3.6.1.4.1.99917.12.29.1.4"},                // self mail address
    {"TSummerTimeForm", "1.3.6.1.4.1.99917.12.10.12.4"},                // repeating end
};

// The status lines a dialog shows: "Get: ..." and "Set: ..." in its labels and memos.
QStringList StatusLines(QWidget* dialog) {
  QStringList lines;
  for (QLabel* label : dialog->findChildren<QLabel*>())
    if (label->text().startsWith("Get:") || label->text().startsWith("Set:")) lines << label->text();
  for (QPlainTextEdit* memo : dialog->findChildren<QPlainTextEdit*>())
    for (const QString& line : memo->toPlainText().split('\n'))
      if (line.startsWith("Get:") || line.startsWith("Set:")) lines << line;
  return lines;
}

// Every hand-made dialog against a switch that lacks one of its objects: it reads the rest
// ("Get: Ok."), shows it as the whole switch does, marks the missing object's controls, and its
// write, after a row is chosen, carries nothing of the missing object and changes nothing else.
class LackingSwitchDialogsTest : public HandMadeUserFlowsAgentTest,
                                  public ::testing::WithParamInterface<int> {};

TEST_P(LackingSwitchDialogsTest, ADialogOfASwitchThatLacksAnObjectReadsTheRestAndNeverWritesIt) {
  QStringList lacked;
  for (const LackedObject& object : kLackedObjects) lacked << QLatin1String(object.oid);
  Nx596Agent lacking({"--without", lacked.join(',')});
  ASSERT_TRUE(lacking.Start());
  const nx596::test::NetSnmpTools tools(lacking.Address());
  const QStringList credentials = nx596::test::V2c("vosquin");
  // The version under test (0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 with authentication and privacy).
  ZnSNMPSecurity& security = ZnSNMPGlobalSecurity;
  security.Version = GetParam();
  if (GetParam() == 3) {
    security.SecurityModel = 3;
    security.SecurityName = QStringLiteral("nx-aes");
    security.SecurityLevel = 3;
    security.AuthProtocol = 3;  // HMAC-SHA
    security.AuthPassword = QStringLiteral("nx-aes-auth");
    security.PrivProtocol = 4;  // AES-128
    security.PrivPassword = QStringLiteral("nx-aes-priv");
  }
  for (const WritingDialog& d : kWritingDialogs) {
    SCOPED_TRACE(d.name);
    QString missing;
    for (const LackedObject& object : kLackedObjects)
      if (QLatin1String(object.dialog) == QLatin1String(d.name)) missing = object.oid;
    ASSERT_FALSE(missing.isEmpty()) << "no object of the dialog is lacked";

    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    std::unique_ptr<QDialog> whole = Open(d.name);
    ASSERT_NE(whole, nullptr);
    QStringList truth = EntryState(whole.get());
    whole.reset();

    ZnSNMPGlobalDevice = {"127.0.0.1", lacking.Port()};
    lacking.ClearTrace();
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(QLatin1String(d.name), "127.0.0.1",
                                                             nullptr);
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    EXPECT_TRUE(AwaitExchangesDone());
    const QStringList status = StatusLines(dialog.get());
    EXPECT_FALSE(status.isEmpty());
    for (const QString& line : status) EXPECT_TRUE(line.startsWith("Get: Ok.")) << qPrintable(line);
    // The missing object's controls are empty and locked with their reason (in a dialog with a
    // list, once a row is chosen); every other control shows what the whole switch shows.
    QTreeWidget* view =
        d.list ? dialog->findChild<QTreeWidget*>(QLatin1String(d.list)) : nullptr;
    if (d.list) {
      ASSERT_NE(view, nullptr);
      ASSERT_GT(view->topLevelItemCount(), 0);
      ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(0)));
    }
    QStringList marked;
    for (QWidget* control : dialog->findChildren<QWidget*>())
      if (ZnIsShownAbsent(control)) {
        marked << control->objectName();
        EXPECT_FALSE(control->isEnabled()) << qPrintable(control->objectName());
        EXPECT_EQ(control->toolTip(), ZnAbsentToolTip());
      }
    EXPECT_FALSE(marked.isEmpty()) << "nothing shows the object is missing";
    if (d.list) {
      ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
      whole = Open(d.name);
      auto* wholeView = whole->findChild<QTreeWidget*>(QLatin1String(d.list));
      ASSERT_TRUE(user::ClickItem(wholeView, wholeView->topLevelItem(0)));
      truth = EntryState(whole.get());
      whole.reset();
      ZnSNMPGlobalDevice = {"127.0.0.1", lacking.Port()};
    }
    const QStringList seen = EntryState(dialog.get());
    ASSERT_EQ(seen.size(), truth.size());
    for (qsizetype k = 0; k < seen.size(); ++k) {
      const QString control = seen[k].section('=', 0, 0);
      if (std::any_of(marked.begin(), marked.end(),
                      [&](const QString& name) { return control.startsWith(name); }))
        continue;
      EXPECT_EQ(seen[k], truth[k]);
    }

    // The write as a person makes it, on the first row where the dialog has rows.
    QStringList objects;
    const QStringList read = [&] {
      std::set<QString> oids;
      for (const QString& line : lacking.TraceLines())
        for (const TracedVarbind& varbind : TracedVarbinds(line.section('\t', 4)))
          oids.insert(varbind.oid);
      return QStringList(oids.begin(), oids.end());
    }();
    for (const QString& oid : read)
      if (!oid.startsWith(missing + '.')) objects << oid;
    const SwitchSnapshot before = SwitchSnapshot::Read(tools, credentials, objects);
    ASSERT_FALSE(before.Failed()) << qPrintable(before.Failure());
    lacking.ClearTrace();
    if (d.tickAll) {
      ASSERT_TRUE(user::Click(ButtonCaptioned(dialog.get(), QLatin1String(d.tickAll))));
    }
    ASSERT_TRUE(user::Click(ButtonCaptioned(dialog.get(), QLatin1String(d.write))));
    EXPECT_TRUE(AwaitExchangesDone());
    if (d.refusal) notifier_.shown.clear();
    for (const QString& line : lacking.TraceLines()) {
      if (!line.startsWith("SET\t")) continue;
      for (const TracedVarbind& varbind : TracedVarbinds(line.section('\t', 4)))
        EXPECT_FALSE(varbind.oid.startsWith(missing + '.')) << qPrintable(varbind.oid);
    }
    const SwitchSnapshot after = SwitchSnapshot::Read(tools, credentials, objects);
    EXPECT_EQ(SwitchSnapshot::Differences(before, after), QStringList{});
    EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
    notifier_.shown.clear();
  }
}

INSTANTIATE_TEST_SUITE_P(Versions, LackingSwitchDialogsTest, ::testing::Values(0, 1, 3),
                         [](const auto& info) {
                           return std::string(info.param == 0   ? "v1"
                                              : info.param == 1 ? "v2c"
                                                                : "v3");
                         });

}  // namespace
