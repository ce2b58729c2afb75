#pragma once

#include "display/TransferPlot.h"

#include <QWidget>

#include <vector>

// The transfer-function plots of the live window: holds the curve shown and
// paints it with the shared painter.
class TransferPlotWidget : public QWidget {
  Q_OBJECT

 public:
  explicit TransferPlotWidget(QWidget* parent = nullptr);

  void SetCurve(std::vector<TransferPoint> curve);
  const std::vector<TransferPoint>& Curve() const { return curve_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TransferPoint> curve_;
};
