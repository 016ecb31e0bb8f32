#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TForwarding_Table.h"
#include "UserDriver.h"
#include "ZnFoundRowsModel.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <functional>

// The forwarding table against a simulated switch that has learned 2000 stations and answers
// each request after 1 ms, so that a walk takes a few seconds: rows appear while it runs, and the
// find box narrows the list underneath a walk that goes on.
namespace {

constexpr int kStations = 2000;

class TForwarding_TableAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() {
    StartAgent({"--fdb-rows", QString::number(kStations), "--delay", "1"});
  }

  std::unique_ptr<TForwarding_Table> Open() {
    auto form = std::make_unique<TForwarding_Table>(QStringLiteral("127.0.0.1"));
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return form;
  }

  static bool WalkDone(TForwarding_Table& form) {
    return Await([&] { return !form.FdbBinding()->Busy(); }, 60000);
  }

  // The rows of the whole table (as read) that satisfy `wanted`.
  static int CountRead(TForwarding_Table& form,
                       const std::function<bool(const QString&, const QString&)>& wanted) {
    int count = 0;
    for (int row = 0; row < form.FdbRows->topLevelItemCount(); ++row) {
      const QTreeWidgetItem* item = form.FdbRows->topLevelItem(row);
      if (wanted(item->text(0), item->text(1))) ++count;
    }
    return count;
  }

  // The rows the list shows, column by column.
  static QStringList Shown(TForwarding_Table& form, int column) {
    QStringList texts;
    const QAbstractItemModel* model = form.LV_Forwarding->model();
    for (int row = 0; row < model->rowCount(); ++row)
      texts << model->index(row, column).data().toString();
    return texts;
  }
};

TEST_F(TForwarding_TableAgentTest, TheWholeTableWithItsColumnsLabelsAndStatusLine) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), " Transparent Bridge Forwarding Table: 127.0.0.1");
  EXPECT_EQ(form->FdbBinding()->Request().Timeout, 1000);
  const QAbstractItemModel* model = form->LV_Forwarding->model();
  ASSERT_EQ(model->columnCount(), 3);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Address");
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Port");
  EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Status");
  // Rows are there while the walk still runs.
  ASSERT_TRUE(Await([&] { return model->rowCount() > 0; }));
  EXPECT_TRUE(form->FdbBinding()->Busy());
  // A second Refresh during the walk does not start a second walk beside it.
  ASSERT_TRUE(user::Click(form->BT_Get));
  ASSERT_TRUE(WalkDone(*form));
  EXPECT_EQ(model->rowCount(), kStations);
  EXPECT_EQ(form->LB_Matches->text(), QString("%1 rows").arg(kStations));
  ShootDialog(*form, "TForwarding_Table");
  EXPECT_TRUE(form->StatusPanel->text().startsWith("Get: Ok."))
      << form->StatusPanel->text().toStdString();
  const QStringList addresses = Shown(*form, 0);
  EXPECT_EQ(addresses.first(), "001C00000001");
  EXPECT_EQ(addresses.last(), "001C000007D0");  // 2000 = 0x07D0
  EXPECT_EQ(QSet<QString>(addresses.begin(), addresses.end()).size(), kStations);
  EXPECT_EQ(Shown(*form, 2), QStringList(kStations, "learned"));
  EXPECT_EQ(Shown(*form, 1).value(24), "1");  // the 25th station is on port 1 again

  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->BT_Get));
  ASSERT_TRUE(WalkDone(*form));
  EXPECT_EQ(model->rowCount(), kStations);
  EXPECT_EQ(agent_->TraceLines().size(), kStations + 1);  // one get-next per row and the end
}

// An administrator looks for a station while the table is still being read: by its address in
// any notation, by the maker's prefix, or by port. The count follows, and stations read later
// join the list when they match.
TEST_F(TForwarding_TableAgentTest, TheFindBoxNarrowsTheListWhileTheWalkGoesOn) {
  auto form = Open();
  ASSERT_TRUE(user::Key(Qt::Key_F, Qt::ControlModifier));
  EXPECT_TRUE(form->ED_Find->hasFocus());
  ASSERT_TRUE(Await([&] { return form->FdbRows->topLevelItemCount() > 100; }));

  struct Search {
    QString typed;
    std::function<bool(const QString&, const QString&)> wanted;
  };
  const auto address = [](const QString& mac) {
    return [mac](const QString& shown, const QString&) { return shown == mac; };
  };
  const auto startingWith = [](const QString& digits) {
    return [digits](const QString& shown, const QString&) { return shown.startsWith(digits); };
  };
  const auto onPort = [](const QString& number) {
    return [number](const QString&, const QString& port) { return port == number; };
  };
  const Search searches[] = {
      {"00:1C:00:00:00:2C", address("001C0000002C")},
      {"00-1c-00-00-00-2c", address("001C0000002C")},
      {"001c.0000.002c", address("001C0000002C")},
      {"001C0000002C", address("001C0000002C")},
      {"0:1c:0:0:0:2c", address("001C0000002C")},
      // Typed key by key: the group being typed is the start of its digits.
      {"00-1c-00-00-00-2", startingWith("001C0000002")},
      // The maker's prefix, and the start of an address.
      {"00-1C-00", startingWith("001C00")},
      // Five whole groups are ten digits: the 256th station, 001C00000100, is not among them.
      {"00:1c:00:00:00", startingWith("001C000000")},
      {"24", onPort("24")},
      {"00:1D", [](const QString&, const QString&) { return false; }},
      {"station", [](const QString&, const QString&) { return false; }},
      {"7", onPort("7")},
  };
  for (const Search& search : searches) {
    ASSERT_TRUE(user::Retype(form->ED_Find, search.typed));
    // The rows read so far: the walk only goes on once the event loop runs again.
    const int read = form->FdbRows->topLevelItemCount();
    const int expected = CountRead(*form, search.wanted);
    EXPECT_EQ(form->LV_Forwarding->model()->rowCount(), expected) << search.typed.toStdString();
    EXPECT_EQ(form->LB_Matches->text(), QString("%1 of %2 rows").arg(expected).arg(read))
        << search.typed.toStdString();
  }
  ASSERT_TRUE(form->FdbBinding()->Busy()) << "the walk ended before the searches did";
  EXPECT_EQ(Shown(*form, 0).value(0), "001C00000007");
  // Stations on port 7 read from now on join the list.
  const int early = form->LV_Forwarding->model()->rowCount();
  ASSERT_TRUE(WalkDone(*form));
  EXPECT_GT(form->LV_Forwarding->model()->rowCount(), early);
  EXPECT_EQ(form->LV_Forwarding->model()->rowCount(), CountRead(*form, onPort("7")));
  EXPECT_EQ(Shown(*form, 1), QStringList(form->LV_Forwarding->model()->rowCount(), "7"));

  ASSERT_TRUE(user::Retype(form->ED_Find, "00-1c-00-00-07-2"));
  ShootDialog(*form, "TForwarding_Table-Find");
  ASSERT_TRUE(user::Retype(form->ED_Find, "001C0000072C"));
  EXPECT_EQ(Shown(*form, 0), QStringList{"001C0000072C"});

  // Esc clears the find box first; the whole table is back.
  ASSERT_TRUE(user::Escape());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->ED_Find->text(), "");
  EXPECT_EQ(form->LV_Forwarding->model()->rowCount(), kStations);

  // A new walk with a search typed fills the list with matching rows only.
  ASSERT_TRUE(user::Retype(form->ED_Find, "00:1C:00:00:05"));
  ASSERT_TRUE(user::Click(form->BT_Get));
  ASSERT_TRUE(WalkDone(*form));
  EXPECT_EQ(form->FdbRows->topLevelItemCount(), kStations);
  EXPECT_EQ(form->LV_Forwarding->model()->rowCount(), CountRead(*form, startingWith("001C000005")));
}

}  // namespace
