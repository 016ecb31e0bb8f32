// nx596-messages: prints the seven message tables as the module will use them, after loading the
// catalogue files of a module directory. Translators check their catalogue files with it: every
// line shows the table's file, the entry's position, its code where it has one, and its text.
#include "ZnIni.h"
#include "ZnSNMPMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

// The code an entry is reported with, or "" for entries that are not error codes.
QString CodeOf(ZnMessageTable table, int index) {
  switch (table) {
    case ZnMessageTable::General:
      return QString::number(-index);
    case ZnMessageTable::SnmpStatus:
      return QString::number(-101 - index);
    case ZnMessageTable::SnmpV3:
      return QString::number(-201 - index);
    case ZnMessageTable::Usm:
      return QString::number(-301 - index);
    case ZnMessageTable::SnmpClass:
      return QString::number(-401 - index);
    case ZnMessageTable::Framework:
      return QString::number(index == 0 ? 0 : -500 - index);
    case ZnMessageTable::StatusTemplates:
      return QString();
  }
  return QString();
}

// Writes every table's built-in texts as its catalogue file, one entry per line.
int WriteCatalogues(const QString& moduleDirectory) {
  for (int t = 0; t < ZnMessageTableCount; ++t) {
    const auto table = static_cast<ZnMessageTable>(t);
    const QString fileName = JoinPath(moduleDirectory, ZnMessageFileName(table));
    QDir().mkpath(QFileInfo(fileName).path());
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      QTextStream(stderr) << "cannot write " << fileName << '\n';
      return 1;
    }
    for (int index = 0; index < ZnBuiltInMessageCount(table); ++index) {
      QString text = ZnMessage(table, index);
      text.replace(QLatin1Char('\n'), QLatin1Char(' '));  // a line is an entry
      file.write(text.toUtf8() + "\n");
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 2 && args[0] == QLatin1String("--write")) return WriteCatalogues(args[1]);
  if (args.size() > 1 || (args.size() == 1 && args[0].startsWith(QLatin1Char('-')))) {
    QTextStream(stderr)
        << "usage: nx596-messages [module directory]\n"
           "       nx596-messages --write <module directory>\n"
           "Prints every message table (file, index, code, text), after loading\n"
           "the catalogue files under <module directory>/errmsg when given.\n"
           "With --write, writes the built-in tables as catalogue files there instead,\n"
           "a starting point for translators and the module directory of a test host.\n";
    return 2;
  }
  const QString moduleDirectory = args.value(0);
  for (int t = 0; t < ZnMessageTableCount; ++t) {
    const auto table = static_cast<ZnMessageTable>(t);
    if (!moduleDirectory.isEmpty())
      ZnSNMPLoadMessages(table, JoinPath(moduleDirectory, ZnMessageFileName(table)));
    for (int index = 0; index < ZnBuiltInMessageCount(table); ++index) {
      QString text = ZnMessage(table, index);
      text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
      out << ZnMessageFileName(table) << '\t' << index << '\t' << CodeOf(table, index) << '\t'
          << text << '\n';
    }
  }
  return 0;
}
