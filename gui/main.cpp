// Orvanta: a two-channel measuring bench on the PC's sound card.

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
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
