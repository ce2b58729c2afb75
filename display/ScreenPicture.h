#pragma once

// The measurement picture as the view shows it, repainted only where it
// changes. Each tick builds the whole display list, exactly as the bitmap
// export and the report do, and compares it item by item with the list on
// screen: only the pixels under items that differ (where the old one was and
// where the new one is) are repainted, by filling them with the background
// and drawing every item that meets them, in order. The grid, labels and
// frame are therefore drawn again only where a trace or readout crosses
// them, or everywhere after a resize or a change of settings, and a frozen
// picture costs nothing at all.

#include "analysis/TraceBuffer.h"
#include "display/ComposeDisplay.h"

#include <QImage>
#include <QRegion>

#include <vector>

class QPainter;

class ScreenPicture {
 public:
  // Builds this tick's picture (measuring as a screen paint does) with
  // g_settings' trace colours on `style`. Returns the part of the client area
  // that differs from the picture built before: all of it the first time,
  // after a resize and after a change of style.
  QRegion Update(const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                 const DisplayStyle& style);

  // A picture has been built for a client area of this geometry.
  bool IsBuiltFor(const ViewGeometry& geometry) const;

  // Paints `region` (client coordinates) of the picture with `painter`.
  // When the painter draws on a plain 32-bit image (a widget's backing
  // store, untransformed but for the widget's offset) the pixels are written
  // there directly; otherwise the region is painted into a scratch image and
  // copied.
  void Paint(QPainter& painter, const QRegion& region);

  const DisplayList& List() const { return list_; }

 private:
  QRect ClientRect() const { return QRect(0, 0, geometry_.clientWidth, geometry_.clientHeight); }

  DisplayList list_, previous_;
  std::vector<QRect> bounds_, previousBounds_;
  DisplayStyle style_;
  ViewGeometry geometry_;
  bool built_ = false;
  QImage scratch_;
};
