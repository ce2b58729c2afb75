#pragma once

#include "analysis/Distortion.h"
#include "gui/DistortionSource.h"

#include "gui/AnalysisWindow.h"

#include <vector>

class DistortionPlot;
class DistortionTable;
class QComboBox;
class QLabel;
class SamplingEngine;

// The live distortion analyzer: the figures of each channel of what the
// measurement view shows (live input, replay, the generator's signal) and
// the spectrum they come from, refreshed four times a second while the
// window is shown, and only when the source holds something new.
class DistortionWindow : public AnalysisWindow {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 250;

  explicit DistortionWindow(const SamplingEngine& engine, QWidget* parent = nullptr);

  // Analyses the source again when it changed since the last analysis.
  void Refresh();

  // For the tests: the note above the figures, the figures, the plot, the choices.
  QString Note() const;
  const DistortionTable* Table() const { return table_; }
  const DistortionPlot* Plot() const { return plot_; }
  QComboBox* LengthChoice() const { return length_; }
  QComboBox* BandChoice() const { return band_; }

 protected:
  void Shown() override;
  void Tick() override { Refresh(); }

 private:
  // Shows `results` (one per channel) or, when empty, the note alone.
  void ShowResults(std::vector<DistortionResult> results, const QString& note);
  // Forgets the last block, so the next refresh analyses whatever it finds.
  void Reanalyse();

  const SamplingEngine& engine_;
  DistortionBlock last_;
  bool analysed_ = false;
  QComboBox* length_ = nullptr;
  QComboBox* band_ = nullptr;
  QLabel* note_ = nullptr;
  DistortionTable* table_ = nullptr;
  DistortionPlot* plot_ = nullptr;
};
