#pragma once

#include "app/Globals.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "support/FakeAudioInput.h"
#include "support/RecordingPrompts.h"
#include "support/TestApplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The artwork is compiled into the library; its images need registering.
inline void RegisterArtwork() { Q_INIT_RESOURCE(artwork); }

// The whole program for window tests: the real start-up on a scripted sound
// card, in a temporary runtime folder. Once the window is up, messages and
// file dialogs are answered by `prompts`.
class RunningProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
    RegisterArtwork();
  }
  RunningProgram() {
    ResetGlobals();
    g_appDir = dir.path();
  }
  ~RunningProgram() override {
    prompts.reset();
    app.reset();
    ResetGlobals();
  }

  // Runs the start-up, with a file to open once the window is up as the
  // command line gives it; a failed start-up fails the test.
  void Start(const QString& fileAtStart = {}) {
    auto fake = std::make_unique<FakeAudioInput>();
    input = fake.get();
    app = std::make_unique<COndrixApp>(std::move(fake));
    app->OpenAtStart(fileAtStart);
    ASSERT_TRUE(app->InitInstance());
    frame = app->Frame();
    prompts = std::make_unique<RecordingPrompts>();
  }

  QTemporaryDir dir;
  std::unique_ptr<COndrixApp> app;
  std::unique_ptr<RecordingPrompts> prompts;
  CMainFrame* frame = nullptr;
  FakeAudioInput* input = nullptr;
};
