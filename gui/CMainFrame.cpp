#include "gui/CMainFrame.h"

#include "app/Globals.h"
#include "app/ResourceLookup.h"
#include "gui/CAboutDialog.h"
#include "gui/CBarTool.h"
#include "gui/CGfxOutBarCtrl.h"
#include "gui/CRecordBar.h"
#include "gui/CThinSplitterWnd.h"
#include "gui/CommandIds.h"
#include "gui/SplitterLayout.h"
#include "display/COndrixView.h"
#include "display/PrintReport.h"

#include <QApplication>
#include <QLabel>
#include <QEvent>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Cuts a strip of equally wide images into pixmaps.
QList<QPixmap> CutStrip(const QPixmap& strip, int size) {
  QList<QPixmap> images;
  for (int x = 0; x + size <= strip.width(); x += size) images << strip.copy(x, 0, size, size);
  return images;
}

// The view in a frameless scroll area: it fills its pane, but is never made
// smaller than the whole picture; a smaller pane shows it with scroll bars.
QScrollArea* ScrolledView(COndrixView* view) {
  auto* area = new QScrollArea;
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  view->setMinimumSize(kWholePictureClient);
  area->setWidget(view);
  return area;
}

}  // namespace

CMainFrame::CMainFrame(std::unique_ptr<AudioInput> input, QWidget* parent)
    : QMainWindow(parent), input_(std::move(input)) {
  g_showRealTime = true;
  g_recordState = Idle;
  g_playbackPos = 0;
  // Reports print in landscape unless the user sets up the page otherwise.
  printer_ = std::make_unique<QPrinter>();
  printer_->setPageOrientation(QPageLayout::Landscape);
  printer_->setDocName(ReportDocumentTitle());
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::OnCreate() {
  // The window opens maximised: take that size now, so the panes are laid
  // out for it (also where no window manager maximises it).
  if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  if (!OnCreateClient()) return false;
  CreateActions();
  CreateMenus();
  if (!CreateToolBar()) return false;
  CreateStatusBar();
  if (!CreateRecordBar()) return false;
  UpdateCheckMarks();
  return true;
}

bool CMainFrame::OnCreateClient() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
  screenWidth_ = screenSize.width();
  screenHeight_ = screenSize.height();

  mainSplitter_ = new CThinSplitterWnd(Qt::Horizontal, this);
  rightSplitter_ = new QSplitter(Qt::Vertical);
  // Dragging the bar shows where it goes; the panes change when it is let go.
  rightSplitter_->setOpaqueResize(false);
  outlookBar_ = new CGfxOutBarCtrl;
  outlookBar_->CreateBar(0, QRect(), mainSplitter_, 0xE900, 0x1FC);
  outlookBar_->SetEventOwner(this);
  mainSplitter_->addWidget(outlookBar_);
  mainSplitter_->addWidget(rightSplitter_);

  // The view first: its first update loads the settings the panel then shows.
  view_ = new COndrixView(std::move(input_));
  view_->OnInitialUpdate();
  controlPanel_ = new CBarTool;
  controlPanel_->OnInitialUpdate();
  rightSplitter_->addWidget(ScrolledView(view_));
  rightSplitter_->addWidget(controlPanel_);
  // The panel keeps its form's size: the bar above it stops at its height
  // and never hides it (only command 32771 does), the outlook bar's edge
  // stops at its width.
  rightSplitter_->setCollapsible(1, false);
  mainSplitter_->SetLastPaneDragMinimum(controlPanel_->sizeHint().width());
  view_->Engine().onPlaybackAdvanced = [this](int32_t) { SyncPlaybackSlider(); };
  view_->Engine().SetSpoolFolder(g_appDir);
  setCentralWidget(mainSplitter_);
  // As in a static splitter, the first pane keeps its size when the window
  // changes and the last one takes up the difference.
  mainSplitter_->setStretchFactor(0, 0);
  mainSplitter_->setStretchFactor(1, 1);
  rightSplitter_->setStretchFactor(0, 0);
  rightSplitter_->setStretchFactor(1, 1);

  CreateOutlookBar();

  outlookBarWidth_ = width() / 5;
  mainSplitter_->installEventFilter(this);
  rightSplitter_->installEventFilter(this);
  return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  // The panes get their first sizes once a splitter has its own size, which
  // it learns only when the window is laid out on screen; they are set after
  // the splitter has handled that resize itself.
  if (event->type() == QEvent::Resize) {
    if (watched == mainSplitter_ && !mainLaidOut_ && mainSplitter_->width() > 0) {
      mainLaidOut_ = true;
      QTimer::singleShot(0, this, [this] { LayOutMainSplitter(outlookBarWidth_); });
    } else if (watched == rightSplitter_ && !rightLaidOut_ && rightSplitter_->height() > 0) {
      rightLaidOut_ = true;
      QTimer::singleShot(0, this, [this] { LayOutRightSplitter(screenHeight_ - 320, 150); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateOutlookBar() {
  largeIconList_ = std::make_unique<OutbarIconList>();
  largeIconList_->iconSize = QSize(32, 32);
  largeIconList_->images = CutStrip(QPixmap(QStringLiteral(":/res/icons32.png")), 32);
  smallIconList_ = std::make_unique<OutbarIconList>();
  smallIconList_->iconSize = QSize(16, 16);
  smallIconList_->images = CutStrip(QPixmap(QStringLiteral(":/res/icons16.png")), 16);
  outlookBar_->SetIconList(largeIconList_.get(), kOutbarLargeIconList);
  outlookBar_->SetIconList(smallIconList_.get(), kOutbarSmallIconList);
  outlookBar_->SetSlideDelay(1);

  outlookBar_->AppendFolder(tr("切换开关"), 0);
  outlookBar_->AppendFolder(tr("显示模式"), 1);
  outlookBar_->AppendFolder(tr("数据输出"), 2);
  outlookBar_->InsertFolderItem(0, 0, tr("时域"), 0, 0);
  outlookBar_->InsertFolderItem(0, 1, tr("频域"), 1, 1);
  outlookBar_->InsertFolderItem(0, 2, tr("函数信号"), 2, 2);
  outlookBar_->InsertFolderItem(1, 0, tr("实时采样显示"), 0, 3);
  outlookBar_->InsertFolderItem(1, 1, tr("样本数据显示"), 1, 4);
  outlookBar_->InsertFolderItem(2, 0, tr("导出Excel样本数据文件[CSV]"), 4, 5);
  outlookBar_->InsertFolderItem(2, 1, tr("当前波形另存为位图文件[BMP]"), 5, 6);
  outlookBar_->OpenFolder(0);
}

void CMainFrame::LayOutMainSplitter(int firstIdeal) {
  const int available = mainSplitter_->width() - mainSplitter_->handleWidth();
  mainSplitter_->setSizes(TwoPaneSizes(available, firstIdeal, 0));
}

void CMainFrame::LayOutRightSplitter(int firstIdeal, int secondMinimum) {
  const int available = rightSplitter_->height() - rightSplitter_->handleWidth();
  rightSplitter_->setSizes(TwoPaneSizes(available, firstIdeal, secondMinimum));
}

// ------------------------------------------------------------------ commands

QAction* CMainFrame::AddAction(int id, const QString& text, const QString& prompt) {
  auto* action = new QAction(text, this);
  // Images belong to the toolbar: menus show their items without them, so a
  // checked item shows its check mark.
  action->setIconVisibleInMenu(false);
  // "prompt\ntooltip": the status bar's prompt and the toolbar's tooltip.
  const QStringList parts = prompt.split('\n');
  action->setStatusTip(parts.value(0));
  if (parts.size() > 1) action->setToolTip(parts.value(1));
  actions_.insert(id, action);
  return action;
}

void CMainFrame::CreateActions() {
  auto add = [this](int id, const QString& text, const QString& prompt, auto handler) {
    QAction* action = AddAction(id, text, prompt);
    connect(action, &QAction::triggered, this, handler);
  };
  add(ID_START_SAMPLING, tr("实时采样"), tr("实时采样\n实时采样"), &CMainFrame::OnStartSampling);
  add(ID_STOP_SAMPLING, tr("停止采样"), tr("停止采样\n停止采样"), &CMainFrame::OnStopSampling);
  add(ID_CAPTURE_SAMPLE, tr("截取数据样本"), tr("截取数据样本\n截取数据样本"),
      &CMainFrame::OnCaptureSample);
  add(ID_CLEAR_SAMPLE, tr("清除样本数据"), tr("清除样本数据\n清除样本数据"),
      &CMainFrame::OnClearSample);
  add(ID_HIDE_LIST_VIEW, tr("隐藏列表视窗"), tr("隐藏列表视窗\n隐藏"), &CMainFrame::OnHideListView);
  add(ID_HIDE_CONTROL_PANEL, tr("隐藏控制面板"), tr("隐藏控制面板\n隐藏"),
      &CMainFrame::OnHideControlPanel);
  add(ID_HOME_PAGE, tr("进入Lumora主页，了解更多相关信息"), QString(), &CMainFrame::OnHomePage);
  add(ID_APP_ABOUT, tr("关于 Orvanta(&A)..."), QString(), &CMainFrame::OnAbout);
  // The toolbar button's tooltip: the item's text without its mnemonic and dots.
  actions_[ID_APP_ABOUT]->setToolTip(tr("关于 Orvanta"));
  add(ID_APP_EXIT, tr("退出(&X)"), tr("退出应用程序；提示保存文档\n退出"), &QWidget::close);
  add(ID_VIEW_RECORDBAR, tr("显示或隐藏录制工具条"), tr("显示或隐藏录制工具条\n显示或隐藏录制工具条"),
      [this](bool on) { recordBarDock_->setVisible(on); });
  add(ID_VIEW_TOOLBAR, tr("工具栏(&T)"), tr("显示或隐藏工具栏\n显隐工具栏"),
      [this](bool on) { toolBar_->setVisible(on); });
  add(ID_VIEW_STATUS_BAR, tr("状态栏(&S)"), tr("显示或隐藏状态栏\n显隐状态栏"),
      [this](bool on) { statusBar()->setVisible(on); });
  for (int id : {ID_START_SAMPLING, ID_STOP_SAMPLING, ID_HIDE_LIST_VIEW, ID_HIDE_CONTROL_PANEL, ID_VIEW_RECORDBAR,
                 ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
    actions_[id]->setCheckable(true);

  add(ID_FILE_OPEN, tr("打开(&O)...\tCtrl+O"), tr("打开波形数据文件\n打开波形数据文件"),
      &CMainFrame::OnFileOpen);
  add(ID_SAVE_SAMPLE, tr("保存样本数据(&S)\tCtrl+S"), tr("保存样本数据\n保存样本数据"),
      &CMainFrame::OnSaveSample);
  add(ID_FILE_PRINT, tr("打印(&P)...\tCtrl+P"), tr("打印活动文档\n打印"), &CMainFrame::OnFilePrint);
  add(ID_FILE_PRINT_PREVIEW, tr("打印预览(&V)"), tr("打印\n打印预览"),
      &CMainFrame::OnFilePrintPreview);
  add(ID_FILE_PRINT_SETUP, tr("打印设置(&R)..."), tr("改变打印机及打印选项\n打印设置"),
      &CMainFrame::OnFilePrintSetup);

  add(ID_SETTINGS, tr("参数设置"), tr("设置\n设置"), &CMainFrame::OnSettings);
  add(ID_PLUGIN_SETTINGS, tr("采样插件设置"), QString(), &CMainFrame::OnPluginSettings);
  add(ID_DISTORTION_ANALYZER, tr("失真分析"), tr("打开失真分析窗口\n失真分析"), &CMainFrame::OnDistortionAnalyzer);
  add(ID_TRANSFER_FUNCTION, tr("传递函数"), tr("打开传递函数窗口\n传递函数"), &CMainFrame::OnTransferFunction);

  // Accelerators without a menu item of their own.
  auto accelerator = [this](const QKeySequence& keys) {
    auto* a = new QAction(this);
    a->setShortcut(keys);
    addAction(a);
    return a;
  };
  auto forward = [&](const QKeySequence& keys, int id) {
    connect(accelerator(keys), &QAction::triggered, actions_[id], &QAction::trigger);
  };
  forward(QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN);
  forward(QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT);
  forward(QKeySequence(Qt::CTRL | Qt::Key_C), ID_CAPTURE_SAMPLE);
  forward(QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_CAPTURE_SAMPLE);
  // New and save document: the document holds nothing, so they change nothing.
  accelerator(QKeySequence(Qt::CTRL | Qt::Key_N));
  accelerator(QKeySequence(Qt::CTRL | Qt::Key_S));
  // Next and previous pane.
  connect(accelerator(QKeySequence(Qt::Key_F6)), &QAction::triggered, this, [this] { focusNextChild(); });
  connect(accelerator(QKeySequence(Qt::SHIFT | Qt::Key_F6)), &QAction::triggered, this,
          [this] { focusPreviousChild(); });
}

void CMainFrame::CreateMenus() {
  auto popup = [this](const QString& title, std::initializer_list<int> ids) {
    QMenu* menu = menuBar()->addMenu(title);
    for (int id : ids) {
      if (id == 0)
        menu->addSeparator();
      else
        menu->addAction(actions_[id]);
    }
  };
  popup(tr("文件(&F)"), {ID_FILE_OPEN, ID_SAVE_SAMPLE, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                                     ID_FILE_PRINT_SETUP, 0, ID_APP_EXIT});
  popup(tr("编辑(&E)"), {ID_START_SAMPLING, ID_STOP_SAMPLING, 0, ID_CAPTURE_SAMPLE, ID_CLEAR_SAMPLE});
  popup(tr("设置"), {ID_SETTINGS, ID_PLUGIN_SETTINGS});
  popup(tr("查看(&V)"), {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, 0, ID_DISTORTION_ANALYZER, ID_TRANSFER_FUNCTION});
  popup(tr("视窗"), {ID_HIDE_LIST_VIEW, ID_HIDE_CONTROL_PANEL, ID_VIEW_RECORDBAR});
  popup(tr("帮助(&H)"), {ID_HOME_PAGE, 0, ID_APP_ABOUT});
}

bool CMainFrame::CreateToolBar() {
  toolBar_ = addToolBar(tr("工具栏"));
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(24, 24));
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  // A missing image file leaves the buttons without images, as a missing
  // image list would.
  const QList<QPixmap> images = CutStrip(QPixmap(FindResource(QStringLiteral("res/Toolbar_.bmp"))), 24);
  int image = 0;
  for (int id : std::initializer_list<int>{ID_START_SAMPLING, ID_STOP_SAMPLING, ID_FILE_OPEN, ID_SAVE_SAMPLE, ID_CAPTURE_SAMPLE, ID_CLEAR_SAMPLE,
                 ID_SETTINGS, ID_FILE_PRINT_PREVIEW, 0, ID_HIDE_LIST_VIEW, ID_HIDE_CONTROL_PANEL, 0, ID_APP_ABOUT}) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    if (image < images.size()) actions_[id]->setIcon(QIcon(images[image]));
    ++image;
    toolBar_->addAction(actions_[id]);
  }
  return true;
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  auto* prompt = new QLabel(tr("就绪"));
  bar->addWidget(prompt, 1);
  for (const QString& text : {tr("大写"), tr("数字"), tr("滚动")}) {
    auto* indicator = new QLabel(text);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    // The keyboard's lock states are not known here: the panes stay grey.
    indicator->setEnabled(false);
    bar->addPermanentWidget(indicator);
  }
}

bool CMainFrame::CreateRecordBar() {
  recordBarDock_ = new QToolBar(tr("录制工具条"), this);
  recordBarDock_->setObjectName(QStringLiteral("103"));
  recordBarDock_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  recordBar_ = new CRecordBar;
  recordBarDock_->addWidget(recordBar_);
  addToolBarBreak(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, recordBarDock_);

  connect(recordBar_, &CRecordBar::commandTriggered, this, [this](int id) {
    switch (id) {
      case IDC_RECORD: OnRecord(); break;
      case IDC_PLAYBACK: OnPlayback(); break;
      case IDC_PAUSE: OnPause(); break;
      case IDC_STOP: OnStop(); break;
      default: break;
    }
  });
  connect(recordBar_, &CRecordBar::rulerToggled, this, [this](int id) {
    if (id == IDC_RULER_X)
      OnRulerX();
    else
      OnRulerY();
  });
  connect(recordBar_, &CRecordBar::sliderMoved, this, &CMainFrame::OnPlaybackSlider);
  connect(recordBarDock_, &QToolBar::visibilityChanged, this, [this] { UpdateCheckMarks(); });
  connect(toolBar_, &QToolBar::visibilityChanged, this, [this] { UpdateCheckMarks(); });
  return true;
}
