#include "QtPrinters.h"
#include "ZnIni.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class IniTest : public ::testing::Test {
 protected:
  ZnIni Write(const QByteArray& content) {
    const QString path = dir_.filePath(QStringLiteral("10.1.1.1.cfg"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    return ZnIni(path);
  }
  QTemporaryDir dir_;
};

TEST_F(IniTest, ReadsProfileValuesWithPrivateProfileRules) {
  const ZnIni ini = Write(
      "; device profile\r\n"
      "[Other]\r\n"
      "AgentPort=999\r\n"
      "  [ program information ]  \r\n"
      "agentport =  1161  \r\n"
      "SecurityName=\"  admin  \"\r\n"
      "Community=a,b;c%d\\e\r\n"
      "Empty=\r\n"
      "Blank=   \r\n"
      "NoEquals\r\n"
      "AgentPort=2222\r\n"
      "Version=3 ; not a comment\r\n");
  const QString s = QStringLiteral("Program Information");
  EXPECT_EQ(ini.ReadString(s, "AgentPort", "161"), "1161");   // first key wins
  EXPECT_EQ(ini.ReadString(s, "SecurityName", ""), "admin");  // quotes, then blanks, removed
  EXPECT_EQ(ini.ReadString(s, "Community", ""), "a,b;c%d\\e");
  EXPECT_EQ(ini.ReadString(s, "Empty", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString(s, "Blank", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString(s, "NoEquals", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString(s, "Version", ""), "3 ; not a comment");
  EXPECT_EQ(ini.ReadString(s, "Missing", " keep "), " keep ");  // the default stays as given
  EXPECT_EQ(ini.ReadString("Absent", "AgentPort", "x"), "x");
  EXPECT_EQ(ini.ReadString("Other", "AgentPort", "x"), "999");
}

TEST_F(IniTest, OddFilesGiveDefaultsNotFailures) {
  EXPECT_EQ(ZnIni(dir_.filePath("none.cfg")).ReadString("S", "K", "d"), "d");
  EXPECT_EQ(Write("").ReadString("S", "K", "d"), "d");
  EXPECT_EQ(Write("[S\nK=v\n").ReadString("S", "K", "d"), "v");   // unclosed bracket
  EXPECT_EQ(Write("K=v\n[S]\n").ReadString("S", "K", "d"), "d");  // key before any section
  EXPECT_EQ(Write("[S]\nK=v\n[S]\nK2=w\n").ReadString("S", "K2", "d"), "d");
  EXPECT_EQ(Write(QByteArray("[S]\nK=a\0b\n", 10)).ReadString("S", "K", "d").size(), 3);
  EXPECT_EQ(Write("[S]\nK=\"\n").ReadString("S", "K", "d"), "\"");
  EXPECT_EQ(Write("[S]\nK=caf\xE9\n").ReadString("S", "K", "d"), QStringLiteral("caf\u00e9"));
  EXPECT_EQ(Write("\xEF\xBB\xBF[S]\nK=v\n").ReadString("S", "K", "d"), "v");
  const QByteArray longValue(10000, 'x');
  EXPECT_EQ(Write("[S]\nK=" + longValue + "\n").ReadString("S", "K", "d").size(), 4095);
}

TEST(JoinPathTest, OneSeparatorBetweenDirectoryAndName) {
  EXPECT_EQ(JoinPath("", "ZnSNMP_PP_BootCounter"), "ZnSNMP_PP_BootCounter");
  EXPECT_EQ(JoinPath("/opt/nx596/", "x.cfg"), "/opt/nx596/x.cfg");
  EXPECT_EQ(JoinPath("/opt/nx596", "x.cfg"), "/opt/nx596" + QString(QDir::separator()) + "x.cfg");
#ifndef Q_OS_WIN
  EXPECT_EQ(JoinPath("/opt/nx596", "errmsg\\common.err"), "/opt/nx596/errmsg/common.err");
  EXPECT_EQ(JoinPath("/opt/nx596\\", "a"), "/opt/nx596\\a");
#endif
}

}  // namespace
