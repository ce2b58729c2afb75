#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// `area` grown by `margin` pixels on every side and cut to `bounds`.
QRect GrowWithin(const QRect& area, int margin, const QRect& bounds);

// `images` in rows of `columns`, each in a cell as large as the largest
// image, top left in its cell; `gap` pixels between the cells and around
// them, filled with `background`. A null image when there are none.
QImage Tile(const QList<QImage>& images, int columns, int gap, const QColor& background);

// Takes pictures of the screen as the X server shows it (the windows and
// whatever menu or dialog is open over them) and writes them as PNG files
// into one folder.
class ShotCamera {
 public:
  explicit ShotCamera(QString folder) : folder_(std::move(folder)) {}

  // The screen within `area` (screen coordinates); null when it cannot be grabbed.
  QImage Grab(const QRect& area) const;
  // Where `widget` is on the screen: a window with its frame, a child widget
  // as it lies in its window.
  static QRect AreaOf(const QWidget* widget);
  // Writes `image` as NAME.png in the folder, replacing an older one only
  // once the new one is complete. False, with the reason on stderr, when it
  // cannot.
  bool Save(const QString& name, const QImage& image) const;
  // Grab, then Save.
  bool Shoot(const QString& name, const QRect& area) const { return Save(name, Grab(area)); }

 private:
  QString folder_;
};
