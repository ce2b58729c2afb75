// ComposeDisplay and BuildDisplay: what a paint puts where, in which order,
// and what it measures and changes on the way.
#include "support/TestApplication.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGrid = 0xFF000078;
constexpr QRgb kCursor = 0xFF00C800;
constexpr QRgb kOrange = 0xFFFF8000;  // CH1, stored as COLORREF 0x000080FF
constexpr QRgb kViolet = 0xFF8000FF;  // CH2, stored as COLORREF 0x00FF0080

TraceBuffer Constant(int32_t v) {
  TraceBuffer t;
  t.fill(v);
  return t;
}

TraceBuffer SineTrace(double period, double amplitude) {
  TraceBuffer t;
  for (int i = 0; i < kTraceLength; ++i) t[i] = static_cast<int32_t>(std::lround(amplitude * std::sin(2 * M_PI * i / period)));
  return t;
}

// The 1000 x 600 client area: plot at (100, 94), so the zero line is row 294.
class PictureCompose : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    ResetGlobals();
    g_settings.ch1Color = 0x000080FF;
    g_settings.ch2Color = 0x00FF0080;
    PlaceRulers(g);
  }
  void TearDown() override { ResetGlobals(); }

  QImage Compose(const TraceBuffer& ch1, const TraceBuffer& ch2, const ComposeOptions& options = {},
                 const DisplayStyle& style = ScreenStyle()) {
    QImage image;
    ComposeDisplay(image, ch1, ch2, g, options, style);
    return image;
  }

  static std::vector<QString> Texts(const DisplayList& list) {
    std::vector<QString> texts;
    for (const auto& item : list.items)
      if (const auto* t = std::get_if<DisplayText>(&item)) texts.push_back(t->text);
    return texts;
  }
  static bool HasText(const DisplayList& list, const QString& text) {
    const auto texts = Texts(list);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  static const DisplayPolyline* Trace(const DisplayList& list, PenRole pen) {
    for (const auto& item : list.items)
      if (const auto* p = std::get_if<DisplayPolyline>(&item); p && p->pen == pen) return p;
    return nullptr;
  }
  static int CountColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
  }

  const ViewGeometry g = GeometryForClient(1000, 600);
  const int x = 100, y = 94, zero = 294;
};

}  // namespace

TEST_F(PictureCompose, FrameCornersAndEdgesAreWhiteOnBlack) {
  const QImage image = Compose(Constant(0), Constant(0));
  ASSERT_EQ(image.size(), QSize(1000, 600));
  ASSERT_EQ(image.format(), QImage::Format_RGB32);
  EXPECT_EQ(image.pixel(0, 0), kBlack);
  EXPECT_EQ(image.pixel(999, 599), kBlack);
  for (QPoint corner : {QPoint(x, y), QPoint(x + 600, y), QPoint(x + 600, y + 400), QPoint(x, y + 400)})
    EXPECT_EQ(image.pixel(corner), kWhite) << corner.x() << "," << corner.y();
  for (int i = 0; i <= 600; i += 37) {
    EXPECT_EQ(image.pixel(x + i, y + 400), kWhite) << "bottom edge at " << i;
  }
  for (int j = 0; j <= 400; j += 23) EXPECT_EQ(image.pixel(x, y + j), kWhite) << "left edge at " << j;
  EXPECT_EQ(image.pixel(x - 1, y + 100), kBlack);
  EXPECT_EQ(image.pixel(x + 601, y + 100), kBlack);
  EXPECT_EQ(image.pixel(x + 50, y - 1), kBlack);
  EXPECT_EQ(image.pixel(x + 50, y + 401), kBlack);
}

TEST_F(PictureCompose, GridLinesAreDottedFromOnePixelInsideTheFrame) {
  const QImage image = Compose(Constant(0), Constant(0));
  // Horizontal line 1 (row 134) left of cursor X1 (column 220): a dot every third column from 101.
  for (int px = x + 1; px < 160; ++px)
    EXPECT_EQ(image.pixel(px, y + 40), (px - 101) % 3 == 0 ? kGrid : kBlack) << "column " << px;
  // Vertical line 1 (column 160) above horizontal line 1: a dot every third row from 95.
  for (int py = y + 1; py < y + 40; ++py)
    EXPECT_EQ(image.pixel(x + 60, py), (py - 95) % 3 == 0 ? kGrid : kBlack) << "row " << py;
  // No grid line on the frame: (x + 600, y + 40) stays the frame's white.
  EXPECT_EQ(image.pixel(x + 600, y + 40), kWhite);
}

TEST_F(PictureCompose, TracesSitAtTheScaledSampleValues) {
  // 16 bits: 32767 * 0.006103515625 = 199.99..., truncated to 199 pixels above zero.
  g_settings.channels = 2;
  QImage image = Compose(Constant(32767), Constant(-16384));
  for (int px : {101, 150, 400, 698}) EXPECT_EQ(image.pixel(px, zero - 199), kOrange) << "column " << px;
  EXPECT_NE(image.pixel(699, zero - 199), kOrange);  // the polyline's final point is left out
  EXPECT_NE(image.pixel(400, zero - 200), kOrange);
  // CH2: -16384 * 0.006103515625 = -100 exactly, so 100 pixels below zero.
  for (int px : {101, 400, 698}) EXPECT_EQ(image.pixel(px, zero + 100), kViolet) << "column " << px;

  // 8 bits: 127 * 1.5625 = 198.4375 -> 198 pixels above zero.
  g_settings.bitsPerSample = 8;
  g_settings.channels = 1;
  image = Compose(Constant(127), Constant(-100));
  for (int px : {101, 400, 698}) EXPECT_EQ(image.pixel(px, zero - 198), kOrange) << "column " << px;
  EXPECT_EQ(CountColour(image, kViolet), 0);  // one channel: no CH2 trace
}

TEST_F(PictureCompose, BaselinesMoveTheTraces) {
  g_settings.channels = 2;
  g_settings.ch1Baseline = -50;
  g_settings.ch2Baseline = 30;
  const QImage image = Compose(Constant(0), Constant(0));
  EXPECT_EQ(image.pixel(400, zero - 50), kOrange);
  EXPECT_EQ(image.pixel(400, zero + 30), kViolet);
  EXPECT_EQ(g_settings.ch2Baseline, 30);  // kept in the time domain
}

TEST_F(PictureCompose, CursorLinesAreGreenDotsOverTheWholePlot) {
  const QImage image = Compose(Constant(-32768), Constant(0));  // CH1 on the bottom edge, out of the way
  const int cursorX1 = g_cursorX1, cursorY1 = g_cursorY1;
  ASSERT_EQ(cursorX1, x + 120);
  ASSERT_EQ(cursorY1, y + 80);
  for (int py = y + 1; py < y + 400; ++py)
    EXPECT_EQ(image.pixel(cursorX1, py) == kCursor, (py - 95) % 3 == 0) << "row " << py;
  for (int px = x + 1; px < x + 600; ++px)
    EXPECT_EQ(image.pixel(px, cursorY1) == kCursor, (px - 101) % 3 == 0) << "column " << px;
  EXPECT_EQ(image.pixel(g_cursorX2, y + 1), kCursor);
  EXPECT_EQ(image.pixel(x + 1, g_cursorY2), kCursor);
  EXPECT_EQ(image.pixel(cursorX1, y), kWhite);        // the frame above is not touched
  EXPECT_NE(image.pixel(cursorX1, y + 400), kCursor);  // the end point is left out
  EXPECT_EQ(image.pixel(x + 600, cursorY1), kWhite);
}

TEST_F(PictureCompose, RulerLinesAreDrawnOnlyWhenSwitchedOn) {
  const TraceBuffer low = Constant(-32768);
  QImage image = Compose(low, low);
  EXPECT_NE(image.pixel(g_crossX, y + 3), kWhite);
  EXPECT_NE(image.pixel(x + 3, g_crossY), kWhite);

  g_rulerXOn = g_rulerYOn = true;
  g_crossX = x + 301;
  g_crossY = y + 201;
  image = Compose(low, low);
  for (int py = y + 1; py < y + 400; ++py)
    EXPECT_EQ(image.pixel(g_crossX, py) == kWhite, (py - y) % 3 == 0) << "row " << py;
  for (int px = x + 1; px < x + 600; ++px) {
    if (px == g_cursorX1 || px == g_cursorX2 || px == g_crossX) continue;
    EXPECT_EQ(image.pixel(px, g_crossY) == kWhite, (px - x) % 3 == 0) << "column " << px;
  }
}

TEST_F(PictureCompose, HandlesAreWhiteRectanglesAroundTheCursors) {
  const QImage image = Compose(Constant(0), Constant(0));
  for (const QRect& r : {g_handleX1, g_handleX2, g_handleY1, g_handleY2}) {
    ASSERT_FALSE(r.isEmpty());
    for (int py = r.top(); py <= r.bottom(); ++py)
      for (int px = r.left(); px <= r.right(); ++px) ASSERT_EQ(image.pixel(px, py), kWhite) << px << "," << py;
  }
  // X1's handle: 214..225 x 89..93, black around it.
  EXPECT_EQ(g_handleX1, QRect(QPoint(214, 89), QPoint(225, 93)));
  EXPECT_EQ(image.pixel(213, 91), kBlack);
  EXPECT_EQ(image.pixel(226, 91), kBlack);
  EXPECT_EQ(image.pixel(220, 88), kBlack);
  // Y1's handle: 700..705 x 168..179.
  EXPECT_EQ(g_handleY1, QRect(QPoint(700, 168), QPoint(705, 179)));
  EXPECT_EQ(image.pixel(706, 172), kBlack);
  EXPECT_EQ(image.pixel(703, 167), kBlack);
  EXPECT_EQ(image.pixel(703, 180), kBlack);
}

TEST_F(PictureCompose, HeaderAndReadoutsAreWhiteTextRightOfThePlot) {
  const QImage image = Compose(Constant(0), Constant(0));
  auto whiteIn = [&](const QRect& area) {
    int n = 0;
    for (int py = area.top(); py <= area.bottom(); ++py)
      for (int px = area.left(); px <= area.right(); ++px) n += image.pixel(px, py) == kWhite;
    return n;
  };
  EXPECT_GT(whiteIn(QRect(x + 630, y, 150, 16)), 30);       // header
  EXPECT_GT(whiteIn(QRect(x + 630, y + 20, 150, 16)), 30);  // row 1
  EXPECT_EQ(whiteIn(QRect(x + 610, y + 100, 18, 200)), 0);  // the gap between plot and column
}

TEST_F(PictureCompose, PaperIsWhiteWithBlackFrameTextAndHandles) {
  g_settings.channels = 2;
  g_rulerXOn = g_rulerYOn = true;
  ComposeOptions report;
  report.measureBeforeRenderer = false;
  report.crosshairWithTracePen = true;
  const TraceBuffer low = Constant(-32768);
  QImage image = Compose(low, low, report, PaperStyle());
  EXPECT_EQ(image.pixel(0, 0), kWhite);
  EXPECT_EQ(image.pixel(x, y), kBlack);
  EXPECT_EQ(image.pixel(x + 600, y + 400), kBlack);
  EXPECT_EQ(image.pixel(g_handleX1.topLeft()), kBlack);
  EXPECT_EQ(image.pixel(g_handleX1.center()), kWhite);
  EXPECT_EQ(image.pixel(x + 1, y + 40), kGrid);
  EXPECT_EQ(image.pixel(g_cursorX1, y + 1), kCursor);
  int black = 0;
  for (int py = y; py < y + 16; ++py)
    for (int px = x + 630; px < x + 780; ++px) black += image.pixel(px, py) == kBlack;
  EXPECT_GT(black, 30);  // the header in black
  // The crosshair takes the last trace's pen: CH2's with two channels...
  EXPECT_EQ(image.pixel(g_crossX, y + 3), kViolet);
  EXPECT_EQ(image.pixel(x + 3, g_crossY), kViolet);
  // ...CH1's with one.
  g_settings.channels = 1;
  image = Compose(low, low, report, PaperStyle());
  EXPECT_EQ(image.pixel(g_crossX, y + 3), kOrange);
  // Without the option: the dotted white ruler pen, invisible on white paper.
  image = Compose(low, low, ComposeOptions{}, PaperStyle());
  EXPECT_EQ(image.pixel(g_crossX, y + 3), kWhite);
  EXPECT_EQ(CountColour(image, kViolet), 0);
}

TEST_F(PictureCompose, ItemsComeInDrawingOrder) {
  g_settings.channels = 2;
  g_rulerXOn = g_rulerYOn = true;
  DisplayList list;
  BuildDisplay(list, Constant(0), Constant(0), g, {});
  ASSERT_GT(list.items.size(), 12u);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(std::holds_alternative<DisplayHandle>(list.items[i]));
  EXPECT_EQ(std::get<DisplayHandle>(list.items[0]).rect, g_handleX1);
  EXPECT_EQ(std::get<DisplayHandle>(list.items[3]).rect, g_handleY2);
  const auto& header = std::get<DisplayText>(list.items[4]);
  EXPECT_EQ(header.text, QStringLiteral("======时域======="));
  EXPECT_EQ(header.at, QPoint(x + 630, y));
  EXPECT_EQ(header.anchor, TextAnchor::LeftTop);

  // The tail: CH1, CH2, the two ruler lines, the four cursor lines.
  const auto n = list.items.size();
  EXPECT_EQ(std::get<DisplayPolyline>(list.items[n - 8]).pen, PenRole::Ch1);
  EXPECT_EQ(std::get<DisplayPolyline>(list.items[n - 7]).pen, PenRole::Ch2);
  const auto& rx = std::get<DisplayLine>(list.items[n - 6]);
  EXPECT_EQ(rx.from, QPoint(g_crossX, y));
  EXPECT_EQ(rx.to, QPoint(g_crossX, y + 400));
  EXPECT_EQ(rx.pen, PenRole::Ruler);
  const auto& ry = std::get<DisplayLine>(list.items[n - 5]);
  EXPECT_EQ(ry.from, QPoint(x, g_crossY));
  EXPECT_EQ(ry.to, QPoint(x + 600, g_crossY));
  const auto& c = std::get<DisplayLine>(list.items[n - 2]);
  EXPECT_EQ(c.from, QPoint(x + 1, g_cursorY1));
  EXPECT_EQ(c.to, QPoint(x + 600, g_cursorY1));
  EXPECT_EQ(c.pen, PenRole::Cursor);
  EXPECT_EQ(std::get<DisplayLine>(list.items[n - 4]).from, QPoint(g_cursorX1, y + 1));
  EXPECT_EQ(std::get<DisplayLine>(list.items[n - 1]).to, QPoint(x + 600, g_cursorY2));
}

TEST_F(PictureCompose, ScreenMeasuresBeforeTheReadoutsExportAfter) {
  // CH1: 100-sample period (441 Hz at 44100), CH2: 50 samples (882 Hz).
  g_settings.channels = 2;
  const TraceBuffer ch1 = SineTrace(100, 10000), ch2 = SineTrace(50, 4000);
  const TraceMeasurement m1 = MeasureTrace(ch1.data(), 0, 0, 44100);
  ASSERT_EQ(m1.frequency, 441);

  // Screen: this paint's values in the readouts, both channels measured.
  g_settings.ch1Frequency = 7;
  g_settings.ch2Frequency = 9;
  g_settings.triggerIndex = 300;
  DisplayList screen;
  BuildDisplay(screen, ch1, ch2, g, {});
  EXPECT_TRUE(HasText(screen, QStringLiteral("CH1频率：441Hz")));
  EXPECT_TRUE(HasText(screen, QStringLiteral("CH2频率：882Hz")));
  EXPECT_EQ(g_settings.triggerIndex, m1.triggerIndex);

  // Export: the readouts show the previous values; CH1 is measured afterwards,
  // CH2 not at all, and the traces start at the new trigger index.
  g_settings.ch1Frequency = 7;
  g_settings.ch2Frequency = 9;
  g_settings.ch2Rms = 5;
  g_settings.triggerIndex = 300;
  g_settings.ch2Phase = 10;
  DisplayList exported;
  BuildDisplay(exported, ch1, ch2, g, ComposeOptions{false, false});
  EXPECT_TRUE(HasText(exported, QStringLiteral("CH1频率：7Hz")));
  EXPECT_TRUE(HasText(exported, QStringLiteral("CH2频率：9Hz")));
  EXPECT_EQ(g_settings.ch1Frequency, 441);
  EXPECT_EQ(g_settings.ch1Rms, m1.rms);
  EXPECT_EQ(g_settings.ch2Frequency, 9);
  EXPECT_EQ(g_settings.ch2Rms, 5.0f);
  EXPECT_EQ(g_settings.triggerIndex, m1.triggerIndex);
  const int t = m1.triggerIndex;
  const DisplayPolyline* c1 = Trace(exported, PenRole::Ch1);
  const DisplayPolyline* c2 = Trace(exported, PenRole::Ch2);
  ASSERT_TRUE(c1 && c2);
  ASSERT_EQ(c1->points.size(), 600u);
  // Point i (i >= 1) shows sample start + i; CH2 starts at CH1's trigger plus its phase.
  for (int i : {1, 77, 599}) {
    EXPECT_EQ(c1->points[i].y(), zero - static_cast<int>(std::trunc(ch1[t + i] * 0.006103515625))) << i;
    EXPECT_EQ(c2->points[i].y(), zero - static_cast<int>(std::trunc(ch2[t + 10 + i] * 0.006103515625))) << i;
  }
}

TEST_F(PictureCompose, FunctionSignalStartsAtZeroAndMeasuresNothing) {
  g_displayMode = FunctionSignal;
  g_settings.ch1Frequency = 7;
  g_settings.triggerIndex = 300;
  const TraceBuffer ch1 = SineTrace(100, 10000);
  DisplayList list;
  BuildDisplay(list, ch1, ch1, g, {});
  EXPECT_EQ(std::get<DisplayText>(list.items[4]).text, QStringLiteral("====函数信号====="));
  EXPECT_TRUE(HasText(list, QStringLiteral("CH1频率：7Hz")));
  EXPECT_EQ(g_settings.ch1Frequency, 7);
  EXPECT_EQ(g_settings.triggerIndex, 300);
  const DisplayPolyline* c1 = Trace(list, PenRole::Ch1);
  ASSERT_TRUE(c1);
  EXPECT_EQ(c1->points[25].y(), zero - static_cast<int>(std::trunc(ch1[25] * 0.006103515625)));
}

TEST_F(PictureCompose, FrequencyDomainResetsPositiveBaselinesOfShownChannels) {
  g_displayMode = FrequencyDomain;
  g_settings.channels = 1;
  g_settings.ch1Baseline = 30;
  g_settings.ch2Baseline = 20;
  DisplayList list;
  BuildDisplay(list, Constant(0), Constant(0), g, {});
  EXPECT_EQ(std::get<DisplayText>(list.items[4]).text, QStringLiteral("======频域======="));
  EXPECT_EQ(g_settings.ch1Baseline, 0);
  EXPECT_EQ(g_settings.ch2Baseline, 20);  // CH2 is not drawn with one channel

  g_settings.channels = 2;
  g_settings.ch1Baseline = -40;
  list.items.clear();
  BuildDisplay(list, Constant(0), Constant(0), g, {});
  EXPECT_EQ(g_settings.ch1Baseline, -40);  // a negative baseline stays
  EXPECT_EQ(g_settings.ch2Baseline, 0);
  // An empty spectrum lies on the bottom edge, lifted by the negative baseline.
  EXPECT_EQ(Trace(list, PenRole::Ch1)->points[100].y(), y + 400 - 40);
  EXPECT_EQ(Trace(list, PenRole::Ch2)->points[100].y(), y + 400);
}

TEST_F(PictureCompose, UnknownCoordinateSystemDrawsNoRendererButTracesAndCursors) {
  g_settings.coordSystem = 5;
  DisplayList list;
  BuildDisplay(list, Constant(0), Constant(0), g, {});
  int grid = 0, texts = 0;
  for (const auto& item : list.items) {
    if (const auto* l = std::get_if<DisplayLine>(&item)) grid += l->pen == PenRole::Grid;
    texts += std::holds_alternative<DisplayText>(item);
  }
  EXPECT_EQ(grid, 0);
  EXPECT_EQ(texts, 1);  // the header only
  EXPECT_NE(Trace(list, PenRole::Ch1), nullptr);
  EXPECT_EQ(std::get<DisplayLine>(list.items.back()).pen, PenRole::Cursor);
}

TEST_F(PictureCompose, TheImageIsMadeToFitTheClientArea) {
  QImage image(10, 10, QImage::Format_ARGB32);
  ComposeDisplay(image, Constant(0), Constant(0), g, {}, ScreenStyle());
  EXPECT_EQ(image.size(), QSize(1000, 600));
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  // A reused list is cleared, not appended to.
  DisplayList list;
  ComposeDisplay(image, list, Constant(0), Constant(0), g, {}, ScreenStyle());
  const auto first = list.items.size();
  ComposeDisplay(image, list, Constant(0), Constant(0), g, {}, ScreenStyle());
  EXPECT_EQ(list.items.size(), first);
}

TEST_F(PictureCompose, ColorrefIsBlueGreenRedFromTheTopByte) {
  EXPECT_EQ(ColorFromColorref(0x000080FF), QColor(255, 128, 0));
  EXPECT_EQ(ColorFromColorref(0x00FFFF00), QColor(0, 255, 255));
  EXPECT_EQ(ColorFromColorref(0x00010203), QColor(3, 2, 1));
}
