// The transfer-function window on a view with a scripted input and output
// (offscreen): the curve of a known path, the input it refuses, the
// excitation it plays, its exports, and its texts in both languages.
#include "support/EnglishTranslation.h"
#include "support/RecordingPrompts.h"
#include "support/TestApplication.h"
#include "support/TextFit.h"
#include "support/ViewOnFakes.h"
#include "app/Globals.h"
#include "gui/TransferWindow.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <random>

namespace {

constexpr int kRate = 48000;

// The first number in a text.
double Number(const QString& text, int which = 0) {
  const QStringList numbers = text.split(QRegularExpression("[^0-9.-]+"), Qt::SkipEmptyParts);
  return which < numbers.size() ? numbers[which].toDouble() : NAN;
}

// `frames` stereo 16-bit frames: CH1 noise, CH2 the noise `delay` frames
// later times `gain`.
std::vector<uint8_t> ThroughPath(std::size_t frames, double gain, int delay) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-8000, 8000);
  std::vector<double> x(frames + delay);
  for (double& v : x) v = noise(random);
  std::vector<int16_t> pcm;
  for (std::size_t n = 0; n < frames; ++n) {
    pcm.push_back(static_cast<int16_t>(std::lround(x[n + delay])));
    pcm.push_back(static_cast<int16_t>(std::lround(gain * x[n])));
  }
  std::vector<uint8_t> bytes(pcm.size() * 2);
  std::memcpy(bytes.data(), pcm.data(), bytes.size());
  return bytes;
}

class TransferWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  TransferWindowTest() {
    ResetGlobals();
    g_appDir = dir.path();
    view = MakeViewOnFakes(&input, &generatorOutput);
    view->OnInitialUpdate();
  }
  ~TransferWindowTest() override {
    window.reset();
    view.reset();
    ResetGlobals();
  }
  void OpenInput(int channels) {
    g_settings.channels = static_cast<uint16_t>(channels);
    g_settings.sampleRate = kRate;
    g_settings.bitsPerSample = 16;
    view->OpenWaveIn();
  }
  // Delivers `bytes` in blocks of 2048 bytes.
  void Deliver(const std::vector<uint8_t>& bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += 2048)
      input->Deliver(std::vector<uint8_t>(bytes.begin() + at, bytes.begin() + std::min(at + 2048, bytes.size())));
  }
  TransferWindow& Shown() {
    auto out = std::make_unique<FakeAudioOutput>();
    output = out.get();
    window = std::make_unique<TransferWindow>(view->Engine(), std::move(out));
    window->FftChoice()->setCurrentIndex(window->FftChoice()->findData(4096));
    window->show();
    window->Refresh(true);
    return *window;
  }

  QTemporaryDir dir;
  FakeAudioInput* input = nullptr;
  FakeAudioOutput* generatorOutput = nullptr;
  FakeAudioOutput* output = nullptr;
  std::unique_ptr<COndrixView> view;
  std::unique_ptr<TransferWindow> window;
};

}  // namespace

TEST_F(TransferWindowTest, ShowsTheGainDelayAndCoherenceOfThePath) {
  struct Case {
    double gain;
    int delay;
    int smoothing;
  } const cases[] = {{1.0, 0, 0}, {0.5, 0, 12}, {0.25, 12, 3}};
  for (const Case& c : cases) {
    OpenInput(2);  // a restart: the averages begin again
    TransferWindow& w = Shown();
    w.SmoothingChoice()->setCurrentIndex(w.SmoothingChoice()->findData(c.smoothing));
    Deliver(ThroughPath(48000, c.gain, c.delay));
    w.Refresh(true);
    ASSERT_FALSE(w.Curve().empty()) << w.Note().toStdString();
    for (const TransferPoint& p : w.Curve()) {
      if (p.frequencyHz < 100 || p.frequencyHz > 10000) continue;
      EXPECT_NEAR(p.magnitudeDb, 20 * std::log10(c.gain), 0.1) << c.gain << " at " << p.frequencyHz;
      EXPECT_GT(p.coherence, 0.99) << c.gain << " at " << p.frequencyHz;
      if (c.delay == 0) {
        EXPECT_NEAR(p.phaseDeg, 0, 1) << p.frequencyHz;
      }
    }
    // 48000 frames in segments of 4096 overlapping by half: 22 averages.
    EXPECT_NEAR(Number(w.Readout()), c.delay * 1000.0 / kRate, 0.001) << w.Readout().toStdString();
    EXPECT_EQ(Number(w.Readout(), 1), 22) << w.Readout().toStdString();
  }
}

TEST_F(TransferWindowTest, AveragesOnlyNewFramesAndStartsOverWhenAsked) {
  OpenInput(2);
  TransferWindow& w = Shown();
  Deliver(ThroughPath(24576, 1, 0));
  w.Refresh(true);
  EXPECT_EQ(Number(w.Readout(), 1), 11);
  // Nothing new, nothing added; more frames, more averages.
  w.Refresh(true);
  EXPECT_EQ(Number(w.Readout(), 1), 11);
  Deliver(ThroughPath(4096, 1, 0));
  w.Refresh(true);
  EXPECT_EQ(Number(w.Readout(), 1), 13);
  // The timer's refresh takes the frames in but draws at most once a second.
  Deliver(ThroughPath(2048, 1, 0));
  w.Refresh();
  EXPECT_EQ(Number(w.Readout(), 1), 13);
  w.Refresh(true);
  EXPECT_EQ(Number(w.Readout(), 1), 14);
  // Reset: only what arrives afterwards counts.
  w.ResetAverages();
  EXPECT_TRUE(w.Curve().empty());
  Deliver(ThroughPath(8192, 1, 0));
  w.Refresh(true);
  EXPECT_EQ(Number(w.Readout(), 1), 3);
  // More than the ring holds arrived while hidden: what it holds is taken.
  w.hide();
  Deliver(ThroughPath(300000, 1, 0));
  w.show();
  EXPECT_EQ(Number(w.Readout(), 1), 3 + 262144 / 2048) << w.Readout().toStdString();
}

TEST_F(TransferWindowTest, MonoInputGetsAMessageInsteadOfCurves) {
  OpenInput(1);
  TransferWindow& w = Shown();
  Deliver(std::vector<uint8_t>(96000, 1));
  w.Refresh(true);
  EXPECT_TRUE(w.Curve().empty());
  EXPECT_TRUE(w.Note().contains("单声道")) << w.Note().toStdString();
  EXPECT_TRUE(w.Note().contains("实时输入")) << w.Note().toStdString();
  EXPECT_EQ(w.Readout(), "");
}

TEST_F(TransferWindowTest, PlaysTheExcitationUnlessTheGeneratorPlays) {
  RecordingPrompts prompts;
  OpenInput(2);
  TransferWindow& w = Shown();
  for (int kind = 0; kind < 3; ++kind) {
    w.ExcitationChoice()->setCurrentIndex(kind);
    w.PlayButton()->click();
    ASSERT_TRUE(output->playing) << kind;
    EXPECT_EQ(output->playedFormat, MakePcmFormat(2, kRate, 16));
    EXPECT_EQ(w.PlayButton()->text(), "停止");
    // Another level while it plays: heard at once.
    const int starts = output->startCount;
    w.LevelChoice()->setValue(-40 - kind);
    EXPECT_EQ(output->startCount, starts + 1);
    w.PlayButton()->click();
    EXPECT_FALSE(output->playing);
    EXPECT_EQ(w.PlayButton()->text(), "播放");
  }
  EXPECT_TRUE(prompts.messages.isEmpty());

  // The generator plays: the excitation is refused with a message.
  generatorOutput->playing = true;
  w.Play();
  EXPECT_FALSE(output->playing);
  ASSERT_EQ(prompts.messages.size(), 1);
  // The generator starts while the excitation plays: the excitation stops.
  generatorOutput->playing = false;
  w.Play();
  generatorOutput->playing = true;
  w.Refresh(true);
  EXPECT_FALSE(output->playing);
  EXPECT_EQ(w.PlayButton()->text(), "播放");
  EXPECT_TRUE(w.Note().contains("激励已停止")) << w.Note().toStdString();

  // No device: the reason in the note.
  generatorOutput->playing = false;
  output->acceptStart = false;
  w.Play();
  EXPECT_TRUE(w.Note().contains("no device")) << w.Note().toStdString();
  EXPECT_EQ(w.PlayButton()->text(), "播放");
  // Closing the window silences it.
  output->acceptStart = true;
  w.Play();
  w.close();
  EXPECT_FALSE(output->playing);
}

TEST_F(TransferWindowTest, ExportsTheCurveAsCsvAndPng) {
  RecordingPrompts prompts;
  OpenInput(2);
  TransferWindow& w = Shown();
  // Nothing to export yet.
  EXPECT_FALSE(w.ExportCsv());
  EXPECT_EQ(prompts.messages.size(), 1);
  Deliver(ThroughPath(24576, 0.5, 0));
  w.Refresh(true);

  const QString csv = dir.filePath("curve.csv"), png = dir.filePath("plots.png");
  prompts.paths = {csv, png, "", dir.filePath("missing/dir/x.png")};
  ASSERT_TRUE(w.ExportCsv());
  ASSERT_TRUE(w.ExportPng());
  EXPECT_FALSE(w.ExportPng());  // cancelled
  EXPECT_FALSE(w.ExportPng());  // cannot be written
  ASSERT_EQ(prompts.messages.size(), 2);
  EXPECT_TRUE(prompts.messages[1].contains("x.png")) << prompts.messages[1].toStdString();

  QFile csvFile(csv), pngFile(png);
  ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly) && pngFile.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = csvFile.readAll().split('\n');
  EXPECT_EQ(lines[0], "frequency_hz,magnitude_db,phase_deg,coherence");
  EXPECT_EQ(lines.size(), qsizetype(w.Curve().size()) + 2);  // and the last line's end
  EXPECT_NEAR(lines[100].split(',')[1].toDouble(), -6.02, 0.1);
  EXPECT_TRUE(pngFile.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
}

TEST_F(TransferWindowTest, IsTranslatedFitsItsTextsAndALaptopScreen) {
  for (const bool inEnglish : {false, true}) {
    std::optional<EnglishTranslation> english;
    if (inEnglish) english.emplace();
    OpenInput(1);
    TransferWindow& w = Shown();
    Deliver(std::vector<uint8_t>(8192, 1));
    w.Refresh(true);
    EXPECT_EQ(TextsThatDoNotFit(&w), "") << inEnglish;
    EXPECT_LE(w.frameGeometry().width(), 1366);
    EXPECT_LE(w.frameGeometry().height(), 768 - 40);
    if (!inEnglish) continue;
    EXPECT_EQ(w.windowTitle(), "Transfer function");
    QStringList texts = {w.Note()};
    for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    for (const QPushButton* b : w.findChildren<QPushButton*>()) texts << b->text();
    for (const QComboBox* c : w.findChildren<QComboBox*>())
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    for (const QString& t : texts)
      EXPECT_FALSE(std::any_of(t.begin(), t.end(), [](QChar ch) { return ch.unicode() >= 0x3000; })) << t.toStdString();
  }
}
