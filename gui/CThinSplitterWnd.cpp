#include "gui/CThinSplitterWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSplitterHandle>

#include <algorithm>

namespace {

// A bar between two panes: button colour, nothing else. Its drags stop at
// the splitter's last-pane minimum.
class FlatHandle : public QSplitterHandle {
 public:
  FlatHandle(Qt::Orientation orientation, CThinSplitterWnd* splitter)
      : QSplitterHandle(orientation, splitter), splitter_(splitter) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
  }
  void mousePressEvent(QMouseEvent* event) override {
    grip_ = Along(event->position().toPoint());
    QSplitterHandle::mousePressEvent(event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    QMouseEvent held = HeldBack(*event);
    QSplitterHandle::mouseMoveEvent(&held);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QMouseEvent held = HeldBack(*event);
    QSplitterHandle::mouseReleaseEvent(&held);
  }

 private:
  int Along(QPoint p) const { return orientation() == Qt::Horizontal ? p.x() : p.y(); }

  // The event with the pointer moved back, along the splitter, to where the
  // bar leaves the last pane its drag minimum.
  QMouseEvent HeldBack(const QMouseEvent& event) const {
    QPoint at = splitter_->mapFromGlobal(event.globalPosition().toPoint());
    const int extent = orientation() == Qt::Horizontal ? splitter_->width() : splitter_->height();
    const int limit = extent - splitter_->handleWidth() - splitter_->LastPaneDragMinimum() + grip_;
    if (splitter_->LastPaneDragMinimum() > 0 && Along(at) > limit) {
      if (orientation() == Qt::Horizontal)
        at.setX(limit);
      else
        at.setY(limit);
    }
    const QPoint global = splitter_->mapToGlobal(at);
    return QMouseEvent(event.type(), mapFromGlobal(global), global, event.button(), event.buttons(),
                       event.modifiers());
  }

  CThinSplitterWnd* splitter_;
  int grip_ = 0;  // where along the bar the pointer took it
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
