#include "ZnSNMPMessages.h"

#include "QtPrinters.h"
#include "ZnSNMPMessages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class MessagesTest : public ::testing::Test {
 protected:
  void TearDown() override { ZnSNMPResetMessages(); }

  QString WriteCatalogue(const QByteArray& content) {
    const QString path = dir_.filePath(QStringLiteral("catalogue.err"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    return path;
  }

  QTemporaryDir dir_;
};

TEST_F(MessagesTest, MapsEveryStatusGroupToItsCodeAndText) {
  struct Case {
    int status;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {0, 0, "Ok"},
      {-1401, 0, "Ok"},
      {1400, 0, "Ok"},
      {2, -102, "(SNMP) Variable does not exist!"},
      {1, -101, "(SNMP) Response PDU Too Big!"},
      {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
      {-5, -405, "(SNMPClass) SNMP request timed out!"},
      {-9, -409, "(SNMPClass)Unknown error code!"},
      {-20, -420, "(SNMP Class) Transport is not supported!"},
      {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
      {1401, -301, "(SNMPv3USM) error!"},
      {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
      {1414, -314, "(SNMPv3USM) Address error!"},
      {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
      {-1412, -211, "(SNMPv3) Unknown UserName!"},
      {-1418, -217, "(SNMPv3) Report sent!"},
      // Neighbours of every range fall through to the unknown code.
      {-1400, -528, "(ZnSNMP++) Unknown error code!"},
      {19, -528, "(ZnSNMP++) Unknown error code!"},
      {-24, -528, "(ZnSNMP++) Unknown error code!"},
      {1415, -528, "(ZnSNMP++) Unknown error code!"},
      {-1419, -528, "(ZnSNMP++) Unknown error code!"},
  };
  for (const Case& c : cases) {
    const ZnMappedError mapped = ZnSNMPMapError(c.status);
    EXPECT_EQ(mapped.Code, c.code) << "status " << c.status;
    EXPECT_EQ(mapped.Message, QString::fromUtf8(c.message)) << "status " << c.status;
  }
}

TEST_F(MessagesTest, BuiltInTablesKeepTheirSizesAndFrameworkPositions) {
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::General), 19);
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::SnmpStatus), 18);
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::SnmpV3), 17);
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::Usm), 14);
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::SnmpClass), 23);
  EXPECT_EQ(ZnBuiltInMessageCount(ZnMessageTable::StatusTemplates), 2);
  // Catalogue files hold 29 framework lines; what we add must come after them.
  EXPECT_GE(ZnBuiltInMessageCount(ZnMessageTable::Framework), 29);
  EXPECT_EQ(ZnMessage(ZnMessageTable::Framework, 28),
            QStringLiteral("(ZnSNMP++) Unknown error code!"));

  const ZnException invalid = ZnFrameworkError(ZnCode::InvalidAddress);
  EXPECT_EQ(invalid.Code(), -509);
  EXPECT_EQ(invalid.Message(), QStringLiteral("(ZnSNMP++) Invalid IP Address or DNS name!"));
  const ZnException logic = ZnGeneralError(ZnGeneralText::BadLogicOperand);
  EXPECT_EQ(logic.Code(), -1);
  EXPECT_EQ(logic.Message(), QStringLiteral("Bad logic operand!"));
  EXPECT_STREQ(logic.what(), "Bad logic operand!");
  EXPECT_EQ(ZnMessage(ZnMessageTable::StatusTemplates, 1),
            QStringLiteral("Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."));
  EXPECT_EQ(ZnMessage(ZnMessageTable::General, 9),
            QStringLiteral("Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
                           "Here,the count of the number is less than [MAXCOUNT]!"));
}

TEST_F(MessagesTest, ShortCatalogueReplacesOnlyItsOwnLines) {
  ZnSNMPLoadMessages(ZnMessageTable::Framework, WriteCatalogue("Bien\n\n   \nUn\r\nDeux  \n"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::Framework, 0), QStringLiteral("Bien"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::Framework, 1), QStringLiteral("Un"));
  // Trailing blanks are part of the message; the CR of a CRLF line is not.
  EXPECT_EQ(ZnMessage(ZnMessageTable::Framework, 2), QStringLiteral("Deux  "));
  EXPECT_EQ(ZnFrameworkError(ZnCode::InvalidAddress).Message(),
            QStringLiteral("(ZnSNMP++) Invalid IP Address or DNS name!"));
  // A loaded table changes later mappings too.
  EXPECT_EQ(ZnSNMPMapError(0).Message, QStringLiteral("Bien"));
}

TEST_F(MessagesTest, BlankOrMissingCatalogueKeepsBuiltInTexts) {
  ZnSNMPLoadMessages(ZnMessageTable::SnmpStatus, WriteCatalogue(" \n\t\n\r\n"));
  EXPECT_EQ(ZnSNMPMapError(2).Message, QStringLiteral("(SNMP) Variable does not exist!"));
  ZnSNMPLoadMessages(ZnMessageTable::SnmpStatus, dir_.filePath(QStringLiteral("absent.err")));
  EXPECT_EQ(ZnSNMPMapError(2).Message, QStringLiteral("(SNMP) Variable does not exist!"));
  ZnSNMPLoadMessages(ZnMessageTable::SnmpStatus, WriteCatalogue(""));
  EXPECT_EQ(ZnSNMPMapError(3).Code, -103);
}

TEST_F(MessagesTest, OverlongLineStaysOneEntrySoLaterLinesKeepTheirPositions) {
  const QByteArray longLine(5000, 'x');
  ZnSNMPLoadMessages(ZnMessageTable::SnmpStatus, WriteCatalogue(longLine + "\nsecond\nthird"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::SnmpStatus, 0), QString(1023, QLatin1Char('x')));
  EXPECT_EQ(ZnMessage(ZnMessageTable::SnmpStatus, 1), QStringLiteral("second"));
  // The last line needs no line break.
  EXPECT_EQ(ZnMessage(ZnMessageTable::SnmpStatus, 2), QStringLiteral("third"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::SnmpStatus, 3),
            QStringLiteral("(SNMP) Cannot modify object, Read Only!"));
}

TEST_F(MessagesTest, CatalogueTextIsUtf8OrSingleByte) {
  ZnSNMPLoadMessages(ZnMessageTable::General, WriteCatalogue("\xEF\xBB\xBFR\xC3\xA9ussi\n"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::General, 0), QStringLiteral("Réussi"));
  ZnSNMPLoadMessages(ZnMessageTable::General, WriteCatalogue("R\xE9ussi\n"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::General, 0), QStringLiteral("Réussi"));
  // A line ending in half a UTF-8 sequence is not UTF-8: nothing of it may be dropped.
  ZnSNMPLoadMessages(ZnMessageTable::General, WriteCatalogue("abc\xC3\n"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::General, 0), QStringLiteral("abc\u00c3"));
}

TEST_F(MessagesTest, IndexBeyondEveryTableGivesTheUnknownText) {
  EXPECT_EQ(ZnMessage(ZnMessageTable::Usm, 14), QStringLiteral("(ZnSNMP++) Unknown error code!"));
  EXPECT_EQ(ZnMessage(ZnMessageTable::Usm, -1), QStringLiteral("(ZnSNMP++) Unknown error code!"));
}

}  // namespace
