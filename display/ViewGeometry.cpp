#include "display/ComposeDisplay.h"

ViewGeometry GeometryForClient(int clientWidth, int clientHeight) {
  // The plot keeps its 600 x 400 pixels whatever the window size; C++
  // division truncates toward zero, so a narrow window gives a negative left.
  return {clientWidth, clientHeight, (clientWidth - 600) / 4, (clientHeight - 400) / 2 - 6};
}
