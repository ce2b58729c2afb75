#pragma once

// Power ratios in decibels for whole spectra, fast enough to redo for every
// bin several times a second.

#include <span>

constexpr double kDecibelFloor = -300;  // ratios below 1e-30 read this
constexpr double kDecibelCeiling = 300;

// db[k] = 10 log10(power[k] * scale), within kDecibelFloor .. kDecibelCeiling,
// to within 1e-4 dB. `db` is as long as `power`.
void PowerToDecibels(std::span<const double> power, double scale, std::span<float> db);
