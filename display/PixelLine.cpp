#include "display/PixelLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

struct QuotientRemainder {
  uint64_t quotient;
  uint64_t remainder;
};

// a * b / c with its remainder, exact for a, b, c below 2^34, where the plain
// product would need more than 64 bits: b is split into two 17-bit halves.
QuotientRemainder MulDiv(uint64_t a, uint64_t b, uint64_t c) {
  constexpr int kShift = 17;
  const uint64_t high = a * (b >> kShift);  // below 2^51
  const uint64_t rest = ((high % c) << kShift) + a * (b & ((uint64_t{1} << kShift) - 1));  // below 2^52
  return {((high / c) << kShift) + rest / c, rest % c};
}

}  // namespace

void DrawPixelLine(QImage& image, QPoint from, QPoint to, QRgb colour, LineDash dash, const QRect& clip) {
  Q_ASSERT(image.depth() == 32);
  const QRect area = clip & image.rect();
  const int64_t dx = int64_t{to.x()} - from.x();
  const int64_t dy = int64_t{to.y()} - from.y();
  if (area.isEmpty() || (dx == 0 && dy == 0)) return;

  // One pixel per step along the major axis; j counts the steps taken across it.
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int64_t dMajor = xMajor ? dx : dy;
  const int64_t dMinor = xMajor ? dy : dx;
  const int64_t major0 = xMajor ? from.x() : from.y();
  const int64_t minor0 = xMajor ? from.y() : from.x();
  const int sMajor = dMajor > 0 ? 1 : -1;
  const int sMinor = dMinor >= 0 ? 1 : -1;
  const uint64_t n = static_cast<uint64_t>(std::abs(dMajor));
  const uint64_t m = static_cast<uint64_t>(std::abs(dMinor));
  const int64_t majorLo = xMajor ? area.left() : area.top();
  const int64_t majorHi = xMajor ? area.right() : area.bottom();
  const int64_t minorLo = xMajor ? area.top() : area.left();
  const int64_t minorHi = xMajor ? area.bottom() : area.right();

  // Only the steps whose major coordinate lies inside the clip are visited.
  int64_t first = sMajor > 0 ? majorLo - major0 : major0 - majorHi;
  int64_t last = sMajor > 0 ? majorHi - major0 : major0 - majorLo;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, static_cast<int64_t>(n) - 1);
  if (first > last) return;

  // Step i lies i * m / n pixels across, rounded to the nearest pixel:
  // j = floor((2 i m + n - bias) / 2n). A bias of 1 sends exact halves down,
  // which is toward the smaller coordinate when the line runs toward larger
  // ones; a bias of 0 sends them up, toward the smaller coordinate otherwise.
  const uint64_t bias = sMinor > 0 ? 1 : 0;
  QuotientRemainder start{0, 0};
  if (first > 0) {
    const auto skipped = static_cast<uint64_t>(first);
    // The plain product fits unless the line spans more than 2^31 pixels.
    start = skipped < (uint64_t{1} << 31) && m < (uint64_t{1} << 31)
                ? QuotientRemainder{skipped * 2 * m / (2 * n), skipped * 2 * m % (2 * n)}
                : MulDiv(skipped, 2 * m, 2 * n);
  }
  auto [j, remainder] = start;
  remainder += n - bias;
  if (remainder >= 2 * n) {
    remainder -= 2 * n;
    ++j;
  }

  auto* bits = reinterpret_cast<QRgb*>(image.bits());
  const qsizetype stride = image.bytesPerLine() / 4;
  int phase = static_cast<int>(first % 3);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t minor = minor0 + sMinor * static_cast<int64_t>(j);
    if ((dash == LineDash::Solid || phase == 0) && minor >= minorLo && minor <= minorHi) {
      const int64_t major = major0 + sMajor * i;
      const int64_t x = xMajor ? major : minor;
      const int64_t y = xMajor ? minor : major;
      bits[y * stride + x] = colour;
    }
    remainder += 2 * m;
    if (remainder >= 2 * n) {
      remainder -= 2 * n;
      ++j;
    }
    if (++phase == 3) phase = 0;
  }
}

void FillPixels(QImage& image, const QRect& rect, QRgb colour, const QRect& clip) {
  Q_ASSERT(image.depth() == 32);
  const QRect area = rect & clip & image.rect();
  if (area.isEmpty()) return;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(line + area.left(), line + area.right() + 1, colour);
  }
}
