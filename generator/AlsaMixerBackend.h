#pragma once

#include "generator/MixerBackend.h"

// The ALSA simple mixer of card "default" (on a desktop usually PulseAudio or
// PipeWire behind the pulse plug-in, else the first sound card). An element's
// volume is its playback volume where it has one, else its capture volume.
class AlsaMixerBackend : public MixerBackend {
 public:
  std::unique_ptr<MixerDevice> OpenDevice() override;
};
