#pragma once

// The control panel as the frame makes it, after the view, on a scripted
// input, output and mixer, in a temporary runtime folder (also the current one).

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/TrackBar.h"
#include "support/ViewOnFakes.h"
#include "support/FakeMixerBackend.h"
#include "support/RecordingPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

class PanelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  PanelTest() {
    ResetGlobals();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    g_appDir = dir.path();
    settings = DefaultSettings();
    generator = DefaultGeneratorParams();
    mixer.Add("Master", 2, 40000);
    mixer.Add("Line", 2, 1000);
    mixer.Add("Mic", 1, 30000);
  }
  ~PanelTest() override {
    panel.reset();
    view.reset();
    QDir::setCurrent(previousDir);
    ResetGlobals();
  }

  // Writes `settings` and `generator` as setting.ini and wavedata.ini, then
  // makes the view and the panel and runs their initial updates.
  void Start() {
    ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), settings, nullptr));
    ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), generator, nullptr));
    view = MakeViewOnFakes(&input, &output);
    view->OnInitialUpdate();
    panel = std::make_unique<CBarTool>();
    panel->OnInitialUpdate();
    panel->SetLauncher([this](const QString& program, const QStringList& arguments) {
      launched << program + ' ' + arguments.join(' ');
      return false;
    });
  }

  TrackBar* Slider(int id) const { return panel->Slider(id); }
  QString Text(int id) const { return panel->Edit(id)->text(); }
  void Key(int id, Qt::Key key) { QTest::keyClick(panel->Control(id), key); }
  void Click(int id) { QTest::mouseClick(panel->Button(id), Qt::LeftButton); }
  // Types over the whole text of an edit, as the user would.
  void Type(int id, const QString& text) {
    QLineEdit* edit = panel->Edit(id);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  QTemporaryDir dir;
  QString previousDir;
  RecordingPrompts prompts;
  FakeMixerBackend mixer;
  SettingsRecord settings;
  GeneratorParams generator;
  FakeAudioInput* input = nullptr;
  FakeAudioOutput* output = nullptr;
  std::unique_ptr<COndrixView> view;
  std::unique_ptr<CBarTool> panel;
  QStringList launched;
};
