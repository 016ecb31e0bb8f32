#pragma once

#include "NetSnmpTools.h"

#include <QMap>
#include <QString>
#include <QStringList>

// What a switch holds under some objects, read with net-snmp's own tools (not with the program
// under test), so that a test can say "the switch holds exactly what it held before".
//
// Values are kept as the agent's trace writes a value after its type ("INTEGER:4" → "4",
// "STRING:0C200080" → "0C200080"), so a written varbind of the trace compares with what was read.
class SwitchSnapshot {
 public:
  // Scalars (OIDs ending in ".0") are read with one get; every other OID is taken as a table
  // column and its table entry is walked once. Counters are left out: they move by themselves.
  static SwitchSnapshot Read(const nx596::test::NetSnmpTools& tools, const QStringList& credentials,
                             const QStringList& objects);

  bool Failed() const { return !failure_.isEmpty(); }
  QString Failure() const { return failure_; }
  const QMap<QString, QString>& Values() const { return values_; }
  // The value of an OID as the trace would write it, or a null string when it was not read.
  QString Value(const QString& oid) const { return values_.value(oid); }

  // One line per object that differs: "oid: before -> after".
  static QStringList Differences(const SwitchSnapshot& before, const SwitchSnapshot& after);

 private:
  QMap<QString, QString> values_;
  QString failure_;
};

// "OID=TYPE:value" of a traced varbind, split into the OID and the value after the type.
struct TracedVarbind {
  QString oid;
  QString value;
};
QList<TracedVarbind> TracedVarbinds(const QString& traceVarbinds);
