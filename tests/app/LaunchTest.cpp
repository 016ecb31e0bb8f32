#include "ErrorCode.h"
#include "QtPrinters.h"
#include "ZnLaunch.h"
#include "ZnSNMPSession.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The order rules of the command line and the device profile: the profile is applied again
// before every parameter that is not the address, SNMPv3 switches count only once the version is
// 3, and the hand-over flags record exactly what was supplied.
namespace {

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ZnSNMPOpenSession(counter_.path());  // the defaults
    directory_ = profiles_.path() + QDir::separator();
  }
  void Profile(const QString& address, const QByteArray& keys) {
    QFile file(directory_ + address + ".cfg");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Program Information]\n" + keys);
  }
  static QByteArray V3Profile(const QByteArray& version = "3") {
    return "AgentPort=1161\nVersion=" + version +
           "\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
  }
  ZnLaunch Launch(const QStringList& parameters) {
    ZnLaunch launch(directory_);
    launch.ProcessParameters(parameters);
    return launch;
  }
  static bool AnyFlag(const ZnHandOverFlags& f) {
    return f.ProfileFound || f.ContextNameGiven || f.SecurityLevelGiven || f.AuthProtocolGiven ||
           f.AuthPasswordGiven || f.PrivProtocolGiven || f.PrivPasswordGiven;
  }

  QTemporaryDir counter_, profiles_;
  QString directory_;
};

TEST_F(LaunchTest, AddressAndCommunitiesWithoutAProfile) {
  const ZnLaunch launch = Launch({"/I10.1.1.1", "/Rtamrel", "/Wvosquin"});
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "10.1.1.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 0);
  EXPECT_EQ(ZnSNMPGlobalSecurity.ReadCommunity, "tamrel");
  EXPECT_EQ(ZnSNMPGlobalSecurity.WriteCommunity, "vosquin");
  EXPECT_EQ(launch.texts.DeviceAddress, "10.1.1.1");
  EXPECT_FALSE(launch.SnmpV3());
  EXPECT_FALSE(AnyFlag(launch.flags));
}

TEST_F(LaunchTest, AProfileWithVersion3OpensTheSnmpV3Switches) {
  Profile("10.1.1.1", V3Profile());
  const ZnLaunch launch =
      Launch({"/I10.1.1.1", "/Asecret-pass", "/a3", "/l2", "/cnx-ctx", "/t2161", "/nadmin"});
  EXPECT_TRUE(launch.SnmpV3());
  EXPECT_TRUE(launch.flags.ProfileFound);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "admin");
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthPassword, "secret-pass");
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 3);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 2);
  EXPECT_EQ(ZnSNMPGlobalScope.ContextName, "nx-ctx");
  // The port switch came before the name: the profile, applied again for the name, wins.
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 1161);
  EXPECT_EQ(launch.texts.AgentPortText, "1161");
  EXPECT_TRUE(launch.flags.AuthPasswordGiven && launch.flags.AuthProtocolGiven &&
              launch.flags.SecurityLevelGiven && launch.flags.ContextNameGiven);
  EXPECT_FALSE(launch.flags.PrivPasswordGiven || launch.flags.PrivProtocolGiven);
  EXPECT_EQ(launch.texts.VersionText, "3");

  // The profile's SecurityName is taken even when empty: a name given before other parameters
  // is undone by the profile applied again for them.
  SetUp();
  Profile("10.1.1.1", V3Profile());
  Launch({"/I10.1.1.1", "/nadmin", "/Asecret-pass"});
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "");
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthPassword, "secret-pass");
}

TEST_F(LaunchTest, TheOrderOfParametersDecidesWhatCounts) {
  // Port before version 3, no profile: the port switch was ignored.
  ZnLaunch first = Launch({"/I10.1.1.2", "/t2161", "/v3"});
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 3);
  EXPECT_TRUE(first.SnmpV3());
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);

  // With a profile, the version switch is undone by the profile before the next parameter.
  SetUp();
  Profile("10.1.1.3", V3Profile("1"));
  const ZnLaunch second = Launch({"/I10.1.1.3", "/v3", "/nadmin"});
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityName, "");  // /n came when the version was 1 again

  // Before the address the profile is looked for as ".cfg".
  SetUp();
  Profile("", V3Profile());
  const ZnLaunch third = Launch({"/t3161", "/I10.1.1.4"});
  EXPECT_TRUE(third.flags.ProfileFound);
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 3161);
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "10.1.1.4");

  // "/I" is tested first, wherever it stands.
  SetUp();
  Launch({"/Rcomm/Ix"});
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "x");
  EXPECT_EQ(ZnSNMPGlobalSecurity.ReadCommunity, "tamrel");
}

TEST_F(LaunchTest, ProfileNumbersCountFromZeroAndZeroKeepsTheDefault) {
  Profile("10.1.1.5",
          "AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=1\n"
          "AuthProtocol=1\nPrivProtocol=1\nContextEngineID=\nSecurityName=ops\n");
  const ZnLaunch launch = Launch({"/I10.1.1.5", "/Rtamrel"});
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 2);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 2);
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivProtocol, 2);
  EXPECT_TRUE(launch.flags.SecurityLevelGiven && launch.flags.AuthProtocolGiven &&
              launch.flags.PrivProtocolGiven);
  EXPECT_EQ(launch.texts.SecurityLevelText, "2");

  SetUp();
  Profile("10.1.1.6", V3Profile());
  const ZnLaunch zero = Launch({"/I10.1.1.6", "/l0", "/c"});
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 0);
  EXPECT_FALSE(zero.flags.SecurityLevelGiven);
  EXPECT_FALSE(zero.flags.ContextNameGiven);
  EXPECT_EQ(zero.texts.ContextName, "");
}

// A profile or switch that is not a number stops the start with a message that says where.
TEST_F(LaunchTest, NumbersThatAreNotNumbersNameTheirPlace) {
  Profile("10.1.1.7",
          "AgentPort=16x1\nVersion=3\nSecurityModel=3\nSecurityLevel=0\n"
          "AuthProtocol=0\nPrivProtocol=0\n");
  try {
    Launch({"/I10.1.1.7", "/Rtamrel"});
    FAIL() << "a bad port was accepted";
  } catch (const ZnException& e) {
    EXPECT_TRUE(e.Message().contains("10.1.1.7.cfg")) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains("\"AgentPort\"")) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains("\"16x1\"")) << e.Message().toStdString();
  }
  // A missing required key is no number either.
  Profile("10.1.1.8",
          "AgentPort=161\nVersion=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
  try {
    Launch({"/I10.1.1.8", "/Rtamrel"});
    FAIL();
  } catch (const ZnException& e) {
    EXPECT_TRUE(e.Message().contains("\"SecurityModel\"")) << e.Message().toStdString();
  }
  try {
    Launch({"/I10.1.1.9", "/v3x"});
    FAIL();
  } catch (const ZnException& e) {
    EXPECT_TRUE(e.Message().contains("\"/v3x\"")) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains("\"3x\"")) << e.Message().toStdString();
  }
  Profile("10.1.1.10", V3Profile());
  EXPECT_NE(CodeOf([&] { Launch({"/I10.1.1.10", "/t70000"}); }), -1);
  try {
    Launch({"/I10.1.1.10", "/t70000"});
    FAIL();
  } catch (const ZnException& e) {
    EXPECT_TRUE(e.Message().contains("UDP port")) << e.Message().toStdString();
  }
}

}  // namespace

// The walk's GETBULK repetitions come from the profile alone; absent or 0 walks with get-next.
TEST_F(LaunchTest, BulkRepetitionsComeFromTheProfile) {
  const struct {
    QByteArray key;
    int repetitions;  // -1: the start stops with a message naming the key
  } cases[] = {{"", 0}, {"BulkRepetitions=0\n", 0}, {"BulkRepetitions=25\n", 25},
               {"BulkRepetitions=1000\n", 1000}, {"BulkRepetitions=-1\n", -1},
               {"BulkRepetitions=1001\n", -1}, {"BulkRepetitions=ten\n", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key.toStdString());
    ZnSNMPBulkRepetitions = 7;  // whatever a previous device left
    Profile("10.1.1.20", V3Profile("1") + c.key);
    if (c.repetitions < 0) {
      try {
        Launch({"/I10.1.1.20", "/Rtamrel"});
        ADD_FAILURE() << "accepted";
      } catch (const ZnException& e) {
        EXPECT_TRUE(e.Message().contains("\"BulkRepetitions\"")) << e.Message().toStdString();
      }
      continue;
    }
    Launch({"/I10.1.1.20", "/Rtamrel"});
    EXPECT_EQ(ZnSNMPBulkRepetitions, c.repetitions);
  }
}
