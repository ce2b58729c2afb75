// The distortion analyzer on a view with a scripted input (offscreen): the
// figures of a known signal, the sources it follows (live input, replay,
// the generator's signal), and its texts in both languages.
#include "support/EnglishTranslation.h"
#include "support/TestApplication.h"
#include "support/TextFit.h"
#include "support/ViewOnFakes.h"
#include "app/Globals.h"
#include "gui/DistortionFigures.h"
#include "gui/DistortionPlot.h"
#include "gui/DistortionTable.h"
#include "gui/DistortionWindow.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>
#include <regex>

namespace {

// A tone and its second harmonic, `h2Dbc` below it.
struct Tone {
  double hz, peak, h2Dbc;
  int16_t At(double t) const {
    const double w = 2 * std::numbers::pi * hz * t;
    return static_cast<int16_t>(std::lround(peak * (std::sin(w) + std::pow(10, h2Dbc / 20) * std::sin(2 * w))));
  }
};

// Interleaved 16-bit frames of one tone per channel.
std::vector<uint8_t> Frames16(const std::vector<Tone>& tones, double rate, std::size_t first, std::size_t count) {
  std::vector<uint8_t> bytes;
  for (std::size_t i = first; i < first + count; ++i)
    for (const Tone& tone : tones) {
      const int16_t v = tone.At(i / rate);
      bytes.insert(bytes.end(), reinterpret_cast<const uint8_t*>(&v), reinterpret_cast<const uint8_t*>(&v) + 2);
    }
  return bytes;
}

// The first number in a figure's text.
double Number(const QString& text) {
  std::smatch m;
  const std::string s = text.toStdString();
  return std::regex_search(s, m, std::regex("-?[0-9]+(\\.[0-9]+)?")) ? std::stod(m.str()) : NAN;
}

class DistortionWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  DistortionWindowTest() {
    ResetGlobals();
    g_appDir = dir.path();
    view = MakeViewOnFakes(&input, nullptr);
    view->OnInitialUpdate();
  }
  ~DistortionWindowTest() override {
    window.reset();
    view.reset();
    ResetGlobals();
  }
  // Live input in `channels` at 48 kHz: `frames` frames of the tones.
  void DeliverLive(const std::vector<Tone>& tones, std::size_t frames) {
    g_settings.channels = static_cast<uint16_t>(tones.size());
    g_settings.sampleRate = 48000;
    g_settings.bitsPerSample = 16;
    view->OpenWaveIn();
    const std::size_t perBlock = 2048 / tones.size();
    for (std::size_t at = 0; at < frames; at += perBlock) input->Deliver(Frames16(tones, 48000, at, perBlock));
  }
  DistortionWindow& Shown() {
    window = std::make_unique<DistortionWindow>(view->Engine());
    window->show();
    window->Refresh();
    return *window;
  }

  QTemporaryDir dir;
  FakeAudioInput* input = nullptr;
  std::unique_ptr<COndrixView> view;
  std::unique_ptr<DistortionWindow> window;
};

}  // namespace

TEST_F(DistortionWindowTest, ShowsTheFiguresOfTheLatestLiveInput) {
  g_settings.coordSystem = Millivolt;
  g_settings.logicRef = 32768;
  g_settings.voltageRefMv = 1000;  // full scale = 1 V peak
  // CH1: 1 kHz at -6.02 dBFS with 0.1 % of second harmonic; CH2: 440 Hz at -12 dBFS, clean.
  DeliverLive({{1000, 16384, -60}, {440, 8225, -200}}, 70000);
  DistortionWindow& w = Shown();
  struct Row {
    int row, channel;
    double expected, tolerance;
  };
  const Row rows[] = {
      {kFundamentalRow, 0, 1000, 0.01}, {kRmsRow, 0, 16384 / std::sqrt(2.0), 2}, {kDbfsRow, 0, -6.02, 0.02},
      {kMillivoltRow, 0, 1000 / std::sqrt(2.0) / 2, 0.1}, {kHarmonicRow2, 0, 2000, 0.05},
      {kThdRow, 0, 0.1, 0.002},        {kFundamentalRow, 1, 440, 0.01},   {kDbfsRow, 1, -12.0, 0.02},
      {kDcRow, 0, 0, 0.5},
  };
  for (const Row& r : rows)
    EXPECT_NEAR(Number(w.Table()->Text(r.row, r.channel)), r.expected, r.tolerance)
        << r.row << " CH" << r.channel + 1 << ": " << w.Table()->Text(r.row, r.channel).toStdString();
  EXPECT_TRUE(w.Table()->Text(kHarmonicRow2, 0).endsWith("-60.0 dBc")) << w.Table()->Text(kHarmonicRow2, 0).toStdString();
  EXPECT_TRUE(w.Note().contains("65536")) << w.Note().toStdString();
  EXPECT_TRUE(w.Table()->RowShown(kMillivoltRow));
  ASSERT_EQ(w.Plot()->Results().size(), 2u);

  // Nothing new: no analysis (the plot keeps the very same spectra); a new block: a new one.
  const float* spectrum = w.Plot()->Results()[0].spectrumDbfs.data();
  w.Refresh();
  EXPECT_EQ(w.Plot()->Results()[0].spectrumDbfs.data(), spectrum);
  input->Deliver(Frames16({{1000, 16384, -60}, {440, 8225, -200}}, 48000, 70000, 1024));
  w.Refresh();
  EXPECT_NE(w.Plot()->Results()[0].spectrumDbfs.data(), spectrum);
  // Hidden, it does nothing at all.
  w.hide();
  input->Deliver(Frames16({{3000, 16384, -60}, {440, 8225, -200}}, 48000, 0, 1024));
  w.Refresh();
  EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 0)), 1000, 0.01);
}

TEST_F(DistortionWindowTest, WaitsForEnoughSamplesAndShowsCh2OnlyInStereo) {
  DeliverLive({{1000, 16384, -60}}, 2000);
  DistortionWindow& w = Shown();
  EXPECT_TRUE(w.Note().contains("2048") && w.Note().contains("4096")) << w.Note().toStdString();
  EXPECT_EQ(w.Table()->Text(kFundamentalRow, 0), "");
  EXPECT_FALSE(w.Table()->ChannelShown(1));
  EXPECT_FALSE(w.Table()->RowShown(kMillivoltRow));
  // Enough now: the figures come, CH1 only.
  for (std::size_t at = 2048; at < 9000; at += 2048) input->Deliver(Frames16({{1000, 16384, -60}}, 48000, at, 2048));
  w.Refresh();
  EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 0)), 1000, 0.05);
  EXPECT_TRUE(w.Note().contains("8192")) << w.Note().toStdString();
  EXPECT_FALSE(w.Table()->ChannelShown(1));
}

TEST_F(DistortionWindowTest, FollowsTheReplayPositionAndTheGeneratorsSignal) {
  // A stereo recording: 3 kHz left, 5 kHz right; replayed from an odd
  // position the picture's CH1 takes the right channel's elements, and so does the analysis.
  g_settings.channels = 2;
  g_settings.sampleRate = 48000;
  const std::vector<uint8_t> rec = Frames16({{3000, 10000, -200}, {5000, 10000, -200}}, 48000, 0, 100000);
  view->Engine().recBuf16.Append(rec.data(), rec.size());
  g_recordState = Paused;
  struct Case {
    int32_t position;
    double ch1Hz, ch2Hz;
  };
  DistortionWindow& w = Shown();
  for (const Case c : {Case{0, 3000, 5000}, Case{20001, 5000, 3000}, Case{199990, 3000, 5000}}) {
    g_playbackPos = c.position;
    w.Refresh();
    EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 0)), c.ch1Hz, 0.01) << c.position;
    EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 1)), c.ch2Hz, 0.01) << c.position;
    EXPECT_TRUE(w.Note().contains("65536")) << c.position;  // near the end it reaches back
  }

  // The function-signal view: the generator's 1 kHz sine and 2 kHz triangle.
  g_generator = DefaultGeneratorParams();
  ASSERT_TRUE(view->GenerateSignal());
  g_displayMode = FunctionSignal;
  g_recordState = Idle;
  w.Refresh();
  EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 0)), 1000, 0.01);
  EXPECT_NEAR(Number(w.Table()->Text(kFundamentalRow, 1)), 2000, 0.01);
  // A triangle's odd harmonics: the third near 1/9 (-19.1 dB; sampled at 22 points a period, a little more).
  EXPECT_NEAR(Number(w.Table()->Text(kHarmonicRow2 + 1, 1).section("Hz", 1)), -19.1, 1.0);
}

TEST_F(DistortionWindowTest, IsTranslatedFitsItsTextsAndALaptopScreen) {
  for (const bool inEnglish : {false, true}) {
    std::optional<EnglishTranslation> english;
    if (inEnglish) english.emplace();
    g_settings.coordSystem = Millivolt;
    DeliverLive({{1000, 16384, -60}, {440, 8225, -200}}, 70000);
    DistortionWindow& w = Shown();
    EXPECT_EQ(TextsThatDoNotFit(&w), "") << inEnglish;
    // The painted table: every name and value inside its cell, every cell inside the table.
    const DistortionTable& table = *w.Table();
    const QFontMetrics fm(table.font());
    for (int row = 0; row < kDistortionRows; ++row)
      for (int column = 0; column < 3; ++column) {
        const QString text = column == 0 ? table.Name(row) : table.Text(row, column - 1);
        EXPECT_LE(fm.horizontalAdvance(text), table.CellRect(row, column).width()) << text.toStdString();
        EXPECT_TRUE(table.rect().contains(table.CellRect(row, column))) << row << " " << column;
      }
    EXPECT_LE(w.frameGeometry().width(), 1366);
    EXPECT_LE(w.frameGeometry().height(), 768 - 40);  // beside a panel
    if (!inEnglish) continue;
    EXPECT_EQ(w.windowTitle(), "Distortion analyzer");
    // No Chinese left anywhere in it.
    QStringList texts = {w.Note()};
    for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    for (int row = 0; row < kDistortionRows; ++row) texts << w.Table()->Name(row) << w.Table()->Text(row, 0);
    for (const QComboBox* c : w.findChildren<QComboBox*>())
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    for (const QString& t : texts)
      EXPECT_FALSE(std::any_of(t.begin(), t.end(), [](QChar ch) { return ch.unicode() >= 0x3000; })) << t.toStdString();
  }
}

TEST(DistortionWindowCommand, TheViewMenuOpensOneNonModalWindowAndRaisesIt) {
  EnsureApplication();
  ResetGlobals();
  QTemporaryDir dir;
  g_appDir = dir.path();
  {
    COndrixApp app(std::make_unique<FakeAudioInput>());
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.Frame();
    const QList<QAction*> view = frame->menuBar()->actions().at(3)->menu()->actions();
    ASSERT_EQ(view.size(), 5);  // toolbar, status bar, separator, the two analysis windows
    EXPECT_TRUE(view[2]->isSeparator());
    EXPECT_EQ(view[3]->text(), "失真分析");
    view[3]->trigger();
    DistortionWindow* window = frame->Distortion();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    // Closed by the Close key and opened again, or opened while open: the
    // same one window.
    QApplication::setActiveWindow(window);
    QTest::keySequence(window, QKeySequence::Close);
    EXPECT_FALSE(window->isVisible());
    view[3]->trigger();
    view[3]->trigger();
    EXPECT_EQ(frame->Distortion(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(frame->findChildren<DistortionWindow*>().size(), 1);
  }
  ResetGlobals();
}
