// libFuzzer target: ondrix-cli's command lines. The input is the argument
// list, arguments separated by NUL bytes, decoded as main() decodes them.
// A refused line has one line of explanation; an accepted one holds only
// values the commands can use. An accepted `generate` line is synthesised
// (when the signal is small) as the command would.

#include "FuzzSupport.h"

#include "cli/CliArguments.h"
#include "cli/GenerateCommand.h"

#include <QStringList>

#include <cmath>

namespace {

void CheckRefusal(const QString& error) { FUZZ_CHECK(!error.isEmpty() && !error.contains(QLatin1Char('\n'))); }

void CheckGenerate(const QStringList& args) {
  QString error;
  const std::optional<GenerateOptions> o = ParseGenerateArguments(args, DefaultGeneratorParams(), &error);
  if (!o) return CheckRefusal(error);
  FUZZ_CHECK(!o->output.isEmpty() || args.contains(QString()));
  FUZZ_CHECK(o->rate > 0 && (o->channels == 1 || o->channels == 2));
  FUZZ_CHECK(o->playSeconds >= 0 && o->playSeconds <= 86400);
  if (!GeneratorRunIsSmall(o->params, o->rate, o->channels)) return;
  const std::optional<GeneratedSignal> signal = MakeGeneratorSignal(o->params, o->rate, o->channels, &error);
  if (!signal) return CheckRefusal(error);
  FUZZ_CHECK(!signal->bytes.empty() && signal->format.channels == o->channels);
}

void CheckCommand(const QStringList& args) {
  QString error;
  const std::optional<CliArguments> a = ParseCliArguments(args, &error);
  if (!a) return CheckRefusal(error);
  FUZZ_CHECK(a->at >= 0 && a->at <= 0x7FFFFFFF);
  FUZZ_CHECK(a->edge == 0 || a->edge == 1);
  FUZZ_CHECK(a->level >= -32768 && a->level <= 32767);
  FUZZ_CHECK(a->gainStep >= 0 && a->gainStep <= 10);
  FUZZ_CHECK(a->mode == 0 || a->mode == 1);
  FUZZ_CHECK(a->width >= 1 && a->width <= 8192 && a->height >= 1 && a->height <= 8192);
  FUZZ_CHECK(a->channels >= 0 && a->channels <= 2);
  const DistortionOptions& d = a->distortion;
  FUZZ_CHECK(d.length >= kDistortionMinLength && d.length <= kDistortionMaxLength && (d.length & (d.length - 1)) == 0);
  FUZZ_CHECK(d.maxHarmonic >= 2 && d.maxHarmonic <= 10);
  FUZZ_CHECK(d.fundamentalHz == 0 || (std::isfinite(d.fundamentalHz) && d.fundamentalHz > 10));
  FUZZ_CHECK(std::isfinite(d.bandLowHz) && std::isfinite(d.bandHighHz) && d.bandLowHz >= 0 && d.bandLowHz < d.bandHighHz);
  FUZZ_CHECK(a->channel >= 0 && a->channel <= 64);
  if (a->plugin.isEmpty()) {
    // Every command names its WAV file; render, csv and report their output too.
    const bool hasOutput = a->command == "render" || a->command == "csv" || a->command == "report";
    FUZZ_CHECK(a->files.size() == (hasOutput ? 2 : 1) && a->rate == 0);
  } else {
    FUZZ_CHECK(a->rate > 0 && a->files.size() == (a->command == "render" ? 1 : 0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QStringList args;
  if (size > 0) {
    for (const QByteArray& arg : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0'))
      args << QString::fromLocal8Bit(arg);
  }
  if (!args.isEmpty() && args[0] == QLatin1String("generate"))
    CheckGenerate(args.mid(1));
  else
    CheckCommand(args);
  return 0;
}
