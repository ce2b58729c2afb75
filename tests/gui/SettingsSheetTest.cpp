// The settings sheet's pages on their own (offscreen): numbers read out of
// edits, what each page shows and writes to g_settings, and the layout.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CMyPropertyPage1.h"
#include "gui/CMyPropertyPage2.h"
#include "gui/CMyPropertyPage3.h"
#include "gui/CMyPropertyPage4.h"
#include "gui/CMyPropertySheet.h"
#include "gui/EditTextNumber.h"
#include "support/RecordingPrompts.h"

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

namespace {

TEST(EditTextNumber, IntegersAreSignAndDigitsAndFloatsDecimalNotationThatFits) {
  const std::optional<int> no;
  const std::pair<const char*, std::optional<int>> ints[] = {
      {"5", 5}, {"  -12\t", -12}, {"+7", 7}, {"05", 5}, {"-2147483648", INT32_MIN}, {"", no}, {" ", no}, {"-", no},
      {"+-1", no}, {"1 2", no}, {"1.0", no}, {"0x10", no}, {"2147483648", no}, {"１２", no}};
  for (const auto& [text, value] : ints) EXPECT_EQ(EditTextToInt(QString::fromUtf8(text)), value) << text;
  const std::optional<float> nan;
  const std::pair<const char*, std::optional<float>> floats[] = {
      {"350.5", 350.5f}, {" 1 ", 1.0f}, {"+.5", 0.5f}, {"-3.", -3.0f}, {"2.5E-1", 0.25f}, {"", nan}, {".", nan},
      {"1e", nan}, {"1,5", nan}, {"inf", nan}, {"nan", nan}, {"0x1p3", nan}, {"--1", nan}, {"1e39", nan}};
  for (const auto& [text, value] : floats) EXPECT_EQ(EditTextToFloat(QString::fromUtf8(text)), value) << text;
  EXPECT_EQ(FloatToEditText(350.5f), QStringLiteral("350.5"));
  EXPECT_EQ(FloatToEditText(1234567.0f), QStringLiteral("1.23457e+06"));
}

class SettingsPages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  SettingsPages() { ResetGlobals(); }
  ~SettingsPages() override { ResetGlobals(); }

  // Picks an item the way the keyboard does.
  static void Pick(QComboBox* list, int index) {
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
  }
  // Empties the edit as the user would, then types `keys` one by one.
  static void Type(QLineEdit* edit, const QString& keys) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, keys);
  }

  RecordingPrompts prompts;
};

TEST_F(SettingsPages, PageOneShowsTheStoredFormatAndWritesEachSelectionAtOnce) {
  const struct {
    uint16_t channels;
    int32_t rate;
    uint16_t bits;
    int channelsIndex, rateIndex, bitsIndex;
  } cases[] = {{1, 8000, 8, 0, 0, 0}, {2, 192000, 16, 1, 10, 1}, {2, 2000, 16, 1, -1, 1}, {3, 44101, 12, -1, -1, -1}};
  for (const auto& c : cases) {
    g_settings.channels = c.channels;
    g_settings.sampleRate = c.rate;
    g_settings.bitsPerSample = c.bits;
    CMyPropertyPage1 page;
    EXPECT_EQ(page.List(1003)->currentIndex(), c.channelsIndex) << c.channels;
    EXPECT_EQ(page.List(1004)->currentIndex(), c.rateIndex) << c.rate;
    EXPECT_EQ(page.List(1005)->currentIndex(), c.bitsIndex) << c.bits;
  }
  CMyPropertyPage1 page;
  Pick(page.List(1004), 1);
  Pick(page.List(1003), 0);
  Pick(page.List(1005), 0);
  EXPECT_EQ(g_settings.sampleRate, 11025);
  EXPECT_EQ(g_settings.channels, 1);
  EXPECT_EQ(g_settings.bitsPerSample, 8);
}

TEST_F(SettingsPages, PageTwoStoresAChosenColourAndPaintsItInTheFrameBesideItsButton) {
  CMyPropertyPage2 page;
  page.show();
  prompts.colors = {0x00336699};
  page.Button(1010)->click();
  page.Button(1011)->click();  // cancelled: no colour left to answer with
  EXPECT_EQ(prompts.dialogs, (QStringList{"color", "color"}));
  EXPECT_EQ(g_settings.ch1Color, 0x00336699u);
  EXPECT_EQ(g_settings.ch2Color, DefaultSettings().ch2Color);
  const QImage image = page.grab().toImage();
  EXPECT_EQ(image.pixelColor(CMyPropertyPage2::kCh1Swatch.center()), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(image.pixelColor(CMyPropertyPage2::kCh2Swatch.center()), QColor(0x00, 0xFF, 0xFF));
  EXPECT_TRUE(page.Frame(0)->geometry().contains(CMyPropertyPage2::kCh1Swatch));
  EXPECT_TRUE(page.Frame(1)->geometry().contains(CMyPropertyPage2::kCh2Swatch));
}

TEST_F(SettingsPages, PageThreeGreysTheCalibrationPairOutsideTheMillivoltSystem) {
  g_settings.coordSystem = Decibel;
  CMyPropertyPage3 page;
  for (int system : {Decibel, Millivolt, LogicLevel}) {
    if (system != Decibel) Pick(page.List(1006), system);
    EXPECT_EQ(g_settings.coordSystem, system);
    for (int id : {1007, 1008}) EXPECT_EQ(page.Edit(id)->isEnabled(), system == Millivolt) << system << " " << id;
  }
  Pick(page.List(1003), 1);
  EXPECT_EQ(g_settings.timeUnit, Microseconds);
  EXPECT_EQ(page.List(1003)->currentText(), QStringLiteral("微秒[us]"));
}

TEST_F(SettingsPages, PageThreeStoresOnlyAcceptableValuesAndNeverCorrectsTheText) {
  g_settings.coordSystem = Millivolt;
  g_settings.logicRef = 1200;
  g_settings.voltageRefMv = 350.5f;
  CMyPropertyPage3 page;
  QLineEdit* logic = page.Edit(1007);
  QLineEdit* volts = page.Edit(1008);
  EXPECT_EQ(volts->text(), QStringLiteral("350.5"));
  Type(logic, "0");  // "" then "0"
  EXPECT_EQ(prompts.messages, QStringList({"请键入一个整数。", "逻辑电平值不能小于 1 "}));
  EXPECT_EQ(g_settings.logicRef, 1200);
  QTest::keyClicks(logic, "5");
  EXPECT_EQ(g_settings.logicRef, 5);
  EXPECT_EQ(logic->text(), QStringLiteral("05"));

  prompts.messages.clear();
  Type(volts, "0.5");  // "", "0", "0.", "0.5"
  EXPECT_EQ(prompts.messages, QStringList({"请键入一个数。", "电压值不能小于 1 ", "电压值不能小于 1 ", "电压值不能小于 1 "}));
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
  // Both edits are read, in order; each stores only its own value.
  QTest::keyClicks(logic, "0");
  EXPECT_EQ(g_settings.logicRef, 50);
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
  Type(logic, "x");
  prompts.messages.clear();
  Type(volts, "2");
  EXPECT_EQ(prompts.messages, QStringList({"请键入一个整数。", "请键入一个整数。"}));
  EXPECT_EQ(g_settings.voltageRefMv, 350.5f);
}

// A pair the load would repair (the labels saturate) is refused as it is typed.
TEST_F(SettingsPages, PageThreeRefusesMoreThan32768MillivoltsPerUnit) {
  g_settings.coordSystem = Millivolt;
  g_settings.logicRef = 2;
  g_settings.voltageRefMv = 1000.0f;
  CMyPropertyPage3 page;
  const struct {
    int id;
    const char* text;
    bool refused;
    int32_t logic;  // in force afterwards
    float volts;
  } cases[] = {
      {1008, "65536", false, 2, 65536.0f},  // exactly 32768 mV per unit
      {1008, "65537", true, 2, 65536.0f},  {1008, "3.4e38", true, 2, 65536.0f},
      {1007, "1", true, 2, 65536.0f},      {1007, "3", false, 3, 65536.0f},
      {1008, "98304", false, 3, 98304.0f},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromLatin1(c.text);
    prompts.messages.clear();
    page.Edit(c.id)->setText(text.chopped(1));  // the last keystroke makes the change
    QTest::keyClicks(page.Edit(c.id), text.right(1));
    EXPECT_EQ(g_settings.logicRef, c.logic) << c.text;
    EXPECT_EQ(g_settings.voltageRefMv, c.volts) << c.text;
    EXPECT_EQ(prompts.messages, c.refused ? QStringList{"电压值与逻辑电平值之比不能大于 32768"} : QStringList())
        << c.text;
  }
}

TEST_F(SettingsPages, PageFourTakesOffsetsFromMinus32000To32000) {
  g_settings.calibrationOffset = -123;
  CMyPropertyPage4 page;
  EXPECT_EQ(page.Edit()->text(), QStringLiteral("-123"));
  for (const QString text : {"32000", "-32000", "32001", "-32001", "70000"}) {
    const bool accepted = text.toInt() >= -32000 && text.toInt() <= 32000;
    g_settings.calibrationOffset = 7;
    prompts.messages.clear();
    page.Edit()->setText(text.chopped(1));  // the last keystroke makes the change
    QTest::keyClicks(page.Edit(), text.right(1));
    EXPECT_EQ(g_settings.calibrationOffset, accepted ? text.toInt() : 7) << text.toStdString();
    EXPECT_EQ(prompts.messages, accepted ? QStringList() : QStringList{"请输入一个在32000~-32000之间的值!"});
    EXPECT_EQ(page.Edit()->text(), text);
  }
}

TEST_F(SettingsPages, SheetShowsFivePagesInOrderWithEveryTextInSight) {
  CMyPropertySheet sheet;
  sheet.show();
  QTabWidget* tabs = sheet.Tabs();
  ASSERT_EQ(tabs->count(), 5);
  const QStringList titles = {"采样参数", "曲线颜色", "坐标系", "逻辑电平校准", "其他"};
  EXPECT_EQ(tabs->currentIndex(), 0);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tabs->tabText(i), titles[i]);
    EXPECT_TRUE(tabs->tabBar()->rect().contains(tabs->tabBar()->tabRect(i))) << "tab " << i;
    QWidget* page = tabs->widget(i);
    EXPECT_EQ(page->size(), QSize(275, 141)) << "183 x 94 dialog units";
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const std::string what = std::to_string(i) + " " + control->metaObject()->className();
      EXPECT_TRUE(page->rect().contains(control->geometry())) << what;
      if (qobject_cast<QLabel*>(control) || qobject_cast<QComboBox*>(control)) {
        EXPECT_GE(control->width(), control->sizeHint().width()) << what;
        EXPECT_GE(control->height(), control->fontMetrics().height()) << what;
      }
      // A button's size hint has a minimum width of its own; its text must fit.
      if (auto* button = qobject_cast<QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin, button->width()) << what;
      }
    }
  }
}

}  // namespace
