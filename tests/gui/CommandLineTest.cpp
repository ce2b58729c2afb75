// The program's command line: --help and --version answer without a screen,
// wrong arguments are refused with one line, a file name is made absolute.

#include "app/Version.h"
#include "cli/CliTestSupport.h"
#include "gui/CommandLine.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

ProgramRun RunOndrix(const QStringList& args, const QString& platform) {
  return RunProgram(QStringLiteral(ONDRIX_GUI), args, [&](QProcess& p) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // With no display, a program that made its window anyway fails.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    p.setProcessEnvironment(env);
  });
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAScreen) {
  const struct {
    QStringList args;
    QString start;
  } cases[] = {
      {{"--version"}, QStringLiteral("ondrix %1\nCopyright (C) 2026 Lumora\n").arg(kOndrixVersion)},
      {{"--lang", "en", "--help"}, "Usage: ondrix [OPTION]... [FILE.wav]\n"},
      {{"--help", "--lang=zh"}, "用法: ondrix [选项]... [FILE.wav]\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ProgramRun r = RunOndrix(c.args, QStringLiteral("xcb"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(c.start)) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    if (c.args.contains("--help")) {
      for (const char* option : {"  --lang en|zh ", "  --no-plugin ", "  --help ", "  --version "})
        EXPECT_TRUE(r.out.contains(option)) << option;
    }
  }
}

TEST(CommandLine, WrongArgumentsAreRefusedWithOneLine) {
  const struct {
    QStringList args;
    QString said;
  } cases[] = {
      // Qt's own options are Qt's: only the unknown one is named.
      {{"-platform", "offscreen", "--bogus"}, "--bogus"},
      {{"-x"}, "-x"},
      {{"a.wav", "b.wav"}, "2"},
      {{"--lang", "fr"}, "'fr'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ProgramRun r = RunOndrix(c.args + QStringList{"--lang", "en"}, QStringLiteral("offscreen"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    // Qt may warn about the environment first: the program's own line is the last.
    const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(r.err.endsWith('\n'));
    EXPECT_EQ(lines.filter(QRegularExpression("^ondrix: ")).size(), 1) << r.err.toStdString();
    EXPECT_TRUE(lines.last().startsWith("ondrix: ") && lines.last().contains(c.said)) << r.err.toStdString();
    EXPECT_FALSE(lines.last().contains("-platform")) << r.err.toStdString();
  }
}

TEST(CommandLine, TheFileIsTakenAbsolute) {
  QString error;
  EXPECT_EQ(FileToOpen({}, &error), QString());
  EXPECT_EQ(FileToOpen({"a.wav"}, &error), QDir::current().absoluteFilePath("a.wav"));
  EXPECT_EQ(FileToOpen({"/tmp/b.wav"}, &error), QStringLiteral("/tmp/b.wav"));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

}  // namespace
