#include "gui/COndrixApp.h"

#include "app/Globals.h"
#include "gui/AppTitle.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "display/COndrixView.h"

#include <QCoreApplication>
#include <QTimer>

COndrixApp::COndrixApp(std::unique_ptr<AudioInput> input) : input_(std::move(input)) {}

COndrixApp::~COndrixApp() {
  SetPrompts(nullptr);
  frame_.reset();
}

bool COndrixApp::InitInstance() {
  title_ = BuildAppTitle();
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Ondrix"));

  // The document, the frame, its panes and the view (whose first update
  // loads the settings before the control panel is made).
  doc_.OnNewDocument();
  frame_ = std::make_unique<CMainFrame>(std::move(input_));
  // The window's prompts before its panes: what their first updates say
  // (a repaired setting.ini or wavedata.ini) reaches the status line.
  prompts_ = std::make_unique<MessageBoxPrompts>(frame_.get(), title_);
  SetPrompts(prompts_.get());
  if (!frame_->OnCreate()) return false;

  frame_->setWindowTitle(title_);
  frame_->showMaximized();

  // The plug-in in use at the last Apply, else the sound card; the status
  // line tells why a plug-in was left out.
  const QString note = frame_->View()->StartInput(pluginAllowed_);
  // The panel disabled the rate slider for a plug-in that is not the input.
  if (!g_pluginEnabled) frame_->ControlPanel()->EnableSampleRateSlider(true);
  frame_->ControlPanel()->SyncSampleRateSlider();
  if (!note.isEmpty()) CurrentPrompts().ShowStatus(note);
  frame_->RefreshRecordAvailability();

  frame_->View()->setFocus();
  frame_->View()->StartDisplayTimer();
  // Once the window is up: recordings left unsaved by a program that ended,
  // then the file named on the command line (its questions come first).
  QTimer::singleShot(0, frame_.get(), [frame = frame_.get(), file = fileAtStart_] {
    frame->OfferLeftRecordings();
    if (!file.isEmpty()) frame->OpenWaveFile(file);
  });
  return true;
}
