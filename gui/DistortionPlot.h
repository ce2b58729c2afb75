#pragma once

#include "analysis/Distortion.h"
#include "display/DisplayStyle.h"

#include <QImage>
#include <QWidget>

#include <vector>

// The spectrum of the analysed block in the measurement picture's look:
// dBFS over a logarithmic frequency axis from 20 Hz to half the sample rate,
// the analysis band shaded, each channel's harmonics marked with their order.
class DistortionPlot : public QWidget {
  Q_OBJECT

 public:
  explicit DistortionPlot(QWidget* parent = nullptr);

  // The figures of each channel shown (one or two; an entry that is not ok
  // draws no trace). Nothing: an empty plot.
  void SetResults(std::vector<DistortionResult> results);
  const std::vector<DistortionResult>& Results() const { return results_; }
  // The pixels the axes span (the rest holds their labels).
  QRect PlotRect() const;

  QSize sizeHint() const override { return {560, 360}; }
  QSize minimumSizeHint() const override { return {360, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The spectra reduced to the plot's pixel columns (again after a resize
  // or new results, not on every paint).
  void ReduceToColumns();
  // The frame, grid, labels and shaded band: drawn again only when the size,
  // the axes or the band change, not four times a second.
  const QImage& Background();

  struct BackgroundKey {
    QSize size;
    double highHz = 0, floorDb = 0, bandLowHz = 0, bandHighHz = 0;
    bool operator==(const BackgroundKey&) const = default;
  };
  BackgroundKey backgroundKey_;
  QImage background_;

  DisplayStyle style_;
  std::vector<DistortionResult> results_;
  std::vector<std::vector<float>> columns_;
};
