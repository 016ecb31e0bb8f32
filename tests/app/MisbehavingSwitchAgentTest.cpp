// The program against a switch whose answers go wrong, mode by mode, on every kind of window that
// reads: a scalar page and a walked table page of generic dialogs, the front panel's LED poll and
// a hand-made dialog. Whatever the switch does, the window goes on working, says what went wrong
// in the catalogue's words, shows nothing it did not receive, writes back nothing it did not
// receive, and reads normally again once the switch does.
#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TLogSaveControlForm.h"
#include "TNX596PanelForm.h"
#include "TSMTPControlForm.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "WhenModal.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPRequest2Leds.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Every request of the suite: 0.3 s and one retry, so a whole read gives up after 0.6 s, and a
// late answer (1 s) comes after that.
constexpr int kTimeout = 30;  // hundredths of a second
constexpr int kRequestMs = kTimeout * 10 * 2;
// What a blocked window may take beyond that: the heartbeat that measures it is late itself on
// a loaded machine.
constexpr int kSlackMs = 200;
constexpr char kLate[] = "late=1000";
constexpr int kLateMs = 1000;

// What a read must end in, besides a status number of the catalogue.
constexpr int kTrue = 0;        // "Get: Ok." and exactly what the switch holds
constexpr int kNoValue = 1000;  // "Get: Ok."; the target says it has no value, the rest is true
constexpr int kAsSent = 1001;   // "Get: Ok."; the target shows the bytes the switch sent

// Statuses (the program's numbering) whose catalogue texts name the faults.
constexpr int kTooBig = 1;
constexpr int kGenErr = 5;
constexpr int kWrongType = 7;
constexpr int kWrongLength = 8;
constexpr int kTimedOut = -5;
constexpr int kInvalidPdu = -11;
constexpr int kNoSuchName = 2;  // "does not exist", as an SNMPv1 switch says it

// One window that reads from the switch. `Target` is the OID the modes with an argument aim at,
// chosen so that the fault sits in the middle of what the window reads.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual QString Target() const = 0;
  // Opens the window with the switch behaving; the first read has to succeed.
  virtual void Open() = 0;
  // Starts one read as the user or the poll timer does; Idle() holds once it has ended.
  virtual void StartRead() = 0;
  virtual bool Idle() const = 0;
  virtual QString Status() const = 0;
  // What the window shows of the values it read, one text per value or row.
  virtual QStringList Shown() const = 0;
  // Which entry of Shown() the target's value is in (kNoValue and kAsSent cases).
  virtual int TargetIndex() const = 0;
  // Writes back what the window shows, as its Set or Apply does; false for a window that writes
  // nothing.
  virtual bool Apply() = 0;
};

// Runs `start` from the event loop and the loop until `done`; the longest time the loop did not
// turn, measured with a 10 ms timer as the window benchmarks do.
qint64 LongestBlock(const std::function<void()>& start, const std::function<bool()>& done) {
  QElapsedTimer beat;
  qint64 worst = 0;
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  heartbeat.setInterval(10);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] { worst = std::max(worst, beat.restart()); });
  bool started = false;
  QTimer::singleShot(0, [&] {
    start();
    started = true;
  });
  beat.start();
  heartbeat.start();
  QElapsedTimer waited;
  waited.start();
  while ((!started || !done()) && waited.elapsed() < 15000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  worst = std::max(worst, beat.elapsed());
  EXPECT_TRUE(started && done()) << "the read never ended";
  return worst;
}

QStringList EditorTexts(const TEditsPanel& editor) {
  QStringList texts;
  for (int i = 0; i < editor.RowCount(); ++i) {
    const QWidget* value = editor.RowAt(i).value;
    if (const auto* combo = qobject_cast<const QComboBox*>(value))
      texts << combo->currentText();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(value))
      texts << edit->text();
    else if (const auto* label = qobject_cast<const QLabel*>(value))
      texts << label->text();
    else
      texts << QString();
  }
  return texts;
}

// A page of a catalogue dialog: its memo is the status line.
class CataloguePage : public Surface {
 public:
  explicit CataloguePage(const char* component) : component_(component) {}

  void Open() override {
    const ZnCatalogueEntry* entry = ZnFindCatalogueEntry(component_);
    ASSERT_NE(entry, nullptr) << component_;
    QString title;
    form_ = ZnBuildCatalogueDialog(*entry, QStringLiteral("127.0.0.1"), title);
    form_->show();
    panel_ = form_->findChild<TSNMPEditorPanel*>();
    ASSERT_NE(panel_, nullptr);
    ASSERT_TRUE(Await([&] { return Idle(); }));
    ASSERT_TRUE(Status().startsWith("Get: Ok.")) << qPrintable(Status());
    panel_->Binding()->Request().Timeout = kTimeout;
  }
  void StartRead() override { panel_->Buttons()->RefreshButton()->click(); }
  bool Idle() const override {
    return !panel_->Binding()->Busy() && !panel_->Memo()->toPlainText().isEmpty();
  }
  QString Status() const override { return panel_->Memo()->toPlainText().split('\n').last(); }

 protected:
  TEditsPanel& Editor() const { return *panel_->Editor(); }

  const char* component_;
  std::unique_ptr<TConfigForm> form_;
  TSNMPEditorPanel* panel_ = nullptr;
};

// Information of the 802.1d bridge: its address, ports, type, a counter and the writable ageing
// time. The modes aim at the first three; the middle of them is the last they touch.
class ScalarPage : public CataloguePage {
 public:
  ScalarPage() : CataloguePage("Information1") {}
  QString Target() const override { return QStringLiteral("1.3.6.1.2.1.17.1"); }
  QStringList Shown() const override { return EditorTexts(Editor()); }
  int TargetIndex() const override { return 2; }  // Bridge Type
  bool Apply() override {
    for (int i = 0; i < Editor().RowCount(); ++i) {
      const TEditsPanel::Row& row = Editor().RowAt(i);
      if (row.check && row.check->isEnabled() && !row.check->isChecked()) row.check->click();
    }
    panel_->Buttons()->SetCheckedButton()->click();
    return Await([&] { return Idle(); });
  }
};

// The port control table, walked row by row; the modes aim at the description column, in the
// middle of the columns, of port 13, in the middle of the rows.
class TablePage : public CataloguePage {
 public:
  TablePage() : CataloguePage("PortControl1") {}
  QString Target() const override {
    return QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.13");
  }
  QStringList Shown() const override {
    QStringList rows;
    const QTreeWidget* view = View();
    for (int k = 0; k < view->topLevelItemCount(); ++k) {
      QStringList cells;
      for (int c = 0; c < view->columnCount(); ++c) cells << view->topLevelItem(k)->text(c);
      rows << cells.join('|');
    }
    return rows;
  }
  int TargetIndex() const override { return -1; }
  // The first row, edited with every writable column ticked.
  bool Apply() override {
    QTreeWidget* view = View();
    if (view->topLevelItemCount() == 0) return false;
    view->setCurrentItem(view->topLevelItem(0));
    bool opened = false;
    WhenModal([&](QWidget* dialog) {
      opened = true;
      auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
      if (!buttons->CheckAllButton()->isHidden()) buttons->CheckAllButton()->click();
      buttons->SetCheckedButton()->click();
      return true;
    });
    Table()->Buttons()->EditButton()->click();
    EXPECT_TRUE(opened) << "the Edit dialog did not open";
    return Await([&] { return Idle(); });
  }

 private:
  TSNMPListViewPanel* Table() const { return qobject_cast<TSNMPListViewPanel*>(panel_); }
  QTreeWidget* View() const { return Table()->ListPanel()->ListView(); }
};

// The main window's front panel: its LED poll reports to the window's status panel.
class LedPoll : public Surface {
 public:
  QString Target() const override { return QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.5"); }
  void Open() override {
    status_ = std::make_unique<QLabel>();
    panel_ = std::make_unique<TNX596PanelForm>(ZnPanelHost{status_.get(), "127.0.0.1"}, nullptr);
    panel_->show();
    ASSERT_TRUE(Await([&] { return Idle(); }));
    ASSERT_TRUE(Status().startsWith("Get: Ok.")) << qPrintable(Status());
    Leds().Request().Timeout = kTimeout;
  }
  // A poll now, as the timer's next tick does.
  void StartRead() override {
    status_->clear();
    Leds().Start(300);
  }
  bool Idle() const override { return !Leds().Busy() && !status_->text().isEmpty(); }
  QString Status() const override { return status_->text(); }
  QStringList Shown() const override {
    QStringList colours;
    for (int i = 0; i < Leds().LedCount(); ++i)
      colours << QString::number(Leds().Led(i).Colour, 16);
    return colours;
  }
  int TargetIndex() const override { return -1; }
  bool Apply() override { return false; }

  // What every LED shows before any data and after a failed poll.
  QStringList Dark() const {
    QStringList colours;
    for (int i = 0; i < Leds().LedCount(); ++i)
      colours << QString::number(Leds().Led(i).Map->InitialColour, 16);
    return colours;
  }
  // What every LED shows for a value of `byte`s only.
  QStringList AllOf(char byte) const {
    QStringList colours;
    for (int i = 0; i < Leds().LedCount(); ++i) {
      const ZnSNMPLedColorMapList& map = *Leds().Led(i).Map;
      colours << QString::number(map.Lookup(byte & map.ValueMask), 16);
    }
    return colours;
  }

 private:
  ZnSNMPRequest2Leds& Leds() const { return *panel_->LedBinding(); }

  std::unique_ptr<QLabel> status_;
  std::unique_ptr<TNX596PanelForm> panel_;
};

// The SMTP dialog: a state, a server address and port, three texts and the send-test choice,
// each bound to its own control, and a status panel.
class SmtpDialog : public Surface {
 public:
  QString Target() const override { return QStringLiteral("1.3.6.1.4.1.99917.12.29.1.4"); }
  void Open() override {
    form_ = std::make_unique<TSMTPControlForm>(QStringLiteral("127.0.0.1"));
    form_->show();
    ASSERT_TRUE(Await([&] { return Idle(); }));
    ASSERT_TRUE(Status().startsWith("Get: Ok.")) << qPrintable(Status());
    form_->SmtpBinding()->Request().Timeout = kTimeout;
  }
  void StartRead() override {
    form_->StatusPanel->clear();
    form_->Btn_Refresh->click();
  }
  bool Idle() const override {
    return !form_->SmtpBinding()->Busy() && !form_->StatusPanel->text().isEmpty();
  }
  QString Status() const override { return form_->StatusPanel->text(); }
  QStringList Shown() const override {
    return {form_->CB_Status->currentText(),  form_->Ed_SourceAddress->text(),
            form_->Ed_SourcePort->text(),     form_->Ed_SelfMailAddress->text(),
            form_->ED_Subject->text(),        form_->Ed_Content->text(),
            form_->CB_SendTest->currentText()};
  }
  int TargetIndex() const override { return 3; }  // the self mail address
  bool Apply() override {
    form_->StatusPanel->clear();
    form_->Btn_Set->click();
    return Await([&] { return Idle(); });
  }

 private:
  std::unique_ptr<TSMTPControlForm> form_;
};

// How the switch saves its log: a dialog that reads and writes in blocking mode, so a switch that
// does not answer holds the window for the request's time-out, and no longer.
class LogSaveDialog : public Surface {
 public:
  QString Target() const override { return QStringLiteral("1.3.6.1.4.1.99917.12.12.3"); }
  void Open() override {
    form_ = std::make_unique<TLogSaveControlForm>(QStringLiteral("127.0.0.1"));
    form_->show();
    ASSERT_TRUE(Idle());
    ASSERT_TRUE(Status().startsWith("Get: Ok.")) << qPrintable(Status());
    ASSERT_EQ(form_->cbxLogSaveMethod->currentText(), "time-interval");
    form_->LogSaveBinding()->Request().Timeout = kTimeout;
  }
  void StartRead() override {
    form_->StatusPanel->clear();
    form_->btnRefresh->click();
  }
  bool Idle() const override {
    return !form_->LogSaveBinding()->Busy() && !form_->StatusPanel->text().isEmpty();
  }
  QString Status() const override { return form_->StatusPanel->text(); }
  QStringList Shown() const override {
    return {form_->cbxLogSaveMethod->currentText(), form_->EdLogSavetimeInterval->text()};
  }
  int TargetIndex() const override { return 1; }  // the interval, the last the modes touch
  bool Apply() override {
    form_->StatusPanel->clear();
    form_->btnSet->click();
    return Idle();
  }

 private:
  std::unique_ptr<TLogSaveControlForm> form_;
};

// One misbehaviour and what each window must end in: a status of the catalogue, kTrue, kNoValue
// or kAsSent. "%1" in the mode is the window's target.
struct ModeCase {
  const char* mode;
  int scalars, table, leds, dialog, blocking;
};

const ModeCase kCases[] = {
    // Integers as strings, strings as integers, counters as OIDs.
    {"wrongtype=%1", kWrongType, kWrongType, kWrongType, kWrongType, kWrongType},
    // Strings as long as a message allows: too long for an address or a display string; an
    // octet string such as the LED status has no bound, and the LEDs show the bytes sent. The
    // log save dialog has no string.
    {"oversize=%1", kWrongLength, kWrongLength, kAsSent, kWrongLength, kTrue},
    // Get-next answers that repeat the OID asked; a get is not touched.
    {"backwards=%1", kTrue, kInvalidPdu, kTrue, kTrue, kTrue},
    // The first OID twice, the target left out, an OID nobody asked for added.
    {"repeat=%1", kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu},
    {"fewer=%1", kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu},
    {"more=%1", kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu},
    // Error statuses with the index of the target.
    {"generr=%1", kGenErr, kGenErr, kGenErr, kGenErr, kGenErr},
    {"toobig=%1", kTooBig, kTooBig, kTooBig, kTooBig, kTooBig},
    // The end of the view answers no get, and no get-next while the same answer goes on.
    {"endofmib=%1", kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu, kInvalidPdu},
    // A get may be told there is no such instance: the object is absent and shows no value,
    // the rest is read; the LEDs have nothing to show. A get-next is never told so.
    {"nosuchinstance=%1", kNoValue, kInvalidPdu, kNoSuchName, kNoValue, kNoValue},
    {kLate, kTimedOut, kTimedOut, kTimedOut, kTimedOut, kTimedOut},
    // The second copy of an answer finds nobody waiting.
    {"twice=%1", kTrue, kTrue, kTrue, kTrue, kTrue},
};

enum class Kind { Scalars, Table, Leds, Dialog, Blocking };

const char* NameOf(Kind kind) {
  switch (kind) {
    case Kind::Scalars:
      return "ScalarPage";
    case Kind::Table:
      return "TablePage";
    case Kind::Leds:
      return "LedPoll";
    case Kind::Dialog:
      return "SmtpDialog";
    default:
      return "LogSaveDialog";
  }
}

int ExpectedOf(const ModeCase& c, Kind kind) {
  switch (kind) {
    case Kind::Scalars:
      return c.scalars;
    case Kind::Table:
      return c.table;
    case Kind::Leds:
      return c.leds;
    case Kind::Dialog:
      return c.dialog;
    default:
      return c.blocking;
  }
}

std::unique_ptr<Surface> Make(Kind kind) {
  switch (kind) {
    case Kind::Scalars:
      return std::make_unique<ScalarPage>();
    case Kind::Table:
      return std::make_unique<TablePage>();
    case Kind::Leds:
      return std::make_unique<LedPoll>();
    case Kind::Dialog:
      return std::make_unique<SmtpDialog>();
    default:
      return std::make_unique<LogSaveDialog>();
  }
}

class MisbehavingSwitchAgentTest : public AgentSuite, public ::testing::WithParamInterface<Kind> {
 protected:
  // Started well-behaved, with the control object that switches its misbehaviour.
  static void SetUpTestSuite() { StartAgent({"--misbehave", ""}); }
  void SetUp() override {
    AgentSuite::SetUp();
    ZnSNMPDefaultTimeout = kTimeout;
    Misbehave("");
  }
  void TearDown() override {
    Misbehave("");
    AgentSuite::TearDown();
  }

  // Writes the modes to the switch's control object with the write community.
  static void Misbehave(const QString& modes) {
    static const ZnSNMPVarDef kControl[] = {
        {"1.3.6.1.4.1.8072.9999.9999.596.1", "Misbehave", ZnSyntax::DisplayString,
         ZnAccess::ReadWrite},
        {},
    };
    ZnSNMPRequest request;
    request.Timeout = 100;
    request.VarList = ZnSNMPVarList(kControl, ZnItemType::SVT_SV, 0);
    request.VarList.Item(0).Value = modes;
    request.Set();
  }

  // What Apply writes back after a read; the SMTP dialog needs a server to write at all.
  static void GiveTheSwitchAnSmtpServer() {
    static const ZnSNMPVarDef kServer[] = {
        {"1.3.6.1.4.1.99917.12.29.1.2", "Server", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99917.12.29.1.3", "Port", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99917.12.29.1.4", "Self", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
        {},
    };
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(kServer, ZnItemType::SVT_SV, 0);
    request.VarList.Item(0).Value = "10.1.2.3";
    request.VarList.Item(1).Value = "25";
    request.VarList.Item(2).Value = "switch@example.net";
    request.Set();
  }

  // The log save method whose write carries the interval too.
  static void SaveTheLogEveryHour() {
    static const ZnSNMPVarDef kLogSave[] = {
        {"1.3.6.1.4.1.99917.12.12.3.1", "Method", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99917.12.12.3.2", "Interval", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {},
    };
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(kLogSave, ZnItemType::SVT_SV, 0);
    request.VarList.Item(0).Value = "1";  // time-interval
    request.VarList.Item(1).Value = "60";
    request.Set();
  }

};

TEST_P(MisbehavingSwitchAgentTest, EveryMisbehaviourIsNamedNothingUnreceivedIsKeptAndReadsRecover) {
  const Kind kind = GetParam();
  if (kind == Kind::Dialog) {
    ASSERT_NO_FATAL_FAILURE(GiveTheSwitchAnSmtpServer());
  }
  if (kind == Kind::Blocking) {
    ASSERT_NO_FATAL_FAILURE(SaveTheLogEveryHour());
  }
  std::unique_ptr<Surface> surface = Make(kind);
  ASSERT_NO_FATAL_FAILURE(surface->Open());
  const QStringList truth = surface->Shown();
  ASSERT_FALSE(truth.isEmpty());
  // What Apply writes when the window holds what the switch sent.
  agent_->ClearTrace();
  const bool writes = surface->Apply();
  const QStringList trueWrite = Sets();
  if (writes) {
    ASSERT_EQ(trueWrite.size(), 1) << qPrintable(surface->Status());
    ASSERT_TRUE(Await([&] { return surface->Idle(); }));
  }

  for (const ModeCase& c : kCases) {
    QString mode = QString::fromLatin1(c.mode);
    mode.replace(QLatin1String("%1"), surface->Target());
    const int expected = ExpectedOf(c, kind);
    SCOPED_TRACE(qPrintable(mode));
    Misbehave(mode);
    agent_->ClearTrace();
    const qint64 blocked =
        LongestBlock([&] { surface->StartRead(); }, [&] { return surface->Idle(); });
    EXPECT_LE(blocked, kRequestMs + kSlackMs) << "the window was held";
    EXPECT_FALSE(agent_->TraceLines().isEmpty()) << "the switch saw no request";

    const QString status = surface->Status();
    const QStringList shown = surface->Shown();
    if (expected == kTrue || expected == kNoValue || expected == kAsSent) {
      EXPECT_TRUE(status.startsWith("Get: Ok.")) << qPrintable(status);
      QStringList wanted = truth;
      if (expected == kNoValue && surface->TargetIndex() >= 0) {
        // The switch said there is none: shown as no value, whatever it was before.
        const QString none = shown.value(surface->TargetIndex());
        EXPECT_TRUE(none.isEmpty() || none == "(NULL)") << qPrintable(none);
        wanted[surface->TargetIndex()] = none;
      }
      if (expected == kAsSent) wanted = static_cast<LedPoll&>(*surface).AllOf('X');
      EXPECT_EQ(shown, wanted);
    } else {
      const QString fault = ZnSNMPMapError(expected).Message;
      EXPECT_TRUE(status.contains(fault)) << qPrintable(status) << "\nnot: " << qPrintable(fault);
      EXPECT_FALSE(status.contains("Ok.")) << qPrintable(status);
      // A failed read shows what it showed before; a walk the rows it read before the fault; the
      // LEDs go dark.
      QStringList wanted = truth;
      if (kind == Kind::Table && expected != kTimedOut) {
        EXPECT_FALSE(shown.isEmpty()) << "the rows before the fault are gone";
      }
      if (kind == Kind::Table) wanted = truth.mid(0, shown.size());
      if (kind == Kind::Leds) wanted = static_cast<LedPoll&>(*surface).Dark();
      EXPECT_EQ(shown, wanted);
    }
    if (mode == QLatin1String(kLate)) Await([] { return false; }, kLateMs);  // the late answers

    // The switch behaves again: what the window writes back is only what it was sent, and the
    // next read is a normal one.
    Misbehave("");
    agent_->ClearTrace();
    if (surface->Apply()) {
      const QStringList written = Sets();
      if (expected == kNoValue) {
        // The value the switch said it has not is not written; the rest is written as read.
        ASSERT_LE(written.size(), 1);
        const QStringList varbinds = written.value(0).split('\t', Qt::SkipEmptyParts);
        for (const QString& varbind : varbinds)
          EXPECT_TRUE(trueWrite.value(0).split('\t').contains(varbind)) << qPrintable(varbind);
        QStringList missing = trueWrite.value(0).split('\t', Qt::SkipEmptyParts);
        for (const QString& varbind : varbinds) missing.removeAll(varbind);
        EXPECT_LE(missing.size(), 1) << qPrintable(written.value(0));
        for (const QString& varbind : missing)
          EXPECT_TRUE(varbind.startsWith(surface->Target())) << qPrintable(varbind);
      } else {
        EXPECT_EQ(written, trueWrite) << qPrintable(surface->Status());
      }
    }
    ASSERT_TRUE(Await([&] { return surface->Idle(); }));
    LongestBlock([&] { surface->StartRead(); }, [&] { return surface->Idle(); });
    EXPECT_TRUE(surface->Status().startsWith("Get: Ok.")) << qPrintable(surface->Status());
    EXPECT_EQ(surface->Shown(), truth);
  }
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

INSTANTIATE_TEST_SUITE_P(Windows, MisbehavingSwitchAgentTest,
                         ::testing::Values(Kind::Scalars, Kind::Table, Kind::Leds, Kind::Dialog,
                                           Kind::Blocking),
                         [](const auto& info) { return NameOf(info.param); });

}  // namespace
