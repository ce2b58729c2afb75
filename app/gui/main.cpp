// Orvanta: a two-channel measuring bench on the PC's sound card.

#include "app/gui/COndrixApp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(artwork);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/ondrix.png")));
  COndrixApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
