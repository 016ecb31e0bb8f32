#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Acts on the program as a person does: mouse presses and releases at what is on screen, keys
// to whatever has the keyboard focus. A test that stands in for a user goes through here, never
// through slots, setCurrentItem or click().
//
// The events enter through the window system's door (QWindow), so Qt itself finds the widget
// under the pointer, blocks windows behind a modal dialog and routes keys to the focus widget and
// shortcuts, as it does for real input. Before acting, the driver checks what a person would see:
// a hidden, disabled, zero-sized or covered widget, one scrolled out of sight, or one behind an
// open modal dialog or popup cannot be clicked, and asking for it fails the test with the reason.
//
// Every action returns an AssertionResult: ASSERT_TRUE(user::Click(button)).
//
// An action that opens a modal dialog returns only when the dialog is closed, as the program's
// own handler does; work inside the dialog from a WhenModal callback.
namespace user {

using Result = ::testing::AssertionResult;

// Why a person could not click `widget` at `local` now; empty when they could.
QString WhyUnreachable(const QWidget* widget, QPoint local);
QString WhyUnreachable(const QWidget* widget);

// The mouse, at the widget's centre or a point of it.
Result Click(QWidget* widget);
Result ClickAt(QWidget* widget, QPoint local);
Result DoubleClickAt(QWidget* widget, QPoint local);
Result RightClickAt(QWidget* widget, QPoint local);

// A row of a list, at the centre of its first visible cell. A row out of sight is brought in as
// the scroll bar would, first.
Result ClickItem(QTreeWidget* view, QTreeWidgetItem* item);
Result DoubleClickItem(QTreeWidget* view, QTreeWidgetItem* item);
Result RightClickItem(QTreeWidget* view, QTreeWidgetItem* item);
// A right click on a row, then a click on `caption` in the context menu that opens.
Result RightClickItemAndChoose(QTreeWidget* view, QTreeWidgetItem* item, const QString& caption);
// Chooses row `row` of a list with the keyboard, the list having the focus: Home, then Down to
// the row; Space takes a row that was already the current one without being chosen.
Result ChooseRowByKeys(QTreeWidget* view, int row);
// The list's empty space below its last row.
Result ClickBelowRows(QTreeWidget* view);

// A tab of a page control, by its caption.
Result ClickTab(QTabWidget* tabs, const QString& caption);
// A combo box: click it, then click the label in the list that opens.
Result Choose(QComboBox* combo, const QString& label);
// A check box or button that must end up ticked (or not): clicked only when it is not already.
Result Tick(QAbstractButton* box, bool ticked = true);
// An edit: click into it, select what it holds and type `text` over it.
Result Retype(QLineEdit* edit, const QString& text);

// The keyboard: keys go to the window that has the focus, to its focus widget.
Result Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
Result Type(const QString& text);
inline Result Tab() { return Key(Qt::Key_Tab); }
inline Result BackTab() { return Key(Qt::Key_Backtab, Qt::ShiftModifier); }
inline Result Enter() { return Key(Qt::Key_Return); }
inline Result Space() { return Key(Qt::Key_Space); }
inline Result Escape() { return Key(Qt::Key_Escape); }
// Alt and a letter: a mnemonic (the underlined letter of a caption).
Result Alt(char letter);
// Tab (or Shift+Tab) until `target` has the focus, at most one round of the window's chain.
Result TabTo(QWidget* target, bool backwards = false);

// The widget with the keyboard focus, or null.
QWidget* FocusWidget();

// A menu item by its captions from the menu bar down ("VLAN", "802.1Q", ..., the item), with the
// mouse: the bar's title, then each submenu, then the item. Returns when the item's action
// returns (after a modal dialog it opened is closed).
Result ChooseMenu(QMenuBar* bar, const QStringList& path);
// The same with the keyboard alone: F10 opens the bar, Left/Right walk its titles, Down opens a
// menu, Up/Down walk the items, Right opens a submenu and Enter takes the item.
Result ChooseMenuByKeyboard(QMenuBar* bar, const QStringList& path);

}  // namespace user
