// nx596-catalogue: lists every generic dialog of the MIB catalogue with its pages and variables.
// Network administrators read it to know which objects the module reads and writes, so that they
// can open them in their agents' views; developers read it to review the catalogue. One record
// per line, fields separated by tabs; the order is the catalogue's, so the output is the same at
// every run.
#include "ZnCatalogue.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

const char kHelp[] =
    "usage: nx596-catalogue [--help]\n"
    "\n"
    "Lists the generic dialogs of the NX-596 module in menu order: which SNMP objects each one\n"
    "reads and writes, and how. One record per line, fields separated by tabs:\n"
    "\n"
    "dialog  CAPTION  COMPONENT  LAYOUT  KIND  KEYS  ADD  DELETE  TUNING\n"
    "  CAPTION    how the window caption is made: title=T (caption \"T : <address>\"),\n"
    "             prefix=P (caption \"P<address>\") or prefix+title=P (the same, and the text\n"
    "             also becomes the title)\n"
    "  COMPONENT  the menu item's component name\n"
    "  LAYOUT     editor (scalars), listview (a table) or pages (tabs, one page line each)\n"
    "  KIND, KEYS, ADD, DELETE  those of the single page, \"-\" for pages\n"
    "  TUNING     adjustments made before the dialog is shown, separated by \"; \", or \"-\"\n"
    "page  TAB  LAYOUT  KIND  KEYS  ADD  DELETE\n"
    "  one per page, after its dialog line; TAB is the tab caption, \"-\" without tabs\n"
    "  KIND       SVT_SV (scalars, read with one get), MVT_SV (one table row),\n"
    "             MVT_FMV or MVT_UMV (a table walked row by row)\n"
    "  KEYS       how many leading variables are the table's index columns\n"
    "  ADD        N=LABEL: Add creates a row by writing LABEL into variable N; \"-\" for none\n"
    "  DELETE     N=LABEL: Delete writes LABEL into variable N; \"-\" for none\n"
    "row  N  CAPTION  OID  SYNTAX  ACCESS  OPTIONS\n"
    "  one per variable of the page above, numbered from 0\n"
    "  OID        the object without instance (scalars are read at OID.0)\n"
    "  SYNTAX     integer, displaystr, ipaddress, macaddress, bitstr, counter, ...\n"
    "  ACCESS     notaccess (an index column, never requested), readonly, readwrite, ...;\n"
    "             \",implied\" marks an IMPLIED last index column\n"
    "  OPTIONS    VALUE=LABEL pairs separated by \", \" as the dialog shows the values, or \"-\"\n"
    "\n"
    "Line feeds, tabs and backslashes inside texts are written as \\n, \\t and \\\\.\n";

const QString kNone = QStringLiteral("-");

// A text as one field: nothing in it may end the field or the line.
QString Escaped(QString text) {
  text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  return text;
}

QString Text(const char* text) {
  return Escaped(QString::fromUtf8(text));
}

QString Keyword(const ZnOptionList& keywords, std::uint32_t code) {
  const int index = keywords.IndexOfValue(QString::number(code));
  return index < 0 ? QStringLiteral("0x%1").arg(code, 0, 16) : keywords.At(index).Label;
}

// The access bits as keywords: a code the keyword table knows as a whole (readwrite is one),
// otherwise each bit on its own, then "implied".
QString AccessKeywords(std::uint32_t access) {
  const std::uint32_t base = access & ~ZnAccess::Implied;
  QStringList words;
  if (ZnAccessKeywords().IndexOfValue(QString::number(base)) >= 0) {
    words << Keyword(ZnAccessKeywords(), base);
  } else {
    for (std::uint32_t bit = 1; bit != 0; bit <<= 1)
      if (base & bit) words << Keyword(ZnAccessKeywords(), bit);
  }
  if (access & ZnAccess::Implied) words << QStringLiteral("implied");
  return words.join(QLatin1Char(','));
}

QString Options(const ZnOptionList* options) {
  if (options == nullptr || options->Count() == 0) return kNone;
  QStringList pairs;
  for (int k = 0; k < options->Count(); ++k) {
    const ZnOptionList::Item& item = options->At(k);
    const QString value = options->ValueType() == ZnOptionList::IntegerValues
                              ? QString::number(item.IntValue)
                              : item.StringValue;
    pairs << Escaped(value + QLatin1Char('=') + item.Label);
  }
  return pairs.join(QLatin1String(", "));
}

QString RowStatusAction(int variable, const char* label) {
  if (variable < 0 || label == nullptr) return kNone;
  return QString::number(variable) + QLatin1Char('=') + Text(label);
}

QString Layout(ZnPageKind kind) {
  return kind == ZnPageKind::Editor ? QStringLiteral("editor") : QStringLiteral("listview");
}

QString Caption(const ZnCatalogueEntry& entry) {
  if (entry.title) return QStringLiteral("title=") + Text(entry.title);
  const QString rule =
      entry.prefixIsTitle ? QStringLiteral("prefix+title=") : QStringLiteral("prefix=");
  return rule + Text(entry.captionPrefix);
}

QString TuningItem(const ZnCatalogueTuning& tuning) {
  using Kind = ZnCatalogueTuning::Kind;
  const QString page = QStringLiteral("page %1").arg(tuning.page);
  const QString variable =
      QStringLiteral("page %1 variable %2").arg(tuning.page).arg(tuning.variable);
  switch (tuning.kind) {
    case Kind::EditConstraint:
      return variable + QStringLiteral(" edit constraint ") + Text(tuning.text);
    case Kind::ValueWidth:
      return page + QStringLiteral(" value width %1").arg(tuning.number);
    case Kind::FormWidth:
      return QStringLiteral("form width %1").arg(tuning.number);
    case Kind::FormHeight:
      return QStringLiteral("form height %1").arg(tuning.number);
    case Kind::WidenAfterBuild:
      return QStringLiteral("form width +%1 after building").arg(tuning.number);
    case Kind::HideEditButton:
      return page + QStringLiteral(" Edit button hidden");
    case Kind::ChangeHandler:
      return variable + QStringLiteral(" change handler ") + Text(tuning.text);
    case Kind::RequestTimeout:
      return page + QStringLiteral(" request timeout %1").arg(tuning.number);
  }
  return QStringLiteral("unknown tuning %1").arg(static_cast<int>(tuning.kind));
}

QString Tuning(std::span<const ZnCatalogueTuning> tuning) {
  if (tuning.empty()) return kNone;
  QStringList items;
  for (const ZnCatalogueTuning& item : tuning) items << TuningItem(item);
  return items.join(QLatin1String("; "));
}

void WriteLine(QTextStream& out, const QStringList& fields) {
  out << fields.join(QLatin1Char('\t')) << '\n';
}

void WriteEntry(QTextStream& out, const ZnCatalogueEntry& entry) {
  QStringList header = {QStringLiteral("dialog"), Caption(entry), Text(entry.componentName)};
  if (entry.pagesMode || entry.pages.size() != 1) {
    header << QStringLiteral("pages") << kNone << kNone << kNone << kNone;
  } else {
    const ZnCataloguePage& page = entry.pages.front();
    header << Layout(page.kind) << Keyword(ZnItemTypeKeywords(), page.itemType)
           << QString::number(page.keyCount) << RowStatusAction(page.addVariable, page.addLabel)
           << RowStatusAction(page.deleteVariable, page.deleteLabel);
  }
  header << Tuning(entry.tuning);
  WriteLine(out, header);

  for (const ZnCataloguePage& page : entry.pages) {
    WriteLine(out,
              {QStringLiteral("page"), page.tabCaption ? Text(page.tabCaption) : kNone,
               Layout(page.kind), Keyword(ZnItemTypeKeywords(), page.itemType),
               QString::number(page.keyCount), RowStatusAction(page.addVariable, page.addLabel),
               RowStatusAction(page.deleteVariable, page.deleteLabel)});
    int number = 0;
    for (const ZnSNMPVarDef& row : ZnTableRows(page.table)) {
      WriteLine(out, {QStringLiteral("row"), QString::number(number++), Text(row.Caption),
                      Text(row.Oid), Keyword(ZnSyntaxKeywords(), row.Syntax),
                      AccessKeywords(row.Access), Options(row.Options)});
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args == QStringList{QStringLiteral("--help")}) {
    QTextStream(stdout) << kHelp;
    return 0;
  }
  if (!args.isEmpty()) {
    QTextStream(stderr) << kHelp;
    return 2;
  }
  QTextStream out(stdout);
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) WriteEntry(out, entry);
  return 0;
}
