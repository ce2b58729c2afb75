#include "gui/COndrixApp.h"

#include "app/Globals.h"
#include "gui/AppTitle.h"
#include "gui/CMainFrame.h"
#include "display/COndrixView.h"

#include <QCoreApplication>
#include <QSettings>

COndrixApp::COndrixApp(std::unique_ptr<AudioInput> input) : input_(std::move(input)) {}

COndrixApp::~COndrixApp() {
  SetPrompts(nullptr);
  frame_.reset();
}

void ReadPluginSettings(const QString& path) {
  QSettings plus(path, QSettings::IniFormat);
  g_pluginPath = plus.value(QStringLiteral("PLUS/Path"), QString()).toString();
  g_pluginEnabled = plus.value(QStringLiteral("PLUS/isPlus"), 0).toInt();
}

bool COndrixApp::InitInstance() {
  title_ = BuildAppTitle();
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Ondrix"));

  // The document, the frame, its panes and the view (whose first update
  // loads the settings before the control panel is made).
  doc_.OnNewDocument();
  frame_ = std::make_unique<CMainFrame>(std::move(input_));
  if (!frame_->OnCreate()) return false;
  prompts_ = std::make_unique<MessageBoxPrompts>(frame_.get(), title_);
  SetPrompts(prompts_.get());

  frame_->setWindowTitle(title_);
  frame_->showMaximized();

  ReadPluginSettings(AppFilePath(QStringLiteral("plus.ini")));
  // Plug-in sampling is not available yet: an enabled plug-in counts as one
  // that failed to load, and the sound card is used.
  if (g_pluginEnabled) g_pluginEnabled = 0;
  frame_->View()->OpenWaveIn();

  frame_->View()->setFocus();
  frame_->View()->StartDisplayTimer();
  return true;
}
