#pragma once

// The numbers shared by the time- and frequency-domain pictures: the scales
// of a sample width, the conversion of pixel positions into readout
// quantities, the axis label sets and the formatting of decibel readouts.

#include <QString>
#include <QStringList>

#include <vector>

// Scales of one sample width. 200 pixels hold 128 units of 8-bit data and
// 32768 units of 16-bit data on a trace; the readouts count 163.8375 units per
// pixel (200 px = 32767.5), not 163.84.
struct SampleScales {
  double pixelsPerUnit;  // trace: pixels per sample unit
  double unitsPerPixel;  // readouts: sample units per pixel
  double fullScale;      // 0 dB of the time-domain decibel readouts
};

// 8 selects the 8-bit scales; any other width the 16-bit ones.
SampleScales ScalesForBits(int bitsPerSample);
// The scales of g_settings.bitsPerSample.
SampleScales CurrentScales();

// Milliseconds give 1000, anything else 1000000 (microseconds).
double TimeFactor(int timeUnit);
// Milliseconds give 0.001 (kHz), anything else 0.000001 (MHz).
double FreqFactor(int timeUnit);

// Time of pixel column px: (px - plotLeft) * timeFactor / sampleRate.
double TimeOfColumn(int px, int plotLeft, int sampleRate, double timeFactor);
// Frequency of pixel column px: sampleRate * freqFactor * (px - plotLeft) / 1024.
double FreqOfColumn(int px, int plotLeft, int sampleRate, double freqFactor);
// Pixels of row py above the time plot's zero line (plotTop + 200).
int HeightAboveZero(int py, int plotTop);
// Pixels of row py above the plot's bottom edge (plotTop + 400).
int HeightAboveBottom(int py, int plotTop);

// A Y-axis label, right-aligned and hanging from (plotLeft - 6, plotTop + top).
struct AxisLabel {
  int top;
  QString text;
};

// Time domain, grid lines from top to bottom.
std::vector<AxisLabel> TimeLogicLabels(int bitsPerSample);
std::vector<AxisLabel> TimeDecibelLabels();
// "0" on the zero line, then " v" above and "-v" below for each of the five
// lines away from it, v = RoundByTenth(40 J * unitsPerPixel * mvPerUnit).
std::vector<AxisLabel> TimeMillivoltLabels(double unitsPerPixel, float mvPerUnit);
// The eleven X labels "%0.2f" of i * 60 * timeFactor / sampleRate.
QStringList TimeAxisLabels(int sampleRate, double timeFactor);

// Frequency domain; the millivolt labels run from the bottom line upwards.
std::vector<AxisLabel> FreqLogicLabels(int bitsPerSample);
std::vector<AxisLabel> FreqDecibelLabels(int bitsPerSample);
std::vector<AxisLabel> FreqMillivoltLabels(int bitsPerSample, float voltageRefMv, int logicRef);
// The eleven X labels: whole kHz (or MHz) of 60 bins per division.
QStringList FreqAxisLabels(int sampleRate, int timeUnit);

// `format` holds one "%0.2f", filled with 20 log10(amplitude). An amplitude
// of zero (or less) has no logarithm; the number is then written as "-∞".
QString DecibelReadout(const QString& format, double amplitude);
