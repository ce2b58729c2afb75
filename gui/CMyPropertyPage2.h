#pragma once

#include "gui/PropertyPage.h"

#include <cstdint>

class QFrame;
class QPushButton;

// "曲线颜色" (dialog 106): a button per channel opens the colour dialog; the
// chosen colour is written to g_settings at once and shown in the sunken
// frame beside the button.
class CMyPropertyPage2 : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kCh1Button = 1010;
  static constexpr int kCh2Button = 1011;
  // Where each channel's colour is painted, in page pixels (right and bottom
  // exclusive: left 60, top 40, right 90, bottom 55 and so on).
  static constexpr QRect kCh1Swatch{60, 40, 30, 15};
  static constexpr QRect kCh2Swatch{60, 75, 30, 15};

  explicit CMyPropertyPage2(QWidget* parent = nullptr);

  QPushButton* Button(int id) const;
  QFrame* Frame(int index) const { return index == 0 ? ch1Frame_ : ch2Frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lets the user choose `field`'s new colour; Cancel changes nothing.
  void ChooseColor(uint32_t& field);

  QFrame* ch1Frame_;
  QFrame* ch2Frame_;
};
