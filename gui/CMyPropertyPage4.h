#pragma once

#include "gui/PropertyPage.h"

class QLineEdit;

// "逻辑电平校准" (dialog 108): the offset subtracted from every 16-bit input
// sample, -32000..32000, checked on every change of the edit's text; only an
// acceptable value is stored.
class CMyPropertyPage4 : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kOffset = 1009;
  static constexpr int kLimit = 32000;

  explicit CMyPropertyPage4(QWidget* parent = nullptr);

  QLineEdit* Edit() const { return offset_; }

  // The value last read from the edit.
  int offsetValue = 0;

 private:
  void OnOffsetChanged();

  QLineEdit* offset_;
};
