#include "files/TransferCsv.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

QByteArray TransferCsvBytes(std::span<const TransferPoint> curve) {
  QByteArray out;
  out.reserve(48 + curve.size() * 48);
  out.append("frequency_hz,magnitude_db,phase_deg,coherence\n");
  char line[128];
  for (const TransferPoint& p : curve) {
    // Enough digits for the measurement, and a fixed form a spreadsheet reads.
    const int n = std::snprintf(line, sizeof line, "%.6f,%.4f,%.3f,%.6f\n", p.frequencyHz, p.magnitudeDb, p.phaseDeg,
                                p.coherence);
    out.append(line, n);
  }
  return out;
}

bool ExportTransferCsv(std::span<const TransferPoint> curve, const QString& path, QString* error,
                       const OutputOptions& options) {
  QString reason;
  if (WriteOutputFile(path, TransferCsvBytes(curve), options, &reason)) return true;
  if (error)
    *error = QCoreApplication::translate("CsvExport", "无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
  return false;
}
