#pragma once

// One-pixel lines and rectangles written straight into a 32-bit image.
//
// A line paints its start point and every pixel towards its end point, but
// not the end point itself, so the segments of a polyline meet without a
// pixel painted twice and a line of no length paints nothing. One pixel is
// painted per step along the longer axis; across it the pixel nearest the
// ideal line is taken, and where the line passes exactly between two pixels
// the one with the smaller coordinate (left, or up). A line therefore covers
// the same pixels in either direction, apart from its two end points.

#include <QImage>
#include <QPoint>
#include <QRect>

enum class LineDash {
  Solid,
  Dotted,  // one pixel on, two off, counted from the line's start
};

// Paints the line from `from` to `to` (end point excluded) in `colour`,
// touching only pixels inside both `clip` and the image. The image must be a
// 32-bit format (RGB32, ARGB32 or ARGB32_Premultiplied) and `colour` opaque.
// Any int coordinates are allowed; the work is bounded by the clip's size.
void DrawPixelLine(QImage& image, QPoint from, QPoint to, QRgb colour, LineDash dash, const QRect& clip);

// Sets every pixel of `rect` inside `clip` and the image to `colour`.
void FillPixels(QImage& image, const QRect& rect, QRgb colour, const QRect& clip);
