#include "ZnSNMPMessages.h"

#include "ZnTextCodec.h"

#include <QFile>

#include <array>
#include <iterator>
#include <span>

namespace {

// Built-in texts. Their order is their identity: catalogue files replace them line by line.
const char* const kSnmpStatusTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};
const char* const kSnmpV3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};
const char* const kUsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};
const char* const kSnmpClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};
const char* const kFrameworkTexts[] = {
    "Ok",
    "(ZnSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(ZnSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZnSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZnSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZnSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZnSNMP++) Cannot create the global ZnSNMP++ session!",
    "(ZnSNMP++) Error when loading SNMP engine boots counter!",
    "(ZnSNMP++) Error when saving SNMP engine boots counter!",
    "(ZnSNMP++) Invalid IP Address or DNS name!",
    "(ZnSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(ZnSNMP++) Bad SNMP syntax!",
    "(ZnSNMP++) Null value in the expression!",
    "(ZnSNMP++) Bad SNMP syntax in the expression!",
    "(ZnSNMP++) Bad key count of SNMP variable list!",
    "(ZnSNMP++) Bad item type of SNMP variable list!",
    "(ZnSNMP++) Bad item type of associated SNMP variable list!",
    "(ZnSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(ZnSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(ZnSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) "
    "data!",
    "(ZnSNMP++) No reference option list for a SNMP variable's (partial) data associating with a "
    "optional visual control!",
    "(ZnSNMP++) Bad type of the associated visual control!",
    "(ZnSNMP++) Count of the associated visual controls is not enough!",
    "(ZnSNMP++) No system start time for the time whose data source is the SNMP variable's "
    "(partial) data with syntax timeticks!",
    "(ZnSNMP++) Count of the value items for the chart's history data is not enough!",
    "(ZnSNMP++) Log database is not connected!",
    "(ZnSNMP++) Log database field not found!",
    "(ZnSNMP++) Bad syntax for the history chart of log!",
    "(ZnSNMP++) Unknown error code!",
    // Appended after the device-compatible entries (catalogue files hold 29 lines).
    "(ZnSNMP++) Bad instance of a SNMP table row!",
    "(ZnSNMP++) Division by zero in the expression!",
    "(ZnSNMP++) Expression is nested too deeply!",
    "(ZnSNMP++) Number out of range in the expression!",
    "(ZnSNMP++) Value out of range for the SNMP variable's syntax!",
};
const char* const kGeneralTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is "
    "between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};
const char* const kStatusTemplateTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

struct BuiltInTable {
  std::span<const char* const> texts;
  const char* fileName;
};

const std::array<BuiltInTable, ZnMessageTableCount> kBuiltIn = {{
    {kGeneralTexts, "errmsg/common.err"},
    {kSnmpStatusTexts, "errmsg/snmp.err"},
    {kSnmpV3Texts, "errmsg/snmpv3.err"},
    {kUsmTexts, "errmsg/snmpusm.err"},
    {kSnmpClassTexts, "errmsg/snmpclass.err"},
    {kFrameworkTexts, "errmsg/znsnmp.err"},
    {kStatusTemplateTexts, "errmsg/snmp.msg"},
}};

// Entries loaded from catalogue files; an empty list means the built-in texts are in force.
std::array<QStringList, ZnMessageTableCount>& Loaded() {
  static std::array<QStringList, ZnMessageTableCount> loaded;
  return loaded;
}

// The longest catalogue line that is taken as a message; the rest of a longer line is dropped
// so that the following lines keep their positions.
constexpr qsizetype kMaxLineLength = 1023;

int TableIndex(ZnMessageTable table) {
  return static_cast<int>(table);
}

bool IsBlankLine(const QByteArray& line) {
  for (char c : line) {
    if (static_cast<unsigned char>(c) > ' ') return false;
  }
  return true;
}

}  // namespace

int ZnBuiltInMessageCount(ZnMessageTable table) {
  return static_cast<int>(kBuiltIn[TableIndex(table)].texts.size());
}

QString ZnMessageFileName(ZnMessageTable table) {
  return QString::fromLatin1(kBuiltIn[TableIndex(table)].fileName);
}

QString ZnMessage(ZnMessageTable table, int index) {
  const QStringList& loaded = Loaded()[TableIndex(table)];
  if (index >= 0 && index < loaded.size()) return loaded[index];
  const auto builtIn = kBuiltIn[TableIndex(table)].texts;
  if (index >= 0 && index < static_cast<int>(builtIn.size()))
    return QString::fromUtf8(builtIn[index]);
  return ZnMessage(ZnMessageTable::Framework, -ZnCode::UnknownError - 500);
}

ZnMappedError ZnSNMPMapError(int status) {
  if (status == 0 || status == -1401 || status == 1400)
    return {0, ZnMessage(ZnMessageTable::Framework, 0)};
  if (status >= 1401 && status <= 1414)
    return {1100 - status, ZnMessage(ZnMessageTable::Usm, status - 1401)};
  if (status >= -1418 && status <= -1402)
    return {status + 1201, ZnMessage(ZnMessageTable::SnmpV3, -1402 - status)};
  if (status >= 1 && status <= 18)
    return {-100 - status, ZnMessage(ZnMessageTable::SnmpStatus, status - 1)};
  if (status >= -23 && status <= -1)
    return {status - 400, ZnMessage(ZnMessageTable::SnmpClass, -1 - status)};
  return {ZnCode::UnknownError, ZnMessage(ZnMessageTable::Framework, 28)};
}

void ZnSNMPLoadMessages(ZnMessageTable table, const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return;
  QStringList entries;
  while (!file.atEnd()) {
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    if (IsBlankLine(line)) continue;
    entries.append(ZnTextFromBytes(line.left(kMaxLineLength)));
  }
  if (entries.isEmpty()) return;
  Loaded()[TableIndex(table)] = std::move(entries);
}

void ZnSNMPResetMessages() {
  for (QStringList& loaded : Loaded()) loaded.clear();
}

ZnException ZnFrameworkError(int code) {
  return ZnException(ZnMessage(ZnMessageTable::Framework, -500 - code), code);
}

ZnException ZnGeneralError(int index) {
  return ZnException(ZnMessage(ZnMessageTable::General, index), -index);
}
