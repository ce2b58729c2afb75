// ondrix-cli: the instrument's measurements on WAV recordings, without a window.

#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "app/Language.h"
#include "app/Translations.h"
#include "cli/CliArguments.h"
#include "cli/CliInput.h"
#include "cli/CliHelp.h"
#include "cli/CliText.h"
#include "cli/CsvCommand.h"
#include "cli/DistortionCommand.h"
#include "cli/GenerateCommand.h"
#include "cli/RecordingFrame.h"
#include "cli/RenderCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ResponseCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QLoggingCategory>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

void Print(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

int Fail(const QString& message) {
  std::fprintf(stderr, "ondrix-cli: %s\n", OneLine(message).toUtf8().constData());
  return 2;
}

QString ChannelsText(int channels) { return channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo"); }

int Info(const QString& path, bool json) {
  const WavProbe probe = ProbeCliWav(path, false);
  if (!probe.ok) return Fail(QStringLiteral("%1: %2").arg(path, probe.reason));
  if (!probe.note.isEmpty()) PrintNote(probe.note);
  const WaveFormat& f = probe.layout.format;
  const quint64 frames = probe.layout.dataBytes / f.blockAlign;
  const double seconds = static_cast<double>(frames) / f.samplesPerSec;
  if (json) {
    const QJsonObject o{{"format", "PCM"},
                        {"bits", f.bitsPerSample},
                        {"channels", f.channels},
                        {"sample_rate", static_cast<double>(f.samplesPerSec)},
                        {"frames", static_cast<double>(frames)},
                        {"duration_s", seconds}};
    Print(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n");
    return 0;
  }
  Print(QStringLiteral("format: PCM %1-bit %2, %3 Hz\nframes: %4\nduration: %5 s\n")
            .arg(f.bitsPerSample)
            .arg(ChannelsText(f.channels))
            .arg(f.samplesPerSec)
            .arg(frames)
            .arg(seconds, 0, 'f', 3));
  return 0;
}

QJsonObject FrameHeader(long long at) {
  return {{"channels", g_settings.channels},
          {"sample_rate", g_settings.sampleRate},
          {"bits", g_settings.bitsPerSample},
          {"frame_start", at}};
}

// A value of CH2, or null when the file has one channel.
QJsonValue Ch2(const QJsonValue& value) { return g_settings.channels == 2 ? value : QJsonValue(); }

QString Ch2Text(const QString& text) { return g_settings.channels == 2 ? text : QStringLiteral("-"); }

int Measure(const CliArguments& a) {
  RecordingFrame frame;
  QString error;
  if (!ConvertCommandFrame(a, TimeDomain, frame, &error)) return Fail(error);
  g_settings.triggerEdge = a.edge;
  g_settings.triggerLevel = a.level;
  MeasureBothTraces(frame.Engine().ch1Trace, frame.Engine().ch2Trace, g_settings);
  const SettingsRecord& s = g_settings;

  if (a.json) {
    QJsonObject o = FrameHeader(a.at);
    o["trigger_index"] = s.triggerIndex;
    o["ch1_frequency"] = s.ch1Frequency;
    o["ch1_rms"] = s.ch1Rms;
    o["ch2_frequency"] = Ch2(s.ch2Frequency);
    o["ch2_rms"] = Ch2(s.ch2Rms);
    Print(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n");
    return 0;
  }
  Print(QStringLiteral("channels: %1\nsample rate: %2 Hz\nbits: %3\nframe start: %4\ntrigger index: %5\n")
            .arg(s.channels)
            .arg(s.sampleRate)
            .arg(s.bitsPerSample)
            .arg(a.at)
            .arg(s.triggerIndex));
  Print(QStringLiteral("CH1 frequency: %1 Hz\nCH1 RMS: %2\n").arg(s.ch1Frequency).arg(s.ch1Rms));
  Print(QStringLiteral("CH2 frequency: %1\nCH2 RMS: %2\n")
            .arg(Ch2Text(QStringLiteral("%1 Hz").arg(s.ch2Frequency)), Ch2Text(QString::number(s.ch2Rms))));
  return 0;
}

int Spectrum(const CliArguments& a) {
  RecordingFrame frame;
  QString error;
  g_settings.gainDivisor = 1 << a.gainStep;
  if (!ConvertCommandFrame(a, FrequencyDomain, frame, &error)) return Fail(error);
  const SettingsRecord& s = g_settings;
  const TraceBuffer& ch1 = frame.Engine().ch1Trace;
  const TraceBuffer& ch2 = frame.Engine().ch2Trace;

  if (a.json) {
    QJsonObject o = FrameHeader(a.at);
    o["ch1_peak_frequency"] = s.ch1Frequency;
    o["ch2_peak_frequency"] = Ch2(s.ch2Frequency);
    if (a.bins) {
      QJsonArray bins1, bins2;
      for (int i = 0; i < kTraceLength; ++i) {
        bins1.append(ch1[i]);
        bins2.append(ch2[i]);
      }
      o["ch1_bins"] = bins1;
      o["ch2_bins"] = Ch2(bins2);
    }
    Print(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n");
    return 0;
  }
  Print(QStringLiteral("channels: %1\nsample rate: %2 Hz\nbits: %3\nframe start: %4\n")
            .arg(s.channels)
            .arg(s.sampleRate)
            .arg(s.bitsPerSample)
            .arg(a.at));
  Print(QStringLiteral("CH1 peak frequency: %1 Hz\nCH2 peak frequency: %2\n")
            .arg(s.ch1Frequency)
            .arg(Ch2Text(QStringLiteral("%1 Hz").arg(s.ch2Frequency))));
  if (a.bins) {
    Print(s.channels == 2 ? QStringLiteral("bin ch1 ch2\n") : QStringLiteral("bin ch1\n"));
    for (int i = 0; i < kTraceLength; ++i)
      Print(s.channels == 2 ? QStringLiteral("%1 %2 %3\n").arg(i).arg(ch1[i]).arg(ch2[i])
                            : QStringLiteral("%1 %2\n").arg(i).arg(ch1[i]));
  }
  return 0;
}

int Render(const CliArguments& a) {
  QString error;
  return RenderPicture(a, &error) ? 0 : Fail(error);
}

int Csv(const CliArguments& a) {
  QString error;
  return ExportCsvFrame(a, &error) ? 0 : Fail(error);
}

int Distortion(const CliArguments& a) {
  QString error;
  return RunDistortion(a, &error) ? 0 : Fail(error);
}

int Response(const CliArguments& a) {
  QString error;
  return RunResponse(a, &error) ? 0 : Fail(error);
}

int Report(const CliArguments& a) {
  QString error;
  return WriteReportPdf(a, &error) ? 0 : Fail(error);
}

bool AsksForHelp(const QStringList& args) {
  return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

// --help, -h, `help [COMMAND]`, `COMMAND --help` and --version: the answer's
// exit status, or nothing when the line asks for none of them.
std::optional<int> AnswerHelp(const QStringList& args) {
  if (args.isEmpty()) {
    std::fputs(CliShortUsage().toUtf8().constData(), stderr);
    return 2;
  }
  if (args[0] == "--version") {
    Print(CliVersion());
    return 0;
  }
  const bool helpCommand = args[0] == "help";
  if (!helpCommand && !AsksForHelp(args)) return std::nullopt;
  const QString command = helpCommand ? args.value(1) : args[0];
  if (command.isEmpty() || command == "--help" || command == "-h") {
    Print(CliHelp());
    return 0;
  }
  const QString help = CommandHelp(command);
  if (help.isEmpty()) return Fail(CliText::tr("unknown command '%1'").arg(command) + CliText::tr(" (see ondrix-cli --help)"));
  Print(help);
  return 0;
}

// Drawing needs a GUI application, and that needs a platform: without a
// display the offscreen one does.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, const QStringList& args) {
  // Qt's own messages (a missing runtime folder, an image library's
  // warnings and the like) would mix with our one-line messages;
  // QT_LOGGING_RULES can bring them back.
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false\n*.critical=false"));
  const bool draws = !args.isEmpty() && !AsksForHelp(args) && (args[0] == "render" || args[0] == "report" ||
                                         (args[0] == "response" && args.contains(QStringLiteral("--png"))));
  if (!draws) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  // Taken before the application is made: a GUI application would take
  // options such as --plugin for its own and remove them.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString error;
  // --lang en|zh, anywhere on the line, else the user's UI language. Qt's
  // own texts follow: the tool quotes the reasons Qt gives for a file error.
  const QStringList given = args;
  const std::optional<QString> option = TakeLanguageOption(args, &error);
  const auto app = MakeApplication(argc, argv, args);
  const QString language = ChooseLanguage(option, QLocale::system().uiLanguages());
  InstallQtTranslations(language);
  QString loadError;
  if (!InstallTranslations(language, &loadError))
    std::fprintf(stderr, "ondrix-cli: %s\n", loadError.toUtf8().constData());
  if (!error.isEmpty()) {
    // A wrong --lang is told in the user's language, loaded only now.
    QStringList again = given;
    TakeLanguageOption(again, &error);
    return Fail(error);
  }
  if (const std::optional<int> answered = AnswerHelp(args)) return *answered;
  if (args[0] == "generate") return RunGenerate(args.mid(1));
  const auto parsed = ParseCliArguments(args, &error);
  if (!parsed) return Fail(error + CliText::tr(" (see ondrix-cli --help)"));
  if (parsed->command == "info") return Info(parsed->files[0], parsed->json);
  if (parsed->command == "measure") return Measure(*parsed);
  if (parsed->command == "render") return Render(*parsed);
  if (parsed->command == "csv") return Csv(*parsed);
  if (parsed->command == "report") return Report(*parsed);
  if (parsed->command == "distortion") return Distortion(*parsed);
  if (parsed->command == "response") return Response(*parsed);
  return Spectrum(*parsed);
}
