#pragma once

#include <QSlider>

// A slider that behaves like a trackbar: no tick marks, a page of a fifth of
// the range, and a vertical one has its minimum at the top (the Up and Page
// Up keys move towards it). It tells when the mouse lets go of it, after a
// drag of the thumb or a click on the channel.
class TrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  // A maximum below the minimum is taken as the minimum. Reports nothing,
  // also when the thumb has to move into the new range.
  void SetRange(int minimum, int maximum);
  // Moves the thumb without reporting a change: the program's own doing.
  void SetPositionQuietly(int position);

 signals:
  void captureReleased();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
