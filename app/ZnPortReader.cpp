#include "ZnPortReader.h"

#include "ZnCatalogue.h"
#include "ZnSNMPSettings.h"
#include "ZnSNMPValue.h"

#include <QRegularExpression>

#include <cmath>
#include <vector>

namespace {

// The interface counters of one port, the index appended at run time. The octets come from
// ifXTable's 64-bit columns, or from ifTable's 32-bit ones over SNMPv1.
constinit const ZnSNMPVarDef kHighCapacityCounters[] = {
    {"1.3.6.1.2.1.31.1.1.1.6", "ifHCInOctets", ZnSyntax::Counter64, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "ifHCOutOctets", ZnSyntax::Counter64, ZnAccess::ReadOnly},
    {},
};
constinit const ZnSNMPVarDef kCounters32[] = {
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};
// In the order of the reader's counters after the octets: errors in and out, discards in and out.
constinit const ZnSNMPVarDef kFrameCounters[] = {
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};
constinit const ZnSNMPVarDef kDiscontinuity[] = {
    {"1.3.6.1.2.1.31.1.1.1.19", "ifCounterDiscontinuityTime", ZnSyntax::TimeTicks,
     ZnAccess::ReadOnly},
    {},
};
// Appended after the port's index went onto every column: it carries its own instance.
constinit const ZnSNMPVarDef kSysUpTime[] = {
    {"1.3.6.1.2.1.1.3.0", "sysUpTime", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
    {},
};

// The column captioned `caption` of a catalogue dialog's first table, as a one-row table.
std::vector<ZnSNMPVarDef> CatalogueColumn(const char* dialog, const char* caption) {
  std::vector<ZnSNMPVarDef> rows;
  if (const ZnCatalogueEntry* entry = ZnFindCatalogueEntry(dialog); entry && !entry->pages.empty())
    for (const ZnSNMPVarDef& def : ZnTableRows(entry->pages.front().table))
      if (QLatin1String(def.Caption) == QLatin1String(caption)) rows.push_back(def);
  rows.push_back({});
  return rows;
}

}  // namespace

// Keeps every answered value as it came, next to the text the list holds: counters need their
// full 64 bits and a value the switch does not have (noSuchInstance) must not read as zero.
class ZnPortReader::Request : public ZnSNMPRequest {
 public:
  void StoreValue(int i, const ZnSNMPValue& value) override {
    if (static_cast<size_t>(i) >= raw.size()) raw.resize(static_cast<size_t>(i) + 1);
    raw[static_cast<size_t>(i)] = value;
    ZnSNMPRequest::StoreValue(i, value);
  }
  // The number of variable i, when the switch answered one.
  std::optional<std::uint64_t> Number(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= raw.size()) return std::nullopt;
    const ZnSNMPValue& value = raw[static_cast<size_t>(i)];
    if (!value.IsNumber()) return std::nullopt;
    return static_cast<std::uint64_t>(value.AsInt64());
  }
  std::optional<QString> Text(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= raw.size()) return std::nullopt;
    const ZnSNMPValue& value = raw[static_cast<size_t>(i)];
    if (value.Type == ZnSNMPValue::Null || value.Type >= ZnSNMPValue::NoSuchObject)
      return std::nullopt;
    return VarList.Item(i).Value;
  }

  std::vector<ZnSNMPValue> raw;
  int description = -1, linkStatus = -1, nwayStatus = -1, discontinuity = -1, upTime = -1;
};

ZnPortReader::ZnPortReader(int port, QObject* parent)
    : QObject(parent), port_(port), request_(std::make_unique<Request>()) {
  Request& r = *request_;
  v1_ = r.Security.Version == 0;
  ZnSNMPVarList& list = r.VarList;
  list = ZnSNMPVarList(v1_ ? kCounters32 : kHighCapacityCounters, ZnItemType::MVT_SV, 0);
  list.Append(kFrameCounters);
  const auto append = [&list](const ZnSNMPVarDef* table) {
    const int at = list.Count();
    list.Append(table);
    return list.Count() > at ? at : -1;
  };
  const std::vector<ZnSNMPVarDef> description = CatalogueColumn("PortControl1", "Description");
  const std::vector<ZnSNMPVarDef> link = CatalogueColumn("PortInformation1", "Link Status");
  const std::vector<ZnSNMPVarDef> nway = CatalogueColumn("PortInformation1", "Nway Status");
  r.description = append(description.data());
  r.linkStatus = append(link.data());
  r.nwayStatus = append(nway.data());
  if (!v1_) r.discontinuity = append(kDiscontinuity);
  list.AppendInstance(QString::number(port));
  r.upTime = append(kSysUpTime);
  SetTimeout(100, 1);
}

ZnPortReader::~ZnPortReader() {
  // A read still under way is given up: its answer would reach a reader that is gone, and
  // waiting for a silent switch would hold the window that closes.
  request_->Abandon();
}

void ZnPortReader::SetTimeout(int hundredths, int retries) {
  request_->Timeout = hundredths;
  request_->Retries = retries;
}

bool ZnPortReader::Outstanding() const {
  return request_->Outstanding > 0;
}

void ZnPortReader::Restart() {
  for (ZnCounterRate& rate : rates_) rate.Reset();
}

bool ZnPortReader::Read() {
  if (Outstanding()) return false;
  request_->raw.clear();
  request_->GetAsync([](void* owner, const ZnSNMPError& result,
                        ZnSNMPVarList&) { static_cast<ZnPortReader*>(owner)->Completed(result); },
                     this, true);
  return true;
}

void ZnPortReader::Completed(const ZnSNMPError& result) {
  ZnPortReading reading;
  reading.Code = result.Code;
  reading.Message = result.Message;
  const Request& r = *request_;
  const std::optional<std::uint64_t> upTime = r.Number(r.upTime);
  if (reading.Ok() && !upTime) {
    reading.Code = -1;
    reading.Message = QStringLiteral("The switch did not report its sysUpTime.");
  }
  if (!reading.Ok()) {
    // A silent or refusing switch: the rates measured after it answers again span the silence,
    // which is still the right average, so the series go on.
    last_ = reading;
    hasReading_ = true;
    emit Reading(last_);
    return;
  }
  reading.Description = r.Text(r.description).value_or(QString());
  reading.LinkStatus = r.Text(r.linkStatus).value_or(QString());
  reading.NwayStatus = r.Text(r.nwayStatus).value_or(QString());
  const auto discontinuity = static_cast<std::uint32_t>(r.Number(r.discontinuity).value_or(0));
  reading.OctetWidth = v1_ ? 32 : 64;
  std::array<std::optional<double>, kCounters> perSecond;
  for (int k = 0; k < kCounters; ++k) {
    const std::optional<std::uint64_t> value = r.Number(k);
    if (!value) {
      rates_[static_cast<size_t>(k)].Reset();
      continue;
    }
    ZnCounterSample sample;
    sample.UpTime = static_cast<std::uint32_t>(*upTime);
    sample.Value = *value;
    sample.Width = k <= kOutOctets ? reading.OctetWidth : 32;
    sample.Discontinuity = discontinuity;
    perSecond[static_cast<size_t>(k)] = rates_[static_cast<size_t>(k)].Add(sample);
  }
  reading.InOctets = r.Number(kInOctets).value_or(0);
  reading.OutOctets = r.Number(kOutOctets).value_or(0);
  const auto bits = [](const std::optional<double>& octets) -> std::optional<double> {
    if (!octets) return std::nullopt;
    return *octets * 8;
  };
  const auto sum = [](const std::optional<double>& a,
                      const std::optional<double>& b) -> std::optional<double> {
    if (!a || !b) return std::nullopt;
    return *a + *b;
  };
  reading.InBits = bits(perSecond[kInOctets]);
  reading.OutBits = bits(perSecond[kOutOctets]);
  reading.Errors = sum(perSecond[kInErrors], perSecond[kOutErrors]);
  reading.Discards = sum(perSecond[kInDiscards], perSecond[kOutDiscards]);
  last_ = reading;
  lastGood_ = reading;
  hasReading_ = true;
  emit Reading(last_);
}

QString ZnLinkText(const QString& linkStatus) {
  if (linkStatus == QLatin1String("link-pass")) return QStringLiteral("link up");
  if (linkStatus == QLatin1String("link-fail")) return QStringLiteral("link down");
  return linkStatus;
}

QString ZnSpeedText(const QString& nwayStatus) {
  // duplex-speed-flow control: "full-100Mbps-8023x", "half-10Mbps-backp", "full-1Gigabps-none".
  static const QRegularExpression pattern(QStringLiteral("^(full|half)-(\\d+)(Mbps|Gigabps)-"));
  const QRegularExpressionMatch match = pattern.match(nwayStatus);
  if (!match.hasMatch()) return QString();
  const QString unit = match.captured(3) == QLatin1String("Mbps") ? QStringLiteral("Mbit/s")
                                                                  : QStringLiteral("Gbit/s");
  return QStringLiteral("%1 %2 %3 duplex").arg(match.captured(2), unit, match.captured(1));
}

QString ZnBitRateText(double bitsPerSecond) {
  static const char* const kUnits[] = {"bit/s", "kbit/s", "Mbit/s", "Gbit/s", "Tbit/s"};
  double value = std::max(0.0, bitsPerSecond);
  size_t unit = 0;
  while (value >= 999.5 && unit + 1 < std::size(kUnits)) {
    value /= 1000;
    ++unit;
  }
  const int decimals = unit == 0 || value >= 99.95 ? 0 : value >= 9.995 ? 1 : 2;
  return QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(QLatin1String(kUnits[unit]));
}
