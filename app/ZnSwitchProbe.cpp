#include "ZnSwitchProbe.h"

#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnValueFormat.h"

#include <QElapsedTimer>

#include <memory>

namespace {

const QString kSysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");
const QString kSysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");
const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");

bool IsException(const ZnSNMPValue& v) {
  return v.Type == ZnSNMPValue::NoSuchObject || v.Type == ZnSNMPValue::NoSuchInstance ||
         v.Type == ZnSNMPValue::EndOfMibView;
}

ZnProbeResult Read(const ZnSNMPAnswer& answer) {
  ZnProbeResult r;
  if (answer.Status != 0) {
    r.failure = ZnSNMPMapError(answer.Status).Message;
    return r;
  }
  r.answered = true;
  for (const ZnSNMPBinding& b : answer.Bindings) {
    if (IsException(b.Value)) continue;  // an object the switch lacks leaves its field empty
    if (b.Oid == kSysDescr) r.sysDescr = ZnDisplayText(b.Value.Bytes);
    if (b.Oid == kSysName) r.sysName = ZnDisplayText(b.Value.Bytes);
    if (b.Oid == kSysUpTime && b.Value.Type == ZnSNMPValue::TimeTicks)
      r.upTime = TicksToText(static_cast<std::uint32_t>(b.Value.Unsigned));
  }
  return r;
}

}  // namespace

std::uint64_t ZnProbeSwitch(const ZnSNMPTarget& target,
                            std::function<void(const ZnProbeResult&)> done) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  std::vector<ZnSNMPBinding> bindings;
  for (const QString& oid : {kSysDescr, kSysUpTime, kSysName}) bindings.push_back({oid, {}});
  try {
    return ZnSNMPExchangeAsync(target, ZnSNMPOperation::Get, bindings,
                               [done, clock](const ZnSNMPAnswer& answer) {
                                 ZnProbeResult r = Read(answer);
                                 r.milliseconds = clock->elapsed();
                                 done(r);
                               });
  } catch (const ZnException& error) {
    ZnProbeResult r;
    r.failure = error.Message();
    done(r);
    return 0;
  }
}

QString ZnDescribeProbe(const ZnProbeResult& r) {
  if (!r.answered) return QStringLiteral("No answer: %1").arg(r.failure);
  return QStringLiteral("Answered in %1 ms. sysName: %2; up %3; %4")
      .arg(r.milliseconds)
      .arg(r.sysName.isEmpty() ? QStringLiteral("(none)") : r.sysName,
           r.upTime.isEmpty() ? QStringLiteral("(unknown)") : r.upTime,
           r.sysDescr.isEmpty() ? QStringLiteral("no sysDescr") : r.sysDescr);
}
