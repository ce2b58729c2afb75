// The control panel's handlers: each writes the shared value its control
// drives or calls one operation of the view or the mixer.

#include "app/Globals.h"
#include "display/COndrixView.h"
#include "generator/MixerSlider.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/PanelIds.h"
#include "gui/PanelScales.h"
#include "gui/TrackBar.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

void CBarTool::ConnectControls() {
  for (int id : {IDC_SAMPLE_RATE, IDC_TRIGGER_LEVEL, IDC_CH1_BASELINE, IDC_CH2_BASELINE, IDC_CH1_PHASE, IDC_CH2_PHASE,
                 IDC_GAIN, IDC_LEFT_PEAK, IDC_RIGHT_PEAK, IDC_MASTER_VOLUME, IDC_LINE_MIC_VOLUME})
    connect(Slider(id), &TrackBar::valueChanged, this, [this, id](int position) { OnSliderChanged(id, position); });
  connect(Slider(IDC_SAMPLE_RATE), &TrackBar::captureReleased, this, &CBarTool::OnSampleRateReleased);

  connect(edgeGroup_, &QButtonGroup::idClicked, this, [this](int id) { OnTriggerEdge(id == IDC_FALLING_EDGE ? 1 : 0); });
  connect(modeGroup_, &QButtonGroup::idClicked, this, [this](int id) { OnGeneratorMode(id == IDC_FUNCTION_MODE); });
  for (int id : {IDC_LEFT_WAVE, IDC_RIGHT_WAVE})
    connect(List(id), &QComboBox::activated, this, [this, id](int index) { OnWaveChanged(id, index); });
  // Every change the user makes to the text (typing, pasting, deleting),
  // not the panel's own.
  for (int id : {IDC_LEFT_FREQ, IDC_RIGHT_FREQ, IDC_RISE_TIME})
    connect(Edit(id), &QLineEdit::textEdited, this, [this, id] { OnFrequencyEdited(id); });
  connect(Button(IDC_PLAYBACK_MIXER), &QAbstractButton::clicked, this, [this] { OnVolumeControl(false); });
  connect(Button(IDC_RECORDING_MIXER), &QAbstractButton::clicked, this, [this] { OnVolumeControl(true); });
  connect(Button(IDC_GENERATOR), &QAbstractButton::clicked, this, &CBarTool::OnGeneratorButton);
}

void CBarTool::OnSliderChanged(int id, int position) {
  switch (id) {
    case IDC_SAMPLE_RATE:
      // A recording keeps the rate it started with: blocks of two rates
      // could not be saved as one WAV file.
      if (g_recordState == Recording) {
        SyncSampleRateSlider();
        return;
      }
      g_settings.sampleRate = position;
      SetEditValue(IDC_SAMPLE_RATE_EDIT, position);
      UpdateData(false);
      break;
    case IDC_TRIGGER_LEVEL:
      g_settings.triggerLevel = position;
      SetEditValue(IDC_TRIGGER_LEVEL_EDIT, position);
      UpdateData(false);
      break;
    case IDC_CH1_BASELINE:
      g_settings.ch1Baseline = position;
      break;
    case IDC_CH2_BASELINE:
      g_settings.ch2Baseline = position;
      break;
    case IDC_CH1_PHASE:
    case IDC_CH2_PHASE:
      (id == IDC_CH1_PHASE ? g_settings.ch1Phase : g_settings.ch2Phase) = position;
      SetEditValue(id == IDC_CH1_PHASE ? IDC_CH1_PHASE_EDIT : IDC_CH2_PHASE_EDIT, position);
      UpdateData(false);
      break;
    case IDC_GAIN:
      g_settings.gainDivisor = GainDivisorForStep(position);
      SetEditValue(IDC_GAIN_EDIT, GainDecibels(g_settings.gainDivisor));
      UpdateData(false);
      break;
    case IDC_LEFT_PEAK:
      g_generator.leftPeak = position;
      break;
    case IDC_RIGHT_PEAK:
      g_generator.rightPeak = position;
      break;
    case IDC_MASTER_VOLUME:
    case IDC_LINE_MIC_VOLUME: {
      const int32_t level = MixerLevelFromSlider(position);
      leftLevel = rightLevel = level;
      if (id == IDC_MASTER_VOLUME) {
        masterVolume.SetValues(level, level);
      } else {
        lineInVolume.SetValues(level, level);
        micVolume.SetValues(level, level);
      }
      break;
    }
    default:
      break;
  }
}

void CBarTool::OnSampleRateReleased() {
  // Only letting go of the mouse reopens the input at the new rate; a plug-in
  // sets its own rate, and a recording keeps its device running.
  if (g_pluginEnabled || g_recordState == Recording || !g_view) return;
  g_view->CloseWaveIn();
  g_view->OpenWaveIn();
}

void CBarTool::OnTriggerEdge(int edge) { g_settings.triggerEdge = edge; }

void CBarTool::OnGeneratorMode(bool function) {
  ShowGeneratorMode(function);
  g_generator.functionMode = function ? 1 : 0;
}

void CBarTool::OnWaveChanged(int id, int index) {
  (id == IDC_LEFT_WAVE ? g_generator.leftWave : g_generator.rightWave) = index;
}

void CBarTool::OnFrequencyEdited(int id) {
  // A text that holds no integer leaves the field as it was.
  UpdateData(true);
  const int32_t value = EditValue(id);
  if (id == IDC_LEFT_FREQ)
    g_generator.leftFreq = value;
  else if (id == IDC_RIGHT_FREQ)
    g_generator.rightFreq = value;
  else
    g_generator.sweepRiseMs = value;
}

void CBarTool::OnVolumeControl(bool recording) {
  // The desktop's volume control on its output or input devices; nothing is
  // said when it cannot be started.
  launcher_(QStringLiteral("pavucontrol"), {recording ? QStringLiteral("--tab=4") : QStringLiteral("--tab=3")});
}

void CBarTool::OnGeneratorButton() {
  UpdateData(true);
  // Only the function-signal display has a generator to start or stop.
  if (g_displayMode != FunctionSignal || !g_view) return;
  // Starting makes the signal in the recording: the user's own is asked about first.
  if (auto* frame = qobject_cast<CMainFrame*>(window()); generatorStopped && frame && !frame->MayDropRecording())
    return;
  g_generator.leftFreq = EditValue(IDC_LEFT_FREQ);
  g_generator.rightFreq = EditValue(IDC_RIGHT_FREQ);
  g_generator.sweepRiseMs = EditValue(IDC_RISE_TIME);
  g_generator.leftWave = List(IDC_LEFT_WAVE)->currentIndex();
  g_generator.rightWave = List(IDC_RIGHT_WAVE)->currentIndex();

  if (generatorStopped) {
    // Refused values have been shown to the user; the generator stays stopped.
    if (!g_view->StartGenerator()) return;
    // The generator runs at a rate of its own, which stands.
    SyncSampleRateSlider();
  } else {
    g_view->StopSignalOutput();
  }
  // An output that did not open has said why on the status line.
  ShowGeneratorState();
}

void CBarTool::ShowGeneratorState() {
  generatorStopped = !(g_view && g_view->SignalOutputRunning());
  Button(IDC_GENERATOR)->setText(generatorStopped ? tr("开始") : tr("停止"));
}
