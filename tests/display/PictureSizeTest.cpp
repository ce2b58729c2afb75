// The client size the view is never shown smaller than: the whole picture,
// with its widest texts, lies inside it.
#include "support/EnglishTranslation.h"
#include "support/TestApplication.h"
#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <gtest/gtest.h>

#include <optional>

TEST(PictureSize, EverythingButTheTracesLiesInsideTheWholePictureClient) {
  EnsureApplication();
  const ViewGeometry g = GeometryForClient(kWholePictureClient.width(), kWholePictureClient.height());
  const QRect client(QPoint(0, 0), kWholePictureClient);
  const TraceBuffer silence{};
  for (const bool inEnglish : {false, true}) {
    std::optional<EnglishTranslation> english;
    if (inEnglish) english.emplace();
    for (const int mode : {TimeDomain, FrequencyDomain, FunctionSignal}) {
      for (const int coordSystem : {LogicLevel, Decibel, Millivolt}) {
        for (const int bits : {8, 16}) {
          ResetGlobals();
          g_displayMode = mode;
          g_settings.coordSystem = coordSystem;
          g_settings.bitsPerSample = bits;
          g_settings.timeUnit = Microseconds;  // the longer X labels
          g_settings.sampleRate = 2000;
          g_settings.ch1Frequency = g_settings.ch2Frequency = 100000;  // six digits
          g_settings.ch1Rms = g_settings.ch2Rms = 23170;
          PlaceRulers(g);
          g_rulerXOn = g_rulerYOn = true;
          // The readouts as they stand, not as the silent traces measure.
          ComposeOptions options;
          options.measureBeforeRenderer = false;
          DisplayList list;
          BuildDisplay(list, silence, silence, g, options);
          const std::vector<QRect> bounds = DisplayItemBounds(list, ScreenStyle());
          for (std::size_t i = 0; i < bounds.size(); ++i) {
            if (std::holds_alternative<DisplayPolyline>(list.items[i])) continue;  // traces are not clipped
            const auto* text = std::get_if<DisplayText>(&list.items[i]);
            EXPECT_TRUE(client.contains(bounds[i]))
                << (inEnglish ? "en" : "zh") << " mode " << mode << " system " << coordSystem << " bits " << bits
                << ": item " << i << " " << (text ? text->text.toStdString() : "") << " at ("
                << bounds[i].left() << ", " << bounds[i].top() << ")-(" << bounds[i].right() << ", "
                << bounds[i].bottom() << ")";
          }
        }
      }
    }
  }
  ResetGlobals();
}
