#pragma once

#include <QSplitter>

// A splitter with a flatter look: no frame, 4-px bars filled with the button
// colour, and the panes 4 px below the top, where an etched line (shadow at
// y = 0, highlight at y = 1) crosses a band of the button colour.
class CThinSplitterWnd : public QSplitter {
  Q_OBJECT

 public:
  static constexpr int kBarWidth = 4;
  static constexpr int kTopBand = 4;

  explicit CThinSplitterWnd(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

  // A dragged bar stops where the last pane would get less than `pixels`
  // across. Only the mouse is held back: a window too small for it lays the
  // panes out as any splitter does.
  void SetLastPaneDragMinimum(int pixels) { lastPaneDragMinimum_ = pixels; }
  int LastPaneDragMinimum() const { return lastPaneDragMinimum_; }

 protected:
  QSplitterHandle* createHandle() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int lastPaneDragMinimum_ = 0;
};
