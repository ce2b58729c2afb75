// Orvanta: a two-channel measuring bench on the PC's sound card.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "app/RuntimeFolder.h"
#include "gui/COndrixApp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(artwork);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/ondrix.png")));
  // The program speaks Chinese; so do Qt's own dialogs (files, printing).
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  // The program's files: beside it in a build or portable copy, else in the
  // per-user data folder, seeded on first start. A folder that cannot be
  // made leaves the program on its defaults: it says so once the window is
  // up, and every later save names its own failure.
  QString error;
  g_appDir = PrepareRuntimeFolder(QApplication::applicationDirPath(), UserDataFolder(), &error);
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  if (!error.isEmpty()) CurrentPrompts().ShowMessage(error);
  return QApplication::exec();
}
