#include "ListViewChecks.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "ZnListExport.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// Copy and CSV export of list views on real widgets: what reaches the clipboard and the file,
// which columns and rows, and what the user is told when the file cannot be written.
namespace {

const ZnOptionItem kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kStateList(kStates);

// A table as the binding lays it out: a write-only column kept hidden, a key, a state shown by
// its label, and a free text.
const ZnSNMPVarDef kTable[] = {
    {"1.3.6.1.4.1.99917.2.1.1", "Secret", ZnSyntax::DisplayString, ZnAccess::WriteOnly},
    {"1.3.6.1.4.1.99917.2.1.2", "Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.2.1.3", "State", ZnSyntax::Integer, ZnAccess::ReadWrite, &kStateList},
    {"1.3.6.1.4.1.99917.2.1.4", "Name, \"full\"", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {}};

class ListExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ZnSetNotifier(&notifier_);
    window_ = std::make_unique<QWidget>();
    window_->setWindowTitle(QStringLiteral("Hosts : 10.0.0.1"));
    binding_ = new ZnSNMPRequest2Edits(window_.get());
    binding_->VarList() = ZnSNMPVarList(kTable, ZnItemType::MVT_UMV, 0);
    view_ = new QTreeWidget(window_.get());
    binding_->AttachListView(view_, true);
    // What the binding shows after a walk: labels of the option list, texts as the device has
    // them (commas, quotes, a line feed, a tab).
    AddRow({"s1", "1", "enabled", "plain"});
    AddRow({"s2", "2", "disabled", "a, b"});
    AddRow({"s3", "3", "enabled", "say \"hi\""});
    AddRow({"s4", "4", "disabled", "two\nlines"});
    AddRow({"s5", "5", "enabled", "tab\there\r\n"});
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  void AddRow(const QStringList& texts) { view_->addTopLevelItem(new QTreeWidgetItem(texts)); }
  void Select(std::initializer_list<int> rows) {
    view_->clearSelection();
    for (int row : rows) view_->topLevelItem(row)->setSelected(true);
  }
  QAction* Action(const char* name) const {
    return view_->findChild<QAction*>(QString::fromLatin1(name));
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
  }

  RecordingNotifier notifier_;
  std::unique_ptr<QWidget> window_;
  ZnSNMPRequest2Edits* binding_ = nullptr;  // owned by the window
  QTreeWidget* view_ = nullptr;
};

TEST_F(ListExportTest, CtrlCCopiesTheSelectedRowsUnderTheVisibleCaptionsInVisualOrder) {
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The user dragged the name column to the front.
  view_->header()->moveSection(3, 1);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  view_->setFocus();
  // Selected last row first: the text keeps the order of the list.
  Select({4, 1, 3});
  QTest::keySequence(view_, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "Name, \"full\"\tIndex\tState\n"
            "a, b\t2\tdisabled\n"
            "two lines\t4\tdisabled\n"
            "tab here  \t5\tenabled\n");

  // Without a selection the clipboard keeps what it had.
  QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  view_->clearSelection();
  QTest::keySequence(view_, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
  Action("ZnCopyRows")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
}

TEST_F(ListExportTest, ExportWritesEveryShownRowAsRfc4180Csv) {
  view_->header()->moveSection(3, 1);
  // A row the list does not show is not exported either.
  view_->setRowHidden(0, QModelIndex(), true);
  Select({1});
  QTemporaryDir dir;
  notifier_.saveAs = dir.filePath(QStringLiteral("hosts.csv"));
  Action("ZnExportCsv")->trigger();
  EXPECT_EQ(notifier_.suggestedNames, QStringList{"Hosts 10.0.0.1.csv"});
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
  EXPECT_EQ(Read(notifier_.saveAs),
            "\"Name, \"\"full\"\"\",Index,State\r\n"
            "\"a, b\",2,disabled\r\n"
            "\"say \"\"hi\"\"\",3,enabled\r\n"
            "\"two\nlines\",4,disabled\r\n"
            "\"tab\there\r\n\",5,enabled\r\n");

  // Cancelling the file dialog writes nothing and tells nothing.
  notifier_.saveAs.clear();
  Action("ZnExportCsv")->trigger();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"hosts.csv"});
  EXPECT_TRUE(notifier_.shown.empty());
}

// A view over a model of its own (the forwarding table's kind) exports the same way: texts as
// the cells show them, hidden columns left out, the header's order.
TEST_F(ListExportTest, TableViewsOverAModelExportWhatTheCellsShow) {
  QStandardItemModel model(2, 3);
  model.setHorizontalHeaderLabels({"MAC", "Port", "Status"});
  model.setItem(0, 0, new QStandardItem("00:1C:F0:00:00:01"));
  model.setItem(0, 1, new QStandardItem("7"));
  model.setItem(0, 2, new QStandardItem("learned"));
  model.setItem(1, 0, new QStandardItem("00:1C:F0:00:00:02"));
  model.setItem(1, 1, new QStandardItem("12"));
  model.setItem(1, 2, new QStandardItem("self"));
  auto* table = new QTableView(window_.get());
  table->setModel(&model);
  ZnEquipListView(table);
  table->setColumnHidden(1, true);
  table->horizontalHeader()->moveSection(2, 0);
  table->selectRow(1);
  EXPECT_EQ(ZnListAsTabText(ZnShownRows(*table, true)), "Status\tMAC\nself\t00:1C:F0:00:00:02\n");
  QTemporaryDir dir;
  QString why;
  ASSERT_TRUE(ZnWriteListCsv(*table, dir.filePath("fdb.csv"), why)) << qPrintable(why);
  EXPECT_EQ(Read(dir.filePath("fdb.csv")),
            "Status,MAC\r\nlearned,00:1C:F0:00:00:01\r\nself,00:1C:F0:00:00:02\r\n");
  table->setModel(nullptr);
}

// A path that cannot take the file: the user learns which file and why, and nothing is written.
TEST_F(ListExportTest, AnUnwritablePathIsToldWithItsReasonAndWritesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.csv"));
  const struct {
    QString path;
    QString reason;
  } cases[] = {
      {dir.filePath("taken.csv"), "it is a folder"},
      {dir.filePath("missing/hosts.csv"),
       "the folder " + QDir::toNativeSeparators(dir.filePath("missing")) + " does not exist"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(qPrintable(c.path));
    notifier_.shown.clear();
    notifier_.saveAs = c.path;
    Action("ZnExportCsv")->trigger();
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].Parent, window_.get());
    EXPECT_EQ(notifier_.shown[0].Text, "The list could not be written to " +
                                           QDir::toNativeSeparators(c.path) + ": " + c.reason +
                                           ".");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"taken.csv"});
    EXPECT_TRUE(QDir(c.path).isEmpty());
  }
}

// The context menu a right click (or the menu key) opens holds the list's own entries, then
// Copy and Export; equipping again adds nothing.
TEST_F(ListExportTest, TheContextMenuHoldsTheListsOwnEntriesThenCopyAndExport) {
  auto* own = new QTreeWidget(window_.get());
  own->addAction(new QAction(QStringLiteral("Refresh"), own));
  ZnEquipListView(own);
  ZnEquipListView(own);
  window_->show();
  for (auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
    QStringList entries;
    QTimer::singleShot(0, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions())
          entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        menu->close();
      }
    });
    QContextMenuEvent event(reason, QPoint(5, 5), own->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(own->viewport(), &event);
    EXPECT_EQ(entries, (QStringList{"Refresh", "-", "&Copy", "&Export as CSV…"}));
  }
  EXPECT_TRUE(ListViewsWithoutCopyAndExport(*window_).isEmpty())
      << qPrintable(ListViewsWithoutCopyAndExport(*window_).join('\n'));
  EXPECT_EQ(OwnListViews(*window_).size(), 2);
  // And the check sees a list view without them.
  new QTreeWidget(window_.get());
  EXPECT_EQ(ListViewsWithoutCopyAndExport(*window_).size(), 1);
}

}  // namespace
