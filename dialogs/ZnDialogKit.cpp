#include "ZnDialogKit.h"

#include "ZnSNMPRequest2Controls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

void ZnReleaseBinding(ZnSNMPRequest2Controls*& binding) {
  if (binding == nullptr) return;
  binding->Request().Enabled = false;
  while (binding->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  delete binding;
  binding = nullptr;
}

void ZnChainTabOrder(const QList<QWidget*>& widgets) {
  for (qsizetype k = 1; k < widgets.size(); ++k) QWidget::setTabOrder(widgets[k - 1], widgets[k]);
}

void ZnWatchListClicks(QTreeWidget* view, QObject* filter) {
  view->viewport()->installEventFilter(filter);
}

void ZnUnwatchList(QTreeWidget* view, QObject* dialog) {
  view->viewport()->removeEventFilter(dialog);
  QObject::disconnect(view->model(), nullptr, dialog, nullptr);
  QObject::disconnect(view, nullptr, dialog, nullptr);
}

bool ZnIsListClick(QTreeWidget* view, QObject* watched, QEvent* event) {
  if (watched != view->viewport() || event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  // The right button opens the list's context menu (Copy, Export) and leaves the entry alone.
  if (mouse->button() != Qt::LeftButton) return false;
  if (view->itemAt(mouse->position().toPoint()) == nullptr) view->clearSelection();
  return true;
}

QScrollArea* ZnAddGridPage(QTabWidget* pages, const QString& caption, const QString& name) {
  // The page control's tab bar holds the focus in the dialog's order; the control itself would
  // hand it back to the bar from further down the order, and Tab would circle there.
  pages->setFocusPolicy(Qt::NoFocus);
  auto* host = new QScrollArea;
  host->setObjectName(name);
  host->setFrameShape(QFrame::NoFrame);
  // The port boxes inside take the focus one by one; the area itself would only trap Tab.
  host->setFocusPolicy(Qt::NoFocus);
  pages->addTab(host, caption);
  return host;
}

QLabel* ZnStaticText(QWidget* parent, const QString& name) {
  auto* text = new QLabel(parent);
  text->setObjectName(name);
  text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  text->setMinimumWidth(80);
  return text;
}

QLabel* ZnAddStatusBar(QWidget* parent, QStatusBar*& bar) {
  bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  auto* panel = new QLabel(bar);
  panel->setMinimumWidth(50);
  bar->addWidget(panel, 1);
  return panel;
}

QGridLayout* ZnLabelledRows(QWidget* parent,
                            std::span<const std::pair<const char*, QWidget*>> rows) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const auto& [caption, control] : rows) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  return grid;
}

void ZnLayOutOverStatusBar(QWidget* dialog, QLayout* content, QStatusBar* bar) {
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* margins = new QWidget(dialog);
  margins->setLayout(content);
  layout->addWidget(margins, 1);
  layout->addWidget(bar);
}

QPlainTextEdit* ZnLayOutTableDialog(QWidget* dialog, QTreeWidget* list, QWidget* entry,
                                    QWidget* buttons, int listHeight, int entryHeight) {
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(list);
  splitter->addWidget(entry);
  splitter->setChildrenCollapsible(false);
  splitter->setSizes({listHeight, entryHeight});
  auto* memo = new QPlainTextEdit(dialog);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  // Tab moves on from the messages, as from every other control.
  memo->setTabChangesFocus(true);
  memo->setFixedHeight(64);
  auto* upper = new QHBoxLayout;
  upper->addWidget(splitter, 1);
  upper->addWidget(buttons);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(upper, 1);
  layout->addWidget(memo);
  return memo;
}
