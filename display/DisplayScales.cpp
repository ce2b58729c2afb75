#include "display/DisplayScales.h"

#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"

#include <cmath>

SampleScales ScalesForBits(int bitsPerSample) {
  if (bitsPerSample == 8) return {1.5625, 0.64, 128};
  return {0.006103515625, 163.8375, 32767};
}

SampleScales CurrentScales() {
  return ScalesForBits(g_settings.bitsPerSample);
}

double TimeFactor(int timeUnit) {
  return timeUnit == Milliseconds ? 1000.0 : 1000000.0;
}

double FreqFactor(int timeUnit) {
  return timeUnit == Milliseconds ? 0.001 : 0.000001;
}

double TimeOfColumn(int px, int plotLeft, int sampleRate, double timeFactor) {
  return (px - plotLeft) * timeFactor / sampleRate;
}

double FreqOfColumn(int px, int plotLeft, int sampleRate, double freqFactor) {
  return sampleRate * freqFactor * (px - plotLeft) / 1024;
}

int HeightAboveZero(int py, int plotTop) {
  return plotTop + 200 - py;
}

int HeightAboveBottom(int py, int plotTop) {
  return plotTop + 400 - py;
}

namespace {

// Eleven labels on the grid lines j = 0 .. 10, from the top line down.
std::vector<AxisLabel> OnGridLines(const char* const (&texts)[11]) {
  std::vector<AxisLabel> labels;
  for (int j = 0; j <= 10; ++j) labels.push_back({40 * j - 6, QString::fromUtf8(texts[j])});
  return labels;
}

}  // namespace

std::vector<AxisLabel> TimeLogicLabels(int bitsPerSample) {
  static const char* const k8[11] = {"128.00", "102.40", "76.80",  "51.20",   "25.60",  "0.00",
                                     "-25.60", "-51.20", "-76.80", "-102.40", "-128.00"};
  static const char* const k16[11] = {"32768", "26214",  "19661",  "13107",  "6554",  "0",
                                      "-6554", "-13107", "-19661", "-26214", "-32768"};
  return OnGridLines(bitsPerSample == 8 ? k8 : k16);
}

std::vector<AxisLabel> TimeDecibelLabels() {
  // 20 log10 of 1.0, 0.8, 0.6, 0.4, 0.2 and 0 of full scale, mirrored below
  // the zero line; the same for both sample widths.
  static const char* const k[11] = {"0.00",   "-1.94", "-4.44", "-7.96", "-13.98", "-∞",
                                    "-13.98", "-7.96", "-4.44", "-1.94", "0.00"};
  return OnGridLines(k);
}

std::vector<AxisLabel> TimeMillivoltLabels(double unitsPerPixel, float mvPerUnit) {
  std::vector<AxisLabel> labels{{194, QStringLiteral("0")}};
  for (int J = 1; J <= 5; ++J) {
    const int v = RoundByTenth(40 * J * unitsPerPixel * mvPerUnit);
    labels.push_back({200 - 40 * J - 6, QString::asprintf(" %d", v)});
    labels.push_back({200 + 40 * J - 6, QString::asprintf("-%d", v)});
  }
  return labels;
}

QStringList TimeAxisLabels(int sampleRate, double timeFactor) {
  QStringList labels;
  for (int i = 0; i <= 10; ++i) labels << QString::asprintf("%0.2f", i * 60 * timeFactor / sampleRate);
  return labels;
}

std::vector<AxisLabel> FreqLogicLabels(int bitsPerSample) {
  static const char* const k8[11] = {"256.00", "230.40", "204.80", "179.20", "153.60", "128.00",
                                     "102.40", "76.80",  "51.20",  "25.60",  "0"};
  static const char* const k16[11] = {"65535", "58982", "52428", "45875", "39321", "32768",
                                      "26214", "19661", "13107", "6554",  "0"};
  return OnGridLines(bitsPerSample == 8 ? k8 : k16);
}

std::vector<AxisLabel> FreqDecibelLabels(int bitsPerSample) {
  // 20 log10 of the logic level of each line; the bottom line (level 0) has
  // no logarithm and is labelled as zero.
  static const char* const k8[11] = {"48.16", "47.25", "46.23", "45.07", "43.73", "42.14",
                                     "40.21", "37.71", "34.19", "28.16", "0.00"};
  static const char* const k16[11] = {"96", "95", "94", "93", "92", "90", "88", "86", "82", "76", "0"};
  return OnGridLines(bitsPerSample == 8 ? k8 : k16);
}

std::vector<AxisLabel> FreqMillivoltLabels(int bitsPerSample, float voltageRefMv, int logicRef) {
  const double perLine = bitsPerSample == 8 ? 25.6 : 6553.5;  // units per grid line
  std::vector<AxisLabel> labels;
  for (int i = 0; i <= 10; ++i) {
    const int v = RoundByTenth(i * perLine * voltageRefMv / logicRef);
    labels.push_back({400 - 40 * i - 6, QString::asprintf("%d", v)});
  }
  return labels;
}

QStringList FreqAxisLabels(int sampleRate, int timeUnit) {
  const double perDivision = timeUnit == Milliseconds ? 0.06 : 0.00006;  // 60 bins in kHz or MHz
  QStringList labels;
  for (int i = 0; i <= 10; ++i) labels << QString::asprintf("%d", RoundByTenth(sampleRate / 1024.0 * perDivision * i));
  return labels;
}

QString DecibelReadout(const QString& format, double amplitude) {
  if (amplitude > 0) return QString::asprintf(format.toUtf8().constData(), 20 * std::log10(amplitude));
  return QString(format).replace(QStringLiteral("%0.2f"), QStringLiteral("-∞"));
}
