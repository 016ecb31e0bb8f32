// The viewer's pages read from the simulated switch: every page of every tool reads without an
// error and shows rows, the interface table shows the 26 ports, SNMPv3 works through a device
// profile, and the program itself, started under a tool name next to the main program, reads
// its page and ends when its dialog closes.

#include "AgentSuite.h"
#include "ListViewChecks.h"
#include "QtPrinters.h"
#include "TConfigForm.h"
#include "TSNMPListViewPanel.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnViewer.h"
#include "ZnViewerPages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

class ViewerAgentTest : public AgentSuite {
 protected:
  static bool ReadDone(const TConfigForm& form) {
    return form.Current() && !form.Current()->Busy();
  }
  // Shows the form and waits for the read of page `page`.
  static void ReadPage(TConfigForm& form, int page) {
    if (form.PageControl()) form.PageControl()->setCurrentIndex(page);
    ASSERT_TRUE(Await([&] { return ReadDone(form); }));
  }
  static const TSNMPPanel* Panel(const TConfigForm& form, int page) {
    return form.PageControl() ? qobject_cast<const TSNMPPanel*>(form.PageControl()->widget(page))
                              : form.findChild<TSNMPPanel*>();
  }
  static QString Status(const TConfigForm& form, int page) {
    return Panel(form, page)->Memo()->toPlainText().split('\n').last();
  }

  // A host environment with a registry naming `profiles_` as the profile directory and a
  // profile for 127.0.0.1 with the agent's port.
  void WriteHost(const QByteArray& profile) {
    ASSERT_TRUE(host_.isValid());
    QFile registry(RegistryFile());
    ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
    registry.write("[\\SOFTWARE\\Orvane\\Korlin5.1\\MibFile]\nPath=" + host_.path().toUtf8() +
                   "/\n");
    QFile file(host_.filePath("127.0.0.1.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Program Information]\nAgentPort=" + QByteArray::number(agent_->Port()) + "\n" +
               profile);
  }
  QString RegistryFile() const { return host_.filePath("registry.ini"); }

  QTemporaryDir host_;
};

TEST_F(ViewerAgentTest, EveryPageReadsRowsFromTheSwitch) {
  for (const ZnViewerPage& page : ZnViewerPages()) {
    const QString argument = QStringLiteral("/T%1_%2").arg(page.tool, page.page);
    ZnViewerStart start = ZnOpenViewer({"/I127.0.0.1", "/Rtamrel", "/Wvosquin", argument}, "");
    ASSERT_NE(start.form, nullptr) << argument.toStdString();
    start.form->show();
    // Every list of the viewer offers Ctrl+C, Copy and Export as CSV, as the program's do.
    EXPECT_TRUE(ListViewsWithoutCopyAndExport(*start.form).isEmpty())
        << qPrintable(ListViewsWithoutCopyAndExport(*start.form).join('\n'));
    for (int k = 0; k < static_cast<int>(page.dialog.pages.size()); ++k) {
      ReadPage(*start.form, k);
      EXPECT_TRUE(Status(*start.form, k).startsWith("Get: Ok."))
          << argument.toStdString() << " page " << k << ": "
          << Status(*start.form, k).toStdString();
      if (const auto* table = qobject_cast<const TSNMPListViewPanel*>(Panel(*start.form, k))) {
        const QTreeWidget* view = table->ListPanel()->ListView();
        EXPECT_GT(view->topLevelItemCount(), 0) << argument.toStdString() << " page " << k;
        // A column that ended before the others would show its cells as not on this switch.
        for (int row = 0; row < view->topLevelItemCount(); ++row)
          for (int column = 0; column < view->columnCount(); ++column)
            EXPECT_NE(view->topLevelItem(row)->toolTip(column), ZnAbsentToolTip())
                << argument.toStdString() << " row " << row << " column " << column;
      }
    }
    start.form->close();
  }
  EXPECT_TRUE(notifier_.shown.empty()) << notifier_.Texts().join('\n').toStdString();
}

TEST_F(ViewerAgentTest, InterfaceTableShowsTheTwentySixPortsWithTheirStates) {
  ZnViewerStart start = ZnOpenViewer({"/I127.0.0.1", "/Rtamrel", "/Wvosquin", "/TMIB_IFTable"}, "");
  ASSERT_NE(start.form, nullptr);
  start.form->show();
  ReadPage(*start.form, 0);
  const QTreeWidget* view = start.form->findChild<TSNMPListViewPanel*>()->ListPanel()->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 26);
  // Columns: Index, Description, Type, MTU, Speed, Physical Address, Admin and Oper Status.
  const QTreeWidgetItem* first = view->topLevelItem(0);
  EXPECT_EQ(first->text(0), "1");
  EXPECT_EQ(first->text(1), "Port 1");
  EXPECT_EQ(first->text(2), "ethernetCsmacd");
  EXPECT_EQ(first->text(4), "100000000");
  EXPECT_EQ(first->text(7), "up");
  const QTreeWidgetItem* uplink = view->topLevelItem(25);
  EXPECT_EQ(uplink->text(1), "Port 26");
  EXPECT_EQ(uplink->text(4), "1000000000");
  EXPECT_EQ(uplink->text(7), "down");
  start.form->close();
}

TEST_F(ViewerAgentTest, SnmpV3ThroughTheDeviceProfile) {
  WriteHost(
      "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=nx-sha\n"
      "AuthProtocol=2\nPrivProtocol=0\nAuthPassword=nx-sha-pass\n");
  ZnViewerStart start = ZnOpenViewer({"/I127.0.0.1", "/TIFMib_ifXEntry"},
                                     ZnFindHostPaths(ZnRegistry(RegistryFile())).profileDirectory);
  ASSERT_NE(start.form, nullptr) << notifier_.Texts().join('\n').toStdString();
  ASSERT_EQ(ZnSNMPGlobalSecurity.Version, 3);
  start.form->show();
  ReadPage(*start.form, 0);
  EXPECT_TRUE(Status(*start.form, 0).startsWith("Get: Ok."))
      << Status(*start.form, 0).toStdString();
  const QTreeWidget* view = start.form->findChild<TSNMPListViewPanel*>()->ListPanel()->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 26);
  // Port 3 has passed 2^32 octets: the 64-bit counter arrives whole.
  EXPECT_EQ(view->topLevelItem(2)->text(1), "port3");
  EXPECT_EQ(view->topLevelItem(2)->text(6), "4370370367");
  start.form->close();
  int asUser = 0;
  for (const QString& line : agent_->TraceLines()) {
    EXPECT_TRUE(line.contains("\tv3\t")) << line.toStdString();
    asUser += line.startsWith("GETNEXT\tv3\tnx-sha\t");
  }
  EXPECT_GE(asUser, 27);  // 26 rows and the end of the table
}

// ZnRunViewer is what the program runs: it finds the profile through the registry, shows the
// page and returns when its dialog is closed.
TEST_F(ViewerAgentTest, RunningTheViewerEndsWhenItsDialogCloses) {
  WriteHost("Version=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
  bool readSeen = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* form = qobject_cast<TConfigForm*>(widget);
      if (form && form->isVisible() && ReadDone(*form) &&
          !Panel(*form, 0)->Memo()->toPlainText().isEmpty()) {
        readSeen = Status(*form, 0).startsWith("Get: Ok.");
        form->close();
      }
    }
  });
  closer.start(50);
  QTemporaryDir cwd;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(cwd.path());  // the boots counter goes to the current directory
  const int exitCode = ZnRunViewer({"/I127.0.0.1", "/Rtamrel", "/Wvosquin", "/TRmon_AlarmEvent"},
                                   ZnRegistry(RegistryFile()));
  QDir::setCurrent(previous);
  EXPECT_EQ(exitCode, kViewerClosed);
  EXPECT_TRUE(readSeen);
  EXPECT_TRUE(QFile::exists(cwd.filePath("ZnSNMP_PP_BootCounter")));

  // A page that does not exist ends at once with its own status.
  EXPECT_EQ(ZnRunViewer({"/I127.0.0.1", "/TRmon_Events"}, ZnRegistry(RegistryFile())),
            kViewerBadPage);
}

// The program under a tool's name in the directory of the main program, as the main program
// starts it: it reads its page from the switch and stays open until it is closed.
TEST_F(ViewerAgentTest, ToolProgramsNextToTheMainProgramReadTheirPage) {
  WriteHost("Version=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
  for (const char* tool : {"MIB", "Bridge", "IFMib", "VLan", "Rmon", "EthernetLike", "EntityMIB"}) {
    EXPECT_TRUE(QFileInfo(QStringLiteral(NX596_VIEWER_BIN_DIR "/%1").arg(tool)).isExecutable())
        << tool;
  }
  QTemporaryDir cwd;
  QProcess viewer;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("NX596_REGISTRY", RegistryFile());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  viewer.setProcessEnvironment(environment);
  viewer.setWorkingDirectory(cwd.path());
  viewer.start(QStringLiteral(NX596_VIEWER_BIN_DIR "/EntityMIB"),
               {"/I127.0.0.1", "/Rtamrel", "/Wvosquin", "/TEntityMIB_Physical"});
  ASSERT_TRUE(viewer.waitForStarted());
  const QString descriptions = "1.3.6.1.2.1.47.1.1.1.1.2";
  const bool read = Await([&] {
    for (const QString& line : agent_->TraceLines())
      if (line.startsWith("GETNEXT\tv2c\ttamrel") && line.contains(descriptions + ".29"))
        return true;
    return false;
  });
  EXPECT_TRUE(read) << agent_->TraceLines().join('\n').toStdString();
  EXPECT_EQ(viewer.state(), QProcess::Running) << viewer.readAllStandardError().toStdString();
  viewer.kill();
  viewer.waitForFinished();
}

}  // namespace
