#include "cli/ReportCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/RenderCommand.h"
#include "display/PrintReport.h"
#include "settings/OutputFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kDotsPerInch = 300;

}  // namespace

bool WriteReportPdf(const CliArguments& a, QString* error) {
  const QString& outPath = a.files[1];
  if (const QString why = TerminalRefusal(outPath); !why.isEmpty()) {
    *error = why;
    return false;
  }
  RecordingFrame frame;
  ViewGeometry geometry;
  if (!PrepareFramePicture(a, frame, &geometry, error)) return false;
  const TraceBuffer& ch1 = frame.Engine().ch1Trace;
  const TraceBuffer& ch2 = frame.Engine().ch2Trace;

  // The view has been painted on screen before anyone prints it: the report's
  // readouts show that paint's measurements.
  QImage screen;
  ComposeDisplay(screen, ch1, ch2, geometry, ComposeOptions{}, ScreenStyle());

  // The page is made in memory and written in one piece, so that a failed
  // write is seen (the PDF writer does not check its device).
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  bool drawn = false;
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Lumora Ondrix"));
    writer.setTitle(ReportDocumentTitle(a.files[0]));
    QPainter painter;
    if (painter.begin(&writer)) {
      PrintReport(painter, painter.viewport(), ch1, ch2, geometry);
      drawn = painter.end();
    }
  }
  QString reason = CliText::tr("the page could not be drawn");
  if (drawn && WriteOutputFile(outPath, pdf.data(), CliOutput(FrameInputs(a)), &reason)) return true;
  *error = CliText::tr("%1: cannot write the report (%2)").arg(outPath, reason);
  return false;
}
