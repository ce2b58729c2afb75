// Writes the setting.ini and wavedata.ini that ship in the runtime folder,
// holding the same defaults the program falls back to without them.

#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RUNTIME_DIR\n", argv[0]);
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QString error;
  if (!SaveSettingsRecord(dir.filePath("setting.ini"), DefaultSettings(), &error) ||
      !SaveGeneratorParams(dir.filePath("wavedata.ini"), DefaultGeneratorParams(), &error)) {
    std::fprintf(stderr, "%s\n", error.toUtf8().constData());
    return 1;
  }
  return 0;
}
