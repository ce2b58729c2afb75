#pragma once

// The frozen 16-bit sample with its magnitude spectra as comma-separated text.

#include "settings/OutputFile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The file's bytes: the header "CH1 Sample,CH1 FFT,CH2 Sample,CH2 FFT," and
// for each of the 1024 frames "ch1,bin1,ch2,bin2,", every line ended by
// CR LF. CH1 is element 2i, CH2 element 2i + 1; the bins are FftMagnitude of
// each channel's 1024 values (DC kept, no gain divisor).
QByteArray CsvBytes(const std::array<int16_t, 2048>& sampleBuf16);

// Writes CsvBytes to `path` through WriteOutputFile with `options`; on
// failure returns false with `error` set to one line for the user
// ("无法写入文件 PATH：reason").
bool ExportCsv(const std::array<int16_t, 2048>& sampleBuf16, const QString& path, QString* error,
               const OutputOptions& options = {});
