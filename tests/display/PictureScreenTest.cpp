// The screen's picture, repainted only where it changed, stays pixel for
// pixel the full composition the export and the report make.
#include "support/TestApplication.h"
#include "app/Globals.h"
#include "display/Rulers.h"
#include "display/ScreenPicture.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr QRgb kSentinel = 0xFF010203;

TraceBuffer SineTrace(double period, double amplitude, double shift = 0) {
  TraceBuffer t;
  for (int i = 0; i < kTraceLength; ++i)
    t[i] = static_cast<int32_t>(std::lround(amplitude * std::sin(2 * M_PI * (i + shift) / period)));
  return t;
}

int DifferingPixels(const QImage& a, const QImage& b, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

// The 1000 x 600 client area: plot at (100, 94).
class PictureScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    ResetGlobals();
    PlaceRulers(g);
    screen.fill(kSentinel);
  }
  void TearDown() override { ResetGlobals(); }

  // One tick: build, then repaint what changed on the kept screen image.
  QRegion Tick() {
    const QRegion changed = picture.Update(ch1, ch2, g, ScreenStyle());
    QPainter painter(&screen);
    picture.Paint(painter, changed);
    return changed;
  }
  // The export's composition of the same state (measuring the same traces
  // again gives the same readouts).
  QImage Composed() {
    QImage image;
    ComposeDisplay(image, ch1, ch2, g, ComposeOptions{}, ScreenStyle());
    return image;
  }

  const ViewGeometry g = GeometryForClient(1000, 600);
  const QRect client{0, 0, 1000, 600};
  TraceBuffer ch1 = SineTrace(100, 20000), ch2 = SineTrace(37, 9000);
  ScreenPicture picture;
  QImage screen{1000, 600, QImage::Format_RGB32};
};

}  // namespace

TEST_F(PictureScreen, RepaintingWhatChangedGivesTheFullPictureAtEveryTick) {
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"first tick", [] {}},
      {"traces move", [&] { ch1 = SineTrace(100, 20000, 13), ch2 = SineTrace(41, 12000, 5); }},
      {"a cursor is dragged", [&] {
         RulerPress(g_handleX1.topLeft(), g);
         RulerMove({g.plotLeft + 333, 40}, g);
         RulerRelease();
       }},
      {"rulers on", [] { g_rulerXOn = g_rulerYOn = true; }},
      {"CH2 far below the plot, over the labels", [&] { g_settings.ch2Baseline = 190; }},
      {"one channel", [] { g_settings.channels = 1; }},
      {"millivolts", [] { g_settings.coordSystem = Millivolt; }},
      {"another CH1 colour", [] { g_settings.ch1Color = 0x00FF00FF; }},
      {"spectrum", [&] {
         g_displayMode = FrequencyDomain;
         ch1.fill(0);
         ch1[60] = 50000;
         ch1[61] = 20000;
       }},
      {"back in time, nothing else changes", [&] { g_displayMode = TimeDomain, ch1 = SineTrace(100, 20000); }},
  };
  for (const auto& [name, change] : steps) {
    SCOPED_TRACE(name);
    change();
    Tick();
    ASSERT_EQ(DifferingPixels(screen, Composed(), client), 0);
  }
  // The same frame again repaints nothing.
  EXPECT_TRUE(Tick().isEmpty());
}

TEST_F(PictureScreen, OnlyTheChangedPartIsRepainted) {
  EXPECT_EQ(Tick(), QRegion(client));  // the first picture is painted whole
  EXPECT_TRUE(Tick().isEmpty());

  // New traces inside the plot: the frame's labels and captions stay.
  ch1 = SineTrace(100, 20000, 25);
  ch2 = SineTrace(37, 9000, 11);
  const QRegion traces = Tick();
  EXPECT_FALSE(traces.isEmpty());
  EXPECT_FALSE(traces.intersects(QRect(0, 0, g.plotLeft - 1, 600)));         // Y labels
  EXPECT_FALSE(traces.intersects(QRect(0, g.plotTop + 402, 1000, 198)));     // X labels
  EXPECT_FALSE(traces.intersects(QRect(g.plotLeft + 620, g.plotTop, 380, 40)));  // header, X caption
  EXPECT_EQ(DifferingPixels(screen, Composed(), client), 0);

  // A moved crosshair with the rulers off changes only the unshown readouts: nothing.
  g_crossX += 7;
  EXPECT_TRUE(Tick().isEmpty());
  // A resize paints everything again.
  EXPECT_EQ(picture.Update(ch1, ch2, GeometryForClient(900, 600), ScreenStyle()), QRegion(0, 0, 900, 600));
}

TEST_F(PictureScreen, PaintsOnlyTheRegionOnAnyDevice) {
  picture.Update(ch1, ch2, g, ScreenStyle());
  const QImage full = Composed();
  const QRegion part = QRegion(80, 60, 300, 200) | QRegion(650, 300, 200, 100);

  // A plain image seen through a translated painter: written in place.
  QImage big(1100, 700, QImage::Format_ARGB32_Premultiplied);
  big.fill(kSentinel);
  {
    QPainter painter(&big);
    painter.translate(40, 30);
    picture.Paint(painter, part);
  }
  // Another kind of device (a recording): through a scratch image.
  QPicture recording;
  {
    QPainter painter(&recording);
    picture.Paint(painter, part);
  }
  QImage viaRecording(1000, 600, QImage::Format_RGB32);
  viaRecording.fill(kSentinel);
  {
    QPainter painter(&viaRecording);
    painter.drawPicture(0, 0, recording);
  }

  for (int y = 0; y < 600; y += 3) {
    for (int x = 0; x < 1000; x += 3) {
      const QRgb want = part.contains(QPoint(x, y)) ? full.pixel(x, y) : kSentinel;
      ASSERT_EQ(big.pixel(x + 40, y + 30), want) << x << "," << y;
      ASSERT_EQ(viaRecording.pixel(x, y), want) << x << "," << y;
    }
  }
  EXPECT_EQ(big.pixel(0, 0), kSentinel);
  EXPECT_EQ(big.pixel(1099, 699), kSentinel);
}
