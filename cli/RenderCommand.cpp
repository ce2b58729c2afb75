#include "cli/RenderCommand.h"

#include "app/Globals.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/RecordingFrame.h"
#include "display/BitmapExport.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"
#include "settings/InputFile.h"
#include "settings/OutputFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>


namespace {

bool LoadSettings(const QString& path, QString* error) {
  if (path.isEmpty()) {
    g_settings = DefaultSettings();
    ApplyLoadResets(g_settings);
    return true;
  }
  if (const QString why = NonRegularFileReason(path); !why.isEmpty()) {
    *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
  }
  if (!QFileInfo::exists(path)) {
    *error = CliText::tr("%1: no such settings file").arg(path);
    return false;
  }
  RecordRepairs repairs;
  LoadSettingsRecord(path, g_settings, &repairs);
  if (repairs.Any()) PrintNote(RepairStatusText(path, repairs));
  return true;
}

bool SavePng(const QImage& image, const QString& path, const QStringList& inputs, QString* error) {
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  QString reason = CliText::tr("no memory for the picture");
  if (!image.save(&png, "PNG") || !WriteOutputFile(path, png.data(), CliOutput(inputs), &reason)) {
    *error = CliText::tr("%1: cannot write the picture (%2)").arg(path, reason);
    return false;
  }
  return true;
}

}  // namespace

QStringList FrameInputs(const CliArguments& a) {
  // The recording, or the plug-in both as given and as the system found it
  // (with the suffix it added); the output is not among them, whatever its name.
  QStringList inputs;
  if (a.plugin.isEmpty())
    inputs << a.files[0];
  else
    inputs << a.plugin << (g_pluginModule ? g_pluginModule->fileName() : QString());
  if (!a.settings.isEmpty()) inputs << a.settings;
  return inputs;
}

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
    *error = CliText::tr("no memory for a picture of %1x%2 pixels").arg(a.width).arg(a.height);
    return false;
  }

  if (outPath.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
    return SavePng(image, outPath, FrameInputs(a), error);
  return WriteBitmapFile(image, outPath, error, CliOutput(FrameInputs(a)));
}
