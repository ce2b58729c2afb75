#include "display/ScreenPicture.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

bool SameGeometry(const ViewGeometry& a, const ViewGeometry& b) {
  return a.clientWidth == b.clientWidth && a.clientHeight == b.clientHeight && a.plotLeft == b.plotLeft &&
         a.plotTop == b.plotTop;
}

// The image a painter writes into, when it is one we can write into as well:
// a raster engine on a detached 32-bit ARGB image, moved by a whole-pixel
// offset at most (a widget's place in its window). `origin` is the painter's
// (0, 0) in the image.
QImage* PlainImageOf(QPainter& painter, QPoint* origin) {
  QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format f = image->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied) {
    return nullptr;
  }
  if (image->devicePixelRatio() != 1.0 || !image->isDetached()) return nullptr;
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxTranslate || t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy())) return nullptr;
  *origin = QPoint(qRound(t.dx()), qRound(t.dy()));
  return image;
}

}  // namespace

QRegion ScreenPicture::Update(const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                              const DisplayStyle& style) {
  std::swap(list_, previous_);
  std::swap(bounds_, previousBounds_);
  list_.items.clear();
  BuildDisplay(list_, ch1, ch2, geometry, ComposeOptions{});
  const DisplayStyle traced = WithTraceColours(style);
  bounds_ = DisplayItemBounds(list_, traced);

  const bool redrawAll = !built_ || !SameGeometry(geometry, geometry_) || !(traced == style_);
  geometry_ = geometry;
  style_ = traced;
  built_ = true;
  const QRect client = ClientRect();
  if (redrawAll) return QRegion(client);

  // An item that differs from the one drawn in its place before repaints
  // both their pixels; so does every item beyond the shorter list.
  QRegion changed;
  auto add = [&](const QRect& r) {
    const QRect visible = r & client;
    if (!visible.isEmpty()) changed |= visible;
  };
  const size_t common = std::min(list_.items.size(), previous_.items.size());
  for (size_t i = 0; i < common; ++i) {
    if (list_.items[i] == previous_.items[i]) continue;
    add(previousBounds_[i]);
    add(bounds_[i]);
  }
  for (size_t i = common; i < previous_.items.size(); ++i) add(previousBounds_[i]);
  for (size_t i = common; i < list_.items.size(); ++i) add(bounds_[i]);
  return changed;
}

bool ScreenPicture::IsBuiltFor(const ViewGeometry& geometry) const {
  return built_ && SameGeometry(geometry, geometry_);
}

void ScreenPicture::Paint(QPainter& painter, const QRegion& region) {
  const QRegion area = region & ClientRect();
  if (!built_ || area.isEmpty()) return;

  QPoint origin;
  if (QImage* image = PlainImageOf(painter, &origin)) {
    PaintDisplayRegion({*image, origin, painter}, area, list_, bounds_, style_);
    return;
  }

  // Any other device: paint the region's box into a scratch image, copy the region.
  const QRect box = area.boundingRect();
  if (scratch_.width() < box.width() || scratch_.height() < box.height()) {
    scratch_ = QImage(box.size().expandedTo(scratch_.size()), QImage::Format_RGB32);
  }
  {
    QPainter scratchPainter(&scratch_);
    scratchPainter.translate(-box.topLeft());
    PaintDisplayRegion({scratch_, -box.topLeft(), scratchPainter}, area, list_, bounds_, style_);
  }
  painter.save();
  painter.setClipRegion(area, Qt::IntersectClip);
  painter.drawImage(box.topLeft(), scratch_, QRect(QPoint(0, 0), box.size()));
  painter.restore();
}
