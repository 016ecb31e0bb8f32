#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QChart;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// A strip chart of rates over the last ten minutes of desktop time: one line per quantity,
// points appended as readings come and dropped once they are older than the kept span. A line
// broken by a missing reading goes on as a new segment of the same colour, so a silent switch
// leaves a gap rather than a straight line across it.
//
// Bit rates are shown in the unit that suits the largest kept value (bit/s, kbit/s, Mbit/s,
// Gbit/s); the points are rescaled only when that unit changes. The time axis shows whole
// minutes and moves once a minute, so a new point repaints the lines, not the whole layout.
class ZnRateChart : public QChartView {
 public:
  enum class Scale { Bits, Frames };
  struct Line {
    QString Name;
    QColor Colour;
  };

  static constexpr qint64 kKeptMs = 10 * 60 * 1000;

  ZnRateChart(const QString& title, Scale scale, const QList<Line>& lines,
              QWidget* parent = nullptr);
  ~ZnRateChart() override;

  // One point per line at `msecs` (milliseconds since the epoch) in bits or frames per second;
  // a missing value breaks its line there.
  void Append(qint64 msecs, const QList<std::optional<double>>& values);
  // Every line breaks: the next point of each starts a new segment.
  void Break();
  // The time axis ends just after `msecs`; points older than the kept span go.
  void Advance(qint64 msecs);

  int LineCount() const { return static_cast<int>(lines_.size()); }
  // The kept points of a line in bits or frames per second, oldest first, over all segments.
  QList<QPointF> Points(int line) const;
  // Segments of a line that hold points.
  int Segments(int line) const;
  // The unit of the value axis ("Mbit/s", "frames/s").
  QString UnitText() const;
  QValueAxis* ValueAxis() const { return valueAxis_; }
  QDateTimeAxis* TimeAxis() const { return timeAxis_; }

 private:
  struct LineState {
    QColor colour;
    std::deque<QLineSeries*> segments;  // oldest first; the last one grows
    bool broken = true;                 // the next point starts a segment
  };

  QLineSeries* NewSegment(LineState& line);
  void DropOld(qint64 oldest);
  // Picks the unit for the largest kept value and sets the value axis' range.
  void Rescale();
  double MaxKept() const;

  Scale scale_;
  QChart* chart_ = nullptr;
  QValueAxis* valueAxis_ = nullptr;
  QDateTimeAxis* timeAxis_ = nullptr;
  std::vector<LineState> lines_;
  double factor_ = 1;  // base units per shown unit
  double shownTop_ = -1;
  qint64 axisStart_ = -1;
};
