#pragma once

#include <QApplication>

// One QApplication per test binary, made on first use; offscreen unless the
// environment names another platform.
inline void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ondrix-test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}
