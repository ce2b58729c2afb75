#pragma once

// The one-page test report: title, acquisition parameters, the measurement
// picture on white paper, and the description and tester lines.

#include "analysis/TraceBuffer.h"
#include "display/ComposeDisplay.h"

#include <QDateTime>
#include <QString>

class QPainter;
class QRect;

// Draws the report on `page` inside `printable`, given in the painter's device
// pixels; positions are taken from its top-left corner. On a QPrinter (not in
// full-page mode) or a QPdfWriter that is the painter's viewport(), i.e.
// QRect(0, 0, device width, device height). The picture is composed for `geometry`'s
// client area with the paper's look and stretched to the page's width; the
// texts scale with it. Reads g_settings (channels, rate, sample width, the
// picture's settings); in the time domain stores CH1's trigger index in
// g_settings.triggerIndex, as the composition does. `madeAt` is printed in
// the top-right corner, right-aligned with the picture on the parameter
// line's height ("日期: 2026-12-10 14:03"). A view without width prints nothing.
void PrintReport(QPainter& page, const QRect& printable, const TraceBuffer& ch1, const TraceBuffer& ch2,
                 const ViewGeometry& geometry, const QString& description = {}, const QString& tester = {},
                 const QDateTime& madeAt = QDateTime::currentDateTime());

// The report's document name (a PDF's title, a print job's name): "Orvanta — "
// and the name of the file measured, or of a live measurement "测试报告".
QString ReportDocumentTitle(const QString& measuredFile = {});
