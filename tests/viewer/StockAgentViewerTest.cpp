// The viewer's pages against net-snmp's own snmpd serving the standard MIBs only, as a switch of
// another make or firmware would: the system information page reads although a default snmpd
// has no sysServices (shown as not on this switch, not as a value), and the interface table
// reads its rows, over SNMPv1, SNMPv2c and SNMPv3.

#include "NetSnmpAgent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"
#include "ZnUserNotifier.h"
#include "ZnViewer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

enum class Version { V1, V2c, V3 };

class StockAgentViewerTest : public ::testing::TestWithParam<Version> {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    agent_ = new NetSnmpAgent;
    ASSERT_TRUE(agent_->Start());
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(agent_, nullptr);
    ZnSetNotifier(&notifier_);
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  // Opens `page` ("/TMIB_Info") with a device profile for the snmpd and the test's version and
  // waits for its first read.
  std::unique_ptr<TConfigForm> Open(const char* page) {
    const QByteArray profile =
        GetParam() == Version::V3
            ? "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=nx-sha\n"
              "AuthProtocol=2\nAuthPassword=nx-sha-pass\nPrivProtocol=3\n"
              "PrivPassword=nx-sha-privacy\n"
            : GetParam() == Version::V2c
                ? "Version=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"
                : "Version=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    QFile file(host_.filePath("127.0.0.1.cfg"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Program Information]\nAgentPort=" + QByteArray::number(agent_->Port()) + "\n" +
               profile);
    file.close();
    ZnViewerStart start =
        ZnOpenViewer({"/I127.0.0.1", "/Rtamrel", "/Wvosquin", page}, host_.path() + '/');
    if (!start.form) {
      ADD_FAILURE() << page << ": " << notifier_.Texts().join('\n').toStdString();
      return nullptr;
    }
    start.form->show();
    Await([&] { return start.form->Current() && !start.form->Current()->Busy(); });
    return std::move(start.form);
  }

  static QString Status(const TConfigForm& form) {
    return form.findChild<TSNMPPanel*>()->Memo()->toPlainText().split('\n').last();
  }

  static inline NetSnmpAgent* agent_ = nullptr;
  QTemporaryDir host_;
  RecordingNotifier notifier_;
};

TEST_P(StockAgentViewerTest, TheSystemPageReadsWithServicesAbsentAndTheInterfaceTableReads) {
  std::unique_ptr<TConfigForm> system = Open("/TMIB_Info");
  ASSERT_NE(system, nullptr);
  EXPECT_TRUE(Status(*system).startsWith("Get: Ok.")) << qPrintable(Status(*system));
  const TEditsPanel* editor = system->findChild<TSNMPEditorPanel*>()->Editor();
  ASSERT_EQ(editor->RowCount(), 7);
  for (int i = 0; i < editor->RowCount(); ++i) {
    const TEditsPanel::Row& row = editor->RowAt(i);
    const auto* edit = qobject_cast<const QLineEdit*>(row.value);
    ASSERT_NE(edit, nullptr);
    SCOPED_TRACE(qPrintable(row.caption->text()));
    if (row.caption->text() == "Services") {
      // A default snmpd has no sysServices: not a value, "(NULL)" or 0, but marked as absent.
      EXPECT_EQ(edit->text(), "");
      EXPECT_FALSE(edit->isEnabled());
      EXPECT_EQ(edit->toolTip(), ZnAbsentToolTip());
      EXPECT_FALSE(row.check->isEnabled());
    } else {
      EXPECT_TRUE(edit->isEnabled());
      EXPECT_NE(edit->toolTip(), ZnAbsentToolTip());
    }
  }
  EXPECT_FALSE(qobject_cast<const QLineEdit*>(editor->RowAt(0).value)->text().isEmpty())
      << "sysDescr";
  system->close();

  std::unique_ptr<TConfigForm> interfaces = Open("/TMIB_IFTable");
  ASSERT_NE(interfaces, nullptr);
  EXPECT_TRUE(Status(*interfaces).startsWith("Get: Ok.")) << qPrintable(Status(*interfaces));
  const QTreeWidget* view = interfaces->findChild<TSNMPListViewPanel*>()->ListPanel()->ListView();
  ASSERT_GT(view->topLevelItemCount(), 0);
  bool loopback = false;
  for (int row = 0; row < view->topLevelItemCount(); ++row)
    loopback = loopback || view->topLevelItem(row)->text(1) == "lo";
  EXPECT_TRUE(loopback) << "the loopback interface is missing";
  interfaces->close();
  EXPECT_TRUE(notifier_.shown.empty()) << notifier_.Texts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Versions, StockAgentViewerTest,
                         ::testing::Values(Version::V1, Version::V2c, Version::V3),
                         [](const auto& info) {
                           return std::string(info.param == Version::V1    ? "v1"
                                              : info.param == Version::V2c ? "v2c"
                                                                           : "v3");
                         });

}  // namespace
