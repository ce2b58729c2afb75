// Painting of the outlook bar: folder buttons, items, scroll arrows, the drop
// marker, the slide frames and the sunken frame around it all.
#include "gui/CGfxOutBarCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace {

const QColor kBackground(102, 102, 153);

// A 1-px 3-D rectangle: one colour on the top and left, another on the bottom and right.
void Draw3dRect(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  const int right = RightOf(r) - 1;
  const int bottom = BottomOf(r) - 1;
  p.setPen(topLeft);
  p.drawLine(r.x(), r.y(), right - 1, r.y());
  p.drawLine(r.x(), r.y(), r.x(), bottom - 1);
  p.setPen(bottomRight);
  p.drawLine(r.x(), bottom, right, bottom);
  p.drawLine(right, r.y(), right, bottom);
}

}  // namespace

void CGfxOutBarCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect client = contentsRect();
  p.setClipRect(client);
  p.setFont(QApplication::font());

  if (slideTo_ >= 0) {
    const OutbarSlideFrame frame = OutbarSlide(client, FolderCount(), currentFolder_, slideTo_, slideOffset_);
    const int lo = std::min(currentFolder_, slideTo_);
    const int hi = std::max(currentFolder_, slideTo_);
    p.fillRect(frame.upper, kBackground);
    p.fillRect(frame.lower, kBackground);
    PaintItems(p, lo, frame.upper, lo == currentFolder_ ? firstVisible_ : 0, false);
    PaintItems(p, hi, frame.lower, hi == currentFolder_ ? firstVisible_ : 0, false);
    p.setClipRect(client);
    for (int i = 0; i < frame.folders.size(); ++i) PaintFolderButton(p, frame.folders[i], i, false, false);
  } else {
    const OutbarGeometry g = Geometry();
    p.fillRect(g.itemsArea, kBackground);
    for (int i = 0; i < g.folders.size(); ++i) {
      const bool pressed = pressedFolder_ == i && pressedFolderLook_;
      PaintFolderButton(p, g.folders[i], i, hoveredFolder_ == i && pressedFolder_ < 0, pressed);
    }
    PaintItems(p, currentFolder_, g.itemsArea, firstVisible_, true);
    p.setClipRect(client);
    // Arrows go over the items so that a long label never hides them.
    if (!g.upArrow.isEmpty()) PaintArrow(p, g.upArrow, true, pressedArrow_ == OutbarHitKind::UpArrow);
    if (!g.downArrow.isEmpty()) PaintArrow(p, g.downArrow, false, pressedArrow_ == OutbarHitKind::DownArrow);
    if (dragging_ && dropTarget_ >= 0) PaintDropMarker(p, g, dropTarget_);
  }
  p.setClipping(false);
  PaintFrame(p);
}

void CGfxOutBarCtrl::PaintFrame(QPainter& p) const {
  p.setPen(palette().color(QPalette::Shadow));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  qDrawWinPanel(&p, rect().adjusted(1, 1, -1, -1), palette(), true);
}

void CGfxOutBarCtrl::PaintFolderButton(QPainter& p, const QRect& r, int folder, bool raised, bool sunken) const {
  const QPalette& pal = palette();
  p.fillRect(r, pal.color(QPalette::Button));
  const QRect inner = r.adjusted(1, 1, -1, -1);
  if (sunken) {
    Draw3dRect(p, r, pal.color(QPalette::Shadow), pal.color(QPalette::Light));
    Draw3dRect(p, inner, pal.color(QPalette::Dark), pal.color(QPalette::Midlight));
  } else {
    Draw3dRect(p, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
    if (raised) Draw3dRect(p, inner, pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
  }
  p.setPen(pal.color(QPalette::ButtonText));
  const QRect text = sunken ? r.translated(1, 1) : r;
  p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, folders_[folder].label);
}

void CGfxOutBarCtrl::PaintArrow(QPainter& p, const QRect& r, bool up, bool pushed) const {
  qDrawWinButton(&p, r, palette(), pushed, &palette().brush(QPalette::Button));
  QStyleOption option;
  option.initFrom(this);
  option.rect = r.adjusted(2, 2, -2, -2).translated(pushed ? 1 : 0, pushed ? 1 : 0);
  option.palette.setColor(QPalette::ButtonText, palette().color(QPalette::ButtonText));
  style()->drawPrimitive(up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &option, &p, this);
}

void CGfxOutBarCtrl::PaintItems(QPainter& p, int folder, const QRect& area, int firstVisible, bool marks) const {
  if (folder < 0 || folder >= FolderCount() || area.isEmpty()) return;
  const bool small = flags_ & kOutbarSmallIcons;
  const OutbarIconList* icons = IconsOf(folder);
  const QSize iconSize = icons ? icons->iconSize : QSize(0, 0);
  const QList<OutbarItem>& items = folders_[folder].items;
  const QList<OutbarItemRects> rects =
      LayOutOutbarItems(area, firstVisible, iconSize, LabelSizes(folder, area.width()), small);
  const QPalette& pal = palette();
  p.setClipRect(area);
  for (int i = std::max(0, firstVisible); i < items.size() && rects[i].item.y() < BottomOf(area); ++i) {
    const OutbarItemRects& r = rects[i];
    if (icons && items[i].image >= 0 && items[i].image < icons->images.size())
      p.drawPixmap(r.icon, icons->images[items[i].image]);
    p.setPen(pal.color(QPalette::Window));
    if (small)
      p.drawText(r.label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, items[i].label);
    else
      p.drawText(QRect(area.x(), r.label.y(), area.width(), r.label.height()),
                 Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, items[i].label);
    if (!marks) continue;
    const QRect frame = r.icon.adjusted(-2, -2, 2, 2);
    const bool pressed = i == pressedItem_ && pressedItemLook_;
    const bool selected = (flags_ & kOutbarSelectedFrame) && i == selectedItem_;
    if (pressed || selected)
      Draw3dRect(p, frame, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    else if (i == hoveredItem_ && pressedItem_ < 0)
      Draw3dRect(p, frame, pal.color(QPalette::Light), pal.color(QPalette::Dark));
  }
}

void CGfxOutBarCtrl::PaintDropMarker(QPainter& p, const OutbarGeometry& g, int target) const {
  const int y = g.DropMarkerY(target);
  const int left = g.itemsArea.x() + 2;
  const int right = RightOf(g.itemsArea) - 3;
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(left, y, right, y);
  // Wedges pointing inwards at both ends.
  for (int k = 0; k < 4; ++k) {
    p.drawLine(left + k, y - 3 + k, left + k, y + 3 - k);
    p.drawLine(right - k, y - 3 + k, right - k, y + 3 - k);
  }
}
