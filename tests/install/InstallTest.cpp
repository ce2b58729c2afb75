// The build installed into a temporary staging folder (DESTDIR, prefix /usr)
// and run from there as a user would, its desktop entry, and the Debian
// package.

#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

ProgramRun RunProgram(const QString& program, const QStringList& args, const QString& workDir = QString(),
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(env);
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.start(program, args);
  const bool finished = p.waitForFinished(120000);
  EXPECT_TRUE(finished) << program.toStdString() << ": " << p.errorString().toStdString();
  return {finished ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// What the system and the program look for in an installation, below its prefix.
const QStringList kInstalledFiles = {
    "bin/ondrix", "bin/ondrix-cli", "share/ondrix/res/Toolbar_.bmp", "share/ondrix/setting.ini",
    "share/ondrix/wavedata.ini", "share/ondrix/plugins/sine8.so", "share/ondrix/plugins/twotone16.so",
    "share/ondrix/plugins/bothwidths.so", "share/applications/ondrix.desktop",
    "share/icons/hicolor/64x64/apps/ondrix.png", "include/ondrix/OndrixPlugin.h",
    "share/ondrix/translations/ondrix_en.qm", "share/ondrix/translations/ondrix_zh.qm"};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The build installed into tmp/stage, and a user whose home is tmp/home, with
// no sound server and no session bus: nothing of the real user's is read or
// written. Programs start in tmp/cwd.
class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"stage", "home", "runtime", "cwd"}) QDir().mkpath(tmp.filePath(folder));
    QProcessEnvironment install = QProcessEnvironment::systemEnvironment();
    install.insert("DESTDIR", tmp.filePath("stage"));
    const ProgramRun r = RunProgram(ONDRIX_CMAKE, {"--install", ONDRIX_BUILD_DIR, "--prefix", "/usr"}, {}, install);
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    QFile::setPermissions(tmp.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("HOME", tmp.filePath("home"));
    env.insert("XDG_DATA_HOME", tmp.filePath("home/data"));
    env.insert("XDG_RUNTIME_DIR", tmp.filePath("runtime"));
    env.insert("PULSE_SERVER", "unix:" + tmp.filePath("runtime/no-server"));
    env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  }
  // A path below the installed prefix ("bin/ondrix").
  QString Path(const QString& relative) const { return tmp.filePath("stage/usr/" + relative); }

  QTemporaryDir tmp;
  QString cwd = tmp.filePath("cwd");
  QString user = tmp.filePath("home/data/ondrix");  // the per-user runtime folder
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QThread::msleep(100);
  }
  return true;
}

// Whether `shot` shows `tile` pixel for pixel somewhere.
bool Shows(const QImage& shot, const QImage& tile) {
  const qsizetype rowBytes = tile.width() * 4;
  for (int y = 0; y + tile.height() <= shot.height(); ++y)
    for (int x = 0; x + tile.width() <= shot.width(); ++x) {
      int row = 0;
      while (row < tile.height() &&
             std::memcmp(shot.constScanLine(y + row) + 4 * x, tile.constScanLine(row), rowBytes) == 0)
        ++row;
      if (row == tile.height()) return true;
    }
  return false;
}

}  // namespace

TEST_F(Installed, ToolReadsTheUsersRuntimeFolderFromAnyWorkingDirectory) {
  const auto generate = [&](const QString& name, const QStringList& options) {
    const QStringList args = QStringList{"generate", tmp.filePath(name)} + options;
    const ProgramRun r = RunProgram(Path("bin/ondrix-cli"), args, cwd, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return Contents(tmp.filePath(name));
  };
  const QByteArray defaults = generate("defaults.wav", {});
  const QByteArray asked = generate("asked.wav", {"--left", "square", "--right", "sawtooth", "--left-freq", "500",
                                                  "--right-freq", "700", "--left-peak", "12000", "--right-peak",
                                                  "9000"});
  EXPECT_FALSE(QFileInfo::exists(user)) << "the tool creates no runtime folder";

  // The same values saved in the user's wavedata.ini are the tool's defaults.
  ASSERT_TRUE(QDir().mkpath(user));
  const GeneratorParams saved{1, {}, Square, Sawtooth, 500, 700, 12000, 9000, 100};
  ASSERT_TRUE(SaveGeneratorParams(user + "/wavedata.ini", saved, nullptr));
  EXPECT_EQ(generate("saved.wav", {}), asked);
  EXPECT_NE(asked, defaults);
  EXPECT_TRUE(QDir(cwd).isEmpty());
}

TEST_F(Installed, ToolSpeaksEnglishFromTheInstalledTranslation) {
  const ProgramRun r = RunProgram(Path("bin/ondrix-cli"), {"--lang", "en", "info", cwd}, cwd, env);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("is a folder, not a file")) << r.err.toStdString();
}

TEST_F(Installed, ProgramFindsItsToolbarSeedsItsUserFolderAndKeepsIt) {
  // A screen of its own: a private X server on a free display.
  QProcess xvfb;
  xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
  ASSERT_TRUE(WaitFor([&] { return xvfb.waitForReadyRead(100) && xvfb.canReadLine(); }, 10000))
      << "Xvfb did not start: " << xvfb.errorString().toStdString();
  const QString display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();
  env.insert("DISPLAY", display);
  env.insert("QT_QPA_PLATFORM", "xcb");

  QProcess program;
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(cwd);
  program.start(Path("bin/ondrix"), {});
  const QImage strip = QImage(Path("share/ondrix/res/Toolbar_.bmp")).convertToFormat(QImage::Format_RGB32);
  const QImage about = strip.copy(strip.width() - 24, 0, 24, 24);  // the last button's image, always enabled
  const QString shot = tmp.filePath("shot.png");
  EXPECT_TRUE(WaitFor([&] {
    RunProgram("import", {"-display", display, "-window", "root", shot});
    return Shows(QImage(shot).convertToFormat(QImage::Format_RGB32), about);
  }, 20000)) << "the toolbar shows no image";
  EXPECT_EQ(Contents(user + "/setting.ini"), Contents(Path("share/ondrix/setting.ini")));
  EXPECT_EQ(Contents(user + "/wavedata.ini"), Contents(Path("share/ondrix/wavedata.ini")));
  program.kill();
  program.waitForFinished();

  // A restart keeps the user's settings and brings back a lost file.
  SettingsRecord edited = DefaultSettings();
  edited.sampleRate = 22050;
  ASSERT_TRUE(SaveSettingsRecord(user + "/setting.ini", edited, nullptr));
  const QByteArray kept = Contents(user + "/setting.ini");
  ASSERT_TRUE(QFile::remove(user + "/wavedata.ini"));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  program.start(Path("bin/ondrix"), {});
  EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(user + "/wavedata.ini"); }, 10000));
  program.kill();
  program.waitForFinished();
  EXPECT_EQ(Contents(user + "/setting.ini"), kept);
  EXPECT_TRUE(QDir(cwd).isEmpty());
}

TEST_F(Installed, DesktopEntryIsValidAndNamesTheProgramAndIcon) {
  const QString entry = Path("share/applications/ondrix.desktop");
  const ProgramRun check = RunProgram("desktop-file-validate", {entry});
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_EQ(check.out + check.err, "");  // not even a hint
  QString exec;
  QString icon;
  for (const QString& line : QString::fromUtf8(Contents(entry)).split('\n')) {
    if (line.startsWith("Exec=")) exec = line.mid(5);
    if (line.startsWith("Icon=")) icon = line.mid(5);
  }
  EXPECT_TRUE(QFileInfo(Path("bin/" + exec)).isExecutable()) << exec.toStdString();
  EXPECT_TRUE(QFileInfo::exists(Path("share/icons/hicolor/64x64/apps/" + icon + ".png"))) << icon.toStdString();
}

TEST(Package, TheDebianPackageHoldsTheInstallationAndNamesWhatItNeeds) {
  QTemporaryDir out;
  const ProgramRun made =
      RunProgram(ONDRIX_CPACK, {"-G", "DEB", "--config", ONDRIX_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()});
  ASSERT_EQ(made.exitCode, 0) << made.out.toStdString() << made.err.toStdString();
  const QStringList debs = QDir(out.path()).entryList({"*.deb"});
  ASSERT_EQ(debs.size(), 1);
  const QString deb = out.filePath(debs[0]);

  // "-rwxr-xr-x root/root 600424 2024-01-01 12:00 ./usr/bin/ondrix"
  const QString listing = RunProgram("dpkg-deb", {"-c", deb}).out;
  for (const QString& file : kInstalledFiles) {
    const QString mode = file.startsWith("bin/") ? "-rwxr-xr-x" : "-rw-r--r--";
    const QRegularExpression line("^" + mode + " root/root .* \\./usr/" + QRegularExpression::escape(file) + "$",
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(listing.contains(line)) << file.toStdString() << "\n" << listing.toStdString();
  }
  const QString depends = RunProgram("dpkg-deb", {"-f", deb, "Depends"}).out;
  for (const char* package :
       {"libqt6widgets6", "libqt6multimedia6", "libqt6printsupport6", "fonts-wqy-microhei", "pulseaudio-utils"})
    EXPECT_TRUE(depends.contains(package)) << package << " not in " << depends.toStdString();
  EXPECT_TRUE(RunProgram("dpkg-deb", {"-f", deb, "Recommends"}).out.contains("pavucontrol"));
}
