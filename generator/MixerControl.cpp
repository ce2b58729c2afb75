#include "generator/MixerControl.h"

#include "app/Prompts.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace {

// The mixer elements that stand for a line, in order of preference.
std::vector<std::string> DestinationElements(int32_t destinationType) {
  if (destinationType == kMixerDestinationSpeakers) return {"Master", "PCM"};
  return {};
}

std::vector<std::string> SourceElements(int32_t sourceType) {
  switch (sourceType) {
    case kMixerSourceLine:
      return {"Line", "Capture"};
    case kMixerSourceMicrophone:
      return {"Mic", "Capture"};
    default:
      return {};
  }
}

std::optional<std::string> FirstPresent(const MixerDevice& device, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (device.HasElement(name)) return name;
  }
  return std::nullopt;
}

}  // namespace

MixerControl::MixerControl() = default;

MixerControl::~MixerControl() { Close(); }

void MixerControl::Open(QObject* owner, int32_t destinationType, int32_t sourceType, uint32_t controlType) {
  Close();
  ownerWindow = owner;
  hMixer = CurrentMixerBackend().OpenDevice();
  if (!hMixer) return;

  // The source lines belong to the destination: without it there is no line.
  std::optional<std::string> line = FirstPresent(*hMixer, DestinationElements(destinationType));
  if (!line) return;
  if (sourceType != kMixerSourceNone) {
    line = FirstPresent(*hMixer, SourceElements(sourceType));
    if (!line) {
      CurrentPrompts().ShowMessage(QCoreApplication::translate("MixerControl", "GetLinInfo Resource faile!"));
      return;
    }
  }

  if (controlType != kMixerControlVolume) return;
  const std::optional<MixerVolumeInfo> volume = hMixer->FindVolume(*line);
  if (!volume || volume->channelCount == 0) return;
  controlName = volume->name;
  channelCount = volume->channelCount;
  controlId = volume->id;
  minimum = volume->minimum;
  maximum = volume->maximum;
}

void MixerControl::Close() {
  hMixer.reset();
  ForgetControl();
}

void MixerControl::ForgetControl() {
  controlName.clear();
  channelCount = 0;
  controlId = 0;
  minimum = 0;
  maximum = 0;
}

int32_t MixerControl::GetValues(int32_t& left, int32_t& right) {
  if (!hMixer) return -1;
  left = -1;
  right = -1;
  if (!HasControl()) return -1;
  std::vector<int32_t> values(channelCount);
  if (!hMixer->ReadVolume(controlId, values)) return -1;
  left = values[0];
  if (channelCount >= 2) right = values[1];
  return 1;
}

bool MixerControl::SetValues(int32_t left, int32_t right) {
  if (!hMixer || !HasControl()) return false;
  std::vector<int32_t> values(channelCount, right);
  values[0] = left;
  return hMixer->WriteVolume(controlId, values);
}
