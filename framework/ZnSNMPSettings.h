#pragma once

#include <QString>

#include <cstdint>

// The process-wide connection settings. Start-up writes them; every request copies them when it
// is created, so later changes reach only requests created afterwards.

// Where the agent is.
struct ZnSNMPDevice {
  QString Address;  // dotted address or DNS name, resolved when a request is sent
  std::uint16_t Port = 0;
};

// The SNMPv3 context placed in every PDU.
struct ZnSNMPScope {
  QString ContextEngineID;  // as characters; empty means the agent's own engine
  QString ContextName;
};

// Version and credentials, in the numbering of the command line and the device profile:
// version 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3; security model 3 = USM; levels 1 noAuthNoPriv,
// 2 authNoPriv, 3 authPriv; authentication 1 none, 2 HMAC-MD5, 3 HMAC-SHA, 4 SHA-224,
// 5 SHA-256, 6 SHA-384, 7 SHA-512; privacy 1 none, 2 DES, 3 3DES, 9 IDEA, 4 AES-128,
// 20 AES-192, 21 AES-256.
struct ZnSNMPSecurity {
  std::uint8_t Version = 0;
  QString ReadCommunity;
  QString WriteCommunity;
  std::int32_t SecurityModel = 0;
  std::int32_t SecurityLevel = 0;
  QString SecurityName;
  QString AuthPassword;
  QString PrivPassword;
  std::int32_t AuthProtocol = 0;
  std::int32_t PrivProtocol = 0;
};

extern ZnSNMPDevice ZnSNMPGlobalDevice;
extern ZnSNMPScope ZnSNMPGlobalScope;
extern ZnSNMPSecurity ZnSNMPGlobalSecurity;
// Time-out of one try, in hundredths of a second.
extern std::int32_t ZnSNMPDefaultTimeout;
// Rows asked for in one GETBULK by table walks over SNMPv2c and SNMPv3; 0 walks with get-next.
extern std::int32_t ZnSNMPBulkRepetitions;
