#pragma once

#include <QString>

// Objects of the device's own MIB that several agent tests read or write.
inline const QString kPrivate = QStringLiteral("1.3.6.1.4.1.99917");  // its private subtree
inline const QString kLedStatus = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0");
