#include "cli/CliOutput.h"

#include "cli/CliText.h"

#include <unistd.h>

QString TerminalRefusal(const QString& path) {
  if (path != QLatin1String("-") || !::isatty(STDOUT_FILENO)) return {};
  return CliText::tr("standard output is a terminal: redirect it to a file or a pipe");
}
