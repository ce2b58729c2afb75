#pragma once

#include "generator/MixerControl.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TrackBar;

// The control panel, the instrument's front panel (dialog template 130, 571 x
// 95 dialog units): sample rate, trigger, gain, baselines and phases write
// g_settings; the generator's controls write g_generator and start and stop
// the output; the two volume sliders set the sound card's mixer. Every
// control acts when its value changes, by the user or by the keyboard.
//
// The form's height is its minimum: the bar above it never cuts it off. Its
// width is only a hint, so a window narrower than the form keeps its outlook
// bar; the main splitter's bar stops short of the form instead.
class CBarTool : public QWidget {
  Q_OBJECT

 public:
  // Starts a program of the desktop; false when it cannot be started.
  using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

  explicit CBarTool(QWidget* parent = nullptr);
  ~CBarTool() override;

  // Called once by the frame after the view's initial update: becomes
  // g_controlPanel, opens the mixer, loads wavedata.ini into g_generator and
  // sets every control.
  void OnInitialUpdate();

  // Enables or disables the sample-rate slider (1016): disabled while a
  // sampling plug-in, not the slider, sets the rate.
  void EnableSampleRateSlider(bool enable);
  // Shows g_settings.sampleRate on the sample-rate slider and edit 1017
  // without writing the slider's value back: a rate stored by another part
  // (the settings sheet, an opened WAV file, the generator) stands.
  void SyncSampleRateSlider();
  // The trigger level slider's range from the sample width, its position
  // from triggerLevel (at the initial update only).
  void SetTriggerRange();

  // Shows the generator's output as it is: "停止" on the start button while it
  // plays, "开始" when it does not (it did not start, was stopped, or was
  // lost), and the next press starts or stops it accordingly.
  void ShowGeneratorState();

  // Data exchange with the eight integer edits. false: every edit shows its
  // value. true: the edits are read in order into their values; the first
  // one that holds no integer stops it with "请键入一个整数。" and takes the
  // focus, its value and the ones after it stay as they were.
  bool UpdateData(bool saveAndValidate);

  QWidget* Control(int id) const { return controls_.value(id); }
  TrackBar* Slider(int id) const;
  QLineEdit* Edit(int id) const;
  QComboBox* List(int id) const;
  QAbstractButton* Button(int id) const;
  QLabel* Label(int id) const;
  // The value bound to one of the eight integer edits.
  int32_t EditValue(int id) const;
  bool GeneratorStopped() const { return generatorStopped; }
  const MixerControl& MasterVolume() const { return masterVolume; }
  const MixerControl& LineInVolume() const { return lineInVolume; }
  const MixerControl& MicVolume() const { return micVolume; }
  // The program that opens the desktop's volume control ("高级").
  void SetLauncher(Launcher launcher) { launcher_ = std::move(launcher); }

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  void SetEditValue(int id, int32_t value);
  // Opens one mixer control and shows it on its slider.
  void OpenMixer(MixerControl& control, int32_t sourceType, int sliderId);
  // The labels, the rise-time edit and the lists of a generator mode.
  void ShowGeneratorMode(bool function);

  // Handlers.
  void OnSliderChanged(int id, int position);
  void OnSampleRateReleased();
  void OnTriggerEdge(int edge);
  void OnGeneratorMode(bool function);
  void OnWaveChanged(int id, int index);
  void OnFrequencyEdited(int id);
  void OnVolumeControl(bool recording);
  void OnGeneratorButton();

  // The mixer controls behind "Vol" and "L&&Mi".
  MixerControl masterVolume;
  MixerControl lineInVolume;
  MixerControl micVolume;
  // The left and right values last read from, or written to, a mixer control.
  int32_t leftLevel = 0;
  int32_t rightLevel = 0;
  // The values of edits 1017, 1026, 1033, 1034, 1030, 1043, 1044, 1046, in
  // this exchange order.
  std::array<int32_t, 8> editValues{};
  bool firstSizeDone = false;
  QSize lastSize;
  bool generatorStopped = true;

  QHash<int, QWidget*> controls_;
  QButtonGroup* edgeGroup_ = nullptr;
  QButtonGroup* modeGroup_ = nullptr;
  QFrame* frame_ = nullptr;
  Launcher launcher_;
};
