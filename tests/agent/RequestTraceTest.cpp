// The trace line of a request, from PDUs built by hand: the types no command-line tool sends
// and the fields of each SNMP version.

#include "RequestTrace.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

struct PduDeleter {
  void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using Pdu = std::unique_ptr<netsnmp_pdu, PduDeleter>;

Pdu MakePdu(int command, long version) {
  Pdu pdu(snmp_pdu_create(command));
  pdu->version = version;
  return pdu;
}

void SetCommunity(netsnmp_pdu& pdu, const char* community) {
  pdu.community_len = std::strlen(community);
  pdu.community = static_cast<u_char*>(malloc(pdu.community_len));
  std::memcpy(pdu.community, community, pdu.community_len);
}

const oid kReset[] = {1, 3, 6, 1, 4, 1, 99917, 12, 1, 2, 3, 0};

TEST(RequestTrace, EveryValueTypeHasItsTextForm) {
  Pdu pdu = MakePdu(SNMP_MSG_SET, SNMP_VERSION_2c);
  SetCommunity(*pdu, "vosquin");
  const u_long counter = 4294967295UL;
  const u_long gauge = 7;
  const u_long ticks = 360000;
  const counter64 big = {0xFFFFFFFFUL, 0xFFFFFFFEUL};
  const long negative = -2147483648L;
  const u_char ip[] = {192, 0, 2, 1};
  const u_char opaque[] = {0x9F, 0x78, 0x04, 0x00};
  const oid value[] = {1, 3, 6, 1, 4, 1, 99917};
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_COUNTER, &counter, sizeof counter);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_GAUGE, &gauge, sizeof gauge);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_TIMETICKS, &ticks, sizeof ticks);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_COUNTER64, &big, sizeof big);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_INTEGER, &negative, sizeof negative);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_IPADDRESS, ip, sizeof ip);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_OPAQUE, opaque, sizeof opaque);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_OBJECT_ID, value, sizeof value);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_OCTET_STR, "", 0);
  snmp_pdu_add_variable(pdu.get(), kReset, 12, ASN_NULL, nullptr, 0);
  const std::string name = "1.3.6.1.4.1.99917.12.1.2.3.0=";
  EXPECT_EQ(nx596::FormatRequest(*pdu),
            "SET\tv2c\tvosquin\t\t" + name + "COUNTER:4294967295\t" + name + "GAUGE:7\t" + name +
                "TIMETICKS:360000\t" + name + "COUNTER64:18446744073709551614\t" + name +
                "INTEGER:-2147483648\t" + name + "IPADDRESS:192.0.2.1\t" + name +
                "OPAQUE:9F780400\t" + name + "OID:1.3.6.1.4.1.99917\t" + name + "STRING:\t" + name +
                "NULL:");
}

TEST(RequestTrace, VersionSecurityNameAndContextOfEachVersion) {
  Pdu v1 = MakePdu(SNMP_MSG_GETNEXT, SNMP_VERSION_1);
  SetCommunity(*v1, "tamrel");
  snmp_add_null_var(v1.get(), kReset, 12);
  EXPECT_EQ(nx596::FormatRequest(*v1), "GETNEXT\tv1\ttamrel\t\t1.3.6.1.4.1.99917.12.1.2.3.0=NULL:");

  Pdu v3 = MakePdu(SNMP_MSG_GETBULK, SNMP_VERSION_3);
  v3->securityName = strdup("nx-sha");
  v3->securityNameLen = 6;
  v3->contextName = strdup("nx-ctx");
  v3->contextNameLen = 6;
  v3->non_repeaters = 2;
  v3->max_repetitions = 40;
  snmp_add_null_var(v3.get(), kReset, 12);
  EXPECT_EQ(nx596::FormatRequest(*v3),
            "GETBULK:2:40\tv3\tnx-sha\tnx-ctx\t1.3.6.1.4.1.99917.12.1.2.3.0=NULL:");
}

}  // namespace
