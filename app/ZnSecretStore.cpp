#include "ZnSecretStore.h"

#include <QPointer>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

// A store that failed for any reason but the user's own refusal fails again the same way (no
// backend, no session bus, a daemon that does not answer): later operations keep to the session
// instead of waiting for it each time.
bool NoBackend(QKeychain::Error error) {
  return error != QKeychain::NoError && error != QKeychain::EntryNotFound &&
         error != QKeychain::AccessDeniedByUser;
}

}  // namespace

ZnSecretStore::ZnSecretStore(QString service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {}

void ZnSecretStore::Read(const QString& key, QObject* context, ReadDone done) {
  QPointer<QObject> owner(context);
  if (session_.contains(key) || !desktopAvailable_) {
    const bool found = session_.contains(key);
    const QByteArray data = session_.value(key);
    QTimer::singleShot(0, context, [done, found, data] { done(found, data, QString()); });
    return;
  }
  auto* job = new QKeychain::ReadPasswordJob(service_, this);
  job->setAutoDelete(true);
  job->setInsecureFallback(false);  // never a plain-text file
  job->setKey(key);
  connect(job, &QKeychain::Job::finished, this, [this, job, key, owner, done] {
    const QKeychain::Error error = job->error();
    if (NoBackend(error)) desktopAvailable_ = false;
    // What the session kept meanwhile (a write that came after the read started) wins.
    const bool kept = session_.contains(key);
    const QByteArray data = kept ? session_.value(key) : job->binaryData();
    if (!owner) return;
    if (kept || error == QKeychain::NoError)
      done(true, data, QString());
    else if (error == QKeychain::EntryNotFound || NoBackend(error))
      done(false, {}, NoBackend(error) ? job->errorString() : QString());
    else
      done(false, {}, job->errorString());
  });
  job->start();
}

void ZnSecretStore::Write(const QString& key, const QByteArray& data, bool sessionOnly,
                          QObject* context, WriteDone done) {
  QPointer<QObject> owner(context);
  session_.insert(key, data);
  if (sessionOnly || !desktopAvailable_) {
    // A secret once stored for good and now kept for the session only leaves the store.
    if (sessionOnly && desktopAvailable_) {
      auto* remove = new QKeychain::DeletePasswordJob(service_, this);
      remove->setAutoDelete(true);
      remove->setKey(key);
      remove->start();
    }
    QTimer::singleShot(0, context, [done, sessionOnly] {
      done(false, sessionOnly ? QString()
                              : QStringLiteral("no secret store of the desktop is running"));
    });
    return;
  }
  auto* job = new QKeychain::WritePasswordJob(service_, this);
  job->setAutoDelete(true);
  job->setInsecureFallback(false);
  job->setKey(key);
  job->setBinaryData(data);
  connect(job, &QKeychain::Job::finished, this, [this, job, owner, done] {
    const QKeychain::Error error = job->error();
    if (NoBackend(error)) desktopAvailable_ = false;
    if (!owner) return;
    if (error == QKeychain::NoError)
      done(true, QString());
    else
      done(false, job->errorString());
  });
  job->start();
}

void ZnSecretStore::Remove(const QString& key) {
  session_.remove(key);
  if (!desktopAvailable_) return;
  auto* job = new QKeychain::DeletePasswordJob(service_, this);
  job->setAutoDelete(true);
  job->setKey(key);
  job->start();
}
