// Orvanta: a two-channel measuring bench on the PC's sound card.

#include "app/Globals.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "app/SoundIdentity.h"
#include "app/RuntimeFolder.h"
#include "app/Translations.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CommandLine.h"
#include "gui/QuitSignals.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <cstdio>

namespace {

QString Language(const CommandLine& line) { return ChooseLanguage(line.language, QLocale::system().uiLanguages()); }

// --help and --version: the answer on stdout, before anything needs a
// screen. A failed write (a full disk, a closed pipe) is an error.
int Answer(const CommandLine& line, int argc, char** argv) {
  QString text = VersionText();
  if (line.help) {
    // The help is in the program's language; its texts need an application
    // object to find their translation, not a display.
    const QCoreApplication core(argc, argv);
    QString error;
    InstallTranslations(Language(line), &error);
    text = HelpText();
  }
  const QByteArray bytes = text.toUtf8();
  if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size()) &&
      std::fflush(stdout) == 0)
    return 0;
  std::perror("ondrix");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The program speaks its Chinese original under a Chinese locale, else
  // English; --lang en|zh chooses. Qt's own dialogs follow. A wrong
  // option is told before anything needs a screen.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const CommandLine line = ParseCommandLine(args);
  if (!line.error.isEmpty()) {
    std::fprintf(stderr, "ondrix: %s\n", qUtf8Printable(line.error));
    return 2;
  }
  if (line.help || line.version) return Answer(line, argc, argv);
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(artwork);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/ondrix.png")));
  // The desktop finds the program's desktop file, name and icon by this.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(SoundIdentity::kId));
  const QString language = Language(line);
  InstallQtTranslations(language);
  QString error;
  if (!InstallTranslations(language, &error)) std::fprintf(stderr, "ondrix: %s\n", qUtf8Printable(error));
  // Qt has taken its own options (-platform, -style, ...): what is left is
  // the file to open, or a mistake.
  error.clear();
  const QString file = FileToOpen(ParseCommandLine(QApplication::arguments().mid(1)).rest, &error);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "ondrix: %s\n", qUtf8Printable(error));
    return 2;
  }
  // The program's files: beside it in a build or portable copy, else in the
  // per-user data folder, seeded on first start. A folder that cannot be
  // made leaves the program on its defaults: it says so once the window is
  // up, and every later save names its own failure.
  g_appDir = PrepareRuntimeFolder(QApplication::applicationDirPath(), UserDataFolder(), &error);
  COndrixApp app;
  app.AllowPlugin(!line.noPlugin);
  app.OpenAtStart(file);
  if (!app.InitInstance()) return 1;
  const QuitSignals quitSignals([&app] { app.Frame()->CloseWithoutAsking(); });
  if (!error.isEmpty()) CurrentPrompts().ShowMessage(error);
  return QApplication::exec();
}
