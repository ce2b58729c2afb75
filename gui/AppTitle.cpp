#include "gui/AppTitle.h"

#include <QCoreApplication>

#include <array>

namespace {

template <std::size_t N>
constexpr std::array<char16_t, N> Scramble(const char16_t (&text)[N]) {
  std::array<char16_t, N> out{};
  for (std::size_t i = 0; i + 1 < N; ++i) out[i] = static_cast<char16_t>(text[i] + 6);
  return out;
}

// Only the scrambled form reaches the binary.
constexpr auto kScrambledSuffix = Scramble(u"声卡双通道测量台");
// The suffix as the translators see it; unused, so it stays out of the binary.
[[maybe_unused]] constexpr const char* kSuffixForTranslation = QT_TRANSLATE_NOOP("AppTitle", "声卡双通道测量台");

}  // namespace

QString AppTitleSuffix() {
  static const QByteArray suffix = [] {
    QString s;
    for (char16_t c : kScrambledSuffix) {
      if (c == 0) break;
      s.append(QChar(static_cast<char16_t>(c - 6)));
    }
    return s.toUtf8();
  }();
  return QCoreApplication::translate("AppTitle", suffix.constData());
}

QString BuildAppTitle() { return QStringLiteral("Orvanta - ") + AppTitleSuffix(); }
