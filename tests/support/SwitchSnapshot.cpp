#include "SwitchSnapshot.h"

#include <set>

namespace {

// The tool's text of a value turned into the trace's: hex strings without blanks, OIDs without
// their leading dot, numbers as they are.
QString TraceForm(const nx596::test::Varbind& varbind) {
  QString value = varbind.value;
  if (varbind.type == QLatin1String("Hex-STRING") || varbind.type == QLatin1String("STRING"))
    return value.remove(QLatin1Char(' ')).toUpper();
  if (varbind.type == QLatin1String("OID") && value.startsWith(QLatin1Char('.')))
    return value.mid(1);
  return value;
}

// A column OID's table entry: the column without its last arc.
QString EntryOf(const QString& column) {
  return column.section(QLatin1Char('.'), 0, -2);
}

}  // namespace

SwitchSnapshot SwitchSnapshot::Read(const nx596::test::NetSnmpTools& tools,
                                    const QStringList& credentials, const QStringList& objects) {
  SwitchSnapshot snapshot;
  QStringList scalars;
  std::set<QString> entries;
  for (const QString& object : objects) {
    if (object.endsWith(QLatin1String(".0")))
      scalars << object;
    else
      entries.insert(EntryOf(object));
  }
  // Hex for every string and plain numbers for time ticks: nothing is lost to a printable form.
  const QStringList options = {QStringLiteral("-Ox"), QStringLiteral("-Ot")};
  auto take = [&](const nx596::test::ToolRun& run, const QString& what) {
    if (run.exitCode != 0) {
      snapshot.failure_ += QStringLiteral("%1 failed: %2\n").arg(what, run.errors.trimmed());
      return;
    }
    for (const nx596::test::Varbind& varbind : run.varbinds) {
      // An object the switch lacks has no value to keep; a counter counts what happens (the
      // tool's own requests among it) and is never written.
      if (varbind.type.isEmpty() || varbind.type.startsWith(QLatin1String("Counter"))) continue;
      snapshot.values_.insert(varbind.oid, TraceForm(varbind));
    }
  };
  if (!scalars.isEmpty())
    take(tools.Run(QStringLiteral("snmpget"), credentials, scalars, options),
         QStringLiteral("snmpget ") + scalars.join(' '));
  for (const QString& entry : entries) {
    take(tools.Run(QStringLiteral("snmpbulkwalk"), credentials, {entry},
                   options + QStringList{QStringLiteral("-Cr50")}),
         QStringLiteral("snmpbulkwalk ") + entry);
  }
  return snapshot;
}

QStringList SwitchSnapshot::Differences(const SwitchSnapshot& before, const SwitchSnapshot& after) {
  QStringList lines;
  std::set<QString> oids;
  for (auto it = before.values_.begin(); it != before.values_.end(); ++it) oids.insert(it.key());
  for (auto it = after.values_.begin(); it != after.values_.end(); ++it) oids.insert(it.key());
  for (const QString& oid : oids) {
    const QString was = before.values_.value(oid, QStringLiteral("(absent)"));
    const QString is = after.values_.value(oid, QStringLiteral("(absent)"));
    if (was != is) lines << QStringLiteral("%1: %2 -> %3").arg(oid, was, is);
  }
  return lines;
}

QList<TracedVarbind> TracedVarbinds(const QString& traceVarbinds) {
  QList<TracedVarbind> varbinds;
  for (const QString& text : traceVarbinds.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QString typed = text.mid(equals + 1);
    varbinds.append({text.left(equals), typed.section(QLatin1Char(':'), 1)});
  }
  return varbinds;
}
