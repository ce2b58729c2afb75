#include "cli/CliHelp.h"

#include "app/Version.h"
#include "cli/CliCommands.h"
#include "cli/CliText.h"

#include <QStringList>

namespace {

constexpr int kWidth = 79;
const QString kItemIndent = QStringLiteral("  ");
const QString kTextIndent = QStringLiteral("      ");

// `text` broken at spaces into lines of at most kWidth columns, each
// starting with `indent`. A word longer than a line keeps its own.
QString Wrapped(const QString& text, const QString& indent) {
  QString out, line = indent;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (line.size() > indent.size() && line.size() + 1 + word.size() > kWidth) {
      out += line + QLatin1Char('\n');
      line = indent;
    }
    if (line.size() > indent.size()) line += QLatin1Char(' ');
    line += word;
  }
  return out + line + QLatin1Char('\n');
}

QString Item(const QString& head, const QString& text) { return kItemIndent + head + QLatin1Char('\n') + Wrapped(text, kTextIndent); }

QString OptionHead(const CliOption& o) {
  return o.value ? QStringLiteral("%1 %2").arg(QLatin1String(o.name), QLatin1String(o.value)) : QLatin1String(o.name);
}

QString Synopsis(const CliCommand& c) {
  return QStringLiteral("%1 %2 [%3]...").arg(QLatin1String(c.name), QLatin1String(c.synopsis), CliText::tr("OPTION"));
}

// The options every command takes.
QString CommonOptions(bool forOneCommand) {
  return Item(QStringLiteral("--lang en|zh"),
              CliText::tr("the language of the messages, pictures and reports (else the user's UI language)")) +
         Item(QStringLiteral("-h, --help"), forOneCommand ? CliText::tr("print this help and exit")
                                                          : CliText::tr("print this help, or with a command that "
                                                                        "command's (as 'help COMMAND' does), and exit")) +
         (forOneCommand ? QString() : Item(QStringLiteral("--version"), CliText::tr("print the version and exit")));
}

QString ExitStatus() {
  return CliText::tr("Exit status:\n") +
         Item(QStringLiteral("0"), CliText::tr("success")) +
         Item(QStringLiteral("1"), CliText::tr("generate: the file was written but could not be played")) +
         Item(QStringLiteral("2"), CliText::tr("bad arguments, an input that cannot be read or measured, or an "
                                               "output that cannot be written; one line on stderr says why"));
}

}  // namespace

QString CliShortUsage() {
  return CliText::tr("Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...\n"
                     "Try 'ondrix-cli --help' for more information.\n");
}

QString CliHelp() {
  QString out = CliText::tr("Usage: ondrix-cli COMMAND ARGUMENT... [OPTION]...\n"
                            "  or:  ondrix-cli help [COMMAND]\n"
                            "  or:  ondrix-cli --help | --version\n") +
                Wrapped(CliText::tr("Measures WAV recordings and sampling plug-ins the way the Orvanta instrument "
                                    "does, without a window: measurements, spectra, pictures, CSV, reports, "
                                    "distortion, transfer functions and test signals."),
                        QString());
  out += QLatin1Char('\n') + CliText::tr("Commands:\n");
  for (const CliCommand& c : CliCommands()) {
    QStringList names;
    for (const CliOption& o : CliOptions())
      if (OptionCommands(o).contains(QLatin1String(c.name)) && !names.contains(QLatin1String(o.name)))
        names << QLatin1String(o.name);
    QString text = CliText::tr(c.summary);
    if (!names.isEmpty()) text += QLatin1Char(' ') + CliText::tr("Options: %1.").arg(names.join(QStringLiteral(", ")));
    out += Item(Synopsis(c), text);
  }
  out += QLatin1Char('\n') + CliText::tr("Options:\n");
  for (const CliOption& o : CliOptions())
    out += Item(OptionHead(o), QStringLiteral("(%1) %2").arg(OptionCommands(o).join(QStringLiteral(", ")),
                                                             CliText::tr(o.help)));
  out += CommonOptions(false);
  out += QLatin1Char('\n') + CliText::tr("Standard input and output:\n") +
         Wrapped(CliText::tr("A WAV file named - is read from standard input, and a named pipe likewise: whole, up "
                             "to 2 GiB. An output named - is written to standard output; a picture, a PDF or a WAV "
                             "file not to a terminal."),
                 kItemIndent);
  return out + QLatin1Char('\n') + ExitStatus();
}

QString CommandHelp(const QString& command) {
  const CliCommand* c = FindCliCommand(command);
  if (!c) return {};
  QString out = CliText::tr("Usage: ondrix-cli %1\n").arg(Synopsis(*c)) + Wrapped(CliText::tr(c->summary), QString());
  out += QLatin1Char('\n') + CliText::tr("Options:\n");
  for (const CliOption& o : CliOptions())
    if (OptionCommands(o).contains(command)) out += Item(OptionHead(o), CliText::tr(o.help));
  return out + CommonOptions(true);
}

QString CliVersion() {
  return VersionAnswer("ondrix-cli");
}
