#pragma once

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "support/FakeAudioInput.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// A sampling engine on a scripted sound card, with the globals reset and the
// messages to the user collected.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    ResetGlobals();
    engine.SetAudioInput(&input);
  }
  ~EngineTest() override { ResetGlobals(); }

  void UseFormat(int channels, int bits, int rate = 44100) {
    g_settings.channels = static_cast<uint16_t>(channels);
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    g_settings.sampleRate = rate;
  }

  // A 4096-byte block of 16-bit samples where element i holds f(i).
  template <typename F>
  static std::vector<uint8_t> Block16(F f) {
    std::vector<uint8_t> b(4096);
    for (int i = 0; i < 2048; ++i) {
      const int16_t v = static_cast<int16_t>(f(i));
      std::memcpy(&b[2 * i], &v, 2);
    }
    return b;
  }
  template <typename F>
  static std::vector<uint8_t> Block8(F f) {
    std::vector<uint8_t> b(4096);
    for (int i = 0; i < 4096; ++i) b[i] = static_cast<uint8_t>(f(i));
    return b;
  }

  RecordingPrompts prompts;
  FakeAudioInput input;
  SamplingEngine engine;
};
