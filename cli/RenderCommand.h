#pragma once

#include "cli/CliArguments.h"
#include "cli/RecordingFrame.h"
#include "display/ComposeDisplay.h"

#include <QString>

// `render`: composes the picture the program shows for one frame of a WAV
// file and writes it as a bitmap (or as PNG when the output ends in .png).
// Needs a QGuiApplication. On failure returns false with `error` set to one
// line for the user.
bool RenderPicture(const CliArguments& arguments, QString* error);

// What `render` and `report` start from: the settings (--settings or the
// defaults), the WAV file loaded as the recording, the frame at --at converted
// in --mode, and the rulers and cursors of a window of --size just resized.
bool PrepareFramePicture(const CliArguments& arguments, RecordingFrame& frame, ViewGeometry* geometry,
                         QString* error);

// The files a picture is made from (the WAV file or the plug-in loaded by
// PrepareFramePicture, and --settings): its output must not replace them.
QStringList FrameInputs(const CliArguments& arguments);
