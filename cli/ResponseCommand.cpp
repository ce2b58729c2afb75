// The command's messages are English only.
#include "cli/ResponseCommand.h"
#include "cli/CliInput.h"

#include "analysis/PhatDelay.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "display/PictureFile.h"
#include "display/TransferPlot.h"
#include "files/AnalysisWav.h"
#include "files/TransferCsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Frames read from a file at a time.
constexpr quint64 kChunkFrames = 1 << 16;

struct WavInput {
  QString path;
  WavLayout layout;
  quint64 frames = 0;
};

bool Open(const QString& path, WavInput* in, QString* error) {
  const WavProbe probe = ProbeCliWav(path, true);
  if (!probe.ok) {
    *error = QStringLiteral("%1: %2").arg(path, probe.reason);
    return false;
  }
  if (!probe.note.isEmpty()) PrintNote(probe.note);
  *in = {path, probe.layout, probe.layout.dataBytes / probe.layout.format.blockAlign};
  return true;
}

bool Read(const WavInput& in, quint64 first, quint64 frames, std::vector<int> channels,
          std::vector<std::vector<double>>* samples, QString* error) {
  QString reason;
  if (ReadAnalysisChannels(in.path, in.layout, first, frames, channels, samples, &reason)) return true;
  *error = QStringLiteral("%1: %2").arg(in.path, reason);
  return false;
}

// What the two inputs are: x's and y's file, channel and first frame, and
// how many frames of both are analysed.
struct Pairing {
  const WavInput* x;
  const WavInput* y;
  int xChannel = 0, yChannel = 0;
  quint64 xFirst = 0, yFirst = 0, frames = 0;
};

bool Feed(const Pairing& p, TransferAverager* averager, QString* error) {
  std::vector<std::vector<double>> xs, ys;
  for (quint64 done = 0; done < p.frames; done += kChunkFrames) {
    const quint64 n = std::min(kChunkFrames, p.frames - done);
    if (p.x == p.y) {
      if (!Read(*p.x, p.xFirst + done, n, {p.xChannel, p.yChannel}, &xs, error)) return false;
      averager->Add(xs[0], xs[1]);
      continue;
    }
    if (!Read(*p.x, p.xFirst + done, n, {p.xChannel}, &xs, error) ||
        !Read(*p.y, p.yFirst + done, n, {p.yChannel}, &ys, error))
      return false;
    averager->Add(xs[0], ys[0]);
  }
  return true;
}

// Two mono files: the delay between their beginnings, and the pairing that
// shifts the response by its whole samples.
bool AlignMono(const WavInput& x, const WavInput& y, Pairing* p, double* delaySamples, QString* error) {
  std::vector<std::vector<double>> xs, ys;
  const quint64 most = kMaxBlockDelayFft / 2;
  if (!Read(x, 0, std::min(x.frames, most), {0}, &xs, error) || !Read(y, 0, std::min(y.frames, most), {0}, &ys, error))
    return false;
  *delaySamples = BlockDelaySamples(xs[0], ys[0]);
  const long long shift = std::llround(*delaySamples);
  p->xFirst = shift < 0 ? static_cast<quint64>(-shift) : 0;
  p->yFirst = shift > 0 ? static_cast<quint64>(shift) : 0;
  const quint64 xLeft = x.frames > p->xFirst ? x.frames - p->xFirst : 0;
  const quint64 yLeft = y.frames > p->yFirst ? y.frames - p->yFirst : 0;
  p->frames = std::min(xLeft, yLeft);
  return true;
}

QString SmoothingName(int fraction) { return fraction == 0 ? QStringLiteral("none") : QStringLiteral("1/%1").arg(fraction); }

struct Measured {
  int sampleRate = 0;
  int fft = 0;
  long long averages = 0;
  int smoothing = 0;
  double delaySeconds = 0;
  std::vector<TransferPoint> curve;
};

QString Json(const Measured& m) {
  QJsonArray points;
  for (const TransferPoint& p : m.curve)
    points.append(QJsonObject{{"frequency_hz", p.frequencyHz},
                              {"magnitude_db", p.magnitudeDb},
                              {"phase_deg", p.phaseDeg},
                              {"coherence", p.coherence}});
  const QJsonObject o{{"sample_rate", m.sampleRate},     {"fft", m.fft},
                      {"averages", double(m.averages)}, {"smoothing", SmoothingName(m.smoothing)},
                      {"delay_ms", m.delaySeconds * 1000}, {"points", points}};
  return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n";
}

QString Text(const Measured& m) {
  QString out = QStringLiteral("sample rate: %1 Hz\nfft: %2\naverages: %3\nsmoothing: %4\ndelay: %5 ms\n")
                    .arg(m.sampleRate)
                    .arg(m.fft)
                    .arg(m.averages)
                    .arg(SmoothingName(m.smoothing))
                    .arg(m.delaySeconds * 1000, 0, 'f', 4);
  // The points as the CSV has them, with spaces.
  out += QString::fromLatin1(TransferCsvBytes(m.curve)).replace(QLatin1Char(','), QLatin1Char(' '));
  return out;
}

bool WritePng(const Measured& m, const CliArguments& a, QString* error) {
  TransferPlotOptions options;
  options.caption = TransferCaption(m.delaySeconds, m.averages);
  QString reason;
  if (WritePictureFile(TransferPlotImage(m.curve, QSize(a.width, a.height), options), "PNG", a.pngPath,
                       CliOutput(a.files), &reason))
    return true;
  *error = QStringLiteral("%1: %2").arg(a.pngPath, reason);
  return false;
}

}  // namespace

bool RunResponse(const CliArguments& a, QString* error) {
  // Standard output takes one of the files, and then not the printed curve.
  const bool toStandardOutput = a.csvPath == "-" || a.pngPath == "-";
  if (a.csvPath == "-" && a.pngPath == "-") {
    *error = QStringLiteral("--csv and --png cannot both write to standard output");
    return false;
  }
  if (const QString why = TerminalRefusal(a.pngPath); !why.isEmpty()) {
    *error = why;
    return false;
  }
  WavInput first, second;
  if (!Open(a.files[0], &first, error)) return false;
  const bool stereo = a.files.size() == 1;
  if (!stereo && !Open(a.files[1], &second, error)) return false;
  Pairing pairing{&first, stereo ? &first : &second};
  if (stereo) {
    if (first.layout.format.channels < 2) {
      *error = CliText::tr("%1: a mono file; give a stereo file (CH1 the reference, CH2 the response) or two mono files")
                   .arg(first.path);
      return false;
    }
    pairing.yChannel = 1;
    pairing.frames = first.frames;
  } else {
    for (const WavInput* in : {&first, &second})
      if (in->layout.format.channels != 1) {
        *error = CliText::tr("%1: %2 channels; two files must each be mono").arg(in->path).arg(in->layout.format.channels);
        return false;
      }
    if (first.layout.format.samplesPerSec != second.layout.format.samplesPerSec) {
      *error = CliText::tr("%1 is at %2 Hz and %3 at %4 Hz; both must have one sample rate")
                   .arg(first.path)
                   .arg(first.layout.format.samplesPerSec)
                   .arg(second.path)
                   .arg(second.layout.format.samplesPerSec);
      return false;
    }
  }
  Measured m;
  m.sampleRate = static_cast<int>(first.layout.format.samplesPerSec);
  m.fft = a.fft;
  m.smoothing = a.smoothing;
  double blockDelay = 0;
  if (!stereo && !AlignMono(first, second, &pairing, &blockDelay, error)) return false;
  if (pairing.frames < static_cast<quint64>(a.fft)) {
    *error = stereo ? CliText::tr("%1: %2 frames, fewer than one FFT segment of %3; give a smaller --fft or a longer file")
                          .arg(first.path)
                          .arg(first.frames)
                          .arg(a.fft)
                    : CliText::tr("the files overlap by %1 frames once aligned, fewer than one FFT segment of %2")
                          .arg(pairing.frames)
                          .arg(a.fft);
    return false;
  }

  TransferAverager averager(a.fft, m.sampleRate);
  if (!Feed(pairing, &averager, error)) return false;
  m.averages = averager.Averages();
  // The residual delay (all of it for a stereo file) is taken out while
  // smoothing, so that a pure delay averages to its own level and phase.
  const double residual = averager.DelaySeconds();
  m.delaySeconds = stereo ? residual : blockDelay / m.sampleRate;
  m.curve = averager.Curve();
  if (m.smoothing > 0) m.curve = WithoutDelay(SmoothTransfer(WithoutDelay(m.curve, residual), m.smoothing), -residual);

  if (!a.csvPath.isEmpty() && !ExportTransferCsv(m.curve, a.csvPath, error, CliOutput(a.files))) return false;
  if (!a.pngPath.isEmpty() && !WritePng(m, a, error)) return false;
  if (toStandardOutput) return true;
  const QString text = a.json ? Json(m) : Text(m);
  std::fputs(text.toUtf8().constData(), stdout);
  return true;
}
