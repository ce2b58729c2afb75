// The settings sheet's pages on their own (offscreen): reading numbers out of
// edits, what each page shows, what the user's changes write to g_settings,
// and the pages' layout.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CMyPropertyPage1.h"
#include "gui/CMyPropertyPage2.h"
#include "gui/CMyPropertyPage3.h"
#include "gui/CMyPropertyPage4.h"
#include "gui/CMyPropertySheet.h"
#include "gui/EditTextNumber.h"
#include "support/RecordingPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(EditTextNumber, IntegersAreBlanksSignAndDigitsOnly) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"5", 5},           {"  -12\t", -12},  {"+7", 7},          {"05", 5},
      {"-0", 0},          {"2147483647", 2147483647},            {"-2147483648", -2147483647 - 1},
      {"", std::nullopt}, {"  ", std::nullopt}, {"-", std::nullopt}, {"+-1", std::nullopt},
      {"1 2", std::nullopt}, {"1.0", std::nullopt}, {"0x10", std::nullopt}, {"12a", std::nullopt},
      {"2147483648", std::nullopt},  // beyond 32 bits is not an integer, not a clipped one
      {"１２", std::nullopt},         // full-width digits
  };
  for (const auto& c : cases) EXPECT_EQ(EditTextToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(EditTextNumber, FloatsAreDecimalNotationThatFitsAFloat) {
  const struct {
    const char* text;
    std::optional<float> value;
  } cases[] = {
      {"350.5", 350.5f}, {" 1 ", 1.0f}, {"+.5", 0.5f}, {"-3.", -3.0f}, {"1e3", 1000.0f}, {"2.5E-1", 0.25f},
      {"", std::nullopt}, {".", std::nullopt}, {"e3", std::nullopt}, {"1e", std::nullopt},
      {"1,5", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"0x1p3", std::nullopt},
      {"--1", std::nullopt}, {"1e39", std::nullopt},  // overflows a float
  };
  for (const auto& c : cases) EXPECT_EQ(EditTextToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
  EXPECT_EQ(FloatToEditText(350.5f), QStringLiteral("350.5"));
  EXPECT_EQ(FloatToEditText(1.0f), QStringLiteral("1"));
  EXPECT_EQ(FloatToEditText(1234567.0f), QStringLiteral("1.23457e+06"));
}

class SettingsPages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  SettingsPages() { ResetGlobals(); }
  ~SettingsPages() override { ResetGlobals(); }

  // Picks an item the way the keyboard does: first item, then down.
  static void Pick(QComboBox* list, int index) {
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
  }
  // Replaces the edit's text, then types `keys` one by one.
  static void Type(QLineEdit* edit, const QString& keys) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, keys);
  }

  RecordingPrompts prompts;
};

TEST_F(SettingsPages, PageOneSelectsTheStoredFormatAndNothingForAValueNotInItsList) {
  const struct {
    uint16_t channels;
    int32_t rate;
    uint16_t bits;
    int channelsIndex, rateIndex, bitsIndex;
  } cases[] = {
      {1, 8000, 8, 0, 0, 0},
      {2, 192000, 16, 1, 10, 1},
      {2, 44100, 16, 1, 5, 1},
      {2, 2000, 16, 1, -1, 1},  // a rate set with the panel's slider
      {3, 44101, 12, -1, -1, -1},
  };
  for (const auto& c : cases) {
    g_settings.channels = c.channels;
    g_settings.sampleRate = c.rate;
    g_settings.bitsPerSample = c.bits;
    CMyPropertyPage1 page;
    EXPECT_EQ(page.List(1003)->currentIndex(), c.channelsIndex) << c.channels;
    EXPECT_EQ(page.List(1004)->currentIndex(), c.rateIndex) << c.rate;
    EXPECT_EQ(page.List(1005)->currentIndex(), c.bitsIndex) << c.bits;
    EXPECT_EQ(g_settings.sampleRate, c.rate) << "showing the page changes nothing";
  }
}

TEST_F(SettingsPages, PageOneWritesEachSelectionAtOnce) {
  g_settings.sampleRate = 2000;
  CMyPropertyPage1 page;
  ASSERT_EQ(page.List(1004)->count(), 11);
  Pick(page.List(1004), 10);
  EXPECT_EQ(g_settings.sampleRate, 192000);
  Pick(page.List(1004), 1);
  EXPECT_EQ(g_settings.sampleRate, 11025);
  Pick(page.List(1003), 0);
  EXPECT_EQ(g_settings.channels, 1);
  Pick(page.List(1005), 0);
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  Pick(page.List(1005), 1);
  EXPECT_EQ(g_settings.bitsPerSample, 16);
}

TEST_F(SettingsPages, PageOneIsLockedWhileARecordingRuns) {
  g_recordState = Recording;
  CMyPropertyPage1 locked;
  for (int id : {1003, 1004, 1005}) EXPECT_FALSE(locked.List(id)->isEnabled()) << id;
  g_recordState = Playing;
  CMyPropertyPage1 open;
  for (int id : {1003, 1004, 1005}) EXPECT_TRUE(open.List(id)->isEnabled()) << id;
}

TEST_F(SettingsPages, PageTwoStoresAChosenColourAndPaintsItBesideItsButton) {
  CMyPropertyPage2 page;
  page.show();
  prompts.colors = {0x00336699};
  page.Button(1010)->click();
  EXPECT_EQ(g_settings.ch1Color, 0x00336699u);
  page.Button(1011)->click();  // cancelled: no colour left to answer with
  EXPECT_EQ(g_settings.ch2Color, DefaultSettings().ch2Color);
  EXPECT_EQ(prompts.dialogs, (QStringList{"color", "color"}));

  const QImage image = page.grab().toImage();
  EXPECT_EQ(image.pixelColor(CMyPropertyPage2::kCh1Swatch.center()), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(image.pixelColor(CMyPropertyPage2::kCh2Swatch.center()), QColor(0x00, 0xFF, 0xFF));
  // Each colour shows inside the frame beside its button.
  EXPECT_TRUE(page.Frame(0)->geometry().contains(CMyPropertyPage2::kCh1Swatch));
  EXPECT_TRUE(page.Frame(1)->geometry().contains(CMyPropertyPage2::kCh2Swatch));
}

TEST_F(SettingsPages, PageThreeEnablesTheCalibrationPairOnlyInTheMillivoltSystem) {
  g_settings.coordSystem = Decibel;
  g_settings.timeUnit = Microseconds;
  CMyPropertyPage3 page;
  EXPECT_EQ(page.List(1006)->currentIndex(), Decibel);
  EXPECT_EQ(page.List(1003)->currentText(), QStringLiteral("微秒[us]"));
  for (int system : {LogicLevel, Millivolt, Decibel}) {
    Pick(page.List(1006), system);
    EXPECT_EQ(g_settings.coordSystem, system);
    for (int id : {1007, 1008}) EXPECT_EQ(page.Edit(id)->isEnabled(), system == Millivolt) << system << " " << id;
  }
  Pick(page.List(1003), 0);
  EXPECT_EQ(g_settings.timeUnit, Milliseconds);
  EXPECT_EQ(page.List(1003)->currentText(), QStringLiteral("毫秒[ms]"));
}

TEST_F(SettingsPages, PageThreeStoresOnlyAcceptableValuesAndNeverCorrectsTheText) {
  g_settings.coordSystem = Millivolt;
  g_settings.logicRef = 1200;
  g_settings.voltageRefMv = 350.5f;
  CMyPropertyPage3 page;
  QLineEdit* logic = page.Edit(1007);
  QLineEdit* volts = page.Edit(1008);
  EXPECT_EQ(logic->text(), QStringLiteral("1200"));
  EXPECT_EQ(volts->text(), QStringLiteral("350.5"));
  EXPECT_TRUE(prompts.messages.isEmpty());

  Type(logic, "0");
  EXPECT_EQ(prompts.messages, QStringList{"请键入一个整数。"} << "逻辑电平值不能小于 1 ");  // "" then "0"
  EXPECT_EQ(g_settings.logicRef, 1200);
  prompts.messages.clear();
  QTest::keyClicks(logic, "5");
  EXPECT_EQ(logic->text(), QStringLiteral("05"));
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(g_settings.logicRef, 5);

  Type(volts, "");
  EXPECT_EQ(prompts.messages, QStringList{"请键入一个数。"});
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
  EXPECT_EQ(volts->text(), QString());
  prompts.messages.clear();
  QTest::keyClicks(volts, "0.5");  // "0", "0.", "0.5": numbers, each below 1
  EXPECT_EQ(prompts.messages, QStringList(3, "电压值不能小于 1 "));
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
  prompts.messages.clear();
  QTest::keyClicks(logic, "0");  // a good logic value stores only itself
  EXPECT_EQ(g_settings.logicRef, 50);
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
  EXPECT_TRUE(prompts.messages.isEmpty()) << "the voltage edit holds a number; its range is its own check";
  prompts.messages.clear();
  Type(volts, "2.25");
  EXPECT_EQ(g_settings.voltageRefMv, 2.25f);

  // The page reads both edits in order: a broken logic value stops the
  // reading before the voltage is taken.
  Type(logic, "x");
  prompts.messages.clear();
  QTest::keyClicks(volts, "5");
  EXPECT_EQ(prompts.messages, QStringList{"请键入一个整数。"});
  EXPECT_EQ(g_settings.voltageRefMv, 2.25f);
  EXPECT_EQ(g_settings.logicRef, 50);
}

TEST_F(SettingsPages, PageFourTakesOffsetsFromMinus32000To32000) {
  g_settings.calibrationOffset = -123;
  CMyPropertyPage4 page;
  EXPECT_EQ(page.Edit()->text(), QStringLiteral("-123"));
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {{"32000", true}, {"-32000", true}, {"32001", false}, {"-32001", false}, {"70000", false}};
  for (const auto& c : cases) {
    g_settings.calibrationOffset = 7;
    prompts.messages.clear();
    page.Edit()->setText(QString::fromUtf8(c.text).chopped(1));  // the last keystroke makes the change
    QTest::keyClicks(page.Edit(), QString::fromUtf8(c.text).right(1));
    EXPECT_EQ(g_settings.calibrationOffset, c.accepted ? QString::fromUtf8(c.text).toInt() : 7) << c.text;
    EXPECT_EQ(prompts.messages, c.accepted ? QStringList() : QStringList{"请输入一个在32000~-32000之间的值!"}) << c.text;
    EXPECT_EQ(page.Edit()->text(), QString::fromUtf8(c.text));
  }
}

TEST_F(SettingsPages, SheetShowsFivePagesInOrderWithEveryTextInSight) {
  CMyPropertySheet sheet;
  sheet.show();
  QTabWidget* tabs = sheet.Tabs();
  ASSERT_EQ(tabs->count(), 5);
  const QStringList titles = {"采样参数", "曲线颜色", "坐标系", "逻辑电平校准", "其他"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tabs->tabText(i), titles[i]);
    EXPECT_EQ(tabs->widget(i)->size(), QSize(275, 141)) << "183 x 94 dialog units";
  }
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(sheet.OkButton()->text(), QStringLiteral("确定"));
  EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("取消"));

  // Every control lies inside its page, and no text is cut short.
  for (int i = 0; i < 5; ++i) {
    QWidget* page = tabs->widget(i);
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const std::string what = std::to_string(i) + " " + control->metaObject()->className();
      EXPECT_TRUE(page->rect().contains(control->geometry())) << what;
      if (qobject_cast<QLabel*>(control) || qobject_cast<QComboBox*>(control)) {
        EXPECT_GE(control->width(), control->sizeHint().width()) << what;
        EXPECT_GE(control->height(), control->fontMetrics().height()) << what;
      }
      // A button's size hint has a minimum width of its own; its text must fit.
      if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin, button->width()) << what;
      }
    }
  }
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(tabs->tabBar()->rect().contains(tabs->tabBar()->tabRect(i))) << "tab " << i;
}

}  // namespace
