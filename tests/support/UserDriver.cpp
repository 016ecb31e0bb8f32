// Mouse events go in through the window (the platform's door), not straight to a widget: Qt then
// finds the widget under the pointer and applies modality, as for real input.
#define QTEST_QPA_MOUSE_HANDLING

#include "UserDriver.h"

#include "TestApplication.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace user {

namespace {

QString Describe(const QWidget* widget) {
  if (widget == nullptr) return QStringLiteral("(nothing)");
  QString text = QString::fromLatin1(widget->metaObject()->className());
  if (!widget->objectName().isEmpty()) text += QStringLiteral(" \"%1\"").arg(widget->objectName());
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
    text += QStringLiteral(" captioned \"%1\"").arg(button->text());
  if (const QWidget* window = widget->window(); window != widget)
    text += QStringLiteral(" in \"%1\"").arg(window->windowTitle());
  return text;
}

QString Caption(QString text) {
  return text.remove(QLatin1Char('&'));
}

Result Fail(const QString& why) {
  return ::testing::AssertionFailure() << why.toStdString();
}

// True when `window` is `ancestor` or a window opened from it (a combo box's list, a submenu).
bool WithinWindow(const QWidget* window, const QWidget* ancestor) {
  for (const QWidget* w = window; w != nullptr; w = w->parentWidget())
    if (w == ancestor) return true;
  return false;
}

// Qt finds the widget under the pointer itself; the position is given in the window's terms.
QWindow* WindowOf(const QWidget* widget, QPoint local, QPoint& atWindow) {
  const QWidget* top = widget->window();
  QWindow* window = top->windowHandle();
  if (window != nullptr) atWindow = widget->mapTo(top, local);
  return window;
}

enum class Mouse { Click, DoubleClick, RightClick };

// A person scrolls a control that lies below the visible part of a scrolled area into view
// before clicking it, as the scroll bar or the wheel does.
void ScrollIntoView(QWidget* widget) {
  for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) {
      area->ensureWidgetVisible(widget);
      QCoreApplication::processEvents();
    }
  }
}

Result MouseAt(QWidget* widget, QPoint local, Mouse action) {
  ScrollIntoView(widget);
  if (const QString why = WhyUnreachable(widget, local); !why.isEmpty()) return Fail(why);
  QPoint at;
  QWindow* window = WindowOf(widget, local, at);
  if (window == nullptr) return Fail(Describe(widget) + QStringLiteral(" has no window"));
  const QString described = Describe(widget);
  QTest::mouseMove(window, at);
  switch (action) {
    case Mouse::Click:
      QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
      break;
    case Mouse::DoubleClick:
      QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
      break;
    case Mouse::RightClick:
      QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, at);
      break;
  }
  QCoreApplication::processEvents();
  return ::testing::AssertionSuccess() << described.toStdString();
}

// The point of a row a person clicks: the middle of its first visible cell.
Result ItemPoint(QTreeWidget* view, QTreeWidgetItem* item, QPoint& point) {
  if (view == nullptr || item == nullptr) return Fail(QStringLiteral("no list or no row"));
  if (item->treeWidget() != view) return Fail(QStringLiteral("the row is not in this list"));
  view->scrollToItem(item);
  int column = 0;
  while (column < view->columnCount() &&
         (view->isColumnHidden(column) || view->columnWidth(column) <= 0))
    ++column;
  QRect cell = view->visualItemRect(item);
  if (column < view->columnCount()) {
    const QModelIndex index = view->indexFromItem(item, column);
    cell = view->visualRect(index);
  }
  cell = cell.intersected(view->viewport()->rect());
  if (cell.isEmpty())
    return Fail(QStringLiteral("row \"%1\" of %2 is not on screen")
                    .arg(item->text(column), Describe(view)));
  point = cell.center();
  return ::testing::AssertionSuccess();
}

QWindow* KeyboardWindow(QString& why) {
  // An open menu or list takes every key until it closes.
  if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
  QWindow* window = QGuiApplication::focusWindow();
  // A dialog that opens on top takes the keyboard, as the window manager gives it the focus.
  if (QWidget* modal = QApplication::activeModalWidget();
      modal != nullptr && modal->windowHandle() != nullptr && window != modal->windowHandle()) {
    modal->activateWindow();
    QCoreApplication::processEvents();
    window = QGuiApplication::focusWindow();
  }
  if (window == nullptr) {
    // A desktop's window manager gives the focus back to the window under a dialog that closed;
    // the test platform has none, so the driver does what it would.
    QWidget* next = QApplication::activeModalWidget();
    if (next == nullptr) next = QApplication::activeWindow();
    if (next == nullptr) {
      const QWidgetList windows = QApplication::topLevelWidgets();
      for (QWidget* candidate : windows)
        if (candidate->isVisible() && !(candidate->windowType() & Qt::Popup & ~Qt::Window))
          next = candidate;
    }
    if (next != nullptr && next->windowHandle() != nullptr) {
      next->activateWindow();
      QCoreApplication::processEvents();
      window = QGuiApplication::focusWindow();
    }
  }
  if (window == nullptr) {
    why = QStringLiteral("no window has the keyboard focus");
    return nullptr;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    const QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && !WithinWindow(focused->window(), modal)) {
      why = QStringLiteral("the keyboard focus is on %1 behind the modal dialog \"%2\"")
                .arg(Describe(focused), modal->windowTitle());
      return nullptr;
    }
  }
  if (const QWidget* focused = QApplication::focusWidget()) {
    if (!focused->isVisible() || !focused->isEnabled()) {
      why = QStringLiteral("the keyboard focus is on %1, which is %2")
                .arg(Describe(focused), focused->isVisible() ? "disabled" : "hidden");
      return nullptr;
    }
  }
  return window;
}

}  // namespace

QString WhyUnreachable(const QWidget* widget, QPoint local) {
  if (widget == nullptr) return QStringLiteral("there is no such widget");
  const QString name = Describe(widget);
  if (!widget->isVisible()) return name + QStringLiteral(" is not visible");
  if (!widget->isEnabled()) return name + QStringLiteral(" is disabled");
  if (widget->width() <= 0 || widget->height() <= 0) return name + QStringLiteral(" has no size");
  if (!widget->rect().contains(local))
    return name + QStringLiteral(" does not reach the point clicked");
  if (!widget->visibleRegion().contains(local))
    return name + QStringLiteral(" is out of sight there (scrolled away or covered)");
  const QWidget* top = widget->window();
  const QWidget* hit = top->childAt(widget->mapTo(top, local));
  if (hit == nullptr) hit = top;
  if (hit != widget && !widget->isAncestorOf(hit))
    return name + QStringLiteral(" is covered by ") + Describe(hit);
  if (const QWidget* modal = QApplication::activeModalWidget(); modal && !WithinWindow(top, modal))
    return name + QStringLiteral(" is behind the modal dialog \"%1\"").arg(modal->windowTitle());
  if (const QWidget* popup = QApplication::activePopupWidget(); popup && top != popup)
    return name + QStringLiteral(" is behind an open popup (%1)").arg(Describe(popup));
  return {};
}

QString WhyUnreachable(const QWidget* widget) {
  return WhyUnreachable(widget, widget ? widget->rect().center() : QPoint());
}

Result Click(QWidget* widget) {
  if (widget == nullptr) return Fail(QStringLiteral("there is no such widget"));
  // A person aims at the box of a check box or radio button, which is all the widget takes
  // clicks on when it has no caption.
  if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(widget);
    const QStyle::SubElement box = qobject_cast<QCheckBox*>(widget)
                                       ? QStyle::SE_CheckBoxIndicator
                                       : QStyle::SE_RadioButtonIndicator;
    const QRect indicator = widget->style()->subElementRect(box, &option, widget);
    if (indicator.isValid()) return ClickAt(widget, indicator.center());
  }
  return ClickAt(widget, widget->rect().center());
}

Result ClickAt(QWidget* widget, QPoint local) {
  return MouseAt(widget, local, Mouse::Click);
}

Result DoubleClickAt(QWidget* widget, QPoint local) {
  return MouseAt(widget, local, Mouse::DoubleClick);
}

Result RightClickAt(QWidget* widget, QPoint local) {
  return MouseAt(widget, local, Mouse::RightClick);
}

Result ClickItem(QTreeWidget* view, QTreeWidgetItem* item) {
  QPoint point;
  if (Result found = ItemPoint(view, item, point); !found) return found;
  return ClickAt(view->viewport(), point);
}

Result DoubleClickItem(QTreeWidget* view, QTreeWidgetItem* item) {
  QPoint point;
  if (Result found = ItemPoint(view, item, point); !found) return found;
  return DoubleClickAt(view->viewport(), point);
}

Result RightClickItem(QTreeWidget* view, QTreeWidgetItem* item) {
  QPoint point;
  if (Result found = ItemPoint(view, item, point); !found) return found;
  return RightClickAt(view->viewport(), point);
}

Result RightClickItemAndChoose(QTreeWidget* view, QTreeWidgetItem* item, const QString& caption) {
  // The context menu runs its own loop until it closes: the choice is made from inside it.
  auto chosen = std::make_shared<Result>(Fail(QStringLiteral("no context menu opened")));
  auto* watch = new QTimer;
  watch->setInterval(10);
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  auto done = std::make_shared<bool>(false);
  QObject::connect(watch, &QTimer::timeout, [watch, waited, chosen, caption, done] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr && waited->elapsed() < 5000) return;
    watch->stop();
    watch->deleteLater();
    *done = true;
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      if (action->isVisible() && Caption(action->text()) == caption) {
        *chosen = ClickAt(menu, menu->actionGeometry(action).center());
        return;
      }
    }
    *chosen = Fail(QStringLiteral("the context menu has no \"%1\"").arg(caption));
    menu->close();
  });
  watch->start();
  if (Result clicked = RightClickItem(view, item); !clicked) {
    delete watch;
    return clicked;
  }
  Await([&] { return *done && QApplication::activePopupWidget() == nullptr; }, 6000);
  QCoreApplication::processEvents();
  return *chosen;
}

Result ChooseRowByKeys(QTreeWidget* view, int row) {
  if (view == nullptr || row < 0 || row >= view->topLevelItemCount())
    return Fail(QStringLiteral("no such row"));
  if (FocusWidget() != view) return Fail(Describe(view) + QStringLiteral(" has not the focus"));
  if (Result home = Key(Qt::Key_Home); !home) return home;
  for (int k = 0; k < row; ++k)
    if (Result down = Key(Qt::Key_Down); !down) return down;
  QTreeWidgetItem* wanted = view->topLevelItem(row);
  if (view->currentItem() != wanted)
    return Fail(QStringLiteral("the keys went to row %1, not %2")
                    .arg(view->indexOfTopLevelItem(view->currentItem()))
                    .arg(row));
  if (!wanted->isSelected())
    if (Result space = Space(); !space) return space;
  if (!wanted->isSelected()) return Fail(QStringLiteral("row %1 is not chosen").arg(row));
  return ::testing::AssertionSuccess();
}

Result ClickBelowRows(QTreeWidget* view) {
  if (view == nullptr) return Fail(QStringLiteral("no list"));
  const QRect area = view->viewport()->rect();
  int bottom = 0;
  if (const int rows = view->topLevelItemCount(); rows > 0)
    bottom = view->visualItemRect(view->topLevelItem(rows - 1)).bottom() + 1;
  if (bottom >= area.bottom() - 2)
    return Fail(Describe(view) + QStringLiteral(" shows no empty space below its rows"));
  return ClickAt(view->viewport(), QPoint(area.center().x(), (bottom + area.bottom()) / 2));
}

Result ClickTab(QTabWidget* tabs, const QString& caption) {
  if (tabs == nullptr) return Fail(QStringLiteral("no page control"));
  QTabBar* bar = tabs->tabBar();
  for (int k = 0; k < bar->count(); ++k)
    if (Caption(bar->tabText(k)) == caption) return ClickAt(bar, bar->tabRect(k).center());
  return Fail(QStringLiteral("no tab \"%1\" in %2").arg(caption, Describe(tabs)));
}

Result Choose(QComboBox* combo, const QString& label) {
  if (Result opened = Click(combo); !opened) return opened;
  QAbstractItemView* list = combo->view();
  if (!Await([&] { return list->isVisible(); }, 2000))
    return Fail(Describe(combo) + QStringLiteral(" opened no list"));
  const int row = combo->findText(label);
  if (row < 0) {
    Escape();
    return Fail(QStringLiteral("\"%1\" is not offered by %2").arg(label, Describe(combo)));
  }
  const QModelIndex index = combo->model()->index(row, combo->modelColumn());
  list->scrollTo(index);
  const QRect entry = list->visualRect(index);
  const QRect area = list->viewport()->rect();
  if (area.contains(entry.center())) return ClickAt(list->viewport(), entry.center());
  // An entry laid out wider than a narrow list shows it: a person aims at the part seen.
  const int left = std::max(entry.left(), area.left());
  const int right = std::min(entry.right(), area.right());
  if (right < left) return Fail(QStringLiteral("\"%1\" is not shown in the list").arg(label));
  return ClickAt(list->viewport(), QPoint((left + right) / 2, entry.center().y()));
}

Result Tick(QAbstractButton* box, bool ticked) {
  if (box == nullptr) return Fail(QStringLiteral("no check box"));
  if (box->isChecked() == ticked) return ::testing::AssertionSuccess();
  if (Result clicked = Click(box); !clicked) return clicked;
  if (box->isChecked() != ticked) return Fail(Describe(box) + QStringLiteral(" did not change"));
  return ::testing::AssertionSuccess();
}

Result Retype(QLineEdit* edit, const QString& text) {
  if (Result clicked = Click(edit); !clicked) return clicked;
  if (QApplication::focusWidget() != edit)
    return Fail(Describe(edit) + QStringLiteral(" took no focus from a click"));
  if (Result all = Key(Qt::Key_A, Qt::ControlModifier); !all) return all;
  if (text.isEmpty()) return Key(Qt::Key_Delete);
  return Type(text);
}

Result Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QString why;
  QWindow* window = KeyboardWindow(why);
  if (window == nullptr) return Fail(why);
  QTest::keyClick(window, key, modifiers);
  QCoreApplication::processEvents();
  return ::testing::AssertionSuccess();
}

Result Type(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() > 0x7e || c.unicode() < 0x20)
      return Fail(QStringLiteral("only printable ASCII is typed, not U+%1")
                      .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    QString why;
    QWindow* window = KeyboardWindow(why);
    if (window == nullptr) return Fail(why);
    QTest::keyClick(window, c.toLatin1());
  }
  QCoreApplication::processEvents();
  return ::testing::AssertionSuccess();
}

Result Alt(char letter) {
  return Key(static_cast<Qt::Key>(QChar(letter).toUpper().unicode()), Qt::AltModifier);
}

QWidget* FocusWidget() {
  return QApplication::focusWidget();
}

Result TabTo(QWidget* target, bool backwards) {
  // The keyboard reaches what is shown and enabled, wherever its middle lies.
  if (target == nullptr) return Fail(QStringLiteral("there is no such widget"));
  if (!target->isVisible() || !target->isEnabled())
    return Fail(Describe(target) + QStringLiteral(" is hidden or disabled"));
  QWidget* first = FocusWidget();
  QStringList visited;
  for (int steps = 0; steps < 200; ++steps) {
    if (FocusWidget() == target) return ::testing::AssertionSuccess();
    visited << Describe(FocusWidget());
    if (Result moved = backwards ? BackTab() : Tab(); !moved) return moved;
    if (FocusWidget() == first && steps > 0) break;
  }
  if (FocusWidget() == target) return ::testing::AssertionSuccess();
  visited.removeDuplicates();
  return Fail(QStringLiteral("%1 is never reached with %2; the focus went round %3")
                  .arg(Describe(target), backwards ? "Shift+Tab" : "Tab",
                       visited.mid(0, 12).join(QStringLiteral(", "))));
}

Result ChooseMenu(QMenuBar* bar, const QStringList& path) {
  if (bar == nullptr || path.isEmpty()) return Fail(QStringLiteral("no menu bar or no item"));
  QAction* title = nullptr;
  for (QAction* action : bar->actions())
    if (Caption(action->text()) == path.front()) title = action;
  if (title == nullptr || title->menu() == nullptr)
    return Fail(QStringLiteral("the menu bar has no menu \"%1\"").arg(path.front()));
  if (Result clicked = ClickAt(bar, bar->actionGeometry(title).center()); !clicked) return clicked;
  QMenu* menu = title->menu();
  for (qsizetype k = 1; k < path.size(); ++k) {
    if (!Await([&] { return menu->isVisible(); }, 2000))
      return Fail(QStringLiteral("menu \"%1\" did not open").arg(path[k - 1]));
    QAction* item = nullptr;
    const bool wantSubmenu = k + 1 < path.size();
    for (QAction* action : menu->actions())
      if (item == nullptr && action->isVisible() && Caption(action->text()) == path[k] &&
          (action->menu() != nullptr) == wantSubmenu)
        item = action;
    if (item == nullptr)
      return Fail(QStringLiteral("menu \"%1\" shows no item \"%2\"").arg(path[k - 1], path[k]));
    if (!item->isEnabled())
      return Fail(QStringLiteral("item \"%1\" is disabled").arg(path[k]));
    QMenu* next = item->menu();
    if (Result clicked = ClickAt(menu, menu->actionGeometry(item).center()); !clicked)
      return clicked;
    if (next == nullptr) {
      if (k + 1 != path.size())
        return Fail(QStringLiteral("\"%1\" is an item, not a submenu").arg(path[k]));
      return ::testing::AssertionSuccess();
    }
    menu = next;
  }
  return Fail(QStringLiteral("\"%1\" is a submenu, not an item").arg(path.back()));
}

Result ChooseMenuByKeyboard(QMenuBar* bar, const QStringList& path) {
  if (bar == nullptr || path.isEmpty()) return Fail(QStringLiteral("no menu bar or no item"));
  if (Result opened = Key(Qt::Key_F10); !opened) return opened;
  auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
  if (!Await([&] { return openMenu() != nullptr; }, 2000))
    return Fail(QStringLiteral("F10 opened no menu"));
  // Along the bar with Right until the menu of the first caption is open.
  for (int steps = 0; Caption(openMenu()->title()) != path.front(); ++steps) {
    if (steps > bar->actions().size())
      return Fail(QStringLiteral("Right never reaches the menu \"%1\"").arg(path.front()));
    QMenu* before = openMenu();
    if (Result moved = Key(Qt::Key_Right); !moved) return moved;
    Await([&] { return openMenu() != nullptr && openMenu() != before; }, 1000);
    if (openMenu() == nullptr) return Fail(QStringLiteral("the menu closed on Right"));
  }
  for (qsizetype k = 1; k < path.size(); ++k) {
    QMenu* menu = openMenu();
    const qsizetype items = menu->actions().size();
    // A submenu and an item may share a caption: the path says which one is meant.
    const bool wantSubmenu = k + 1 < path.size();
    auto isWanted = [&](const QAction* action) {
      return action != nullptr && Caption(action->text()) == path[k] &&
             (action->menu() != nullptr) == wantSubmenu;
    };
    for (int steps = 0; !isWanted(menu->activeAction()); ++steps) {
      if (steps > items)
        return Fail(QStringLiteral("Down never reaches \"%1\" in \"%2\"")
                        .arg(path[k], Caption(menu->title())));
      if (Result moved = Key(Qt::Key_Down); !moved) return moved;
    }
    if (QMenu* next = menu->activeAction()->menu()) {
      if (k + 1 == path.size())
        return Fail(QStringLiteral("\"%1\" is a submenu, not an item").arg(path[k]));
      if (Result opened = Key(Qt::Key_Right); !opened) return opened;
      if (!Await([&] { return openMenu() == next; }, 2000))
        return Fail(QStringLiteral("Right did not open \"%1\"").arg(path[k]));
      continue;
    }
    if (k + 1 != path.size())
      return Fail(QStringLiteral("\"%1\" is an item, not a submenu").arg(path[k]));
    return Enter();
  }
  return Fail(QStringLiteral("\"%1\" is a menu, not an item").arg(path.back()));
}

}  // namespace user
