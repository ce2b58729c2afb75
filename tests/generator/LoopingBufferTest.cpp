#include "generator/LoopingBuffer.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LoopingBuffer, ReadsTheLoopEndlesslyWhateverTheReadSizes) {
  // Ten bytes of which nine loop: the tenth (half a frame, say) is never read.
  const QByteArray signal("0123456789");
  for (const int readSize : {1, 2, 7, 9, 10, 4096}) {
    LoopingBuffer loop(signal, 9);
    ASSERT_TRUE(loop.isOpen());
    EXPECT_TRUE(loop.isSequential());
    EXPECT_GT(loop.bytesAvailable(), 1 << 20);
    QByteArray got;
    while (got.size() < 100) {
      const QByteArray piece = loop.read(readSize);
      ASSERT_EQ(piece.size(), readSize);
      got += piece;
    }
    for (qsizetype k = 0; k < got.size(); ++k)
      ASSERT_EQ(got[k], signal[k % 9]) << "read size " << readSize << ", byte " << k;
    EXPECT_EQ(loop.LoopPosition(), got.size() % 9);
  }
}
