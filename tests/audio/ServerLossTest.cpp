// The Qt audio input when the sound server goes away under it (a server
// restart, a crash). Its own program: the test stops the server the whole
// process shares.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "acquisition/QtAudioInput.h"
#include "files/WaveFormat.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

namespace {

// Qt deletes the input's device when its stream fails; pausing, resuming and
// closing afterwards once crashed on that deleted device.
TEST(QtAudioInputServerLoss, PausesResumesAndClosesAfterTheServerWentAway) {
  if (!g_server) FAIL() << g_serverError;
  QtAudioInput input;
  int blocks = 0;
  input.SetBlockHandler([&](const uint8_t*, std::size_t) { ++blocks; });
  ASSERT_TRUE(input.Open(MakePcmFormat(2, 44100, 16)));
  RunEventLoop(300);
  EXPECT_GT(blocks, 0);

  g_server->Stop();
  RunEventLoop(500);
  const int afterLoss = blocks;
  input.Stop();
  input.Start();
  RunEventLoop(200);
  EXPECT_EQ(blocks, afterLoss) << "blocks without a server";
  EXPECT_TRUE(input.Close());
  EXPECT_FALSE(input.IsOpen());
}

}  // namespace
