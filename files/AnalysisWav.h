#pragma once

// WAV files the analysis reads, beyond what the program opens: 24- and 32-bit
// integer samples, 32- and 64-bit float samples, and any number of channels.
// Only the frames asked for are read, so a file of any size answers at once.

#include "files/WavFile.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr int kMaxAnalysisChannels = 64;

// Checks a WAV file for analysis without reading its samples. Accepted: PCM
// (format tag 1) of 8, 16, 24 or 32 bits, IEEE float (tag 3) of 32 or 64 bits,
// either as the subformat of WAVE_FORMAT_EXTENSIBLE; 1..kMaxAnalysisChannels
// channels. The format comes back normalised as ProbeWavFile's, with tag 1
// for integer and 3 for float samples. Chunks, sizes, placeholder data sizes
// and inputs that are not regular files (or `memory`) are handled as
// ProbeWavFile does.
WavProbe ProbeAnalysisWav(const QString& path, std::shared_ptr<const QByteArray> memory = {});

inline bool HoldsFloatSamples(const WaveFormat& format) { return format.formatTag == 3; }

// One stored sample in sample units: 8-bit samples centred (x - 128), wider
// integers as their value, floats as they are. Little-endian, as stored.
double DecodeSample(const uint8_t* bytes, int bitsPerSample, bool isFloat);

// Reads `frames` frames from frame `first` of a file ProbeAnalysisWav took,
// and gives for each of `channels` (0-based, each below the file's channels)
// its samples. False with `reason` when the frames pass the data, reading
// fails, or a float sample is not a finite number.
bool ReadAnalysisChannels(const QString& path, const WavLayout& layout, quint64 first, std::size_t frames,
                          std::span<const int> channels, std::vector<std::vector<double>>* samples,
                          QString* reason);
