// The table of commands and options against the parsers and the help: an
// option is taken by exactly the commands the table gives it, and the help
// names every one of them.

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliHelp.h"
#include "cli/GenerateCommand.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {

// A value each option takes; an option missing here fails the test below.
const QMap<QString, QString> kValues = {
    {"--at", "4"},          {"--edge", "falling"},  {"--level", "7"},        {"--gain", "3"},
    {"--mode", "freq"},     {"--size", "1200x700"}, {"--settings", "s.ini"}, {"--length", "4096"},
    {"--fundamental", "1000"}, {"--harmonics", "5"}, {"--band", "full"},     {"--channel", "1"},
    {"--fft", "4096"},      {"--smoothing", "1/3"}, {"--csv", "o.csv"},      {"--png", "o.png"},
    {"--left", "square"},   {"--right", "sine"},    {"--left-freq", "500"},  {"--right-freq", "600"},
    {"--left-peak", "100"}, {"--right-peak", "200"}, {"--rise", "50"},       {"--rate", "48000"},
    {"--channels", "1"},    {"--play", "1"},
};

// The positional arguments `command` takes.
QStringList Files(const QString& command) {
  if (command == "render" || command == "csv" || command == "report") return {"a.wav", "out"};
  return {"a.wav"};
}

// Parses `command` with `option` (and its value): the plug-in's options come
// as the three of them, without the WAV file.
bool Accepted(const QString& command, const QString& option, QString* error) {
  const bool plugin = option == "--plugin" || (command != "generate" && (option == "--rate" || option == "--channels"));
  QStringList args = plugin ? QStringList{"--plugin", "p.so", "--rate", "8000", "--channels", "1"} : QStringList{option};
  if (plugin && command == "render") args.prepend("out.png");
  if (!plugin) {
    if (kValues.contains(option)) args << kValues[option];
    args = Files(command) + args;
  }
  if (command == "generate") return ParseGenerateArguments(args, DefaultGeneratorParams(), error).has_value();
  return ParseCliArguments(QStringList{command} + args, error).has_value();
}

}  // namespace

TEST(CliOptionTable, EachCommandTakesExactlyItsOptions) {
  QStringList names;
  for (const CliOption& o : CliOptions()) names << QString::fromLatin1(o.name);
  names.removeDuplicates();
  for (const CliCommand& c : CliCommands()) {
    const QString command = QString::fromLatin1(c.name);
    for (const QString& option : names) {
      const CliOption* entry = FindCliOption(command, option);
      if (entry && entry->value) {
        ASSERT_TRUE(kValues.contains(option) || option == "--plugin") << option.toStdString();
      }
      QString error;
      EXPECT_EQ(Accepted(command, option, &error), entry != nullptr)
          << command.toStdString() << " " << option.toStdString() << ": " << error.toStdString();
      if (!entry) {
        EXPECT_TRUE(error.contains("does not belong")) << error.toStdString();
      }
    }
  }
}

TEST(CliOptionTable, TheHelpNamesEveryCommandAndOption) {
  const QString help = CliHelp();
  EXPECT_TRUE(help.startsWith("Usage: ondrix-cli ")) << help.toStdString();
  for (const CliCommand& c : CliCommands()) {
    const QString synopsis = QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.synopsis));
    EXPECT_TRUE(help.contains("\n  " + synopsis)) << synopsis.toStdString();
    EXPECT_TRUE(CommandHelp(c.name).startsWith("Usage: ondrix-cli " + synopsis)) << c.name;
  }
  for (const CliOption& o : CliOptions()) {
    const QString head = o.value ? QStringLiteral("%1 %2").arg(QLatin1String(o.name), QLatin1String(o.value))
                                 : QString::fromLatin1(o.name);
    EXPECT_TRUE(help.contains("\n  " + head + "\n")) << head.toStdString();
    for (const QString& command : OptionCommands(o))
      EXPECT_TRUE(CommandHelp(command).contains("\n  " + head + "\n")) << command.toStdString() << " " << o.name;
  }
  for (const char* common : {"--lang en|zh", "-h, --help", "--version"})
    EXPECT_TRUE(help.contains(QStringLiteral("\n  %1\n").arg(QLatin1String(common)))) << common;
  EXPECT_TRUE(CommandHelp("nonsense").isEmpty());
}
