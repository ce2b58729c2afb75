#include "cli/DistortionOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A figure that is not a finite number (a level of nothing at all) is null,
// never a NaN or an infinity JSON cannot hold.
QJsonValue Figure(double v) { return std::isfinite(v) ? QJsonValue(v) : QJsonValue(); }

QJsonObject ChannelJson(int channel, const DistortionResult& r) {
  QJsonArray harmonics;
  for (const DistortionHarmonic& h : r.harmonics)
    harmonics.append(QJsonObject{{"order", h.order}, {"frequency_hz", Figure(h.frequencyHz)}, {"level_dbc", Figure(h.levelDbc)}});
  return {{"channel", channel},
          {"fundamental_hz", Figure(r.fundamentalHz)},
          {"fundamental_dbfs", Figure(r.fundamentalDbfs)},
          {"fundamental_rms", Figure(r.fundamentalRms)},
          {"thd_percent", Figure(r.thdPercent)},
          {"thd_db", Figure(r.thdDb)},
          {"thdn_percent", Figure(r.thdnPercent)},
          {"thdn_db", Figure(r.thdnDb)},
          {"sinad_db", Figure(r.sinadDb)},
          {"snr_db", Figure(r.snrDb)},
          {"enob_bits", Figure(r.enobBits)},
          {"dc", Figure(r.dc)},
          {"harmonics", harmonics}};
}

// "NAME: VALUE UNIT", the value in `format` with `precision`, or "-" when it is not a finite number.
QString Line(const QString& name, double v, const char* unit, char format, int precision) {
  const QString value = std::isfinite(v) ? QString::number(v, format, precision) : QStringLiteral("-");
  return QStringLiteral("%1: %2%3%4\n").arg(name, value, *unit ? QStringLiteral(" ") : QString(), QLatin1String(unit));
}

}  // namespace

QString DistortionJson(const DistortionBlock& block, const std::vector<DistortionResult>& results) {
  QJsonArray channels;
  for (std::size_t i = 0; i < results.size(); ++i) channels.append(ChannelJson(block.picked[i] + 1, results[i]));
  const DistortionResult& first = results.front();
  const QJsonObject o{{"sample_rate", int(block.sampleRate)},
                      {"bits", block.bits},
                      {"float", block.isFloat},
                      {"length", first.length},
                      {"frame_start", double(block.frameStart)},
                      {"band_low_hz", first.bandLowHz},
                      {"band_high_hz", first.bandHighHz},
                      {"channels", channels}};
  return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n";
}

QString DistortionText(const DistortionBlock& block, const std::vector<DistortionResult>& results) {
  const DistortionResult& first = results.front();
  QString out = QStringLiteral("sample rate: %1 Hz\nbits: %2 (%3)\nframe start: %4\nlength: %5\n")
                    .arg(block.sampleRate)
                    .arg(block.bits)
                    .arg(block.isFloat ? QStringLiteral("float") : QStringLiteral("integer"))
                    .arg(block.frameStart)
                    .arg(first.length);
  out += Line(QStringLiteral("band low"), first.bandLowHz, "Hz", 'g', 8);
  out += Line(QStringLiteral("band high"), first.bandHighHz, "Hz", 'g', 8);
  for (std::size_t i = 0; i < results.size(); ++i) {
    const DistortionResult& r = results[i];
    const QString ch = QStringLiteral("CH%1 ").arg(block.picked[i] + 1);
    out += "\n";
    out += Line(ch + "fundamental", r.fundamentalHz, "Hz", 'f', 3);
    out += Line(ch + "fundamental level", r.fundamentalDbfs, "dBFS", 'f', 2);
    out += Line(ch + "fundamental RMS", r.fundamentalRms, "", 'g', 7);
    out += Line(ch + "THD", r.thdPercent, "%", 'g', 4);
    out += Line(ch + "THD in dB", r.thdDb, "dB", 'f', 2);
    out += Line(ch + "THD+N", r.thdnPercent, "%", 'g', 4);
    out += Line(ch + "THD+N in dB", r.thdnDb, "dB", 'f', 2);
    out += Line(ch + "SINAD", r.sinadDb, "dB", 'f', 2);
    out += Line(ch + "SNR", r.snrDb, "dB", 'f', 2);
    out += Line(ch + "ENOB", r.enobBits, "bits", 'f', 2);
    out += Line(ch + "DC", r.dc, "", 'g', 6);
    for (const DistortionHarmonic& h : r.harmonics) {
      const QString name = ch + QStringLiteral("H%1").arg(h.order);
      out += Line(name + " frequency", h.frequencyHz, "Hz", 'f', 3);
      out += Line(name + " level", h.levelDbc, "dBc", 'f', 2);
    }
  }
  return out;
}
