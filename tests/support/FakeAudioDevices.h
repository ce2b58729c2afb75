#pragma once

#include "acquisition/AudioDevices.h"

// Device lists the test sets; Plug() and Unplug() change them as a sound
// server would tell of a device plugged in or out.
class FakeAudioDevices : public AudioDevices {
 public:
  QList<AudioDevice> Inputs() const override { return inputs; }
  QList<AudioDevice> Outputs() const override { return outputs; }
  bool WaitForLists(int) override { return known; }

  void Plug(QList<AudioDevice>& list, const AudioDevice& device) {
    list.append(device);
    emit Changed();
  }
  void Unplug(QList<AudioDevice>& list, const QByteArray& id) {
    list.removeIf([&](const AudioDevice& d) { return d.id == id; });
    emit Changed();
  }

  QList<AudioDevice> inputs, outputs;
  bool known = true;
};
