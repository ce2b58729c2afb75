#pragma once

#include "settings/GeneratorParams.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// `generate OUT.wav [options]`: writes the signal the program's start button
// writes as signal.wav, and with --play also plays it looped for a while.
struct GenerateOptions {
  QString output;
  GeneratorParams params;  // functionMode 1 unless --sweep
  int32_t rate = 44100;
  int channels = 2;
  double playSeconds = 0;  // 0: don't play
};

// Parses the arguments after "generate" over `defaults` (the runtime folder's
// wavedata.ini). On a mistake returns nothing with `error` set to one line.
std::optional<GenerateOptions> ParseGenerateArguments(const QStringList& args, const GeneratorParams& defaults,
                                                      QString* error);

// Runs the command: exit status 0, 1 when the file was written but could not
// be played, 2 for refused arguments or parameters (nothing written) and
// files that cannot be written. Messages go to stderr.
int RunGenerate(const QStringList& args);
