#pragma once

// Where the parts of the printed test report go on the page, in printer
// device pixels. Every fraction is truncated toward zero.

#include <QPoint>

struct ReportLayout {
  int m = 0;     // margin: trunc(H * 0.0295), H the printable width
  int d = 0;     // double margin: trunc(2 * H * 0.0295), computed on its own
  int w = 0;     // picture width: H - d
  int b = 0;     // bottom line: V - d, V the printable height
  double s = 0;  // scale of the picture: w / clientWidth; 0 when there is nothing to draw
  int pictureTop = 0;     // trunc(m + b / 10); the picture's left edge is m
  int pictureHeight = 0;  // trunc(clientHeight * s)
  QPoint title;           // centre x and top y of the title: (trunc(w / 2), m)
  // Top-left anchors of the texts.
  QPoint channels, sampleRate, dataLength, description, tester;
  int fieldFontTenths = 0;  // trunc(90 * s) tenths of a point
  int titleFontTenths = 0;  // trunc(120 * s) tenths of a point
};

// The layout for a printable area of the given size and a view whose client
// area is clientWidth x clientHeight. A view without width gives s = 0.
ReportLayout ComputeReportLayout(int printableWidth, int printableHeight, int clientWidth, int clientHeight);
