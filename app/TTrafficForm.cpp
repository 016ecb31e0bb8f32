#include "TTrafficForm.h"

#include "ZnRateChart.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QHash<int, QPointer<TTrafficForm>>& Forms() {
  static QHash<int, QPointer<TTrafficForm>> forms;
  return forms;
}

QString Clock(qint64 msecs) {
  return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("hh:mm:ss"));
}

// Colour-blind safe and distinct on white: blue and orange for the two directions, red and
// purple for the two kinds of lost frames.
const QColor kReceive(0x1f, 0x77, 0xb4);
const QColor kTransmit(0xff, 0x7f, 0x0e);
const QColor kErrors(0xd6, 0x27, 0x28);
const QColor kDiscards(0x94, 0x67, 0xbd);

}  // namespace

TTrafficForm* TTrafficForm::Open(int port, const QString& deviceAddress, QWidget* owner) {
  if (TTrafficForm* form = Find(port)) {
    form->showNormal();
    form->raise();
    form->activateWindow();
    return form;
  }
  auto* form = new TTrafficForm(port, deviceAddress, owner);
  Forms().insert(port, form);
  form->show();
  return form;
}

TTrafficForm* TTrafficForm::Find(int port) {
  return Forms().value(port);
}

QList<TTrafficForm*> TTrafficForm::OpenForms() {
  QList<TTrafficForm*> forms;
  for (const QPointer<TTrafficForm>& form : Forms())
    if (form) forms.append(form);
  return forms;
}

void TTrafficForm::CloseAll() {
  for (TTrafficForm* form : OpenForms()) form->close();
}

TTrafficForm::TTrafficForm(int port, const QString& deviceAddress, QWidget* owner)
    : QWidget(owner, Qt::Window), port_(port), reader_(port) {
  setObjectName(QStringLiteral("TrafficForm%1").arg(port));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Traffic : Port %1 : %2").arg(port).arg(deviceAddress));

  portLine_ = new QLabel(QStringLiteral("Port %1").arg(port), this);
  portLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rates_ = new ZnRateChart(
      QStringLiteral("Receive and transmit"), ZnRateChart::Scale::Bits,
      {{QStringLiteral("Receive"), kReceive}, {QStringLiteral("Transmit"), kTransmit}}, this);
  errors_ = new ZnRateChart(
      QStringLiteral("Errors and discards (received and sent)"), ZnRateChart::Scale::Frames,
      {{QStringLiteral("Errors"), kErrors}, {QStringLiteral("Discards"), kDiscards}}, this);
  // The charts take no keyboard focus: Tab goes between the buttons.
  rates_->setFocusPolicy(Qt::NoFocus);
  errors_->setFocusPolicy(Qt::NoFocus);
  status_ = new QLabel(QStringLiteral("Reading…"), this);
  status_->setObjectName(QStringLiteral("StatusLine"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  pause_ = new QPushButton(QStringLiteral("&Pause"), this);
  pause_->setCheckable(true);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  connect(pause_, &QPushButton::toggled, this, &TTrafficForm::SetPaused);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(pause_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portLine_);
  layout->addWidget(rates_, 3);
  layout->addWidget(errors_, 2);
  layout->addLayout(buttons);
  resize(760, 640);
  pause_->setFocus();

  connect(&reader_, &ZnPortReader::Reading, this, &TTrafficForm::Show);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &TTrafficForm::Tick);
  poll_.start();
  QTimer::singleShot(0, this, &TTrafficForm::Tick);
}

TTrafficForm::~TTrafficForm() {
  poll_.stop();
  auto& forms = Forms();
  for (auto it = forms.begin(); it != forms.end();)
    it = (it.value() == this || !it.value()) ? forms.erase(it) : std::next(it);
}

void TTrafficForm::SetPollInterval(int ms) {
  poll_.setInterval(std::max(ms, 10));
}

void TTrafficForm::SetPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  if (pause_->isChecked() != paused) pause_->setChecked(paused);
  pause_->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
  if (paused) {
    poll_.stop();
    status_->setText(
        QStringLiteral("Paused at %1").arg(Clock(QDateTime::currentMSecsSinceEpoch())));
    return;
  }
  reader_.Restart();
  rates_->Break();
  errors_->Break();
  poll_.start();
  Tick();
}

void TTrafficForm::Tick() {
  if (paused_) return;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  rates_->Advance(now);
  errors_->Advance(now);
  try {
    if (!reader_.Read()) ++skipped_;
  } catch (const std::exception& error) {
    rates_->Break();
    errors_->Break();
    status_->setText(QString::fromUtf8(error.what()));
  }
}

void TTrafficForm::Show(const ZnPortReading& reading) {
  if (paused_) return;  // read before the pause: its rates belong to the old lines
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (!reading.Ok()) {
    rates_->Break();
    errors_->Break();
    status_->setText(
        lastAnswerMs_
            ? QStringLiteral("No answer since %1: %2").arg(Clock(lastAnswerMs_), reading.Message)
            : QStringLiteral("No answer: %1").arg(reading.Message));
    return;
  }
  lastAnswerMs_ = now;
  rates_->Append(now, {reading.InBits, reading.OutBits});
  errors_->Append(now, {reading.Errors, reading.Discards});

  QString line = QStringLiteral("Port %1").arg(port_);
  if (!reading.Description.isEmpty()) line += QStringLiteral(": ") + reading.Description;
  QStringList link;
  if (!reading.LinkStatus.isEmpty()) link << ZnLinkText(reading.LinkStatus);
  if (const QString speed = ZnSpeedText(reading.NwayStatus); !speed.isEmpty()) link << speed;
  if (!link.isEmpty()) line += QStringLiteral(" — ") + link.join(QStringLiteral(", "));
  portLine_->setText(line);

  if (!reading.InBits || !reading.OutBits) {
    status_->setText(
        QStringLiteral("Read at %1; the rates follow from the next read").arg(Clock(now)));
    return;
  }
  status_->setText(
      QStringLiteral("Read at %1: receive %2, transmit %3")
          .arg(Clock(now), ZnBitRateText(*reading.InBits), ZnBitRateText(*reading.OutBits)));
}
