#pragma once

#include "ZnCounterRate.h"
#include "ZnSNMPRequest.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// What one read of a port found. A failed read (Code not 0) carries only its message; the port's
// texts and rates of the last good read stay with the reader.
struct ZnPortReading {
  int Code = 0;
  QString Message;
  // Labels as the device reports them; empty when not (yet) known.
  QString Description;
  QString LinkStatus;  // "link-pass", "link-fail"
  QString NwayStatus;  // "full-100Mbps-none", "auto", ...
  // Per second since the previous read, by the switch's own sysUpTime; none when a new series
  // starts (the first read, a restart of the switch, a counter discontinuity).
  std::optional<double> InBits;
  std::optional<double> OutBits;
  std::optional<double> Errors;    // received and sent frames in error
  std::optional<double> Discards;  // received and sent frames discarded
  // The raw counters as read (for the curious and for tests of wrap-around).
  std::uint64_t InOctets = 0;
  std::uint64_t OutOctets = 0;
  int OctetWidth = 64;

  bool Ok() const { return Code == 0; }
};

// Reads one port's traffic counters, its description from the Port Control table and its link
// status and speed from the Port Information table, in one asynchronous get together with
// sysUpTime, and turns the counters into rates through ZnCounterRate. Over SNMPv2c and SNMPv3
// the 64-bit octet counters of ifXTable are read with ifCounterDiscontinuityTime; SNMPv1 cannot
// carry them, so it reads the 32-bit ones of ifTable, which wrap every few minutes on a busy
// gigabit port.
//
// One read at a time: Read() while one is outstanding sends nothing and says so. A reading is
// handed to OnReading on the GUI thread; deleting the reader gives up a read still under way.
class ZnPortReader : public QObject {
  Q_OBJECT

 public:
  // `port` is the interface index: 1..24 for the front ports, 25 and 26 for the uplink slots.
  explicit ZnPortReader(int port, QObject* parent = nullptr);
  ~ZnPortReader() override;

  int Port() const { return port_; }
  // Sends one read; false when the previous one is still outstanding (nothing is sent). Raises
  // what building the request raises (an invalid address, unusable SNMPv3 settings).
  bool Read();
  bool Outstanding() const;
  // The next reading starts new series: its rates are unknown and the one after is measured
  // from it. For readings after a pause, whose average over the pause would mislead.
  void Restart();

  // The latest reading, good or failed, and the latest good one.
  const ZnPortReading& Last() const { return last_; }
  const ZnPortReading& LastGood() const { return lastGood_; }
  bool HasReading() const { return hasReading_; }

  // Time-out of one try in hundredths of a second and retries: together well under the 3-second
  // poll, so a silent switch costs one outstanding read and never a queue.
  void SetTimeout(int hundredths, int retries);

 signals:
  void Reading(const ZnPortReading& reading);

 private:
  class Request;
  enum Counter { kInOctets, kOutOctets, kInErrors, kOutErrors, kInDiscards, kOutDiscards };
  static constexpr int kCounters = 6;

  void Completed(const ZnSNMPError& result);

  int port_;
  bool v1_ = false;
  std::unique_ptr<Request> request_;
  std::array<ZnCounterRate, kCounters> rates_;
  ZnPortReading last_;
  ZnPortReading lastGood_;
  bool hasReading_ = false;
};

// "link up", "link down" from the Port Information table's link status label; the label itself
// for anything else.
QString ZnLinkText(const QString& linkStatus);
// "100 Mbit/s full duplex" from a negotiated state such as "full-100Mbps-none"; empty for "auto"
// (nothing negotiated) and unknown labels.
QString ZnSpeedText(const QString& nwayStatus);
// A rate in bits per second with a unit that keeps three digits: "950 bit/s", "5.98 Mbit/s".
QString ZnBitRateText(double bitsPerSecond);
