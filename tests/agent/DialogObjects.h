#pragma once

#include "NetSnmpTools.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// The objects of the catalogue's dialogs as the agent tests type them from the device's object
// tables, independently of the program's catalogue and of the agent's own definitions, and the
// checks every group of dialogs runs over them against a running agent.
namespace nx596::test {

enum Syntax {
  kInteger,
  kDisplayStr,
  kOctetStr,
  kMacAddress,
  kBitStr,
  kObjectId,
  kIpAddress,
  kCounter,
  kGauge,
  kTimeTicks,
  kCounter64
};
enum Access { kRO, kRW };

struct Object {
  const char* oid;  // without instance
  Syntax syntax;
  Access access;
};

// One page of a dialog and the objects it reads, index columns left out (not accessible).
// `rows`: how many rows a table page shows; 0 for a scalar page or where no test counts them.
struct Page {
  const char* name;
  std::vector<Object> objects;
  int rows = 0;
};

// A write of one value and what the device answers: nullptr for accepted (and read back as
// written), else the reason snmpset reports, "wrongValue".
struct Write {
  const char* what;
  QString oid;
  const char* type;  // snmpset's type letter
  QString value;
  const char* error;
};

// With -Ox every octet string prints in hex, so that its bytes can be counted and written back;
// an empty one still prints as "".
inline bool HasType(const Varbind& varbind, Syntax syntax) {
  switch (syntax) {
    case kInteger:
      return varbind.type == QStringLiteral("INTEGER");
    case kObjectId:
      return varbind.type == QStringLiteral("OID");
    case kIpAddress:
      return varbind.type == QStringLiteral("IpAddress");
    case kCounter:
      return varbind.type == QStringLiteral("Counter32");
    case kGauge:
      return varbind.type == QStringLiteral("Gauge32");
    case kTimeTicks:
      return varbind.type == QStringLiteral("Timeticks");
    case kCounter64:
      return varbind.type == QStringLiteral("Counter64");
    case kDisplayStr:
    case kOctetStr:
    case kMacAddress:
    case kBitStr:
      return varbind.type == QStringLiteral("Hex-STRING") ||
             (varbind.type == QStringLiteral("STRING") && varbind.value.isEmpty());
  }
  return false;
}

inline bool IsCounter(Syntax syntax) {
  return syntax == kCounter || syntax == kCounter64;
}

inline qsizetype ByteCount(const Varbind& varbind) {
  return varbind.value.split(' ', Qt::SkipEmptyParts).size();
}

// The snmpset arguments that write a varbind read with -Ox back unchanged.
inline QStringList WriteBack(const Varbind& varbind) {
  if (varbind.type == QStringLiteral("INTEGER")) return {varbind.oid, "i", varbind.value};
  if (varbind.type == QStringLiteral("IpAddress")) return {varbind.oid, "a", varbind.value};
  if (varbind.type == QStringLiteral("OID")) return {varbind.oid, "o", varbind.value};
  if (varbind.type == QStringLiteral("Gauge32") || varbind.type.startsWith("Counter"))
    return {varbind.oid, "u", varbind.value.section(' ', 0, 0)};
  if (varbind.type == QStringLiteral("Timeticks"))
    return {varbind.oid, "t", QString::number(TickCount(varbind))};
  return {varbind.oid, "x", QString(varbind.value).remove(' ')};
}

inline QStringList Oids(const Page& page) {
  QStringList oids;
  for (const Object& object : page.objects) oids << QString::fromLatin1(object.oid);
  return oids;
}

// A missing column, a scalar without its instance or a wrong type fails here: the walk of the
// page would come back with another object's value or a type the dialog cannot show. The
// instance the walk found then answers a GET with the same type, and the same value unless it
// counts traffic. Returns the number of objects checked.
inline int ExpectEveryObjectAnswersWithItsType(const NetSnmpTools& tools,
                                               std::span<const Page> pages) {
  int objects = 0;
  for (const Page& page : pages) {
    ToolRun next = tools.Run(QStringLiteral("snmpgetnext"), V2c("tamrel"), Oids(page), {"-Ox"});
    EXPECT_EQ(next.exitCode, 0) << page.name << "\n" << next;
    if (next.varbinds.size() != static_cast<qsizetype>(page.objects.size())) {
      ADD_FAILURE() << page.name << ": " << next.varbinds.size() << " varbinds for "
                    << page.objects.size() << " objects";
      continue;
    }
    QStringList instances;
    for (std::size_t i = 0; i < page.objects.size(); ++i) {
      const Object& object = page.objects[i];
      const Varbind& varbind = next.varbinds[static_cast<qsizetype>(i)];
      EXPECT_TRUE(varbind.oid.startsWith(QString::fromLatin1(object.oid) + '.'))
          << page.name << ": " << object.oid << " has no instance; the next is "
          << qPrintable(varbind.oid);
      EXPECT_TRUE(HasType(varbind, object.syntax))
          << page.name << ": " << qPrintable(varbind.oid) << " is " << qPrintable(varbind.type)
          << " " << qPrintable(varbind.value);
      if (object.syntax == kMacAddress) {
        EXPECT_EQ(ByteCount(varbind), 6) << qPrintable(varbind.oid);
      }
      instances << varbind.oid;
      ++objects;
    }
    ToolRun get = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), instances, {"-Ox"});
    EXPECT_EQ(get.exitCode, 0) << page.name << "\n" << get;
    for (qsizetype i = 0; i < instances.size(); ++i) {
      EXPECT_EQ(get.Find(instances[i]).type, next.varbinds[i].type) << qPrintable(instances[i]);
      if (IsCounter(page.objects[static_cast<std::size_t>(i)].syntax)) continue;
      EXPECT_EQ(get.Find(instances[i]).value, next.varbinds[i].value) << qPrintable(instances[i]);
    }
  }
  return objects;
}

// Writing back what an object holds is accepted exactly where the device tables say
// "readwrite" (so the start values also lie within the device's limits) and answered
// notWritable where they say "readonly". The agent changes: give it one of its own.
inline void ExpectEveryObjectTakesOrRefusesItsOwnValue(const NetSnmpTools& tools,
                                                       std::span<const Page> pages) {
  auto set = [&](const QStringList& varbinds) {
    return tools.Run(QStringLiteral("snmpset"), V2c("vosquin"), varbinds);
  };
  for (const Page& page : pages) {
    ToolRun read = tools.Run(QStringLiteral("snmpgetnext"), V2c("tamrel"), Oids(page), {"-Ox"});
    if (read.varbinds.size() != static_cast<qsizetype>(page.objects.size())) {
      ADD_FAILURE() << page.name << "\n" << read;
      continue;
    }
    QStringList writable;
    for (std::size_t i = 0; i < page.objects.size(); ++i) {
      const Varbind& varbind = read.varbinds[static_cast<qsizetype>(i)];
      if (page.objects[i].access == kRW) {
        writable += WriteBack(varbind);
        continue;
      }
      ToolRun refused = set(WriteBack(varbind));
      EXPECT_TRUE(refused.errors.contains(QStringLiteral("Reason: notWritable")))
          << page.name << ": " << qPrintable(varbind.oid) << "\n"
          << refused;
    }
    if (writable.isEmpty()) continue;
    ToolRun accepted = set(writable);
    EXPECT_EQ(accepted.exitCode, 0) << page.name << "\n" << accepted;
  }
}

// Each write in turn: an accepted value reads back as written, a refused one names its reason
// and leaves the value as it was. The agent changes: give it one of its own.
inline void ExpectWritesAnsweredAsTheDeviceWould(const NetSnmpTools& tools,
                                                 std::span<const Write> writes) {
  auto value = [&](const QString& oid) {
    return tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {oid}).Find(oid).value;
  };
  for (const Write& write : writes) {
    const QString before = value(write.oid);
    ToolRun set =
        tools.Run(QStringLiteral("snmpset"), V2c("vosquin"), {write.oid, write.type, write.value});
    if (!write.error) {
      EXPECT_EQ(set.exitCode, 0) << write.what << "\n" << set;
      EXPECT_EQ(value(write.oid), write.value) << write.what;
      continue;
    }
    EXPECT_TRUE(set.errors.contains(QStringLiteral("Reason: ") + write.error)) << write.what << "\n"
                                                                               << set;
    EXPECT_EQ(value(write.oid), before) << write.what << ": a refused write changed the value";
  }
}

// The index parts of the instances of a column, in the order of the walk.
inline QStringList IndexesOf(const NetSnmpTools& tools, const QString& column) {
  QStringList indexes;
  for (const Varbind& varbind :
       tools.Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {column}).varbinds) {
    if (varbind.oid.startsWith(column + '.')) indexes << varbind.oid.mid(column.size() + 1);
  }
  return indexes;
}

// A table whose rows are made through its RowStatus column, and the row a test makes and destroys.
struct Creatable {
  const char* name;
  QString entry;
  int rowStatus;
  QString newRow;
  QString existingRow;
  QStringList required;    // column, type, value; read back as written
  QString orphanRow = {};  // a rule's index naming a profile the device does not have
};

// A new row needs the columns that have no default (and a rule an existing profile), an index is
// never taken twice, and destroy removes the whole row. The agent changes: give it one of its own.
inline void ExpectRowsCreatedWithTheirRequiredColumnsAndDestroyed(
    const NetSnmpTools& tools, std::span<const Creatable> tables) {
  auto set = [&](const QStringList& varbinds) {
    return tools.Run(QStringLiteral("snmpset"), V2c("vosquin"), varbinds);
  };
  auto value = [&](const QString& oid) {
    return tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {oid}).Find(oid).value;
  };
  auto absent = [&](const QString& oid) {
    return value(oid).startsWith(QStringLiteral("No Such Instance"));
  };
  for (const Creatable& table : tables) {
    const QString status = table.entry + '.' + QString::number(table.rowStatus) + '.';
    auto requiredAt = [&](const QString& row) {
      QStringList varbinds;
      for (qsizetype k = 0; k + 2 < table.required.size(); k += 3) {
        varbinds << table.entry + '.' + table.required[k] + '.' + row << table.required[k + 1]
                 << QString(table.required[k + 2]).remove(' ');
      }
      return varbinds;
    };
    if (!table.required.isEmpty()) {
      ToolRun bare = set({status + table.newRow, "i", "4"});
      EXPECT_TRUE(bare.errors.contains(QStringLiteral("Reason: inconsistentValue")))
          << table.name << ": a row without its required columns\n"
          << bare;
      EXPECT_TRUE(absent(status + table.newRow)) << table.name;
    }
    if (!table.orphanRow.isEmpty()) {
      ToolRun orphan =
          set(QStringList{status + table.orphanRow, "i", "4"} + requiredAt(table.orphanRow));
      EXPECT_TRUE(orphan.errors.contains(QStringLiteral("Reason: inconsistentValue")))
          << table.name << ": a rule of a missing profile\n"
          << orphan;
    }
    ToolRun create = set(QStringList{status + table.newRow, "i", "4"} + requiredAt(table.newRow));
    EXPECT_EQ(create.exitCode, 0) << table.name << "\n" << create;
    if (create.exitCode != 0) continue;
    EXPECT_EQ(value(status + table.newRow), QStringLiteral("1")) << table.name;
    for (qsizetype k = 0; k + 2 < table.required.size(); k += 3) {
      EXPECT_EQ(value(table.entry + '.' + table.required[k] + '.' + table.newRow),
                table.required[k + 2])
          << table.name;
    }
    for (const QString& taken : {table.newRow, table.existingRow}) {
      ToolRun twice = set(QStringList{status + taken, "i", "4"} + requiredAt(taken));
      EXPECT_TRUE(twice.errors.contains(QStringLiteral("Reason: inconsistentValue")))
          << table.name << ": index " << qPrintable(taken) << " created twice\n"
          << twice;
    }
    ToolRun destroy = set({status + table.newRow, "i", "6"});
    EXPECT_EQ(destroy.exitCode, 0) << table.name << "\n" << destroy;
    const QString suffix = '.' + table.newRow;
    for (const Varbind& varbind :
         tools.Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {table.entry}).varbinds) {
      EXPECT_FALSE(varbind.oid.startsWith(table.entry + '.') && varbind.oid.endsWith(suffix))
          << table.name << ": the destroyed row left " << qPrintable(varbind.oid) << " behind";
    }
    EXPECT_FALSE(absent(status + table.existingRow)) << table.name;
  }
}

}  // namespace nx596::test
