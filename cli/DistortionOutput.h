#pragma once

#include "analysis/Distortion.h"

#include <QString>
#include <QStringList>

#include <vector>

// A block of samples `distortion` analyses, and where it came from.
struct DistortionBlock {
  unsigned sampleRate = 0;
  int bits = 0;
  bool isFloat = false;
  unsigned long long frameStart = 0;         // the block's first frame
  std::vector<int> picked;                   // the channels analysed, from 0
  std::vector<std::vector<double>> samples;  // one block per picked channel
  QStringList notes;                         // for the user once the figures are there
};

// The figures of every picked channel (`results` in the same order) as one
// line of JSON: the block's description and "channels", an object per channel.
QString DistortionJson(const DistortionBlock& block, const std::vector<DistortionResult>& results);

// The same as text: the block's lines, then one block of lines per channel,
// one figure a line ("CH1 THD: 0.0012 %").
QString DistortionText(const DistortionBlock& block, const std::vector<DistortionResult>& results);
