// Outputs of the window that are named pipes no program reads: the window
// says so at once instead of freezing until a reader comes.

#include "RunningProgram.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/CommandIds.h"
#include "support/FakeAudioOutput.h"
#include "support/PipeReader.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>

#include <chrono>
#include <functional>

#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

class FramePipe : public RunningProgram {};

TEST_F(FramePipe, APipeWithNoReaderIsRefusedWithAMessage) {
  Start();
  frame->View()->SetAudioOutput(std::make_unique<FakeAudioOutput>());
  const struct {
    const char* name;
    QString pipe;
    std::function<void()> save;
  } cases[] = {
      {"save sample data", dir.filePath("sample.wav"),
       [&] {
         prompts->paths << dir.filePath("sample.wav");
         frame->Action(ID_SAVE_SAMPLE)->trigger();
       }},
      {"the generator's start", dir.filePath("signal.wav"),
       [&] {
         g_displayMode = FunctionSignal;
         frame->ControlPanel()->Button(1047)->click();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(mkfifo(QFile::encodeName(c.pipe).constData(), 0600), 0);
    prompts->messages.clear();
    PipeReader late(c.pipe, 5s);
    c.save();
    EXPECT_FALSE(late.Finish()) << "the window waited for a reader";
    ASSERT_EQ(prompts->messages.size(), 1);
    EXPECT_TRUE(prompts->messages[0].contains(QStringLiteral("没有程序在读取这个命名管道")))
        << prompts->messages[0].toStdString();
  }
}

}  // namespace
