#include "cli/CliArguments.h"

#include "cli/CliCommands.h"
#include "cli/CliText.h"
#include "files/AnalysisWav.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

bool ToInteger(const QString& text, long long min, long long max, long long* out) {
  bool ok = false;
  const long long v = text.toLongLong(&ok);
  if (!ok || v < min || v > max) return false;
  *out = v;
  return true;
}

constexpr int kMaxPictureSide = 8192;

// "WIDTHxHEIGHT", both in 1 .. kMaxPictureSide.
bool ParseSize(const QString& text, int* width, int* height) {
  const QStringList parts = text.split(QLatin1Char('x'));
  long long w = 0, h = 0;
  if (parts.size() != 2 || !ToInteger(parts[0], 1, kMaxPictureSide, &w) ||
      !ToInteger(parts[1], 1, kMaxPictureSide, &h))
    return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

// A finite decimal number.
bool ToNumber(const QString& text, double* out) {
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

// One of the options only `distortion` takes, with its value. Their
// messages, like the command's, are English only.
bool ParseDistortionOption(const QString& arg, const QString& value, CliArguments* a, QString* error) {
  DistortionOptions& d = a->distortion;
  long long n = 0;
  double low = 0, high = 0;
  if (arg == "--length") {
    if (!ToInteger(value, kDistortionMinLength, kDistortionMaxLength, &n) || (n & (n - 1)) != 0) {
      *error = QStringLiteral("--length takes a power of two from %1 to %2, not '%3'")
                   .arg(kDistortionMinLength)
                   .arg(kDistortionMaxLength)
                   .arg(value);
      return false;
    }
    d.length = static_cast<int>(n);
  } else if (arg == "--fundamental") {
    if (!ToNumber(value, &d.fundamentalHz) || d.fundamentalHz <= 10) {
      *error = QStringLiteral("--fundamental takes a frequency above 10 Hz, not '%1'").arg(value);
      return false;
    }
  } else if (arg == "--harmonics") {
    if (!ToInteger(value, 2, 10, &n)) {
      *error = QStringLiteral("--harmonics takes the highest harmonic, from 2 to 10, not '%1'").arg(value);
      return false;
    }
    d.maxHarmonic = static_cast<int>(n);
  } else if (arg == "--band") {
    const QStringList parts = value.split(QLatin1Char(':'));
    d.fullBand = value == "full";
    if (d.fullBand) return true;
    if (parts.size() != 2 || !ToNumber(parts[0], &low) || !ToNumber(parts[1], &high) || low < 0 || low >= high) {
      *error = QStringLiteral("--band takes LOW:HIGH in Hz with 0 <= LOW < HIGH, or full, not '%1'").arg(value);
      return false;
    }
    d.bandLowHz = low;
    d.bandHighHz = high;
  } else if (arg == "--channel") {
    if (!ToInteger(value, 1, kMaxAnalysisChannels, &n)) {
      *error = QStringLiteral("--channel takes a channel from 1 to %1, not '%2'").arg(kMaxAnalysisChannels).arg(value);
      return false;
    }
    a->channel = static_cast<int>(n);
  }
  return true;
}

// One of the options only `response` takes, with its value; English only,
// as the command's messages are.
bool ParseResponseOption(const QString& arg, const QString& value, CliArguments* a, QString* error) {
  long long n = 0;
  if (arg == "--fft") {
    if (!ToInteger(value, kTransferMinFft, kTransferMaxFft, &n) || !IsTransferFftSize(static_cast<int>(n))) {
      *error = QStringLiteral("--fft takes a power of two from %1 to %2, not '%3'")
                   .arg(kTransferMinFft)
                   .arg(kTransferMaxFft)
                   .arg(value);
      return false;
    }
    a->fft = static_cast<int>(n);
  } else if (arg == "--smoothing") {
    const auto named = std::find_if(std::begin(kTransferSmoothings), std::end(kTransferSmoothings), [&](int f) {
      return value == (f == 0 ? QStringLiteral("none") : QStringLiteral("1/%1").arg(f));
    });
    if (named == std::end(kTransferSmoothings)) {
      *error = QStringLiteral("--smoothing takes none, 1/48, 1/24, 1/12, 1/6 or 1/3, not '%1'").arg(value);
      return false;
    }
    a->smoothing = *named;
  } else if (arg == "--csv") {
    a->csvPath = value;
  } else if (arg == "--png") {
    a->pngPath = value;
  }
  return true;
}

}  // namespace

QString OneLine(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\n') out += QStringLiteral("\\n");
    else if (u == '\r') out += QStringLiteral("\\r");
    else if (u == '\t') out += QStringLiteral("\\t");
    else if (u < 0x20 || u == 0x7F) out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    else out += c;
  }
  return out;
}

void PrintNote(const QString& text) {
  std::fprintf(stderr, "ondrix-cli: note: %s\n", OneLine(text).toUtf8().constData());
}

namespace {

std::optional<CliArguments> ParseArguments(const QStringList& args, QString* error) {
  CliArguments a;
  if (args.isEmpty()) {
    *error = CliText::tr("no command given");
    return std::nullopt;
  }
  a.command = args[0];
  const bool render = a.command == "render";
  const bool csv = a.command == "csv";
  const bool report = a.command == "report";
  const bool response = a.command == "response";
  if (!FindCliCommand(a.command) || a.command == "generate") {
    *error = CliText::tr("unknown command '%1'").arg(a.command);
    return std::nullopt;
  }

  for (int i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (!arg.startsWith("--")) {
      a.files << arg;
      continue;
    }
    const CliOption* option = FindCliOption(a.command, arg);
    if (!option) {
      *error = CliText::tr("option %1 does not belong to '%2'").arg(arg, a.command);
      return std::nullopt;
    }
    const bool takesValue = option->value != nullptr;
    if (takesValue && i + 1 >= args.size()) {
      *error = CliText::tr("option %1 needs a value").arg(arg);
      return std::nullopt;
    }
    const QString value = takesValue ? args[++i] : QString();
    long long n = 0;
    if (arg == "--json") {
      a.json = true;
    } else if (arg == "--bins") {
      a.bins = true;
    } else if (arg == "--at") {
      if (!ToInteger(value, 0, 0x7FFFFFFF, &a.at)) {
        *error = CliText::tr("--at takes an element index from 0, not '%1'").arg(value);
        return std::nullopt;
      }
    } else if (arg == "--edge") {
      if (value != "rising" && value != "falling") {
        *error = CliText::tr("--edge takes rising or falling, not '%1'").arg(value);
        return std::nullopt;
      }
      a.edge = value == "falling" ? 1 : 0;
    } else if (arg == "--level") {
      if (!ToInteger(value, -32768, 32767, &n)) {
        *error = CliText::tr("--level takes a sample value from -32768 to 32767, not '%1'").arg(value);
        return std::nullopt;
      }
      a.level = static_cast<int>(n);
    } else if (arg == "--gain") {
      if (!ToInteger(value, 0, 10, &n)) {
        *error = CliText::tr("--gain takes a step from 0 to 10, not '%1'").arg(value);
        return std::nullopt;
      }
      a.gainStep = static_cast<int>(n);
    } else if (arg == "--mode") {
      if (value != "time" && value != "freq") {
        *error = CliText::tr("--mode takes time or freq, not '%1'").arg(value);
        return std::nullopt;
      }
      a.mode = value == "freq" ? 1 : 0;
    } else if (arg == "--size") {
      if (!ParseSize(value, &a.width, &a.height)) {
        *error = CliText::tr("--size takes WIDTHxHEIGHT, each from 1 to %1, not '%2'")
                     .arg(kMaxPictureSide)
                     .arg(value);
        return std::nullopt;
      }
    } else if (arg == "--settings") {
      a.settings = value;
    } else if (arg == "--plugin") {
      a.plugin = value;
    } else if (arg == "--rate") {
      if (!ToInteger(value, 1, 0x7FFFFFFF, &n)) {
        *error = CliText::tr("--rate takes a sample rate above 0, not '%1'").arg(value);
        return std::nullopt;
      }
      a.rate = static_cast<int>(n);
    } else if (arg == "--channels") {
      if (!ToInteger(value, 1, 2, &n)) {
        *error = CliText::tr("--channels takes 1 or 2, not '%1'").arg(value);
        return std::nullopt;
      }
      a.channels = static_cast<int>(n);
    } else if (response) {
      if (!ParseResponseOption(arg, value, &a, error)) return std::nullopt;
    } else if (!ParseDistortionOption(arg, value, &a, error)) {
      return std::nullopt;
    }
  }
  if (a.plugin.isEmpty() != (a.rate == 0) || (a.channels != 0 && a.plugin.isEmpty())) {
    *error = a.plugin.isEmpty() ? CliText::tr("--rate and --channels belong to --plugin")
                                : CliText::tr("--plugin needs --rate");
    return std::nullopt;
  }
  if (!a.plugin.isEmpty()) {
    const int outputs = render ? 1 : 0;
    if (a.files.size() != outputs || args.contains(QStringLiteral("--at"))) {
      *error = render ? CliText::tr("'render --plugin' takes an output picture and no --at")
                      : CliText::tr("'%1 --plugin' takes no WAV file and no --at").arg(a.command);
      return std::nullopt;
    }
    return a;
  }
  if (render || csv || report) {
    if (a.files.size() != 2) {
      const QString output = render ? CliText::tr("an output picture")
                             : csv  ? CliText::tr("an output CSV file")
                                    : CliText::tr("an output PDF file");
      *error = CliText::tr("'%1' takes a WAV file and %2").arg(a.command, output);
      return std::nullopt;
    }
    return a;
  }
  if (response && (a.files.size() < 1 || a.files.size() > 2)) {
    *error = QStringLiteral("'response' takes a stereo WAV file, or two mono WAV files (the reference, then the response)");
    return std::nullopt;
  }
  if (!response && a.files.size() != 1) {
    *error = a.files.isEmpty() ? CliText::tr("no WAV file given")
                               : CliText::tr("'%1' takes one WAV file").arg(a.command);
    return std::nullopt;
  }
  return a;
}

}  // namespace

std::optional<CliArguments> ParseCliArguments(const QStringList& args, QString* error) {
  std::optional<CliArguments> parsed = ParseArguments(args, error);
  if (!parsed) *error = OneLine(*error);
  return parsed;
}
