#pragma once

#include "acquisition/AudioDevices.h"

#include <QMediaDevices>

// Qt Multimedia's device lists, for the Qt backends.
class QtAudioDevices : public AudioDevices {
  Q_OBJECT

 public:
  explicit QtAudioDevices(QObject* parent = nullptr);
  QList<AudioDevice> Inputs() const override;
  QList<AudioDevice> Outputs() const override;

 private:
  QMediaDevices devices_;
};
