// The main window in English: its menus and title read in English, and every
// text of a form laid out in dialog units fits its control, in English as in
// the Chinese original.
#include "support/EnglishTranslation.h"
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
#include "gui/CompactComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTextDocument>

#include <optional>

static void InitLanguageArtwork() { Q_INIT_RESOURCE(artwork); }

namespace {

// The texts of `form`'s controls wider (or, wrapped, taller) than the room
// their control gives them: "text (needs x px, has y); ...".
std::string TextsThatDoNotFit(const QWidget* form) {
  QStringList out;
  auto check = [&out](const QString& text, int needs, int has) {
    if (needs > has) out << QStringLiteral("%1 (needs %2 px, has %3)").arg(text).arg(needs).arg(has);
  };
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      QTextDocument doc;  // laid out as the label lays out its plain or rich text
      doc.setDefaultFont(label->font());
      doc.setDocumentMargin(0);
      label->textFormat() == Qt::RichText ? doc.setHtml(label->text()) : doc.setPlainText(label->text());
      const QRect room = label->contentsRect();
      if (label->wordWrap()) doc.setTextWidth(room.width());
      if (label->wordWrap()) check(doc.toPlainText(), qCeil(doc.size().height()), room.height());
      else check(doc.toPlainText(), qCeil(doc.idealWidth()), room.width());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
      QStyleOptionGroupBox option;
      option.initFrom(box);
      option.text = box->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
      check(box->title(), title.right() + 2, box->width() - 1);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      QStyleOptionButton option;
      option.initFrom(button);
      const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                          : qobject_cast<const QCheckBox*>(w)  ? QStyle::SE_CheckBoxContents
                                                                               : QStyle::SE_PushButtonContents;
      const int room = button->style()->subElementRect(contents, &option, button).width();
      check(button->text(), fm.horizontalAdvance(QString(button->text()).remove('&')), room);
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      QStyleOptionComboBox option;  // our narrow lists draw their entry left of a narrow arrow
      option.initFrom(list);
      const int room =
          qobject_cast<const CompactComboBox*>(w)
              ? list->width() - CompactComboBox::kArrowWidth - 3
              : list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
      for (int i = 0; i < list->count(); ++i) check(list->itemText(i), fm.horizontalAdvance(list->itemText(i)), room);
    }
  }
  return out.join("; ").toStdString();
}

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
      {"&View", "&Toolbar", "&Status Bar"},
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
