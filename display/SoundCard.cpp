#include "display/SoundCard.h"

#include <QCoreApplication>

#ifdef ONDRIX_HAVE_PULSE
#include "acquisition/PulseAudioInput.h"
#include "acquisition/PulseServer.h"
#include "generator/PulseAudioOutput.h"

std::unique_ptr<AudioInput> MakeSoundCardInput() { return std::make_unique<PulseAudioInput>(); }
std::unique_ptr<AudioOutput> MakeSoundCardOutput() { return std::make_unique<PulseAudioOutput>(); }
AudioDevices& SoundCardDevices() { return PulseServer::Instance(); }
#else
#include "acquisition/QtAudioDevices.h"
#include "acquisition/QtAudioInput.h"
#include "generator/QtAudioOutput.h"

#include <QPointer>

std::unique_ptr<AudioInput> MakeSoundCardInput() { return std::make_unique<QtAudioInput>(); }
std::unique_ptr<AudioOutput> MakeSoundCardOutput() { return std::make_unique<QtAudioOutput>(); }
AudioDevices& SoundCardDevices() {
  static QPointer<QtAudioDevices> devices;
  if (!devices) devices = new QtAudioDevices(QCoreApplication::instance());
  return *devices;
}
#endif
