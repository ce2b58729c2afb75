#include "cli/ReportCommand.h"

#include "cli/RenderCommand.h"
#include "display/PrintReport.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr int kDotsPerInch = 300;

}  // namespace

bool WriteReportPdf(const CliArguments& a, QString* error) {
  const QString& outPath = a.files[1];
  RecordingFrame frame;
  ViewGeometry geometry;
  if (!PrepareFramePicture(a, frame, &geometry, error)) return false;
  const TraceBuffer& ch1 = frame.Engine().ch1Trace;
  const TraceBuffer& ch2 = frame.Engine().ch2Trace;

  // The view has been painted on screen before anyone prints it: the report's
  // readouts show that paint's measurements.
  QImage screen;
  ComposeDisplay(screen, ch1, ch2, geometry, ComposeOptions{}, ScreenStyle());

  QSaveFile file(outPath);
  bool drawn = false;
  if (file.open(QIODevice::WriteOnly)) {
    QPdfWriter writer(&file);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Lumora Ondrix"));
    QPainter painter;
    if (painter.begin(&writer)) {
      PrintReport(painter, painter.viewport(), ch1, ch2, geometry);
      drawn = painter.end();
    }
  }
  if (drawn && file.commit()) return true;
  *error = QStringLiteral("%1: cannot write the report (%2)").arg(outPath, file.errorString());
  file.cancelWriting();
  return false;
}
