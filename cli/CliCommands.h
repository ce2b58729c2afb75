#pragma once

// The commands of ondrix-cli and the options each takes: the one table the
// parser accepts options from and the help is written from, so that an
// option cannot exist without its help.

#include <QString>
#include <QStringList>

#include <span>

struct CliCommand {
  const char* name;      // "render"
  const char* synopsis;  // the arguments after the name
  const char* summary;   // one or two sentences (a CliText source)
};

struct CliOption {
  const char* name;      // "--at"
  const char* value;     // what follows it ("ELEMENT"), or nullptr for a flag
  const char* commands;  // the commands that take it, separated by spaces
  const char* help;      // one line (a CliText source)
};

std::span<const CliCommand> CliCommands();
std::span<const CliOption> CliOptions();

// The command called `name`, or nullptr.
const CliCommand* FindCliCommand(const QString& name);

// The entry of `option` for `command`, or nullptr when the command does not
// take it.
const CliOption* FindCliOption(const QString& command, const QString& option);

// The commands an option entry belongs to.
QStringList OptionCommands(const CliOption& option);
