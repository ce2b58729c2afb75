#pragma once

#include <QComboBox>

// A drop-down list drawn like an edit with a narrow arrow at its right, so
// that a list as narrow as a dialog template's (32 dialog units) still shows
// its whole entry: the style's own drop-down button would take half of it.
class CompactComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kArrowWidth = 9;

  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
