#pragma once

#include <QList>

#include <span>
#include <utility>

class QEvent;
class QGridLayout;
class QLabel;
class QLayout;
class QObject;
class QPlainTextEdit;
class QScrollArea;
class QStatusBar;
class QString;
class QTabWidget;
class QTreeWidget;
class QWidget;
class ZnSNMPRequest2Controls;

// What the hand-made dialogs do alike with their bindings, list views and port grid pages.

// Stops the binding's request (a walk ends with the answer under way), waits with the event
// loop running until the binding is idle, then deletes it and clears the pointer: nothing is
// sent on its behalf afterwards and no answer reaches a freed control.
void ZnReleaseBinding(ZnSNMPRequest2Controls*& binding);

template <typename Binding>
void ZnReleaseBinding(Binding*& binding) {
  ZnSNMPRequest2Controls* base = binding;
  ZnReleaseBinding(base);
  binding = nullptr;
}

// Lets `filter` see the mouse clicks on `view`'s rows and empty space.
void ZnWatchListClicks(QTreeWidget* view, QObject* filter);
// Ends what ZnWatchListClicks and the dialog's own connections tie `view` to `dialog`: a
// dialog's destructor calls it, since the view outlives the dialog's own part.
void ZnUnwatchList(QTreeWidget* view, QObject* dialog);
// True for a left click (mouse release) on `view`; a click on empty space clears the selection
// first, as a click beside the rows of a list view does on the device's original forms.
bool ZnIsListClick(QTreeWidget* view, QObject* watched, QEvent* event);

// The keyboard's order through a dialog: Tab goes from each widget to the next, Shift+Tab back.
// Set once every widget exists: a port grid's boxes come into being after the dialog's frame.
void ZnChainTabOrder(const QList<QWidget*>& widgets);

// A new page `caption` of `pages` holding a scroll area (named `name`) for a port grid.
QScrollArea* ZnAddGridPage(QTabWidget* pages, const QString& caption, const QString& name);
// A sunken static text showing a value read from the device.
QLabel* ZnStaticText(QWidget* parent, const QString& name);
// A status bar `StatusBar1` without size grip; its first panel, returned, takes the whole width.
QLabel* ZnAddStatusBar(QWidget* parent, QStatusBar*& bar);
// A grid of rows: each caption, as a label whose buddy its control is, beside that control.
QGridLayout* ZnLabelledRows(QWidget* parent,
                            std::span<const std::pair<const char*, QWidget*>> rows);
// Lays out a dialog: `content` (its controls and button column) with the usual margins over the
// status bar `bar` across the bottom, edge to edge.
void ZnLayOutOverStatusBar(QWidget* dialog, QLayout* content, QStatusBar* bar);

// Lays out a table dialog: the list view over the entry area (a splitter, `listHeight` and
// `entryHeight` pixels to start with), the button column at their right and the read-only
// status memo `Memo1` across the bottom, which is returned.
QPlainTextEdit* ZnLayOutTableDialog(QWidget* dialog, QTreeWidget* list, QWidget* entry,
                                    QWidget* buttons, int listHeight, int entryHeight);
