// The device choice file: what its text means, and how a file that is not a
// small regular file is refused without losing the default devices.

#include "app/AudioDeviceChoice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ParseCase {
  const char* text;
  const char* input;
  const char* output;
};

TEST(AudioDeviceChoice, ReadsTheTwoIdsAndSkipsTheRest) {
  const ParseCase cases[] = {
      {"", "", ""},
      {"[devices]\ninput=alsa_input.usb-Bench\noutput=alsa_output.pci\n", "alsa_input.usb-Bench", "alsa_output.pci"},
      {"input=a\r\noutput=b\r\n", "a", "b"},                   // written on Windows
      {"output=b\n", "", "b"},                                   // only one chosen
      {"input=a\ninput=c\n", "c", ""},                           // the last wins
      {"# note\nvolume=3\n input=x\ninput = y\n", "", ""},       // not lines of this file
      {"input=\noutput=\n", "", ""},                             // the defaults, written out
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    const AudioDeviceChoice choice = ParseAudioDeviceChoice(c.text);
    EXPECT_EQ(choice.input, QByteArray(c.input));
    EXPECT_EQ(choice.output, QByteArray(c.output));
  }
}

TEST(AudioDeviceChoice, AWrittenChoiceReadsBackAndAnIdWithALineBreakIsRefused) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kAudioDeviceFile);
  const AudioDeviceChoice choice{"bluez_input.00_11", "alsa_output.usb-Focusrite.analog-stereo"};
  QString error;
  ASSERT_TRUE(WriteAudioDeviceChoice(path, choice, &error)) << error.toStdString();
  QString problem;
  EXPECT_EQ(ReadAudioDeviceChoice(path, &problem), choice);
  EXPECT_TRUE(problem.isEmpty());

  EXPECT_FALSE(WriteAudioDeviceChoice(path, {"a\noutput=b", ""}, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(ReadAudioDeviceChoice(path, &problem), choice) << "the good file stays";
}

TEST(AudioDeviceChoice, AFileThatIsNotASmallRegularFileGivesTheDefaultsAndSaysSo) {
  QTemporaryDir dir;
  QString problem;
  EXPECT_EQ(ReadAudioDeviceChoice(dir.filePath("missing.ini"), &problem), AudioDeviceChoice{});
  EXPECT_TRUE(problem.isEmpty()) << "a missing file is the normal first start";

  const QString folder = dir.filePath("folder.ini");
  ASSERT_TRUE(QDir().mkdir(folder));
  EXPECT_EQ(ReadAudioDeviceChoice(folder, &problem), AudioDeviceChoice{});
  EXPECT_TRUE(problem.contains("folder.ini")) << problem.toStdString();

  const QString large = dir.filePath("large.ini");
  QFile file(large);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const QByteArray text = "input=a\n" + QByteArray(kAudioDeviceFileMaxBytes, '#');
  ASSERT_EQ(file.write(text), text.size());
  file.close();
  problem.clear();
  EXPECT_EQ(ReadAudioDeviceChoice(large, &problem), AudioDeviceChoice{});
  EXPECT_TRUE(problem.contains("large.ini")) << problem.toStdString();
}

}  // namespace
