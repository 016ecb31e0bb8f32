#include "QtPrinters.h"
#include "ZnRegistry.h"
#include "ZnSNMPMessages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Where the module looks for its catalogues and profiles, from the host's registry values.
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  ZnRegistry Registry(const QByteArray& content) {
    const QString path = dir_.filePath("registry.ini");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    return ZnRegistry(path);
  }
  void TearDown() override { ZnSNMPResetMessages(); }
  QTemporaryDir dir_;
};

TEST_F(RegistryTest, ModuleAndProfileDirectoriesFromTheHostsKeys) {
  const ZnRegistry registry = Registry(
      "[\\SOFTWARE\\Orvane\\Modules\\HelpPath]\n"
      "1.3.6.1.4.1.99917.10.63.3=/opt/host/modules/nx596/NX596Mod.hlp\n"
      "[\\software\\orvane\\korlin5.1\\exepath]\n"
      "Path=/opt/host/bin/\n");
  const ZnHostPaths paths = ZnFindHostPaths(registry);
  EXPECT_EQ(paths.moduleDirectory, "/opt/host/modules/nx596/");
#ifndef Q_OS_WIN
  EXPECT_EQ(paths.profileDirectory, "/opt/host/bin/../Conf/MBF/");
#endif
  // The MibFile key, when it exists, wins over ExePath.
  const ZnRegistry withMib = Registry(
      "[\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath]\nPath=/opt/host/bin/\n"
      "[\\SOFTWARE\\Orvane\\Korlin5.1\\MibFile]\nPath=/srv/profiles/\n");
  EXPECT_EQ(ZnFindHostPaths(withMib).profileDirectory, "/srv/profiles/");
  EXPECT_EQ(ZnFindHostPaths(withMib).moduleDirectory, "");
}

TEST_F(RegistryTest, MissingOrShortValuesLeaveTheCurrentDirectory) {
  EXPECT_EQ(ZnFindHostPaths(Registry("")).moduleDirectory, "");
  EXPECT_EQ(ZnFindHostPaths(Registry("")).profileDirectory, "");
  EXPECT_EQ(ZnFindHostPaths(ZnRegistry(dir_.filePath("absent.ini"))).profileDirectory, "");
  const ZnRegistry shortValue =
      Registry("[\\SOFTWARE\\Orvane\\Modules\\HelpPath]\n1.3.6.1.4.1.99917.10.63.3=short.hlp\n");
  EXPECT_EQ(ZnFindHostPaths(shortValue).moduleDirectory, "");
}

TEST_F(RegistryTest, CataloguesComeFromTheModuleDirectory) {
  QDir(dir_.path()).mkpath("errmsg");
  QFile catalogue(dir_.filePath("errmsg/snmp.err"));
  ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
  catalogue.write("Trop grand\nVariable inconnue\n");
  catalogue.close();
  ZnLoadMessageCatalogues(dir_.path() + QDir::separator());
  EXPECT_EQ(ZnSNMPMapError(2).Message, "Variable inconnue");
  EXPECT_EQ(ZnSNMPMapError(-5).Message, "(SNMPClass) SNMP request timed out!");
}

}  // namespace
