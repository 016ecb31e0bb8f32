#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>

// The configuration dialog as a whole: pages on tabs, sizes, button bitmaps and closing while a
// page still reads.
namespace {

const ZnSNMPVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {}};
const ZnSNMPVarDef kVlan[] = {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID",
                               ZnSyntax::Integer, ZnAccess::ReadWrite},
                              {}};

class ConfigFormAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--fdb-rows", "3000"}); }

  static ZnSNMPRequest2Edits* Binding(QWidget* form, const ZnSNMPVarDef* table,
                                      std::uint8_t itemType, int keys) {
    auto* binding = new ZnSNMPRequest2Edits(form);
    binding->VarList() = ZnSNMPVarList(table, itemType, keys);
    return binding;
  }
};

TEST_F(ConfigFormAgentTest, SwitchingTabsStopsTheWalkOfThePreviousPage) {
  TConfigForm form;
  form.SetPagesMode();
  ZnSNMPRequest2Edits* table = Binding(&form, kForwarding, ZnItemType::MVT_FMV, 1);
  ZnSNMPRequest2Edits* scalars = Binding(&form, kVlan, ZnItemType::SVT_SV, 0);
  TSNMPListViewPanel* list = form.AddListViewPage("Forwarding", table, -1, {}, -1, {});
  form.AddEditorPage("VLAN", scalars);
  EXPECT_EQ(form.PageControl()->count(), 2);
  form.show();
  // The first page starts reading when the dialog's loop runs.
  ASSERT_TRUE(Await([&] { return list->ListPanel()->ListView()->topLevelItemCount() >= 100; }));
  EXPECT_TRUE(table->Busy());
  ASSERT_TRUE(user::ClickTab(form.PageControl(), "VLAN"));
  EXPECT_EQ(form.Current(), scalars);
  ASSERT_TRUE(Await([&] { return !table->Busy() && !scalars->Busy(); }));
  const int rowsKept = list->ListPanel()->ListView()->topLevelItemCount();
  EXPECT_GE(rowsKept, 100);
  EXPECT_LT(rowsKept, 3000);  // the walk stopped; the rows read so far stay
  EXPECT_FALSE(table->Request().Enabled);
  EXPECT_TRUE(scalars->Request().Enabled);
}

TEST_F(ConfigFormAgentTest, ClosingDuringAWalkWaitsAndFreesTheBindings) {
  auto form = std::make_unique<TConfigForm>();
  ZnSNMPRequest2Edits* table = Binding(form.get(), kForwarding, ZnItemType::MVT_FMV, 1);
  TSNMPListViewPanel* list = form->AddListView(table, -1, {}, -1, {});
  form->show();
  ASSERT_TRUE(Await([&] { return list->ListPanel()->ListView()->topLevelItemCount() >= 50; }));
  agent_->ClearTrace();
  // The window's close box belongs to the window manager, which the offscreen platform lacks:
  // close() is what it sends.
  form->close();
  EXPECT_TRUE(form->Requests().empty());
  const int requests = agent_->TraceLines().size();
  EXPECT_LE(requests, 1);  // at most the exchange that was under way
  form.reset();
  Await([] { return false; }, 200);
  EXPECT_EQ(agent_->TraceLines().size(), requests);
}

TEST_F(ConfigFormAgentTest, ADialogGrowsToItsPageUpToItsLargestSize) {
  std::vector<ZnSNMPVarDef> many;
  std::list<QByteArray> captions;
  for (int k = 0; k < 40; ++k) {
    captions.push_back(QStringLiteral("Row %1").arg(k).toUtf8());
    many.push_back({"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", captions.back().constData(),
                    ZnSyntax::Integer, ZnAccess::ReadOnly});
  }
  many.push_back({});
  TConfigForm form;
  TSNMPEditorPanel* page = form.AddEditor(Binding(&form, many.data(), ZnItemType::SVT_SV, 0));
  EXPECT_EQ(form.height(), TConfigForm::kMaxHeight);
  EXPECT_LE(form.width(), TConfigForm::kMaxWidth);
  EXPECT_GT(page->Editor()->ContentSize().height(), TConfigForm::kMaxHeight);  // scrolls inside
  page->SetEditWidth(150);
  EXPECT_EQ(page->Editor()->RowAt(0).value->width(), 150);
}

TEST_F(ConfigFormAgentTest, ButtonBitmapsOfTheCurrentDirectoryReplaceCaptions) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(Qt::darkGreen);
  ASSERT_TRUE(glyph.save(dir.filePath("Get.bmp"), "BMP"));
  TCtrlBtnPanel withBitmap;
  QDir::setCurrent(previous);
  EXPECT_TRUE(withBitmap.RefreshButton()->text().isEmpty());
  EXPECT_FALSE(withBitmap.RefreshButton()->icon().isNull());
  EXPECT_EQ(withBitmap.CloseButton()->text(), "Close");
  TCtrlBtnPanel without;
  EXPECT_EQ(without.RefreshButton()->text(), "Refresh");
}

TEST_F(ConfigFormAgentTest, TheHintOverARowListsEveryColumn) {
  QWidget window;
  auto* panel = new TListViewPanel(&window);
  QTreeWidget* view = panel->ListView();
  view->setHeaderLabels({"Port", "Description"});
  view->addTopLevelItem(new QTreeWidgetItem(QStringList{"5", "printer"}));
  window.resize(400, 300);
  window.show();
  const QPoint inside = view->visualItemRect(view->topLevelItem(0)).center();
  // A pointer resting over the row: Qt's tool tip event after the hover delay, sent at once.
  QHelpEvent over(QEvent::ToolTip, inside, view->viewport()->mapToGlobal(inside));
  QCoreApplication::sendEvent(view->viewport(), &over);
  // Captions padded with a tab per missing character, two blanks, the cell, a line feed.
  EXPECT_EQ(QToolTip::text(), "Port\t\t\t\t\t\t\t  5\nDescription  printer\n");
  const QPoint below(5, view->viewport()->height() - 5);
  QHelpEvent outside(QEvent::ToolTip, below, view->viewport()->mapToGlobal(below));
  QCoreApplication::sendEvent(view->viewport(), &outside);
  EXPECT_TRUE(Await([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(ConfigFormAgentTest, AnEmptyFormReadsNothingAndCloses) {
  TConfigForm form;
  form.show();
  Await([] { return false; }, 100);
  EXPECT_EQ(form.Current(), nullptr);
  form.close();  // the window's close box
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
