#include "cli/RenderCommand.h"

#include "app/Globals.h"
#include "cli/RecordingFrame.h"
#include "display/BitmapExport.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace {

bool LoadSettings(const QString& path, QString* error) {
  if (path.isEmpty()) {
    g_settings = DefaultSettings();
    ApplyLoadResets(g_settings);
    return true;
  }
  if (!QFileInfo(path).isFile()) {
    *error = QStringLiteral("%1: no such settings file").arg(path);
    return false;
  }
  LoadSettingsRecord(path, g_settings);
  return true;
}

bool SavePng(const QImage& image, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
    file.cancelWriting();
    *error = QStringLiteral("%1: cannot write the picture (%2)").arg(path, file.errorString());
    return false;
  }
  return true;
}

}  // namespace

bool PrepareFramePicture(const CliArguments& a, RecordingFrame& frame, ViewGeometry* geometry, QString* error) {
  if (!LoadSettings(a.settings, error)) return false;

  // The file's channels, rate and sample width replace the settings', as
  // opening it in the program does; likewise a plug-in's rate and width.
  if (!ConvertCommandFrame(a, a.mode, frame, error)) return false;

  // The window's state right after a resize: rulers off, cursors at their
  // start positions.
  *geometry = GeometryForClient(a.width, a.height);
  ClearRulerState();
  PlaceRulers(*geometry);
  return true;
}

bool RenderPicture(const CliArguments& a, QString* error) {
  const QString& outPath = a.files.last();  // after FILE.wav, or alone with --plugin
  RecordingFrame frame;
  ViewGeometry geometry;
  if (!PrepareFramePicture(a, frame, &geometry, error)) return false;

  QImage image;
  ComposeDisplay(image, frame.Engine().ch1Trace, frame.Engine().ch2Trace, geometry, ComposeOptions{},
                 ScreenStyle());
  if (image.isNull()) {
    *error = QStringLiteral("no memory for a picture of %1x%2 pixels").arg(a.width).arg(a.height);
    return false;
  }

  if (outPath.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return SavePng(image, outPath, error);
  QString reason;
  if (!WriteBitmapFile(image, outPath, &reason)) {
    *error = QStringLiteral("%1: %2").arg(outPath, reason);
    return false;
  }
  return true;
}
