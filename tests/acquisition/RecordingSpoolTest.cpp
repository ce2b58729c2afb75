// The recording spool: what it holds, when it is offered back, and what a
// failing disk does.

#include "acquisition/LeftSpool.h"
#include "acquisition/RecordingSpool.h"
#include "files/WavFile.h"
#include "support/EngineFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <csignal>
#include <numeric>

#include <sys/resource.h>

using EngineSpool = EngineTest;

TEST(RecordingSpool, HoldsTheFramesAndIsOfferedOnlyOnceItsProgramHasEnded) {
  QTemporaryDir dir;
  const WaveFormat format = MakePcmFormat(2, 48000, 16);
  std::vector<uint8_t> block(4096);
  std::iota(block.begin(), block.end(), uint8_t{0});
  QString reason;
  auto spool = std::make_unique<RecordingSpool>();
  ASSERT_TRUE(spool->Create(dir.path(), format, &reason)) << reason.toStdString();
  ASSERT_TRUE(spool->Append(block.data(), block.size(), &reason));
  ASSERT_TRUE(spool->Append(block.data(), 3, &reason));  // a frame cut short by the crash
  const QString path = spool->Path();
  EXPECT_TRUE(LeftSpool::Claim(dir.path()).empty()) << "its program still runs";
  RecordingSpool another;  // a second recorder in the same folder has its own
  ASSERT_TRUE(another.Create(dir.path(), format, &reason));
  EXPECT_NE(another.Path(), path);
  another.Remove();

  spool.reset();  // the program ended without saving
  auto left = LeftSpool::Claim(dir.path());
  ASSERT_EQ(left.size(), 1u);
  EXPECT_TRUE(LeftSpool::Claim(dir.path()).empty()) << "offered by one program at a time";
  ASSERT_TRUE(left[0]->Check(&reason)) << reason.toStdString();
  EXPECT_EQ(left[0]->Format(), format);
  EXPECT_EQ(left[0]->DataBytes(), 4096u);
  EXPECT_FALSE(left[0]->SaveAsWav(path, &reason)) << "never over the spool itself";
  const QString wav = dir.filePath("saved.wav");
  ASSERT_TRUE(left[0]->SaveAsWav(wav, &reason)) << reason.toStdString();
  const WavProbe probe = ProbeWavFile(wav);
  ASSERT_TRUE(probe.ok);
  EXPECT_EQ(probe.layout.format, format);
  std::vector<uint8_t> saved(probe.layout.dataBytes);
  ASSERT_TRUE(ReadWavBytes(wav, probe.layout, 0, saved, &reason));
  EXPECT_EQ(saved, block);
  ASSERT_TRUE(left[0]->Remove(&reason));
  EXPECT_FALSE(QFile::exists(path));
  left.clear();

  // A lock left by an earlier program that had this process's id.
  QFile(path).open(QIODevice::WriteOnly);
  QByteArray lockBytes;
  {
    QLockFile own(dir.filePath("own.lock"));
    ASSERT_TRUE(own.tryLock(0));
    QFile held(dir.filePath("own.lock"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    lockBytes = held.readAll();
  }
  QFile leftLock(SpoolLockPath(path));
  ASSERT_TRUE(leftLock.open(QIODevice::WriteOnly) && leftLock.write(lockBytes) == lockBytes.size());
  leftLock.close();
  EXPECT_EQ(LeftSpool::Claim(dir.path()).size(), 1u);
}

TEST_F(EngineSpool, FollowsTheRecordingAndAFailureIsToldOnceWhileRecordingGoesOn) {
  QTemporaryDir dir;
  engine.SetSpoolFolder(dir.path());
  UseFormat(2, 16);
  // A loaded recording that Record extends is spooled whole.
  const auto block = Block16([](int i) { return i; });
  ASSERT_TRUE(engine.recBuf16.Append(block.data(), block.size()));
  g_recordState = Paused;
  engine.Record(true);
  input.Deliver(block);
  const QString path = engine.Spool().Path();
  EXPECT_EQ(QFileInfo(path).size(), RecordingSpool::kHeaderBytes + 8192);
  engine.Stop();
  EXPECT_TRUE(QFile::exists(path)) << "unsaved: the spool stays";
  ASSERT_TRUE(engine.SaveUserRecording(dir.filePath("saved.wav")));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(prompts.statuses.isEmpty());

  // A disk that takes one block and no more (a file size limit).
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{RecordingSpool::kHeaderBytes + 4096 + 100, saved.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  engine.Record(true);
  for (int i = 0; i < 3; ++i) input.Deliver(block);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  ASSERT_EQ(prompts.statuses.size(), 1);
  EXPECT_TRUE(prompts.statuses[0].contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << prompts.statuses[0].toStdString();
  EXPECT_EQ(engine.RecBytes(), 3u * 4096u);

  // A spool that cannot be made at all: said, and recording goes on.
  engine.Stop();
  engine.DiscardUserRecording();
  engine.SetSpoolFolder(dir.filePath("saved.wav"));  // a file, not a folder
  engine.Record(true);
  input.Deliver(block);
  EXPECT_EQ(prompts.statuses.size(), 2);
  EXPECT_EQ(engine.RecBytes(), 4096u);
}
