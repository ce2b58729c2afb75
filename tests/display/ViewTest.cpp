#include "support/TestApplication.h"
#include "display/COndrixView.h"
#include "display/Rulers.h"
#include "support/FakeAudioInput.h"
#include "support/RecordingPrompts.h"

#include "app/Globals.h"

#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

class ViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
  }

  ViewTest() {
    ResetGlobals();
    g_appDir = dir.path();  // no setting.ini here: the defaults
    auto fake = std::make_unique<FakeAudioInput>();
    input = fake.get();
    view = std::make_unique<COndrixView>(std::move(fake));
    view->OnInitialUpdate();
    view->resize(1000, 600);
    view->show();
    QCoreApplication::processEvents();
  }
  ~ViewTest() override {
    view.reset();
    ResetGlobals();
  }

  void Press(QPoint p) { QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, p); }
  void Move(QPoint p) {
    // QTest::mouseMove does not carry the held button; send the event itself.
    QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &move);
  }
  void Release(QPoint p) { QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, p); }

  QTemporaryDir dir;
  FakeAudioInput* input = nullptr;
  std::unique_ptr<COndrixView> view;
};

}  // namespace

TEST_F(ViewTest, TheFirstUpdateLoadsTheRuntimeFoldersSettingsWhereverTheProgramWasStarted) {
  SettingsRecord own = DefaultSettings();
  own.sampleRate = 22050;
  ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), own, nullptr));
  QTemporaryDir elsewhere;  // the current directory, with a setting.ini of its own
  SettingsRecord other = DefaultSettings();
  other.sampleRate = 8000;
  ASSERT_TRUE(SaveSettingsRecord(QDir(elsewhere.path()).filePath("setting.ini"), other, nullptr));
  const QString previousDir = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());
  view->OnInitialUpdate();
  QDir::setCurrent(previousDir);
  EXPECT_EQ(g_settings.sampleRate, 22050);
}

TEST_F(ViewTest, APluginsRateBeyondTheSoundCardsIsNoRepairWhilePlusIniNamesThePlugin) {
  SettingsRecord own = DefaultSettings();
  own.sampleRate = 1000000;
  ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), own, nullptr));
  for (const bool pluginInUse : {true, false}) {
    QFile ini(dir.filePath("plus.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(pluginInUse ? "[PLUS]\nisPlus=1\nPath=/p/adc.so\n" : "[PLUS]\nisPlus=0\n");
    ini.close();
    RecordingPrompts prompts;
    view->OnInitialUpdate();
    EXPECT_EQ(prompts.statuses.join(' ').contains(QStringLiteral("sampleRate")), !pluginInUse)
        << prompts.statuses.join(' ').toStdString();
  }
}

TEST_F(ViewTest, ResizePlacesThePlotAndPutsEveryMarkAtItsStart) {
  // 1000 x 600: plot at ((1000 - 600) / 4, (600 - 400) / 2 - 6) = (100, 94).
  EXPECT_EQ(view->plotLeft(), 100);
  EXPECT_EQ(view->plotTop(), 94);
  EXPECT_EQ(g_crossX, 400);
  EXPECT_EQ(g_crossY, 294);
  EXPECT_EQ(g_cursorX1, 220);
  EXPECT_EQ(g_cursorX2, 580);
  EXPECT_EQ(g_cursorY1, 174);
  EXPECT_EQ(g_cursorY2, 414);
  EXPECT_EQ(g_handleX1, QRect(214, 89, 12, 5));
  EXPECT_EQ(g_handleY2, QRect(700, 408, 6, 12));

  // Moved marks go back on the next resize; narrow windows truncate toward zero.
  g_cursorX1 = 300;
  view->resize(501, 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(view->plotLeft(), -24);  // -99 / 4
  EXPECT_EQ(view->plotTop(), -56);   // -100 / 2 - 6
  EXPECT_EQ(g_cursorX1, -24 + 120);
}

TEST_F(ViewTest, AnyPressDragsTheCrosshairWhichStaysOnThePlot) {
  Press({50, 30});  // outside the plot: the crosshair stays, but is dragged
  EXPECT_TRUE(g_dragCross);
  EXPECT_EQ(g_crossX, 400);
  EXPECT_EQ(g_crossY, 294);
  Move({20, 700});
  EXPECT_EQ(g_crossX, 100);  // clamped to the left edge
  EXPECT_EQ(g_crossY, 494);  // and to the bottom edge
  Move({250, 200});
  EXPECT_EQ(g_crossX, 250);
  EXPECT_EQ(g_crossY, 200);
  Release({250, 200});
  EXPECT_FALSE(g_dragCross);
  Move({300, 300});
  EXPECT_EQ(g_crossX, 250);

  Press({333, 222});  // inside the plot: the crosshair jumps there
  EXPECT_EQ(g_crossX, 333);
  EXPECT_EQ(g_crossY, 222);
}

TEST_F(ViewTest, CursorsAreDraggedByTheirHandlesAndClamped) {
  // X1's handle spans x 214..225, y 89..93.
  Press({214, 89});
  EXPECT_TRUE(g_dragX1);
  EXPECT_FALSE(g_dragX2);
  Move({900, 50});
  EXPECT_EQ(g_cursorX1, 700);
  EXPECT_EQ(g_handleX1, QRect(694, 89, 12, 5));  // still around its line
  Release({900, 50});

  // Y2's handle: x 700..705, y 408..419.
  Press({705, 419});
  EXPECT_TRUE(g_dragY2);
  Move({705, 10});
  EXPECT_EQ(g_cursorY2, 94);
  EXPECT_EQ(g_handleY2, QRect(700, 88, 6, 12));
  Release({705, 10});
}

TEST_F(ViewTest, HandlesExcludeTheirRightAndBottomEdges) {
  Press({226, 90});  // x1 + 6 is the right edge: outside
  EXPECT_FALSE(g_dragX1);
  Release({226, 90});
  Press({220, 94});  // plotTop is the bottom edge of the vertical handles
  EXPECT_FALSE(g_dragX1);
  Release({220, 94});
  Press({706, 174});  // right edge of Y1's handle
  EXPECT_FALSE(g_dragY1);
  Release({706, 174});
  Press({700, 168});  // top-left corner of Y1's handle: inside
  EXPECT_TRUE(g_dragY1);
}

TEST_F(ViewTest, GrabbingACursorOnItsPartnerPushesThePartnerAside) {
  // Put X2 1 pixel right of X1 and grab X1.
  g_cursorX2 = 221;
  g_handleX2 = QRect(215, 89, 12, 5);
  Press({214, 90});
  EXPECT_TRUE(g_dragX1);
  EXPECT_EQ(g_cursorX2, 226);
  EXPECT_EQ(g_handleX2, QRect(220, 89, 12, 5));
  EXPECT_FALSE(g_dragX2);  // the press is left of X2's moved handle
  Release({214, 90});

  // Grabbing where both handles overlap after the push drags both.
  g_cursorX2 = 220;
  g_handleX2 = QRect(214, 89, 12, 5);
  Press({222, 90});
  EXPECT_EQ(g_cursorX2, 225);
  EXPECT_TRUE(g_dragX1);
  EXPECT_TRUE(g_dragX2);
  Move({300, 90});
  EXPECT_EQ(g_cursorX1, 300);
  EXPECT_EQ(g_cursorX2, 300);
  Release({300, 90});

  // The same for the horizontal pair, pushed down.
  g_cursorY2 = 176;
  g_handleY2 = QRect(700, 170, 6, 12);
  Press({702, 168});
  EXPECT_TRUE(g_dragY1);
  EXPECT_EQ(g_cursorY2, 181);
  EXPECT_EQ(g_handleY2, QRect(700, 175, 6, 12));
}

TEST_F(ViewTest, StartsFromDefaultsWithoutASettingsFile) {
  EXPECT_EQ(g_view, view.get());
  EXPECT_EQ(g_settings.channels, 2);
  EXPECT_EQ(g_settings.sampleRate, 44100);
  EXPECT_EQ(g_settings.gainDivisor, 32);
  EXPECT_FALSE(g_rulerXOn);
  EXPECT_FALSE(g_rulerYOn);
}

TEST_F(ViewTest, TickConvertsTheLatestBlockAndPaintsIt) {
  std::vector<uint8_t> block(4096);
  for (int i = 0; i < 2048; ++i) {
    const int16_t v = static_cast<int16_t>(i % 2 ? -16384 : 16384);
    std::memcpy(&block[2 * i], &v, 2);
  }
  input->Deliver(block);
  view->OnTimer();
  EXPECT_EQ(view->Engine().ch1Trace[10], 16384);
  EXPECT_EQ(view->Engine().ch2Trace[10], -16384);

  const QImage shot = view->grab().toImage();
  // The plot frame's top-left corner is drawn in white.
  EXPECT_EQ(shot.pixelColor(100, 94), QColor(Qt::white));
  // CH1 (constant 16384) is a flat line at zero - trunc(16384 * 0.006103515625)
  // = 294 - 100 in CH1's colour; the default CH1 colour is yellow.
  EXPECT_EQ(shot.pixelColor(300, 194), QColor(255, 255, 0));
  EXPECT_EQ(shot.pixelColor(300, 394), QColor(0, 255, 255));
}

TEST_F(ViewTest, TicksRepaintWhatChangedStraightIntoTheWindow) {
  struct PaintLog : QObject {
    std::vector<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
      return false;
    }
  } log;
  view->installEventFilter(&log);
  auto tickWithSine = [&](double amplitude) {
    std::vector<uint8_t> block(4096);
    for (int i = 0; i < 2048; ++i) {
      const auto v = static_cast<int16_t>(amplitude * std::sin(i / 2 * 0.07 + (i % 2)));
      std::memcpy(&block[2 * i], &v, 2);
    }
    if (amplitude != 0) input->Deliver(block);
    log.regions.clear();
    view->OnTimer();
    QCoreApplication::processEvents();
  };
  // The window's own pixels where the view sits, against the export's picture.
  auto windowShowsTheComposition = [&] {
    QImage composed;
    ComposeDisplay(composed, view->Engine().ch1Trace, view->Engine().ch2Trace, view->Geometry(), {}, view->Style());
    const auto* window = static_cast<const QImage*>(view->backingStore()->paintDevice());
    return window->copy(view->rect()).convertToFormat(QImage::Format_RGB32) == composed;
  };

  tickWithSine(20000);
  EXPECT_FALSE(log.regions.empty());
  EXPECT_TRUE(windowShowsTheComposition());
  tickWithSine(0);  // no new block: the same frame, nothing painted
  EXPECT_TRUE(log.regions.empty());
  // New samples repaint the plot, not the labels left of and below it.
  tickWithSine(9000);
  ASSERT_EQ(log.regions.size(), 1u);
  EXPECT_FALSE(log.regions[0].intersects(QRect(0, 0, view->plotLeft() - 1, view->height())));
  EXPECT_FALSE(log.regions[0].intersects(QRect(0, view->plotTop() + 402, view->width(), 100)));
  EXPECT_TRUE(windowShowsTheComposition());
}

TEST_F(ViewTest, DisplayTimerRunsAt20Milliseconds) {
  view->StartDisplayTimer();
  std::vector<uint8_t> block(4096, 0);
  block[0] = 0x10;  // CH1 sample 0 = 16
  input->Deliver(block);
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->Engine().ch1Trace[0] == 16; }, 1000));
}
