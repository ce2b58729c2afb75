#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// One sound device as the user chooses it: remembered by the sound system's
// id, shown by its description.
struct AudioDevice {
  QByteArray id;
  QString description;
  bool operator==(const AudioDevice&) const = default;
};

// The input and output devices there are now, kept up to date as devices
// come and go (and as the sound server goes away and comes back).
class AudioDevices : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  virtual QList<AudioDevice> Inputs() const = 0;
  virtual QList<AudioDevice> Outputs() const = 0;
  // Waits up to `ms` for lists that are known to be current (a sound server
  // that is connected); false when they are not.
  virtual bool WaitForLists(int ms) {
    (void)ms;
    return true;
  }

 signals:
  void Changed();
};

// The device with `id` in `devices`, or null.
inline const AudioDevice* FindAudioDevice(const QList<AudioDevice>& devices, const QByteArray& id) {
  for (const AudioDevice& d : devices)
    if (d.id == id) return &d;
  return nullptr;
}
