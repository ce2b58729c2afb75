// Orvanta: a two-channel measuring bench on the PC's sound card.

#include "app/Globals.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "app/SoundIdentity.h"
#include "app/RuntimeFolder.h"
#include "app/Translations.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/QuitSignals.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv) {
  // The program speaks the user's language when that is English, else its
  // Chinese original; --lang en|zh chooses. Qt's own dialogs follow. A wrong
  // option is told before anything needs a screen.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString error;
  const std::optional<QString> option = TakeLanguageOption(args, &error);
  // --no-plugin: the sound card, whatever plus.ini says (plus.ini stays).
  const bool noPlugin = TakeFlag(args, QStringLiteral("--no-plugin"));
  if (!error.isEmpty()) {
    std::fprintf(stderr, "ondrix: %s\n", qUtf8Printable(error));
    return 2;
  }
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(artwork);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/ondrix.png")));
  // The desktop finds the program's desktop file, name and icon by this.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(SoundIdentity::kId));
  const QString language = ChooseLanguage(option, QLocale::system().uiLanguages());
  InstallQtTranslations(language);
  if (!InstallTranslations(language, &error)) std::fprintf(stderr, "ondrix: %s\n", qUtf8Printable(error));
  // The program's files: beside it in a build or portable copy, else in the
  // per-user data folder, seeded on first start. A folder that cannot be
  // made leaves the program on its defaults: it says so once the window is
  // up, and every later save names its own failure.
  error.clear();
  g_appDir = PrepareRuntimeFolder(QApplication::applicationDirPath(), UserDataFolder(), &error);
  COndrixApp app;
  app.AllowPlugin(!noPlugin);
  if (!app.InitInstance()) return 1;
  const QuitSignals quitSignals([&app] { app.Frame()->CloseWithoutAsking(); });
  if (!error.isEmpty()) CurrentPrompts().ShowMessage(error);
  return QApplication::exec();
}
