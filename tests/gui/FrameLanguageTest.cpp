// The main window and its forms in English: the menus read in English, and
// every text of a form laid out in dialog units fits its control, in English
// as in the Chinese original.
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
#include "gui/PropertyPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>

static void InitLanguageArtwork() { Q_INIT_RESOURCE(artwork); }

namespace {

QString Plain(QString text) { return text.replace("&&", "\x01").remove('&').replace('\x01', '&'); }

// The texts of `form`'s controls that do not fit the room the control gives
// them, as "text (needs x px, has y); ...".
std::string TextsThatDoNotFit(const QWidget* form) {
  QStringList out;
  auto check = [&out](const QString& text, int needs, int has) {
    if (needs > has) out << QStringLiteral("%1 (needs %2 px, has %3)").arg(text).arg(needs).arg(has);
  };
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(form)) continue;
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
      // Rich texts are our fixed-spacing lines: laid out as the label lays them out.
      QTextDocument doc;
      doc.setDefaultFont(label->font());
      doc.setDocumentMargin(0);
      if (label->textFormat() == Qt::RichText)
        doc.setHtml(label->text());
      else
        doc.setPlainText(label->text());
      const QRect room = label->contentsRect();
      if (label->wordWrap()) {
        doc.setTextWidth(room.width());
        check(doc.toPlainText(), qCeil(doc.size().height()), room.height());
      } else {
        check(doc.toPlainText(), qCeil(doc.idealWidth()), room.width());
      }
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
      option.text = button->text();
      const bool indicator = qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
      const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                          : indicator                         ? QStyle::SE_CheckBoxContents
                                                                              : QStyle::SE_PushButtonContents;
      const QRect room = button->style()->subElementRect(contents, &option, button);
      check(button->text(), fm.horizontalAdvance(Plain(button->text())), room.width());
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      // Our narrow lists draw their entry left of a narrow arrow.
      QStyleOptionComboBox option;
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
  const std::vector<std::pair<QString, QStringList>> menus = {
      {"&File", {"&Open...\tCtrl+O", "&Save Sample Data\tCtrl+S", "-", "&Print...\tCtrl+P", "Print Pre&view",
                 "P&rint Setup...", "-", "E&xit"}},
      {"&Edit", {"Live Sampling", "Stop Sampling", "-", "Capture Sample", "Clear Sample Data"}},
      {"Settings", {"Parameters", "Sampling Plug-ins"}},
      {"&View", {"&Toolbar", "&Status Bar"}},
      {"Window", {"Hide List Pane", "Hide Control Panel", "Show or Hide Record Bar"}},
      {"&Help", {"Visit the Lumora Home Page for More Information", "-", "&About Orvanta..."}},
  };
  const QList<QAction*> bar = frame->menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
  for (std::size_t i = 0; i < menus.size(); ++i) {
    EXPECT_EQ(bar[i]->text(), menus[i].first);
    QStringList items;
    for (QAction* a : bar[i]->menu()->actions()) items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, menus[i].second) << menus[i].first.toStdString();
  }
  EXPECT_EQ(frame->windowTitle(), "Orvanta - Two-Channel Sound Card Bench");
}

TEST_F(FrameLanguage, EveryTextFitsItsControlInEnglishAsInChinese) {
  for (const bool inEnglish : {false, true}) {
    std::optional<EnglishTranslation> english;
    if (inEnglish) english.emplace();
    const char* language = inEnglish ? "English: " : "Chinese: ";
    CMainFrame* frame = Start();
    EXPECT_EQ(TextsThatDoNotFit(frame->ControlPanel()), "") << language;
    EXPECT_EQ(TextsThatDoNotFit(frame->RecordBar()), "") << language;
    CMyPropertySheet sheet;
    for (QWidget* page : sheet.findChildren<QTabWidget*>().value(0)->findChildren<PropertyPage*>())
      EXPECT_EQ(TextsThatDoNotFit(page), "") << language << page->metaObject()->className();
    CPlugInManagerDlg plugins;
    EXPECT_EQ(TextsThatDoNotFit(&plugins), "") << language;
    // The About box paints its lines from x = 60: the first one beside the
    // OK button, the others across the box.
    CAboutDialog about;
    EXPECT_EQ(TextsThatDoNotFit(&about), "") << language;
    const QFontMetrics fm(about.font());
    for (const CAboutDialog::PaintedLine& line : CAboutDialog::PaintedLines()) {
      const int right = line.y < about.OkButton()->geometry().bottom() ? about.OkButton()->x() - 4 : about.width() - 4;
      EXPECT_LE(CAboutDialog::kPaintedX + fm.horizontalAdvance(line.text), right)
          << language << line.text.toStdString();
    }
    app.reset();
  }
}
