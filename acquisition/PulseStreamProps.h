#pragma once

#include "app/SoundIdentity.h"

#include <QCoreApplication>

#include <pulse/proplist.h>

enum class PulseStreamKind { Input, Output };

// The properties a stream of the program carries: its name as the desktop's
// sound settings list it, the program's role, and the key under which the
// server remembers the stream's device and volume: the program's own, so a
// PulseAudio server keeps them for this program rather than for every
// program of the same role. The caller frees the list.
inline pa_proplist* NewStreamProps(PulseStreamKind kind) {
  pa_proplist* props = pa_proplist_new();
  const bool input = kind == PulseStreamKind::Input;
  const QString name = input ? QCoreApplication::translate("PulseStream", "测量输入")
                             : QCoreApplication::translate("PulseStream", "信号发生器");
  pa_proplist_sets(props, PA_PROP_MEDIA_NAME, name.toUtf8().constData());
  pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, SoundIdentity::kRole);
  pa_proplist_sets(props, PA_PROP_APPLICATION_ID, SoundIdentity::kId);
  const QByteArray key = QByteArray(input ? "source-output" : "sink-input") + "-by-application-id:" + SoundIdentity::kId;
  pa_proplist_sets(props, "module-stream-restore.id", key.constData());
  return props;
}
