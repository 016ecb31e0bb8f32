#include "QtPrinters.h"
#include "TProgressForm.h"
#include "TestApplication.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

// The progress window when the write it starts cannot even be sent.
namespace {

const ZnSNMPVarDef kSubject[] = {
    {"1.3.6.1.4.1.99917.12.29.1.5", "Subject", ZnSyntax::DisplayString, ZnAccess::ReadWrite}, {}};

TEST(TProgressFormTest, AWriteThatRaisesEndsTheWindowAtOnceWithItsMessage) {
  TestApplication();
  QWidget host;
  auto* panel = new QLabel(&host);
  auto* binding = new ZnSNMPRequest2Edits(&host);
  binding->VarList() = ZnSNMPVarList(kSubject, ZnItemType::SVT_SV, 0);
  auto* subject = new QLineEdit(&host);
  binding->BindEdits(0, "%s", {subject});
  int hostHandlerCalls = 0;
  binding->OnSetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError&) { ++hostHandlerCalls; };
  delete subject;  // reading the controls back now raises before anything is sent

  bool closedByTheTest = false;
  {
    TProgressForm progress(&host, binding, panel);
    EXPECT_TRUE(progress.WriteFailed());
    EXPECT_FALSE(panel->text().isEmpty());
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&] {
      closedByTheTest = true;
      progress.close();
    });
    deadline.start(5000);
    progress.exec();
    EXPECT_EQ(progress.Bar()->value(), 0);
  }
  EXPECT_FALSE(closedByTheTest);
  // The host's own completion handler is its own again once the window is gone.
  ASSERT_TRUE(binding->OnSetDone);
  binding->OnSetDone(binding, ZnSNMPError{});
  EXPECT_EQ(hostHandlerCalls, 1);
}

}  // namespace
