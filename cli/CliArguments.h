#pragma once

#include "analysis/Distortion.h"
#include "analysis/TransferFunction.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of ondrix-cli: a command, one or two files and options.
struct CliArguments {
  QString command;     // one of CliCommands() but generate, which parses its own
  QStringList files;   // positional arguments after the command
  long long at = 0;    // --at ELEMENT
  int edge = 0;        // --edge rising|falling
  int level = 0;       // --level N
  int gainStep = 5;    // --gain STEP (divisor 2^STEP)
  bool bins = false;   // --bins
  bool json = false;   // --json
  int mode = 0;        // --mode time|freq (DisplayMode)
  int width = 1000;    // --size WIDTHxHEIGHT
  int height = 600;
  QString settings;    // --settings setting.ini
  QString plugin;      // --plugin LIB: a sampling plug-in instead of FILE.wav
  int rate = 0;        // --rate HZ, the plug-in's sample rate
  int channels = 0;    // --channels 1|2; 0 keeps the settings' channels
  // distortion: --length, --fundamental, --harmonics, --band
  DistortionOptions distortion;
  int channel = 0;     // --channel K, from 1; 0: every channel
  // response: --fft N, --smoothing 1/N|none (0 for none), --csv OUT, --png OUT
  int fft = kTransferDefaultFft;
  int smoothing = 0;
  QString csvPath;
  QString pngPath;
};

// Parses argv after the program name. On a mistake returns nothing and sets
// `error` to one line for the user.
std::optional<CliArguments> ParseCliArguments(const QStringList& args, QString* error);

// `text` with line breaks and other control characters written as escapes
// (\n, \r, \t, \xHH): a message that names a value or a file the user gave
// stays one line.
QString OneLine(const QString& text);

// Writes "ondrix-cli: note: TEXT" to stderr, on one line: something the user
// should know about a command that goes on.
void PrintNote(const QString& text);
