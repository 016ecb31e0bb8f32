// The Bridge, VLAN, RMON and Security Management dialogs against the simulated switch: every
// object they show answers with its type, settings take what the device accepts and refuse the
// rest with the proper error, the fixed tables take no new rows, writing a trigger acts and
// reads back idle, counters move between reads, and what two MIBs say of one thing agrees.
// The objects are typed here from the device's object tables, independently of the program's
// catalogue and of the agent's own definitions, so that a mistake in either shows up.

#include "DeviceOids.h"
#include "DialogObjects.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "ReadOnlyAgentSuite.h"

#include <gtest/gtest.h>

#include <QMap>

#include <memory>

namespace {

using namespace nx596::test;

const QString kPae = QStringLiteral("1.0.8802.1.1.1.1");
constexpr int kPorts = 26;

const Page kBridgeSecurityPages[] = {
    {"Bridge 802.1d Information",
     {{"1.3.6.1.2.1.17.1.1", kMacAddress, kRO},
      {"1.3.6.1.2.1.17.1.2", kInteger, kRO},
      {"1.3.6.1.2.1.17.1.3", kInteger, kRO},
      {"1.3.6.1.2.1.17.4.1", kCounter, kRO},
      {"1.3.6.1.2.1.17.4.2", kInteger, kRW}}},
    {"Bridge 802.1d Port Table",
     {{"1.3.6.1.2.1.17.1.4.1.2", kInteger, kRO},
      {"1.3.6.1.2.1.17.1.4.1.3", kObjectId, kRO},
      {"1.3.6.1.2.1.17.1.4.1.4", kCounter, kRO},
      {"1.3.6.1.2.1.17.1.4.1.5", kCounter, kRO}},
     kPorts},
    {"STP Management", {{"1.3.6.1.4.1.99917.11.63.3.2.16.1", kInteger, kRW}}},
    {"STP Port Information",
     {{"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.6", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.9", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.10", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.11", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.12", kGauge, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.13", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.16.4.1.14", kInteger, kRW}},
     kPorts},
    {"802.1P Basic Configure",
     {{"1.3.6.1.2.1.17.6.1.1.1", kOctetStr, kRO}, {"1.3.6.1.2.1.17.6.1.1.2", kInteger, kRO}}},
    {"802.1Q Basic Configure",
     {{"1.3.6.1.2.1.17.7.1.1.1", kInteger, kRO},
      {"1.3.6.1.2.1.17.7.1.1.2", kInteger, kRO},
      {"1.3.6.1.2.1.17.7.1.1.3", kGauge, kRO},
      {"1.3.6.1.2.1.17.7.1.1.4", kGauge, kRO},
      {"1.3.6.1.2.1.17.7.1.1.5", kInteger, kRO}}},
    {"RMON State", {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.16", kInteger, kRW}}},
    {"Authentication Mode Setting",
     {{"1.3.6.1.4.1.99917.12.3.1.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.3.1.2", kInteger, kRW}}},
    {"System Auth Control", {{"1.0.8802.1.1.1.1.1.1", kInteger, kRW}}},
    {"Configure PAE System Control",
     {{"1.0.8802.1.1.1.1.1.2.1.2", kGauge, kRO},
      {"1.0.8802.1.1.1.1.1.2.1.3", kOctetStr, kRO},
      {"1.0.8802.1.1.1.1.1.2.1.4", kInteger, kRW},
      {"1.0.8802.1.1.1.1.1.2.1.5", kInteger, kRW}},
     kPorts},
    {"Configure Authenticator",
     {{"1.0.8802.1.1.1.1.2.1.1.1", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.1.1.2", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.1.1.3", kInteger, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.4", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.1.1.5", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.1.1.6", kInteger, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.7", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.8", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.9", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.10", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.11", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.12", kGauge, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.13", kInteger, kRW},
      {"1.0.8802.1.1.1.1.2.1.1.14", kInteger, kRW}},
     kPorts},
    {"Authentication Stats Info",
     {{"1.0.8802.1.1.1.1.2.2.1.1", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.2", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.3", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.4", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.5", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.6", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.7", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.8", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.9", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.10", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.11", kGauge, kRO},
      {"1.0.8802.1.1.1.1.2.2.1.12", kMacAddress, kRO}},
     kPorts},
    {"Authentication Diagnostics Table",
     {{"1.0.8802.1.1.1.1.2.3.1.1", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.2", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.3", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.4", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.5", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.6", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.7", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.8", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.9", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.10", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.11", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.12", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.13", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.14", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.15", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.16", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.17", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.3.1.18", kCounter, kRO}},
     kPorts},
    // Sessions are kept for the ports that had one: 1, 2 and 5.
    {"Authentication Session Table",
     {{"1.0.8802.1.1.1.1.2.4.1.1", kCounter64, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.2", kCounter64, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.3", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.4", kCounter, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.5", kDisplayStr, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.6", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.7", kTimeTicks, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.8", kInteger, kRO},
      {"1.0.8802.1.1.1.1.2.4.1.9", kDisplayStr, kRO}},
     3},
    {"Foward EAPOL PDU", {{"1.3.6.1.4.1.99917.12.3.10.1", kInteger, kRW}}},
    {"Foward EAPOL PDU On Port", {{"1.3.6.1.4.1.99917.12.3.10.3.1.1", kInteger, kRW}}, kPorts},
    {"RADIUS Server Table",
     {{"1.3.6.1.4.1.99917.12.3.2.4.1.2", kIpAddress, kRO},
      {"1.3.6.1.4.1.99917.12.3.2.4.1.4", kGauge, kRO},
      {"1.3.6.1.4.1.99917.12.3.2.4.1.5", kGauge, kRO},
      {"1.3.6.1.4.1.99917.12.3.2.4.1.7", kGauge, kRO},
      {"1.3.6.1.4.1.99917.12.3.2.4.1.8", kGauge, kRO}},
     3},
    {"Authentication Information",
     {{"1.3.6.1.2.1.67.1.2.1.1.1", kCounter, kRO}, {"1.3.6.1.2.1.67.1.2.1.1.2", kDisplayStr, kRO}}},
    {"Authentication Server Table",
     {{"1.3.6.1.2.1.67.1.2.1.1.3.1.2", kIpAddress, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", kInteger, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", kCounter, kRO},
      {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", kCounter, kRO}},
     3},
    {"Accounting Control",
     {{"1.3.6.1.4.1.99917.12.3.4.1", kGauge, kRW}, {"1.3.6.1.4.1.99917.12.3.4.2", kInteger, kRW}}},
    {"RADIUS Accounting Service Table",
     {{"1.3.6.1.4.1.99917.12.3.4.3.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.3.4.3.1.3", kInteger, kRW}},
     3},
    {"Accounting Information",
     {{"1.3.6.1.2.1.67.2.2.1.1.1", kCounter, kRO}, {"1.3.6.1.2.1.67.2.2.1.1.2", kDisplayStr, kRO}}},
    {"RADIUS Accounting Server Table",
     {{"1.3.6.1.2.1.67.2.2.1.1.3.1.2", kIpAddress, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", kInteger, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", kCounter, kRO},
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", kCounter, kRO}},
     3},
    {"MAC Auth State Table",
     {{"1.3.6.1.4.1.99917.12.3.6.1.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.1.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.1.1.5", kInteger, kRO}},
     2},
    {"MAC Auth Stats Table",
     {{"1.3.6.1.4.1.99917.12.3.6.2.1.3", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.4", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.5", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.6", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.7", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.8", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.9", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.10", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.11", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.12", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.13", kGauge, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.2.1.14", kMacAddress, kRO}},
     2},
    {"MAC Auth Diag Table",
     {{"1.3.6.1.4.1.99917.12.3.6.3.1.3", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.4", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.5", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.6", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.7", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.8", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.9", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.10", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.11", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.12", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.13", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.14", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.15", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.16", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.17", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.18", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.19", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.3.1.20", kCounter, kRO}},
     2},
    {"MAC Auth Session Stats Table",
     {{"1.3.6.1.4.1.99917.12.3.6.4.1.3", kCounter64, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.4", kCounter64, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.5", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.6", kCounter, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.7", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.8", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.9", kTimeTicks, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.10", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.3.6.4.1.11", kDisplayStr, kRO}},
     2},
    {"SSH Management Table",
     {{"1.3.6.1.4.1.99917.12.6.1.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.6.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.1.7", kInteger, kRO}}},
    {"Algorithm Control",
     {{"1.3.6.1.4.1.99917.12.6.3.1.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.9", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.1.10", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.3.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.3.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.5.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.5.2", kInteger, kRW}}},
    {"Authentication Method Control",
     {{"1.3.6.1.4.1.99917.12.6.3.2.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.2.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.3.2.3", kInteger, kRW}}},
    {"SSH User Management",
     {{"1.3.6.1.4.1.99917.12.6.4.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.6.4.1.1.3", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.6.4.1.1.4", kIpAddress, kRW}},
     3},
};

class AgentBridgeSecurityRead : public ReadOnlyAgentSuite {
 protected:
  // The instances below an object or table, with their values.
  QMap<QString, QString> Walk(const QString& subtree) {
    QMap<QString, QString> values;
    for (const Varbind& varbind :
         tools_->Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {subtree}, {"-Ox"}).varbinds) {
      if (varbind.oid.startsWith(subtree + '.')) values[varbind.oid] = varbind.value;
    }
    return values;
  }
  // The index parts of the instances of a column, in the order of the walk.
  QStringList Indexes(const QString& column) { return IndexesOf(*tools_, column); }
};

// A missing column, a scalar without its instance or a wrong type fails here: the walk of the
// page would come back with another object's value or a type the dialog cannot show.
TEST_F(AgentBridgeSecurityRead, EveryObjectOfEveryDialogAnswersWithItsType) {
  EXPECT_EQ(ExpectEveryObjectAnswersWithItsType(*tools_, kBridgeSecurityPages), 200);
}

// A column that ends before the others shows in a table page as a hole; every column of a page
// has a value in every row, and the page has the rows of its device.
TEST_F(AgentBridgeSecurityRead, EveryColumnOfATablePageHasEveryRow) {
  for (const Page& page : kBridgeSecurityPages) {
    if (page.rows == 0) continue;
    const QStringList rows = Indexes(QString::fromLatin1(page.objects.front().oid));
    EXPECT_EQ(rows.size(), page.rows) << page.name;
    for (const Object& object : page.objects) {
      EXPECT_EQ(Indexes(QString::fromLatin1(object.oid)), rows) << page.name << ": " << object.oid;
    }
  }
}

// One switch, several MIBs: what two of them say about the same thing agrees.
TEST_F(AgentBridgeSecurityRead, TheMibsOfOneSwitchAgree) {
  QStringList ports;
  for (int port = 1; port <= kPorts; ++port) ports << QString::number(port);

  // The bridge has the ports it counts, each the interface of the same number.
  const QString numPorts = Walk(QStringLiteral("1.3.6.1.2.1.17.1.2")).value("1.3.6.1.2.1.17.1.2.0");
  EXPECT_EQ(numPorts, QString::number(kPorts));
  const QMap<QString, QString> ifIndexes = Walk(QStringLiteral("1.3.6.1.2.1.17.1.4.1.2"));
  EXPECT_EQ(ifIndexes.size(), kPorts);
  const QStringList interfaces = Indexes(QStringLiteral("1.3.6.1.2.1.2.2.1.1"));
  for (auto at = ifIndexes.begin(); at != ifIndexes.end(); ++at) {
    EXPECT_TRUE(interfaces.contains(at.value())) << qPrintable(at.key()) << " names no interface";
  }

  // Every bridge port is a port of 802.1X, of the spanning tree and of EAPOL forwarding.
  for (const QString& column :
       {kPae + ".1.2.1.2", kPae + ".2.1.1.1", kPae + ".2.2.1.1", kPae + ".2.3.1.1",
        kPrivate + ".12.3.10.3.1.1", kPrivate + ".11.63.3.2.16.4.1.3",
        QStringLiteral("1.3.6.1.2.1.17.2.15.1.3")}) {
    EXPECT_EQ(Indexes(column), ports) << qPrintable(column);
  }

  // The private spanning tree port table and the standard one tell the same state: forwarding
  // (5 in both) or, without a link, disabled (2 privately, 1 in BRIDGE-MIB).
  const QMap<QString, QString> privateState = Walk(kPrivate + ".11.63.3.2.16.4.1.3");
  const QMap<QString, QString> standardState = Walk(QStringLiteral("1.3.6.1.2.1.17.2.15.1.3"));
  for (const QString& port : ports) {
    const QString mine = privateState.value(kPrivate + ".11.63.3.2.16.4.1.3." + port);
    const QString standard = standardState.value("1.3.6.1.2.1.17.2.15.1.3." + port);
    EXPECT_EQ(mine == QStringLiteral("5"), standard == QStringLiteral("5"))
        << "port " << qPrintable(port);
    EXPECT_EQ(mine == QStringLiteral("2"), standard == QStringLiteral("1"))
        << "port " << qPrintable(port);
  }

  // The RADIUS servers the switch is configured with are the servers both clients talk to, at
  // their authentication and accounting ports.
  const QString servers = kPrivate + ".12.3.2.4.1.";
  const QString auth = QStringLiteral("1.3.6.1.2.1.67.1.2.1.1.3.1.");
  const QString accounting = QStringLiteral("1.3.6.1.2.1.67.2.2.1.1.3.1.");
  const QStringList indexes = Indexes(servers + "2");
  ASSERT_GE(indexes.size(), 2) << "several servers";
  EXPECT_EQ(Indexes(auth + "2"), indexes);
  EXPECT_EQ(Indexes(accounting + "2"), indexes);
  const QMap<QString, QString> configured = Walk(kPrivate + ".12.3.2.4.1");
  const QMap<QString, QString> authServers = Walk(QStringLiteral("1.3.6.1.2.1.67.1.2.1.1.3"));
  const QMap<QString, QString> accountingServers = Walk(QStringLiteral("1.3.6.1.2.1.67.2.2.1.1.3"));
  for (const QString& index : indexes) {
    const QString address = configured.value(servers + "2." + index);
    EXPECT_EQ(authServers.value(auth + "2." + index), address) << "server " << qPrintable(index);
    EXPECT_EQ(accountingServers.value(accounting + "2." + index), address)
        << "server " << qPrintable(index);
    EXPECT_EQ(authServers.value(auth + "3." + index), configured.value(servers + "4." + index))
        << "server " << qPrintable(index);
    EXPECT_EQ(accountingServers.value(accounting + "3." + index),
              configured.value(servers + "5." + index))
        << "server " << qPrintable(index);
  }

  // A MAC address authenticates on a port in all four MAC-based tables alike.
  const QString mac = kPrivate + ".12.3.6.";
  const QStringList authenticated = Indexes(mac + "1.1.3");
  EXPECT_FALSE(authenticated.isEmpty());
  for (const char* column : {"2.1.3", "3.1.3", "4.1.3"}) {
    EXPECT_EQ(Indexes(mac + column), authenticated) << column;
  }
}

// Counters that count traffic move between two reads of a port or server that has traffic;
// those of an idle one, and everything that is no traffic count, stay.
TEST_F(AgentBridgeSecurityRead, CountersMoveBetweenReadsWhereTheDevicesWould) {
  struct Read {
    const char* what;
    QString instance;
    bool moves;
  };
  const QString authServer = QStringLiteral("1.3.6.1.2.1.67.1.2.1.1.3.1.");
  const QString accountingServer = QStringLiteral("1.3.6.1.2.1.67.2.2.1.1.3.1.");
  const Read reads[] = {
      {"EAPOL frames received on the authenticated port", kPae + ".2.2.1.1.1", true},
      {"EAPOL frames sent on the port that asks for a supplicant", kPae + ".2.2.1.2.2", true},
      {"EAPOL frames on a port without a link", kPae + ".2.2.1.1.9", false},
      {"EAPOL start frames, counted only at a login", kPae + ".2.2.1.3.1", false},
      {"access requests to the first RADIUS server", authServer + "5.1", true},
      {"access accepts of the first RADIUS server", authServer + "7.1", true},
      {"access requests to the standby server", authServer + "5.2", false},
      {"access rejects", authServer + "8.1", false},
      {"accounting requests to the first server", accountingServer + "5.1", true},
      {"accounting responses of the first server", accountingServer + "7.1", true},
      {"accounting requests to the third server", accountingServer + "5.3", false},
      {"the octets of a session that has ended", kPae + ".2.4.1.1.2", false},
      {"the learned entry discards", QStringLiteral("1.3.6.1.2.1.17.4.1.0"), false},
  };
  QStringList instances;
  for (const Read& read : reads) instances << read.instance;
  auto values = [&] {
    ToolRun run = tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"), instances);
    EXPECT_EQ(run.exitCode, 0) << run;
    QList<qulonglong> numbers;
    for (const QString& instance : instances) numbers << run.Find(instance).value.toULongLong();
    return numbers;
  };
  const QList<qulonglong> first = values();
  const QList<qulonglong> second = values();
  for (qsizetype i = 0; i < instances.size(); ++i) {
    const Read& read = reads[i];
    if (read.moves) {
      EXPECT_GT(second[i], first[i]) << read.what;
    } else {
      EXPECT_EQ(second[i], first[i]) << read.what;
    }
  }
  // A walk reads too.
  const QString walked = kPae + ".2.2.1.1.1";
  const qulonglong before = Walk(kPae + ".2.2.1.1").value(walked).toULongLong(nullptr, 16);
  const qulonglong after = Walk(kPae + ".2.2.1.1").value(walked).toULongLong(nullptr, 16);
  EXPECT_GT(after, before);
}

// Each case gets its own agent: writes change it.
class AgentBridgeSecurity : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    tools_ = std::make_unique<NetSnmpTools>(agent_.Address());
  }
  ToolRun Set(const QStringList& varbinds) {
    return tools_->Run(QStringLiteral("snmpset"), V2c("vosquin"), varbinds);
  }
  QString Value(const QString& oid) {
    return tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"), {oid}).Find(oid).value;
  }

  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(AgentBridgeSecurity, EveryObjectTakesOrRefusesItsOwnValueAsItsAccessSays) {
  ExpectEveryObjectTakesOrRefusesItsOwnValue(*tools_, kBridgeSecurityPages);
}

TEST_F(AgentBridgeSecurity, SettingsTakeWhatTheDeviceAcceptsAndRefuseTheRest) {
  const QString stp = kPrivate + ".11.63.3.2.16.";
  const QString authenticator = kPae + ".2.1.1.";
  const QString radius = kPrivate + ".12.3.";
  const QString ssh = kPrivate + ".12.6.";
  const QString sshUserOps = ".3.111.112.115";
  const Write writes[] = {
      {"the shortest ageing", "1.3.6.1.2.1.17.4.2.0", "i", "10", nullptr},
      {"ageing below it", "1.3.6.1.2.1.17.4.2.0", "i", "9", "wrongValue"},
      {"the longest ageing", "1.3.6.1.2.1.17.4.2.0", "i", "1000000", nullptr},
      {"ageing beyond it", "1.3.6.1.2.1.17.4.2.0", "i", "1000001", "wrongValue"},
      {"the number of ports", "1.3.6.1.2.1.17.1.2.0", "i", "26", "notWritable"},
      {"a port's interface", "1.3.6.1.2.1.17.1.4.1.2.1", "i", "1", "notWritable"},
      {"BPDU forwarding on", stp + "1.0", "i", "3", nullptr},
      {"BPDU forwarding 1", stp + "1.0", "i", "1", "wrongValue"},
      {"BPDU forwarding as text", stp + "1.0", "s", "3", "wrongType"},
      {"a port forwarding BPDUs off", stp + "4.1.5.7", "i", "2", nullptr},
      {"a port's point to point forced true", stp + "4.1.10.7", "i", "0", nullptr},
      {"point to point 3", stp + "4.1.10.7", "i", "3", "wrongValue"},
      {"the largest path cost", stp + "4.1.12.7", "u", "200000000", nullptr},
      {"a path cost beyond it", stp + "4.1.12.7", "u", "200000001", "wrongValue"},
      {"a path cost as an integer", stp + "4.1.12.7", "i", "20000", "wrongType"},
      {"port priority 240", stp + "4.1.13.7", "i", "240", nullptr},
      {"port priority between the steps of 16", stp + "4.1.13.7", "i", "100", "wrongValue"},
      {"a port's spanning tree off", stp + "4.1.14.7", "i", "2", nullptr},
      {"a port's role", stp + "4.1.4.7", "i", "4", "notWritable"},
      {"RMON off", "1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0", "i", "2", nullptr},
      {"RMON 1", "1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0", "i", "1", "wrongValue"},
      {"local user authentication", radius + "1.1.0", "i", "2", nullptr},
      {"user authentication 3", radius + "1.1.0", "i", "3", "wrongValue"},
      {"MAC-based device authentication", radius + "1.2.0", "i", "2", nullptr},
      {"device authentication 4", radius + "1.2.0", "i", "4", "wrongValue"},
      {"802.1X off", kPae + ".1.1.0", "i", "2", nullptr},
      {"802.1X 3", kPae + ".1.1.0", "i", "3", "wrongValue"},
      {"a port's PAE capabilities", kPae + ".1.2.1.3.1", "x", "C0", "notWritable"},
      {"inbound control only", authenticator + "3.3", "i", "1", nullptr},
      {"control of direction 2", authenticator + "3.3", "i", "2", "wrongValue"},
      {"a port forced unauthorized", authenticator + "6.3", "i", "1", nullptr},
      {"port control 4", authenticator + "6.3", "i", "4", "wrongValue"},
      {"a quiet period of 0", authenticator + "7.3", "u", "0", nullptr},
      {"a quiet period beyond 65535", authenticator + "7.3", "u", "65536", "wrongValue"},
      {"a transmit period of 0", authenticator + "8.3", "u", "0", "wrongValue"},
      {"ten requests", authenticator + "11.3", "u", "10", nullptr},
      {"eleven requests", authenticator + "11.3", "u", "11", "wrongValue"},
      {"a re-authentication period as an integer", authenticator + "12.3", "i", "60", "wrongType"},
      {"the controlled port status", authenticator + "5.3", "i", "1", "notWritable"},
      {"EAPOL forwarding on", radius + "10.1.0", "i", "1", nullptr},
      {"EAPOL forwarding 3", radius + "10.1.0", "i", "3", "wrongValue"},
      {"EAPOL forwarding on port 26 off", radius + "10.3.1.1.26", "i", "2", nullptr},
      {"EAPOL forwarding on port 26 as 0", radius + "10.3.1.1.26", "i", "0", "wrongValue"},
      {"no interim accounting updates", radius + "4.1.0", "u", "0", nullptr},
      {"an update every minute", radius + "4.1.0", "u", "60", nullptr},
      {"an update every 59 seconds", radius + "4.1.0", "u", "59", "wrongValue"},
      {"an update once a day", radius + "4.1.0", "u", "86400", nullptr},
      {"less often", radius + "4.1.0", "u", "86401", "wrongValue"},
      {"null user names accounted", radius + "4.2.0", "i", "2", nullptr},
      {"null user names 0", radius + "4.2.0", "i", "0", "wrongValue"},
      {"system accounting by RADIUS", radius + "4.3.1.2.3", "i", "2", nullptr},
      {"accounting method 3", radius + "4.3.1.2.3", "i", "3", "wrongValue"},
      {"stop-only accounting of the network", radius + "4.3.1.3.1", "i", "3", nullptr},
      {"accounting mode 4", radius + "4.3.1.3.1", "i", "4", "wrongValue"},
      {"a RADIUS server's address", radius + "2.4.1.2.1", "a", "10.1.1.1", "notWritable"},
      {"the RADIUS client's identifier", "1.3.6.1.2.1.67.1.2.1.1.2.0", "s", "x", "notWritable"},
      {"SSH off", ssh + "1.2.0", "i", "2", nullptr},
      {"SSH 1", ssh + "1.2.0", "i", "1", "wrongValue"},
      {"the SSH version", ssh + "1.1.0", "i", "2", "notWritable"},
      {"99 failed logins", ssh + "1.3.0", "i", "99", nullptr},
      {"100 failed logins", ssh + "1.3.0", "i", "100", "wrongValue"},
      {"no failed login", ssh + "1.3.0", "i", "0", "wrongValue"},
      {"re-keying every half hour", ssh + "1.4.0", "i", "30", nullptr},
      {"re-keying every 20 minutes", ssh + "1.4.0", "i", "20", "wrongValue"},
      {"one session", ssh + "1.5.0", "i", "1", nullptr},
      {"nine sessions", ssh + "1.5.0", "i", "9", "wrongValue"},
      {"a time-out of ten minutes", ssh + "1.6.0", "i", "600", nullptr},
      {"a time-out below two minutes", ssh + "1.6.0", "i", "119", "wrongValue"},
      {"the SSH port", ssh + "1.7.0", "i", "2222", "notWritable"},
      {"3DES off", ssh + "3.1.1.0", "i", "2", nullptr},
      {"Twofish256 1", ssh + "3.1.10.0", "i", "1", "wrongValue"},
      {"MD5 on", ssh + "3.3.2.0", "i", "3", nullptr},
      {"DSA as an address", ssh + "3.5.2.0", "a", "10.0.0.3", "wrongType"},
      {"password logins off", ssh + "3.2.1.0", "i", "2", nullptr},
      {"host keys 4", ssh + "3.2.3.0", "i", "4", "wrongValue"},
      {"a user by public key", ssh + "4.1.1.2" + sshUserOps, "i", "3", nullptr},
      {"a user by mode 4", ssh + "4.1.1.2" + sshUserOps, "i", "4", "wrongValue"},
      {"a host name of 32 characters", ssh + "4.1.1.3" + sshUserOps, "s", QString(32, 'h'),
       nullptr},
      {"one of 33", ssh + "4.1.1.3" + sshUserOps, "s", QString(33, 'h'), "wrongLength"},
      {"a user's host address", ssh + "4.1.1.4" + sshUserOps, "a", "10.90.90.3", nullptr},
      {"a host address of five bytes", ssh + "4.1.1.4" + sshUserOps, "x", "0A5A5A0301",
       "wrongType"},
  };
  ExpectWritesAnsweredAsTheDeviceWould(*tools_, writes);
}

// No table of these dialogs has a RowStatus column: ports, servers, accounting services and
// SSH users are fixed, sessions and authenticated addresses come from the traffic. A write to a
// row the device does not have creates nothing.
TEST_F(AgentBridgeSecurity, FixedTablesTakeNoNewRows) {
  struct NewRow {
    const char* what;
    QStringList set;
  };
  const QString ssh = kPrivate + ".12.6.4.1.1.";
  const NewRow rows[] = {
      {"spanning tree of port 27", {kPrivate + ".11.63.3.2.16.4.1.14.27", "i", "3"}},
      {"PAE initialisation of port 27", {kPae + ".1.2.1.4.27", "i", "1"}},
      {"authenticator control of port 0", {kPae + ".2.1.1.6.0", "i", "2"}},
      {"EAPOL forwarding on port 27", {kPrivate + ".12.3.10.3.1.1.27", "i", "1"}},
      {"accounting of a fourth service", {kPrivate + ".12.3.4.3.1.2.4", "i", "2"}},
      {"an SSH user \"guest\"", {ssh + "2.5.103.117.101.115.116", "i", "2"}},
  };
  for (const NewRow& row : rows) {
    ToolRun set = Set(row.set);
    EXPECT_TRUE(set.errors.contains(QStringLiteral("Reason: noCreation"))) << row.what << "\n"
                                                                           << set;
    EXPECT_TRUE(Value(row.set.front()).startsWith(QStringLiteral("No Such Instance"))) << row.what;
  }
}

// Writing true to a trigger starts the work on the port at once; the trigger then reads false
// again, as the device reports once the work is done.
TEST_F(AgentBridgeSecurity, TriggersActAndReadBackFalse) {
  const QStringList triggers = {
      kPae + ".1.2.1.4.1",                 // initialise the PAE of port 1
      kPae + ".1.2.1.5.2",                 // re-authenticate the supplicant of port 2
      kPrivate + ".11.63.3.2.16.4.1.7.3",  // check port 3 for a bridge of the old protocol
  };
  for (const QString& trigger : triggers) {
    ToolRun set = Set({trigger, "i", "1"});
    EXPECT_EQ(set.exitCode, 0) << qPrintable(trigger) << "\n" << set;
    EXPECT_EQ(Value(trigger), QStringLiteral("2")) << qPrintable(trigger);
    ToolRun zero = Set({trigger, "i", "0"});
    EXPECT_TRUE(zero.errors.contains(QStringLiteral("Reason: wrongValue")))
        << qPrintable(trigger) << "\n"
        << zero;
  }
}

}  // namespace
