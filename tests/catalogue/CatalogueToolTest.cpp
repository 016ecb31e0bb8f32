#include "QtPrinters.h"
#include "TestApplication.h"
#include "ZnCatalogue.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace {

struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
};

ToolRun RunTool(const QStringList& arguments) {
  TestApplication();
  QProcess process;
  process.start(QStringLiteral(NX596_CATALOGUE_TOOL), arguments);
  ToolRun run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

// A catalogue text as the listing writes it (its --help documents the escapes).
QString Field(const char* text) {
  QString field = QString::fromUtf8(text);
  field.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  field.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  field.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  return field;
}

// Reads a keyword field back into its code: the listing must name codes, not merely print them.
std::uint32_t Code(const ZnOptionList& keywords, const QString& field) {
  return keywords.LabelToValue(field).toUInt();
}

std::uint32_t AccessCode(const QString& field) {
  std::uint32_t access = 0;
  for (const QString& word : field.split(QLatin1Char(',')))
    access |= word == QLatin1String("implied") ? ZnAccess::Implied : Code(ZnAccessKeywords(), word);
  return access;
}

QString RowStatusField(int variable, const char* label) {
  return variable < 0 ? QStringLiteral("-") : QString::number(variable) + '=' + Field(label);
}

// The listing follows the catalogue record by record: a dialog line, then per page a page line
// and its rows. Walking both side by side finds a row left out, one out of order, a wrong OID and
// a line with a field too many or too few (a tab inside a text, say).
TEST(CatalogueTool, ListsEveryDialogPageAndRowWithItsOid) {
  const ToolRun run = RunTool({});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  ASSERT_TRUE(run.out.endsWith(QLatin1Char('\n')));
  const QStringList lines = run.out.chopped(1).split(QLatin1Char('\n'));

  qsizetype next = 0;
  auto take = [&](const char* kind, qsizetype fieldCount) -> QStringList {
    if (next >= lines.size()) {
      ADD_FAILURE() << "the listing ends before the " << kind << " line";
      return {};
    }
    const QStringList fields = lines[next++].split(QLatin1Char('\t'));
    EXPECT_EQ(fields.front(), QLatin1String(kind)) << "line " << next;
    EXPECT_EQ(fields.size(), fieldCount)
        << "line " << next << ": " << lines[next - 1].toStdString();
    return fields.size() == fieldCount ? fields : QStringList();
  };

  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    SCOPED_TRACE(entry.componentName);
    const QStringList dialog = take("dialog", 9);
    ASSERT_FALSE(dialog.isEmpty());
    EXPECT_EQ(dialog[2], Field(entry.componentName));
    for (const ZnCataloguePage& page : entry.pages) {
      const QStringList pageLine = take("page", 7);
      ASSERT_FALSE(pageLine.isEmpty());
      EXPECT_EQ(pageLine[1], page.tabCaption ? Field(page.tabCaption) : "-");
      EXPECT_EQ(Code(ZnItemTypeKeywords(), pageLine[3]), page.itemType);
      EXPECT_EQ(pageLine[4], QString::number(page.keyCount));
      EXPECT_EQ(pageLine[5], RowStatusField(page.addVariable, page.addLabel));
      EXPECT_EQ(pageLine[6], RowStatusField(page.deleteVariable, page.deleteLabel));
      int number = 0;
      for (const ZnSNMPVarDef& row : ZnTableRows(page.table)) {
        const QStringList rowLine = take("row", 7);
        ASSERT_FALSE(rowLine.isEmpty());
        EXPECT_EQ(rowLine[1], QString::number(number++));
        EXPECT_EQ(rowLine[2], Field(row.Caption));
        EXPECT_EQ(rowLine[3], Field(row.Oid));
        EXPECT_EQ(Code(ZnSyntaxKeywords(), rowLine[4]), row.Syntax) << rowLine[4].toStdString();
        EXPECT_EQ(AccessCode(rowLine[5]), row.Access) << rowLine[5].toStdString();
        // Every option as value=label, in list order, so the listing shows what a dialog offers.
        const int optionCount = row.Options ? row.Options->Count() : 0;
        const QStringList pairs = rowLine[6].split(QStringLiteral(", "));
        if (optionCount == 0) {
          EXPECT_EQ(rowLine[6], QLatin1String("-")) << row.Oid;
          continue;
        }
        ASSERT_EQ(pairs.size(), optionCount) << row.Oid;
        for (int k = 0; k < optionCount; ++k) {
          const ZnOptionList::Item& item = row.Options->At(k);
          EXPECT_EQ(pairs[k], QString::number(item.IntValue) + QLatin1Char('=') + item.Label);
        }
      }
    }
  }
  EXPECT_EQ(next, lines.size()) << "lines after the last dialog: "
                                << lines.mid(next).join('\n').toStdString();
}

TEST(CatalogueTool, HelpExplainsTheRecordsAndOtherArgumentsAreRefused) {
  const ToolRun help = RunTool({QStringLiteral("--help")});
  ASSERT_EQ(help.exitCode, 0);
  for (const char* record : {"dialog  ", "page  ", "row  "})
    EXPECT_TRUE(help.out.contains(QLatin1String(record))) << record;

  // A mistyped option must not look like an empty or partial listing.
  const ToolRun wrong = RunTool({QStringLiteral("--oids")});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_TRUE(wrong.out.isEmpty());
}

}  // namespace
