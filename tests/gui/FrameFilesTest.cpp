// The recorder and file commands of the main window, driven as a user would
// through the record bar, the menus and the outlook bar.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CBarTool.h"
#include "gui/CGfxOutBarCtrl.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "display/COndrixView.h"
#include "files/WavFile.h"
#include "support/FakeAudioInput.h"
#include "RunningProgram.h"
#include "support/RecordingPrompts.h"

#include "gui/MessageBoxPrompts.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTimer>
#include <QAbstractButton>
#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class FrameFiles : public RunningProgram {
 protected:
  FrameFiles() {
    Start();
    bar = frame->RecordBar();
    QCoreApplication::processEvents();
  }

  void Click(int id) { bar->Button(id)->click(); }
  bool Enabled(int id) { return bar->Button(id)->isEnabled(); }
  bool Selected(int id) { return bar->Button(id)->isChecked(); }
  // The look of the four buttons: enabled flags and the selected one.
  void ExpectButtons(bool record, bool playback, bool pause, bool stop, int selected) {
    EXPECT_EQ(Enabled(IDC_RECORD), record);
    EXPECT_EQ(Enabled(IDC_PLAYBACK), playback);
    EXPECT_EQ(Enabled(IDC_PAUSE), pause);
    EXPECT_EQ(Enabled(IDC_STOP), stop);
    EXPECT_TRUE(Selected(selected)) << selected;
  }
  // Blocks from the sound card, which delivers only while it runs.
  void DeliverBlocks(int n, uint8_t fill = 0) {
    for (int i = 0; i < n && input->running; ++i) input->Deliver(std::vector<uint8_t>(4096, fill));
  }
  QString WriteWav(const QString& name, const WaveFormat& format, const std::vector<uint8_t>& data) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteWavFile(path, format, std::span<const uint8_t>(data), nullptr));
    return path;
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void ClickOutlookItem(int folder, const QString& label) {
    CGfxOutBarCtrl* outlook = frame->OutlookBar();
    outlook->OpenFolder(folder);
    for (int i = 0; i < outlook->ItemCount(); ++i)
      if (outlook->GetItemLabel(i) == label) frame->OnOutbarEvent(OBE_ITEM_CLICKED, i);
  }

  CRecordBar* bar = nullptr;
};

}  // namespace

TEST_F(FrameFiles, RecordBarFollowsTheStateTable) {
  ExpectButtons(true, true, false, false, IDC_STOP);
  Click(IDC_RECORD);
  EXPECT_EQ(g_recordState, Recording);
  ExpectButtons(false, false, true, true, IDC_RECORD);
  DeliverBlocks(3);
  Click(IDC_PAUSE);  // pausing a recording changes only the buttons
  EXPECT_EQ(g_recordState, Recording);
  ExpectButtons(true, false, false, true, IDC_PAUSE);

  // Stop ends the recording and asks for a file. Cancelled, the recording
  // waits unsaved and Stop stays enabled to offer it again.
  Click(IDC_STOP);
  ExpectButtons(true, true, false, true, IDC_STOP);
  EXPECT_EQ(prompts->dialogs.last(), QStringLiteral("save 波形文件(*.wav) wav"));
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_EQ(bar->Slider()->maximum(), 4096);  // 3 blocks of 16-bit stereo
  DeliverBlocks(1);  // no longer appended
  prompts->paths << dir.filePath("rec.wav");
  Click(IDC_STOP);
  ExpectButtons(true, true, false, false, IDC_STOP);  // saved: the bar as at creation
  const WavProbe probe = ProbeWavFile(dir.filePath("rec.wav"));
  ASSERT_TRUE(probe.ok);
  EXPECT_EQ(probe.layout.dataBytes, 3u * 4096u);

  // Replay: sampling stops, the slider follows, Stop rewinds and pauses.
  Click(IDC_PLAYBACK);
  EXPECT_EQ(g_recordState, Playing);
  EXPECT_FALSE(frame->SamplingOn());
  ExpectButtons(false, false, true, true, IDC_PLAYBACK);
  frame->View()->OnTimer();
  frame->View()->OnTimer();
  EXPECT_EQ(g_playbackPos, 40);
  EXPECT_EQ(bar->Slider()->value(), 40);
  Click(IDC_PAUSE);
  EXPECT_EQ(g_recordState, Paused);
  ExpectButtons(false, true, false, true, IDC_PAUSE);  // playback can resume
  Click(IDC_STOP);
  EXPECT_EQ(g_recordState, Idle);  // Stop from Paused
  Click(IDC_PLAYBACK);
  frame->View()->OnTimer();
  Click(IDC_STOP);
  EXPECT_EQ(g_recordState, Paused);
  EXPECT_EQ(g_playbackPos, 0);
  EXPECT_EQ(bar->Slider()->value(), 0);
}

TEST_F(FrameFiles, RecordStartsAStoppedInputButNotInTheGeneratorsView) {
  ClickOutlookItem(0, QStringLiteral("函数信号"));  // the input stops
  Click(IDC_RECORD);
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_TRUE(Selected(IDC_STOP));
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].contains(QStringLiteral("时域"))) << prompts->messages[0].toStdString();

  ClickOutlookItem(0, QStringLiteral("时域"));
  ASSERT_FALSE(input->running);
  Click(IDC_RECORD);
  EXPECT_TRUE(frame->SamplingOn());
  DeliverBlocks(2);
  prompts->paths << dir.filePath("rec.wav");
  Click(IDC_STOP);
  const WavProbe probe = ProbeWavFile(dir.filePath("rec.wav"));
  ASSERT_TRUE(probe.ok);
  EXPECT_EQ(probe.layout.dataBytes, 2u * 4096u);
}

TEST_F(FrameFiles, EightBitRecordingSliderCountsBytes) {
  g_settings.bitsPerSample = 8;
  Click(IDC_RECORD);
  DeliverBlocks(3, 128);
  Click(IDC_STOP);
  EXPECT_EQ(bar->Slider()->maximum(), 10240);
}

TEST_F(FrameFiles, PlaybackWithoutDataSaysSo) {
  Click(IDC_PLAYBACK);
  EXPECT_EQ(prompts->messages, QStringList({"No data played!"}));
  EXPECT_TRUE(Selected(IDC_STOP));
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_TRUE(frame->SamplingOn());
}

TEST_F(FrameFiles, ReplayStopsAtTheSlidersEnd) {
  // A mono recording of 2100 elements: the slider's range is 0..52.
  g_settings.channels = 1;
  std::vector<uint8_t> data(4200, 0);
  prompts->paths << WriteWav("mono.wav", MakePcmFormat(1, 44100, 16), data);
  frame->Action(ID_FILE_OPEN)->trigger();
  EXPECT_EQ(bar->Slider()->maximum(), 52);
  Click(IDC_PLAYBACK);
  for (int i = 0; i < 5; ++i) frame->View()->OnTimer();
  EXPECT_EQ(g_playbackPos, 52);
  EXPECT_EQ(g_recordState, Playing);
}

TEST_F(FrameFiles, OpeningAFileMakesItTheRecordingToReplay) {
  std::vector<uint8_t> data(3 * 4096);
  for (std::size_t i = 0; i < data.size(); i += 2) data[i + 1] = static_cast<uint8_t>(i >> 8);
  prompts->paths << WriteWav("in.wav", MakePcmFormat(1, 22050, 16), data);
  frame->Action(ID_FILE_OPEN)->trigger();
  EXPECT_EQ(prompts->dialogs.last(), QStringLiteral("open 波形文件(*.wav)"));
  EXPECT_EQ(g_recordState, Paused);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_FALSE(input->running);
  EXPECT_EQ(g_displayMode, TimeDomain);
  EXPECT_EQ(g_settings.channels, 1);
  EXPECT_EQ(g_settings.sampleRate, 22050);
  EXPECT_EQ(frame->ControlPanel()->Edit(1017)->text(), QStringLiteral("22050"));  // the file's rate stands
  EXPECT_EQ(bar->Slider()->maximum(), 6144 - 2048);

  // Record while paused on the loaded file appends to it, the input running
  // in the file's format.
  Click(IDC_RECORD);
  EXPECT_EQ(input->openedFormat, MakePcmFormat(1, 22050, 16));
  DeliverBlocks(1);
  EXPECT_EQ(frame->View()->Engine().RecBytes(), 4u * 4096u);
}

TEST_F(FrameFiles, AFileThatIsNotAWaveChangesNothing) {
  QFile bad(dir.filePath("bad.wav"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("RIFF\x10\x00\x00\x00WAVEjunk", 16);
  bad.close();
  g_displayMode = FrequencyDomain;
  prompts->paths << bad.fileName();
  frame->Action(ID_FILE_OPEN)->trigger();
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].contains("bad.wav"));
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_TRUE(frame->SamplingOn());
  EXPECT_EQ(g_displayMode, FrequencyDomain);
  EXPECT_EQ(g_settings.sampleRate, 44100);

  // A cancelled dialog does nothing at all.
  frame->Action(ID_FILE_OPEN)->trigger();
  EXPECT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(frame->SamplingOn());
}

TEST_F(FrameFiles, SaveSampleWritesTheFrozenSample) {
  input->Deliver(std::vector<uint8_t>(4096, 0x7f));
  frame->Action(ID_CAPTURE_SAMPLE)->trigger();
  prompts->paths << dir.filePath("sample.wav");
  frame->Action(ID_SAVE_SAMPLE)->trigger();
  const WavProbe probe = ProbeWavFile(dir.filePath("sample.wav"));
  ASSERT_TRUE(probe.ok);
  EXPECT_EQ(probe.layout.dataBytes, 4096u);
  EXPECT_EQ(probe.layout.format, MakePcmFormat(2, 44100, 16));
}

TEST_F(FrameFiles, ExportsFromTheOutlookBar) {
  frame->Action(ID_CLEAR_SAMPLE)->trigger();
  prompts->paths << dir.filePath("sample.csv");
  ClickOutlookItem(2, QStringLiteral("导出Excel样本数据文件[CSV]"));
  EXPECT_EQ(prompts->dialogs.last(), QStringLiteral("save 波形数据(*.csv) csv"));
  const QByteArray csv = Read(dir.filePath("sample.csv"));
  EXPECT_TRUE(csv.startsWith("CH1 Sample,CH1 FFT,CH2 Sample,CH2 FFT,\r\n0,0,0,0,\r\n"));
  EXPECT_EQ(csv.count("\r\n"), 1025);

  prompts->paths << dir.filePath("picture.bmp");
  ClickOutlookItem(2, QStringLiteral("当前波形另存为位图文件[BMP]"));
  EXPECT_EQ(prompts->dialogs.last(), QStringLiteral("save 位图文件(*.bmp);;PNG 图像(*.png) BMP"));
  const QByteArray bmp = Read(dir.filePath("picture.bmp"));
  const QSize client = frame->View()->size();
  ASSERT_TRUE(bmp.startsWith("BM"));
  const int stride = (client.width() * 3 + 3) / 4 * 4;
  EXPECT_EQ(bmp.size(), 54 + stride * client.height());

  // Unwritable places are reported and leave nothing.
  prompts->paths << dir.filePath("missing/picture.bmp") << dir.filePath("missing/sample.csv");
  ClickOutlookItem(2, QStringLiteral("当前波形另存为位图文件[BMP]"));
  ClickOutlookItem(2, QStringLiteral("导出Excel样本数据文件[CSV]"));
  ASSERT_EQ(prompts->messages.size(), 2);
  EXPECT_TRUE(prompts->messages[0].startsWith(QStringLiteral("error 2! "))) << prompts->messages[0].toStdString();
  EXPECT_FALSE(prompts->messages[1].isEmpty());
  EXPECT_FALSE(QDir(dir.filePath("missing")).exists());

  // Cancelling a dialog does nothing.
  const int shown = prompts->dialogs.size();
  ClickOutlookItem(2, QStringLiteral("导出Excel样本数据文件[CSV]"));
  EXPECT_EQ(prompts->dialogs.size(), shown + 1);
  EXPECT_EQ(prompts->messages.size(), 2);
}

TEST_F(FrameFiles, APngNameGetsTheSamePictureAsPng) {
  prompts->paths << dir.filePath("picture.bmp") << dir.filePath("picture.PNG") << dir.filePath("missing/p.png");
  for (int i = 0; i < 3; ++i) ClickOutlookItem(2, QStringLiteral("当前波形另存为位图文件[BMP]"));
  EXPECT_TRUE(Read(dir.filePath("picture.PNG")).startsWith("\x89PNG\r\n"));
  const QImage png(dir.filePath("picture.PNG"), "PNG");
  const QImage bmp(dir.filePath("picture.bmp"), "BMP");
  ASSERT_FALSE(bmp.isNull());
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32));
  // An unwritable place is reported with the system's reason and leaves nothing.
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].startsWith(QStringLiteral("无法写入文件 "))) << prompts->messages[0].toStdString();
  EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

TEST_F(FrameFiles, TheSaveDialogsSuffixFollowsTheChosenFilter) {
  EXPECT_EQ(FilterSuffix(QStringLiteral("PNG 图像(*.png)")), QStringLiteral("png"));
  MessageBoxPrompts boxes(frame, QStringLiteral("Orvanta"));
  const struct {
    int filter;
    const char* name;
  } cases[] = {{0, "a.BMP"}, {1, "a.png"}};
  for (const auto& c : cases) {
    // The user picks the filter and types a name without a suffix.
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      ASSERT_NE(types, nullptr);
      types->setCurrentIndex(c.filter);
      // What the combo box tells when the user picks an entry.
      emit types->activated(c.filter);
      emit types->textActivated(types->currentText());
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(QStringLiteral("a")));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(boxes.GetSaveFileName(QStringLiteral("位图文件(*.bmp);;PNG 图像(*.png)"), QStringLiteral("BMP")),
              dir.filePath(QString::fromLatin1(c.name)));
  }
}

TEST_F(FrameFiles, PrinterDefaultsToLandscape) {
  EXPECT_EQ(frame->Printer()->pageLayout().orientation(), QPageLayout::Landscape);
  for (int id : {ID_FILE_OPEN, ID_SAVE_SAMPLE, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
    EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
}

TEST_F(FrameFiles, PrintingToAFileWritesThePageOrSaysWhyNot) {
  const QString pdf = dir.filePath("report.pdf");
  ASSERT_TRUE(frame->PrintToFile(pdf));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF"));
  EXPECT_TRUE(prompts->messages.isEmpty());
  // The document's title, and when it was made.
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Title: +Orvanta — 测试报告$"),
                                               QRegularExpression::MultilineOption)))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^CreationDate: +\\S"), QRegularExpression::MultilineOption)));
  EXPECT_EQ(frame->Printer()->docName(), QStringLiteral("Orvanta — 测试报告"));

  EXPECT_FALSE(frame->PrintToFile(dir.filePath("missing/report.pdf")));
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].startsWith(QStringLiteral("无法写入文件 ")));
  EXPECT_TRUE(prompts->messages[0].endsWith(QString::fromLocal8Bit(std::strerror(ENOENT))))
      << prompts->messages[0].toStdString();
}

namespace {

// `ondrix FILE.wav`: the file opens as Open opens it, once the window is up.
class FrameStartFile : public RunningProgram {};

TEST_F(FrameStartFile, OpensAsTheOpenCommand) {
  const QString path = dir.filePath("start.wav");
  ASSERT_TRUE(WriteWavFile(path, MakePcmFormat(1, 22050, 16), std::span<const uint8_t>(std::vector<uint8_t>(3 * 4096)),
                           nullptr));
  Start(path);
  QCoreApplication::processEvents();
  EXPECT_TRUE(prompts->messages.isEmpty()) << prompts->messages.join('\n').toStdString();
  EXPECT_EQ(g_recordState, Paused);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_FALSE(input->running);
  EXPECT_EQ(g_settings.sampleRate, 22050);
  EXPECT_EQ(frame->RecordBar()->Slider()->maximum(), 6144 - 2048);
}

TEST_F(FrameStartFile, AFileThatCannotBeOpenedIsToldAndTheProgramSamples) {
  const QString path = dir.filePath("missing.wav");
  Start(path);
  QCoreApplication::processEvents();
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].startsWith(QStringLiteral("无法打开 %1：").arg(path)))
      << prompts->messages[0].toStdString();
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_TRUE(frame->SamplingOn());
  EXPECT_TRUE(input->running);
}

}  // namespace
