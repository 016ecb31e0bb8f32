#include "ZnListExport.h"

#include "ZnUserNotifier.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QSaveFile>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr const char* kEquippedProperty = "znListExport";

const QHeaderView* ColumnHeader(const QAbstractItemView& view) {
  if (const auto* tree = qobject_cast<const QTreeView*>(&view)) return tree->header();
  if (const auto* table = qobject_cast<const QTableView*>(&view)) return table->horizontalHeader();
  return nullptr;
}

// The model columns the view shows, left to right as the user sees them.
std::vector<int> VisibleColumns(const QAbstractItemView& view) {
  std::vector<int> columns;
  if (const QHeaderView* header = ColumnHeader(view)) {
    for (int visual = 0; visual < header->count(); ++visual) {
      const int logical = header->logicalIndex(visual);
      if (logical >= 0 && !header->isSectionHidden(logical)) columns.push_back(logical);
    }
    return columns;
  }
  if (const auto* list = qobject_cast<const QListView*>(&view))
    columns.push_back(list->modelColumn());
  else
    columns.push_back(0);
  return columns;
}

bool RowHidden(const QAbstractItemView& view, int row) {
  if (const auto* tree = qobject_cast<const QTreeView*>(&view))
    return tree->isRowHidden(row, view.rootIndex());
  if (const auto* table = qobject_cast<const QTableView*>(&view)) return table->isRowHidden(row);
  if (const auto* list = qobject_cast<const QListView*>(&view)) return list->isRowHidden(row);
  return false;
}

// The rows under the view's root that hold a selected cell, in view order.
std::set<int> SelectedRows(const QAbstractItemView& view) {
  std::set<int> rows;
  const QItemSelectionModel* selection = view.selectionModel();
  if (selection == nullptr) return rows;
  for (const QItemSelectionRange& range : selection->selection()) {
    if (range.parent() != view.rootIndex()) continue;
    for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
  }
  return rows;
}

QString TabField(const QString& text) {
  QString value = text;
  for (QChar& c : value)
    if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
      c = QLatin1Char(' ');
  return value;
}

QString CsvField(const QString& value) {
  static const QString kSpecial = QStringLiteral(",\"\r\n");
  const bool quoted = std::any_of(value.begin(), value.end(),
                                  [](QChar c) { return kSpecial.contains(c); });
  if (!quoted) return value;
  QString field = value;
  field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + field + QLatin1Char('"');
}

QString Joined(const QStringList& fields, QString (*field)(const QString&), QChar separator,
               const QString& end) {
  QString line;
  for (qsizetype k = 0; k < fields.size(); ++k) {
    if (k > 0) line += separator;
    line += field(fields[k]);
  }
  return line + end;
}

// A file name offered in the save dialog: the window's caption without the characters file
// systems refuse.
QString SuggestedFileName(const QWidget& window) {
  QString name = window.windowTitle().simplified();
  for (QChar& c : name)
    if (QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char(' ');
  name = name.simplified();
  if (name.isEmpty()) name = QStringLiteral("list");
  return name + QStringLiteral(".csv");
}

}  // namespace

ZnListTable ZnShownRows(const QAbstractItemView& view, bool selectedOnly) {
  ZnListTable table;
  const QAbstractItemModel* model = view.model();
  if (model == nullptr) return table;
  const std::vector<int> columns = VisibleColumns(view);
  for (int column : columns)
    table.captions << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  const QModelIndex root = view.rootIndex();
  auto addRow = [&](int row) {
    if (RowHidden(view, row)) return;
    QStringList texts;
    for (int column : columns) texts << model->index(row, column, root).data().toString();
    table.rows << texts;
  };
  if (selectedOnly) {
    for (int row : SelectedRows(view)) addRow(row);
  } else {
    const int rows = model->rowCount(root);
    for (int row = 0; row < rows; ++row) addRow(row);
  }
  return table;
}

QString ZnListAsTabText(const ZnListTable& table) {
  const QString end = QStringLiteral("\n");
  QString text = Joined(table.captions, TabField, QLatin1Char('\t'), end);
  for (const QStringList& row : table.rows) text += Joined(row, TabField, QLatin1Char('\t'), end);
  return text;
}

QString ZnListAsCsv(const ZnListTable& table) {
  const QString end = QStringLiteral("\r\n");
  QString text = Joined(table.captions, CsvField, QLatin1Char(','), end);
  for (const QStringList& row : table.rows) text += Joined(row, CsvField, QLatin1Char(','), end);
  return text;
}

bool ZnWriteListCsv(const QAbstractItemView& view, const QString& path, QString& why) {
  const QFileInfo target(path);
  // Said in the user's terms before the save file gets to report it as a temporary file's
  // failure.
  if (target.isDir()) {
    why = QStringLiteral("it is a folder");
    return false;
  }
  if (!target.absoluteDir().exists()) {
    why = QStringLiteral("the folder %1 does not exist")
              .arg(QDir::toNativeSeparators(target.absolutePath()));
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    why = file.errorString();
    return false;
  }
  const QByteArray bytes = ZnListAsCsv(ZnShownRows(view, false)).toUtf8();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    why = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}

bool ZnCopyListSelection(const QAbstractItemView& view) {
  const ZnListTable table = ZnShownRows(view, true);
  if (table.rows.isEmpty()) return false;
  QGuiApplication::clipboard()->setText(ZnListAsTabText(table));
  return true;
}

bool ZnExportListAsCsv(QAbstractItemView& view) {
  QWidget* window = view.window();
  const QString path = ZnNotifier().SaveFileName(
      window, QStringLiteral("Export as CSV"), SuggestedFileName(*window),
      QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return false;
  QString why;
  if (ZnWriteListCsv(view, path, why)) return true;
  ZnNotifier().Message(window, ZnProgramFileName(),
                       QStringLiteral("The list could not be written to %1: %2.")
                           .arg(QDir::toNativeSeparators(path), why),
                       ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
  return false;
}

void ZnEquipListView(QAbstractItemView* view) {
  if (view == nullptr || view->property(kEquippedProperty).toBool()) return;
  view->setProperty(kEquippedProperty, true);
  if (!view->actions().isEmpty()) {
    auto* separator = new QAction(view);
    separator->setSeparator(true);
    view->addAction(separator);
  }
  auto* copy = new QAction(QString::fromUtf8(kZnCopyRowsText), view);
  copy->setObjectName(QStringLiteral("ZnCopyRows"));
  copy->setShortcut(QKeySequence::Copy);
  // Only while the list (or its viewport) has the focus: Ctrl+C in an edit of the same dialog
  // still copies that edit's text.
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(copy, &QAction::triggered, view, [view] { ZnCopyListSelection(*view); });
  view->addAction(copy);

  auto* exportCsv = new QAction(QString::fromUtf8(kZnExportCsvText), view);
  exportCsv->setObjectName(QStringLiteral("ZnExportCsv"));
  QObject::connect(exportCsv, &QAction::triggered, view, [view] { ZnExportListAsCsv(*view); });
  view->addAction(exportCsv);

  if (view->contextMenuPolicy() != Qt::CustomContextMenu)
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}
