#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QStringList>
#include <QWidget>

// The list views of the program's own under `root`: item views other than the headers of
// tables and the lists that combo boxes pop up.
inline QList<QAbstractItemView*> OwnListViews(const QWidget& root) {
  QList<QAbstractItemView*> views;
  for (QAbstractItemView* view : root.findChildren<QAbstractItemView*>()) {
    if (qobject_cast<QHeaderView*>(view)) continue;
    bool inComboBox = false;
    for (const QWidget* w = view; w != nullptr; w = w->parentWidget())
      inComboBox = inComboBox || qobject_cast<const QComboBox*>(w) != nullptr;
    if (!inComboBox) views << view;
  }
  return views;
}

// What every list view of the program offers the user, checked from the outside: Ctrl+C while
// the list has the focus, and "Copy" and "Export as CSV…" in its context menu. Returns a line
// per list view under `root` that lacks any of it, naming the view and what is missing.
inline QStringList ListViewsWithoutCopyAndExport(const QWidget& root) {
  QStringList lacking;
  for (const QAbstractItemView* view : OwnListViews(root)) {
    QStringList missing;
    bool copy = false, copyKey = false, exportCsv = false;
    for (const QAction* action : view->actions()) {
      const QString text = action->text().remove(QLatin1Char('&'));
      if (text == QStringLiteral("Copy")) {
        copy = action->isVisible();
        copyKey = action->shortcut() == QKeySequence(QKeySequence::Copy) &&
                  action->shortcutContext() != Qt::WindowShortcut;
      }
      if (text == QStringLiteral("Export as CSV…")) exportCsv = action->isVisible();
    }
    if (view->contextMenuPolicy() != Qt::ActionsContextMenu) missing << "context menu";
    if (!copy) missing << "Copy";
    if (!copyKey) missing << "Ctrl+C on the list";
    if (!exportCsv) missing << "Export as CSV…";
    if (!missing.isEmpty())
      lacking << QStringLiteral("%1 (%2 in %3): no %4")
                     .arg(view->objectName(), QString::fromUtf8(view->metaObject()->className()),
                          view->window()->windowTitle(), missing.join(QStringLiteral(", ")));
  }
  return lacking;
}
