#include "QtPrinters.h"
#include "ZnHandOver.h"
#include "ZnLaunch.h"
#include "ZnRegistry.h"
#include "ZnSNMPSession.h"
#include "ZnSwitchList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

// The switches kept without a host: the list file, what a management window is started with
// (the host's command line and profile, the secrets apart), imports, and the channel the
// secrets travel through.
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every byte of every file under `dir`.
QByteArray AllFiles(const QString& dir) {
  QByteArray all;
  QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) all += ReadAll(it.next());
  return all;
}

ZnSwitchEntry V3Entry(int level) {
  ZnSwitchEntry e;
  e.Id = ZnNewSwitchId();
  e.Name = "core, rack 3 (100% \\ up)";
  e.Address = "10.20.30.40";
  e.Port = 1161;
  e.Version = 3;
  e.SecurityName = "nx-aes";
  e.SecurityLevel = level;
  e.AuthProtocol = 5;   // SHA-256
  e.PrivProtocol = 21;  // AES-256
  e.ContextName = "bridge1";
  e.ContextEngineID = "800007e580";
  e.BulkRepetitions = 25;
  return e;
}

// Pass phrases that hold what the host's grammar would take for switches.
const ZnSwitchSecrets kSecrets{"re/Iad", "wr/Rite", "a/Iuth/Rpass", "p/Priv/Ipass"};

class SwitchListTest : public ::testing::Test {
 protected:
  void SetUp() override { ZnSNMPOpenSession(counter_.path()); }
  QTemporaryDir counter_, dir_;
};

TEST_F(SwitchListTest, TheListKeepsEveryFieldInOrderAndAFailedWriteLeavesTheOldList) {
  QList<ZnSwitchEntry> entries = {V3Entry(3), V3Entry(1)};
  entries[1].Version = 0;
  entries[1].Name = "ünïcode; =equals [brackets]";
  entries[1].SessionOnly = true;
  const QString file = dir_.path() + "/config/switches.ini";
  QString why;
  ASSERT_TRUE(ZnWriteSwitchList(file, entries, why)) << why.toStdString();
  QList<ZnSwitchEntry> read;
  ASSERT_TRUE(ZnReadSwitchList(file, read, why)) << why.toStdString();
  EXPECT_EQ(read, entries);

  // A directory where the file should be: nothing is replaced, the reason is given.
  const QString blocked = dir_.path() + "/blocked.ini";
  ASSERT_TRUE(QDir().mkpath(blocked));
  EXPECT_FALSE(ZnWriteSwitchList(blocked, entries, why));
  EXPECT_FALSE(why.isEmpty());
  // A missing file is an empty list, not a failure.
  ASSERT_TRUE(ZnReadSwitchList(dir_.path() + "/none.ini", read, why));
  EXPECT_TRUE(read.isEmpty());
}

TEST_F(SwitchListTest, EntriesTheHostsFilesOrGrammarCouldNotCarryAreRefused) {
  const auto problem = [](auto change) {
    ZnSwitchEntry e = V3Entry(3);
    change(e);
    return ZnSwitchEntryProblem(e);
  };
  EXPECT_EQ(problem([](ZnSwitchEntry&) {}), "");
  EXPECT_EQ(problem([](ZnSwitchEntry& e) { e.Address = "switch-7.example.net"; }), "");
  for (const char* address : {"10.1.1", "10.1.1.256", "", "a b", "x/Iy", "10.0.0.1:161"})
    EXPECT_NE(problem([&](ZnSwitchEntry& e) { e.Address = address; }), "") << address;
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.Name = "two\nlines"; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.SecurityName = " padded"; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.ContextName = "\"quoted\""; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.SecurityName = ""; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.Port = 0; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.Version = 2; }), "");
  EXPECT_NE(problem([](ZnSwitchEntry& e) { e.BulkRepetitions = 1001; }), "");
}

// What the started window makes of its command line, its profile and the settings handed over
// is exactly what the Switches window reads the switch with, for every version and level; and
// no secret is in a file or on the command line.
TEST_F(SwitchListTest, AStartedWindowGetsTheSettingsTheListReadsWithAndNoSecretOutsideTheChannel) {
  QList<ZnSwitchEntry> cases = {V3Entry(1), V3Entry(2), V3Entry(3)};
  for (int version : {0, 1}) {
    ZnSwitchEntry e = V3Entry(3);
    e.Version = version;
    e.Port = 16100;
    cases << e;
  }
  for (const ZnSwitchEntry& e : cases) {
    SCOPED_TRACE(
        QStringLiteral("version %1 level %2").arg(e.Version).arg(e.SecurityLevel).toStdString());
    const QString directory = dir_.path() + "/" + e.Id;
    ZnSwitchStart start;
    QString why;
    ASSERT_TRUE(ZnPrepareSwitchStart(e, kSecrets, directory, "/opt/nx596/module/", start, why))
        << why.toStdString();
    const QByteArray files = AllFiles(directory);
    const QString commandLine = start.parameters.join(' ');
    for (const QString& secret : {kSecrets.ReadCommunity, kSecrets.WriteCommunity,
                                  kSecrets.AuthPassword, kSecrets.PrivPassword}) {
      EXPECT_FALSE(files.contains(secret.toUtf8())) << secret.toStdString();
      EXPECT_FALSE(commandLine.contains(secret)) << secret.toStdString();
    }

    // The started window: the registry names the profile directory and the module directory.
    ZnSNMPOpenSession(counter_.path());
    const ZnHostPaths paths = ZnFindHostPaths(ZnRegistry(start.registryFile));
    EXPECT_EQ(paths.moduleDirectory, "/opt/nx596/module/");
    ZnLaunch launch(paths.profileDirectory);
    launch.ProcessParameters(start.parameters);
    for (const QString& p : start.secretParameters) launch.ApplySwitch(p.left(2), p.mid(2), "test");
    EXPECT_TRUE(launch.flags.ProfileFound);

    const ZnSNMPTarget expected = ZnSwitchTarget(e, kSecrets);
    EXPECT_EQ(ZnSNMPGlobalDevice.Address, expected.Device.Address);
    EXPECT_EQ(ZnSNMPGlobalDevice.Port, expected.Device.Port);
    EXPECT_EQ(ZnSNMPBulkRepetitions, e.BulkRepetitions);
    const ZnSNMPSecurity& got = ZnSNMPGlobalSecurity;
    const ZnSNMPSecurity& want = expected.Security;
    EXPECT_EQ(got.Version, want.Version);
    EXPECT_EQ(got.ReadCommunity, want.ReadCommunity);
    EXPECT_EQ(got.WriteCommunity, want.WriteCommunity);
    if (e.Version != 3) continue;
    EXPECT_EQ(got.SecurityModel, 3);
    EXPECT_EQ(got.SecurityLevel, want.SecurityLevel);
    EXPECT_EQ(got.SecurityName, want.SecurityName);
    EXPECT_EQ(got.AuthProtocol, want.AuthProtocol);
    EXPECT_EQ(got.PrivProtocol, want.PrivProtocol);
    EXPECT_EQ(got.AuthPassword, want.AuthPassword);
    EXPECT_EQ(got.PrivPassword, want.PrivPassword);
    EXPECT_EQ(ZnSNMPGlobalScope.ContextName, e.ContextName);
    EXPECT_EQ(ZnSNMPGlobalScope.ContextEngineID, e.ContextEngineID);
    // The sibling tools get the pass phrases the level uses.
    EXPECT_EQ(launch.flags.AuthPasswordGiven, e.SecurityLevel >= 2);
    EXPECT_EQ(launch.flags.PrivPasswordGiven, e.SecurityLevel >= 3);
  }
}

TEST_F(SwitchListTest, AHostsProfilesImportWithTheirPassPhrasesAsSecrets) {
  // What the program writes for a switch reads back as the same switch.
  const ZnSwitchEntry e = V3Entry(3);
  ZnSwitchStart start;
  QString why;
  const QString own = dir_.path() + "/own";
  ASSERT_TRUE(ZnPrepareSwitchStart(e, kSecrets, own, QString(), start, why)) << why.toStdString();
  QStringList skipped;
  QList<ZnImportedSwitch> found = ZnImportProfileDirectory(own, skipped);
  ASSERT_EQ(found.size(), 1);
  ZnSwitchEntry imported = found[0].entry;
  imported.Id = e.Id;
  imported.Name = e.Name;
  EXPECT_EQ(imported, e);

  // A host's profile keeps its pass phrases in plain text; a file that is no profile is named.
  const QString host = dir_.path() + "/host";
  ASSERT_TRUE(QDir().mkpath(host));
  QFile profile(host + "/10.1.1.7.cfg");
  ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
  profile.write(
      "[Program Information]\nAgentPort=1161\nVersion=3\nContextName=\nContextEngineID=\n"
      "SecurityModel=3\nSecurityLevel=1\nSecurityName=nx-md5\nAuthProtocol=1\n"
      "PrivProtocol=0\nAuthPassword=host-auth-pass\nPrivPassword=\n");
  profile.close();
  QFile other(host + "/notes.cfg");
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write("[Program Information]\nVersion=9\n");
  other.close();
  found = ZnImportProfileDirectory(host, skipped);
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(skipped, QStringList{"notes.cfg"});
  const ZnSwitchEntry& h = found[0].entry;
  EXPECT_EQ(h.Address, "10.1.1.7");
  EXPECT_EQ(h.Port, 1161);
  EXPECT_EQ(h.SecurityName, "nx-md5");
  EXPECT_EQ(h.SecurityLevel, 2);  // the profile counts from 0
  EXPECT_EQ(h.AuthProtocol, 2);   // MD5
  EXPECT_EQ(found[0].secrets.AuthPassword, "host-auth-pass");
}

TEST_F(SwitchListTest, ACsvImportTakesItsColumnsInAnyOrderAndNamesTheLinesItPassesBy) {
  const QString csv =
      "version,NAME,Address,User or community,Port\r\n"
      "2c,\"Core, rack 1\",10.0.0.1,\"pub\"\"lic\",\r\n"
      "SNMPv3,Edge,10.0.0.2,nx-aes,1161\r\n"
      "1,,10.0.0.3,,\r\n"
      "4,Bad version,10.0.0.4,,\r\n"
      "2c,\"Two\nlines\",10.0.0.5,,\r\n"
      "2c,Bad address,10.0.0,,\r\n";
  QStringList skipped;
  const QList<ZnImportedSwitch> found = ZnImportSwitchCsv(csv, skipped);
  ASSERT_EQ(found.size(), 3);
  EXPECT_EQ(found[0].entry.Name, "Core, rack 1");
  EXPECT_EQ(found[0].entry.Version, 1);
  EXPECT_EQ(found[0].secrets.ReadCommunity, "pub\"lic");
  EXPECT_EQ(found[0].entry.Port, 161);
  EXPECT_EQ(found[1].entry.Version, 3);
  EXPECT_EQ(found[1].entry.SecurityName, "nx-aes");
  EXPECT_EQ(found[1].entry.Port, 1161);
  EXPECT_EQ(found[2].entry.Name, "10.0.0.3");
  EXPECT_EQ(found[2].entry.Version, 0);
  ASSERT_EQ(skipped.size(), 3);
  EXPECT_TRUE(skipped[0].startsWith("line 5:")) << skipped[0].toStdString();
  EXPECT_TRUE(skipped[1].startsWith("line 6:"))
      << skipped[1].toStdString();  // its record starts on line 6
  EXPECT_TRUE(skipped[2].startsWith("line 8:")) << skipped[2].toStdString();
  EXPECT_TRUE(ZnImportSwitchCsv("Name,Version\nx,1\n", skipped).isEmpty());
  // As a spreadsheet saves it: a byte-order mark first.
  EXPECT_EQ(ZnImportSwitchCsv(QChar(0xFEFF) + QString("Address\n10.0.0.9\n"), skipped).size(), 1);
}

TEST_F(SwitchListTest, SecretsPackForTheStoreAndAnythingElseIsRefused) {
  ZnSwitchSecrets back;
  ASSERT_TRUE(ZnSwitchSecrets::Unpack(kSecrets.Pack(), back));
  EXPECT_EQ(back, kSecrets);
  EXPECT_FALSE(ZnSwitchSecrets::Unpack("not packed", back));
  EXPECT_FALSE(ZnSwitchSecrets::Unpack(kSecrets.Pack().chopped(3), back));
  EXPECT_FALSE(ZnSwitchSecrets::Unpack(kSecrets.Pack() + "x", back));
}

// The channel: a block arrives whole however it is cut, what follows it is kept for later,
// the receiving end stops being inherited, and a sender that says nothing is given up on.
TEST_F(SwitchListTest, TheSecretsArriveThroughTheInheritedChannelAndNothingElseReceivesThem) {
  const QStringList parameters = {"/Rre/Iad", "/A", "/Pünï\tcode"};
  QByteArray buffer;
  QStringList decoded;
  const QByteArray block = ZnEncodeHandOver(parameters) + QByteArray("raise\0", 6);
  for (char c : block.left(block.size() - 6)) {
    EXPECT_FALSE(ZnDecodeHandOver(buffer, decoded));
    buffer += c;
  }
  ASSERT_TRUE(ZnDecodeHandOver(buffer, decoded));
  EXPECT_EQ(decoded, parameters);

  int parent = -1, child = -1;
  QString why;
  ASSERT_TRUE(ZnMakeHandOverPair(parent, child, why)) << why.toStdString();
  ASSERT_EQ(::write(parent, block.constData(), block.size()), block.size());
  qputenv(kZnHandOverVariable, QByteArray::number(child));
  QByteArray rest;
  ASSERT_TRUE(ZnReceiveHandOver(child, 5000, decoded, rest, why)) << why.toStdString();
  EXPECT_EQ(decoded, parameters);
  EXPECT_EQ(rest, QByteArray("raise\0", 6));
  EXPECT_FALSE(qEnvironmentVariableIsSet(kZnHandOverVariable));
  EXPECT_TRUE(::fcntl(child, F_GETFD) & FD_CLOEXEC);

  // Nothing more comes: the wait ends with a reason instead of holding the start for ever.
  EXPECT_FALSE(ZnReceiveHandOver(child, 200, decoded, rest, why));
  EXPECT_FALSE(why.isEmpty());
  ::close(parent);
  EXPECT_FALSE(ZnReceiveHandOver(child, 5000, decoded, rest, why));
  EXPECT_TRUE(why.contains("closed")) << why.toStdString();
  ::close(child);
}

}  // namespace
