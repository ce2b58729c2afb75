#include "acquisition/QtAudioDevices.h"

#include <QAudioDevice>

namespace {

QList<AudioDevice> Listed(const QList<QAudioDevice>& devices) {
  QList<AudioDevice> out;
  for (const QAudioDevice& d : devices) out.append({d.id(), d.description()});
  return out;
}

}  // namespace

QtAudioDevices::QtAudioDevices(QObject* parent) : AudioDevices(parent) {
  connect(&devices_, &QMediaDevices::audioInputsChanged, this, &AudioDevices::Changed);
  connect(&devices_, &QMediaDevices::audioOutputsChanged, this, &AudioDevices::Changed);
}

QList<AudioDevice> QtAudioDevices::Inputs() const { return Listed(QMediaDevices::audioInputs()); }

QList<AudioDevice> QtAudioDevices::Outputs() const { return Listed(QMediaDevices::audioOutputs()); }
