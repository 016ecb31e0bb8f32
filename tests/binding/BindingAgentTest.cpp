#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

// Bindings against the simulated switch: tables walked into list views, rows copied into
// controls and written back, port bitmaps, addresses over four edits, and where results go.
namespace {

const ZnOptionItem kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kStateList(kStates);

const ZnSNMPVarDef kPortControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStateList},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", "Flow Control State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kStateList},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

const ZnSNMPVarDef kSystemIp[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {}};

class BindingAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--fdb-rows", "3000"}); }
  void SetUp() override {
    AgentSuite::SetUp();
    window_ = std::make_unique<QWidget>();
  }

  std::unique_ptr<QWidget> window_;
};

// The port table walked asynchronously into a list view; a selected row goes into the controls,
// and a write sends that row overlaid with what was edited.
TEST_F(BindingAgentTest, TableRowsIntoAListViewAndBackToTheAgent) {
  auto* view = new QTreeWidget(window_.get());
  auto* admin = new QComboBox(window_.get());
  auto* flow = new QComboBox(window_.get());
  auto* description = new QLineEdit(window_.get());
  auto* binding = new ZnSNMPRequest2Edits(window_.get());
  binding->VarList() = ZnSNMPVarList(kPortControl, ZnItemType::MVT_FMV, 1);
  binding->BindComboBox(1, admin);
  binding->BindComboBox(2, flow);
  binding->BindEdits(3, "%s{l64}", {description});
  binding->AttachListView(view, true);
  ASSERT_EQ(view->columnCount(), 4);
  // The key is an index column: shown, and first, as the table lists it.
  EXPECT_FALSE(view->isColumnHidden(0));
  EXPECT_EQ(view->headerItem()->text(0), "Port Index");
  EXPECT_EQ(view->headerItem()->text(1), "Admin State");

  ZnSNMPError done;
  binding->OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError& result) { done = result; };
  auto* memo = new QPlainTextEdit(window_.get());
  binding->SetStatusTarget(memo);
  binding->Refresh();
  EXPECT_TRUE(binding->Busy());
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  EXPECT_EQ(view->topLevelItemCount(), 26);
  EXPECT_EQ(binding->RowCount(), 26);
  EXPECT_EQ(done.Code, 0);
  EXPECT_TRUE(QRegularExpression("^Get: Ok\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$")
                  .match(memo->toPlainText())
                  .hasMatch())
      << memo->toPlainText().toStdString();
  EXPECT_EQ(view->topLevelItem(4)->text(0), "5");
  // An MVT_FMV table keeps its controls disabled until a row is chosen.
  EXPECT_FALSE(admin->isEnabled());
  view->setCurrentItem(view->topLevelItem(4));
  EXPECT_TRUE(admin->isEnabled());
  EXPECT_EQ(admin->currentText(), view->topLevelItem(4)->text(1));
  EXPECT_EQ(description->text(), view->topLevelItem(4)->text(3));

  flow->setCurrentIndex(1);
  description->setText("printer");
  binding->Apply(false, true);
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  // Exactly the writable non-key variables, in table order, for port 5.
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.5=INTEGER:" +
                                QString::number(admin->currentIndex() + 2) +
                                "\t1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.5=INTEGER:3"
                                "\t1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.5=STRING:7072696E746572"});
  EXPECT_TRUE(memo->toPlainText().split('\n').last().startsWith("Set: Ok. Receive at "));
  // With refresh after write the table is read again once the write succeeded.
  agent_->ClearTrace();
  description->setText("");
  binding->Apply(true, true);
  ASSERT_TRUE(Await([&] {
    return !binding->Busy() && agent_->TraceLines().size() >= 2 &&
           agent_->TraceLines().last().startsWith("GETNEXT");
  }));
  EXPECT_TRUE(agent_->TraceLines().first().startsWith("SET\t"));
  ASSERT_TRUE(Await([&] { return !binding->Busy() && view->topLevelItemCount() == 26; }));
  EXPECT_EQ(view->topLevelItem(4)->text(3), "");
}

TEST_F(BindingAgentTest, PortBitmapAndAddressOverFourEdits) {
  // Ports of the IP-MAC binding of 10.0.0.1, as one row of the table.
  const ZnSNMPVarDef ports[] = {{"1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.1", "Ports",
                                 ZnSyntax::OctetString, ZnAccess::ReadWrite},
                                {}};
  auto* binding = new ZnSNMPRequest2Edits(window_.get());
  binding->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  binding->VarList() = ZnSNMPVarList(ports, ZnItemType::MVT_SV, 0);
  QList<QCheckBox*> boxes;
  QStringList bits;
  for (int k = 0; k < 26; ++k) {
    boxes << new QCheckBox(window_.get());
    bits << QString::number(k);
  }
  binding->BindCheckBoxes(0, bits.join(','), boxes);
  binding->VarList().Item(0).Value = "80000040";
  binding->Apply(false, true);  // through the check boxes: nothing is ticked yet
  EXPECT_EQ(Sets().last(), "1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.1=STRING:00000000");
  boxes[0]->setChecked(true);
  boxes[25]->setChecked(true);
  binding->Apply(false, true);
  EXPECT_EQ(Sets().last(), "1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.1=STRING:80000040");
  for (QCheckBox* box : boxes) box->setChecked(false);
  binding->Refresh();
  for (int k = 0; k < 26; ++k) EXPECT_EQ(boxes[k]->isChecked(), k == 0 || k == 25) << k;
  boxes[0]->setChecked(false);
  boxes[9]->setChecked(true);
  binding->Apply(false, true);
  EXPECT_EQ(Sets().last(), "1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.1=STRING:00400040");

  auto* address = new ZnSNMPRequest2Edits(window_.get());
  address->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  address->VarList() = ZnSNMPVarList(kSystemIp, ZnItemType::SVT_SV, 0);
  QList<QLineEdit*> edits;
  for (int k = 0; k < 4; ++k) edits << new QLineEdit(window_.get());
  address->BindEdits(0, "%u{n0x255l3a}%u{n0x255l3a}%u{n0x255l3a}%u{n0x255l3a}", edits);
  address->Refresh();
  EXPECT_EQ(
      edits[0]->text() + "." + edits[1]->text() + "." + edits[2]->text() + "." + edits[3]->text(),
      "10.90.90.90");
  edits[3]->setText("91");
  address->Apply(false, true);
  EXPECT_EQ(Sets().last(), "1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0=IPADDRESS:10.90.90.91");
  edits[3]->setText("90");
  address->Apply(false, true);
}

TEST_F(BindingAgentTest, FailuresGoToTheStatusTargetOrTheMessageSeam) {
  const ZnSNMPVarDef missing[] = {
      {"1.3.6.1.4.1.99917.99.1", "Nothing", ZnSyntax::Integer, ZnAccess::ReadWrite}, {}};
  auto* binding = new ZnSNMPRequest2Edits(window_.get());
  binding->VarList() = ZnSNMPVarList(missing, ZnItemType::SVT_SV, 0);
  auto* edit = new QLineEdit(window_.get());
  binding->BindEdits(0, "%s", {edit});
  edit->setText("5");
  // No status target: the message seam, captioned with the program's file name.
  binding->Apply(false, true);
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  ASSERT_EQ(notifier_.shown.size(), 1);
  EXPECT_EQ(notifier_.Texts()[0], "(SNMP) Cannot create variable, Creation Not Allowed!");
  EXPECT_EQ(notifier_.Captions()[0], "binding_agent_tests");

  auto* bar = new QStatusBar(window_.get());
  binding->SetStatusTarget(bar);
  binding->Apply(false, true);
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  EXPECT_TRUE(
      QRegularExpression("^Set: \\(SNMP\\) Cannot create variable, Creation Not Allowed!\\. "
                         "Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$")
          .match(bar->currentMessage())
          .hasMatch())
      << bar->currentMessage().toStdString();
  EXPECT_EQ(notifier_.shown.size(), 1);

  auto* panel = new QLabel(window_.get());
  binding->SetStatusTarget(panel);
  binding->Refresh();
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  EXPECT_TRUE(panel->text().startsWith("Get: Ok. Receive at ")) << panel->text().toStdString();
}

// A hook that raises while a completion runs still ends the operation and reports.
class FailingBinding : public ZnSNMPRequest2Edits {
 public:
  using ZnSNMPRequest2Edits::ZnSNMPRequest2Edits;
  int shown = 0;

 protected:
  void ShowRow() override {
    if (++shown == 3) throw ZnFrameworkError(ZnCode::BadControlType);
    ZnSNMPRequest2Edits::ShowRow();
  }
};

TEST_F(BindingAgentTest, AHookThatRaisesDuringACompletionStillEndsTheRead) {
  auto* binding = new FailingBinding(window_.get());
  binding->VarList() = ZnSNMPVarList(kPortControl, ZnItemType::MVT_UMV, 1);
  auto* view = new QTreeWidget(window_.get());
  binding->AttachListView(view, false);
  ZnSNMPError done;
  bool called = false;
  binding->OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError& result) {
    done = result;
    called = true;
  };
  binding->Refresh();
  ASSERT_TRUE(Await([&] { return !binding->Busy(); }));
  EXPECT_TRUE(called);
  EXPECT_EQ(done.Code, -521);
  ASSERT_EQ(notifier_.shown.size(), 1);
  EXPECT_EQ(notifier_.Texts()[0], "(ZnSNMP++) Bad type of the associated visual control!");
  EXPECT_EQ(view->topLevelItemCount(), 2);
}

// Closing the window in the middle of a walk: nothing arrives at the freed controls (the
// sanitizer build turns any such access into a failure).
TEST_F(BindingAgentTest, AWindowClosedDuringAWalkGetsNothingMore) {
  const ZnSNMPVarDef forwarding[] = {
      {"1.3.6.1.2.1.17.4.3.1.1", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadOnly},
      {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
      {}};
  auto* view = new QTreeWidget(window_.get());
  auto* binding = new ZnSNMPRequest2Edits(window_.get());
  binding->VarList() = ZnSNMPVarList(forwarding, ZnItemType::MVT_FMV, 1);
  binding->AttachListView(view, true);
  binding->Refresh();
  // The list grows while the walk goes on.
  ASSERT_TRUE(Await([&] { return view->topLevelItemCount() >= 50; }));
  EXPECT_TRUE(binding->Busy());
  window_.reset();  // deletes the list view and the binding with it
  Await([] { return false; }, 300);
  // The agent saw the walk stop: no get-next after the window went.
  const int requests = agent_->TraceLines().size();
  Await([] { return false; }, 300);
  EXPECT_EQ(agent_->TraceLines().size(), requests);
  EXPECT_LT(requests, 3000);
}

}  // namespace
