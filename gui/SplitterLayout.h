#pragma once

#include <QList>

// How a two-pane splitter shares `available` pixels: the first pane takes
// its ideal size, but leaves the second at least its minimum; the second
// takes the rest.
QList<int> TwoPaneSizes(int available, int firstIdeal, int secondMinimum);
