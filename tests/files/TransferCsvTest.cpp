#include "files/TransferCsv.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

// Every point reads back from its line, each number in its own column, to
// the precision written.
TEST(TransferCsv, PointsReadBackInTheirColumns) {
  const std::vector<TransferPoint> curve = {
      {2.9296875, -6.0206, -1.5, 0.999999}, {23999.9, -300, 179.999, 0}, {1000, 12.25, -180, 0.5}};
  const QList<QByteArray> lines = TransferCsvBytes(curve).split('\n');
  ASSERT_EQ(lines.size(), 1 + static_cast<int>(curve.size()) + 1);  // the last line ends the file
  EXPECT_EQ(lines[0], "frequency_hz,magnitude_db,phase_deg,coherence");
  EXPECT_TRUE(lines.back().isEmpty());
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const QList<QByteArray> columns = lines[static_cast<int>(i) + 1].split(',');
    ASSERT_EQ(columns.size(), 4);
    EXPECT_NEAR(columns[0].toDouble(), curve[i].frequencyHz, 1e-6);
    EXPECT_NEAR(columns[1].toDouble(), curve[i].magnitudeDb, 1e-4);
    EXPECT_NEAR(columns[2].toDouble(), curve[i].phaseDeg, 1e-3);
    EXPECT_NEAR(columns[3].toDouble(), curve[i].coherence, 1e-6);
  }
}

}  // namespace
