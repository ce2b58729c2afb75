#include "gui/SplitterLayout.h"

#include <algorithm>

QList<int> TwoPaneSizes(int available, int firstIdeal, int secondMinimum) {
  available = std::max(available, 0);
  int first = std::clamp(firstIdeal, 0, available);
  int second = available - first;
  if (second < secondMinimum) {
    first = available;
    second = 0;
  }
  return {first, second};
}
