#pragma once

// The program in English while this lives: the build's translation installed
// as `--lang en` installs it (the test target is given ONDRIX_QM_DIR).

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

class EnglishTranslation {
 public:
  EnglishTranslation() {
    const QString path = QStringLiteral(ONDRIX_QM_DIR "/ondrix_en.qm");
    EXPECT_TRUE(translator_.load(path) && QCoreApplication::installTranslator(&translator_)) << path.toStdString();
  }
  ~EnglishTranslation() { QCoreApplication::removeTranslator(&translator_); }
  EnglishTranslation(const EnglishTranslation&) = delete;
  EnglishTranslation& operator=(const EnglishTranslation&) = delete;

 private:
  QTranslator translator_;
};
