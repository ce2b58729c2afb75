// The transfer function's plots as pixels: each value's line lands in its
// own plot, nothing is painted outside the rectangle asked for, and a
// wrapping phase is broken, not joined across the plot.
#include "display/TransferPlot.h"
#include "support/TestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

enum Trace { kMagnitude, kPhase, kCoherence, kTraces };

// The plots in pure colours, so a pixel tells which line it belongs to.
TransferPlotOptions PureColours(bool showCoherence) {
  TransferPlotOptions o;
  o.showCoherence = showCoherence;
  o.magnitude = QColor(0, 0, 255);
  o.phase = QColor(255, 0, 0);
  o.coherence = QColor(0, 255, 0);
  return o;
}

int TraceOf(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (b > 160 && r < 90 && g < 90) return kMagnitude;
  if (r > 160 && g < 90 && b < 90) return kPhase;
  if (g > 160 && r < 90 && b < 90) return kCoherence;
  return -1;
}

// A delay of `ms` with a gain of `db`, at bins of 10 Hz.
std::vector<TransferPoint> Delay(double ms, double db) {
  std::vector<TransferPoint> curve;
  for (double hz = 10; hz <= 24000; hz += 10)
    curve.push_back({hz, db, std::remainder(-360 * hz * ms / 1000, 360.0), 0.9});
  return curve;
}

TEST(TransferPlot, PaintsEachLineInItsPlotAndNothingOutside) {
  EnsureApplication();
  const QRect inside(40, 30, 700, 450);
  const struct {
    std::vector<TransferPoint> curve;
    bool showCoherence;
    bool expected[kTraces];
  } cases[] = {
      {Delay(0, -6), true, {true, true, true}},
      {Delay(0, -6), false, {true, true, false}},
      {{}, true, {false, false, false}},
  };
  for (const auto& c : cases) {
    QImage image(800, 520, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintTransferPlot(painter, inside, c.curve, PureColours(c.showCoherence));
    painter.end();
    bool seen[kTraces] = {};
    int rowsOf[kTraces][2] = {{9999, -1}, {9999, -1}, {9999, -1}};
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (!inside.contains(x, y)) {
          ASSERT_EQ(pixel, QColor(Qt::magenta).rgb()) << x << "," << y;
          continue;
        }
        const int t = TraceOf(pixel);
        if (t < 0) continue;
        seen[t] = true;
        rowsOf[t][0] = std::min(rowsOf[t][0], y);
        rowsOf[t][1] = std::max(rowsOf[t][1], y);
      }
    for (int t = 0; t < kTraces; ++t) EXPECT_EQ(seen[t], c.expected[t]) << t;
    // Flat lines, magnitude above phase above coherence.
    if (c.expected[kMagnitude] && c.expected[kPhase]) {
      EXPECT_LT(rowsOf[kMagnitude][1], rowsOf[kPhase][0]);
      EXPECT_LE(rowsOf[kPhase][1] - rowsOf[kPhase][0], 3);
    }
    if (c.expected[kCoherence]) {
      EXPECT_LT(rowsOf[kPhase][1], rowsOf[kCoherence][0]);
    }
  }
}

TEST(TransferPlot, WrappingPhaseIsNotJoinedAcrossThePlot) {
  EnsureApplication();
  // 0.1 ms wraps about a tenth as many times as the plot is wide in decades;
  // the lines between wraps are steep but short.
  const QImage image = TransferPlotImage(Delay(0.1, 0), QSize(1000, 600), PureColours(true));
  int longest = 0;
  for (int x = 0; x < image.width(); ++x) {
    int run = 0;
    for (int y = 0; y < image.height(); ++y) {
      run = TraceOf(image.pixel(x, y)) == kPhase ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  EXPECT_GT(longest, 0);
  // The phase plot is about 150 pixels high: a joined wrap would run it all.
  EXPECT_LT(longest, 100);
}

TEST(TransferPlot, CaptionRoundsTheDelayToMicrosecondsWithoutANegativeZero) {
  for (const auto& [seconds, text] : {std::pair{-2e-7, "0.000"}, std::pair{1.25e-3, "1.250"}, std::pair{-0.0105, "-10.500"}})
    EXPECT_TRUE(TransferCaption(seconds, 7).contains(QStringLiteral(" %1 ms").arg(text))) << TransferCaption(seconds, 7).toStdString();
}

}  // namespace
