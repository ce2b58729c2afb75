#include "generator/AlsaMixerBackend.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// The mixer's values as the callers' 32-bit integers. The lower end stays at
// -INT32_MAX so that negating a bound (the sliders do) cannot overflow.
int32_t ToInt32(long value) {
  constexpr long kLimit = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(value, -kLimit, kLimit));
}

void IgnoreAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

// alsa-lib prints a screenful of configuration errors on a machine without a
// sound card; having no mixer is no error here, so it says nothing while
// alive. (The program uses ALSA from the GUI thread only.)
class QuietAlsa {
 public:
  QuietAlsa() : previous_(snd_lib_error) { snd_lib_error_set_handler(IgnoreAlsaDiagnostic); }
  ~QuietAlsa() { snd_lib_error_set_handler(previous_); }
  QuietAlsa(const QuietAlsa&) = delete;
  QuietAlsa& operator=(const QuietAlsa&) = delete;

 private:
  snd_lib_error_handler_t previous_;
};

// A volume control handed out by FindVolume: the element is looked up by
// name on every use, since handling the mixer's events may rebuild its list.
struct AlsaVolume {
  std::string element;
  bool playback = true;
  std::vector<snd_mixer_selem_channel_id_t> channels;
  long minimum = 0;
  long maximum = 0;
};

class AlsaMixerDevice : public MixerDevice {
 public:
  explicit AlsaMixerDevice(snd_mixer_t* handle) : handle_(handle) {}
  ~AlsaMixerDevice() override { snd_mixer_close(handle_); }
  AlsaMixerDevice(const AlsaMixerDevice&) = delete;
  AlsaMixerDevice& operator=(const AlsaMixerDevice&) = delete;

  bool HasElement(const std::string& name) const override { return Element(name) != nullptr; }

  std::optional<MixerVolumeInfo> FindVolume(const std::string& name) override {
    snd_mixer_elem_t* elem = Element(name);
    if (!elem) return std::nullopt;
    AlsaVolume volume;
    volume.element = name;
    // A playback volume is what the element adds to the output; an element
    // with only a capture volume (a recording source, or "Capture" of the
    // PulseAudio plug-in: the default source's volume) is set by that one.
    if (snd_mixer_selem_has_playback_volume(elem)) {
      volume.playback = true;
    } else if (snd_mixer_selem_has_capture_volume(elem)) {
      volume.playback = false;
    } else {
      return std::nullopt;
    }
    const bool mono = volume.playback ? snd_mixer_selem_is_playback_mono(elem) : snd_mixer_selem_is_capture_mono(elem);
    if (mono) {
      volume.channels.push_back(SND_MIXER_SCHN_MONO);
    } else {
      for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
        const auto channel = static_cast<snd_mixer_selem_channel_id_t>(c);
        const bool has = volume.playback ? snd_mixer_selem_has_playback_channel(elem, channel)
                                         : snd_mixer_selem_has_capture_channel(elem, channel);
        if (has) volume.channels.push_back(channel);
      }
    }
    const int rc = volume.playback ? snd_mixer_selem_get_playback_volume_range(elem, &volume.minimum, &volume.maximum)
                                   : snd_mixer_selem_get_capture_volume_range(elem, &volume.minimum, &volume.maximum);
    if (rc < 0 || volume.channels.empty() || volume.minimum > volume.maximum) return std::nullopt;

    MixerVolumeInfo info;
    info.name = snd_mixer_selem_get_name(elem);
    info.id = static_cast<uint32_t>(volumes_.size());
    info.channelCount = static_cast<uint32_t>(volume.channels.size());
    info.minimum = ToInt32(volume.minimum);
    info.maximum = ToInt32(volume.maximum);
    volumes_.push_back(std::move(volume));
    return info;
  }

  bool ReadVolume(uint32_t id, std::span<int32_t> values) override {
    // Take in changes other programs made since the last call.
    snd_mixer_handle_events(handle_);
    const AlsaVolume* volume = Volume(id, values.size());
    snd_mixer_elem_t* elem = volume ? Element(volume->element) : nullptr;
    if (!elem) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
      long value = 0;
      const int rc = volume->playback ? snd_mixer_selem_get_playback_volume(elem, volume->channels[i], &value)
                                      : snd_mixer_selem_get_capture_volume(elem, volume->channels[i], &value);
      if (rc < 0) return false;
      values[i] = ToInt32(value);
    }
    return true;
  }

  bool WriteVolume(uint32_t id, std::span<const int32_t> values) override {
    const AlsaVolume* volume = Volume(id, values.size());
    snd_mixer_elem_t* elem = volume ? Element(volume->element) : nullptr;
    if (!elem) return false;
    bool written = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
      // alsa-lib ignores a value out of range without saying so; the
      // nearest bound is what a caller asking for it means.
      const long value = std::clamp<long>(values[i], volume->minimum, volume->maximum);
      const int rc = volume->playback ? snd_mixer_selem_set_playback_volume(elem, volume->channels[i], value)
                                      : snd_mixer_selem_set_capture_volume(elem, volume->channels[i], value);
      if (rc < 0) written = false;
    }
    return written;
  }

 private:
  snd_mixer_elem_t* Element(const std::string& name) const {
    snd_mixer_selem_id_t* sid = nullptr;
    snd_mixer_selem_id_alloca(&sid);
    snd_mixer_selem_id_set_index(sid, 0);
    snd_mixer_selem_id_set_name(sid, name.c_str());
    snd_mixer_elem_t* elem = snd_mixer_find_selem(handle_, sid);
    return elem && snd_mixer_selem_is_active(elem) ? elem : nullptr;
  }

  const AlsaVolume* Volume(uint32_t id, std::size_t channelCount) const {
    if (id >= volumes_.size() || volumes_[id].channels.size() != channelCount) return nullptr;
    return &volumes_[id];
  }

  snd_mixer_t* handle_;
  std::vector<AlsaVolume> volumes_;
};

}  // namespace

std::unique_ptr<MixerDevice> AlsaMixerBackend::OpenDevice() {
  QuietAlsa quiet;
  snd_mixer_t* handle = nullptr;
  if (snd_mixer_open(&handle, 0) < 0) return nullptr;
  if (snd_mixer_attach(handle, "default") < 0 || snd_mixer_selem_register(handle, nullptr, nullptr) < 0 ||
      snd_mixer_load(handle) < 0) {
    snd_mixer_close(handle);
    return nullptr;
  }
  return std::make_unique<AlsaMixerDevice>(handle);
}
