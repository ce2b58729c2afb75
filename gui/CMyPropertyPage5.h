#pragma once

#include "app/AudioDeviceChoice.h"
#include "gui/PropertyPage.h"

class AudioDevices;
class QComboBox;

// "其他" (dialog 109): the sound card's input and output device. Each list
// starts with the system's default, "(默认设备)", followed by the devices
// there are now; the lists follow devices plugged in or out while the page
// is open. A chosen device that is not there is listed as such and stays
// chosen. The choice is used and written to audiodevices.ini when the sheet
// closes with OK (Apply); Cancel changes nothing.
class CMyPropertyPage5 : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kInputDevice = 1100;
  static constexpr int kOutputDevice = 1101;

  explicit CMyPropertyPage5(QWidget* parent = nullptr);

  QComboBox* List(int id) const;
  // The devices the lists name now (ids; empty for the default).
  AudioDeviceChoice Selected() const;
  // Uses and saves the selected devices when they differ from the stored ones.
  void Apply();

 private:
  QComboBox* AddList(int id, const QString& label, int y);
  // Refills both lists, keeping what each names.
  void Fill();

  AudioDevices* devices_ = nullptr;  // g_view's; none without a view
  AudioDeviceChoice stored_;
  QComboBox* input_;
  QComboBox* output_;
};
