// The transfer-function window's exports: the curve as shown, as CSV text
// and as a picture of the plots, each through the program's safe writer.

#include "gui/TransferWindow.h"

#include "app/Prompts.h"
#include "display/PictureFile.h"
#include "display/TransferPlot.h"
#include "files/TransferCsv.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr QSize kPngSize(1200, 900);

}  // namespace

QString TransferWindow::ExportPath(const QString& filter, const QString& suffix) {
  if (Curve().empty()) {
    CurrentPrompts().ShowMessage(tr("还没有可导出的曲线。"));
    return {};
  }
  return CurrentPrompts().GetSaveFileName(filter, suffix);
}

bool TransferWindow::ExportCsv() {
  const QString path = ExportPath(tr("CSV 文件(*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return false;
  QString error;
  if (!ExportTransferCsv(Curve(), path, &error)) {
    CurrentPrompts().ShowMessage(error);
    return false;
  }
  return true;
}

bool TransferWindow::ExportPng() {
  const QString path = ExportPath(tr("PNG 图片(*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) return false;
  TransferPlotOptions options;
  options.caption = Readout();
  QString reason;
  if (!WritePictureFile(TransferPlotImage(Curve(), kPngSize, options), "PNG", path, {}, &reason)) {
    // The message the CSV export gives, in its words.
    CurrentPrompts().ShowMessage(
        QCoreApplication::translate("CsvExport", "无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
  }
  return true;
}
