// The generator's controls on the control panel: the start button, modes,
// lists and edits (offscreen).

#include "PanelFixture.h"

#include <QFile>
#include <QLabel>

namespace {

TEST_F(PanelTest, StartButtonActsOnlyInTheFunctionSignalDisplay) {
  Start();
  QFile::remove(dir.filePath("wavedata.ini"));
  for (int32_t mode : {TimeDomain, FrequencyDomain}) {
    g_displayMode = mode;
    Click(1047);
  }
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("开始"));
  EXPECT_EQ(output->startCount, 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("wavedata.ini")));

  // Refused values are shown; the generator stays stopped.
  g_displayMode = FunctionSignal;
  Type(1044, "0");
  Click(1047);
  EXPECT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(panel->GeneratorStopped());
  EXPECT_EQ(output->startCount, 0);

  g_settings.sampleRate = 22050;
  Type(1044, "500");
  panel->List(1003)->setCurrentIndex(Square);  // the lists are read at the start
  Click(1047);
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("停止"));
  EXPECT_TRUE(output->playing);
  EXPECT_EQ(g_generator.rightFreq, 500);
  EXPECT_EQ(g_generator.leftWave, Square);
  EXPECT_TRUE(QFile::exists(dir.filePath("wavedata.ini")));
  EXPECT_TRUE(QFile::exists(dir.filePath("signal.wav")));
  // The generator's rate stands, and the rate slider shows it.
  EXPECT_EQ(g_settings.sampleRate, 44100);
  EXPECT_EQ(Slider(1016)->value(), 44100);
  EXPECT_EQ(Text(1017), "44100");

  Click(1047);
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("开始"));
  EXPECT_TRUE(panel->GeneratorStopped());
  EXPECT_FALSE(output->playing);
}

TEST_F(PanelTest, AFrequencyItsWaveformCannotPlayIsRefusedNamingTheHighest) {
  // 44100 Hz: a sine needs three frames a period, a triangle four (2 × H).
  const struct {
    int edit;
    const char* frequency;
    const char* message;
  } cases[] = {{1043, "14701", "左声道的频率 14701 Hz 太高：在 44100 Hz 采样率下最高 14700 Hz"},
               {1044, "11026", "右声道的频率 11026 Hz 太高：在 44100 Hz 采样率下最高 11025 Hz"}};
  Start();  // a sine on the left, a triangle on the right
  g_displayMode = FunctionSignal;
  for (const auto& c : cases) {
    prompts.messages.clear();
    Type(c.edit, c.frequency);
    Click(1047);
    EXPECT_EQ(prompts.messages, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("开始"));
    EXPECT_EQ(output->startCount, 0);
    Type(c.edit, "1000");
  }
}

TEST_F(PanelTest, TheButtonSaysStopOnlyWhileTheOutputPlays) {
  Start();
  g_displayMode = FunctionSignal;
  output->acceptStart = false;  // no output device opens
  Click(1047);
  EXPECT_EQ(output->startCount, 1);
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("开始"));
  EXPECT_TRUE(panel->GeneratorStopped());
  EXPECT_EQ(prompts.statuses.value(0), QStringLiteral("信号输出没有启动：no device"));

  // The next press tries again; an output lost while it plays shows "开始",
  // and the press after that starts it anew.
  output->acceptStart = true;
  Click(1047);
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("停止"));
  output->playing = false;
  panel->ShowGeneratorState();
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("开始"));
  Click(1047);
  EXPECT_EQ(output->startCount, 3);
  EXPECT_EQ(output->stopCount, 0);
  EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("停止"));
}

TEST_F(PanelTest, WavedataLoadsExactlyWhatTheStartButtonPlays) {
  // A sweep from 0 Hz plays (from 1 Hz) and is kept as stored; a sine at the
  // largest integer cannot play and takes the default, with a note.
  const struct {
    GeneratorParams stored;
    int32_t leftFreq;
    bool noted;
  } cases[] = {{{0, {}, Sine, Sine, 0, 5000, 16384, 16384, 300}, 0, false},
               {{1, {}, Sine, Sine, 2147483647, 5000, 16384, 16384, 300}, 1000, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.leftFreq);
    panel.reset();
    view.reset();
    prompts.statuses.clear();
    generator = c.stored;
    Start();
    EXPECT_EQ(g_generator.leftFreq, c.leftFreq);
    EXPECT_EQ(Text(1043), QString::number(c.leftFreq));
    EXPECT_EQ(prompts.statuses.join(' ').contains("leftFreq"), c.noted) << prompts.statuses.join(' ').toStdString();
    g_displayMode = FunctionSignal;
    Click(1047);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(' ').toStdString();
    EXPECT_EQ(panel->Button(1047)->text(), QStringLiteral("停止"));
  }
}

TEST_F(PanelTest, ModeRadiosSetLabelsListsAndTheRiseTime) {
  Start();
  auto label = [this](int id) { return panel->Label(id)->text(); };
  Click(1041);
  EXPECT_EQ(g_generator.functionMode, 0);
  EXPECT_EQ(label(1048) + label(1049), QStringLiteral("起始[Hz]:结束:"));
  EXPECT_FALSE(panel->List(1003)->isEnabled() || panel->List(1042)->isEnabled());
  EXPECT_TRUE(panel->Edit(1046)->isEnabled());
  Type(1046, "300");
  EXPECT_EQ(g_generator.sweepRiseMs, 300);

  Click(1040);
  EXPECT_EQ(g_generator.functionMode, 1);
  EXPECT_EQ(label(1048) + label(1049), QStringLiteral("左[Hz]:右[Hz]:"));
  EXPECT_TRUE(panel->List(1003)->isEnabled() && panel->List(1042)->isEnabled());
  EXPECT_FALSE(panel->Edit(1046)->isEnabled());
  QTest::keyClick(panel->List(1042), Qt::Key_End);
  EXPECT_EQ(g_generator.rightWave, Sawtooth);
}

TEST_F(PanelTest, AStartUpInSweepModeGivesTheRightWaveTheLeftOne) {
  generator.functionMode = 0;
  generator.leftWave = Square;
  generator.rightWave = Sawtooth;
  Start();
  EXPECT_TRUE(panel->Button(1041)->isChecked());
  EXPECT_EQ(g_generator.rightWave, Square);
  EXPECT_EQ(panel->List(1042)->currentIndex(), Square);
  EXPECT_FALSE(panel->List(1042)->isEnabled());
  EXPECT_TRUE(panel->Edit(1046)->isEnabled());
}

TEST_F(PanelTest, ATextThatIsNoIntegerKeepsTheStoredValue) {
  Start();
  Type(1043, "750");
  EXPECT_EQ(g_generator.leftFreq, 750);
  EXPECT_TRUE(prompts.messages.isEmpty());
  for (const char* text : {"75x", "", "7.5"}) {
    SCOPED_TRACE(text);
    prompts.messages.clear();
    panel->Edit(1043)->setText(text);
    emit panel->Edit(1043)->textEdited(text);
    EXPECT_EQ(prompts.messages, QStringList{"请键入一个整数。"});
    EXPECT_EQ(g_generator.leftFreq, 750);
  }
  // The exchange stops at the bad 1043: 1044's new text is not taken either.
  Type(1044, "900");
  EXPECT_EQ(g_generator.rightFreq, 2000);
  // A slider's move shows the stored values again.
  Key(1029, Qt::Key_Up);
  EXPECT_EQ(Text(1043) + ' ' + Text(1044), "750 2000");
}

}  // namespace
