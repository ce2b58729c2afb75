// What the user records is never dropped without asking: every command that
// would replace or drop a recording in progress or unsaved asks Save,
// Discard or Cancel first, and a failed save offers the dialog again.

#include "RunningProgram.h"
#include "acquisition/RecordingSpool.h"
#include "display/COndrixView.h"
#include "files/WavFile.h"
#include "gui/CBarTool.h"
#include "gui/CMyPropertySheet.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "gui/PanelIds.h"
#include "support/FakeAudioOutput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

namespace {

using Choice = Prompts::SaveChoice;

class FrameRecorder : public RunningProgram {
 protected:
  // A fresh runtime folder, the program not yet started.
  void NewFolder() {
    prompts.reset();
    app.reset();
    ResetGlobals();
    g_appDir = dir.filePath(QString::number(++runs));
    QDir().mkpath(g_appDir);
  }
  // A fresh program in a fresh runtime folder, with two blocks recorded:
  // still recording, or stopped and the save dialog cancelled.
  void StartWithRecording(bool stopped) {
    NewFolder();
    Start();
    Button(IDC_RECORD)->click();
    for (int i = 0; i < 2; ++i) input->Deliver(std::vector<uint8_t>(4096, 7));
    if (stopped) Button(IDC_STOP)->click();
    prompts->dialogs.clear();
  }
  QAbstractButton* Button(int id) { return frame->RecordBar()->Button(id); }
  SamplingEngine& Engine() { return frame->View()->Engine(); }
  // The settings command, closed with OK after `edit`.
  void AcceptSettings(const std::function<void()>& edit) {
    QTimer::singleShot(0, [edit] {
      if (auto* sheet = qobject_cast<CMyPropertySheet*>(QApplication::activeModalWidget())) {
        edit();
        sheet->OkButton()->click();
      }
    });
    frame->Action(ID_SETTINGS)->trigger();
  }
  bool SaveDialogShown() const { return !prompts->dialogs.filter(QStringLiteral("save ")).isEmpty(); }
  quint32 SavedBytes(const QString& path) { return ProbeWavFile(path).layout.dataBytes; }

  int runs = 0;
};

struct DropPath {
  const char* name;
  bool stopped;  // the recording waits unsaved, else it is in progress
  std::function<void()> act;
  std::function<bool()> wentAhead;
};

}  // namespace

TEST_F(FrameRecorder, EveryPathThatWouldDropTheRecordingAsksFirst) {
  const QString wav = dir.filePath("other.wav");
  ASSERT_TRUE(WriteWavFile(wav, MakePcmFormat(2, 44100, 16), std::vector<uint8_t>(8192, 1), nullptr));
  auto generatorButton = [this] { return frame->ControlPanel()->Button(IDC_GENERATOR); };
  const DropPath paths[] = {
      {"Record over an unsaved recording", true, [this] { Button(IDC_RECORD)->click(); },
       [this] { return g_recordState == Recording && Engine().RecBytes() == 0; }},
      {"File, Open", false,
       [&] {
         prompts->paths.prepend(wav);
         frame->Action(ID_FILE_OPEN)->trigger();
       },
       [] { return g_recordState == Paused; }},
      {"the function-signal item", false, [this] { frame->OutbarAction(2); },
       [] { return g_displayMode == FunctionSignal; }},
      {"the generator's start button", false,
       [&] {
         g_displayMode = FunctionSignal;
         // A scripted output that plays: the button then shows what the guard allowed.
         frame->View()->SetAudioOutput(std::make_unique<FakeAudioOutput>());
         generatorButton()->click();
       },
       [&] { return generatorButton()->text() == QStringLiteral("停止"); }},
      {"the settings' OK in the function-signal view", false,
       [this] {
         g_displayMode = FunctionSignal;
         AcceptSettings([] {});
       },
       [] { return QFile::exists(AppFilePath(QStringLiteral("setting.ini"))); }},
      {"a new sample width on the settings sheet", true,
       [this] { AcceptSettings([] { g_settings.bitsPerSample = 8; }); },
       [] { return g_settings.bitsPerSample == 8; }},
      {"File, Exit", false, [this] { frame->Action(ID_APP_EXIT)->trigger(); },
       [this] { return !frame->isVisible(); }},
      {"closing the window", true, [this] { frame->close(); },
       [this] { return !frame->isVisible(); }},
  };
  for (const DropPath& path : paths) {
    for (Choice choice : {Choice::Cancel, Choice::Discard, Choice::Save}) {
      SCOPED_TRACE(testing::Message() << path.name << ", answer " << static_cast<int>(choice));
      StartWithRecording(path.stopped);
      const QString saved = QDir(g_appDir).filePath(QStringLiteral("saved.wav"));
      prompts->answers << choice;
      prompts->paths << saved;
      path.act();
      EXPECT_EQ(prompts->dialogs.filter(QRegularExpression(QStringLiteral("^ask "))).size(), 1)
          << prompts->dialogs.join('\n').toStdString();
      EXPECT_EQ(path.wentAhead(), choice != Choice::Cancel);
      // Only a recording that was kept, or a new one, is the user's now.
      EXPECT_EQ(Engine().HasUserRecording(), choice == Choice::Cancel || g_recordState == Recording);
      EXPECT_EQ(SaveDialogShown(), choice == Choice::Save);
      if (choice == Choice::Cancel) {
        EXPECT_EQ(g_recordState == Recording, !path.stopped);  // as it was
        EXPECT_EQ(Engine().RecBytes(), 8192u);
      }
      if (choice == Choice::Save) {
        EXPECT_EQ(SavedBytes(saved), 8192u);
      }
    }
  }
}

TEST_F(FrameRecorder, AFailedSaveSaysWhyAndOffersTheDialogAgain) {
  StartWithRecording(false);
  prompts->paths << dir.filePath("missing/rec.wav") << dir.filePath("rec.wav");
  Button(IDC_STOP)->click();
  EXPECT_EQ(prompts->dialogs.size(), 2);
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].startsWith(QStringLiteral("Error creating file"))) << prompts->messages[0].toStdString();
  EXPECT_EQ(SavedBytes(dir.filePath("rec.wav")), 8192u);
  EXPECT_FALSE(Button(IDC_STOP)->isEnabled());

  // Failed, then cancelled: the recording waits and Stop offers it again.
  StartWithRecording(false);
  prompts->paths << dir.filePath("missing/rec.wav");
  Button(IDC_STOP)->click();
  EXPECT_TRUE(Engine().HasUserRecording());
  EXPECT_TRUE(Button(IDC_STOP)->isEnabled());
  prompts->paths << dir.filePath("again.wav");
  Button(IDC_STOP)->click();
  EXPECT_EQ(SavedBytes(dir.filePath("again.wav")), 8192u);
  EXPECT_FALSE(Engine().HasUserRecording());
}

TEST_F(FrameRecorder, ARecordingLeftByAnEndedProgramIsOfferedAtTheNextStart) {
  const std::vector<uint8_t> second(44100, 5);  // 1 s of 16-bit mono at 22050 Hz
  for (Choice choice : {Choice::Cancel, Choice::Discard, Choice::Save}) {
    SCOPED_TRACE(static_cast<int>(choice));
    NewFolder();
    QString path, reason;
    {
      RecordingSpool spool;  // a program that ended without saving
      ASSERT_TRUE(spool.Create(g_appDir, MakePcmFormat(1, 22050, 16), &reason));
      ASSERT_TRUE(spool.Append(second.data(), second.size(), &reason));
      path = spool.Path();
    }
    Start();
    prompts->answers << choice;
    const QString wav = QDir(g_appDir).filePath(QStringLiteral("recovered.wav"));
    prompts->paths << wav;
    QCoreApplication::processEvents();  // the window is up: the offer comes
    ASSERT_FALSE(prompts->dialogs.isEmpty());
    EXPECT_TRUE(prompts->dialogs[0].startsWith(QStringLiteral("ask "))) << prompts->dialogs[0].toStdString();
    EXPECT_TRUE(prompts->dialogs[0].contains(QStringLiteral("1.0"))) << "its length";
    EXPECT_EQ(QFile::exists(path), choice == Choice::Cancel) << "kept for the next start";
    EXPECT_EQ(SavedBytes(wav), choice == Choice::Save ? 44100u : 0u);
  }

  // A damaged one is named and left where it is.
  NewFolder();
  QFile junk(QDir(g_appDir).filePath(QStringLiteral("recording-1.spool")));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a spool");
  junk.close();
  Start();
  QCoreApplication::processEvents();
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].contains(QStringLiteral("recording-1.spool"))) << prompts->messages[0].toStdString();
  EXPECT_TRUE(junk.exists());
  EXPECT_TRUE(prompts->dialogs.isEmpty());
}
