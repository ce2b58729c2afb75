#pragma once

#include "acquisition/AudioInput.h"
#include "acquisition/PluginStartGuard.h"
#include "acquisition/SamplingEngine.h"
#include "app/AudioDeviceChoice.h"
#include "display/ComposeDisplay.h"
#include "display/ScreenPicture.h"
#include "files/WaveFormat.h"
#include "generator/AudioOutput.h"
#include "generator/SignalGenerator.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class AudioDevices;

// The measurement view: owns the sampling engine and the sound card's input,
// converts one frame on every 20 ms tick and builds the measurement picture,
// repainting only the pixels that changed. The left button drags the
// crosshair and the cursors.
class COndrixView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 20;

  // `input` is the sound card; null gives the Qt Multimedia input.
  explicit COndrixView(std::unique_ptr<AudioInput> input = nullptr, QWidget* parent = nullptr);
  ~COndrixView() override;

  // First update: becomes g_view, loads setting.ini from g_appDir, clears
  // the buffers and the ruler state, makes the pens and font.
  void OnInitialUpdate();
  // Starts the display tick (at start-up, once the window is up).
  void StartDisplayTimer();
  // One display tick: converts a frame, builds its picture and asks for a
  // repaint of what changed.
  void OnTimer();

  SamplingEngine& Engine() { return engine_; }
  const ViewGeometry& Geometry() const { return geometry_; }
  int plotLeft() const { return geometry_.plotLeft; }
  int plotTop() const { return geometry_.plotTop; }
  const DisplayStyle& Style() const { return style_; }

  // The sound card, as the frame's commands reach it.
  void OpenWaveIn() { engine_.OpenWaveIn(); }
  void CloseWaveIn() { engine_.CloseWaveIn(); }
  void StartWaveIn() { engine_.StartWaveIn(); }
  void StopWaveIn() { engine_.StopWaveIn(); }
  void CaptureSample() { engine_.CaptureSample(); }
  // The picture the exports write: composed as on screen but with the
  // export's measurement order.
  QImage ExportPicture();
  // Writes ExportPicture() as a 24-bit bitmap; "error 2!" when the file
  // cannot be written.
  bool ExportBitmap(const QString& path);
  void ClearSample() { engine_.ClearSample(); }

  // --- sampling plug-ins (COndrixViewPlugin.cpp) ---
  // Binds the library at `path` (see acquisition/SamplingPlugin.h) under the
  // start-up guard: its marker names the plug-in during `call`, and after it
  // while the ticks call the plug-in, until it has served a few. `reason`,
  // when given, says why a library was refused.
  bool LoadSamplingPlugin(const QString& path, PluginCall call = PluginCall::Open, QString* reason = nullptr);
  // The start-up's input: the plug-in plus.ini names, unless `pluginAllowed`
  // is false (--no-plugin), the guard finds a call into a plug-in that never
  // came back, or the plug-in is refused; otherwise the sound card. Returns a
  // note for the status line, empty when there is nothing to tell.
  QString StartInput(bool pluginAllowed);
  // The plug-in bound from `path` becomes the input at `rate` samples a
  // second; the sound card, when it was the input, is closed.
  void UsePluginInput(const QString& path, int32_t rate);
  // The sound card becomes the input again, opened at a rate it takes: the
  // one it last ran at, else 44100.
  void UseSoundCardInput();

  // --- the signal generator (COndrixViewGenerator.cpp) ---
  // Synthesise into the recording (recBuf16), at 16 bits and the generator's
  // rate, both written to g_settings. False, after telling the user why and
  // with nothing changed, when the parameters are refused.
  bool GenerateFunctionSignal(int32_t leftWave, int32_t rightWave, int32_t leftFreq, int32_t rightFreq,
                              int32_t leftPeak, int32_t rightPeak);
  bool GenerateSweepSignal(int32_t wave, int32_t startFreq, int32_t endFreq, int32_t peak, int32_t riseMs);
  // Generates the generator's signal from g_generator into the recording
  // without playing it (function or sweep signal by functionMode).
  bool GenerateSignal();
  // Plays a copy of the recording in an endless loop, in the format of the
  // last synthesis. A device that cannot be opened leaves a note in the
  // status line; nothing is heard.
  bool StartSignalOutput();
  void StopSignalOutput();
  bool SignalOutputRunning() const;
  // Writes wavedata.ini in g_appDir (a failure is shown and does not stop the rest).
  bool WriteGeneratorParams();
  // Writes the recording as "signal.wav" in g_appDir, in the format
  // of the last synthesis; "Error creating file" when it cannot.
  bool WriteSignalWavFile();
  // The generator's start button: refuses a parameter set it cannot play
  // (false, nothing changed); otherwise writes wavedata.ini, generates,
  // writes signal.wav and starts the output (true, also when the file or the
  // device failed).
  bool StartGenerator();
  // The sound card's output; null (and the constructor) gives the platform's
  // (straight through the sound server where there is one, else Qt Multimedia's).
  void SetAudioOutput(std::unique_ptr<AudioOutput> output);

  // --- the sound card's devices and streams (COndrixViewAudio.cpp) ---
  // The devices there are; SetAudioDevices (not owned, null for the
  // platform's) replaces them in tests.
  AudioDevices& Devices();
  void SetAudioDevices(AudioDevices* devices) { devices_ = devices; }
  // The choice stored in audiodevices.ini, and the devices used this run:
  // the choice, except a chosen device that was gone at start-up.
  const AudioDeviceChoice& StoredDeviceChoice() const { return storedDevices_; }
  const AudioDeviceChoice& DevicesInUse() const { return devicesInUse_; }
  // Uses `choice` from now on (a running input or output moves at once) and
  // makes it the stored one; the caller writes the file.
  void UseAudioDevices(const AudioDeviceChoice& choice);
  // A stream was lost (the sound server went away, the device was
  // unplugged) and is being retried every second.
  bool InputLost() const { return inputLost_; }
  bool OutputLost() const { return outputLost_; }
  // Called when the output was lost or runs again by itself (the control
  // panel shows the generator's state).
  std::function<void()> onSignalOutputChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The guard's count of ticks that called the plug-in.
  void NotePluginTick();
  // Opens the sound card at `rate` and remembers the rate when the card takes it.
  void OpenSoundCard(int32_t rate);
  // Shows a refusal, or makes `signal` the recording and its format the output's.
  bool TakeSignal(std::optional<GeneratedSignal> signal, const QString& refusal);
  // The format the signal is written and played in.
  WaveFormat SignalFormat() const;
  // Reads audiodevices.ini and gives the streams their devices, falling
  // back to the default for a chosen device that is not there.
  void LoadAudioDevices();
  void WatchAudioHealth();
  void OnInputHealth(bool live, const QString& reason);
  void OnOutputHealth(bool live, const QString& reason);
  // The status line: what is lost, or what came back when nothing is.
  void ShowAudioStatus();

  std::unique_ptr<AudioInput> input_;
  std::unique_ptr<AudioOutput> output_;
  WaveFormat signalFormat_;  // of the last synthesis; none before it
  AudioDevices* devices_ = nullptr;
  AudioDeviceChoice storedDevices_;
  AudioDeviceChoice devicesInUse_;
  bool inputLost_ = false;
  bool outputLost_ = false;
  bool inputWasLost_ = false, outputWasLost_ = false;  // since everything last ran
  QString inputLostReason_, outputLostReason_;
  SamplingEngine engine_;
  ViewGeometry geometry_;
  DisplayStyle style_;
  QTimer timer_;
  ScreenPicture picture_;
  PluginStartGuard pluginGuard_;
  int32_t cardRate_ = 0;  // the rate the sound card last ran at; 0 before it ran
};
