#include "gui/TrackBar.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
  setTickPosition(QSlider::NoTicks);
  setFocusPolicy(Qt::StrongFocus);
  if (orientation == Qt::Vertical) {
    setInvertedAppearance(true);
    setInvertedControls(true);
  }
}

void TrackBar::SetRange(int minimum, int maximum) {
  // Clamping the thumb into the new range is the program's doing too.
  const QSignalBlocker blocker(this);
  maximum = std::max(minimum, maximum);
  setRange(minimum, maximum);
  setPageStep(std::max(1, static_cast<int>((static_cast<long long>(maximum) - minimum) / 5)));
}

void TrackBar::SetPositionQuietly(int position) {
  const QSignalBlocker blocker(this);
  setValue(position);
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit captureReleased();
}
