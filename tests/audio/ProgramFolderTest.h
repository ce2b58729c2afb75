#pragma once

#include "LoopbackMain.h"
#include "app/Globals.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test of the whole program on the loopback server, with a temporary
// runtime folder that is also the current one.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) GTEST_FAIL() << g_serverError;
    ResetGlobals();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    g_appDir = dir.path();
  }
  void TearDown() override {
    QDir::setCurrent(previousDir);
    ResetGlobals();
  }

  QTemporaryDir dir;
  QString previousDir;
};
