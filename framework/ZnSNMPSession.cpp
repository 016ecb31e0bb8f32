// Opening the session layer: the library, the boots counter and the default settings.

#include "ZnSNMPSession.h"

#include "ZnIni.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPSessionInternal.h"

ZnSNMPDevice ZnSNMPGlobalDevice;
ZnSNMPScope ZnSNMPGlobalScope;
ZnSNMPSecurity ZnSNMPGlobalSecurity;
std::int32_t ZnSNMPDefaultTimeout = 0;
std::int32_t ZnSNMPBulkRepetitions = 0;

using namespace ZnSNMPSessionDetail;

void ZnSNMPOpenSession(const QString& bootCounterDirectory) {
  SnmpEventProcessor& pump = ZnSNMPEventPump();
  pump.Stop();
  EnsureLibrary();
  const QString engineID = QString::fromLatin1(ZnSNMPLocalEngineID);
  const QString fileName =
      JoinPath(bootCounterDirectory, QString::fromLatin1(ZnSNMPBootCounterFile));
  std::uint32_t boots = 0;
  if (ZnSNMPGetBootCounter(fileName, engineID, boots) < -2)
    throw ZnFrameworkError(ZnCode::BootCounterLoad);
  if (ZnSNMPSaveBootCounter(fileName, engineID, boots + 1) != 0)
    throw ZnFrameworkError(ZnCode::BootCounterSave);
  const QByteArray id = engineID.toLatin1();
  set_exact_engineID(reinterpret_cast<const u_char*>(id.constData()),
                     static_cast<size_t>(id.size()));
  // The library counts the boots it is given as the previous run's and adds one.
  QByteArray previousBoots = QByteArray::number(boots);
  engineBoots_conf("engineBoots", previousBoots.data());

  ZnSNMPGlobalDevice = {QStringLiteral("127.0.0.1"), 161};
  ZnSNMPGlobalScope = {QString(), QString()};
  ZnSNMPGlobalSecurity = ZnSNMPSecurity{0,
                                        QStringLiteral("tamrel"),
                                        QStringLiteral("vosquin"),
                                        1,
                                        1,
                                        QString(),
                                        QString(),
                                        QString(),
                                        1,
                                        1};
  ZnSNMPDefaultTimeout = 100;
  ZnSNMPBulkRepetitions = 0;
  pump.Start();
}
