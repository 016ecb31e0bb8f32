#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>

// Where the Switches window keeps communities and pass phrases: the desktop's secret store
// (the Secret Service or KWallet, through QtKeychain), never a file. What is kept for this
// session only, or could not be stored because no secret store runs, stays in this object's
// memory and is gone when the program ends.
//
// Every operation is asynchronous: the desktop may ask the user to unlock the store, and the
// window must not wait for that. Operations reach the desktop's store one at a time, in order:
// a list of two hundred switches asks it two hundred times, and a store that is not there
// (each attempt may hold the thread while it finds out) is found out once.
class ZnSecretStore : public QObject {
  Q_OBJECT

 public:
  explicit ZnSecretStore(QString service, QObject* parent = nullptr);

  // `found` false with an empty `failure`: nothing is stored under the key.
  using ReadDone = std::function<void(bool found, const QByteArray& data, const QString& failure)>;
  // `persistent` false: kept for this session only, with the store's reason in `failure` when
  // the desktop's store was asked and failed (empty when the caller asked for the session only).
  using WriteDone = std::function<void(bool persistent, const QString& failure)>;

  void Read(const QString& key, QObject* context, ReadDone done);
  void Write(const QString& key, const QByteArray& data, bool sessionOnly, QObject* context,
             WriteDone done);
  void Remove(const QString& key);

 private:
  void Enqueue(std::function<void()> operation);
  void RunNext();
  void Finished();

  QString service_;
  QHash<QString, QByteArray> session_;
  // False once the desktop's store has failed for another reason than the user's refusal (no
  // Secret Service or KWallet, no session bus): later operations keep to the session.
  bool desktopAvailable_ = true;
  QString unavailableReason_;
  std::deque<std::function<void()>> waiting_;
  bool busy_ = false;
};
