#include "cli/CsvCommand.h"

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "files/CsvExport.h"


bool ExportCsvFrame(const CliArguments& a, QString* error) {
  const QString& wavPath = a.files[0];
  g_settings = DefaultSettings();
  ApplyLoadResets(g_settings);
  g_settings.bitsPerSample = 16;  // the recording is loaded as 16-bit words

  SamplingEngine engine;
  QString reason;
  engine.ReadWavFile(wavPath, &reason);
  if (!reason.isEmpty()) {
    *error = QStringLiteral("%1: %2").arg(wavPath, reason);
    return false;
  }

  std::array<int16_t, 2048> sample{};
  const long long elements = static_cast<long long>(engine.recBuf16.Size() / 2);
  if (a.at + static_cast<long long>(sample.size()) > elements) {
    *error = QStringLiteral("no whole sample at element %1: the file holds %2 elements, a sample takes %3")
                 .arg(a.at)
                 .arg(elements)
                 .arg(sample.size());
    return false;
  }
  uint8_t bytes[sizeof sample];
  engine.recBuf16.CopyOut(static_cast<std::size_t>(a.at) * 2, bytes, sizeof bytes);
  for (std::size_t i = 0; i < sample.size(); ++i)
    sample[i] = static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return ExportCsv(sample, a.files[1], error);
}
