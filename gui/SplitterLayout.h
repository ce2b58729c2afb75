#pragma once

#include <QList>

// How a two-pane static splitter shares `available` pixels: the first pane
// takes its ideal size (at most all of it), the second the rest; a second
// pane left with less than its minimum gets no room at all.
QList<int> TwoPaneSizes(int available, int firstIdeal, int secondMinimum);
