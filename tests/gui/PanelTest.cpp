// The control panel's controls, sliders, mixer and frame (offscreen).

#include "PanelFixture.h"
#include "gui/DialogUnits.h"
#include "gui/PanelScales.h"

#include <QLabel>

namespace {

TEST(PanelScalesTest, GainStepsAndTriggerRanges) {
  const int decibels[] = {0, -6, -12, -18, -24, -30, -36, -42, -48, -54, -60};
  for (int step = 0; step <= 10; ++step) {
    EXPECT_EQ(GainDivisorForStep(step), 1 << step);
    EXPECT_EQ(GainDecibels(GainDivisorForStep(step)), decibels[step]) << step;
  }
  EXPECT_EQ(TriggerLevelRange(8).minimum, -128);
  EXPECT_EQ(TriggerLevelRange(16).maximum, 32767);
}

TEST_F(PanelTest, ControlsSitAtTheirTemplateRectanglesWithTheirRangesAndFirstValues) {
  settings.sampleRate = 48000;
  settings.triggerLevel = 1200;
  generator.leftPeak = 1234;
  generator.rightPeak = 5;  // out of range in wavedata.ini: repaired to the default
  generator.leftFreq = 440;
  Start();
  struct Expected {
    int id, x, y, w, h;
    int min, max, pos;  // sliders
    const char* text = nullptr;  // everything else
  };
  const Expected controls[] = {
      {1016, 14, 20, 93, 14, 2000, 200000, 48000},   {1017, 109, 20, 28, 14, 0, 0, 0, "48000"},
      {1031, 14, 58, 93, 14, -20, 200, 0},           {1032, 14, 76, 93, 14, -20, 200, 0},
      {1033, 109, 58, 28, 14, 0, 0, 0, "0"},         {1034, 109, 76, 28, 14, 0, 0, 0, "0"},
      {1023, 156, 43, 56, 10, 0, 0, 0, "上升沿触发"}, {1024, 212, 43, 56, 10, 0, 0, 0, "下降沿触发"},
      {1026, 226, 61, 37, 12, 0, 0, 0, "1200"},      {1025, 156, 76, 107, 14, -32767, 32767, 1200},
      {1029, 286, 21, 15, 53, 0, 10, 5},             {1030, 286, 76, 15, 14, 0, 0, 0, "-30"},
      {1027, 324, 30, 15, 60, -50, 50, 0},           {1028, 346, 30, 15, 60, -50, 50, 0},
      {1013, 380, 30, 15, 43, -65535, 0, -40000},    {1012, 403, 30, 15, 43, -65535, 0, -30000},  // Mic wins
      {1015, 380, 76, 20, 14, 0, 0, 0, "高级"},       {1014, 400, 76, 19, 14, 0, 0, 0, "高级"},
      {1040, 438, 19, 48, 10, 0, 0, 0, "函数信号"},   {1041, 490, 19, 48, 10, 0, 0, 0, "扫频信号"},
      {1045, 459, 31, 50, 12, 10, 32767, 1234},      {1050, 514, 31, 50, 12, 10, 32767, 16384},
      {1048, 438, 64, 37, 8, 0, 0, 0, "左[Hz]:"},     {1043, 475, 62, 25, 12, 0, 0, 0, "440"},
      {1049, 502, 64, 29, 8, 0, 0, 0, "右[Hz]:"},     {1044, 532, 62, 32, 12, 0, 0, 0, "2000"},
      {1046, 506, 78, 24, 12, 0, 0, 0, "100"},       {1047, 532, 78, 32, 12, 0, 0, 0, "开始"},
      {1003, 469, 46, 32, 125, 0, 0, 0, "Sin()"},    {1042, 532, 46, 32, 168, 0, 0, 0, "三角"},
  };
  EXPECT_EQ(panel->sizeHint(), QSize(857, 143));
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.id);
    QWidget* control = panel->findChild<QWidget*>(QString::number(c.id));
    ASSERT_NE(control, nullptr);
    const QRect r = DialogRect(kTemplateBaseUnits, c.x, c.y, c.w, c.h);
    EXPECT_EQ(control->geometry().topLeft(), r.topLeft());
    EXPECT_EQ(control->width(), r.width());
    QString text;
    if (auto* slider = qobject_cast<TrackBar*>(control)) {
      EXPECT_EQ(control->height(), r.height());
      EXPECT_EQ(QList<int>({slider->minimum(), slider->maximum(), slider->value()}), QList<int>({c.min, c.max, c.pos}));
      // A vertical trackbar has its minimum at the top.
      EXPECT_EQ(slider->invertedAppearance(), slider->orientation() == Qt::Vertical);
      continue;
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
      EXPECT_EQ(control->height(), 20);  // closed; the template's height is the dropped list's
      EXPECT_EQ(list->itemText(3), QStringLiteral("锯齿波"));
      text = list->currentText();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      EXPECT_GE(control->height(), r.height());  // not cut below
      text = label->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      EXPECT_EQ(edit->isReadOnly(), c.id != 1043 && c.id != 1044 && c.id != 1046);
      text = edit->text();
    } else {
      text = qobject_cast<QAbstractButton*>(control)->text();
    }
    EXPECT_EQ(text, QString::fromUtf8(c.text));
  }
  EXPECT_TRUE(panel->Button(1023)->isChecked() && panel->Button(1040)->isChecked());  // two radio groups
  EXPECT_FALSE(panel->Edit(1046)->isEnabled());
  // What the sliders show is in effect.
  EXPECT_EQ(g_settings.gainDivisor, 32);
  EXPECT_EQ(g_generator.rightPeak, 16384);
  EXPECT_EQ(g_controlPanel, panel.get());
}

TEST_F(PanelTest, SlidersDriveTheirValuesAndEdits) {
  settings.bitsPerSample = 8;  // at start-up: a trigger range of -128 .. 128
  settings.triggerLevel = 500;
  Start();
  EXPECT_EQ(g_settings.triggerLevel, 128);
  struct Move {
    int id;
    Qt::Key key;  // Up and Home go towards the top, a vertical trackbar's minimum
    const int32_t* value;
    int32_t expected;
    int edit;
    const char* text;
  };
  const Move moves[] = {
      {1025, Qt::Key_Left, &g_settings.triggerLevel, 127, 1026, "127"},
      {1029, Qt::Key_Up, &g_settings.gainDivisor, 16, 1030, "-24"},
      {1029, Qt::Key_Home, &g_settings.gainDivisor, 1, 1030, "0"},
      {1029, Qt::Key_End, &g_settings.gainDivisor, 1024, 1030, "-60"},
      {1027, Qt::Key_Up, &g_settings.ch1Baseline, -1, 0, nullptr},
      {1028, Qt::Key_Down, &g_settings.ch2Baseline, 1, 0, nullptr},
      {1031, Qt::Key_End, &g_settings.ch1Phase, 200, 1033, "200"},
      {1032, Qt::Key_Home, &g_settings.ch2Phase, -20, 1034, "-20"},
      {1045, Qt::Key_Home, &g_generator.leftPeak, 10, 0, nullptr},
      {1050, Qt::Key_End, &g_generator.rightPeak, 32767, 0, nullptr},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(m.id);
    Key(m.id, m.key);
    EXPECT_EQ(*m.value, m.expected);
    if (m.edit) {
      EXPECT_EQ(Text(m.edit), m.text);
    }
  }
  Click(1024);
  EXPECT_EQ(g_settings.triggerEdge, 1);
  Click(1023);
  EXPECT_EQ(g_settings.triggerEdge, 0);
}

TEST_F(PanelTest, OnlyAMouseReleaseOnTheRateSliderReopensTheInput) {
  Start();
  const int opened = input->openCount;
  TrackBar* rate = Slider(1016);
  auto clickRightOfThumb = [rate] {
    QTest::mouseClick(rate, Qt::LeftButton, Qt::NoModifier, QPoint(rate->width() - 3, rate->height() / 2));
  };
  Key(1016, Qt::Key_Right);
  EXPECT_EQ(g_settings.sampleRate, 44101);
  EXPECT_EQ(Text(1017), "44101");
  EXPECT_EQ(input->openCount, opened);
  clickRightOfThumb();  // a page: a fifth of the range
  EXPECT_EQ(g_settings.sampleRate, 44101 + 39600);
  EXPECT_EQ(input->closeCount, 1);
  EXPECT_EQ(input->openCount, opened + 1);
  EXPECT_EQ(input->openedFormat.samplesPerSec, 83701u);

  // A recording keeps its rate; a plug-in sets its own.
  g_recordState = Recording;
  Key(1016, Qt::Key_Right);
  clickRightOfThumb();
  EXPECT_EQ(g_settings.sampleRate, 83701);
  EXPECT_EQ(rate->value(), 83701);
  g_recordState = Idle;
  g_pluginEnabled = 1;
  panel->EnableSampleRateSlider(false);
  EXPECT_FALSE(rate->isEnabled());
  emit rate->captureReleased();
  EXPECT_EQ(input->openCount, opened + 1);
}

TEST_F(PanelTest, ARateStoredElsewhereStandsAndTheSliderShowsIt) {
  Start();
  for (int32_t stored : {8000, 1000}) {  // 1000 is below the slider's range
    g_settings.sampleRate = stored;  // by an opened WAV file, say
    panel->SyncSampleRateSlider();
    EXPECT_EQ(Slider(1016)->value(), std::max(stored, 2000));
    // Other sliders push every edit; the rate is not written back.
    Key(1031, Qt::Key_Right);
    EXPECT_EQ(g_settings.sampleRate, stored);
    EXPECT_EQ(Text(1017), QString::number(stored));
  }
}

TEST_F(PanelTest, VolumeSlidersSetTheMixerTopLoudestAndAdvancedStartsTheVolumeControl) {
  Start();
  Key(1013, Qt::Key_Up);  // one step louder
  EXPECT_EQ(mixer.elements["Master"].values, (std::vector<int32_t>{40001, 40001}));
  Key(1012, Qt::Key_Home);  // the top: loudest, line-in and microphone alike
  EXPECT_EQ(mixer.elements["Line"].values, (std::vector<int32_t>{65535, 65535}));
  EXPECT_EQ(mixer.elements["Mic"].values, (std::vector<int32_t>{65535}));
  EXPECT_EQ(mixer.elements["Master"].writes, 1);
  // Output or input devices; that it cannot start is not reported.
  Click(1015);
  Click(1014);
  EXPECT_EQ(launched, QStringList({"pavucontrol --tab=3", "pavucontrol --tab=4"}));
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(mixer.openDevices, 3);
  panel.reset();
  EXPECT_EQ(mixer.openDevices, 0);
}

TEST_F(PanelTest, WithoutLineInTheSharedSliderSetsTheMicrophoneAlone) {
  mixer.elements.erase("Line");
  Start();
  EXPECT_EQ(prompts.messages, QStringList{"GetLinInfo Resource faile!"});
  Key(1012, Qt::Key_End);  // the bottom: silent
  EXPECT_EQ(mixer.elements["Mic"].values, (std::vector<int32_t>{0}));
  // No mixer at all: empty ranges, nothing said.
  panel.reset();
  mixer.present = false;
  prompts.messages.clear();
  Start();
  EXPECT_EQ(Slider(1013)->maximum() - Slider(1013)->minimum(), 0);
  EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PanelTest, PanelColourAndTheEtchedFrameFromTheSecondResizeOn) {
  Start();
  QWidget* frame = panel->Control(1000);
  panel->resize(900, 160);
  panel->show();
  QCoreApplication::processEvents();
  EXPECT_FALSE(frame->isVisible());
  panel->resize(1000, 170);
  QCoreApplication::processEvents();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->geometry(), QRect(0, 0, 1000, 170));
  const QImage image = panel->grab().toImage();
  EXPECT_EQ(image.pixelColor(6, 100), QColor(177, 202, 147));    // between the groups
  EXPECT_EQ(image.pixelColor(950, 100), QColor(177, 202, 147));  // right of the form
}

}  // namespace
