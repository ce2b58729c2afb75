#pragma once

#include "gui/PropertyPage.h"

class QComboBox;

// "采样参数" (dialog 105): the input's channels, sample rate and sample width
// as three drop-down lists. A selection is written to g_settings at once; the
// input is reopened in the new format only when the sheet closes with OK.
class CMyPropertyPage1 : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kChannels = 1003;
  static constexpr int kSampleRate = 1004;
  static constexpr int kBits = 1005;

  explicit CMyPropertyPage1(QWidget* parent = nullptr);

  QComboBox* List(int id) const;

 private:
  QComboBox* AddList(int id, const QStringList& items, int y);

  QComboBox* channels_;
  QComboBox* sampleRate_;
  QComboBox* bits_;
};
