// Sampling plug-ins as real shared libraries: binding, the per-tick call and
// the libraries that are refused.

#include "acquisition/SamplingPlugin.h"
#include "support/EngineFixture.h"

#include <QLibrary>

namespace {

// Calls one of ramp16's counters. Qt shares the binding's load with this
// object, so it must not unload.
int RampCounter(const char* name) {
  QLibrary lib(QStringLiteral(ONDRIX_PLUGIN_RAMP16));
  auto counter = reinterpret_cast<int (*)()>(lib.resolve(name));
  return counter ? counter() : -1;
}
int RampCalls() { return RampCounter("TestCallCount"); }

class SamplingPlugin : public EngineTest {
 protected:
  bool Load(const char* path) { return LoadSamplingPlugin(QString::fromUtf8(path), engine, &reason); }
  void Sentinel() {
    engine.ch1Trace.fill(-7);
    engine.ch2Trace.fill(-7);
  }
  QString reason;
};

}  // namespace

TEST_F(SamplingPlugin, TheSampleWidthFollowsTheExportsWhileAPluginIsTheSource) {
  g_pluginEnabled = 1;
  UseFormat(2, 8);
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_TWOTONE16)) << reason.toStdString();
  EXPECT_EQ(g_settings.bitsPerSample, 16);
  EXPECT_EQ(g_pluginWrite8, nullptr);
  EXPECT_NE(g_pluginWrite16, nullptr);
  EXPECT_NE(engine.liveBuf16[2], 0);  // called once on loading

  ASSERT_TRUE(Load(ONDRIX_PLUGIN_BOTHWIDTHS));
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  EXPECT_EQ(engine.liveBuf8[0], 228);

  ASSERT_TRUE(Load(ONDRIX_PLUGIN_SINE8));
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  EXPECT_EQ(PluginSampleWidth(), 8);

  // With the sound card as the source its width stays until the plug-in is applied.
  g_pluginEnabled = 0;
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_RAMP16));
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  EXPECT_EQ(PluginSampleWidth(), 16);
}

TEST_F(SamplingPlugin, EachTickFillsTheLiveBufferUncalibratedInEitherLayout) {
  g_pluginEnabled = 1;
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_RAMP16));
  const int calls = RampCalls();
  g_settings.calibrationOffset = 100;  // acts on the sound card only

  UseFormat(1, 16);
  Sentinel();
  engine.ConvertFrame();
  EXPECT_EQ(RampCalls(), calls + 1);
  EXPECT_EQ(RampCounter("TestLastLength"), 2048);
  for (int i : {0, 5, 1023}) EXPECT_EQ(engine.ch1Trace[i], i);
  EXPECT_EQ(engine.ch2Trace[0], -7);  // values 1024..2047 reach nothing

  UseFormat(2, 16);
  engine.ConvertFrame();
  for (int i : {0, 7, 1023}) {
    EXPECT_EQ(engine.ch1Trace[i], 2 * i);
    EXPECT_EQ(engine.ch2Trace[i], 2 * i + 1);
  }

  // The shown signal is generated, not sampled: the plug-in rests.
  g_displayMode = FunctionSignal;
  engine.ConvertFrame();
  EXPECT_EQ(RampCalls(), calls + 2);
}

TEST_F(SamplingPlugin, AWidthWithoutAnExportCallsNothingAndKeepsTheFrame) {
  g_pluginEnabled = 1;
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_SINE8));
  // The 16-bit library bound next leaves no pointer into the 8-bit one.
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_RAMP16));
  EXPECT_EQ(g_pluginWrite8, nullptr);
  const int calls = RampCalls();

  UseFormat(1, 8);  // as after changing the width on the settings page
  engine.liveBuf8.fill(3);
  Sentinel();
  engine.ConvertFrame();
  EXPECT_EQ(engine.liveBuf8[0], 3);
  EXPECT_EQ(engine.ch1Trace[0], -7);
  EXPECT_EQ(RampCalls(), calls);

  // The frozen sample is still shown from its own buffer.
  g_showRealTime = false;
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], -128);
}

TEST_F(SamplingPlugin, LibrariesThatAreNoPluginAreRefusedAndTheBindingStays) {
  g_pluginEnabled = 1;
  UseFormat(2, 16);
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_TWOTONE16));
  const PluginWrite16 bound = g_pluginWrite16;

  for (const char* path : {ONDRIX_PLUGIN_NOEXPORTS, ONDRIX_PLUGIN_NOTALIBRARY, "/no/such/plugin.so", ""}) {
    g_pluginEnabled = 1;
    reason.clear();
    EXPECT_FALSE(Load(path)) << path;
    EXPECT_FALSE(reason.isEmpty()) << path;
    EXPECT_EQ(g_pluginEnabled, 0) << path;
    EXPECT_EQ(g_pluginWrite16, bound) << path;
    EXPECT_EQ(g_settings.bitsPerSample, 16);
  }
  EXPECT_FALSE(QLibrary(QStringLiteral(ONDRIX_PLUGIN_NOEXPORTS)).isLoaded());
}

TEST_F(SamplingPlugin, BindingANewLibraryReleasesTheOneBefore) {
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_SINE8));
  EXPECT_TRUE(QLibrary(QStringLiteral(ONDRIX_PLUGIN_SINE8)).isLoaded());
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_TWOTONE16));
  EXPECT_FALSE(QLibrary(QStringLiteral(ONDRIX_PLUGIN_SINE8)).isLoaded());
  // The plug-in in use bound again stays loaded, and its export is callable.
  ASSERT_TRUE(Load(ONDRIX_PLUGIN_TWOTONE16));
  EXPECT_TRUE(QLibrary(QStringLiteral(ONDRIX_PLUGIN_TWOTONE16)).isLoaded());
  g_pluginEnabled = 1;
  UseFormat(2, 16);
  engine.liveBuf16.fill(0);
  engine.ConvertFrame();
  EXPECT_NE(engine.liveBuf16[2], 0);
  ReleasePluginModule();
  EXPECT_FALSE(QLibrary(QStringLiteral(ONDRIX_PLUGIN_TWOTONE16)).isLoaded());
}

TEST_F(SamplingPlugin, PathsTheSystemCannotTakeAreRefusedBeforeItSeesThem) {
  const QString ramp = QStringLiteral(ONDRIX_PLUGIN_RAMP16);
  const struct {
    QString path;
    const char* why;
  } cases[] = {
      // Millions of characters overflow the system loader's stack.
      {QStringLiteral("/") + QString(9'000'000, QLatin1Char('a')), "路径过长"},
      {QStringLiteral("/") + QString(kPathLimit - 1, QLatin1Char('a')), "路径过长"},
      // The system would read the name only up to the NUL: another library.
      {ramp + QChar(0) + QStringLiteral("-not-this.so"), "空字符"},
  };
  for (const auto& c : cases) {
    g_pluginEnabled = 1;
    reason.clear();
    EXPECT_FALSE(LoadSamplingPlugin(c.path, engine, &reason)) << c.why;
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.why))) << reason.toStdString();
    EXPECT_EQ(g_pluginEnabled, 0);
    EXPECT_EQ(g_pluginModule, nullptr);
  }
  EXPECT_TRUE(PluginPathRefusal(QStringLiteral("/") + QString(kPathLimit - 2, QLatin1Char('a'))).isEmpty());
}
