#include "gui/DialogUnits.h"

#include <cstdint>
#include <cstdlib>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect DialogRect(const DialogBaseUnits& units, int x, int y, int w, int h) {
  return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(w, units.x, 4), MulDiv(h, units.y, 8));
}

QSize DialogSize(const DialogBaseUnits& units, int w, int h) {
  return QSize(MulDiv(w, units.x, 4), MulDiv(h, units.y, 8));
}
