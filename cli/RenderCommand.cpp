#include "cli/RenderCommand.h"

#include "app/Globals.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/RecordingFrame.h"
#include "display/BitmapExport.h"
#include "display/ComposeDisplay.h"
#include "display/PictureFile.h"
#include "display/Rulers.h"
#include "settings/InputFile.h"
#include "settings/OutputFile.h"

#include <QFileInfo>
#include <QImage>
#include <QLibrary>

#include <optional>

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

// A stream written as it is: standard output ("-"), a named pipe, a device.
bool IsStream(const QString& path) {
  const FileKind kind = KindOfFile(path);
  return path == QLatin1String("-") || kind == FileKind::Pipe || kind == FileKind::Device;
}

// The format of a picture named `path`, by its extension; a stream without
// one takes the program's own bitmap. Nothing for a file named otherwise.
std::optional<QByteArray> PictureFormat(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "bmp") return QByteArray("BMP");
  if (suffix == "png") return QByteArray("PNG");
  if (suffix == "jpg" || suffix == "jpeg") return QByteArray("JPEG");
  if (IsStream(path)) return QByteArray("BMP");
  return std::nullopt;
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
  const std::optional<QByteArray> format = PictureFormat(outPath);
  if (!format) {
    *error = CliText::tr("%1: the picture's format follows its extension: .bmp, .png, .jpg or .jpeg").arg(outPath);
    return false;
  }
  // Smaller, the window would cut the picture off; its pixels are the
  // program's, so it is not scaled either.
  if (a.width < kWholePictureClient.width() || a.height < kWholePictureClient.height()) {
    *error = CliText::tr("--size %1x%2 cuts the picture off: it takes at least %3x%4")
                 .arg(a.width)
                 .arg(a.height)
                 .arg(kWholePictureClient.width())
                 .arg(kWholePictureClient.height());
    return false;
  }
  if (const QString why = TerminalRefusal(outPath); !why.isEmpty()) {
    *error = why;
    return false;
  }
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
  if (*format == "BMP") return WriteBitmapFile(image, outPath, error, CliOutput(FrameInputs(a)));
  QString reason;
  if (WritePictureFile(image, format->constData(), outPath, CliOutput(FrameInputs(a)), &reason)) return true;
  *error = CliText::tr("%1: cannot write the picture (%2)").arg(outPath, reason);
  return false;
}
