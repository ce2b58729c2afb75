#include "display/PrintReport.h"

#include "app/Globals.h"
#include "files/ReportLayout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>

namespace {

// The report's texts, in the program's language.
struct ReportText {
  Q_DECLARE_TR_FUNCTIONS(Report)
};

// The view's font at a size in tenths of a point, made with the screen's
// 96 dpi: the report's 9-point text is then the screen's 12-pixel text
// scaled like the picture.
QFont ReportFont(int tenths) {
  QFont font = PaperStyle().textFont;
  font.setPixelSize(std::max(1, tenths * 96 / 720));
  return font;
}

// Text hung from its anchor: left/top, or centre/top.
void DrawText(QPainter& page, const QPoint& at, int alignment, const QString& text) {
  page.drawText(QRectF(at, QSizeF(0, 0)), alignment | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
}

}  // namespace

void PrintReport(QPainter& page, const QRect& printable, const TraceBuffer& ch1, const TraceBuffer& ch2,
                 const ViewGeometry& geometry, const QString& description, const QString& tester,
                 const QDateTime& madeAt) {
  const ReportLayout l =
      ComputeReportLayout(printable.width(), printable.height(), geometry.clientWidth, geometry.clientHeight);
  if (l.s <= 0) return;

  // The picture as on screen but on white paper, measured the way the export
  // measures (renderer first, then CH1 alone).
  QImage picture;
  DisplayList list;
  ComposeDisplay(picture, list, ch1, ch2, geometry,
                 ComposeOptions{.measureBeforeRenderer = false, .crosshairWithTracePen = true}, PaperStyle());

  page.save();
  page.translate(printable.topLeft());
  if (!picture.isNull() && l.pictureHeight > 0) {
    // Smooth stretching; a PDF keeps the thin lines and dots sharp (no JPEG).
    page.setRenderHint(QPainter::SmoothPixmapTransform, true);
    page.setRenderHint(QPainter::LosslessImageRendering, true);
    page.drawImage(QRect(l.m, l.pictureTop, l.w, l.pictureHeight), picture);
  }

  page.setPen(Qt::black);
  page.setFont(ReportFont(l.fieldFontTenths));
  DrawText(page, l.channels, Qt::AlignLeft, ReportText::tr("通道数: %1").arg(g_settings.channels));
  DrawText(page, l.sampleRate, Qt::AlignLeft, ReportText::tr("采样率: %1").arg(g_settings.sampleRate));
  DrawText(page, l.dataLength, Qt::AlignLeft, ReportText::tr("数据长度: %1").arg(g_settings.bitsPerSample));
  DrawText(page, l.description, Qt::AlignLeft, ReportText::tr("测试描述: %1").arg(description));
  DrawText(page, l.tester, Qt::AlignLeft, ReportText::tr("测试人: %1").arg(tester));
  // When the page was made, in the free corner right of the parameters.
  DrawText(page, QPoint(l.m + l.w, l.channels.y()), Qt::AlignRight,
           ReportText::tr("日期: %1").arg(madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));

  page.setFont(ReportFont(l.titleFontTenths));
  DrawText(page, l.title, Qt::AlignHCenter, ReportText::tr("===Lumora Ondrix 测试报告==="));
  page.restore();
}

QString ReportDocumentTitle(const QString& measuredFile) {
  const QString name = measuredFile.isEmpty() ? ReportText::tr("测试报告") : QFileInfo(measuredFile).fileName();
  return QStringLiteral("Orvanta — %1").arg(name);
}
