// Page arithmetic of the printed test report.
#include "files/ReportLayout.h"

#include <gtest/gtest.h>

TEST(ReportLayout, A4At300DpiWithTheDefaultWindow) {
  const ReportLayout l = ComputeReportLayout(3508, 2480, 1000, 600);
  EXPECT_EQ(l.m, 103);
  EXPECT_EQ(l.d, 206);
  EXPECT_EQ(l.w, 3302);
  EXPECT_EQ(l.b, 2274);
  EXPECT_DOUBLE_EQ(l.s, 3.302);
  EXPECT_EQ(l.pictureTop, 330);
  EXPECT_EQ(l.pictureHeight, 1981);
  EXPECT_EQ(l.channels, QPoint(206, 257));
  EXPECT_EQ(l.sampleRate, QPoint(618, 257));
  EXPECT_EQ(l.dataLength, QPoint(1030, 257));
  EXPECT_EQ(l.description, QPoint(206, 2311));
  EXPECT_EQ(l.tester, QPoint(2729, 2274));
  EXPECT_EQ(l.title, QPoint(1651, 103));
  EXPECT_EQ(l.fieldFontTenths, 297);
  EXPECT_EQ(l.titleFontTenths, 396);
}

TEST(ReportLayout, OddSizesTruncateEachQuantityOnItsOwn) {
  // 1001 * 0.0295 = 29.53 but 2002 * 0.0295 = 59.06: d is not 2m.
  const ReportLayout l = ComputeReportLayout(1001, 701, 801, 500);
  EXPECT_EQ(l.m, 29);
  EXPECT_EQ(l.d, 59);
  EXPECT_EQ(l.w, 942);
  EXPECT_EQ(l.b, 642);
  EXPECT_DOUBLE_EQ(l.s, 942.0 / 801);
  EXPECT_EQ(l.pictureTop, 93);     // 29 + 64.2
  EXPECT_EQ(l.pictureHeight, 588);  // 500 * 1.17603
  EXPECT_EQ(l.channels, QPoint(58, 72));  // 2.5 * 29 = 72.5
  EXPECT_EQ(l.sampleRate, QPoint(174, 72));
  EXPECT_EQ(l.dataLength, QPoint(290, 72));
  EXPECT_EQ(l.description, QPoint(58, 681));  // 29 + 588.01 + 64.2
  EXPECT_EQ(l.tester, QPoint(768, 642));      // 26.5 * 29 = 768.5
  EXPECT_EQ(l.title, QPoint(471, 29));
  EXPECT_EQ(l.fieldFontTenths, 105);
  EXPECT_EQ(l.titleFontTenths, 141);
}

TEST(ReportLayout, TallWindowPrintsPastTheBottomLine) {
  const ReportLayout l = ComputeReportLayout(3508, 2480, 600, 1000);
  EXPECT_EQ(l.pictureHeight, 5503);  // 1000 * 3302 / 600, not limited to the page
  EXPECT_GT(l.pictureTop + l.pictureHeight, l.b);
  EXPECT_EQ(l.description.y(), 5833);
  EXPECT_EQ(l.tester, QPoint(2729, 2274));  // inside the picture
  EXPECT_EQ(l.fieldFontTenths, 495);
}

TEST(ReportLayout, ViewWithoutWidthHasNothingToDraw) {
  for (const int width : {0, -5}) {
    const ReportLayout l = ComputeReportLayout(3508, 2480, width, 600);
    EXPECT_EQ(l.s, 0.0) << width;
    EXPECT_EQ(l.pictureHeight, 0) << width;
    EXPECT_EQ(l.fieldFontTenths, 0) << width;
    EXPECT_EQ(l.titleFontTenths, 0) << width;
    EXPECT_EQ(l.m, 103) << width;  // the page's margins do not depend on the view
  }
}
