#include "gui/AnalysisWindow.h"

#include <QKeySequence>
#include <QShortcut>

AnalysisWindow::AnalysisWindow(int refreshMs, QWidget* parent) : QWidget(parent, Qt::Window) {
  timer_.setInterval(refreshMs);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  new QShortcut(QKeySequence::Close, this, this, &QWidget::close);
}

void AnalysisWindow::showEvent(QShowEvent*) {
  Shown();
  timer_.start();
}

void AnalysisWindow::hideEvent(QHideEvent*) { timer_.stop(); }
