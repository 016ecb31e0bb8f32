#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TestApplication.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// Every catalogue dialog built from its recipe and read from the simulated switch.
namespace {

class CatalogueDialogAgentTest : public AgentSuite {
 protected:
  static bool ReadDone(const TConfigForm& form) {
    return form.Current() && !form.Current()->Busy();
  }
};

// Each page of each dialog reads without an error: every object the catalogue names is served.
TEST_F(CatalogueDialogAgentTest, EveryPageOfEveryDialogReads) {
  QString title;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    std::unique_ptr<TConfigForm> form = ZnBuildCatalogueDialog(entry, "127.0.0.1", title);
    form->show();
    const int pages = static_cast<int>(entry.pages.size());
    for (int page = 0; page < pages; ++page) {
      if (form->PageControl()) form->PageControl()->setCurrentIndex(page);
      ASSERT_TRUE(Await([&] { return ReadDone(*form); })) << entry.componentName;
      const auto* panel = qobject_cast<const TSNMPPanel*>(
          form->PageControl() ? form->PageControl()->widget(page) : form->findChild<TSNMPPanel*>());
      ASSERT_NE(panel, nullptr) << entry.componentName;
      const QString status = panel->Memo()->toPlainText().split('\n').last();
      EXPECT_TRUE(status.startsWith("Get: Ok."))
          << entry.componentName << " page " << page << ": " << status.toStdString();
    }
    form->close();
  }
  EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(CatalogueDialogAgentTest, IpConfigurationHidesTheAddressRowsUnlessManual) {
  const ZnCatalogueEntry* entry = ZnFindCatalogueEntry("IPConfig1");
  ASSERT_NE(entry, nullptr);
  QString title;
  std::unique_ptr<TConfigForm> form = ZnBuildCatalogueDialog(*entry, "10.1.1.1", title);
  EXPECT_EQ(title, "IP Configuration");
  EXPECT_EQ(form->windowTitle(), "IP Configuration : 10.1.1.1");
  form->show();
  ASSERT_TRUE(Await([&] { return ReadDone(*form); }));
  TEditsPanel* editor = form->findChild<TSNMPEditorPanel*>()->Editor();
  auto* source = qobject_cast<QComboBox*>(editor->RowAt(0).value);
  ASSERT_NE(source, nullptr);
  // Opening shows every row whatever the device's source.
  for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).value->isHidden()) << row;
  // The user picks DHCP: the address rows go; Manual brings them back.
  QTest::keyClick(source, Qt::Key_End);  // the last item, as a user's choice
  EXPECT_EQ(source->currentText(), "DHCP");
  for (int row = 1; row <= 3; ++row) EXPECT_TRUE(editor->RowAt(row).value->isHidden()) << row;
  EXPECT_FALSE(editor->RowAt(4).value->isHidden());
  QTest::keyClick(source, Qt::Key_Home);
  EXPECT_EQ(source->currentText(), "Manual");
  for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).value->isHidden()) << row;
  // A program-made selection is not a user's choice.
  source->setCurrentIndex(2);
  EXPECT_FALSE(editor->RowAt(1).value->isHidden());
}

}  // namespace
