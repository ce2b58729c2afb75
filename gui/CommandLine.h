#pragma once

// The program's own command line: --lang, --no-plugin, --help, --version
// and one WAV file. Everything else that starts with a dash is Qt's
// (-platform, -style, ...) until Qt has taken its own options out.

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
  std::optional<QString> language;  // --lang en|zh
  bool noPlugin = false;            // --no-plugin
  bool help = false;                // --help
  bool version = false;             // --version
  QStringList rest;                 // the arguments left, in their order
  QString error;                    // one line for the user (exit status 2)
};

// Takes the program's own options out of `args` (the arguments after the
// program's name).
CommandLine ParseCommandLine(QStringList args);

// What is left once Qt took its options: the one file to open ("" for none),
// made absolute against the folder the program was started in. An unknown
// option or a second file sets `error` to one line.
QString FileToOpen(const QStringList& rest, QString* error);

// The usage, in the program's language (printed by --help).
QString HelpText();
// "ondrix 1.0" and the copyright line (printed by --version).
QString VersionText();
