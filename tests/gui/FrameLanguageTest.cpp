// The main window in English: its menus and title read in English, and every
// text of a form laid out in dialog units fits its control, in English as in
// the Chinese original.
#include "support/EnglishTranslation.h"
#include "support/TextFit.h"
#include "support/FakeAudioInput.h"
#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CAboutDialog.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CMyPropertySheet.h"
#include "gui/CPlugInManagerDlg.h"
#include "gui/CRecordBar.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>

static void InitLanguageArtwork() { Q_INIT_RESOURCE(artwork); }

namespace {

class FrameLanguage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
    InitLanguageArtwork();
  }
  FrameLanguage() {
    ResetGlobals();
    g_appDir = dir.path();
  }
  ~FrameLanguage() override {
    app.reset();
    ResetGlobals();
  }
  CMainFrame* Start() {
    app = std::make_unique<COndrixApp>(std::make_unique<FakeAudioInput>());
    EXPECT_TRUE(app->InitInstance());
    return app->Frame();
  }

  QTemporaryDir dir;
  std::unique_ptr<COndrixApp> app;
};

}  // namespace

TEST_F(FrameLanguage, TheEnglishWindowHasEnglishMenusAndTitle) {
  EnglishTranslation english;
  CMainFrame* frame = Start();
  const QStringList menus[] = {
      {"&File", "&Open...\tCtrl+O", "&Save Sample Data\tCtrl+S", "-", "&Print...\tCtrl+P", "Print Pre&view",
       "P&rint Setup...", "-", "E&xit"},
      {"&Edit", "Live Sampling", "Stop Sampling", "-", "Capture Sample", "Clear Sample Data"},
      {"Settings", "Parameters", "Sampling Plug-ins"},
      {"&View", "&Toolbar", "&Status Bar", "-", "Distortion analyzer", "Transfer function"},
      {"Window", "Hide List Pane", "Hide Control Panel", "Show or Hide Record Bar"},
      {"&Help", "Visit the Lumora Home Page for More Information", "-", "&About Orvanta..."},
  };
  const QList<QAction*> bar = frame->menuBar()->actions();
  ASSERT_EQ(bar.size(), qsizetype(std::size(menus)));
  for (qsizetype i = 0; i < bar.size(); ++i) {
    QStringList shown = {bar[i]->text()};
    for (QAction* a : bar[i]->menu()->actions()) shown << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(shown, menus[i]);
  }
  EXPECT_EQ(frame->windowTitle(), "Orvanta - Two-Channel Sound Card Bench");
}

TEST_F(FrameLanguage, EveryTextFitsItsControlInEnglishAsInChinese) {
  for (const char* language : {"Chinese", "English"}) {
    std::optional<EnglishTranslation> english;
    if (language == std::string("English")) english.emplace();
    CMainFrame* frame = Start();
    CMyPropertySheet sheet;
    CPlugInManagerDlg plugins;
    CAboutDialog about;
    const QWidget* forms[] = {frame->ControlPanel(), frame->RecordBar(), &sheet, &plugins, &about};
    for (const QWidget* form : forms)
      EXPECT_EQ(TextsThatDoNotFit(form), "") << language << " " << form->metaObject()->className();
    // The About box paints its lines from x = 60: the first beside the OK button.
    const QFontMetrics fm(about.font());
    for (const CAboutDialog::PaintedLine& line : CAboutDialog::PaintedLines()) {
      const int right = line.y < about.OkButton()->geometry().bottom() ? about.OkButton()->x() : about.width();
      EXPECT_LE(CAboutDialog::kPaintedX + fm.horizontalAdvance(line.text), right - 4)
          << language << " " << line.text.toStdString();
    }
    app.reset();
  }
}
