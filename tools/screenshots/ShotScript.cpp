#include "tools/screenshots/ShotScript.h"

#include "app/Globals.h"
#include "app/ResourceLookup.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/CGfxOutBarCtrl.h"
#include "gui/CMainFrame.h"
#include "gui/CMyPropertySheet.h"
#include "gui/CPlugInManagerDlg.h"
#include "gui/CRateCellEdit.h"
#include "gui/CRecordBar.h"
#include "gui/DistortionFigures.h"
#include "gui/DistortionTable.h"
#include "gui/DistortionWindow.h"
#include "gui/CommandIds.h"
#include "gui/PanelIds.h"
#include "gui/TrackBar.h"
#include "tools/screenshots/ShotPrompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <cmath>
#include <cstdio>

namespace {

// Long enough for a dozen display ticks and the repaints they ask for.
constexpr int kSettleMs = 600;

void Settle(int ms = kSettleMs) { QTest::qWait(ms); }

QRect WholeScreen() { return QGuiApplication::primaryScreen()->geometry(); }

}  // namespace

ShotScript::ShotScript(CMainFrame* frame, ShotPrompts* prompts, ShotCamera camera, QString scratch)
    : frame_(frame), prompts_(prompts), camera_(std::move(camera)), scratch_(std::move(scratch)) {}

bool ShotScript::Run() {
  if (!WaitForTone()) return false;
  MainWindow();
  OutlookBar();
  Menu(QStringLiteral("file-menu"), ID_FILE_OPEN);
  Menu(QStringLiteral("edit-menu"), ID_START_SAMPLING);
  Report();
  Rulers();
  FrequencyDomain();
  DistortionAnalyzer();
  Replay();
  FunctionSignal();
  Settings();
  PluginManager();
  return ok_;
}

void ShotScript::Fail(const QString& what) {
  std::fprintf(stderr, "ondrix-shots: %s\n", qUtf8Printable(what));
  ok_ = false;
}

void ShotScript::CheckMessages(const QString& scene, const QStringList& expected) {
  if (prompts_->messages != expected)
    Fail(QStringLiteral("%1: the program said \"%2\"").arg(scene, prompts_->messages.join(QStringLiteral("\", \""))));
  prompts_->messages.clear();
}

void ShotScript::WithDialog(int id, const QString& scene, const std::function<void(QWidget*)>& inside) {
  bool shown = false;
  // The command returns only when its dialog is closed: the timer runs
  // inside the dialog's own event loop.
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !QTest::qWaitForWindowExposed(dialog)) return;
    shown = true;
    inside(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer.start(0);
  frame_->Action(id)->trigger();
  timer.stop();  // the command showed nothing: the timer must not fire later
  if (!shown) Fail(scene + QStringLiteral(": the dialog did not open"));
}

QRect ShotScript::PanelArea() const {
  // The form's controls keep their designed places whatever the pane's size;
  // the etched frame stretched over the whole pane is left out.
  const CBarTool* panel = frame_->ControlPanel();
  QRect form;
  for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child != panel->Control(IDC_PANEL_FRAME) && child->isVisible()) form |= child->geometry();
  return GrowWithin(form.translated(panel->mapToGlobal(QPoint(0, 0))), 6, ShotCamera::AreaOf(panel));
}

void ShotScript::DragInView(QPoint from, QPoint to) {
  COndrixView* view = frame_->View();
  QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(view, to);
  QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
}

void ShotScript::Shoot(const QString& name, const QRect& area) {
  if (!camera_.Shoot(name, area)) ok_ = false;
}

// --------------------------------------------------------------- the scenes

bool ShotScript::WaitForTone() {
  if (!QTest::qWaitForWindowExposed(frame_)) {
    Fail(QStringLiteral("the main window was not shown"));
    return false;
  }
  // The time-domain picture measures both channels on every paint.
  if (QTest::qWaitFor([] { return g_settings.ch1Frequency == 441 && g_settings.ch2Frequency > 0; }, 15000)) {
    Settle();
    return true;
  }
  Fail(QStringLiteral("the tone pair did not reach the input: CH1 %1 Hz, CH2 %2 Hz (441 Hz and a second tone expected)")
           .arg(g_settings.ch1Frequency)
           .arg(g_settings.ch2Frequency));
  return false;
}

void ShotScript::MainWindow() {
  Shoot(QStringLiteral("main-window"), WholeScreen());
  Shoot(QStringLiteral("panel"), PanelArea());
  CheckMessages(QStringLiteral("main window"));
}

void ShotScript::OutlookBar() {
  // Its three folders side by side, each opened as a click on its button opens it.
  CGfxOutBarCtrl* bar = frame_->OutlookBar();
  QList<QImage> folders;
  for (int folder = 0; folder < 3; ++folder) {
    bar->OpenFolder(folder);
    Settle(300);
    folders << camera_.Grab(ShotCamera::AreaOf(bar));
  }
  bar->OpenFolder(0);
  if (!camera_.Save(QStringLiteral("outlook-bar"), Tile(folders, 3, 12, Qt::white))) ok_ = false;
}

void ShotScript::Menu(const QString& name, int firstId) {
  // The menu holding command `firstId`, opened as a click on its title opens it.
  QMenuBar* bar = frame_->menuBar();
  QAction* title = nullptr;
  for (QAction* a : bar->actions())
    if (a->menu() && a->menu()->actions().contains(frame_->Action(firstId))) title = a;
  if (!title) return Fail(name + QStringLiteral(": not in the menu bar"));
  bar->setActiveAction(title);
  Settle(300);
  QMenu* menu = title->menu();
  if (!menu->isVisible()) return Fail(name + QStringLiteral(": did not open"));
  const QRect titleArea(bar->mapToGlobal(bar->actionGeometry(title).topLeft()), bar->actionGeometry(title).size());
  Shoot(name, GrowWithin(ShotCamera::AreaOf(menu).united(titleArea), 24, WholeScreen()));
  menu->close();
  Settle(200);
}

void ShotScript::Report() {
  // The page File > Print prints and Print Preview shows; the script makes a picture of it.
  if (!frame_->PrintToFile(QDir(scratch_).filePath(QStringLiteral("report.pdf")))) Fail(QStringLiteral("report: not written"));
  CheckMessages(QStringLiteral("report"));
}

void ShotScript::Rulers() {
  CRecordBar* bar = frame_->RecordBar();
  bar->RulerXBox()->click();
  bar->RulerYBox()->click();
  // The traces start at CH1's rising crossing at the plot's left edge: the
  // 441 Hz crests lie 25 and 125 samples (pixels) later, its trough at 75.
  const int left = frame_->View()->plotLeft();
  const int middle = frame_->View()->plotTop() + 200;
  const int crest = static_cast<int>(std::lround(g_settings.ch1Rms * std::sqrt(2.0) * 400 / 65536));
  DragInView(QPoint(g_cursorX1, g_handleX1.top() + 2), QPoint(left + 25, middle));
  DragInView(QPoint(g_cursorX2, g_handleX2.top() + 2), QPoint(left + 125, middle));
  DragInView(QPoint(g_handleY1.left() + 3, g_cursorY1), QPoint(left + 300, middle - crest));
  DragInView(QPoint(g_handleY2.left() + 3, g_cursorY2), QPoint(left + 300, middle + crest));
  // A press anywhere moves the crosshair: onto the trough.
  DragInView(QPoint(left + 75, middle + crest), QPoint(left + 75, middle + crest));
  if (g_cursorX1 != left + 25 || g_cursorX2 != left + 125 || g_crossX != left + 75)
    Fail(QStringLiteral("rulers: the cursors did not follow the mouse"));
  Settle();
  Shoot(QStringLiteral("rulers"), ShotCamera::AreaOf(frame_->View()));
  bar->RulerXBox()->click();
  bar->RulerYBox()->click();
  CheckMessages(QStringLiteral("rulers"));
}

void ShotScript::FrequencyDomain() {
  // Two gain steps down, so the tones' peaks stay inside the plot.
  TrackBar* gain = frame_->ControlPanel()->Slider(IDC_GAIN);
  const int gainBefore = gain->value();
  gain->setValue(gainBefore + 2);
  frame_->OutbarAction(1);
  Settle();
  Shoot(QStringLiteral("frequency-domain"), ShotCamera::AreaOf(frame_->View()));
  frame_->OutbarAction(0);
  gain->setValue(gainBefore);
  CheckMessages(QStringLiteral("frequency domain"));
}

void ShotScript::DistortionAnalyzer() {
  frame_->OnDistortionAnalyzer();
  DistortionWindow* window = frame_->Distortion();
  // Beside the main window's view, a few refreshes after it opened.
  window->move(frame_->View()->mapToGlobal(QPoint(40, 40)));
  Settle(2000);
  if (window->Table()->Text(kFundamentalRow, 0).isEmpty())
    Fail(QStringLiteral("distortion analyzer: no figures (%1)").arg(window->Note()));
  Shoot(QStringLiteral("distortion"), ShotCamera::AreaOf(window));
  window->close();
  CheckMessages(QStringLiteral("distortion analyzer"));
}

void ShotScript::Replay() {
  CRecordBar* bar = frame_->RecordBar();
  bar->Button(CRecordBar::kRecord)->click();
  Settle(1500);
  prompts_->paths << QDir(scratch_).filePath(QStringLiteral("recording.wav"));
  bar->Button(CRecordBar::kStop)->click();  // asks where to save the recording
  if (g_recordState != Idle) Fail(QStringLiteral("replay: the recording was not saved"));
  bar->Button(CRecordBar::kPlay)->click();
  bar->Slider()->setValue(bar->Slider()->maximum() / 2);  // as a drag of the thumb does
  Settle(1000);
  bar->Button(CRecordBar::kPause)->click();
  Settle();
  if (g_recordState != Paused) Fail(QStringLiteral("replay: not paused"));
  Shoot(QStringLiteral("replay"),
        ShotCamera::AreaOf(frame_->RecordBarDock()).united(ShotCamera::AreaOf(frame_->View())));
  bar->Button(CRecordBar::kStop)->click();
  frame_->OnStartSampling();
  CheckMessages(QStringLiteral("replay"));
}

void ShotScript::FunctionSignal() {
  CBarTool* panel = frame_->ControlPanel();
  frame_->OutbarAction(2);
  panel->Button(IDC_GENERATOR)->click();
  Settle(1000);
  if (panel->GeneratorStopped()) Fail(QStringLiteral("function signal: the generator did not start"));
  Shoot(QStringLiteral("function-signal"), ShotCamera::AreaOf(frame_->View()).united(PanelArea()));
  panel->Button(IDC_GENERATOR)->click();
  frame_->OutbarAction(0);
  frame_->OnStartSampling();
  Settle();
  CheckMessages(QStringLiteral("function signal"));
}

void ShotScript::Settings() {
  WithDialog(ID_SETTINGS, QStringLiteral("settings"), [this](QWidget* dialog) {
    auto* sheet = qobject_cast<CMyPropertySheet*>(dialog);
    if (!sheet) return Fail(QStringLiteral("settings: another dialog opened"));
    // All five pages, the sound devices of "其他" last.
    QList<QImage> pages;
    for (int i = 0; i < 5; ++i) {
      sheet->Tabs()->setCurrentIndex(i);
      Settle(300);
      pages << camera_.Grab(ShotCamera::AreaOf(sheet));
    }
    if (!camera_.Save(QStringLiteral("settings"), Tile(pages, 2, 12, Qt::white))) ok_ = false;
    sheet->CancelButton()->click();
  });
  CheckMessages(QStringLiteral("settings"));
}

void ShotScript::PluginManager() {
  WithDialog(ID_PLUGIN_SETTINGS, QStringLiteral("plug-in manager"), [this](QWidget* dialog) {
    auto* manager = qobject_cast<CPlugInManagerDlg*>(dialog);
    if (!manager) return Fail(QStringLiteral("plug-in manager: another dialog opened"));
    // The example plug-ins, each opened with 打开插件 and given a rate in its cell.
    const QDir plugins(ExamplePluginFolder(QCoreApplication::applicationDirPath()));
    const struct {
      const char* file;
      const char* rate;
    } examples[] = {{"sine8.so", "8000"}, {"bothwidths.so", "22050"}, {"twotone16.so", "44100"}};
    QStringList opened;
    for (const auto& e : examples) {
      prompts_->paths << plugins.filePath(QString::fromLatin1(e.file));
      qobject_cast<QPushButton*>(manager->Control(CPlugInManagerDlg::kOpenButton))->click();
      opened << QCoreApplication::translate("CPlugInManagerDlg", "插件已打开！");
    }
    CheckMessages(QStringLiteral("plug-in manager"), opened);
    if (manager->List()->topLevelItemCount() != 3) return Fail(QStringLiteral("plug-in manager: not three plug-ins listed"));
    for (int row = 0; row < 3; ++row) {
      manager->EditRate(row);
      auto* editor = manager->List()->viewport()->findChild<CRateCellEdit*>();
      if (!editor) return Fail(QStringLiteral("plug-in manager: no rate editor"));
      editor->setText(QString::fromLatin1(examples[row].rate));
      QTest::keyClick(editor, Qt::Key_Return);
      Settle(100);  // the editor removes itself
    }
    // Names and paths in full, as a double click on a heading's divider
    // gives them; a path too long for the list would be cut off.
    QTreeWidget* list = manager->List();
    list->resizeColumnToContents(CPlugInManagerDlg::kNameColumn);
    list->resizeColumnToContents(CPlugInManagerDlg::kPathColumn);
    if (list->header()->length() > list->viewport()->width())
      Fail(QStringLiteral("plug-in manager: the paths need %1 px, the list has %2 (use a shorter folder)")
               .arg(list->header()->length())
               .arg(list->viewport()->width()));
    // The plug-in opened last, which the current-path field shows, ready to be applied.
    manager->UseCheck()->setChecked(true);
    list->setCurrentItem(list->topLevelItem(2));
    Settle(300);
    Shoot(QStringLiteral("plugin-manager"), ShotCamera::AreaOf(manager));
  });
  CheckMessages(QStringLiteral("plug-in manager"));
}
