// The small widgets of the main window: dialog-unit arithmetic, the record
// bar, the thin splitter, the About box and the control panel's form.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CAboutDialog.h"
#include "gui/CBarTool.h"
#include "gui/CRecordBar.h"
#include "gui/CThinSplitterWnd.h"
#include "gui/DialogFont.h"
#include "gui/DialogUnits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FrameBarsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
  }
  static DialogBaseUnits Units() { return kTemplateBaseUnits; }
};

TEST(DialogUnitsTest, ConvertsEachValueRoundingHalvesAwayFromZero) {
  const DialogBaseUnits simsun{6, 12};  // 9-point SimSun
  EXPECT_EQ(DialogRect(simsun, 3, 3, 50, 14), QRect(5, 5, 75, 21));  // 4.5 rounds up
  EXPECT_EQ(DialogSize(simsun, 771, 20), QSize(1157, 30));
  EXPECT_EQ(DialogSize({7, 15}, 235, 92), QSize(411, 173));  // 411.25 down, 172.5 up
  // Width and height are converted on their own, not as right minus left.
  EXPECT_EQ(DialogRect({7, 15}, 1, 1, 1, 1), QRect(2, 2, 2, 2));
  EXPECT_EQ(MulDiv(-3, 6, 4), -5);
  EXPECT_EQ(MulDiv(-3, -6, -4), -5);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(7, 1, 0), -1);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // no overflow in between
}

TEST_F(FrameBarsTest, FormsKeepTheSizeTheyWereDesignedAtWhateverFontDrawsThem) {
  // 9-point SimSun at 96 dpi: 6 x 12 px base units, even though the CJK font
  // that draws the text here is larger.
  EXPECT_EQ(CRecordBar().sizeHint(), QSize(1157, 30));
  EXPECT_EQ(CAboutDialog().size(), QSize(353, 138));
  EXPECT_EQ(CBarTool().sizeHint(), QSize(857, 143));
}

TEST_F(FrameBarsTest, RecordBarControlsSitAtTheirDialogUnitRectangles) {
  struct Expected {
    int id;
    const char* text;
    int x, y, w, h;
  };
  const Expected controls[] = {
      {1035, "录制信号", 3, 3, 50, 14}, {1036, "回放", 54, 3, 50, 14},     {1037, "暂停", 105, 3, 50, 14},
      {1038, "停止", 156, 3, 50, 14},   {1039, nullptr, 209, 3, 165, 14}, {1001, "标尺[X]", 568, 5, 44, 10},
      {1002, "标尺[Y]", 616, 5, 44, 10},
  };
  CRecordBar bar;
  const DialogBaseUnits units = Units();
  EXPECT_EQ(bar.size(), DialogSize(units, 771, 20));
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.id);
    auto* control = bar.findChild<QWidget*>(QString::number(c.id));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), DialogRect(units, c.x, c.y, c.w, c.h));
    if (c.text) {
      EXPECT_EQ(qobject_cast<QAbstractButton*>(control)->text(), QString::fromUtf8(c.text));
    }
  }
  EXPECT_EQ(bar.Button(1036)->objectName(), QStringLiteral("1036"));
  EXPECT_EQ(bar.RulerYBox()->objectName(), QStringLiteral("1002"));
  EXPECT_EQ(bar.Slider()->tickPosition(), QSlider::NoTicks);

  // As created: stopped, pause and stop disabled, an empty range.
  EXPECT_TRUE(bar.Button(1038)->isChecked());
  EXPECT_FALSE(bar.Button(1035)->isChecked());
  EXPECT_TRUE(bar.Button(1035)->isEnabled() && bar.Button(1036)->isEnabled());
  EXPECT_FALSE(bar.Button(1037)->isEnabled() || bar.Button(1038)->isEnabled());
  EXPECT_EQ(bar.Slider()->maximum(), 0);
}

TEST_F(FrameBarsTest, RecordBarSelectsAndEnablesById) {
  CRecordBar bar;
  bar.Select(1037);  // disabled buttons can be selected too
  EXPECT_TRUE(bar.Button(1037)->isChecked());
  EXPECT_FALSE(bar.Button(1038)->isChecked());
  bar.Select(1039);  // not a button: nothing changes
  EXPECT_TRUE(bar.Button(1037)->isChecked());
  bar.SetEnabled(1037, true);
  bar.SetEnabled(1039, false);
  bar.SetEnabled(4711, false);  // unknown ids are ignored
  EXPECT_TRUE(bar.Button(1037)->isEnabled());
  EXPECT_FALSE(bar.Slider()->isEnabled());
}

TEST_F(FrameBarsTest, RecordBarSliderRangeAndProgramMovesStayQuiet) {
  CRecordBar bar;
  QSignalSpy moved(&bar, &CRecordBar::sliderMoved);
  bar.SetSliderRange(0, -2048);  // an opened file that holds no data
  EXPECT_EQ(bar.Slider()->maximum(), 0);
  bar.SetSliderRange(10, 5);
  EXPECT_EQ(bar.Slider()->minimum(), 10);
  EXPECT_EQ(bar.Slider()->maximum(), 10);
  bar.SetSliderRange(0, 4096);
  bar.SetSliderPosition(1000);
  EXPECT_EQ(bar.Slider()->value(), 1000);
  bar.SetSliderRange(0, 500);  // clamps the thumb: still the program's doing
  EXPECT_EQ(bar.Slider()->value(), 500);
  EXPECT_EQ(moved.count(), 0);

  bar.Slider()->setValue(200);  // the user's moves are reported
  bar.Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  ASSERT_EQ(moved.count(), 2);
  EXPECT_EQ(moved.at(0).at(0).toInt(), 200);
  EXPECT_EQ(moved.at(1).at(0).toInt(), 201);
}

TEST_F(FrameBarsTest, RecordBarReportsClicksByControlId) {
  CRecordBar bar;
  bar.show();
  QSignalSpy commands(&bar, &CRecordBar::commandTriggered);
  QSignalSpy rulers(&bar, &CRecordBar::rulerToggled);
  QTest::mouseClick(bar.Button(1035), Qt::LeftButton);
  QTest::mouseClick(bar.Button(1035), Qt::LeftButton);  // a checked button stays checked
  QTest::mouseClick(bar.Button(1037), Qt::LeftButton);  // disabled: no command
  ASSERT_EQ(commands.count(), 2);
  EXPECT_EQ(commands.at(0).at(0).toInt(), 1035);
  EXPECT_TRUE(bar.Button(1035)->isChecked());
  EXPECT_FALSE(bar.Button(1038)->isChecked());

  QTest::mouseClick(bar.RulerXBox(), Qt::LeftButton);
  QTest::mouseClick(bar.RulerYBox(), Qt::LeftButton);
  bar.RulerXBox()->setChecked(false);  // set by the program: not a click
  ASSERT_EQ(rulers.count(), 2);
  EXPECT_EQ(rulers.at(0).at(0).toInt(), 1001);
  EXPECT_EQ(rulers.at(1).at(0).toInt(), 1002);
  EXPECT_TRUE(bar.RulerYBox()->isChecked());  // the box keeps its own state
}

TEST_F(FrameBarsTest, ThinSplitterPaintsAnEtchedBandAndFlatBars) {
  CThinSplitterWnd splitter;
  QPalette palette = splitter.palette();
  const QColor button(200, 190, 180), dark(90, 80, 70), light(250, 245, 240), red(Qt::red);
  palette.setColor(QPalette::Button, button);
  palette.setColor(QPalette::Dark, dark);
  palette.setColor(QPalette::Light, light);
  palette.setColor(QPalette::Window, QColor(10, 120, 10));
  splitter.setPalette(palette);
  for (int i = 0; i < 2; ++i) {
    auto* pane = new QWidget;
    pane->setAutoFillBackground(true);
    QPalette paneColours = pane->palette();
    paneColours.setColor(QPalette::Window, red);
    pane->setPalette(paneColours);
    splitter.addWidget(pane);
  }
  splitter.resize(200, 100);
  splitter.show();
  QCoreApplication::processEvents();
  const QRect left = splitter.widget(0)->geometry();
  EXPECT_EQ(splitter.handleWidth(), 4);
  EXPECT_EQ(left, QRect(0, 4, left.width(), 96));
  EXPECT_EQ(splitter.widget(1)->geometry().left(), left.right() + 5);

  const QImage image = splitter.grab().toImage();
  for (int x : {0, 57, 199}) {
    EXPECT_EQ(QColor(image.pixel(x, 0)), dark) << x;
    EXPECT_EQ(QColor(image.pixel(x, 1)), light) << x;
    EXPECT_EQ(QColor(image.pixel(x, 3)), button) << x;
  }
  EXPECT_EQ(QColor(image.pixel(10, 4)), red);
  for (int x = left.right() + 1; x <= left.right() + 4; ++x) EXPECT_EQ(QColor(image.pixel(x, 50)), button) << x;
}

TEST_F(FrameBarsTest, AboutBoxFollowsItsTemplateAndPaintsItsLines) {
  CAboutDialog dialog;
  const DialogBaseUnits units = Units();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("关于 Ondrix"));
  EXPECT_EQ(dialog.size(), DialogSize(units, 235, 92));
  EXPECT_EQ(dialog.OkButton()->text(), QStringLiteral("确定"));
  EXPECT_EQ(dialog.OkButton()->geometry(), DialogRect(units, 178, 7, 50, 14));
  EXPECT_EQ(dialog.IconLabel()->pos(), DialogRect(units, 11, 17, 0, 0).topLeft());
  EXPECT_FALSE(dialog.IconLabel()->pixmap().isNull());  // :/res/ondrix.png is built in
  EXPECT_EQ(dialog.StaticLine(0)->pos(), DialogRect(units, 40, 11, 0, 0).topLeft());
  EXPECT_EQ(dialog.StaticLine(1)->pos(), DialogRect(units, 40, 26, 0, 0).topLeft());

  const QList<CAboutDialog::PaintedLine> lines = CAboutDialog::PaintedLines();
  ASSERT_EQ(lines.size(), 6);
  const int tops[] = {17, 40, 55, 70, 85, 100};
  const QFontMetrics metrics(DialogFont());
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lines[i].y, tops[i]);
    const QRect painted(60, lines[i].y, metrics.horizontalAdvance(lines[i].text), metrics.height());
    EXPECT_GT(painted.width(), 0);
    EXPECT_LE(painted.right(), dialog.width());  // not clipped
    EXPECT_FALSE(painted.intersects(dialog.OkButton()->geometry()));
    for (int s = 0; s < 2; ++s) {  // no static text printed over a painted line
      const QLabel* label = dialog.StaticLine(s);
      const QRect text(label->pos(), QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
      EXPECT_FALSE(!label->text().isEmpty() && text.intersects(painted)) << s;
    }
  }
  EXPECT_TRUE(lines[0].text.contains(QStringLiteral("Orvanta")));

  // Each line leaves dark pixels in its band right of x = 60; left of it,
  // below the icon, nothing is drawn.
  QPalette palette = dialog.palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Window, Qt::white);
  dialog.setPalette(palette);
  const QImage image = dialog.grab().toImage();
  auto dark = [&](int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < std::min(y1, image.height()); ++y)
      for (int x = x0; x < x1; ++x) count += qGray(image.pixel(x, y)) < 128;
    return count;
  };
  for (int top : tops) EXPECT_GT(dark(60, dialog.OkButton()->x(), top, top + metrics.height()), 10) << top;
  EXPECT_EQ(dark(0, 60, 70, image.height()), 0);

  dialog.show();
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FrameBarsTest, ControlPanelFormHasTemplateSizeAndRegistersItself) {
  g_controlPanel = nullptr;
  {
    CBarTool panel;
    EXPECT_EQ(panel.sizeHint(), DialogSize(Units(), 571, 95));
    EXPECT_EQ(panel.minimumWidth(), 0);  // a narrow window must not lose its outlook bar
    EXPECT_EQ(g_controlPanel, nullptr);  // only the initial update registers it
    panel.OnInitialUpdate();
    { CBarTool other; }  // another form going away leaves the registered one alone
    EXPECT_EQ(g_controlPanel, &panel);
  }
  EXPECT_EQ(g_controlPanel, nullptr);
}

}  // namespace
