#pragma once

#include "acquisition/AudioDevices.h"
#include "acquisition/AudioInput.h"
#include "generator/AudioOutput.h"

#include <memory>

// The platform's sound card: straight through the sound server's client
// library where the program was built with it (it follows a server that
// restarts and devices that come and go), else Qt Multimedia's backends.
std::unique_ptr<AudioInput> MakeSoundCardInput();
std::unique_ptr<AudioOutput> MakeSoundCardOutput();
// The devices of the same backend; lives as long as the application object.
AudioDevices& SoundCardDevices();
