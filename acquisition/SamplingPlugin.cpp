#include "acquisition/SamplingPlugin.h"

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>

#include <memory>

namespace {

bool Refuse(QString* reason, const QString& text) {
  g_pluginEnabled = 0;
  if (reason) *reason = text;
  return false;
}

}  // namespace

QString PluginPathRefusal(const QString& path) {
  if (path.contains(QChar(0)))
    return QCoreApplication::translate("SamplingPlugin", "路径中含有空字符");
  // The system's loader copies the name onto its stack: a name of millions of
  // characters overflows it.
  const qsizetype bytes = QFile::encodeName(path).size();
  if (bytes >= kPathLimit)
    return QCoreApplication::translate("SamplingPlugin", "路径过长（%1 字节，最多 %2 字节）").arg(bytes).arg(kPathLimit - 1);
  return {};
}

bool LoadSamplingPlugin(const QString& path, SamplingEngine& engine, QString* reason) {
  if (const QString refusal = PluginPathRefusal(path); !refusal.isEmpty()) return Refuse(reason, refusal);
  auto library = std::make_unique<QLibrary>(path);
  // Qt keeps one load per file name, shared by every QLibrary on it, and any
  // of them unloading ends it for all. A file loaded already (the plug-in in
  // use, bound again) must not be unloaded through this object.
  const bool loadedBefore = library->isLoaded();
  // Every symbol is resolved now: a library with a missing dependency is
  // refused here instead of failing in the middle of a display tick.
  library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
  if (!library->load())
    return Refuse(reason, QCoreApplication::translate("SamplingPlugin", "无法加载插件：%1").arg(library->errorString()));
  const auto write8 = reinterpret_cast<PluginWrite8>(library->resolve(kWrite8Export));
  const auto write16 = reinterpret_cast<PluginWrite16>(library->resolve(kWrite16Export));
  if (!write8 && !write16) {
    if (!loadedBefore) library->unload();
    return Refuse(reason, QCoreApplication::translate("SamplingPlugin",
                                                      "插件没有导出 Write8BitDataBuf 或 Write16BitDataBuf"));
  }

  if (g_pluginModule && loadedBefore && g_pluginModule->fileName() == library->fileName()) {
    // The same load: the new object carries it on.
    delete g_pluginModule;
    g_pluginModule = nullptr;
  } else {
    ReleasePluginModule();
  }
  g_pluginModule = library.release();
  g_pluginWrite8 = write8;
  g_pluginWrite16 = write16;
  if (write8)
    write8(engine.liveBuf8.data(), kPluginBufferLength);
  else
    write16(engine.liveBuf16.data(), kPluginBufferLength);
  if (g_pluginEnabled) g_settings.bitsPerSample = static_cast<uint16_t>(PluginSampleWidth());
  return true;
}

int PluginSampleWidth() {
  if (g_pluginWrite8) return 8;
  return g_pluginWrite16 ? 16 : 0;
}
