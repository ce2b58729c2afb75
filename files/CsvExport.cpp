#include "files/CsvExport.h"

#include "analysis/SignalAnalysis.h"
#include "settings/OutputFile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

constexpr int kFrames = 1024;

void AppendNumber(QByteArray& out, int32_t value) {
  char text[16];
  const int n = std::snprintf(text, sizeof text, "%d,", static_cast<int>(value));
  out.append(text, n);
}

}  // namespace

QByteArray CsvBytes(const std::array<int16_t, 2048>& sampleBuf16) {
  // Copies of the two channels, widened with their sign; the transform
  // replaces them by their spectra.
  std::array<int32_t, kFrames> ch1, ch2, bins1, bins2;
  for (int i = 0; i < kFrames; ++i) {
    ch1[i] = sampleBuf16[2 * i];
    ch2[i] = sampleBuf16[2 * i + 1];
  }
  bins1 = ch1;
  bins2 = ch2;
  FftMagnitude(bins1.data(), kFrames);
  FftMagnitude(bins2.data(), kFrames);

  QByteArray out;
  out.reserve(40 + kFrames * 40);
  out.append("CH1 Sample,CH1 FFT,CH2 Sample,CH2 FFT,\r\n");
  for (int i = 0; i < kFrames; ++i) {
    AppendNumber(out, ch1[i]);
    AppendNumber(out, bins1[i]);
    AppendNumber(out, ch2[i]);
    AppendNumber(out, bins2[i]);
    out.append("\r\n");
  }
  return out;
}

bool ExportCsv(const std::array<int16_t, 2048>& sampleBuf16, const QString& path, QString* error,
               const OutputOptions& options) {
  QString reason;
  if (WriteOutputFile(path, CsvBytes(sampleBuf16), options, &reason)) return true;
  if (error)
    *error = QCoreApplication::translate("CsvExport", "无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
  return false;
}
