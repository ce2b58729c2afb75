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

 protected:
  QSplitterHandle* createHandle() override;
  void paintEvent(QPaintEvent* event) override;
};
