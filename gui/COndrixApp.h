#pragma once

#include "acquisition/AudioInput.h"
#include "gui/COndrixDoc.h"
#include "gui/MessageBoxPrompts.h"

#include <QString>

#include <memory>

class CMainFrame;

// The program's start-up: title, document, main window, plug-in settings,
// the sound card and the display tick, in that order.
class COndrixApp {
 public:
  // `input` replaces the sound card (tests); null gives the Qt one.
  explicit COndrixApp(std::unique_ptr<AudioInput> input = nullptr);
  ~COndrixApp();

  // False: the start-up leaves plug-ins out, whatever plus.ini says (--no-plugin).
  void AllowPlugin(bool allowed) { pluginAllowed_ = allowed; }
  // A WAV file to open, as the Open command does, once the window is up.
  void OpenAtStart(const QString& path) { fileAtStart_ = path; }
  // Runs the start-up sequence; false when the main window cannot be made.
  bool InitInstance();

  const QString& Title() const { return title_; }
  CMainFrame* Frame() const { return frame_.get(); }
  COndrixDoc& Doc() { return doc_; }

 private:
  std::unique_ptr<AudioInput> input_;
  QString title_;
  COndrixDoc doc_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<MessageBoxPrompts> prompts_;
  bool pluginAllowed_ = true;
  QString fileAtStart_;
};
