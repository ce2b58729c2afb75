// The main window on a common laptop's 1366 x 768 screen: offscreen with a
// screen of that size, or on the display the environment names (an Xvfb
// started with -screen 0 1366x768x24).
#include "support/EnglishTranslation.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CRecordBar.h"
#include "gui/CThinSplitterWnd.h"
#include "gui/CommandIds.h"
#include "gui/DialogUnits.h"
#include "RunningProgram.h"

#include <QAction>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTemporaryFile>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <optional>

namespace {

constexpr QSize kScreen(1366, 768);
// What a window manager gives the maximised window there: the screen less a
// desktop panel of 40 px and a title bar of 32 px.
constexpr QSize kMaximised(1366, 768 - 40 - 32);

// The one QApplication of this program, on a screen of kScreen's size.
void EnsureLaptopScreen() {
  if (QCoreApplication::instance()) return;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    static QTemporaryFile config;
    if (config.open()) {
      config.write(QStringLiteral(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": %1, "height": %2,
                                      "logicalDpi": 96}]})")
                       .arg(kScreen.width())
                       .arg(kScreen.height())
                       .toUtf8());
      config.flush();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
  }
  EnsureApplication();
}

class LaptopScreen : public RunningProgram {
 protected:
  static void SetUpTestSuite() {
    EnsureLaptopScreen();
    RunningProgram::SetUpTestSuite();
  }
  // Starts the program and gives its window the maximised size at once, as
  // the window manager does before the panes are first laid out.
  void StartMaximised() {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), kScreen);
    Start();
    frame->setWindowState(Qt::WindowNoState);  // so it takes the size given here
    frame->resize(kMaximised);
    QTest::qWait(50);
  }
  // Where `widget` lies in the window.
  QRect InFrame(const QWidget* widget) const { return {widget->mapTo(frame, QPoint(0, 0)), widget->size()}; }
  // Drags bar `index` of `splitter` by `offset` and lets go, as the mouse does.
  static void DragBar(QSplitter* splitter, int index, QPoint offset) {
    QSplitterHandle* bar = splitter->handle(index);
    const QPoint from = bar->rect().center();
    const QPoint to = from + offset;
    QMouseEvent press(QEvent::MouseButtonPress, from, bar->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &press);
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, bar->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
    QCoreApplication::processEvents();
  }
  static QSize PanelTemplate() { return DialogSize(kTemplateBaseUnits, 571, 95); }
};

}  // namespace

TEST_F(LaptopScreen, TheWholeWindowFitsInEitherLanguage) {
  for (const bool inEnglish : {false, true}) {
    SCOPED_TRACE(inEnglish ? "English" : "Chinese");
    std::optional<EnglishTranslation> english;
    if (inEnglish) english.emplace();
    StartMaximised();
    EXPECT_EQ(frame->size(), kMaximised);
    const QRect window = frame->rect();
    const QWidget* bars[] = {frame->ToolBar(), frame->RecordBarDock(), frame->RecordBar()};
    for (const QWidget* part : bars) {
      EXPECT_TRUE(part->isVisible()) << part->metaObject()->className();
      EXPECT_TRUE(window.contains(InFrame(part))) << part->metaObject()->className();
    }
    const CBarTool* panel = frame->ControlPanel();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(window.contains(InFrame(panel)));
    EXPECT_GE(panel->width(), PanelTemplate().width());
    EXPECT_GE(panel->height(), PanelTemplate().height());
    app.reset();
  }
}

TEST_F(LaptopScreen, NoDragOfABarHidesOrShrinksTheControlPanel) {
  StartMaximised();
  const CBarTool* panel = frame->ControlPanel();
  DragBar(frame->RightSplitter(), 1, QPoint(0, kScreen.height()));  // to the window's bottom and beyond
  EXPECT_EQ(panel->height(), PanelTemplate().height());
  DragBar(frame->MainSplitter(), 1, QPoint(kScreen.width(), 0));  // the outlook bar's edge to the right
  EXPECT_GE(panel->width(), PanelTemplate().width());
  EXPECT_TRUE(frame->rect().contains(InFrame(panel)));

  // The command still hides it, and shows it again.
  frame->Action(ID_HIDE_CONTROL_PANEL)->trigger();
  EXPECT_TRUE(panel->visibleRegion().isEmpty());
  frame->Action(ID_HIDE_CONTROL_PANEL)->trigger();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_GE(panel->height(), PanelTemplate().height());
}

TEST_F(LaptopScreen, AViewSmallerThanThePictureScrollsAndMeasuresInThePicture) {
  StartMaximised();
  COndrixView* view = frame->View();
  auto* scroller = qobject_cast<QScrollArea*>(view->parentWidget() ? view->parentWidget()->parentWidget() : nullptr);
  ASSERT_NE(scroller, nullptr) << "the view is not in a scroll area";
  DragBar(frame->RightSplitter(), 1, QPoint(0, -200));  // the view's pane made low
  const QSize picture = view->size();
  ASSERT_LT(scroller->viewport()->height(), picture.height());
  ASSERT_TRUE(scroller->verticalScrollBar()->isVisible());

  // Scrolled to the bottom, the picture is the same: its plot sits where the
  // picture's own size puts it, and a press where the plot's lower part now
  // shows lands on that point of the plot.
  scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
  QCoreApplication::processEvents();
  EXPECT_EQ(view->size(), picture);
  EXPECT_EQ(view->plotTop(), (picture.height() - 400) / 2 - 6);
  EXPECT_EQ(view->mapFrom(scroller->viewport(), QPoint(0, scroller->viewport()->height())).y(), picture.height());
  const QPoint inPlot(view->plotLeft() + 500, view->plotTop() + 390);
  ASSERT_TRUE(scroller->viewport()->rect().contains(view->mapTo(scroller->viewport(), inPlot)));
  // Through the window, which hands the press to the widget under it.
  QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, Qt::NoModifier, view->mapTo(frame, inPlot));
  EXPECT_EQ(QPoint(g_crossX, g_crossY), inPlot);
}
