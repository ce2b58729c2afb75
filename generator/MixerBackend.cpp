#include "generator/MixerBackend.h"

#include "generator/AlsaMixerBackend.h"

namespace {

MixerBackend* g_mixerBackend = nullptr;

MixerBackend& SystemMixerBackend() {
  static AlsaMixerBackend backend;
  return backend;
}

}  // namespace

MixerBackend& CurrentMixerBackend() { return g_mixerBackend ? *g_mixerBackend : SystemMixerBackend(); }

void SetMixerBackend(MixerBackend* backend) { g_mixerBackend = backend; }
