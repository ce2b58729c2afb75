#include "files/ReportLayout.h"

namespace {

int Trunc(double v) { return static_cast<int>(v); }

}  // namespace

ReportLayout ComputeReportLayout(int printableWidth, int printableHeight, int clientWidth, int clientHeight) {
  const int H = printableWidth;
  const int V = printableHeight;
  ReportLayout l;
  l.m = Trunc(H * 0.0295);
  l.d = Trunc(2 * H * 0.0295);
  l.w = H - l.d;
  l.b = V - l.d;
  l.s = clientWidth > 0 ? static_cast<double>(l.w) / clientWidth : 0.0;
  const double tenthOfB = l.b / 10.0;
  l.pictureTop = Trunc(l.m + tenthOfB);
  l.pictureHeight = Trunc(clientHeight * l.s);
  l.title = QPoint(l.w / 2, l.m);
  const int parameterTop = Trunc(2.5 * l.m);
  l.channels = QPoint(2 * l.m, parameterTop);
  l.sampleRate = QPoint(6 * l.m, parameterTop);
  l.dataLength = QPoint(10 * l.m, parameterTop);
  // One tenth of b below the picture's unrounded bottom edge.
  l.description = QPoint(2 * l.m, Trunc(l.m + clientHeight * l.s + tenthOfB));
  l.tester = QPoint(Trunc(26.5 * l.m), l.b);
  l.fieldFontTenths = Trunc(90 * l.s);
  l.titleFontTenths = Trunc(120 * l.s);
  return l;
}
