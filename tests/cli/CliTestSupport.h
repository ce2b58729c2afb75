#pragma once

// Running ondrix-cli (and other programs) and writing the WAV files it reads.

#include "files/WavFile.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// The program runs in the C locale, so in English, whatever the developer's
// locale; a test of a Chinese text says --lang zh. `setup` adjusts the
// process before it starts. A program that does not finish within a minute
// is killed and counts as failed (exit code -1).
inline ProgramRun RunProgram(const QString& program, const QStringList& args,
                             const std::function<void(QProcess&)>& setup = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
  env.insert("LANG", "C.UTF-8");
  p.setProcessEnvironment(env);
  if (setup) setup(p);
  p.start(program, args);
  const bool finished = p.waitForFinished(60000);
  EXPECT_TRUE(finished) << program.toStdString() << " " << args.join(' ').toStdString();
  if (!finished) {
    p.kill();
    p.waitForFinished();
  }
  return {finished ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

inline ProgramRun RunCli(const QStringList& args, const std::function<void(QProcess&)>& setup = {}) {
  return RunProgram(QStringLiteral(ONDRIX_CLI), args, setup);
}

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
