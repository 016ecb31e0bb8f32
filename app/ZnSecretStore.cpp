#include "ZnSecretStore.h"

#include <QPointer>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

// A store that failed for any reason but the user's own refusal fails again the same way (no
// backend, no session bus, a daemon that does not answer): later operations keep to the session
// instead of waiting for it each time.
bool StoreUnavailable(QKeychain::Error error) {
  return error != QKeychain::NoError && error != QKeychain::EntryNotFound &&
         error != QKeychain::AccessDeniedByUser;
}

// QtKeychain says "Unknown error" when no secret service answers on the session bus.
QString Reason(const QKeychain::Job& job) {
  const QString text = job.errorString();
  if (text.isEmpty() || text == QLatin1String("Unknown error"))
    return QStringLiteral("no secret service (Secret Service or KWallet) answers");
  return text;
}

}  // namespace

ZnSecretStore::ZnSecretStore(QString service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {}

void ZnSecretStore::Enqueue(std::function<void()> operation) {
  waiting_.push_back(std::move(operation));
  RunNext();
}

void ZnSecretStore::RunNext() {
  if (busy_ || waiting_.empty()) return;
  busy_ = true;
  std::function<void()> operation = std::move(waiting_.front());
  waiting_.pop_front();
  operation();
}

void ZnSecretStore::Finished() {
  busy_ = false;
  // From the event loop: a long queue must not run in one go (each may answer an owner).
  QTimer::singleShot(0, this, [this] { RunNext(); });
}

void ZnSecretStore::Read(const QString& key, QObject* context, ReadDone done) {
  QPointer<QObject> owner(context);
  Enqueue([this, key, owner, done] {
    if (session_.contains(key) || !desktopAvailable_) {
      const bool found = session_.contains(key);
      if (owner) done(found, session_.value(key), found ? QString() : unavailableReason_);
      Finished();
      return;
    }
    auto* job = new QKeychain::ReadPasswordJob(service_, this);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);  // never a plain-text file
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this, job, key, owner, done] {
      const QKeychain::Error error = job->error();
      if (StoreUnavailable(error)) {
        desktopAvailable_ = false;
        unavailableReason_ = Reason(*job);
      }
      if (error == QKeychain::NoError) session_.insert(key, job->binaryData());
      if (owner) {
        if (error == QKeychain::NoError)
          done(true, job->binaryData(), QString());
        else
          done(false, {}, error == QKeychain::EntryNotFound ? QString() : Reason(*job));
      }
      Finished();
    });
    job->start();
  });
}

void ZnSecretStore::Write(const QString& key, const QByteArray& data, bool sessionOnly,
                          QObject* context, WriteDone done) {
  QPointer<QObject> owner(context);
  // The session has the secret at once, whatever the desktop's store does with it.
  session_.insert(key, data);
  Enqueue([this, key, data, sessionOnly, owner, done] {
    if (!desktopAvailable_) {
      if (owner)
        done(false, sessionOnly ? QString()
                    : unavailableReason_.isEmpty()
                        ? QStringLiteral("no secret store of the desktop answers")
                        : unavailableReason_);
      Finished();
      return;
    }
    if (sessionOnly) {
      // A secret once stored for good and now kept for the session only leaves the store.
      auto* remove = new QKeychain::DeletePasswordJob(service_, this);
      remove->setAutoDelete(true);
      remove->setKey(key);
      connect(remove, &QKeychain::Job::finished, this, [this] { Finished(); });
      remove->start();
      if (owner) done(false, QString());
      return;
    }
    auto* job = new QKeychain::WritePasswordJob(service_, this);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    job->setBinaryData(data);
    connect(job, &QKeychain::Job::finished, this, [this, job, owner, done] {
      const QKeychain::Error error = job->error();
      if (StoreUnavailable(error)) {
        desktopAvailable_ = false;
        unavailableReason_ = Reason(*job);
      }
      if (owner) done(error == QKeychain::NoError, Reason(*job));
      Finished();
    });
    job->start();
  });
}

void ZnSecretStore::Remove(const QString& key) {
  session_.remove(key);
  Enqueue([this, key] {
    if (!desktopAvailable_) {
      Finished();
      return;
    }
    auto* job = new QKeychain::DeletePasswordJob(service_, this);
    job->setAutoDelete(true);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this] { Finished(); });
    job->start();
  });
}
