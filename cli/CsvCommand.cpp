#include "cli/CsvCommand.h"

#include "app/Globals.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/RecordingFrame.h"
#include "files/CsvExport.h"

bool ExportCsvFrame(const CliArguments& a, QString* error) {
  g_settings = DefaultSettings();
  ApplyLoadResets(g_settings);
  RecordingFrame file;
  std::vector<uint8_t> bytes;
  std::array<int16_t, 2048> sample{};
  if (!file.Load(a.files[0], error)) return false;
  if (!file.Note().isEmpty()) PrintNote(file.Note());
  if (!file.ReadElements(a.at, static_cast<long long>(sample.size()), CliText::tr("sample"), &bytes, error))
    return false;
  const bool eightBit = file.Layout().format.bitsPerSample == 8;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    // 8-bit data is widened the way opening the file in the program does.
    sample[i] = eightBit ? static_cast<int16_t>((bytes[i] - 128) * 256)
                         : static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return ExportCsv(sample, a.files[1], error, CliOutput({a.files[0]}));
}
