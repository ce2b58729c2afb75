// ondrix-shots: the user guide's pictures, taken of the program's own window.
// scripts/screenshots.sh runs it from a copy of the runtime folder on a
// private X server, with a private sound server hearing a tone pair.
//
//   ondrix-shots [--lang en|zh] FOLDER
//
// writes the pictures (PNG) and the report's page (report.pdf) into FOLDER.

#include "app/Globals.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "app/RuntimeFolder.h"
#include "app/Translations.h"
#include "gui/COndrixApp.h"
#include "tools/screenshots/ShotCamera.h"
#include "tools/screenshots/ShotPrompts.h"
#include "tools/screenshots/ShotScript.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString error;
  const std::optional<QString> option = TakeLanguageOption(args, &error);
  if (!error.isEmpty() || args.size() != 1) {
    std::fprintf(stderr, "%s%susage: ondrix-shots [--lang en|zh] FOLDER\n", qUtf8Printable(error),
                 error.isEmpty() ? "" : "\n");
    return 2;
  }
  const QString folder = QDir(args.first()).absolutePath();
  if (!QDir(folder).exists()) {
    std::fprintf(stderr, "ondrix-shots: no folder %s\n", qUtf8Printable(folder));
    return 2;
  }

  QApplication application(argc, argv);
  Q_INIT_RESOURCE(artwork);
  const QString language = ChooseLanguage(option, QLocale::system().uiLanguages());
  InstallQtTranslations(language);
  if (!InstallTranslations(language, &error)) {
    std::fprintf(stderr, "ondrix-shots: %s\n", qUtf8Printable(error));
    return 1;
  }
  // Only ever a copy of the runtime folder: the settings, the generator's
  // values and the plug-in list the pictures change are the copy's.
  const QString exeDir = QApplication::applicationDirPath();
  if (QDir(LocateRuntimeFolder(exeDir, UserDataFolder())) != QDir(exeDir)) {
    std::fprintf(stderr, "ondrix-shots: run me from a copy of the runtime folder (build/bin)\n");
    return 2;
  }
  g_appDir = exeDir;

  // A message box at start-up (no sound server, say) would wait for a click
  // nobody gives: its text is told and it is closed.
  QStringList startupMessages;
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      startupMessages << box->text();
      std::fprintf(stderr, "ondrix-shots: at start-up the program said \"%s\"\n", qUtf8Printable(box->text()));
      box->done(QMessageBox::Ok);
    }
  });
  watchdog.start(200);
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  watchdog.stop();

  ShotPrompts prompts;
  SetPrompts(&prompts);
  ShotScript script(app.Frame(), &prompts, ShotCamera(folder), folder);
  const bool ok = startupMessages.isEmpty() && script.Run();
  SetPrompts(nullptr);
  return ok ? 0 : 1;
}
