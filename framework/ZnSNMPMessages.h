#pragma once

#include "ZnException.h"

#include <QString>

// The seven message tables. Each has built-in English texts; a catalogue file loaded at start-up
// replaces its entries by position, so texts are always looked up at the moment they are used.
enum class ZnMessageTable {
  General,          // errmsg/common.err: evaluator, edit constraints, utilities
  SnmpStatus,       // errmsg/snmp.err: error-status 1..18 of a response
  SnmpV3,           // errmsg/snmpv3.err: SNMPv3 message processing
  Usm,              // errmsg/snmpusm.err: user-based security model
  SnmpClass,        // errmsg/snmpclass.err: SNMP library class errors
  Framework,        // errmsg/znsnmp.err: the framework's own errors, index 0 is the success text
  StatusTemplates,  // errmsg/snmp.msg: status line after a read (0) and a write (1)
};
inline constexpr int ZnMessageTableCount = 7;

// Framework codes (code = -500 - index of the framework table).
namespace ZnCode {
inline constexpr int Ok = 0;
inline constexpr int CannotCreateSession = -506;
inline constexpr int BootCounterLoad = -507;
inline constexpr int BootCounterSave = -508;
inline constexpr int InvalidAddress = -509;
inline constexpr int GetNextOnSingleValue = -510;
inline constexpr int BadSyntax = -511;
inline constexpr int NullInExpression = -512;
inline constexpr int BadSyntaxInExpression = -513;
inline constexpr int BadKeyCount = -514;
inline constexpr int BadItemType = -515;
inline constexpr int BadAssociatedItemType = -516;
inline constexpr int BadPartialSyntax = -517;
inline constexpr int BadPartialValue = -518;
inline constexpr int PartialIndexOutOfRange = -519;
inline constexpr int NoPartialOptionList = -520;
inline constexpr int BadControlType = -521;
inline constexpr int NotEnoughControls = -522;
inline constexpr int NoSystemStartTime = -523;
inline constexpr int UnknownError = -528;
// Entries appended after the device-compatible table: malformed input that must not be
// silently turned into a different value.
inline constexpr int BadInstance = -529;
inline constexpr int DivisionByZero = -530;
inline constexpr int ExpressionTooDeep = -531;
inline constexpr int NumberOutOfRange = -532;
inline constexpr int ValueOutOfRange = -533;

// General-table errors are raised with code = -index.
inline constexpr int BadLogicOperand = -1;
inline constexpr int IndexOutOfRange = -12;
}  // namespace ZnCode

// Index of general-table entries used by name.
namespace ZnGeneralText {
inline constexpr int Ok = 0;
inline constexpr int BadLogicOperand = 1;
inline constexpr int BadConstraintFormat = 2;
inline constexpr int EmptyNotAllowed = 3;
inline constexpr int StringTooLong = 4;
inline constexpr int StringLength = 5;
inline constexpr int HexTooLong = 6;
inline constexpr int HexLength = 7;
inline constexpr int NumberRange = 8;
inline constexpr int NumListMaxCount = 9;
inline constexpr int NumListCount = 10;
inline constexpr int NumListRange = 11;
inline constexpr int IndexOutOfRange = 12;
}  // namespace ZnGeneralText

// The current text of entry `index` of `table`: the loaded catalogue's entry when it has one,
// otherwise the built-in text, otherwise (an index beyond both) the framework's
// "Unknown error code" text.
QString ZnMessage(ZnMessageTable table, int index);

// Number of built-in entries of a table.
int ZnBuiltInMessageCount(ZnMessageTable table);

// The catalogue file name of a table, relative to the module directory ("errmsg/common.err").
QString ZnMessageFileName(ZnMessageTable table);

struct ZnMappedError {
  int Code = 0;
  QString Message;
};

// Turns a status of the SNMP layer (SNMP++ numbering: a call's result, a response's error
// status, a completion's reason) into the framework code and its current text.
ZnMappedError ZnSNMPMapError(int status);

// Replaces one table from one catalogue file: every non-blank line in order is the next entry.
// A missing file or one without non-blank lines leaves the table as it is.
void ZnSNMPLoadMessages(ZnMessageTable table, const QString& fileName);

// Restores every table to its built-in texts (tests and tools that load several catalogues).
void ZnSNMPResetMessages();

// Exceptions with the current text: a framework code (-501...) or a general-table index.
ZnException ZnFrameworkError(int code);
ZnException ZnGeneralError(int index);
