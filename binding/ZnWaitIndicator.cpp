#include "ZnWaitIndicator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

struct StatusTarget {
  QPointer<QPlainTextEdit> Memo;
  QPointer<QStatusBar> Bar;
  QPointer<QLabel> Panel;
  bool Empty() const { return !Memo && !Bar && !Panel; }
};

std::vector<StatusTarget>& Scopes() {
  static std::vector<StatusTarget> scopes;
  return scopes;
}

// The status bar of the window the user is looking at: the modal dialog, the active window, or
// else the first visible main window.
QStatusBar* ActiveStatusBar() {
  for (QWidget* window : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
    if (!window) continue;
    if (QStatusBar* bar = window->findChild<QStatusBar*>()) return bar;
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible() || !qobject_cast<QMainWindow*>(top)) continue;
    if (QStatusBar* bar = top->findChild<QStatusBar*>()) return bar;
  }
  return nullptr;
}

// Whatever the user does to the program with keyboard, mouse, pen or touch, and the window
// manager's close request.
bool IsUserInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
      return true;
    case QEvent::Close:
      return event->spontaneous();
    default:
      return false;
  }
}

// The last line of a memo when it is `text`.
bool LastLineIs(const QPlainTextEdit* memo, const QString& text) {
  return memo->document()->lastBlock().text() == text;
}

}  // namespace

QString ZnWaitText(const ZnSNMPWait& wait) {
  const QString operation =
      wait.Operation == ZnSNMPOperation::Set ? QStringLiteral("Set") : QStringLiteral("Get");
  const QString what = wait.Discovering ? QStringLiteral("to name its SNMPv3 engine")
                                        : QStringLiteral("to answer");
  const int left = wait.Tries - wait.Try;
  const QString tries = left <= 0   ? QStringLiteral("the last")
                        : left == 1 ? QStringLiteral("1 more left")
                                    : QStringLiteral("%1 more left").arg(left);
  return QStringLiteral("%1: waiting for %2 %3, try %4 of %5 (%6)...")
      .arg(operation, wait.Address, what)
      .arg(wait.Try)
      .arg(wait.Tries)
      .arg(tries);
}

ZnWaitIndicator::ZnWaitIndicator() : previous_(ZnSNMPCurrentWaitObserver()) {
  ZnSNMPSetWaitObserver(this);
}

ZnWaitIndicator::~ZnWaitIndicator() {
  ZnSNMPSetWaitObserver(previous_);
  if (engaged_ > 0) {
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
  }
}

QString ZnWaitIndicator::Text() const {
  for (auto it = waits_.rbegin(); it != waits_.rend(); ++it)
    if (it->Engaged) return it->Text;
  return QString();
}

void ZnWaitIndicator::WaitBegins(const ZnSNMPWait&) {
  waits_.emplace_back();
}

void ZnWaitIndicator::Waiting(const ZnSNMPWait& wait) {
  if (waits_.empty()) return;  // a wait that began before this indicator existed
  Shown& shown = waits_.back();
  if (!shown.Engaged) {
    shown.Engaged = true;
    if (engaged_++ == 0) {
      qApp->installEventFilter(this);
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    StatusTarget target;
    for (auto it = Scopes().rbegin(); it != Scopes().rend() && target.Empty(); ++it) target = *it;
    if (target.Empty()) target.Bar = ActiveStatusBar();
    shown.Memo = target.Memo;
    shown.Bar = target.Bar;
    shown.Panel = target.Panel;
    if (shown.Panel) shown.PanelBefore = shown.Panel->text();
  }
  Show(shown, ZnWaitText(wait));
  // The events of this turn, with the user's input dropped by the filter. The wait may end up
  // nested in another one that these events start; `shown` is not used after this.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ZnWaitIndicator::WaitEnds() {
  if (waits_.empty()) return;
  if (waits_.back().Engaged) {
    // Input that arrived during the last turn goes to the filter too, not to the windows later.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    Restore(waits_.back());
    if (--engaged_ == 0) {
      qApp->removeEventFilter(this);
      QGuiApplication::restoreOverrideCursor();
    }
  }
  waits_.pop_back();
}

void ZnWaitIndicator::Show(Shown& shown, const QString& text) {
  if (text == shown.Text) return;
  const QString before = shown.Text;
  shown.Text = text;
  if (shown.Memo) {
    // One line of the memo, rewritten in place as the tries go by.
    if (!before.isEmpty() && LastLineIs(shown.Memo, before)) {
      QTextCursor cursor(shown.Memo->document()->lastBlock());
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.insertText(text);
    } else {
      shown.Memo->appendPlainText(text);
    }
  } else if (shown.Bar) {
    shown.Bar->showMessage(text);
  } else if (shown.Panel) {
    shown.Panel->setText(text);
  }
}

void ZnWaitIndicator::Restore(Shown& shown) {
  if (shown.Text.isEmpty()) return;
  if (shown.Memo && LastLineIs(shown.Memo, shown.Text)) {
    QTextCursor cursor(shown.Memo->document()->lastBlock());
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.removeSelectedText();
  } else if (shown.Bar && shown.Bar->currentMessage() == shown.Text) {
    shown.Bar->clearMessage();
  } else if (shown.Panel && shown.Panel->text() == shown.Text) {
    shown.Panel->setText(shown.PanelBefore);
  }
}

bool ZnWaitIndicator::eventFilter(QObject* watched, QEvent* event) {
  if (engaged_ > 0 && IsUserInput(event)) {
    event->accept();
    if (event->type() == QEvent::Close) event->ignore();  // the window stays open
    return true;
  }
  return QObject::eventFilter(watched, event);
}

ZnWaitStatusScope::ZnWaitStatusScope(QPlainTextEdit* memo, QStatusBar* bar, QLabel* panel) {
  Scopes().push_back({memo, bar, panel});
}

ZnWaitStatusScope::~ZnWaitStatusScope() {
  Scopes().pop_back();
}
