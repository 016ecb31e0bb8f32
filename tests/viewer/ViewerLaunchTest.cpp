// Starting the viewer: what a missing or wrong page argument tells, which connection settings a
// command line of the main program leaves behind (over SNMPv1/v2c and SNMPv3, with and without a
// device profile), and the read-only dialog every page builds. Nothing is read here: the dialogs
// are built and closed before their first read.

#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "ZnLaunch.h"
#include "ZnSNMPSession.h"
#include "ZnSiblingTool.h"
#include "ZnViewer.h"
#include "ZnViewerPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class ViewerLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ASSERT_TRUE(profiles_.isValid());
    ZnSNMPOpenSession(counter_.path());  // the default settings, as at a program start
    ZnSetNotifier(&notifier_);
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  QString ProfileDirectory() const { return profiles_.path() + '/'; }
  void WriteProfile(const QString& address, const QByteArray& body) {
    QFile file(ProfileDirectory() + address + ".cfg");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Program Information]\n" + body);
  }
  ZnViewerStart Open(const QStringList& parameters) {
    return ZnOpenViewer(parameters, ProfileDirectory());
  }

  QTemporaryDir counter_;
  QTemporaryDir profiles_;
  RecordingNotifier notifier_;
};

TEST_F(ViewerLaunch, MissingPageArgumentSaysHowToNameAPage) {
  ZnViewerStart start = Open({"/I10.1.1.1", "/Rtamrel", "/Wvosquin"});
  EXPECT_EQ(start.form, nullptr);
  EXPECT_EQ(start.exitCode, kViewerBadPage);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_TRUE(notifier_.shown[0].Text.contains("/TMIB_Info"))
      << notifier_.shown[0].Text.toStdString();
  EXPECT_EQ(notifier_.shown[0].Caption, ZnProgramFileName());
}

TEST_F(ViewerLaunch, UnknownPageNamesWhatThereIs) {
  ZnViewerStart start = Open({"/I10.1.1.1", "/TMIB_Routes"});
  EXPECT_EQ(start.form, nullptr);
  EXPECT_EQ(start.exitCode, kViewerBadPage);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Text,
            "Unknown viewer page \"/TMIB_Routes\".\nThe pages of MIB are: Info, IFTable, "
            "IFCounters, IPCounters, IPRouting, IPAddress, ICMPCounters, UDPCounters, "
            "SNMPCounters.");

  notifier_.shown.clear();
  start = Open({"/I10.1.1.1", "/TSTP_Info"});
  EXPECT_EQ(start.exitCode, kViewerBadPage);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_TRUE(notifier_.shown[0].Text.endsWith(
      "The viewers are: MIB, Bridge, IFMib, VLan, Rmon, EthernetLike, EntityMIB."))
      << notifier_.shown[0].Text.toStdString();
}

TEST_F(ViewerLaunch, ConnectionSettingThatIsNotANumberIsToldAndNothingOpens) {
  ZnViewerStart start = Open({"/I10.1.1.1", "/vthree", "/TMIB_Info"});
  EXPECT_EQ(start.form, nullptr);
  EXPECT_EQ(start.exitCode, kViewerBadConnection);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Caption, "MIB");
  EXPECT_TRUE(notifier_.shown[0].Text.contains("/vthree")) << notifier_.shown[0].Text.toStdString();

  notifier_.shown.clear();
  WriteProfile("10.1.1.2", "AgentPort=port\nVersion=1\nSecurityModel=1\n");
  start = Open({"/I10.1.1.2", "/TMIB_Info"});
  EXPECT_EQ(start.exitCode, kViewerBadConnection);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_TRUE(notifier_.shown[0].Text.contains("AgentPort"))
      << notifier_.shown[0].Text.toStdString();
}

// The line the main program builds for SNMPv1/v2c: address and communities.
TEST_F(ViewerLaunch, CommunityLineSetsAddressAndCommunities) {
  ZnLaunchTexts texts;
  texts.DeviceAddress = "10.1.1.1";
  texts.ReadCommunity = "lookonly";
  texts.WriteCommunity = "";
  const QStringList line =
      ZnSplitCommandLine(ZnSiblingCommandLine("/TMIB_IFTable", "/opt/", 1, texts, {}));
  ASSERT_EQ(line.first(), "/opt/MIB" + ZnSiblingProgramSuffix());

  ZnViewerStart start = Open(line.mid(1));
  ASSERT_NE(start.form, nullptr);
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_EQ(start.form->windowTitle(), "Interface Table : 10.1.1.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "10.1.1.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.ReadCommunity, "lookonly");
  EXPECT_EQ(ZnSNMPGlobalSecurity.WriteCommunity, "");
}

// With a device profile the viewer reads the same profile as the main program, so the SNMPv3
// user, protocols and passwords reach it even where the command line leaves them out.
TEST_F(ViewerLaunch, SnmpV3LineOfTheMainProgramReachesTheSettingsThroughTheProfile) {
  WriteProfile("127.0.0.1",
               "AgentPort=16100\nVersion=3\nContextName=\nContextEngineID=\nSecurityModel=3\n"
               "SecurityLevel=1\nSecurityName=nx-sha\nAuthProtocol=2\nPrivProtocol=0\n"
               "AuthPassword=nx-sha-pass\nPrivPassword=\n");
  // The main program's own start with the same profile gives the texts and flags it hands on.
  ZnLaunch main(ProfileDirectory());
  main.ProcessParameters({"/I127.0.0.1", "/Rtamrel", "/Wvosquin"});
  ASSERT_TRUE(main.flags.ProfileFound);
  const QStringList line =
      ZnSplitCommandLine(ZnSiblingCommandLine("/TVLan_GMRP", "/opt/", 3, main.texts, main.flags));

  ZnSNMPOpenSession(counter_.path());
  ZnViewerStart start = Open(line.mid(1));
  ASSERT_NE(start.form, nullptr) << notifier_.Texts().join('\n').toStdString();
  EXPECT_EQ(start.form->windowTitle(), "GMRP Port Table : 127.0.0.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 16100);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityModel, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "nx-sha");
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 2);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 3);  // HMAC-SHA
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthPassword, "nx-sha-pass");
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivProtocol, 1);
}

TEST_F(ViewerLaunch, SnmpV3SwitchesAloneAreHonouredOnceTheVersionIsThree) {
  ZnViewerStart start =
      Open({"/I127.0.0.1", "/v3", "/t1161", "/nnx-aes", "/l3", "/a3", "/Anx-aes-auth", "/p4",
            "/Pnx-aes-priv", "/cnx-ctx", "/TRmon_Statistics"});
  ASSERT_NE(start.form, nullptr);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 3);
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 1161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "nx-aes");
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthPassword, "nx-aes-auth");
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivProtocol, 4);  // AES-128
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivPassword, "nx-aes-priv");
  EXPECT_EQ(ZnSNMPGlobalScope.ContextName, "nx-ctx");

  // Before the version is 3 the same switches are ignored, as in the main program.
  ZnSNMPOpenSession(counter_.path());
  start = Open({"/I127.0.0.1", "/t1161", "/nnx-aes", "/TRmon_Statistics"});
  ASSERT_NE(start.form, nullptr);
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "");
}

// The page argument keeps its place: a viewer started with only an address and a page still
// applies the device profile, as the main program would before any parameter but the address.
TEST_F(ViewerLaunch, AddressAndPageAloneStillApplyTheProfile) {
  WriteProfile("10.9.9.9",
               "AgentPort=2161\nVersion=1\nSecurityModel=1\nSecurityLevel=0\n"
               "AuthProtocol=0\nPrivProtocol=0\n");
  ZnViewerStart start = Open({"/I10.9.9.9", "/TEntityMIB_Logical"});
  ASSERT_NE(start.form, nullptr);
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 2161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 1);
}

TEST_F(ViewerLaunch, NoAddressMeansTheDefaultAgentAndSaysSoInTheCaption) {
  ZnViewerStart start = Open({"/TMIB_Info"});
  ASSERT_NE(start.form, nullptr);
  EXPECT_EQ(start.form->windowTitle(), "System Information : 127.0.0.1");
}

// Every page is a read-only view: no Set, Edit, Add or Delete anywhere, and the tabs of a page
// with several tables carry their captions.
TEST_F(ViewerLaunch, EveryPageBuildsAReadOnlyDialog) {
  for (const ZnViewerPage& page : ZnViewerPages()) {
    const QString argument = QStringLiteral("/T%1_%2").arg(page.tool, page.page);
    ZnViewerStart start = Open({"/I10.1.1.1", argument});
    ASSERT_NE(start.form, nullptr) << argument.toStdString();
    EXPECT_EQ(start.form->windowTitle(), QString::fromLatin1(page.dialog.title) + " : 10.1.1.1");
    const int pages = static_cast<int>(page.dialog.pages.size());
    ASSERT_EQ(static_cast<int>(start.form->Requests().size()), pages);
    if (pages > 1) {
      ASSERT_NE(start.form->PageControl(), nullptr);
      for (int k = 0; k < pages; ++k)
        EXPECT_EQ(start.form->PageControl()->tabText(k),
                  QString::fromLatin1(page.dialog.pages[static_cast<size_t>(k)].tabCaption));
    }
    for (const TCtrlBtnPanel* buttons : start.form->findChildren<TCtrlBtnPanel*>()) {
      for (const QPushButton* button : {buttons->SetCheckedButton(), buttons->EditButton(),
                                        buttons->AddButton(), buttons->DeleteButton()}) {
        EXPECT_TRUE(button->isHidden())
            << argument.toStdString() << " " << button->text().toStdString();
      }
    }
    start.form->close();
  }
  EXPECT_TRUE(notifier_.shown.empty());
}

}  // namespace
