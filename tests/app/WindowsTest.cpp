#include "QtPrinters.h"
#include "TAboutForm.h"
#include "TProgressForm.h"
#include "TestApplication.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// The about box and the progress window on real widgets.
namespace {

TEST(AboutFormTest, ShowsTheReleaseUntilShiftAltF3AndFreesItselfWhenClosed) {
  TestApplication();
  QPointer<TAboutForm> about = new TAboutForm;
  QPointer<TAboutForm> second = new TAboutForm;  // each click opens a box of its own
  about->show();
  EXPECT_EQ(about->windowTitle(), "About NX-596 Module");
  EXPECT_EQ(about->findChild<QLabel*>("Label")->text(), "Orvane NX-596 Management Module");
  EXPECT_EQ(about->VersionLabel()->text(), "Release Version 4.20");
  QTest::keyClick(about->OkButton(), Qt::Key_F3, Qt::ShiftModifier);  // Alt missing
  EXPECT_EQ(about->VersionLabel()->text(), "Release Version 4.20");
  QTest::keyClick(about->OkButton(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_EQ(about->VersionLabel()->text(), "Release Version 4.20R12(Build 2008/11/10)");
  QTest::mouseClick(about->OkButton(), Qt::LeftButton);
  EXPECT_TRUE(Await([&] { return about.isNull(); }, 2000));
  EXPECT_FALSE(second.isNull());
  delete second.data();
  EXPECT_FALSE(ZnModelIcon(2.0).isNull());
  EXPECT_EQ(ZnModelIcon(2.0).size(), QSize(64, 64));
}

TEST(ProgressFormTest, MovesOneStepATickAndClosesAfterTwenty) {
  TestApplication();
  TProgressForm progress(nullptr, nullptr, nullptr);
  progress.show();
  EXPECT_TRUE(progress.Timer().isActive());
  for (int tick = 1; tick <= 20; ++tick) {
    QMetaObject::invokeMethod(&progress.Timer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(progress.Bar()->value(), tick);
  }
  EXPECT_TRUE(progress.isVisible());
  QMetaObject::invokeMethod(&progress.Timer(), "timeout", Qt::DirectConnection);
  EXPECT_FALSE(progress.isVisible());
  EXPECT_FALSE(progress.Timer().isActive());
}

}  // namespace
