// Help's first command opens the user guide installed with the program.

#include "RunningProgram.h"
#include "gui/CommandIds.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

// Stands in for the desktop's browser: keeps the addresses it is given.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() {
    for (const char* scheme : {"file", "http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~UrlCatcher() override {
    for (const char* scheme : {"file", "http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
  }
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

class FrameHelp : public RunningProgram {};

TEST_F(FrameHelp, HomePageOpensTheInstalledGuideOrSaysItIsMissing) {
  Start();
  UrlCatcher browser;
  QAction* command = frame->Action(ID_HOME_PAGE);
  EXPECT_EQ(command->text(), QStringLiteral("进入Lumora主页，了解更多相关信息"));

  // The test program's own folders hold no guide: the status line says so.
  command->trigger();
  EXPECT_TRUE(browser.urls.isEmpty());
  ASSERT_EQ(prompts->statuses.size(), 1);
  EXPECT_TRUE(prompts->statuses[0].contains(QStringLiteral("guide/guide.html"))) << prompts->statuses[0].toStdString();

  // In an installation's share folder, the guide's file opens.
  QTemporaryDir share;
  ASSERT_TRUE(QDir(share.path()).mkpath(QStringLiteral("guide")));
  QFile guide(share.filePath(QStringLiteral("guide/guide.html")));
  ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
  guide.close();
  frame->OpenUserGuide({dir.path(), share.path()});
  EXPECT_EQ(browser.urls, QList<QUrl>{QUrl::fromLocalFile(guide.fileName())});
  EXPECT_EQ(prompts->statuses.size(), 1);
}

}  // namespace

#include "FrameHelpTest.moc"
