// libFuzzer target: setting.ini and wavedata.ini loaded as at start-up, then
// the picture composed from what was loaded: live input in the time and
// frequency domain, and the generator's signal in function-signal mode (in
// the export's order).
//
// Input: the first byte is the length of setting.ini (bounded by what
// follows), the bytes after it are setting.ini and then wavedata.ini.
// Properties: whatever the files hold, the loaded records are ones the
// program works with; files that needed no repair are taken byte for byte.

#include "FuzzSupport.h"

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void CheckWorking(const SettingsRecord& s) {
  FUZZ_CHECK(s.channels == 1 || s.channels == 2);
  FUZZ_CHECK(s.sampleRate >= 2000 && s.sampleRate <= 200000);
  FUZZ_CHECK(s.bitsPerSample == 8 || s.bitsPerSample == 16);
  FUZZ_CHECK((s.ch1Color >> 24) == 0 && (s.ch2Color >> 24) == 0);
  FUZZ_CHECK(s.coordSystem >= LogicLevel && s.coordSystem <= Millivolt);
  FUZZ_CHECK(s.timeUnit == Milliseconds || s.timeUnit == Microseconds);
  FUZZ_CHECK(s.logicRef >= 1 && std::isfinite(s.voltageRefMv) && s.voltageRefMv >= 1.0f);
  // No millivolt readout beyond 32 bits: at most 32768 mV per sample unit.
  FUZZ_CHECK(s.voltageRefMv <= 32768.0 * s.logicRef);
  FUZZ_CHECK(s.calibrationOffset >= -32000 && s.calibrationOffset <= 32000);
  FUZZ_CHECK(s.triggerEdge == 0 && s.gainDivisor == 32);
}

// A mended record is one the panel shows and the generator plays.
void CheckWorking(const GeneratorParams& p) {
  FUZZ_CHECK(p.leftWave >= Sine && p.leftWave <= Sawtooth && p.rightWave >= Sine && p.rightWave <= Sawtooth);
  FUZZ_CHECK(p.leftPeak >= 10 && p.leftPeak <= 32767 && p.rightPeak >= 10 && p.rightPeak <= 32767);
  FUZZ_CHECK(GeneratorFaults(p, g_settings.sampleRate, g_settings.channels).isEmpty());
}

// One input block of a two-tone signal, as the sound card would deliver it.
const std::array<uint8_t, SamplingEngine::kBlockBytes>& InputBlock() {
  static const auto block = [] {
    std::array<uint8_t, SamplingEngine::kBlockBytes> b{};
    for (std::size_t i = 0; i < b.size() / 2; ++i) {
      const auto v = static_cast<int16_t>(20000 * std::sin(i * 0.05) + 5000 * std::sin(i * 0.71));
      b[2 * i] = static_cast<uint8_t>(v);
      b[2 * i + 1] = static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8);
    }
    return b;
  }();
  return block;
}

// What a paint builds: the screen's picture, or the export's (other order
// of measuring, crosshair pen).
void Compose(SamplingEngine& engine, const ViewGeometry& geometry, const ComposeOptions& options) {
  static DisplayList list;
  list.items.clear();
  BuildDisplay(list, engine.ch1Trace, engine.ch2Trace, geometry, options);
  (void)ColorFromColorref(g_settings.ch1Color);
  (void)ColorFromColorref(g_settings.ch2Color);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString settingsPath = ScratchPath(QStringLiteral("setting.ini"));
  static const QString generatorPath = ScratchPath(QStringLiteral("wavedata.ini"));
  static SamplingEngine engine;

  const std::size_t settingsBytes = size == 0 ? 0 : std::min<std::size_t>(data[0], size - 1);
  const uint8_t* settingsFile = data + (size == 0 ? 0 : 1);
  const uint8_t* generatorFile = settingsFile + settingsBytes;
  const std::size_t generatorBytes = size == 0 ? 0 : size - 1 - settingsBytes;
  WriteScratch(settingsPath, settingsFile, settingsBytes);
  WriteScratch(generatorPath, generatorFile, generatorBytes);

  ResetGlobals();
  RecordRepairs settingsRepairs, generatorRepairs;
  FUZZ_CHECK(LoadSettingsRecord(settingsPath, g_settings, &settingsRepairs));
  FUZZ_CHECK(LoadGeneratorParams(generatorPath, g_generator, &generatorRepairs));
  CheckWorking(g_settings);
  generatorRepairs.outOfRange = RepairGeneratorParams(g_generator, g_settings.sampleRate, g_settings.channels);
  CheckWorking(g_generator);
  FUZZ_CHECK(settingsRepairs.Any() == (settingsBytes != sizeof(SettingsRecord) || !settingsRepairs.outOfRange.isEmpty()));
  if (!settingsRepairs.Any()) {
    SettingsRecord stored;
    std::memcpy(&stored, settingsFile, sizeof stored);
    ApplyLoadResets(stored);
    FUZZ_CHECK(std::memcmp(&stored, &g_settings, sizeof stored) == 0);
  } else {
    FUZZ_CHECK(RepairStatusText(QStringLiteral("setting.ini"), settingsRepairs)
                   .startsWith(QStringLiteral("setting.ini ")));
  }
  if (!generatorRepairs.Any()) FUZZ_CHECK(std::memcmp(generatorFile, &g_generator, sizeof g_generator) == 0);

  // The view's first update, then ticks and paints of live input.
  const ViewGeometry geometry = GeometryForClient(1000, 600);
  ClearRulerState();
  PlaceRulers(geometry);
  for (const int32_t mode : {TimeDomain, FrequencyDomain}) {
    g_displayMode = mode;
    engine.OnWaveInData(InputBlock().data(), InputBlock().size());
    engine.ConvertFrame();
    Compose(engine, geometry, ComposeOptions{});
  }

  // The function-signal item: the generator's signal becomes the recording
  // and its first frame is shown.
  if (!GeneratorRunIsSmall(g_generator, g_settings.sampleRate, g_settings.channels)) return 0;
  QString refusal;
  const std::optional<GeneratedSignal> signal =
      MakeGeneratorSignal(g_generator, g_settings.sampleRate, g_settings.channels, &refusal);
  if (!signal) {
    FUZZ_CHECK(!refusal.isEmpty());
    return 0;
  }
  FUZZ_CHECK(signal->format.bitsPerSample == 16 && signal->format.channels == g_settings.channels);
  RecordingBuffer recording;
  FUZZ_CHECK(recording.Append(signal->bytes.data(), signal->bytes.size()));
  engine.recBuf16 = std::move(recording);
  g_settings.sampleRate = static_cast<int32_t>(signal->format.samplesPerSec);
  g_settings.bitsPerSample = 16;
  g_displayMode = FunctionSignal;
  engine.ConvertFrame();
  Compose(engine, geometry, ComposeOptions{false, true});
  return 0;
}
