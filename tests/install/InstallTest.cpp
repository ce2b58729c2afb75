// The build installed into a temporary staging folder (DESTDIR, prefix /usr)
// and run from there as a user would, its desktop entry, and the Debian
// package.

#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMap>
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
QStringList InstalledFiles() {
  QStringList files = {
      "bin/ondrix", "bin/ondrix-cli", "share/ondrix/res/Toolbar_.bmp", "share/ondrix/setting.ini",
      "share/ondrix/wavedata.ini", ONDRIX_PLUGIN_DIR "/sine8.so", ONDRIX_PLUGIN_DIR "/twotone16.so",
      ONDRIX_PLUGIN_DIR "/bothwidths.so", "share/applications/ondrix.desktop",
      "share/metainfo/ondrix.metainfo.xml", "share/icons/hicolor/scalable/apps/ondrix.svg",
      "share/man/man1/ondrix.1.gz", "share/man/man1/ondrix-cli.1.gz", "share/ondrix/guide/guide.html",
      "share/ondrix/guide/images/en/main-window.png", "share/ondrix/guide/images/zh/main-window.png",
      "include/ondrix/OndrixPlugin.h", "share/ondrix/translations/ondrix_en.qm", "share/ondrix/translations/ondrix_zh.qm",
      "share/doc/ondrix/copyright",
      "share/doc/ondrix/changelog.gz"};
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    files << QString("share/icons/hicolor/%1x%1/apps/ondrix.png").arg(size);
  return files;
}

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

TEST_F(Installed, DesktopEntryAndMetainfoAreValidAndNameTheProgramIconAndWaveFiles) {
  const QString entry = Path("share/applications/ondrix.desktop");
  const ProgramRun check = RunProgram("desktop-file-validate", {entry});
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_EQ(check.out + check.err, "");  // not even a hint
  QMap<QString, QString> keys;
  for (const QString& line : QString::fromUtf8(Contents(entry)).split('\n'))
    if (const qsizetype eq = line.indexOf('='); eq > 0) keys[line.left(eq)] = line.mid(eq + 1);
  EXPECT_EQ(keys["Exec"], "ondrix %f");
  EXPECT_EQ(keys["MimeType"], "audio/x-wav;audio/wav;");
  EXPECT_TRUE(QFileInfo(Path("bin/" + keys["Exec"].section(' ', 0, 0))).isExecutable());
  EXPECT_TRUE(QFileInfo::exists(Path("share/icons/hicolor/scalable/apps/" + keys["Icon"] + ".svg")));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(Path(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(keys["Icon"])));
    EXPECT_EQ(icon.size(), QSize(size, size)) << size;
  }

  const QString metainfo = Path("share/metainfo/ondrix.metainfo.xml");
  const ProgramRun valid = RunProgram("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo});
  EXPECT_EQ(valid.exitCode, 0) << valid.out.toStdString() << valid.err.toStdString();
  EXPECT_TRUE(Contents(metainfo).contains("<launchable type=\"desktop-id\">ondrix.desktop</launchable>"));
  EXPECT_TRUE(Contents(metainfo).contains("<release version=\"" ONDRIX_VERSION "\""));
}

TEST_F(Installed, ManualPagesShowTheirNameAndOptions) {
  QProcessEnvironment manEnv = env;
  manEnv.insert("MANWIDTH", "80");
  const struct {
    const char* page;
    const char* name;
    const char* option;
  } pages[] = {{"ondrix", "ondrix - a two-channel measuring bench", "--lang"},
               {"ondrix-cli", "ondrix-cli - measure, analyse and render", "--json"}};
  for (const auto& p : pages) {
    const QString path = Path(QString("share/man/man1/%1.1.gz").arg(p.page));
    const ProgramRun shown = RunProgram("man", {"-l", path}, {}, manEnv);
    EXPECT_EQ(shown.exitCode, 0) << p.page << shown.err.toStdString();
    const QString text = shown.out.simplified();
    EXPECT_TRUE(text.contains(p.name)) << text.toStdString();
    EXPECT_TRUE(text.contains(p.option)) << p.page;
    EXPECT_TRUE(text.contains("ondrix " ONDRIX_VERSION) || text.contains("ondrix-cli " ONDRIX_VERSION)) << p.page;
    const ProgramRun whatis = RunProgram("lexgrog", {path});
    EXPECT_EQ(whatis.exitCode, 0) << whatis.out.toStdString();
  }
}

// Every link and picture of the installed guide leads somewhere: a file of
// the guide's folder, and the heading it names.
TEST_F(Installed, TheGuidesLinksAndPicturesAllResolve) {
  const QDir guide(Path("share/ondrix/guide"));
  const QRegularExpression reference(R"re((?:href|src)="([^"]*)")re");
  int local = 0;
  for (const QString page : {"guide.html", "readme.html"}) {
    const QString html = QString::fromUtf8(Contents(guide.filePath(page)));
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">") && html.contains("<title>")) << page.toStdString();
    for (const QRegularExpressionMatch& m : reference.globalMatch(html)) {
      const QString target = m.captured(1);
      if (target.contains("://") || target.startsWith("mailto:")) continue;
      const QString file = target.section('#', 0, 0).isEmpty() ? page : target.section('#', 0, 0);
      const QString anchor = target.section('#', 1);
      ASSERT_TRUE(QFileInfo::exists(guide.filePath(file))) << page.toStdString() << ": " << target.toStdString();
      if (!anchor.isEmpty()) {
        EXPECT_TRUE(Contents(guide.filePath(file)).contains(("id=\"" + anchor + "\"").toUtf8()))
            << page.toStdString() << ": " << target.toStdString();
      }
      ++local;
    }
  }
  EXPECT_GT(local, 40);
}

TEST_F(Installed, BashCompletionCompletesTheToolsCommands) {
  const QString script = Path("share/bash-completion/completions/ondrix-cli");
  if (!QFileInfo::exists(script)) GTEST_SKIP() << "the tool's completion is not installed yet";
  const ProgramRun r = RunProgram("bash", {"-c", R"(
    source /usr/share/bash-completion/bash_completion
    source "$1"
    function=$(complete -p ondrix-cli | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
    COMP_LINE="ondrix-cli re"; COMP_POINT=${#COMP_LINE}; COMP_WORDS=(ondrix-cli re); COMP_CWORD=1
    "$function" ondrix-cli re ondrix-cli
    printf '%s\n' "${COMPREPLY[@]}")", "bash", script});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.split('\n').contains("render") && r.out.split('\n').contains("report")) << r.out.toStdString();
}

// The Debian package, made once for all its tests.
class Package : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out = new QTemporaryDir;
    const ProgramRun made =
        RunProgram(ONDRIX_CPACK, {"-G", "DEB", "--config", ONDRIX_BUILD_DIR "/CPackConfig.cmake", "-B", out->path()});
    ASSERT_EQ(made.exitCode, 0) << made.out.toStdString() << made.err.toStdString();
    const QStringList debs = QDir(out->path()).entryList({"*.deb"});
    ASSERT_EQ(debs.size(), 1);
    deb = out->filePath(debs[0]);
  }
  static void TearDownTestSuite() { delete out; }
  void SetUp() override { ASSERT_FALSE(deb.isEmpty()) << "no package was made"; }

  static inline QTemporaryDir* out = nullptr;
  static inline QString deb;
};

TEST_F(Package, HoldsTheInstallationAndNamesWhatItNeeds) {
  // "-rwxr-xr-x root/root 600424 2024-01-01 12:00 ./usr/bin/ondrix"
  const QString listing = RunProgram("dpkg-deb", {"-c", deb}).out;
  for (const QString& file : InstalledFiles()) {
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
  EXPECT_EQ(RunProgram("dpkg-deb", {"-f", deb, "Version"}).out.trimmed(), ONDRIX_VERSION);
}

TEST_F(Package, LintianFindsNoErrorOrWarning) {
  const ProgramRun r = RunProgram("lintian", {"--fail-on", "error,warning", "--tag-display-limit", "0", deb});
  EXPECT_EQ(r.exitCode, 0);
  const QRegularExpression finding("^[EW]: ", QRegularExpression::MultilineOption);
  EXPECT_FALSE((r.out + r.err).contains(finding)) << r.out.toStdString() << r.err.toStdString();
}

// The packaged binaries are stripped; the packaged tool still loads the
// packaged example plug-in from the library folder.
TEST_F(Package, PackagedToolSamplesThePackagedPlugin) {
  QTemporaryDir root;
  ASSERT_EQ(RunProgram("dpkg-deb", {"-x", deb, root.path()}).exitCode, 0);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", root.filePath("home"));
  env.insert("XDG_DATA_HOME", root.filePath("home/data"));
  const ProgramRun r = RunProgram(root.filePath("usr/bin/ondrix-cli"),
                                  {"--lang", "en", "measure", "--plugin",
                                   root.filePath("usr/" ONDRIX_PLUGIN_DIR "/sine8.so"), "--rate", "8000"},
                                  root.path(), env);
  EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
  EXPECT_FALSE(r.out.isEmpty());
}
