#pragma once

#include "ZnSNMPSession.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QStatusBar;

// The text a status line shows while a synchronous exchange waits: what for, and the tries left.
QString ZnWaitText(const ZnSNMPWait& wait);

// Keeps the program's windows alive while a synchronous exchange of the GUI thread waits for its
// answer: they repaint, timers and asynchronous completions (the LED poll, traffic charts) go on
// as they would between two calls, the cursor shows that the program is busy and the status line
// says what it is waiting for and how many tries are left. The exchange keeps its meaning: until
// it returns, every key press, click, wheel turn and window-close request the user makes is
// dropped, so nothing the user does meanwhile is acted on, then or later. A wait answered within
// its first turn (the usual case on a working switch) changes nothing on screen.
//
// One indicator serves a program; it installs itself as the framework's wait observer for its
// lifetime.
class ZnWaitIndicator : public QObject, private ZnSNMPWaitObserver {
 public:
  ZnWaitIndicator();
  ~ZnWaitIndicator() override;
  ZnWaitIndicator(const ZnWaitIndicator&) = delete;
  ZnWaitIndicator& operator=(const ZnWaitIndicator&) = delete;

  // A wait is under way and has lasted past its first turn: input is being dropped.
  bool Engaged() const { return engaged_ > 0; }
  // What the innermost engaged wait's status line says; empty when none is engaged.
  QString Text() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WaitBegins(const ZnSNMPWait& wait) override;
  void Waiting(const ZnSNMPWait& wait) override;
  void WaitEnds() override;

  struct Shown {
    bool Engaged = false;
    QString Text;
    QPointer<QPlainTextEdit> Memo;
    QPointer<QStatusBar> Bar;
    QPointer<QLabel> Panel;
    QString PanelBefore;
  };
  void Show(Shown& shown, const QString& text);
  void Restore(Shown& shown);

  ZnSNMPWaitObserver* previous_ = nullptr;
  std::vector<Shown> waits_;
  int engaged_ = 0;
};

// Names the status line the synchronous waits of this scope speak in (a binding's memo, status
// bar or panel) instead of the active window's status bar. Scopes nest; null targets are passed
// by.
class ZnWaitStatusScope {
 public:
  ZnWaitStatusScope(QPlainTextEdit* memo, QStatusBar* bar, QLabel* panel);
  ~ZnWaitStatusScope();
  ZnWaitStatusScope(const ZnWaitStatusScope&) = delete;
  ZnWaitStatusScope& operator=(const ZnWaitStatusScope&) = delete;
};
