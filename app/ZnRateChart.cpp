#include "ZnRateChart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

struct Unit {
  double factor;
  const char* name;
};
constexpr Unit kBitUnits[] = {{1, "bit/s"}, {1e3, "kbit/s"}, {1e6, "Mbit/s"}, {1e9, "Gbit/s"}};
constexpr qint64 kMinuteMs = 60 * 1000;

// The smallest of 1, 2, 2.5, 5 times a power of ten that is at least `value`: a top of the value
// axis whose ticks fall on round numbers.
double NiceTop(double value) {
  if (value <= 0) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (step * power >= value * (1 - 1e-9)) return step * power;
  return 10 * power;
}

}  // namespace

ZnRateChart::ZnRateChart(const QString& title, Scale scale, const QList<Line>& lines,
                         QWidget* parent)
    // Built with its chart: a view made without one makes a chart of its own, which it would
    // not delete once replaced.
    : QChartView(new QChart, parent), scale_(scale) {
  chart_ = chart();  // owned by the view
  chart_->setTitle(title);
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignTop);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  chart_->setBackgroundRoundness(0);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(320, 180);

  timeAxis_ = new QDateTimeAxis;
  timeAxis_->setFormat(QStringLiteral("hh:mm"));
  timeAxis_->setTitleText(QStringLiteral("Time"));
  timeAxis_->setTickCount(12);  // eleven minutes: every whole minute
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  valueAxis_ = new QValueAxis;
  valueAxis_->setMin(0);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);

  for (const Line& line : lines) {
    LineState state;
    state.colour = line.Colour;
    // A series without points stands for the line in the legend; the segments that carry the
    // points have no legend entries of their own.
    auto* legend = new QLineSeries;
    legend->setName(line.Name);
    legend->setColor(line.Colour);
    chart_->addSeries(legend);
    legend->attachAxis(timeAxis_);
    legend->attachAxis(valueAxis_);
    lines_.push_back(state);
  }
  Rescale();
  Advance(QDateTime::currentMSecsSinceEpoch());
}

ZnRateChart::~ZnRateChart() = default;

QLineSeries* ZnRateChart::NewSegment(LineState& line) {
  auto* series = new QLineSeries;
  QPen pen(line.colour);
  pen.setWidthF(1.5);
  series->setPen(pen);
  chart_->addSeries(series);
  series->attachAxis(timeAxis_);
  series->attachAxis(valueAxis_);
  for (QLegendMarker* marker : chart_->legend()->markers(series)) marker->setVisible(false);
  line.segments.push_back(series);
  line.broken = false;
  return series;
}

void ZnRateChart::Append(qint64 msecs, const QList<std::optional<double>>& values) {
  for (size_t k = 0; k < lines_.size(); ++k) {
    LineState& line = lines_[k];
    const std::optional<double> value =
        k < static_cast<size_t>(values.size()) ? values[static_cast<qsizetype>(k)] : std::nullopt;
    if (!value || !std::isfinite(*value)) {
      line.broken = true;
      continue;
    }
    const double v = std::max(0.0, *value);
    QLineSeries* series = line.broken ? NewSegment(line) : line.segments.back();
    series->append(static_cast<qreal>(msecs), v / factor_);
  }
  // A scan of a few hundred points; the axis itself changes only when its top does.
  Rescale();
}

void ZnRateChart::Break() {
  for (LineState& line : lines_) line.broken = true;
}

void ZnRateChart::Advance(qint64 msecs) {
  DropOld(msecs - kKeptMs);
  // Whole minutes from the one before the oldest kept point to the one after now: the axis moves
  // once a minute, and its ticks fall on whole minutes.
  const qint64 start = (msecs - kKeptMs) / kMinuteMs * kMinuteMs;
  if (start != axisStart_) {
    axisStart_ = start;
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(start),
                        QDateTime::fromMSecsSinceEpoch(start + 11 * kMinuteMs));
  }
}

void ZnRateChart::DropOld(qint64 oldest) {
  bool dropped = false;
  for (LineState& line : lines_) {
    while (!line.segments.empty()) {
      QLineSeries* first = line.segments.front();
      const int count = first->count();
      int old = 0;
      while (old < count && first->at(old).x() < static_cast<qreal>(oldest)) ++old;
      if (old == 0) break;
      dropped = true;
      const bool current = line.segments.size() == 1 && !line.broken;
      if (old < count || current) {
        first->removePoints(0, old);
        break;
      }
      chart_->removeSeries(first);
      delete first;
      line.segments.pop_front();
    }
  }
  if (dropped) Rescale();
}

double ZnRateChart::MaxKept() const {
  double top = 0;
  for (const LineState& line : lines_)
    for (const QLineSeries* series : line.segments)
      for (const QPointF& point : series->points()) top = std::max(top, point.y());
  return top * factor_;
}

void ZnRateChart::Rescale() {
  const double top = MaxKept();
  double factor = 1;
  QString unit = QStringLiteral("frames/s");
  if (scale_ == Scale::Bits) {
    const Unit* chosen = &kBitUnits[0];
    for (const Unit& u : kBitUnits)
      if (top >= u.factor) chosen = &u;
    // An idle or silent line reads in kbit/s rather than in a unit too small to mean anything.
    if (top < 1e3) chosen = &kBitUnits[1];
    factor = chosen->factor;
    unit = QString::fromLatin1(chosen->name);
  }
  if (factor != factor_) {
    const double by = factor_ / factor;
    for (LineState& line : lines_)
      for (QLineSeries* series : line.segments) {
        QList<QPointF> points = series->points();
        for (QPointF& point : points) point.setY(point.y() * by);
        series->replace(points);
      }
    factor_ = factor;
  }
  const double shown = NiceTop(top / factor * 1.05);
  if (shown != shownTop_) {
    shownTop_ = shown;
    valueAxis_->setRange(0, shown);
    // Four or five intervals on round numbers, labelled with as many decimals as the step
    // needs: 0, 2, 4, ..., 10; 0, 5, ..., 20; 0, 0.5, ..., 2.5; 0, 1, ..., 5.
    const double power = std::pow(10.0, std::floor(std::log10(shown)));
    const double mantissa = shown / power;
    const int ticks = std::abs(mantissa - 2) < 1e-9 ? 5 : 6;
    const double step = shown / (ticks - 1);
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    valueAxis_->setTickCount(ticks);
    valueAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
  }
  valueAxis_->setTitleText(unit);
}

QList<QPointF> ZnRateChart::Points(int line) const {
  QList<QPointF> points;
  if (line < 0 || line >= LineCount()) return points;
  for (const QLineSeries* series : lines_[static_cast<size_t>(line)].segments)
    for (const QPointF& point : series->points()) points.append({point.x(), point.y() * factor_});
  return points;
}

int ZnRateChart::Segments(int line) const {
  if (line < 0 || line >= LineCount()) return 0;
  int count = 0;
  for (const QLineSeries* series : lines_[static_cast<size_t>(line)].segments)
    count += series->count() > 0;
  return count;
}

QString ZnRateChart::UnitText() const {
  return valueAxis_->titleText();
}
