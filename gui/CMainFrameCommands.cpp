// The main window's command handlers: each changes the shared state or calls
// one operation of the view.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "app/ResourceLookup.h"
#include "gui/CAboutDialog.h"
#include "gui/CBarTool.h"
#include "gui/CGfxOutBarCtrl.h"
#include "gui/CMainFrame.h"
#include "gui/CPlugInManagerDlg.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "gui/DistortionWindow.h"
#include "gui/TransferWindow.h"
#include "display/COndrixView.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDesktopServices>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

void CMainFrame::UpdateCheckMarks() {
  auto check = [this](int id, bool on) {
    if (QAction* a = actions_.value(id)) a->setChecked(on);
  };
  check(ID_START_SAMPLING, samplingOn_);
  check(ID_STOP_SAMPLING, !samplingOn_);
  check(ID_HIDE_CONTROL_PANEL, controlPanelHidden_);
  check(ID_HIDE_LIST_VIEW, outlookBarHidden_);
  if (recordBarDock_) check(ID_VIEW_RECORDBAR, !recordBarDock_->isHidden());
  if (toolBar_) check(ID_VIEW_TOOLBAR, !toolBar_->isHidden());
  check(ID_VIEW_STATUS_BAR, !statusBar()->isHidden());
}

void CMainFrame::OnStartSampling() {
  const TransportResult r = view_->Engine().StartSampling(samplingOn_);
  if (r.samplingStarted) samplingOn_ = true;
  UpdateCheckMarks();
}

void CMainFrame::OnStopSampling() {
  const TransportResult r = view_->Engine().StopSampling(samplingOn_);
  if (r.samplingStopped) samplingOn_ = false;
  UpdateCheckMarks();
}

void CMainFrame::OnCaptureSample() { view_->CaptureSample(); }

void CMainFrame::OnClearSample() { view_->ClearSample(); }

void CMainFrame::OnHideControlPanel() {
  // Only this command collapses the panel's row (a dragged bar stops at the
  // panel); the view then takes the whole column. Showing the panel again
  // always restores its row, whatever was dragged.
  rightSplitter_->setCollapsible(1, !controlPanelHidden_);
  if (controlPanelHidden_)
    LayOutRightSplitter(screenHeight_ - 320, 150);
  else
    LayOutRightSplitter(rightSplitter_->height(), 0);
  controlPanelHidden_ = !controlPanelHidden_;
  UpdateCheckMarks();
}

void CMainFrame::OnHideListView() {
  // The width restored is the one taken when the window was made.
  LayOutMainSplitter(outlookBarHidden_ ? outlookBarWidth_ : 0);
  outlookBarHidden_ = !outlookBarHidden_;
  UpdateCheckMarks();
}

void CMainFrame::OnRulerX() { g_rulerXOn = !g_rulerXOn; }

void CMainFrame::OnRulerY() { g_rulerYOn = !g_rulerYOn; }

void CMainFrame::OnAbout() {
  CAboutDialog dialog(this);
  dialog.exec();
}

void CMainFrame::OnDistortionAnalyzer() {
  // One window, a top-level one owned by the main window (it closes with it).
  AnalysisWindow::Open(distortion_, [this] { return new DistortionWindow(view_->Engine(), this); });
}

DistortionWindow* CMainFrame::Distortion() const { return distortion_; }

void CMainFrame::OnTransferFunction() {
  AnalysisWindow::Open(transfer_, [this] { return new TransferWindow(view_->Engine(), nullptr, this); });
}

TransferWindow* CMainFrame::Transfer() const { return transfer_; }

void CMainFrame::OnPluginSettings() {
  // Owned by the main window, so it stays above it and its messages above it.
  CPlugInManagerDlg dialog(this);
  dialog.exec();
  RefreshRecordAvailability();
}

void CMainFrame::OnHomePage() { OpenUserGuide(ResourceFolders(QCoreApplication::applicationDirPath())); }

void CMainFrame::OpenUserGuide(const QStringList& folders) {
  // The user guide installed with the program, in the desktop's browser.
  const QString guide = FindResourceIn(folders, QStringLiteral("guide/guide.html"));
  if (guide.isEmpty())
    CurrentPrompts().ShowStatus(tr("找不到用户指南 guide/guide.html：它没有随程序安装。"));
  else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
    CurrentPrompts().ShowStatus(tr("无法打开用户指南 %1：桌面上没有能打开网页的程序。").arg(QDir::toNativeSeparators(guide)));
}


long CMainFrame::OnOutbarEvent(int code, long long argument) {
  if (code == OBE_ITEM_CLICKED) {
    // By item data, not position: a dragged item keeps its action.
    OutbarAction(outlookBar_->GetItemValue(static_cast<int>(argument)));
    return 1;
  }
  if (code == OBE_ITEM_MOVED) return 1;  // every drag is accepted
  return 0;
}

void CMainFrame::OutbarAction(int itemData) {
  switch (itemData) {
    case 0:
      g_displayMode = TimeDomain;
      break;
    case 1:
      g_displayMode = FrequencyDomain;
      break;
    case 2:
      // The signal is made in the recording.
      if (!MayDropRecording()) return;
      g_displayMode = FunctionSignal;
      OnStopSampling();
      view_->GenerateSignal();
      controlPanel_->SyncSampleRateSlider();  // the generator's rate stands
      break;
    case 3:
      g_showRealTime = true;
      break;
    case 4:
      g_showRealTime = false;
      break;
    case 5:
      OnExportCsv();
      break;
    case 6:
      OnExportBitmap();
      break;
    default:
      break;
  }
}
