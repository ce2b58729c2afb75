#pragma once

// Turning the display list into pixels. Lines, traces and handles are
// written straight into a 32-bit image with the one-pixel line rule of
// PixelLine.h (start painted, end not); texts go through a QPainter on the
// same pixels, laid out once (TextLayouts.h).

#include "display/DisplayList.h"
#include "display/DisplayStyle.h"

#include <QRegion>

#include <vector>

class QImage;
class QPainter;

// Draws every item in order onto `image` (32-bit), over what is there.
void PaintDisplayList(QImage& image, const DisplayList& list, const DisplayStyle& style);

// The pixels each item can paint, in the list's order; an empty rectangle
// for an item that paints nothing.
std::vector<QRect> DisplayItemBounds(const DisplayList& list, const DisplayStyle& style);

// Where a picture is painted: the picture's pixel (0, 0) lies at `origin` in
// `image`, and `textPainter` draws on the same pixels in picture coordinates.
struct PictureTarget {
  QImage& image;
  QPoint origin;
  QPainter& textPainter;
};

// Repaints `region` (picture coordinates) of a picture: fills it with the
// background, then draws, clipped to it, every item whose bounds (from
// DisplayItemBounds) meet it. Pixels outside the region are not touched.
void PaintDisplayRegion(PictureTarget target, const QRegion& region, const DisplayList& list,
                        const std::vector<QRect>& bounds, const DisplayStyle& style);
