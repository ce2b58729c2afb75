#pragma once

#include "generator/AudioOutput.h"
#include "gui/TransferFeed.h"

#include <QElapsedTimer>
#include "gui/AnalysisWindow.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class SamplingEngine;
class TransferPlotWidget;

// The live transfer function: CH1 of the live input is the reference, CH2
// the response of the device between them. The window plays an excitation
// on both output channels, feeds the averages with every new frame of the
// live input four times a second while it is shown, and shows magnitude,
// phase and coherence with the delay and the number of averages.
class TransferWindow : public AnalysisWindow {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 250;
  // The curve is worked out and drawn again at most this often: an average
  // changes slowly, and the drawing costs more than the feeding.
  static constexpr int kRedrawMs = 1000;

  // `output` plays the excitation; null makes the sound card's at the first Play.
  explicit TransferWindow(const SamplingEngine& engine, std::unique_ptr<AudioOutput> output = nullptr,
                          QWidget* parent = nullptr);
  ~TransferWindow() override;

  // Takes the new frames into the averages and shows the result, at most
  // every kRedrawMs unless `now`.
  void Refresh(bool now = false);

  // The controls' actions, as the buttons call them.
  void Play();
  void Stop();
  void ResetAverages();
  bool ExportCsv();
  bool ExportPng();

  // For the tests: what is shown, and the controls.
  QString Note() const;
  QString Readout() const;
  const std::vector<TransferPoint>& Curve() const;
  // Heard now: started, and its stream not lost.
  bool Playing() const;
  QComboBox* ExcitationChoice() const { return excitation_; }
  QSpinBox* LevelChoice() const { return level_; }
  QComboBox* FftChoice() const { return fft_; }
  QComboBox* SmoothingChoice() const { return smoothing_; }
  QPushButton* PlayButton() const { return play_; }

 protected:
  void Shown() override;
  void Tick() override { Refresh(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  QLayout* MakeControls();
  // Shows `note` beside the permanent one, and `curve` (none: empty plots)
  // with the readout of `delay` and the averages.
  void Show(const QString& note, std::vector<TransferPoint> curve, double delay = 0);
  // Starts the excitation again with the current choices, when it plays.
  void Replay();
  void ShowPlaying();
  void OnOutputHealth(bool live, const QString& reason);
  // Stops the excitation when the generator plays too: two signals at once
  // would measure neither.
  void StopForGenerator();
  // The curve as shown with the delay `delay`, smoothed by the current choice.
  std::vector<TransferPoint> ShownCurve(double delay) const;
  // Where an export of the shown curve goes: asked with `filter`; empty when
  // there is no curve yet (the user is told) or the dialog was cancelled.
  QString ExportPath(const QString& filter, const QString& suffix);

  const SamplingEngine& engine_;
  std::unique_ptr<AudioOutput> output_;
  bool started_ = false;    // Play succeeded and Stop has not been pressed since
  QString outputProblem_;  // why the excitation is not heard, while it is not
  TransferFeed feed_;
  int64_t shownAverages_ = -1;  // of the curve on the plot; -1: none
  QElapsedTimer drawn_;  // since the curve was last drawn; invalid: never
  QComboBox* excitation_ = nullptr;
  QSpinBox* level_ = nullptr;
  QPushButton* play_ = nullptr;
  QComboBox* fft_ = nullptr;
  QComboBox* smoothing_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* readout_ = nullptr;
  TransferPlotWidget* plot_ = nullptr;
};
