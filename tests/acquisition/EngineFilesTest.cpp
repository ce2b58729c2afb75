#include "files/WavFile.h"
#include "support/EngineFixture.h"

#include <QFile>
#include <QTemporaryDir>

using EngineFiles = EngineTest;

namespace {

std::vector<uint8_t> FileData(const QString& path, WaveFormat* format = nullptr) {
  const WavProbe probe = ProbeWavFile(path);
  EXPECT_TRUE(probe.ok) << probe.reason.toStdString();
  if (format) *format = probe.layout.format;
  std::vector<uint8_t> data;
  QString reason;
  ReadWavData(path, probe.layout, [&](const uint8_t* d, std::size_t n) {
    data.insert(data.end(), d, d + n);
    return true;
  }, &reason);
  return data;
}

std::vector<uint8_t> Recorded(const RecordingBuffer& r) {
  std::vector<uint8_t> out(r.Size());
  r.CopyOut(0, out.data(), out.size());
  return out;
}

}  // namespace

TEST_F(EngineFiles, StopThenSaveWritesTheRecordingInTheDeviceFormat) {
  QTemporaryDir dir;
  UseFormat(2, 16, 48000);
  engine.OpenWaveIn();
  engine.Record(true);
  const auto block = Block16([](int i) { return i * 7; });
  input.Deliver(block);
  input.Deliver(block);
  ASSERT_TRUE(engine.Stop().askForFile);
  const QString path = dir.filePath("rec.wav");
  EXPECT_TRUE(engine.SaveUserRecording(path));
  EXPECT_EQ(g_recordState, Idle);

  WaveFormat format;
  const auto data = FileData(path, &format);
  EXPECT_EQ(format, MakePcmFormat(2, 48000, 16));
  ASSERT_EQ(data.size(), 8192u);
  EXPECT_TRUE(std::equal(block.begin(), block.end(), data.begin()));
}

TEST_F(EngineFiles, UnwritableFileIsReportedAndStopStillEndsRecording) {
  QTemporaryDir dir;
  UseFormat(2, 16);
  engine.Record(true);
  input.Deliver(Block16([](int) { return 1; }));
  engine.Stop();
  EXPECT_FALSE(engine.SaveUserRecording(dir.filePath("missing/dir/rec.wav")));
  EXPECT_EQ(g_recordState, Idle);
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].startsWith("Error creating file"));
  EXPECT_EQ(engine.RecBytes(), 4096u);  // nothing lost
  EXPECT_EQ(engine.WriteWavFile(dir.filePath("missing/x.wav"), engine.waveFormat), 0u);
  EXPECT_EQ(engine.WriteWavFile(dir.filePath("ok.wav"), engine.waveFormat), 2048u);
}

TEST_F(EngineFiles, SampleFileAlwaysHolds4096Bytes) {
  QTemporaryDir dir;
  UseFormat(1, 8, 8000);
  engine.OpenWaveIn();
  input.Deliver(Block8([](int i) { return i % 251; }));
  engine.CaptureSample();
  ASSERT_TRUE(engine.WriteSampleWavFile(dir.filePath("s8.wav")));
  WaveFormat format;
  auto data = FileData(dir.filePath("s8.wav"), &format);
  EXPECT_EQ(format, MakePcmFormat(1, 8000, 8));
  ASSERT_EQ(data.size(), 4096u);
  EXPECT_EQ(data[300], 300 % 251);

  UseFormat(2, 16, 44100);
  engine.OpenWaveIn();
  ASSERT_TRUE(engine.WriteSampleWavFile(dir.filePath("s16.wav")));
  EXPECT_EQ(FileData(dir.filePath("s16.wav")).size(), 4096u);
}

TEST_F(EngineFiles, OpeningTakesChannelsAndRateAndConvertsToTheCurrentWidth) {
  QTemporaryDir dir;
  const QString path8 = dir.filePath("mono8.wav");
  const uint8_t bytes8[] = {0, 128, 255, 129, 127};
  ASSERT_TRUE(WriteWavFile(path8, MakePcmFormat(1, 22050, 8), std::span<const uint8_t>(bytes8), nullptr));

  UseFormat(2, 16, 44100);
  QString reason;
  EXPECT_EQ(engine.ReadWavFile(path8, &reason), 5u);  // five 16-bit words
  EXPECT_EQ(g_settings.channels, 1);
  EXPECT_EQ(g_settings.sampleRate, 22050);
  EXPECT_EQ(g_settings.bitsPerSample, 16);
  const auto rec = Recorded(engine.recBuf16);
  ASSERT_EQ(rec.size(), 10u);
  const int16_t* words = reinterpret_cast<const int16_t*>(rec.data());
  EXPECT_EQ(words[0], -32768);
  EXPECT_EQ(words[1], 0);
  EXPECT_EQ(words[2], 32512);
  EXPECT_EQ(words[3], 256);
  EXPECT_EQ(words[4], -256);

  // And 16-bit into an 8-bit recording.
  const QString path16 = dir.filePath("stereo16.wav");
  const int16_t samples16[] = {-32768, 32767, 0, 255, 256, -1};
  ASSERT_TRUE(WriteWavFile(path16, MakePcmFormat(2, 96000, 16),
                           std::span(reinterpret_cast<const uint8_t*>(samples16), sizeof samples16), nullptr));
  UseFormat(1, 8, 8000);
  g_playbackPos = 77;
  EXPECT_EQ(engine.ReadWavFile(path16, &reason), 3u);
  EXPECT_EQ(g_settings.channels, 2);
  EXPECT_EQ(g_settings.sampleRate, 96000);
  EXPECT_EQ(g_playbackPos, 0);
  EXPECT_EQ(Recorded(engine.recBuf8), (std::vector<uint8_t>{0, 255, 128, 128, 129, 127}));
  EXPECT_EQ(engine.waveFormat, MakePcmFormat(2, 96000, 8));
}

TEST_F(EngineFiles, RefusedFileChangesNothing) {
  QTemporaryDir dir;
  UseFormat(2, 16, 44100);
  const auto block = Block16([](int i) { return i; });
  ASSERT_TRUE(engine.recBuf16.Append(block.data(), block.size()));
  g_playbackPos = 40;
  const SettingsRecord before = g_settings;

  const QString bad = dir.filePath("bad.wav");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromHex("52494646ffffff7f57415645666d7420"));  // "RIFF" ... "WAVEfmt " then nothing
  f.close();
  QString reason;
  EXPECT_EQ(engine.ReadWavFile(bad, &reason), 0u);
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(engine.ReadWavFile(dir.filePath("none.wav"), &reason), 0u);
  EXPECT_FALSE(reason.isEmpty());

  EXPECT_EQ(Recorded(engine.recBuf16), block);
  EXPECT_EQ(g_playbackPos, 40);
  EXPECT_EQ(g_settings.channels, before.channels);
  EXPECT_EQ(g_settings.sampleRate, before.sampleRate);
}

TEST_F(EngineFiles, AFileBeyondTheRecordingLimitIsRefusedFromItsHeader) {
  // Sparse files whose data, in the current sample width, would pass the
  // recording's limit by a little: 16-bit data as it is, 8-bit data widened.
  QTemporaryDir dir;
  auto sparse = [&](const char* name, uint16_t bits, quint32 dataBytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(WriteWavFile(path, MakePcmFormat(1, 8000, bits), std::span<const uint8_t>(), nullptr));
    QFile f(path);  // the reader takes the RIFF size as it comes; the data size counts
    EXPECT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(42) &&
                f.write(reinterpret_cast<const char*>(&dataBytes), 4) == 4 && f.resize(46 + qint64(dataBytes)));
    return path;
  };
  const quint32 limit = RecordingBuffer::kMaxBytes;
  UseFormat(2, 16, 44100);
  const auto block = Block16([](int i) { return i; });
  ASSERT_TRUE(engine.recBuf16.Append(block.data(), block.size()));
  for (const QString& path : {sparse("big16.wav", 16, limit + 2), sparse("big8.wav", 8, limit / 2 + 1)}) {
    QString reason;
    EXPECT_EQ(engine.ReadWavFile(path, &reason), 0u);
    EXPECT_TRUE(reason.contains(QString::number(limit))) << reason.toStdString();
    EXPECT_EQ(Recorded(engine.recBuf16), block);
    EXPECT_EQ(g_settings.channels, 2);
  }
}
