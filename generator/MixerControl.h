#pragma once

#include "generator/MixerBackend.h"

#include <cstdint>
#include <memory>
#include <string>

class QObject;

// The mixer's line and control types, with the values the callers pass.
constexpr int32_t kMixerDestinationSpeakers = 4;
constexpr int32_t kMixerSourceNone = -1;  // the destination line itself
constexpr int32_t kMixerSourceLine = 4098;
constexpr int32_t kMixerSourceMicrophone = 4099;
constexpr uint32_t kMixerControlVolume = 1342373889;

// One volume control of the sound card's mixer, for a slider to read and set.
// The lines are elements of the system's mixer (CurrentMixerBackend()):
// the speakers destination is "Master", else "PCM"; the line source is
// "Line", else "Capture"; the microphone source is "Mic", else "Capture".
//
// Without a mixer device every operation does nothing and the bounds stay 0.
// With a device but no control, reads fail (both values -1) and writes do
// nothing. The device is closed by Close() or when the object goes away.
class MixerControl {
 public:
  MixerControl();
  virtual ~MixerControl();
  MixerControl(const MixerControl&) = delete;
  MixerControl& operator=(const MixerControl&) = delete;

  // Opens the mixer and finds the volume control of the line: the
  // destination of `destinationType`, or its source of `sourceType` unless
  // that is kMixerSourceNone. A source that the card does not have is
  // reported ("GetLinInfo Resource faile!"); nothing else is. Closes a device
  // opened before.
  void Open(QObject* owner, int32_t destinationType, int32_t sourceType, uint32_t controlType);
  void Close();

  // Reads the control: left = channel 0, right = channel 1 (stays -1 on a
  // one-channel line). 1 on success; -1 on failure, with both outputs -1
  // when a device is open and untouched when none is.
  int32_t GetValues(int32_t& left, int32_t& right);
  // Writes left to channel 0 and right to every other channel (a one-channel
  // line takes only left). False when nothing was written.
  bool SetValues(int32_t left, int32_t right);

  int32_t GetMinimum() const { return minimum; }
  int32_t GetMaximum() const { return maximum; }

  bool IsOpen() const { return hMixer != nullptr; }
  bool HasControl() const { return channelCount > 0; }
  const std::string& ControlName() const { return controlName; }
  uint32_t ChannelCount() const { return channelCount; }
  uint32_t ControlId() const { return controlId; }
  // The window the mixer belongs to (its notifications are not acted upon).
  QObject* OwnerWindow() const { return ownerWindow; }

 private:
  void ForgetControl();

  std::string controlName;
  uint32_t channelCount = 0;  // 0 while there is no control
  uint32_t controlId = 0;
  QObject* ownerWindow = nullptr;
  int32_t minimum = 0;
  int32_t maximum = 0;
  std::unique_ptr<MixerDevice> hMixer;
};
