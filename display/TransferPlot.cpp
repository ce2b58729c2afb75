#include "display/TransferPlot.h"

#include "analysis/Decibels.h"
#include "display/LogFrequencyAxis.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The 1-2-5 value (1, 2, 5, 10, 20, ...) at or below `hz`.
double Step125Below(double hz) {
  const double decade = std::pow(10.0, std::floor(std::log10(hz)));
  for (const double step : {5.0, 2.0})
    if (step * decade <= hz * (1 + 1e-9)) return step * decade;
  return decade;
}

// Where a value lands in one plot: x from the log frequency, y from the
// plot's own range (top value at the top).
struct Axes {
  QRectF area;
  double lowHz, highHz, top, bottom;
  double X(double hz) const { return area.left() + area.width() * LogFraction(hz, lowHz, highHz); }
  double Y(double v) const { return area.top() + area.height() * (top - v) / (top - bottom); }
};

void FitMagnitude(std::span<const TransferPoint> curve, double lowHz, double highHz, double* top, double* bottom) {
  double most = -1e300, least = 1e300;
  for (const TransferPoint& p : curve)
    if (p.frequencyHz >= lowHz && p.frequencyHz <= highHz && p.magnitudeDb > kDecibelFloor) {
      most = std::max(most, p.magnitudeDb);
      least = std::min(least, p.magnitudeDb);
    }
  if (most < least) most = 10, least = -50;
  *top = std::ceil(most / 10 + 1e-9) * 10;
  *bottom = std::max(std::floor(least / 10 - 1e-9) * 10, *top - 200);
  if (*top - *bottom < 20) *bottom = *top - 20;
}

// The grid and numbers of one plot: horizontal lines every `step` from
// bottom to top, vertical lines at the frequency ticks, and the title.
void PaintFrame(QPainter& p, const Axes& a, double step, const QString& title, bool frequencyNumbers,
                const TransferPlotOptions& o) {
  const QFontMetricsF metrics(p.font());
  p.setPen(QPen(o.grid, 0));
  const bool fewDecades = std::log10(a.highHz / a.lowHz) < 2.5;
  for (double decade = std::pow(10.0, std::floor(std::log10(a.lowHz))); decade <= a.highHz; decade *= 10)
    for (int m = 1; m <= 9; ++m) {
      const double hz = m * decade;
      if (hz < a.lowHz * (1 - 1e-9) || hz > a.highHz * (1 + 1e-9)) continue;
      const double x = a.X(hz);
      p.setPen(QPen(o.grid, m == 1 ? 1.0 : 0.0));
      p.drawLine(QPointF(x, a.area.top()), QPointF(x, a.area.bottom()));
      if (frequencyNumbers && (m == 1 || (fewDecades && (m == 2 || m == 5)))) {
        p.setPen(o.text);
        const QString label = FrequencyTickLabel(hz);
        p.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2, a.area.bottom() + metrics.ascent() + 2), label);
      }
    }
  for (double v = a.bottom; v <= a.top + 1e-9; v += step) {
    const double y = a.Y(v);
    p.setPen(QPen(o.grid, 0));
    p.drawLine(QPointF(a.area.left(), y), QPointF(a.area.right(), y));
    p.setPen(o.text);
    const QString label = QString::number(v, 'g', 4);
    p.drawText(QPointF(a.area.left() - metrics.horizontalAdvance(label) - 4, y + metrics.ascent() / 2 - 1), label);
  }
  p.setPen(o.text);
  p.drawText(QPointF(a.area.left() + 4, a.area.top() + metrics.ascent() + 2), title);
  p.setPen(QPen(o.text, 0));
  p.drawRect(a.area);
}

// One value of the curve as a line over the plot, broken where `value`
// gives nothing (NaN) or jumps by more than `breakJump`. At the top of a log
// axis hundreds of points share a pixel column: each column is drawn as its
// first point, its lowest and highest value and its last point, which looks
// the same and keeps a ragged curve (noise, a device without excitation)
// from costing the stroker seconds. A curve of more points than the plot
// has pixel columns is drawn as a hairline, which the rasterizer draws
// several times faster than a wider pen; a sparser one (smoothed) is bolder.
template <typename Value>
void PaintLine(QPainter& p, const Axes& a, std::span<const TransferPoint> curve, Value value, double breakJump,
               const QColor& colour) {
  p.save();
  p.setClipRect(a.area);
  const auto shown = std::count_if(curve.begin(), curve.end(), [&](const TransferPoint& point) {
    return point.frequencyHz >= a.lowHz && point.frequencyHz <= a.highHz;
  });
  p.setPen(QPen(colour, shown > a.area.width() ? 1.0 : 1.5));
  QPolygonF run;
  // The pixel column being gathered: its lowest and highest y and last point.
  double column = std::nan(""), low = 0, high = 0;
  QPointF last;
  const auto closeColumn = [&] {
    if (std::isnan(column)) return;
    if (run.back() != QPointF(last.x(), low)) run << QPointF(last.x(), low);
    if (high != low) run << QPointF(last.x(), high);
    if (last.y() != high) run << last;
    column = std::nan("");
  };
  const auto endRun = [&] {
    closeColumn();
    if (run.size() > 1) p.drawPolyline(run);
    run.clear();
  };
  double lastValue = 0;
  for (const TransferPoint& point : curve) {
    if (point.frequencyHz < a.lowHz || point.frequencyHz > a.highHz) continue;
    const double v = value(point);
    if (std::isnan(v)) {
      endRun();
      continue;
    }
    if (!run.isEmpty() && std::abs(v - lastValue) > breakJump) endRun();
    lastValue = v;
    const QPointF at(a.X(point.frequencyHz), a.Y(v));
    if (!std::isnan(column) && std::floor(at.x()) == column) {
      low = std::min(low, at.y());
      high = std::max(high, at.y());
      last = at;
      continue;
    }
    closeColumn();
    // Short polylines: the rasterizer's cost grows with the edges a scan
    // line crosses, so a long zigzag is drawn in pieces that join up.
    if (run.size() >= 16) {
      const QPointF joint = run.back();
      endRun();
      run << joint;
    }
    run << at;
    column = std::floor(at.x());
    low = high = at.y();
    last = at;
  }
  endRun();
  p.restore();
}

}  // namespace

void PaintTransferPlot(QPainter& painter, const QRectF& rect, std::span<const TransferPoint> curve,
                       const TransferPlotOptions& o) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect, o.background);
  QFont font = painter.font();
  font.setPixelSize(std::clamp(static_cast<int>(rect.height() / 45), 10, 16));
  painter.setFont(font);
  const QFontMetricsF metrics(font);

  // The frequency range: asked for, else the curve's, its low end widened
  // to a 1-2-5 step.
  double lowHz = o.lowHz, highHz = o.highHz;
  if (!(lowHz > 0) || !(highHz > lowHz)) {
    lowHz = curve.empty() ? 20 : std::max(curve.front().frequencyHz, 1.0);
    highHz = curve.empty() ? 20000 : std::max(curve.back().frequencyHz, lowHz * 10);
    lowHz = Step125Below(lowHz);
  }
  double topDb = o.topDb, bottomDb = o.bottomDb;
  if (!(topDb > bottomDb)) FitMagnitude(curve, lowHz, highHz, &topDb, &bottomDb);

  // Room for the numbers left and below, the caption above.
  const double line = metrics.height();
  const double left = rect.left() + metrics.horizontalAdvance(QStringLiteral("-180")) + 10;
  const double right = rect.right() - metrics.horizontalAdvance(QStringLiteral("20k")) / 2 - 6;
  double top = rect.top() + line / 2 + 2;
  if (!o.caption.isEmpty()) {
    painter.setPen(o.text);
    painter.drawText(QPointF(left, rect.top() + metrics.ascent() + 2), o.caption);
    top += line;
  }
  const double bottom = rect.bottom() - 2 * line - 4;
  const double gap = line + 4;
  const double shares[] = {o.showCoherence ? 0.45 : 0.6, o.showCoherence ? 0.33 : 0.4, 0.22};
  const double usable = std::max(0.0, bottom - top - (o.showCoherence ? 2 : 1) * gap);
  const auto area = [&](int plot) {
    double y = top;
    for (int i = 0; i < plot; ++i) y += shares[i] * usable + gap;
    return QRectF(QPointF(left, y), QSizeF(std::max(1.0, right - left), std::max(1.0, shares[plot] * usable)));
  };

  const double dbStep = topDb - bottomDb > 100 ? 20 : topDb - bottomDb > 40 ? 10 : 5;
  const Axes magnitude{area(0), lowHz, highHz, topDb, bottomDb};
  const Axes phase{area(1), lowHz, highHz, 180, -180};
  const Axes coherence{area(2), lowHz, highHz, 1, 0};
  PaintFrame(painter, magnitude, dbStep, TransferPlotText::tr("幅度 (dB)"), false, o);
  PaintFrame(painter, phase, 90, TransferPlotText::tr("相位 (°)"), !o.showCoherence, o);
  if (o.showCoherence) PaintFrame(painter, coherence, 0.25, TransferPlotText::tr("相干"), true, o);

  const double nothing = std::nan("");
  PaintLine(painter, magnitude, curve,
            [&](const TransferPoint& p) { return p.magnitudeDb > kDecibelFloor ? p.magnitudeDb : nothing; }, 1e300,
            o.magnitude);
  PaintLine(painter, phase, curve,
            [&](const TransferPoint& p) { return p.magnitudeDb > kDecibelFloor ? p.phaseDeg : nothing; }, 180, o.phase);
  if (o.showCoherence)
    PaintLine(painter, coherence, curve, [](const TransferPoint& p) { return p.coherence; }, 1e300, o.coherence);

  painter.setPen(o.text);
  const QString axis = TransferPlotText::tr("频率 (Hz)");
  painter.drawText(QPointF(left + (right - left - metrics.horizontalAdvance(axis)) / 2, rect.bottom() - metrics.descent() - 2),
                   axis);
  painter.restore();
}

QString TransferCaption(double delaySeconds, long long averages) {
  // A delay that rounds to nothing reads 0.000, never -0.000.
  double ms = std::round(delaySeconds * 1e6) / 1000;
  if (ms == 0) ms = 0;
  return TransferPlotText::tr("延迟 %1 ms，%2 次平均").arg(ms, 0, 'f', 3).arg(averages);
}

QImage TransferPlotImage(std::span<const TransferPoint> curve, QSize size, const TransferPlotOptions& options) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(options.background);
  QPainter painter(&image);
  PaintTransferPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), curve, options);
  return image;
}
