#include "gui/DistortionPlot.h"

#include "display/LogFrequencyAxis.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

constexpr int kLeftMargin = 44, kRightMargin = 14, kTopMargin = 16, kBottomMargin = 20;
constexpr double kLowHz = 20;

// The axes for `results` drawn into `plot`: 20 Hz .. R/2, 0 dBFS down to
// the floor of the full scale.
LogFrequencyAxis FrequencyAxisOf(const std::vector<DistortionResult>& results, const QRect& plot) {
  double rate = 44100;
  for (const DistortionResult& r : results)
    if (r.sampleRate > 0) rate = r.sampleRate;
  return {kLowHz, std::max(rate / 2, 2 * kLowHz), plot.left(), plot.width()};
}

DbAxis DbAxisOf(const std::vector<DistortionResult>& results, const QRect& plot) {
  double fullScale = 32768;
  for (const DistortionResult& r : results)
    if (r.fullScale > 0) fullScale = r.fullScale;
  return {0, SpectrumFloorDb(fullScale), plot.top(), plot.height()};
}

}  // namespace

DistortionPlot::DistortionPlot(QWidget* parent) : QWidget(parent), style_(WithTraceColours(ScreenStyle())) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QRect DistortionPlot::PlotRect() const {
  return rect().adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

void DistortionPlot::SetResults(std::vector<DistortionResult> results) {
  results_ = std::move(results);
  style_ = WithTraceColours(ScreenStyle());  // the trace colours may have been changed in the settings
  ReduceToColumns();
  update();
}

void DistortionPlot::resizeEvent(QResizeEvent*) { ReduceToColumns(); }

void DistortionPlot::ReduceToColumns() {
  columns_.clear();
  const LogFrequencyAxis axis = FrequencyAxisOf(results_, PlotRect());
  for (const DistortionResult& r : results_)
    columns_.push_back(r.ok && r.length > 0 ? ColumnPeaks(r.spectrumDbfs, r.sampleRate / r.length, axis)
                                            : std::vector<float>{});
}

const QImage& DistortionPlot::Background() {
  const QRect plot = PlotRect();
  const LogFrequencyAxis fx = FrequencyAxisOf(results_, plot);
  const DbAxis dy = DbAxisOf(results_, plot);
  BackgroundKey key{size(), fx.highHz, dy.bottomDb};
  for (const DistortionResult& r : results_)
    if (r.ok) {
      key.bandLowHz = std::max(r.bandLowHz, kLowHz);
      key.bandHighHz = std::min(r.bandHighHz, fx.highHz);
      break;
    }
  if (key == backgroundKey_ && !background_.isNull()) return background_;
  backgroundKey_ = key;
  background_ = QImage(size(), QImage::Format_RGB32);
  QPainter p(&background_);
  p.fillRect(background_.rect(), style_.background);
  // The analysis band, shaded behind the grid.
  if (key.bandHighHz > key.bandLowHz) {
    const double x0 = fx.XOf(key.bandLowHz), x1 = fx.XOf(key.bandHighHz);
    p.fillRect(QRectF(x0, plot.top(), x1 - x0, plot.height()), QColor(0, 0, 56));
  }
  p.setFont(style_.textFont);
  const QFontMetrics fm(style_.textFont);
  for (const double f : FrequencyTicks(fx.lowHz, fx.highHz)) {
    const int x = int(std::lround(fx.XOf(f)));
    p.setPen(style_.penGrid);
    p.drawLine(x, plot.top(), x, plot.bottom());
    p.setPen(style_.text);
    p.drawText(QRect(x - 30, plot.bottom() + 3, 60, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
               FrequencyTickLabel(f));
  }
  for (const double db : DbTicks(dy.topDb, dy.bottomDb, 20)) {
    const int y = int(std::lround(dy.YOf(db)));
    p.setPen(style_.penGrid);
    p.drawLine(plot.left(), y, plot.right(), y);
    p.setPen(style_.text);
    p.drawText(QRect(0, y - fm.height() / 2, plot.left() - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(db, 'f', 0));
  }
  p.setPen(style_.text);
  p.drawText(QRect(0, 0, plot.left() + 40, kTopMargin), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("dBFS"));
  p.setPen(style_.penFrame);
  p.drawRect(plot.adjusted(0, 0, -1, -1));
  return background_;
}

void DistortionPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect plot = PlotRect();
  if (plot.width() < 2 || plot.height() < 2) {
    p.fillRect(rect(), style_.background);
    return;
  }
  p.drawImage(0, 0, Background());
  const LogFrequencyAxis fx = FrequencyAxisOf(results_, plot);
  const DbAxis dy = DbAxisOf(results_, plot);
  p.setFont(style_.textFont);
  const QFontMetrics fm(style_.textFont);

  // The traces, one point per pixel column, clipped to the plot.
  p.setClipRect(plot);
  for (std::size_t ch = 0; ch < results_.size() && ch < columns_.size(); ++ch) {
    const QPen& pen = ch == 0 ? style_.ch1 : style_.ch2;
    const std::vector<float>& col = columns_[ch];
    QPolygonF line;
    auto flush = [&] {
      if (line.size() > 1) p.drawPolyline(line);
      line.clear();
    };
    p.setPen(pen);
    for (std::size_t c = 0; c < col.size(); ++c) {
      if (std::isnan(col[c])) {
        flush();
        continue;
      }
      line << QPointF(plot.left() + c, std::clamp(dy.YOf(col[c]), double(plot.top()), double(plot.bottom())));
    }
    flush();
    // The harmonics: the order above the trace's peak at each one the axis shows.
    const DistortionResult& r = results_[ch];
    for (const DistortionHarmonic& h : r.harmonics) {
      if (h.frequencyHz < fx.lowHz || h.frequencyHz > fx.highHz) continue;
      const double x = fx.XOf(h.frequencyHz);
      const double level = r.fundamentalDbfs + h.levelDbc;
      if (level < dy.bottomDb) continue;  // below the axis: nothing to point at
      const double y = std::max(dy.YOf(level), double(plot.top()));
      const int top = int(y) - 6 - fm.height() - int(ch) * fm.height();
      p.drawLine(QPointF(x, y - 2), QPointF(x, y - 6));
      p.drawText(QRect(int(x) - 15, std::max(top, plot.top()), 30, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                 QString::number(h.order));
    }
  }
}
