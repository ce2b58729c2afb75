#pragma once

// The distortion window's table of figures: the name of each row and the
// text of one channel's value in it.

#include "analysis/Distortion.h"

#include <QString>
#include <QStringList>

#include <optional>

// Rows, top to bottom; the nine harmonic rows follow kHarmonicRow2.
enum DistortionRow : int {
  kFundamentalRow,
  kRmsRow,
  kDbfsRow,
  kMillivoltRow,  // only with the millivolt coordinate system
  kHarmonicRow2,
  kThdRow = kHarmonicRow2 + 9,
  kThdnRow,
  kSinadRow,
  kSnrRow,
  kEnobRow,
  kDcRow,
  kDistortionRows
};

// The row names, translated.
QStringList DistortionRowNames();

// One value per row for `result`; `mvPerUnit` (millivolts per sample unit)
// fills the millivolt row, which is empty without it. A harmonic outside the
// band is "—".
QStringList DistortionValueTexts(const DistortionResult& result, std::optional<float> mvPerUnit);

// A percentage with three significant digits and no exponent: "1.00",
// "0.0123", "0.000456".
QString PercentText(double percent);
