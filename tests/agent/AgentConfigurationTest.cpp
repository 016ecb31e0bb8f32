// The Configuration dialogs against the simulated switch: every object they show answers with
// its type and its access, scalars accept what the device accepts and refuse the rest with the
// proper error, rows come and go through their RowStatus, and action objects act on the device.
// The objects are typed here from the device's object tables, independently of the program's
// catalogue and of the agent's own definitions, so that a mistake in either shows up.

#include "DeviceOids.h"
#include "DialogObjects.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "ReadOnlyAgentSuite.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>
#include <vector>

namespace {

using namespace nx596::test;

const Page kConfigurationPages[] = {
    {"Basic Information",
     {{"1.3.6.1.4.1.99917.12.1.1.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.5", kInteger, kRO}}},
    {"MIB Capabilities",
     {{"1.3.6.1.4.1.99917.12.1.1.2.1.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.2.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.2.1.4", kInteger, kRO}}},
    {"CPU Utilization",
     {{"1.3.6.1.4.1.99917.11.63.3.2.1.3.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.3.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.3.3", kInteger, kRO}}},
    {"Port Utilization",
     {{"1.3.6.1.4.1.99917.12.1.1.8.1.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.8.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.1.1.8.1.4", kInteger, kRO}}},
    {"IP Configuration",
     {{"1.3.6.1.4.1.99917.12.1.3.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", kInteger, kRW}}},
    {"FDB Clear All State", {{"1.3.6.1.4.1.99917.12.1.2.11.1", kInteger, kRW}}},
    {"ARP Clear All State", {{"1.3.6.1.4.1.99917.12.1.2.12.1", kInteger, kRW}}},
    {"Trust Host Delete All State", {{"1.3.6.1.4.1.99917.12.1.2.10.2", kInteger, kRW}}},
    {"System Time, Information",
     {{"1.3.6.1.4.1.99917.12.10.1", kOctetStr, kRO}, {"1.3.6.1.4.1.99917.12.10.3", kInteger, kRO}}},
    {"System Time, System Time",
     {{"1.3.6.1.4.1.99917.12.10.10.1", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.10.10.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.10.10.3", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.10.10.4", kInteger, kRW}}},
    {"SNTP",
     {{"1.3.6.1.4.1.99917.12.10.11.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.10.11.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.10.11.3", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.10.11.4", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.10.11.5", kInteger, kRW}}},
    {"Single IP Information",
     {{"1.3.6.1.4.1.99917.12.8.1.1.1", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.1.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.1.3", kDisplayStr, kRO}}},
    {"Single IP Control",
     {{"1.3.6.1.4.1.99917.12.8.1.2.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.8.1.2.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.8.1.2.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.8.1.2.4", kInteger, kRW}}},
    {"Single IP MS Table",
     {{"1.3.6.1.4.1.99917.12.8.1.3.1.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.3", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.4", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.5", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.6", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.7", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.9", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.8.1.3.1.10", kInteger, kRW}}},
    {"Single IP Cas Table",
     {{"1.3.6.1.4.1.99917.12.8.1.4.1.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.4.1.3", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.4.1.4", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.4.1.5", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.4.1.6", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.4.1.7", kInteger, kRO}}},
    {"Single IP Group Table",
     {{"1.3.6.1.4.1.99917.12.8.1.5.1.2", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.3", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.5", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.6", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.7", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.8.1.5.1.8", kInteger, kRO}}},
    {"Single IP Neighbor Table", {{"1.3.6.1.4.1.99917.12.8.1.6.1.3", kInteger, kRO}}},
    {"Device Control",
     {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.12", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.13", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.17", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.18", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.15.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.19", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.20", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.21", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.22", kInteger, kRW}}},
    {"Upload/Download File Configuration",
     {{"1.3.6.1.4.1.99917.12.1.2.1.1.2", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.3", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.5", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.1.1.8", kInteger, kRW}}},
    {"Console Mode Control",
     {{"1.3.6.1.4.1.99917.12.1.5.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.5.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.5.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.5.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.5.5", kInteger, kRW}}},
    {"SMTP Information Table", {{"1.3.6.1.4.1.99917.12.29.2.1", kInteger, kRO}}},
    {"SMTP Mail Receiver Table",
     {{"1.3.6.1.4.1.99917.12.29.3.1.1.2", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.29.3.1.1.3", kInteger, kRW}}},
    {"CPU ACL Control", {{"1.3.6.1.4.1.99917.12.9.1.1", kInteger, kRW}}},
    {"CPU ACL Etherent Table, CPU ACL Ethernet Table",
     {{"1.3.6.1.4.1.99917.12.9.4.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.4", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.5", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.1.1.8", kInteger, kRW}}},
    {"CPU ACL Etherent Table, CPU ACL Ethernet Rule Table",
     {{"1.3.6.1.4.1.99917.12.9.5.1.1.3", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.4", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.5", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.7", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.9", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.1.1.10", kInteger, kRW}}},
    {"CPU ACL IP Table, CPU ACL IP Table",
     {{"1.3.6.1.4.1.99917.12.9.4.2.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.4", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.5", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.9", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.10", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.11", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.12", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.13", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.14", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.15", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.16", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.17", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.2.1.18", kInteger, kRW}}},
    {"CPU ACL IP Table, CPU ACL IP Rule Table",
     {{"1.3.6.1.4.1.99917.12.9.5.2.1.3", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.4", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.5", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.7", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.9", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.10", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.11", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.12", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.13", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.14", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.15", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.16", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.2.1.17", kInteger, kRW}}},
    {"CPU ACL Packet Control Table, CPU ACL Packet Control Mask Table",
     {{"1.3.6.1.4.1.99917.12.9.4.3.1.2", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.3.1.3", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.3.1.4", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.3.1.5", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.3.1.6", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.4.3.1.7", kInteger, kRW}}},
    {"CPU ACL Packet Control Table, CPU ACL Packet Control Rule Table",
     {{"1.3.6.1.4.1.99917.12.9.5.3.1.3", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.4", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.5", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.6", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.7", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.9", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.9.5.3.1.10", kInteger, kRW}}},
    {"IP MAC Binding Management",
     {{"1.3.6.1.4.1.99917.12.23.3.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.23.1.1", kInteger, kRW}}},
    {"IP MAC Binding Port Management",
     {{"1.3.6.1.4.1.99917.12.23.3.2.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.23.3.2.1.3", kInteger, kRW}}},
    {"IP MAC Binding Table",
     {{"1.3.6.1.4.1.99917.12.23.4.1.1.2", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.23.4.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.23.4.1.1.4", kBitStr, kRW}}},
    {"IP MAC Binding Blocked Table",
     {{"1.3.6.1.4.1.99917.12.23.4.2.1.3", kDisplayStr, kRO},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.6", kDisplayStr, kRO}}},
    {"System Log State Control", {{"1.3.6.1.4.1.99917.12.12.1", kInteger, kRW}}},
    {"System Log Entry",
     {{"1.3.6.1.4.1.99917.12.12.2.1.2", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.12.2.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.12.2.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.12.2.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.12.2.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.12.2.1.7", kInteger, kRW}}},
    {"Aggregator Port List", {{"1.3.6.1.4.1.99917.12.4.1.1.2.1.1", kBitStr, kRO}}},
    {"Aggregator Table",
     {{"1.3.6.1.4.1.99917.12.4.1.1.1.1.2", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.4", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.5", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.7", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.8", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.9", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.10", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.1.1.1.11", kInteger, kRW}}},
    {"Aggregation Port Table",
     {{"1.3.6.1.4.1.99917.12.4.1.2.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.3", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.7", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.8", kMacAddress, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.9", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.10", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.11", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.12", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.13", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.14", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.15", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.16", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.17", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.18", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.19", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.20", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.21", kOctetStr, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.22", kOctetStr, kRW},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.23", kOctetStr, kRO},
      {"1.3.6.1.4.1.99917.12.4.1.2.1.1.24", kInteger, kRO}}},
    {"Cable Diagnostics Information",
     {{"1.3.6.1.4.1.99917.12.58.1.1.1.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.5", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.6", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.7", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.8", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.9", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.10", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.11", kInteger, kRO},
      {"1.3.6.1.4.1.99917.12.58.1.1.1.12", kInteger, kRW}}},

    // The trusted host table is a dialog of its own, but its objects belong with the
    // delete-all above.
    {"Trust Host Table",
     {{"1.3.6.1.4.1.99917.12.1.2.10.1.1.2", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.10.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.1.2.10.1.1.4", kIpAddress, kRW}}},
};


class AgentConfigurationRead : public ReadOnlyAgentSuite {};

TEST_F(AgentConfigurationRead, EveryObjectOfEveryPageAnswersWithItsType) {
  EXPECT_EQ(ExpectEveryObjectAnswersWithItsType(*tools_, kConfigurationPages), 216);
}

// Each case gets its own agent: writes change it.
class AgentConfiguration : public ::testing::Test {
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
  bool Absent(const QString& oid) {
    return Value(oid).startsWith(QStringLiteral("No Such Instance"));
  }
  // The instances below a subtree.
  QStringList Walk(const QString& subtree) {
    QStringList oids;
    for (const Varbind& varbind :
         tools_->Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {subtree}).varbinds) {
      if (varbind.oid.startsWith(subtree + '.')) oids << qPrintable(varbind.oid);
    }
    return oids;
  }

  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(AgentConfiguration, EveryObjectTakesOrRefusesItsOwnValueAsItsAccessSays) {
  ExpectEveryObjectTakesOrRefusesItsOwnValue(*tools_, kConfigurationPages);
}

TEST_F(AgentConfiguration, ScalarsTakeWhatTheDeviceAcceptsAndRefuseTheRest) {
  const QString ip = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.2.");
  const QString time = kPrivate + ".12.10.";
  const QString singleIp = kPrivate + ".12.8.1.2.";
  const QString console = kPrivate + ".12.1.5.";
  const QString file = kPrivate + ".12.1.2.1.1.";
  const QString lacpPort = kPrivate + ".12.4.1.2.1.1.";
  const Write writes[] = {
      {"IP from DHCP", kPrivate + ".12.1.3.3.0", "i", "4", nullptr},
      {"IP from an option the device lacks", kPrivate + ".12.1.3.3.0", "i", "1", "wrongValue"},
      {"IP source as text", kPrivate + ".12.1.3.3.0", "s", "4", "wrongType"},
      {"an address as an address", ip + "4.0", "a", "10.90.90.1", nullptr},
      {"an address as bytes", ip + "4.0", "x", "0A5A5A01", "wrongType"},
      {"the highest VLAN", ip + "5.0", "i", "4094", nullptr},
      {"a VLAN beyond it", ip + "5.0", "i", "4095", "wrongValue"},
      {"the westernmost time zone", time + "10.4.0", "i", "-779", nullptr},
      {"west of it", time + "10.4.0", "i", "-780", "wrongValue"},
      {"east of the easternmost", time + "10.4.0", "i", "840", "wrongValue"},
      {"the longest SNTP poll", time + "11.5.0", "i", "99999", nullptr},
      {"too short an SNTP poll", time + "11.5.0", "i", "29", "wrongValue"},
      {"the SNTP time source", time + "11.2.0", "i", "1", "notWritable"},
      {"the time capacity", time + "1.0", "x", "C0", "notWritable"},
      {"single IP role candidate", singleIp + "2.0", "i", "2", nullptr},
      {"a hold time below 100", singleIp + "3.0", "i", "99", "wrongValue"},
      {"a discovery interval above 90", singleIp + "4.0", "i", "91", "wrongValue"},
      {"STP on", ip + "6.0", "i", "3", nullptr},
      {"MAC notification history of 500", ip + "20.0", "i", "500", nullptr},
      {"history of 501", ip + "20.0", "i", "501", "wrongValue"},
      {"the longest notification interval", ip + "21.0", "i", "2147483647", nullptr},
      {"an interval of 0", ip + "21.0", "i", "0", "wrongValue"},
      {"VLAN trunk 3", ip + "22.0", "i", "3", "wrongValue"},
      {"port security trap log", "1.3.6.1.4.1.99917.11.63.3.2.15.2.0", "i", "1", "wrongValue"},
      {"115200 baud", console + "4.0", "i", "7", nullptr},
      {"a baud rate beyond the list", console + "4.0", "i", "8", "wrongValue"},
      {"a logout time beyond the list", console + "5.0", "i", "6", "wrongValue"},
      {"CPU utilisation", "1.3.6.1.4.1.99917.11.63.3.2.1.3.1.0", "i", "1", "notWritable"},
      {"the file transfer status", kPrivate + ".12.1.1.5.0", "i", "7", "notWritable"},
      {"a file description of 64 characters", file + "2.1", "s", QString(64, 'f'), nullptr},
      {"one of 65", file + "2.1", "s", QString(65, 'f'), "wrongLength"},
      {"a cable test set to processing", kPrivate + ".12.58.1.1.1.12.1", "i", "2", "wrongValue"},
      {"two bytes of LACP state", lacpPort + "20.1", "x", "A0A0", "wrongLength"},
      {"an empty mail receiver", kPrivate + ".12.29.3.1.1.2.1", "s", "", "wrongLength"},
      {"CPU filtering with 3", kPrivate + ".12.9.1.1.0", "i", "3", "wrongValue"},
      {"system log state other", kPrivate + ".12.12.1.0", "i", "1", "wrongValue"},
      {"a delete-all with 3", kPrivate + ".12.1.2.10.2.0", "i", "3", "wrongValue"},
  };
  ExpectWritesAnsweredAsTheDeviceWould(*tools_, writes);
}

// Every table whose rows are made through a RowStatus column: a new row needs the columns that
// have no default (and a rule an existing profile), an index is never taken twice, and destroy
// removes the whole row.
TEST_F(AgentConfiguration, RowsAreCreatedWithTheirRequiredColumnsAndDestroyed) {
  const QString acl = kPrivate + ".12.9.";
  const Creatable tables[] = {
      {"Single IP MS Table", kPrivate + ".12.8.1.3.1", 10, "4", "1", {"8", "i", "2"}},
      {"SMTP Mail Receiver Table",
       kPrivate + ".12.29.3.1.1",
       3,
       "3",
       "1",
       {"2", "s", "ops@example.net"}},
      {"CPU ACL Ethernet Table", acl + "4.1.1", 8, "6", "1", {}},
      {"CPU ACL Ethernet Rule Table",
       acl + "5.1.1",
       10,
       "1.3",
       "1.1",
       {"9", "x", "00 00 00 C0"},
       "9.1"},
      {"CPU ACL IP Table", acl + "4.2.1", 18, "7", "3", {}},
      {"CPU ACL IP Rule Table", acl + "5.2.1", 17, "3.3", "3.1", {"16", "x", "80 00 00 00"}, "9.1"},
      {"CPU ACL Packet Content Mask Table", acl + "4.3.1", 7, "8", "5", {}},
      {"CPU ACL Packet Content Rule Table",
       acl + "5.3.1",
       10,
       "5.2",
       "5.1",
       {"9", "x", "FF FF FF C0"},
       "1.1"},
      {"IP MAC Binding Table",
       kPrivate + ".12.23.4.1.1",
       3,
       "10.0.0.77",
       "10.0.0.1",
       {"2", "x", "00 1C F0 AA 00 77"}},
      {"System Log Entry", kPrivate + ".12.12.2.1", 7, "2", "1", {"2", "a", "10.1.1.1"}},
      {"Trust Host Table", kPrivate + ".12.1.2.10.1.1", 3, "3", "1", {"2", "a", "10.9.9.9"}},
  };
  ExpectRowsCreatedWithTheirRequiredColumnsAndDestroyed(*tools_, tables);
}

TEST_F(AgentConfiguration, ACreatedAndWaitingRowGoesIntoServiceOnlyWithItsRequiredColumns) {
  const QString server = kPrivate + ".12.12.2.1";
  const QString status = server + ".7.4";
  ASSERT_EQ(Set({status, "i", "5"}).exitCode, 0);
  EXPECT_EQ(Value(status), QStringLiteral("3")) << "notReady without a server address";
  EXPECT_TRUE(Absent(server + ".2.4")) << "a required column has no made-up value";
  EXPECT_EQ(Value(server + ".5.4"), QStringLiteral("514")) << "the other columns have defaults";
  ToolRun early = Set({status, "i", "1"});
  EXPECT_TRUE(early.errors.contains(QStringLiteral("Reason: inconsistentValue"))) << early;

  ASSERT_EQ(Set({server + ".2.4", "a", "10.1.1.4"}).exitCode, 0);
  EXPECT_EQ(Value(status), QStringLiteral("2")) << "notInService once the address is there";
  ASSERT_EQ(Set({status, "i", "1"}).exitCode, 0);
  EXPECT_EQ(Value(status), QStringLiteral("1"));
}

// Action objects act when written with their start value and then read back idle, as the
// device does once the work is done. The cases run in order on one agent.
TEST_F(AgentConfiguration, ActionObjectsActOnTheDeviceAndReturnToIdle) {
  struct Action {
    const char* what;
    QStringList set;
    QList<QPair<QString, QString>> before, after;  // instance and value
    QStringList emptied;                           // subtrees with rows before, none after
    QStringList kept;                              // subtrees that keep their rows
  };
  const QString fdb = QStringLiteral("1.3.6.1.2.1.17.4.3");
  const QString file = kPrivate + ".12.1.2.1.1.";
  const QString transferStatus = kPrivate + ".12.1.1.5.0";
  const QString cable = kPrivate + ".12.58.1.1.1.";
  const QString bindingPorts = kPrivate + ".12.23.3.2.1.";
  const Action actions[] = {
      {"FDB clear all",
       {kPrivate + ".12.1.2.11.1.0", "i", "2"},
       {},
       {{kPrivate + ".12.1.2.11.1.0", "1"}},
       {fdb},
       {"1.3.6.1.2.1.17.4.4", "1.3.6.1.2.1.17.4.2"}},
      {"ARP clear all",
       {kPrivate + ".12.1.2.12.1.0", "i", "2"},
       {},
       {{kPrivate + ".12.1.2.12.1.0", "1"}},
       {},
       {}},
      {"trusted host delete all",
       {kPrivate + ".12.1.2.10.2.0", "i", "2"},
       {},
       {{kPrivate + ".12.1.2.10.2.0", "1"}},
       {kPrivate + ".12.1.2.10.1"},
       {kPrivate + ".12.1.2.1"}},
      // Port 3 has a link, port 20 none, port 4 is not tested.
      {"cable test on ports 3 and 20",
       {cable + "12.3", "i", "1", cable + "12.20", "i", "1"},
       {{cable + "4.3", "8"}, {cable + "8.3", "0"}, {cable + "4.20", "8"}},
       {{cable + "4.3", "0"},
        {cable + "5.3", "0"},
        {cable + "6.3", "0"},
        {cable + "7.3", "0"},
        {cable + "8.3", "35"},
        {cable + "11.3", "35"},
        {cable + "4.20", "7"},
        {cable + "7.20", "7"},
        {cable + "8.20", "0"},
        {cable + "12.3", "3"},
        {cable + "12.20", "3"},
        {cable + "4.4", "8"},
        {cable + "12.4", "3"}},
       {},
       {}},
      {"upload of the configuration",
       {file + "8.2", "i", "3"},
       {{transferStatus, "1"}},
       {{transferStatus, "7"}, {file + "8.2", "2"}},
       {},
       {}},
      {"upload of the log, which has no server",
       {file + "8.3", "i", "3"},
       {},
       {{transferStatus, "8"}, {file + "8.3", "2"}},
       {},
       {}},
      {"the same upload with its server in the same request",
       {file + "3.3", "a", "10.90.90.2", file + "8.3", "i", "3"},
       {},
       {{transferStatus, "7"}, {file + "3.3", "10.90.90.2"}},
       {},
       {}},
      {"saving the whole configuration",
       {kPrivate + ".12.1.2.6.0", "i", "5"},
       {{kPrivate + ".12.1.1.4.0", "1"}},
       {{kPrivate + ".12.1.1.4.0", "3"}, {kPrivate + ".12.1.2.6.0", "1"}},
       {},
       {}},
      {"IP-MAC binding on at every port",
       {kPrivate + ".12.23.3.1.0", "i", "2"},
       {{bindingPorts + "2.3", "3"}},
       {{bindingPorts + "2.3", "2"},
        {bindingPorts + "2.26", "2"},
        {bindingPorts + "3.3", "2"},
        {kPrivate + ".12.23.3.1.0", "1"}},
       {},
       {}},
      {"clearing the statistics counters",
       {"1.3.6.1.4.1.99917.11.63.3.2.1.2.12.0", "i", "2"},
       {},
       {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.12.0", "1"}},
       {},
       {"1.3.6.1.2.1.2.2"}},
  };
  for (const Action& action : actions) {
    for (const auto& [oid, value] : action.before) EXPECT_EQ(Value(oid), value) << action.what;
    for (const QString& subtree : action.emptied)
      ASSERT_FALSE(Walk(subtree).isEmpty())
          << action.what << ": " << qPrintable(subtree) << " starts empty";
    ToolRun set = Set(action.set);
    ASSERT_EQ(set.exitCode, 0) << action.what << "\n" << set;
    for (const auto& [oid, value] : action.after)
      EXPECT_EQ(Value(oid), value) << action.what << ": " << oid.toStdString();
    for (const QString& subtree : action.emptied)
      EXPECT_TRUE(Walk(subtree).isEmpty()) << action.what << ": " << subtree.toStdString();
    for (const QString& subtree : action.kept)
      EXPECT_FALSE(Walk(subtree).isEmpty()) << action.what << ": " << subtree.toStdString();
  }
}

}  // namespace
