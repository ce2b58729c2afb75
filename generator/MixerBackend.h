#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

// One volume control of a mixer element, as the device reports it.
struct MixerVolumeInfo {
  std::string name;           // the control's name as the mixer reports it
  uint32_t id = 0;            // identifies the control in ReadVolume / WriteVolume
  uint32_t channelCount = 0;  // channels of the element, at least 1
  int32_t minimum = 0;
  int32_t maximum = 0;
};

// One open mixer device: named elements (like "Master" or "Capture"), each
// with at most one volume control of one or more channels. Destroying the
// object closes the device.
class MixerDevice {
 public:
  virtual ~MixerDevice() = default;

  virtual bool HasElement(const std::string& name) const = 0;
  // The volume control of element `name`; none when the element is missing
  // or has no volume.
  virtual std::optional<MixerVolumeInfo> FindVolume(const std::string& name) = 0;
  // Reads or writes one value per channel of control `id`; `values` holds
  // exactly its channelCount values. False when the device refuses.
  virtual bool ReadVolume(uint32_t id, std::span<int32_t> values) = 0;
  virtual bool WriteVolume(uint32_t id, std::span<const int32_t> values) = 0;
};

// The system's mixer: opens its device on request.
class MixerBackend {
 public:
  virtual ~MixerBackend() = default;
  // The mixer device; null when the machine has none or it cannot be opened.
  virtual std::unique_ptr<MixerDevice> OpenDevice() = 0;
};

// The backend MixerControl opens its device from: the system's, unless a
// test installed another. Never null.
MixerBackend& CurrentMixerBackend();
// Installs `backend` (not owned); null restores the system's.
void SetMixerBackend(MixerBackend* backend);
