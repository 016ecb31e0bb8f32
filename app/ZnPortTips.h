#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QToolButton;
class ZnPortReader;
struct ZnPortReading;

// The tooltips of the front panel's port and module buttons: port number, description, link
// state and speed, and the receive and transmit rates once two reads have measured them.
//
// A tooltip never waits for the switch. It shows at once what earlier reads found ("…" for what
// is not known yet) and starts an asynchronous read of that port; while it stays up the port is
// read every 3 seconds and the tooltip follows each answer, so the rates appear after the second
// read. A port not read for a while starts its rates afresh: a rate averaged over the minutes
// since the last look would not be the current one.
class ZnPortTips : public QObject {
 public:
  static constexpr int kPollMs = 3000;
  // Older readings are shown but their counters do not measure the next rate.
  static constexpr int kFreshMs = 30000;

  explicit ZnPortTips(QObject* parent = nullptr);
  ~ZnPortTips() override;

  // Gives `button` (its "Tag" is the port) a live tooltip. Its tooltip as set so far names it
  // further when it says more than "Port N" (a module: "XM-71 in slot 1").
  void Watch(QToolButton* button);
  // The tooltip text of `port` from what is known now.
  QString Text(int port) const;
  // The port's reader, made on first use.
  ZnPortReader& Reader(int port);
  // Re-reads the port of a shown tooltip this often (tests read faster than every 3 s).
  void SetPollInterval(int ms) { poll_.setInterval(ms); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(QToolButton* button, const QPoint& globalPos);
  void ReadShown();
  void Answered(int port);

  QHash<int, ZnPortReader*> readers_;  // owned (children)
  QHash<int, QString> names_;
  QHash<int, QPointer<QToolButton>> buttons_;
  QHash<int, QElapsedTimer> lastRead_;
  QPointer<QToolButton> shown_;
  QPoint shownAt_;
  QTimer poll_;
};
