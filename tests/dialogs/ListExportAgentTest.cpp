#include "AgentSuite.h"
#include "ListViewChecks.h"
#include "QtPrinters.h"
#include "ZnHandMadeDialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

// Copy and export in the hand-made dialogs against the simulated switch: every list of every
// dialog offers them, and what they give is what the list shows.
namespace {

class ListExportAgentTest : public AgentSuite {};

// Every dialog the menu can open, with every list view it has: a dialog added later is
// checked without a change here.
TEST_F(ListExportAgentTest, EveryListOfEveryHandMadeDialogOffersCopyAndExport) {
  const QStringList classes = ZnHandMadeDialogClasses();
  ASSERT_FALSE(classes.isEmpty());
  qsizetype lists = 0;
  for (const QString& name : classes) {
    SCOPED_TRACE(qPrintable(name));
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(name, "127.0.0.1", nullptr);
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    QTest::qWait(100);  // a dialog that reads as it opens has its lists filled by now
    const QStringList lacking = ListViewsWithoutCopyAndExport(*dialog);
    EXPECT_TRUE(lacking.isEmpty()) << qPrintable(lacking.join('\n'));
    lists += OwnListViews(*dialog).size();
    dialog->close();
  }
  // The VLAN static and current tables, both static filters, the IGMP router ports, the
  // spanning tree ports, the trusted hosts, the DHCP relay and the forwarding table (its view
  // and the list behind it) at least: the check above did look at lists.
  EXPECT_GE(lists, 10);
}

// The spanning tree port states travel as numbers; the list, the clipboard and the file all
// have the labels.
TEST_F(ListExportAgentTest, SpanningTreePortsCopyAndExportTheLabelsTheListShows) {
  std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog("TSTP_Port", "127.0.0.1", nullptr);
  auto* list = dialog->findChild<QTreeWidget*>("LV_STP_Port");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(Await([&] { return list->topLevelItemCount() == 26; }));

  QTemporaryDir dir;
  notifier_.saveAs = dir.filePath("stp.csv");
  list->findChild<QAction*>("ZnExportCsv")->trigger();
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
  QFile file(notifier_.saveAs);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList records = QString::fromUtf8(file.readAll()).split("\r\n");
  ASSERT_EQ(records.size(), 1 + 26 + 1);  // the captions, a record per port, after the last CRLF
  // The captions keep the device's trailing blanks.
  EXPECT_EQ(records[0], "Port,Priority,Status        ,State  ,Migration,Edge,Point To Point,"
                        "PathCost");
  EXPECT_EQ(records[1], "1,128,forwarding,enabled,false,false,Auto,0");
  EXPECT_TRUE(records[26].startsWith("26,128,disabled,")) << qPrintable(records[26]);
  EXPECT_EQ(records[27], "");

  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(25));
  QTest::keySequence(list, QKeySequence::Copy);
  QString expected = records[0] + '\n' + records[26] + '\n';
  expected.replace(',', '\t');
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

}  // namespace
