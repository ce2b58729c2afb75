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

// The 1000 x 600 client area: plot at (100, 94).
class PictureScreen : public ::testing::Test {
 protected:
  PictureScreen() { EnsureApplication(), ResetGlobals(), PlaceRulers(g); }
  ~PictureScreen() override { ResetGlobals(); }

  // The export's composition of the current state (measuring the same
  // traces again gives the same readouts).
  QImage Composed() {
    QImage image;
    ComposeDisplay(image, ch1, ch2, g, ComposeOptions{}, ScreenStyle());
    return image;
  }

  const ViewGeometry g = GeometryForClient(1000, 600);
  TraceBuffer ch1 = SineTrace(100, 20000), ch2 = SineTrace(37, 9000);
  ScreenPicture picture;
};

}  // namespace

TEST_F(PictureScreen, RepaintingWhatChangedGivesTheFullPictureAtEveryTick) {
  QImage screen(1000, 600, QImage::Format_RGB32);
  screen.fill(kSentinel);
  auto tick = [&] {
    const QRegion changed = picture.Update(ch1, ch2, g, ScreenStyle());
    QPainter painter(&screen);
    picture.Paint(painter, changed);
    return changed;
  };
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"first tick", [] {}},
      {"traces move", [&] { ch1 = SineTrace(100, 20000, 13), ch2 = SineTrace(41, 12000, 5); }},
      {"a cursor is dragged", [&] {
         RulerPress(g_handleX1.topLeft(), g);
         RulerMove({g.plotLeft + 333, 40}, g);
         RulerRelease();
       }},
      {"rulers on", [] { g_rulerXOn = g_rulerYOn = true; }},
      {"CH2 far below the plot, over the labels", [] { g_settings.ch2Baseline = 190; }},
      {"one channel", [] { g_settings.channels = 1; }},
      {"millivolts", [] { g_settings.coordSystem = Millivolt; }},
      {"another CH1 colour", [] { g_settings.ch1Color = 0x00FF00FF; }},
      {"spectrum", [&] { g_displayMode = FrequencyDomain, ch1.fill(0), ch1[60] = 50000; }},
      {"back in time", [&] { g_displayMode = TimeDomain, ch1 = SineTrace(100, 20000); }},
  };
  for (const auto& [name, change] : steps) {
    change();
    tick();
    ASSERT_TRUE(screen == Composed()) << name;
  }
  EXPECT_TRUE(tick().isEmpty());  // the same frame again repaints nothing
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
  QPainter recorder(&recording);
  picture.Paint(recorder, part);
  recorder.end();
  QImage replayed(1000, 600, QImage::Format_RGB32);
  replayed.fill(kSentinel);
  QPainter(&replayed).drawPicture(0, 0, recording);

  for (int y = 0; y < 600; y += 3) {
    for (int x = 0; x < 1000; x += 3) {
      const QRgb want = part.contains(QPoint(x, y)) ? full.pixel(x, y) : kSentinel;
      ASSERT_EQ(big.pixel(x + 40, y + 30), want) << x << "," << y;
      ASSERT_EQ(replayed.pixel(x, y), want) << x << "," << y;
    }
  }
  EXPECT_EQ(big.pixel(1099, 699), kSentinel);
}
