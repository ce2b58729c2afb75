#pragma once

// The plots of a transfer function: magnitude (dB) above phase (degrees)
// above coherence, each against the same logarithmic frequency axis, painted
// into a rectangle of any QPainter (a widget, or an image for a PNG). Pure
// drawing: no state, no window.

#include "analysis/TransferFunction.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <span>

class QPainter;

// The plots' texts (axis titles) are translated in this context; a window
// showing the plots may share it.
struct TransferPlotText {
  Q_DECLARE_TR_FUNCTIONS(TransferPlot)
};

struct TransferPlotOptions {
  // The frequency axis; 0 takes the curve's own range, its low end widened
  // down to a 1-2-5 value.
  double lowHz = 0;
  double highHz = 0;
  // The magnitude axis in dB; equal values fit it to the curve in 10 dB
  // steps.
  double topDb = 0;
  double bottomDb = 0;
  // The third plot; without it magnitude and phase share the height.
  bool showCoherence = true;
  // A line above the plots (the delay, the averages), or none when empty.
  QString caption;

  QColor background = Qt::white;
  QColor text = Qt::black;
  QColor grid = QColor(0xd0, 0xd0, 0xd0);
  QColor magnitude = QColor(0x00, 0x50, 0xc0);
  QColor phase = QColor(0xc0, 0x30, 0x00);
  QColor coherence = QColor(0x00, 0x90, 0x40);
};

// Paints the plots filling `rect`: background, grids, axis numbers and
// titles, and the curve's lines (the phase broken where it wraps). An empty
// curve paints the axes alone.
void PaintTransferPlot(QPainter& painter, const QRectF& rect, std::span<const TransferPoint> curve,
                       const TransferPlotOptions& options = {});

// The caption the plots carry for a measurement: its delay in ms and the
// number of averages.
QString TransferCaption(double delaySeconds, long long averages);

// The plots as an image of `size` (32-bit RGB), for saving as a PNG.
QImage TransferPlotImage(std::span<const TransferPoint> curve, QSize size, const TransferPlotOptions& options = {});
