#pragma once

#include <QByteArray>
#include <QString>

// The sound devices the user chose on the settings sheet's page "其他", kept
// in a small file of their own in the runtime folder (audiodevices.ini):
//
//   [devices]
//   input=<the sound system's id of the input device>
//   output=<... of the output device>
//
// An empty or missing id means the system's default device.
struct AudioDeviceChoice {
  QByteArray input;
  QByteArray output;
  bool operator==(const AudioDeviceChoice&) const = default;
};

inline constexpr char kAudioDeviceFile[] = "audiodevices.ini";
// Far more than two device ids need; a larger file is not this program's.
inline constexpr qint64 kAudioDeviceFileMaxBytes = 4096;

// The choice a file's text names: "input=" and "output=" lines (the last of
// each wins); blank lines, the section line and anything else are skipped.
AudioDeviceChoice ParseAudioDeviceChoice(const QByteArray& text);
QByteArray FormatAudioDeviceChoice(const AudioDeviceChoice& choice);

// Reads the file at `path`. A missing file gives the defaults without a word;
// a file that is not a regular file, is too large or cannot be read gives
// the defaults with `problem` set to one line naming the file and why.
AudioDeviceChoice ReadAudioDeviceChoice(const QString& path, QString* problem);
// Writes the file safely (the old one stays unless the new one is whole).
// An id with a line break cannot be written. False with `error` set.
bool WriteAudioDeviceChoice(const QString& path, const AudioDeviceChoice& choice, QString* error);
