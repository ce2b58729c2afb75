#include "gui/DistortionFigures.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kContext = "DistortionFigures";
// The names lupdate finds here, translated when asked for.
constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("DistortionFigures", "基波频率"), QT_TRANSLATE_NOOP("DistortionFigures", "基波有效值"),
    QT_TRANSLATE_NOOP("DistortionFigures", "基波电平"), QT_TRANSLATE_NOOP("DistortionFigures", "基波电压")};

// A value rounded to `decimals`, never "-0.00".
QString Fixed(double v, int decimals) {
  if (std::abs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0;
  return QString::number(v, 'f', decimals);
}

}  // namespace

QStringList DistortionRowNames() {
  QStringList names;
  for (const char* name : kNames) names << QCoreApplication::translate(kContext, name);
  for (int order = 2; order <= 10; ++order)
    names << QCoreApplication::translate("DistortionFigures", "%1 次谐波").arg(order);
  names << QStringLiteral("THD") << QStringLiteral("THD+N") << QStringLiteral("SINAD") << QStringLiteral("SNR")
        << QStringLiteral("ENOB") << QCoreApplication::translate("DistortionFigures", "直流");
  return names;
}

QString PercentText(double percent) {
  if (!(percent > 0) || !std::isfinite(percent)) return Fixed(std::isfinite(percent) ? percent : 0, 2);
  const int decimals = std::clamp(2 - int(std::floor(std::log10(percent))), 2, 8);
  return Fixed(percent, decimals);
}

QStringList DistortionValueTexts(const DistortionResult& r, std::optional<float> mvPerUnit) {
  QStringList v;
  v << Fixed(r.fundamentalHz, 2) + QStringLiteral(" Hz") << Fixed(r.fundamentalRms, 2)
    << Fixed(r.fundamentalDbfs, 2) + QStringLiteral(" dBFS")
    << (mvPerUnit ? Fixed(r.fundamentalRms * double(*mvPerUnit), 2) + QStringLiteral(" mV") : QString());
  for (int order = 2; order <= 10; ++order) {
    const auto h = std::find_if(r.harmonics.begin(), r.harmonics.end(),
                                [order](const DistortionHarmonic& x) { return x.order == order; });
    v << (h == r.harmonics.end()
              ? QStringLiteral("—")
              : Fixed(h->frequencyHz, 1) + QStringLiteral(" Hz  ") + Fixed(h->levelDbc, 1) + QStringLiteral(" dBc"));
  }
  v << PercentText(r.thdPercent) + QStringLiteral(" %  (") + Fixed(r.thdDb, 1) + QStringLiteral(" dB)")
    << PercentText(r.thdnPercent) + QStringLiteral(" %  (") + Fixed(r.thdnDb, 1) + QStringLiteral(" dB)")
    << Fixed(r.sinadDb, 1) + QStringLiteral(" dB") << Fixed(r.snrDb, 1) + QStringLiteral(" dB")
    << QCoreApplication::translate("DistortionFigures", "%1 位").arg(Fixed(r.enobBits, 2)) << Fixed(r.dc, 2);
  return v;
}
