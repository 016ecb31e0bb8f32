#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QWidget;

// Copy and export of what a list view shows. Every list view of the program is equipped once,
// where list views are made (the list binding, the table page, the forwarding table's view):
// - Ctrl+C copies the selected rows as tab-separated text under a header line;
// - the context menu (right button or the menu key) offers "Copy" and "Export as CSV…", which
//   writes every row to a CSV file the user picks.
// Both take the visible columns in the order the header shows them, with their captions, and
// the texts exactly as the cells show them (option labels, not the numbers on the wire).

// What a list view shows, ready for formatting: the captions of its visible columns in visual
// order and, for each row it shows (hidden rows left out), the texts of those columns.
struct ZnListTable {
  QStringList captions;
  QList<QStringList> rows;
};

// The rows of `view` in view order, every row or only the selected ones.
ZnListTable ZnShownRows(const QAbstractItemView& view, bool selectedOnly);

// Tab-separated text, one line per row after the caption line, each line ending in a line feed.
// A tab, carriage return or line feed inside a value becomes a blank: the text must stay one
// line per row and one field per column when pasted into a spreadsheet or an editor, and a blank
// is what these values (descriptions, names) mean by such a break.
QString ZnListAsTabText(const ZnListTable& table);

// RFC 4180 CSV: records end in CR LF (the last one too); a field holding a comma, a double
// quote, a carriage return or a line feed is enclosed in double quotes, a double quote in it
// doubled. Values are kept whole, line breaks included.
QString ZnListAsCsv(const ZnListTable& table);

// Writes `view`'s rows as CSV (UTF-8) to `path` through a save file, so that a failed write
// leaves no file behind nor a half-overwritten one. On failure returns false and says why in
// `why`.
bool ZnWriteListCsv(const QAbstractItemView& view, const QString& path, QString& why);

// Puts the selected rows of `view` on the clipboard; false (clipboard untouched) without a
// selection.
bool ZnCopyListSelection(const QAbstractItemView& view);

// Asks for a file through the notifier's save-file seam and writes every row to it; a file that
// cannot be written is told to the user with its path and the reason. False when cancelled or
// failed.
bool ZnExportListAsCsv(QAbstractItemView& view);

// Adds the Copy action (Ctrl+C while the list has focus) and "Export as CSV…" to `view` and
// shows them in its context menu. The menu is the view's actions, so a list that has entries of
// its own (actions added to the view) keeps them: ours follow a separator. A view with a
// context-menu handler of its own keeps that handler and finds ours among view->actions().
// Equipping a view again does nothing.
void ZnEquipListView(QAbstractItemView* view);

// The captions of the two entries, which tests and the menu share.
inline constexpr const char* kZnCopyRowsText = "&Copy";
inline constexpr const char* kZnExportCsvText = "&Export as CSV…";
