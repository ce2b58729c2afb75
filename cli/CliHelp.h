#pragma once

// What `ondrix-cli --help`, `ondrix-cli CMD --help` and `--version` print,
// written from the table of commands and options. The whole usage is also
// the source of the manual page, so it keeps help2man's shape: a "Usage:"
// line, sections, items indented with their text below them.

#include <QString>

QString CliHelp();

// The help of one command; empty when there is no such command.
QString CommandHelp(const QString& command);

// The short usage written to stderr when no command is given.
QString CliShortUsage();

QString CliVersion();
