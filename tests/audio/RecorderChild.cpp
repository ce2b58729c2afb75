// A program for the recorder's end-of-program tests: the real start-up in
// the runtime folder named on its command line, on the sound server its
// environment names, with Record pressed once the window is up. It prints
// "recording" when input has reached the recording, then runs until it is
// killed or told to quit (SIGTERM, SIGHUP) as the program is.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/COndrixView.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "gui/QuitSignals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  g_appDir = QString::fromLocal8Bit(argv[1]);
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  SetPrompts(nullptr);  // messages on stderr; questions answered Cancel
  const QuitSignals quitSignals([&app] { app.Frame()->CloseWithoutAsking(); });
  CMainFrame* frame = app.Frame();
  frame->RecordBar()->Button(IDC_RECORD)->click();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (frame->View()->Engine().RecBytes() == 0) return;
    std::puts("recording");
    std::fflush(stdout);
    poll.stop();
  });
  poll.start(10);
  return QApplication::exec();
}
