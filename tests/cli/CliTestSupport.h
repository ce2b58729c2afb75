#pragma once

// Running ondrix-cli (and other programs) and writing the WAV files it reads.

#include "files/WavFile.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

inline ProgramRun RunProgram(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

inline ProgramRun RunCli(const QStringList& args) { return RunProgram(QStringLiteral(ONDRIX_CLI), args); }

// Sample n of a sine of `period` samples and peak `amplitude`.
inline double SineSample(int n, double period, double amplitude) { return amplitude * std::sin(2 * M_PI * n / period); }

// Writes `bytes` of samples as the WAV file `name` in `dir`; returns its path.
inline QString WriteTestWav(const QDir& dir, const QString& name, const WaveFormat& format, const void* data,
                            std::size_t bytes) {
  const QString path = dir.filePath(name);
  QString error;
  EXPECT_TRUE(WriteWavFile(path, format, std::span(static_cast<const uint8_t*>(data), bytes), &error))
      << error.toStdString();
  return path;
}
