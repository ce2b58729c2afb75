// The transfer-function window's exports: the curve as shown, as CSV text
// and as a picture of the plots, each through the program's safe writer.

#include "gui/TransferWindow.h"

#include "app/Prompts.h"
#include "display/TransferPlot.h"
#include "files/TransferCsv.h"
#include "settings/OutputFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>

namespace {

constexpr QSize kPngSize(1200, 900);

}  // namespace

bool TransferWindow::ExportCsv() {
  if (Curve().empty()) {
    CurrentPrompts().ShowMessage(tr("还没有可导出的曲线。"));
    return false;
  }
  const QString path = CurrentPrompts().GetSaveFileName(tr("CSV 文件(*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return false;
  QString error;
  if (!ExportTransferCsv(Curve(), path, &error)) {
    CurrentPrompts().ShowMessage(error);
    return false;
  }
  return true;
}

bool TransferWindow::ExportPng() {
  if (Curve().empty()) {
    CurrentPrompts().ShowMessage(tr("还没有可导出的曲线。"));
    return false;
  }
  const QString path = CurrentPrompts().GetSaveFileName(tr("PNG 图片(*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) return false;
  TransferPlotOptions options;
  options.caption = Readout();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QString reason;
  bool written = TransferPlotImage(Curve(), kPngSize, options).save(&buffer, "PNG");
  if (!written)
    reason = tr("无法生成 PNG 图像");
  else
    written = WriteOutputFile(path, bytes, {}, &reason);
  if (!written) {
    // The message the CSV export gives, in its words.
    CurrentPrompts().ShowMessage(
        QCoreApplication::translate("CsvExport", "无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
  }
  return true;
}
