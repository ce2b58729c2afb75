#include "gui/CThinSplitterWnd.h"

#include <QPainter>
#include <QSplitterHandle>

namespace {

// A bar between two panes: button colour, nothing else.
class FlatHandle : public QSplitterHandle {
 public:
  using QSplitterHandle::QSplitterHandle;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
  }
};

}  // namespace

CThinSplitterWnd::CThinSplitterWnd(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {
  setFrameShape(QFrame::NoFrame);
  setHandleWidth(kBarWidth);
  setContentsMargins(0, kTopBand, 0, 0);
  // A drag shows a tracker line; the panes are resized when it ends.
  setOpaqueResize(false);
}

QSplitterHandle* CThinSplitterWnd::createHandle() { return new FlatHandle(orientation(), this); }

void CThinSplitterWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width();
  painter.fillRect(0, 0, w, kTopBand, palette().button());
  painter.fillRect(0, 0, w, 1, palette().dark());
  painter.fillRect(0, 1, w, 1, palette().light());
}
