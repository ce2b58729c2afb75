#pragma once

// A transfer function's curve as comma-separated text, as the window
// exports it and ondrix-cli writes it.

#include "analysis/TransferFunction.h"
#include "settings/OutputFile.h"

#include <QByteArray>
#include <QString>

#include <span>

// The header line "frequency_hz,magnitude_db,phase_deg,coherence" and one
// line per point with those four numbers, every line ended by LF.
QByteArray TransferCsvBytes(std::span<const TransferPoint> curve);

// Writes TransferCsvBytes to `path` through WriteOutputFile with `options`;
// on failure returns false with `error` set to one line for the user
// ("无法写入文件 PATH：reason").
bool ExportTransferCsv(std::span<const TransferPoint> curve, const QString& path, QString* error,
                       const OutputOptions& options = {});
