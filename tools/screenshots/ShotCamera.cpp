#include "tools/screenshots/ShotCamera.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdio>

QRect GrowWithin(const QRect& area, int margin, const QRect& bounds) {
  return area.adjusted(-margin, -margin, margin, margin).intersected(bounds);
}

QImage Tile(const QList<QImage>& images, int columns, int gap, const QColor& background) {
  if (images.isEmpty() || columns < 1) return {};
  QSize cell;
  for (const QImage& image : images) cell = cell.expandedTo(image.size());
  const int used = std::min(columns, static_cast<int>(images.size()));
  const int rows = (static_cast<int>(images.size()) + columns - 1) / columns;
  QImage out(gap + used * (cell.width() + gap), gap + rows * (cell.height() + gap), QImage::Format_RGB32);
  out.fill(background);
  QPainter painter(&out);
  for (int i = 0; i < images.size(); ++i)
    painter.drawImage(gap + (i % columns) * (cell.width() + gap), gap + (i / columns) * (cell.height() + gap),
                      images[i]);
  return out;
}

QImage ShotCamera::Grab(const QRect& area) const {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || area.isEmpty()) return {};
  // Window 0 is the whole screen: menus and dialogs are windows of their own.
  return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QRect ShotCamera::AreaOf(const QWidget* widget) {
  if (widget->isWindow()) return widget->frameGeometry();
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

bool ShotCamera::Save(const QString& name, const QImage& image) const {
  const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
  QSaveFile file(path);
  QString reason;
  if (image.isNull()) reason = QStringLiteral("nothing was grabbed");
  else if (!file.open(QIODevice::WriteOnly)) reason = file.errorString();
  else if (!image.save(&file, "PNG"))
    reason = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the PNG could not be made");
  else if (!file.commit()) reason = file.errorString();
  if (reason.isEmpty()) return true;
  std::fprintf(stderr, "ondrix-shots: cannot write %s: %s\n", qUtf8Printable(path), qUtf8Printable(reason));
  return false;
}
