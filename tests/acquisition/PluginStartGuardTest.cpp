// The plug-in start-up guard's marker file, without a window: what each run
// leaves for the next one.

#include "acquisition/PluginStartGuard.h"
#include "app/Globals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Marker = PluginStartGuard::Marker;

class PluginGuard : public ::testing::Test {
 protected:
  PluginGuard() {
    ResetGlobals();
    g_appDir = dir.path();
  }
  ~PluginGuard() override { ResetGlobals(); }

  // What the next start would find.
  static std::optional<Marker> NextStart() { return PluginStartGuard().FindLeftOver(); }
  QString MarkerPath() const { return dir.filePath(kPluginMarkerFile); }

  QTemporaryDir dir;
  const QString a = QStringLiteral("/p/a 中文.so");
  const QString b = QStringLiteral("/p/b.so");
};

}  // namespace

TEST_F(PluginGuard, TheMarkerNamesEachCallUntilThePluginHasServedItsTicksOrIsReleased) {
  PluginStartGuard guard;
  EXPECT_FALSE(guard.FindLeftOver());
  for (const PluginCall call : {PluginCall::Open, PluginCall::Apply, PluginCall::StartUp, PluginCall::Sampling}) {
    QString error;
    ASSERT_TRUE(guard.Arm(a, call, &error)) << error.toStdString();
    EXPECT_EQ(NextStart(), (Marker{a, call}));
  }
  for (int i = 1; i < PluginStartGuard::kGoodTicks; ++i) guard.Ticked();
  EXPECT_TRUE(NextStart());
  guard.Ticked();
  EXPECT_FALSE(NextStart());
  EXPECT_FALSE(guard.Armed());

  ASSERT_TRUE(guard.Arm(b, PluginCall::Open, nullptr));
  guard.Release();
  EXPECT_FALSE(NextStart());
  guard.Ticked();  // not armed: nothing is written
  guard.Release();
  EXPECT_FALSE(QFile::exists(MarkerPath()));
}

TEST_F(PluginGuard, AMarkerLeftByACrashStandsUntilTheUserChoosesTheInputAgain) {
  ASSERT_TRUE(PluginStartGuard().Arm(a, PluginCall::Sampling, nullptr));  // that run crashed

  PluginStartGuard guard;
  EXPECT_EQ(guard.FindLeftOver(), (Marker{a, PluginCall::Sampling}));
  // Calls of this run name their own plug-in, and the old marker comes back.
  ASSERT_TRUE(guard.Arm(b, PluginCall::Open, nullptr));
  EXPECT_EQ(NextStart(), (Marker{b, PluginCall::Open}));
  guard.Release();
  EXPECT_EQ(NextStart(), (Marker{a, PluginCall::Sampling}));
  // Applying a plug-in: its marker stays until its ticks, then nothing is left.
  ASSERT_TRUE(guard.Arm(b, PluginCall::Sampling, nullptr));
  guard.Settle();
  EXPECT_EQ(NextStart(), (Marker{b, PluginCall::Sampling}));
  guard.Release();
  EXPECT_FALSE(NextStart());

  // Settling with nothing armed removes the old marker at once.
  ASSERT_TRUE(PluginStartGuard().Arm(a, PluginCall::StartUp, nullptr));
  PluginStartGuard later;
  ASSERT_TRUE(later.FindLeftOver());
  later.Settle();
  EXPECT_FALSE(NextStart());
}

TEST_F(PluginGuard, AMarkerThatCannotBeReadOrWrittenStillKeepsPluginsOut) {
  // Damaged or foreign contents still count as a marker.
  QFile file(MarkerPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("\xff\x00garbage", 9) == 9);
  file.close();
  EXPECT_EQ(NextStart(), Marker{});

  // A folder in its place: found, and no call may be made, for none can be guarded.
  ASSERT_TRUE(QFile::remove(MarkerPath()));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kPluginMarkerFile));
  EXPECT_EQ(NextStart(), Marker{});
  PluginStartGuard guard;
  QString error;
  EXPECT_FALSE(guard.Arm(a, PluginCall::Open, &error));
  EXPECT_FALSE(guard.Armed());
  EXPECT_TRUE(error.contains(MarkerPath())) << error.toStdString();
}
