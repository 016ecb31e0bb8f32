#include "ZnPortTips.h"

#include "ZnPortReader.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>

namespace {

const QString kUnknown = QStringLiteral("…");

int PortOf(const QObject* button) {
  return button->property("Tag").toInt();
}

}  // namespace

ZnPortTips::ZnPortTips(QObject* parent) : QObject(parent) {
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &ZnPortTips::ReadShown);
}

ZnPortTips::~ZnPortTips() {
  poll_.stop();
}

void ZnPortTips::Watch(QToolButton* button) {
  const int port = PortOf(button);
  const QString plain = QStringLiteral("Port %1").arg(port);
  const QString given = button->toolTip();
  names_.insert(port, given.isEmpty() || given == plain
                          ? plain
                          : QStringLiteral("%1 (%2)").arg(plain, given));
  buttons_.insert(port, button);
  button->installEventFilter(this);
  button->setToolTip(Text(port));
}

ZnPortReader& ZnPortTips::Reader(int port) {
  if (ZnPortReader* reader = readers_.value(port)) return *reader;
  auto* reader = new ZnPortReader(port, this);
  connect(reader, &ZnPortReader::Reading, this, [this, port] { Answered(port); });
  readers_.insert(port, reader);
  return *reader;
}

QString ZnPortTips::Text(int port) const {
  QString name = names_.value(port, QStringLiteral("Port %1").arg(port));
  const ZnPortReader* reader = readers_.value(port);
  if (!reader || !reader->LastGood().Ok() || !reader->HasReading()) {
    QStringList lines = {name + QStringLiteral(": ") + kUnknown,
                         QStringLiteral("Link: ") + kUnknown,
                         QStringLiteral("Receive %1, transmit %1").arg(kUnknown)};
    if (reader && reader->HasReading() && !reader->Last().Ok())
      lines << QStringLiteral("No answer: ") + reader->Last().Message;
    return lines.join(QLatin1Char('\n'));
  }
  // Something was read: the last good reading, and the failure of a later read if any.
  const ZnPortReading& good = reader->LastGood();
  QStringList lines;
  lines << (good.Description.isEmpty() ? name : name + QStringLiteral(": ") + good.Description);
  QString link =
      good.LinkStatus.isEmpty() ? QStringLiteral("Link: ") + kUnknown : ZnLinkText(good.LinkStatus);
  if (const QString speed = ZnSpeedText(good.NwayStatus); !speed.isEmpty())
    link += QStringLiteral(", ") + speed;
  if (!link.isEmpty()) link[0] = link[0].toUpper();
  lines << link;
  const auto rate = [](const std::optional<double>& bits) {
    return bits ? ZnBitRateText(*bits) : kUnknown;
  };
  lines << QStringLiteral("Receive %1, transmit %2").arg(rate(good.InBits), rate(good.OutBits));
  if (!reader->Last().Ok()) lines << QStringLiteral("No answer: ") + reader->Last().Message;
  return lines.join(QLatin1Char('\n'));
}

bool ZnPortTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && buttons_.value(PortOf(button)) == button) {
      Show(button, static_cast<QHelpEvent*>(event)->globalPos());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void ZnPortTips::Show(QToolButton* button, const QPoint& globalPos) {
  const int port = PortOf(button);
  shown_ = button;
  shownAt_ = globalPos;
  button->setToolTip(Text(port));
  QToolTip::showText(globalPos, button->toolTip(), button);
  ZnPortReader& reader = Reader(port);
  if (lastRead_.contains(port) && lastRead_[port].elapsed() > kFreshMs) reader.Restart();
  try {
    reader.Read();  // nothing new is sent while a read of this port is still under way
    lastRead_[port].start();
  } catch (const std::exception& error) {
    QToolTip::showText(globalPos, button->toolTip() + QLatin1Char('\n') + error.what(), button);
  }
  poll_.start();
}

void ZnPortTips::ReadShown() {
  if (!shown_ || !QToolTip::isVisible()) {
    poll_.stop();
    shown_.clear();
    return;
  }
  const int port = PortOf(shown_);
  try {
    if (Reader(port).Read()) lastRead_[port].start();
  } catch (const std::exception&) {
    poll_.stop();  // the settings cannot reach the switch; the tooltip said so when it opened
  }
}

void ZnPortTips::Answered(int port) {
  QToolButton* button = buttons_.value(port);
  if (!button) return;
  button->setToolTip(Text(port));
  if (shown_ == button && QToolTip::isVisible())
    QToolTip::showText(shownAt_, button->toolTip(), button);
}
