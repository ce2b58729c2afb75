#include "cli/CliCommands.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// The texts are translated where they are shown (CliText::tr).
constexpr CliCommand kCommands[] = {
    {"info", "FILE.wav", QT_TRANSLATE_NOOP("CliText", "Prints the file's format, frames and duration.")},
    {"measure", "FILE.wav",
     QT_TRANSLATE_NOOP("CliText", "Prints the trigger index and each channel's frequency and RMS (in sample units) "
                                  "of the frame from --at.")},
    {"spectrum", "FILE.wav",
     QT_TRANSLATE_NOOP("CliText", "Prints each channel's peak frequency in the spectrum of the frame from --at; with "
                                  "--bins also the 1024 displayed magnitudes.")},
    {"render", "FILE.wav OUT.bmp|OUT.png|OUT.jpg",
     QT_TRANSLATE_NOOP("CliText", "Writes the picture the program shows for the frame from --at in the format of "
                                  "OUT's extension: .bmp (24-bit), .png, .jpg or .jpeg; standard output (-), a pipe or "
                                  "a device without one takes BMP.")},
    {"csv", "FILE.wav OUT.csv",
     QT_TRANSLATE_NOOP("CliText", "Writes the program's CSV export of the 2048 elements from --at.")},
    {"report", "FILE.wav OUT.pdf",
     QT_TRANSLATE_NOOP("CliText", "Writes the printed test report of the frame from --at as a one-page A4 PDF.")},
    {"distortion", "FILE.wav",
     QT_TRANSLATE_NOOP("CliText", "Prints the fundamental, harmonics, THD, THD+N, SINAD, SNR, ENOB and DC offset of "
                                  "every channel of a block from --at; also reads 24- and 32-bit integer and 32- and "
                                  "64-bit float files of up to 64 channels.")},
    {"response", "STEREO.wav|REF.wav REC.wav",
     QT_TRANSLATE_NOOP("CliText", "Prints a device's transfer function (magnitude, phase, coherence) and delay from a "
                                  "stereo file (CH1 the reference, CH2 the response) or two mono files.")},
    {"generate", "OUT.wav",
     QT_TRANSLATE_NOOP("CliText", "Writes the generator's signal.wav: a function signal, or with --sweep a sine sweep; "
                                  "values not given come from wavedata.ini.")},
};

constexpr const char* kPluginCommands = "measure spectrum render distortion";

constexpr CliOption kOptions[] = {
    {"--at", "ELEMENT", "measure spectrum render csv report distortion",
     QT_TRANSLATE_NOOP("CliText", "the element (one sample of one channel) where the frame starts, from 0")},
    {"--edge", "rising|falling", "measure", QT_TRANSLATE_NOOP("CliText", "the trigger edge (rising if not given)")},
    {"--level", "N", "measure", QT_TRANSLATE_NOOP("CliText", "the trigger level, a sample value from -32768 to 32767")},
    {"--gain", "STEP", "spectrum",
     QT_TRANSLATE_NOOP("CliText", "the magnitudes are divided by 2^STEP, STEP from 0 to 10 (5 if not given)")},
    {"--bins", nullptr, "spectrum", QT_TRANSLATE_NOOP("CliText", "also print the 1024 displayed magnitudes")},
    {"--mode", "time|freq", "render report", QT_TRANSLATE_NOOP("CliText", "the waveform or the spectrum (time if not given)")},
    {"--size", "WIDTHxHEIGHT", "render",
     QT_TRANSLATE_NOOP("CliText", "the window's size in pixels, from 840x436 to 8192x8192 (1000x600 if not given)")},
    {"--size", "WIDTHxHEIGHT", "response",
     QT_TRANSLATE_NOOP("CliText", "the size of the --png picture in pixels, each side up to 8192 (1000x600)")},
    {"--settings", "FILE", "render", QT_TRANSLATE_NOOP("CliText", "the settings to draw with (a setting.ini)")},
    {"--plugin", "LIB", kPluginCommands,
     QT_TRANSLATE_NOOP("CliText", "a sampling plug-in in place of FILE.wav and --at: the frame it delivers")},
    {"--rate", "HZ", kPluginCommands, QT_TRANSLATE_NOOP("CliText", "the plug-in's sample rate (needed with --plugin)")},
    {"--channels", "1|2", kPluginCommands,
     QT_TRANSLATE_NOOP("CliText", "the plug-in's channels (else the settings', two by default)")},
    {"--length", "N", "distortion",
     QT_TRANSLATE_NOOP("CliText", "frames analysed, a power of two from 4096 to 262144 (65536 if not given)")},
    {"--fundamental", "HZ", "distortion",
     QT_TRANSLATE_NOOP("CliText", "the fundamental near this frequency (else the strongest above 10 Hz)")},
    {"--harmonics", "K", "distortion",
     QT_TRANSLATE_NOOP("CliText", "the highest harmonic measured, from 2 to 10 (10 if not given)")},
    {"--band", "LOW:HIGH|full", "distortion",
     QT_TRANSLATE_NOOP("CliText", "the band measured in Hz (20:20000 if not given), or the full band")},
    {"--channel", "K", "distortion",
     QT_TRANSLATE_NOOP("CliText", "only channel K, from 1 (needed for files of more than 8 channels)")},
    {"--fft", "N", "response",
     QT_TRANSLATE_NOOP("CliText", "the FFT size, a power of two from 4096 to 65536 (16384 if not given)")},
    {"--smoothing", "none|1/48|1/24|1/12|1/6|1/3", "response",
     QT_TRANSLATE_NOOP("CliText", "average the curve over this fraction of an octave")},
    {"--csv", "OUT.csv", "response", QT_TRANSLATE_NOOP("CliText", "also write the points as CSV (- for standard output)")},
    {"--png", "OUT.png", "response",
     QT_TRANSLATE_NOOP("CliText", "also write the plots as PNG (- for standard output)")},
    {"--json", nullptr, "info measure spectrum distortion response",
     QT_TRANSLATE_NOOP("CliText", "print one line of JSON instead of text")},
    {"--sweep", nullptr, "generate", QT_TRANSLATE_NOOP("CliText", "a sine sweep instead of the function signal")},
    {"--left", "WAVE", "generate",
     QT_TRANSLATE_NOOP("CliText", "the left channel's wave: sine, triangle, square or sawtooth")},
    {"--right", "WAVE", "generate", QT_TRANSLATE_NOOP("CliText", "the right channel's wave")},
    {"--left-freq", "HZ", "generate",
     QT_TRANSLATE_NOOP("CliText", "the left channel's frequency (with --sweep: the start)")},
    {"--right-freq", "HZ", "generate",
     QT_TRANSLATE_NOOP("CliText", "the right channel's frequency (with --sweep: the end)")},
    {"--left-peak", "N", "generate", QT_TRANSLATE_NOOP("CliText", "the left channel's peak, from 10 to 32767")},
    {"--right-peak", "N", "generate", QT_TRANSLATE_NOOP("CliText", "the right channel's peak, from 10 to 32767")},
    {"--rise", "MS", "generate", QT_TRANSLATE_NOOP("CliText", "the sweep's rise time in milliseconds")},
    {"--rate", "HZ", "generate",
     QT_TRANSLATE_NOOP("CliText", "the sample rate, from 44100 to 200000 (else 44100)")},
    {"--channels", "1|2", "generate", QT_TRANSLATE_NOOP("CliText", "mono or stereo (2 if not given)")},
    {"--play", "SECONDS", "generate",
     QT_TRANSLATE_NOOP("CliText", "then play the signal looped through the sound card for so long")},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return kCommands; }
std::span<const CliOption> CliOptions() { return kOptions; }

QStringList OptionCommands(const CliOption& option) {
  return QString::fromLatin1(option.commands).split(QLatin1Char(' '));
}

const CliCommand* FindCliCommand(const QString& name) {
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [&](const CliCommand& c) { return name == QLatin1String(c.name); });
  return found == std::end(kCommands) ? nullptr : found;
}

const CliOption* FindCliOption(const QString& command, const QString& option) {
  const auto found = std::find_if(std::begin(kOptions), std::end(kOptions), [&](const CliOption& o) {
    return option == QLatin1String(o.name) && OptionCommands(o).contains(command);
  });
  return found == std::end(kOptions) ? nullptr : found;
}
