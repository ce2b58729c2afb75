#include "cli/GenerateCommand.h"

#include "app/RuntimeFolder.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "files/WavFile.h"
#include "generator/QtAudioOutput.h"
#include "generator/SignalGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double kMaxPlaySeconds = 86400;

bool ToInt32(const QString& text, int32_t* out) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (ok) *out = v;
  return ok;
}

bool ToWave(const QString& text, int32_t* out) {
  const QStringList names = {"sine", "triangle", "square", "sawtooth"};
  const auto index = names.indexOf(text);
  if (index < 0) return false;
  *out = static_cast<int32_t>(index);
  return true;
}

void PrintError(const QString& message) {
  std::fprintf(stderr, "ondrix-cli: %s\n", OneLine(message).toUtf8().constData());
}

}  // namespace

std::optional<GenerateOptions> ParseGenerateArguments(const QStringList& args, const GeneratorParams& defaults,
                                                      QString* error) {
  GenerateOptions o;
  o.params = defaults;
  o.params.functionMode = 1;
  QStringList outputs;
  auto fail = [error](const QString& message) {
    *error = OneLine(message);
    return std::nullopt;
  };
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (!arg.startsWith("--")) {
      outputs << arg;
      continue;
    }
    if (!FindCliOption(QStringLiteral("generate"), arg))
      return fail(CliText::tr("option %1 does not belong to 'generate'").arg(arg));
    if (arg == "--sweep") {
      o.params.functionMode = 0;
      continue;
    }
    if (i + 1 >= args.size()) return fail(CliText::tr("option %1 needs a value").arg(arg));
    const QString value = args[++i];
    bool ok = true;
    if (arg == "--left" || arg == "--right") {
      if (!ToWave(value, arg == "--left" ? &o.params.leftWave : &o.params.rightWave))
        return fail(CliText::tr("%1 takes sine, triangle, square or sawtooth, not '%2'").arg(arg, value));
    } else if (arg == "--left-freq") {
      ok = ToInt32(value, &o.params.leftFreq);
    } else if (arg == "--right-freq") {
      ok = ToInt32(value, &o.params.rightFreq);
    } else if (arg == "--left-peak") {
      ok = ToInt32(value, &o.params.leftPeak);
    } else if (arg == "--right-peak") {
      ok = ToInt32(value, &o.params.rightPeak);
    } else if (arg == "--rise") {
      ok = ToInt32(value, &o.params.sweepRiseMs);
    } else if (arg == "--rate") {
      if (!ToInt32(value, &o.rate) || o.rate <= 0)
        return fail(CliText::tr("--rate takes a sample rate in Hz, not '%1'").arg(value));
    } else if (arg == "--channels") {
      if (value != "1" && value != "2") return fail(CliText::tr("--channels takes 1 or 2, not '%1'").arg(value));
      o.channels = value.toInt();
    } else if (arg == "--play") {
      o.playSeconds = value.toDouble(&ok);
      if (!ok || !(o.playSeconds > 0 && o.playSeconds <= kMaxPlaySeconds))
        return fail(CliText::tr("--play takes seconds from 0 to %1, not '%2'").arg(kMaxPlaySeconds).arg(value));
    }
    if (!ok) return fail(CliText::tr("%1 takes an integer, not '%2'").arg(arg, value));
  }
  if (outputs.size() != 1) return fail(CliText::tr("'generate' takes one output WAV file"));
  o.output = outputs[0];
  return o;
}

int RunGenerate(const QStringList& args) {
  // The defaults the program starts with: the runtime folder's wavedata.ini
  // (looked up, not created: the program itself seeds the folder).
  GeneratorParams defaults;
  const QString paramsPath = QDir(LocateRuntimeFolder(QCoreApplication::applicationDirPath(), UserDataFolder()))
                                 .filePath(QStringLiteral("wavedata.ini"));
  RecordRepairs repairs;
  LoadGeneratorParams(paramsPath, defaults, &repairs);
  // The stored values are judged as the generator will play them, in the
  // mode and at the rate and channels the arguments ask for; the arguments
  // are then read again over the mended values.
  QString error;
  std::optional<GenerateOptions> o = ParseGenerateArguments(args, defaults, &error);
  if (o) {
    defaults.functionMode = o->params.functionMode;
    repairs.outOfRange = RepairGeneratorParams(defaults, o->rate, o->channels);
    o = ParseGenerateArguments(args, defaults, &error);
  }
  if (repairs.Any()) PrintError(CliText::tr("note: ") + RepairStatusText(paramsPath, repairs));
  if (!o) {
    PrintError(error + CliText::tr(" (see ondrix-cli --help)"));
    return 2;
  }
  if (const QString why = TerminalRefusal(o->output); !why.isEmpty()) {
    PrintError(why);
    return 2;
  }
  const std::optional<GeneratedSignal> signal = MakeGeneratorSignal(o->params, o->rate, o->channels, &error);
  if (!signal) {
    PrintError(error);
    return 2;
  }
  if (!WriteWavFile(o->output, signal->format, signal->bytes, &error, CliOutput({paramsPath}))) {
    PrintError(error);
    return 2;
  }
  // The summary goes where the signal does not.
  std::fprintf(o->output == "-" ? stderr : stdout, "%s: %s, %u ch, %u Hz, 16-bit, %zu bytes\n",
               o->output.toUtf8().constData(),
               o->params.functionMode ? "function signal" : "sweep", signal->format.channels,
               signal->format.samplesPerSec, signal->bytes.size());
  if (signal->format.samplesPerSec != static_cast<uint32_t>(o->rate)) {
    PrintError(
        CliText::tr("note: the generator runs at %1 Hz, not %2").arg(signal->format.samplesPerSec).arg(o->rate));
  }
  if (!signal->note.isEmpty()) PrintError(CliText::tr("note: ") + signal->note);
  if (o->playSeconds <= 0) return 0;

  std::fflush(stdout);
  QtAudioOutput output;
  const QByteArray bytes(reinterpret_cast<const char*>(signal->bytes.data()),
                         static_cast<qsizetype>(signal->bytes.size()));
  if (!output.Start(signal->format, bytes, &error)) {
    PrintError(CliText::tr("cannot play: %1").arg(error));
    return 1;
  }
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(o->playSeconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
  output.Stop();
  return 0;
}
