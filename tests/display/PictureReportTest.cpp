// The printed test report drawn on an A4 page at 300 dpi (an image standing
// in for the printer).
#include "support/TestApplication.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "display/PrintReport.h"
#include "display/Rulers.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr int kPageWidth = 3508;
constexpr int kPageHeight = 2480;
// The default window's picture on that page: 1000 x 600 stretched to
// 3302 x 1981 at (103, 330).
constexpr int kLeft = 103;
constexpr int kTop = 330;
double PageX(double x) { return kLeft + x * 3302 / 1000; }
double PageY(double y) { return kTop + y * 1981 / 600; }

bool IsWhite(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }
bool IsBlackish(QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }
bool IsYellowish(QRgb c) { return qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) < 60; }
bool IsCyanish(QRgb c) { return qRed(c) < 60 && qGreen(c) > 220 && qBlue(c) > 220; }

// Pixels of `rect` that satisfy `test`.
int Count(const QImage& page, const QRect& rect, const std::function<bool(QRgb)>& test) {
  const QRect r = rect & page.rect();
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) n += test(line[x]);
  }
  return n;
}
int Ink(const QImage& page, const QRect& rect) {
  return Count(page, rect, [](QRgb c) { return !IsWhite(c); });
}

// The horizontal extent of the ink in `rect`, as (first, last) column.
std::pair<int, int> InkColumns(const QImage& page, const QRect& rect) {
  int first = -1, last = -1;
  for (int x = rect.left(); x <= rect.right(); ++x) {
    if (Ink(page, QRect(x, rect.top(), 1, rect.height())) == 0) continue;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

class PictureReport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    ResetGlobals();
    geometry = GeometryForClient(1000, 600);
    ClearRulerState();
    PlaceRulers(geometry);
    for (int i = 0; i < kTraceLength; ++i) {
      ch1[i] = static_cast<int32_t>(std::lround(12000 * std::sin(2 * M_PI * (i - 10) / 64)));
      ch2[i] = static_cast<int32_t>(std::lround(6000 * std::sin(2 * M_PI * i / 32)));
    }
  }
  void TearDown() override { ResetGlobals(); }

  // Pages are made at one time of day, so that they can be compared.
  QImage Print(const QString& description = {}, const QString& tester = {}, const QRect& printable = {},
               const QDateTime& madeAt = QDateTime(QDate(2026, 12, 10), QTime(14, 3))) {
    const QRect area = printable.isNull() ? QRect(0, 0, kPageWidth, kPageHeight) : printable;
    QImage page(area.right() + 1, area.bottom() + 1, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PrintReport(painter, area, ch1, ch2, geometry, description, tester, madeAt);
    return page;
  }

  ViewGeometry geometry;
  TraceBuffer ch1{}, ch2{};
};

}  // namespace

TEST_F(PictureReport, PictureIsThePaperPictureStretchedToThePageWidth) {
  const QImage page = Print();

  // Only the margins' white around the picture.
  EXPECT_EQ(Ink(page, QRect(0, 300, kLeft, 2000)), 0);
  EXPECT_EQ(Ink(page, QRect(kLeft + 3302, 300, kPageWidth - kLeft - 3302, 1950)), 0);
  // The picture's own background is white: a corner of the client area.
  EXPECT_EQ(Ink(page, QRect(kLeft, static_cast<int>(PageY(560)), 60, 60)), 0);

  // The plot frame (100, 94) .. (700, 494) in black, scaled: its top edge
  // between the cursors, and its bottom edge.
  for (const int x : {150, 300, 400, 650}) {
    for (const int y : {94, 494}) {
      const QRect around(static_cast<int>(PageX(x)), static_cast<int>(PageY(y)) - 3, 1, 8);
      EXPECT_GT(Count(page, around, IsBlackish), 0) << "frame at " << x << ", " << y;
    }
  }
  // Just outside the frame the page is white (no screen-black background).
  EXPECT_EQ(Ink(page, QRect(static_cast<int>(PageX(400)), static_cast<int>(PageY(70)), 40, 20)), 0);

  // Both traces in their colours, and no unscaled 1000 x 600 copy.
  const QRect plot(static_cast<int>(PageX(100)), static_cast<int>(PageY(94)), 1980, 1320);
  EXPECT_GT(Count(page, plot, IsYellowish), 3000);
  EXPECT_GT(Count(page, plot, IsCyanish), 3000);
  // The traces reach across the whole stretched plot.
  EXPECT_GT(Count(page, QRect(static_cast<int>(PageX(680)), plot.top(), 60, plot.height()), IsYellowish), 50);
}

TEST_F(PictureReport, TextsHangFromTheirAnchors) {
  g_settings.channels = 1;
  g_settings.sampleRate = 8000;
  g_settings.bitsPerSample = 8;
  const QImage empty = Print();
  const QImage filled = Print(QStringLiteral("振动台 A 通道"), QStringLiteral("王工"));

  // The parameter line: three texts, each starting at its anchor (x, 257),
  // with nothing above or just left of it.
  for (const int x : {206, 618, 1030}) {
    const QRect text(x, 257, 380, 45);
    EXPECT_GT(Ink(empty, text), 100) << x;
    EXPECT_LE(InkColumns(empty, text).first, x + 6) << x;
    EXPECT_EQ(Ink(empty, QRect(x - 30, 257, 30, 45)), 0) << x;
    EXPECT_EQ(Ink(empty, QRect(x, 200, 300, 57)), 0) << x;
  }

  // The title: 52-pixel text centred on (1651, 103), nothing above it.
  const auto [first, last] = InkColumns(empty, QRect(0, 103, kPageWidth, 60));
  ASSERT_GE(first, 0);
  EXPECT_NEAR((first + last) / 2.0, 1651, 30);
  EXPECT_GT(last - first, 400);
  EXPECT_EQ(Ink(empty, QRect(0, 0, kPageWidth, 103)), 0);

  // The description under the picture and the tester at the bottom line: the
  // labels alone, and longer with their texts.
  const QRect description(206, 2311, 1500, 45);
  const QRect tester(2729, 2274, 700, 45);
  EXPECT_GT(Ink(empty, description), 100);
  EXPECT_GT(Ink(empty, tester), 100);
  EXPECT_EQ(Ink(empty, QRect(0, 2311, 206, 45)), 0);
  EXPECT_GT(InkColumns(filled, description).second, InkColumns(empty, description).second + 100);
  EXPECT_GT(InkColumns(filled, tester).second, InkColumns(empty, tester).second + 50);
  // The parameters are the settings': "8000" is wider than nothing, "8" narrower than "16".
  g_settings.bitsPerSample = 16;
  const QImage sixteen = Print();
  EXPECT_GT(InkColumns(sixteen, QRect(1030, 257, 600, 45)).second, InkColumns(empty, QRect(1030, 257, 600, 45)).second);
}

TEST_F(PictureReport, TheTimeOfDayStandsInTheTopRightCorner) {
  Print();  // the readouts show the previous measurement: once printed, they settle
  const QImage page = Print();
  // Right-aligned with the picture's right edge (103 + 3302) on the
  // parameter line, clear of the title above and the picture below.
  const QRect corner(2000, 257, 1405, 45);
  const auto [first, last] = InkColumns(page, corner);
  EXPECT_NEAR(last, 3405, 8);
  EXPECT_GT(last - first, 300);  // "日期: 2026-12-10 14:03" at 40 pixels
  EXPECT_EQ(Ink(page, QRect(2000, 200, 1405, 57)), 0);
  EXPECT_EQ(Ink(page, QRect(2000, 302, 1405, kTop - 302)), 0);
  EXPECT_EQ(Ink(page, QRect(3406, 0, kPageWidth - 3406, kTop)), 0);

  // Another minute changes that corner and nothing else.
  const QImage later = Print({}, {}, {}, QDateTime(QDate(2027, 1, 2), QTime(9, 58)));
  EXPECT_FALSE(later.copy(corner) == page.copy(corner));
  QImage cleared = later;
  QPainter(&cleared).drawImage(corner.topLeft(), page.copy(corner));
  EXPECT_TRUE(cleared == page);
}

TEST_F(PictureReport, PrintableAreaOffsetMovesTheWholePage) {
  // The readouts show the previous measurement: once printed, they settle.
  Print();
  const QImage page = Print();
  const QImage shifted = Print({}, {}, QRect(50, 40, kPageWidth, kPageHeight));
  EXPECT_EQ(Ink(shifted, QRect(0, 0, shifted.width(), 40)), 0);
  EXPECT_EQ(Ink(shifted, QRect(0, 0, 50, shifted.height())), 0);
  EXPECT_TRUE(shifted.copy(50, 40, kPageWidth, kPageHeight) == page);
}

TEST_F(PictureReport, ViewWithoutWidthPrintsNothing) {
  geometry = GeometryForClient(0, 600);
  const QImage page = Print();
  EXPECT_EQ(Ink(page, page.rect()), 0);
}

TEST_F(PictureReport, TimeDomainStoresTheTriggerOfCh1) {
  const int32_t expected =
      MeasureTrace(ch1.data(), g_settings.triggerEdge, g_settings.triggerLevel, g_settings.sampleRate).triggerIndex;
  ASSERT_NE(expected, 0);
  g_displayMode = TimeDomain;
  g_settings.triggerIndex = 777;
  Print();
  EXPECT_EQ(g_settings.triggerIndex, expected);

  g_displayMode = FrequencyDomain;
  g_settings.triggerIndex = 777;
  Print();
  EXPECT_EQ(g_settings.triggerIndex, 777);
}

TEST_F(PictureReport, CrosshairTakesThePenOfTheLastTraceDrawn) {
  // Flat traces on the baseline, so the crosshair's upper part stands alone.
  ch1.fill(0);
  ch2.fill(0);
  g_rulerXOn = true;
  g_crossX = 400;
  const QRect column(static_cast<int>(PageX(400)) - 4, static_cast<int>(PageY(120)), 9, 400);

  g_settings.channels = 2;
  QImage page = Print();
  EXPECT_GT(Count(page, column, IsCyanish), 100);
  EXPECT_EQ(Count(page, column, IsYellowish), 0);

  g_settings.channels = 1;
  page = Print();
  EXPECT_GT(Count(page, column, IsYellowish), 100);
  EXPECT_EQ(Count(page, column, IsCyanish), 0);
}
