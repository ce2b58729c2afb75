// The control panel of the frame tests opens a scripted mixer, never the
// machine's: "Master" and "Capture", as a PulseAudio server offers them.

#include "support/FakeMixerBackend.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ScriptedMixer : public ::testing::Environment {
 public:
  void SetUp() override {
    backend_ = std::make_unique<FakeMixerBackend>();
    backend_->Add("Master", 2, 40000);
    backend_->Add("Capture", 2, 30000);
  }
  void TearDown() override { backend_.reset(); }

 private:
  std::unique_ptr<FakeMixerBackend> backend_;
};

[[maybe_unused]] ::testing::Environment* const g_scriptedMixer =
    ::testing::AddGlobalTestEnvironment(new ScriptedMixer);

}  // namespace
