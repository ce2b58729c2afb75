#include "gui/TransferPlotWidget.h"

#include <QPainter>

TransferPlotWidget::TransferPlotWidget(QWidget* parent) : QWidget(parent) {
  setMinimumSize(480, 300);
  // The painter fills every pixel.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TransferPlotWidget::SetCurve(std::vector<TransferPoint> curve) {
  curve_ = std::move(curve);
  update();
}

void TransferPlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintTransferPlot(painter, rect(), curve_);
}
