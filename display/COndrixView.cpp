#include "display/COndrixView.h"

#include "acquisition/PluginSettings.h"
#include "display/SoundCard.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/BitmapExport.h"
#include "display/Rulers.h"

#include <QMouseEvent>
#include <QPainter>

COndrixView::COndrixView(std::unique_ptr<AudioInput> input, QWidget* parent)
    : QWidget(parent),
      input_(input ? std::move(input) : MakeSoundCardInput()),
      output_(MakeSoundCardOutput()),
      engine_(input_.get()) {
  WatchAudioHealth();
  // Every pixel of a repainted region is painted: no background erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &COndrixView::OnTimer);
}

COndrixView::~COndrixView() {
  if (g_view == this) g_view = nullptr;
  ReleasePluginModule();
  pluginGuard_.Release();  // a clean exit
}

void COndrixView::OnInitialUpdate() {
  g_view = this;
  RecordRepairs repairs;
  LoadSettingsRecord(AppFilePath(QStringLiteral("setting.ini")), g_settings, &repairs);
  // A plug-in's rate may lie far beyond a sound card's: while plus.ini names
  // a plug-in in use, the stored rate is its own, taken back once it loads,
  // and no fault to report.
  if (ReadPluginSettings(AppFilePath(QStringLiteral("plus.ini"))) && g_pluginEnabled)
    repairs.outOfRange.removeAll(QStringLiteral("sampleRate"));
  if (repairs.Any())
    CurrentPrompts().ShowStatus(RepairStatusText(QStringLiteral("setting.ini"), repairs));
  engine_.ch1Trace.fill(0);
  engine_.ch2Trace.fill(0);
  engine_.liveBuf8.fill(0);
  engine_.liveBuf16.fill(0);
  engine_.sampleBuf8.fill(0);
  engine_.sampleBuf16.fill(0);
  engine_.recBuf8.Clear();
  engine_.recBuf16.Clear();
  ClearRulerState();
  style_ = ScreenStyle();
  LoadAudioDevices();
}

void COndrixView::StartDisplayTimer() { timer_.start(); }

void COndrixView::OnTimer() {
  engine_.ConvertFrame();
  NotePluginTick();
  update(picture_.Update(engine_.ch1Trace, engine_.ch2Trace, geometry_, style_));
}

void COndrixView::paintEvent(QPaintEvent* event) {
  // The ticks build the picture; before the first one and after a resize
  // the paint builds it itself.
  if (!picture_.IsBuiltFor(geometry_)) picture_.Update(engine_.ch1Trace, engine_.ch2Trace, geometry_, style_);
  QPainter painter(this);
  picture_.Paint(painter, event->region());
}

void COndrixView::resizeEvent(QResizeEvent* event) {
  geometry_ = GeometryForClient(event->size().width(), event->size().height());
  PlaceRulers(geometry_);
  QWidget::resizeEvent(event);
}

void COndrixView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) RulerPress(event->position().toPoint(), geometry_);
  QWidget::mousePressEvent(event);
}

void COndrixView::mouseMoveEvent(QMouseEvent* event) {
  // No repaint here: the next tick shows the new positions.
  RulerMove(event->position().toPoint(), geometry_);
  QWidget::mouseMoveEvent(event);
}

void COndrixView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) RulerRelease();
  QWidget::mouseReleaseEvent(event);
}

QImage COndrixView::ExportPicture() {
  // The readouts keep the last screen paint's values; the traces start at the
  // trigger point of the current CH1 trace.
  ComposeOptions options;
  options.measureBeforeRenderer = false;
  QImage image;
  ComposeDisplay(image, engine_.ch1Trace, engine_.ch2Trace, geometry_, options, style_);
  return image;
}

bool COndrixView::ExportBitmap(const QString& path) {
  QString error;
  if (!WriteBitmapFile(ExportPicture(), path, &error)) {
    CurrentPrompts().ShowMessage(error);
    return false;
  }
  return true;
}
