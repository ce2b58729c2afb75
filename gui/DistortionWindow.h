#pragma once

#include "analysis/Distortion.h"
#include "gui/DistortionSource.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class DistortionPlot;
class QComboBox;
class QLabel;
class SamplingEngine;

// The live distortion analyzer: the figures of each channel of what the
// measurement view shows (live input, replay, the generator's signal) and
// the spectrum they come from, refreshed four times a second while the
// window is shown, and only when the source holds something new.
class DistortionWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 250;

  explicit DistortionWindow(const SamplingEngine& engine, QWidget* parent = nullptr);

  // Analyses the source again when it changed since the last analysis.
  void Refresh();

  // For the tests: the text of a row's value on a channel (0 or 1), the note
  // above the figures, the plot, the choices.
  QString ValueText(int row, int channel) const;
  bool RowShown(int row) const;
  bool ChannelShown(int channel) const;
  QString Note() const;
  const DistortionPlot* Plot() const { return plot_; }
  QComboBox* LengthChoice() const { return length_; }
  QComboBox* BandChoice() const { return band_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* MakeFigures();
  // Shows `results` (one per channel) or, when empty, the note alone.
  void ShowResults(const std::vector<DistortionResult>& results, const QString& note);
  // Forgets the last block, so the next refresh analyses whatever it finds.
  void Reanalyse();

  const SamplingEngine& engine_;
  QTimer timer_;
  DistortionBlock last_;
  bool analysed_ = false;
  QComboBox* length_ = nullptr;
  QComboBox* band_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* headers_[2] = {};
  std::vector<QLabel*> names_;
  std::vector<QLabel*> values_[2];
  DistortionPlot* plot_ = nullptr;
};
