#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSocketNotifier;

// The channel between the Switches window and a management window it started: a connected pair
// of local sockets, one end inherited by the started process. It carries what must not appear
// on a command line or in a file (the communities and pass phrases), and afterwards short
// commands ("raise") and their answers. Messages are UTF-8 texts, each ended by a NUL; the
// secrets are a run of messages ended by an empty one.
//
// The started process finds its end's number in the environment variable NX596_HANDOVER_FD.

inline constexpr char kZnHandOverVariable[] = "NX596_HANDOVER_FD";
inline constexpr char kZnRaiseCommand[] = "raise";
inline constexpr char kZnRaisedAnswer[] = "raised";

// Makes the pair; both ends close on exec until the child's end is handed over. False (with the
// system's reason) when it cannot be made.
bool ZnMakeHandOverPair(int& parentEnd, int& childEnd, QString& why);

// The secrets block: each parameter ended by a NUL, then one more NUL.
QByteArray ZnEncodeHandOver(const QStringList& parameters);
// Takes one block from the front of `buffer`; false while it is not complete.
bool ZnDecodeHandOver(QByteArray& buffer, QStringList& parameters);

// The started process's side, before its window exists: reads the secrets block from `fd`,
// waiting at most `timeoutMs`, and keeps the bytes that followed it in `rest`. The fd is then
// made close-on-exec, so that programs the window starts later do not inherit it, and the
// variable is taken out of the environment for the same reason. False with the reason.
bool ZnReceiveHandOver(int fd, int timeoutMs, QStringList& parameters, QByteArray& rest,
                       QString& why);

// One end after the hand-over: messages arrive through `onMessage`; `onClosed` runs once when the
// other side has gone (the process ended, or the Switches window closed). Owns and closes the fd.
class ZnHandOverChannel : public QObject {
 public:
  ZnHandOverChannel(int fd, QByteArray pending, QObject* parent = nullptr);
  ~ZnHandOverChannel() override;

  // One message (its NUL is added); false when the other side has gone.
  bool Send(const QByteArray& message);
  // Bytes as they are: a secrets block made by ZnEncodeHandOver.
  bool Write(const QByteArray& bytes);
  bool IsOpen() const { return fd_ >= 0; }

  std::function<void(const QByteArray& message)> onMessage;
  std::function<void()> onClosed;

 private:
  void ReadAvailable();
  void DeliverPending();
  void Close();

  int fd_;
  QByteArray pending_;
  QSocketNotifier* notifier_ = nullptr;
};
