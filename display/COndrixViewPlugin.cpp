// The view's sampling plug-in operation; the loading itself is window-free.

#include "acquisition/SamplingPlugin.h"
#include "display/COndrixView.h"

bool COndrixView::LoadSamplingPlugin(const QString& path, QString* reason) {
  return ::LoadSamplingPlugin(path, engine_, reason);
}
