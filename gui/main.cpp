// Orvanta: a two-channel measuring bench on the PC's sound card.

#include "app/Globals.h"
#include "app/RuntimeFolder.h"
#include "gui/COndrixApp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

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
  // made leaves the program on its defaults; every later save names its
  // failure in a message box.
  QString error;
  g_appDir = PrepareRuntimeFolder(QApplication::applicationDirPath(), UserDataFolder(), &error);
  if (!error.isEmpty()) std::fprintf(stderr, "ondrix: %s\n", error.toLocal8Bit().constData());
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
