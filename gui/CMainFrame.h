#pragma once

#include "acquisition/AudioInput.h"
#include "gui/OutbarTypes.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class CBarTool;
class DistortionWindow;
class TransferWindow;
class CGfxOutBarCtrl;
class COndrixView;
class CRecordBar;
class CThinSplitterWnd;
class QAction;
class QPrinter;
struct TransportResult;
class QSplitter;
class QToolBar;

// The main window: the outlook bar on the left, the measurement view above
// the control panel on the right, the toolbar, the status bar and the record
// bar. Its command handlers change the shared state or call one operation of
// the view.
class CMainFrame : public QMainWindow, public OutbarEventOwner {
  Q_OBJECT

 public:
  // `input` is the sound card the view samples; null gives the Qt one.
  explicit CMainFrame(std::unique_ptr<AudioInput> input = nullptr, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Builds the panes, bars and menus. False when a part could not be made.
  bool OnCreate();

  // The outlook bar's events: item clicks start their action, every move is accepted.
  long OnOutbarEvent(int code, long long argument) override;
  // The action of an outlook-bar item, by its item data.
  void OutbarAction(int itemData);

  // Commands.
  void OnStartSampling();
  void OnStopSampling();
  void OnCaptureSample();
  void OnClearSample();
  void OnHideControlPanel();
  void OnHideListView();
  void OnRulerX();
  void OnRulerY();
  void OnAbout();
  // Opens the distortion analyzer, or raises the one that is open.
  void OnDistortionAnalyzer();
  DistortionWindow* Distortion() const;
  void OnTransferFunction();
  TransferWindow* Transfer() const;
  // The settings sheet: OK reopens the input, saves setting.ini and, in the
  // function-signal mode, makes the generator's signal again; Cancel restores
  // the settings record byte for byte.
  void OnSettings();
  // Help's first command: the user guide (guide/guide.html among the
  // program's resources) in the desktop's browser; the status line says
  // when it is not there or cannot be shown.
  void OnHomePage();
  void OpenUserGuide(const QStringList& resourceFolders);
  // Runs the sampling plug-in manager modally.
  void OnPluginSettings();
  // Moves the replay slider to g_playbackPos (while the view replays).
  void SyncPlaybackSlider();
  // Greys Record while a plug-in is the source and says why on the status
  // line when that begins (at start-up, after the plug-in manager).
  void RefreshRecordAvailability();
  // Asked before anything replaces or drops the user's recording (in
  // progress or unsaved): Save, Discard or Cancel. True when the caller may
  // go ahead: there was none, it was saved, or the user discarded it.
  bool MayDropRecording();
  // Offers each recording that a program left unsaved in the runtime folder
  // when it ended (a crash, a kill, SIGTERM): save it as a WAV file, discard
  // it, or keep it for the next start.
  void OfferLeftRecordings();
  // SIGTERM and SIGHUP: closes the program as Exit does, asking nothing (no
  // one may be there to answer); an unsaved recording stays in its spool.
  void CloseWithoutAsking();

  // Recorder and files.
  void OnRecord();
  void OnPlayback();
  void OnPause();
  void OnStop();
  void OnPlaybackSlider(int position);
  void OnFileOpen();
  // Opens `path` into the recording to replay, as Open does once its dialog
  // has named the file (the command line's file comes here too).
  void OpenWaveFile(const QString& path);
  void OnSaveSample();
  void OnExportCsv();
  void OnExportBitmap();
  // Writes the frozen 16-bit sample and its spectra as CSV text.
  void ExportCsv(const QString& path);
  // Printing to a file: the page is made as a PDF in memory and written
  // safely; a failure is told to the user. False then.
  bool PrintToFile(const QString& path);
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();
  QPrinter* Printer() const { return printer_.get(); }

  QAction* Action(int id) const { return actions_.value(id); }
  bool SamplingOn() const { return samplingOn_; }
  bool ControlPanelHidden() const { return controlPanelHidden_; }
  bool OutlookBarHidden() const { return outlookBarHidden_; }
  int OutlookBarWidth() const { return outlookBarWidth_; }
  int ScreenHeight() const { return screenHeight_; }
  COndrixView* View() const { return view_; }
  CBarTool* ControlPanel() const { return controlPanel_; }
  CGfxOutBarCtrl* OutlookBar() const { return outlookBar_; }
  CThinSplitterWnd* MainSplitter() const { return mainSplitter_; }
  QSplitter* RightSplitter() const { return rightSplitter_; }
  CRecordBar* RecordBar() const { return recordBar_; }
  QToolBar* RecordBarDock() const { return recordBarDock_; }
  QToolBar* ToolBar() const { return toolBar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Exit and closing the window ask about an unsaved recording first.
  void closeEvent(QCloseEvent* event) override;

 private:
  bool OnCreateClient();
  void CreateActions();
  void CreateMenus();
  bool CreateToolBar();
  void CreateStatusBar();
  bool CreateRecordBar();
  void CreateOutlookBar();
  void LayOutMainSplitter(int firstIdeal);
  void LayOutRightSplitter(int firstIdeal, int secondMinimum);
  QAction* AddAction(int id, const QString& text, const QString& prompt);
  void UpdateCheckMarks();
  void ShowRecordButtons(bool record, bool playback, bool pause, bool stop, int selected);
  void ApplyRecordLook();
  // The save dialog until `save` writes the chosen file (true) or the
  // dialog is cancelled (false); `save` tells the user why a file failed,
  // and the dialog comes again.
  bool SaveUntilDone(const std::function<bool(const QString& path)>& save);
  bool SaveUnsavedRecording();
  static QString WaveFilter();
  void ApplyTransport(const TransportResult& result);
  void PrintPage(QPrinter* printer);

  std::unique_ptr<AudioInput> input_;
  QPointer<DistortionWindow> distortion_;
  QPointer<TransferWindow> transfer_;
  bool controlPanelHidden_ = false;
  bool outlookBarHidden_ = false;
  bool samplingOn_ = true;
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  int outlookBarWidth_ = 0;
  bool mainLaidOut_ = false;
  bool rightLaidOut_ = false;
  // The record bar's buttons as the last command left them (see ApplyRecordLook).
  struct RecordLook {
    bool record = true, playback = true, pause = false, stop = false;
    int selected = 1038;  // IDC_STOP
  } recordLook_;
  bool recordBlocked_ = false;  // Record was greyed for a plug-in
  bool closeWithoutAsking_ = false;

  CThinSplitterWnd* mainSplitter_ = nullptr;
  QSplitter* rightSplitter_ = nullptr;
  CGfxOutBarCtrl* outlookBar_ = nullptr;
  COndrixView* view_ = nullptr;
  CBarTool* controlPanel_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QToolBar* recordBarDock_ = nullptr;
  CRecordBar* recordBar_ = nullptr;
  std::unique_ptr<OutbarIconList> largeIconList_;
  std::unique_ptr<OutbarIconList> smallIconList_;
  QHash<int, QAction*> actions_;
  std::unique_ptr<QPrinter> printer_;
};
