#pragma once

// The arithmetic of the analysis windows' plots: a logarithmic frequency
// axis and a linear decibel axis on the plot's pixels, their tick values
// and labels, and a spectrum reduced to one value per pixel column.

#include <QString>

#include <span>
#include <vector>

// Where `hz` lies between lowHz (0) and highHz (1) on a logarithmic axis.
double LogFraction(double hz, double lowHz, double highHz);

// Frequencies lowHz .. highHz spread logarithmically over the pixels
// left .. left + width.
struct LogFrequencyAxis {
  double lowHz = 20;
  double highHz = 20000;
  int left = 0;
  int width = 1;

  double XOf(double hz) const;
  double HzOf(double x) const;
};

// Decibels topDb .. bottomDb over the pixels top .. top + height.
struct DbAxis {
  double topDb = 0;
  double bottomDb = -160;
  int top = 0;
  int height = 1;

  double YOf(double db) const;
};

// 1, 2 and 5 times the powers of ten inside [lowHz, highHz], ascending.
std::vector<double> FrequencyTicks(double lowHz, double highHz);
// "20", "500", "1k", "20k", "100k".
QString FrequencyTickLabel(double hz);
// topDb, topDb - step, ... down to bottomDb.
std::vector<double> DbTicks(double topDb, double bottomDb, double step);
// The bottom of the decibel axis for samples of this full scale: a little
// below the noise floor a long block of such samples can show.
double SpectrumFloorDb(double fullScale);

// The spectrum (bin k at k * binHz) as one value per pixel column of `axis`:
// the highest bin inside the column, so no narrow peak is lost; where the
// bins are wider than the columns, the value between the two nearest bins.
// Columns beyond the last bin are NaN.
std::vector<float> ColumnPeaks(std::span<const float> spectrum, double binHz, const LogFrequencyAxis& axis);
