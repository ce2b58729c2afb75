#include "gui/SplitterLayout.h"

#include <algorithm>

QList<int> TwoPaneSizes(int available, int firstIdeal, int secondMinimum) {
  available = std::max(available, 0);
  const int first = std::clamp(firstIdeal, 0, std::max(available - secondMinimum, 0));
  return {first, available - first};
}
