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

bool RenderPicture(const CliArguments& a, QString* error) {
  const QString& wavPath = a.files[0];
  const QString& outPath = a.files[1];
  if (!LoadSettings(a.settings, error)) return false;

  // The file's channels, rate and sample width replace the settings', as
  // opening it in the program does.
  RecordingFrame frame;
  if (!frame.Load(wavPath, error) || !frame.Convert(a.at, a.mode, error)) return false;

  // The window's state right after a resize: rulers off, cursors at their
  // start positions.
  const ViewGeometry geometry = GeometryForClient(a.width, a.height);
  ClearRulerState();
  PlaceRulers(geometry);

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
