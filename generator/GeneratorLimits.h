#pragma once

#include "settings/GeneratorParams.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What the generator plays: one check shared by the start (which refuses
// what it cannot play) and the loading of wavedata.ini (which mends it), so
// that the two always agree.

// The rate the generator runs at: below 44100 or above 200000 becomes 44100.
int32_t GeneratorSampleRate(int32_t sampleRate);

// A field of the generator's record that the generator cannot play.
struct GeneratorFault {
  int32_t GeneratorParams::*field;
  const char* name;  // the field's name, as the repair note gives it
  QString message;   // one line for the user
};

// What the generator refuses in `params` at GeneratorSampleRate(sampleRate)
// with `channels` (1 or 2), first things first. Only the fields the record's
// mode plays are judged:
// - function signal (functionMode non-zero), per channel: a waveform outside
//   0 .. 3, a frequency of 0 or less or one whose period as synthesised is
//   shorter than kMinHeardPeriodFrames (the message names the highest that
//   waveform plays), a peak outside 10 .. 32767. In mono only the left
//   channel is heard: the right frequency still sets the loop's length and
//   must give a period of at least one frame;
// - sweep: an end frequency of 0 or less (above 20000 it plays 20000), a
//   start frequency above the rate (below 1 it plays from 1 Hz), a rise time
//   of 0 or less or one whose buffer would pass kSignalMaxBytes, a peak
//   outside 10 .. 32767.
QList<GeneratorFault> GeneratorFaults(const GeneratorParams& params, int32_t sampleRate, int channels);

// Mends a record read from wavedata.ini, judged as GeneratorFaults judges it:
// a waveform or peak the panel cannot show (outside 0 .. 3, outside
// 10 .. 32767), played or not, and then every field the generator refuses
// take their defaults. Every field the generator plays as it is stays.
// Returns the names of the fields replaced.
QStringList RepairGeneratorParams(GeneratorParams& params, int32_t sampleRate, int channels);
