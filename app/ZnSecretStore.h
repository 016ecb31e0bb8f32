#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

// Where the Switches window keeps communities and pass phrases: the desktop's secret store
// (the Secret Service or KWallet, through QtKeychain), never a file. What is kept for this
// session only, or could not be stored because no secret store runs, stays in this object's
// memory and is gone when the program ends.
//
// Every operation is asynchronous: the desktop may ask the user to unlock the store, and the
// window must not wait for that.
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

  // False once the desktop's store has failed for want of a backend (no Secret Service, no
  // KWallet): later writes keep to the session without asking it again.
  bool DesktopStoreAvailable() const { return desktopAvailable_; }

 private:
  QString service_;
  QHash<QString, QByteArray> session_;
  bool desktopAvailable_ = true;
};
