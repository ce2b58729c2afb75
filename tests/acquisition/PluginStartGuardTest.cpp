// The plug-in start-up guard's marker file, without a window: what each run
// leaves for the next one.

#include "acquisition/PluginStartGuard.h"
#include "app/Globals.h"

#include <QDir>
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
    ASSERT_TRUE(guard.Arm(a, call, nullptr));
    EXPECT_EQ(NextStart(), (Marker{a, call}));
  }
  for (int i = 1; i < PluginStartGuard::kGoodTicks; ++i) guard.Ticked();
  EXPECT_TRUE(NextStart());
  guard.Ticked();
  EXPECT_FALSE(NextStart());
  ASSERT_TRUE(guard.Arm(b, PluginCall::Open, nullptr));
  guard.Release();
  EXPECT_FALSE(NextStart());

  // A folder in its place still counts as a marker, and no call can be guarded.
  ASSERT_TRUE(QDir(dir.path()).mkdir(kPluginMarkerFile));
  EXPECT_EQ(NextStart(), Marker{});
  QString error;
  EXPECT_FALSE(guard.Arm(a, PluginCall::Open, &error));
  EXPECT_TRUE(error.contains(MarkerPath())) << error.toStdString();
}

TEST_F(PluginGuard, AMarkerLeftByACrashStandsUntilTheUserChoosesTheInputAgain) {
  ASSERT_TRUE(PluginStartGuard().Arm(a, PluginCall::Sampling, nullptr));  // that run crashed

  PluginStartGuard guard;
  EXPECT_EQ(guard.FindLeftOver(), (Marker{a, PluginCall::Sampling}));
  // A call of this run names its own plug-in; afterwards the old marker is back.
  ASSERT_TRUE(guard.Arm(b, PluginCall::Open, nullptr));
  EXPECT_EQ(NextStart(), (Marker{b, PluginCall::Open}));
  guard.Release();
  EXPECT_EQ(NextStart(), (Marker{a, PluginCall::Sampling}));
  // Applying: the applied plug-in's marker stays until it is released.
  ASSERT_TRUE(guard.Arm(b, PluginCall::Sampling, nullptr));
  guard.Settle();
  EXPECT_EQ(NextStart(), (Marker{b, PluginCall::Sampling}));
  guard.Release();
  EXPECT_FALSE(NextStart());
}
