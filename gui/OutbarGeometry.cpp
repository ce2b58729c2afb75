#include "gui/OutbarGeometry.h"

#include <algorithm>

namespace {

// Folders 0..current stand at the top; the ones after it at the bottom.
int FoldersOnTop(int folderCount, int currentFolder) {
  if (folderCount <= 0) return 0;
  return std::clamp(currentFolder, 0, folderCount - 1) + 1;
}

QRect AboveBottomEdge(const QRect& client, int bottom, int height) {
  return QRect(client.x(), bottom - height, client.width(), height);
}

}  // namespace

QRect OutbarFolderRect(const QRect& client, int folderCount, int currentFolder, int folder) {
  if (folder < FoldersOnTop(folderCount, currentFolder))
    return QRect(client.x(), client.y() - 1 + kOutbarFolderHeight * folder, client.width(), kOutbarFolderHeight);
  const int bottom = BottomOf(client) - kOutbarFolderHeight * (folderCount - folder - 1);
  return AboveBottomEdge(client, bottom, kOutbarFolderHeight);
}

QRect OutbarItemsArea(const QRect& client, int folderCount, int currentFolder) {
  const int onTop = FoldersOnTop(folderCount, currentFolder);
  const int top = client.y() - 1 + kOutbarFolderHeight * onTop;
  const int bottom = BottomOf(client) - kOutbarFolderHeight * (folderCount - onTop);
  return QRect(client.x(), top, client.width(), std::max(0, bottom - top));
}

QList<OutbarItemRects> LayOutOutbarItems(const QRect& area, int firstVisible, QSize iconSize,
                                         const QList<QSize>& labelSizes, bool smallIcons) {
  QList<OutbarItemRects> items(labelSizes.size());
  int y = area.y() + kOutbarMarginTop;
  for (int i = std::max(0, firstVisible); i < labelSizes.size(); ++i) {
    const QSize label = labelSizes[i];
    OutbarItemRects& r = items[i];
    if (smallIcons) {
      const int height = std::max(iconSize.height(), label.height());
      const int x = area.x() + kOutbarMarginLeft;
      r.item = QRect(x, y, area.width() - kOutbarMarginLeft, height);
      r.icon = QRect(QPoint(x, y + (height - iconSize.height()) / 2), iconSize);
      r.label = QRect(QPoint(x + iconSize.width() + kOutbarSmallLabelGap, y + (height - label.height()) / 2), label);
      y += height + kOutbarSmallSpacing;
    } else {
      const int height = iconSize.height() + kOutbarLargeLabelGap + label.height() + kOutbarLargeSpacing;
      r.item = QRect(area.x(), y, area.width(), height);
      r.icon = QRect(QPoint(area.x() + (area.width() - iconSize.width()) / 2, y), iconSize);
      r.label = QRect(QPoint(area.x() + (area.width() - label.width()) / 2, y + iconSize.height() + kOutbarLargeLabelGap),
                      label);
      y += height + kOutbarLargeSpacing;
    }
  }
  return items;
}

OutbarGeometry LayOutOutbar(const OutbarLayoutInput& in) {
  OutbarGeometry g;
  g.client = in.client;
  for (int i = 0; i < in.folderCount; ++i)
    g.folders.append(OutbarFolderRect(in.client, in.folderCount, in.currentFolder, i));
  g.itemsArea = OutbarItemsArea(in.client, in.folderCount, in.currentFolder);
  g.firstVisible = in.firstVisible;
  g.spacing = in.smallIcons ? kOutbarSmallSpacing : kOutbarLargeSpacing;
  g.items = LayOutOutbarItems(g.itemsArea, in.firstVisible, in.iconSize, in.labelSizes, in.smallIcons);

  const QRect& a = g.itemsArea;
  const int side = in.arrowSide;
  const int x = RightOf(a) - kOutbarArrowInset - side;
  if (in.firstVisible > 0) g.upArrow = QRect(x, a.y() + kOutbarArrowInset, side, side);
  if (!g.items.isEmpty() && BottomOf(g.items.last().item) > BottomOf(a))
    g.downArrow = QRect(x, BottomOf(a) - kOutbarArrowInset - side, side, side);
  return g;
}

OutbarHit OutbarGeometry::HitTest(QPoint p) const {
  if (!client.contains(p)) return {};
  if (upArrow.contains(p)) return {OutbarHitKind::UpArrow, -1};
  if (downArrow.contains(p)) return {OutbarHitKind::DownArrow, -1};
  for (int i = 0; i < folders.size(); ++i)
    if (folders[i].contains(p)) return {OutbarHitKind::Folder, i};
  if (!itemsArea.contains(p)) return {};
  for (int i = std::max(0, firstVisible); i < items.size(); ++i)
    if (items[i].icon.contains(p) || items[i].label.contains(p)) return {OutbarHitKind::Item, i};
  if (items.isEmpty() || p.y() >= BottomOf(items.last().item)) return {OutbarHitKind::BelowLastItem, -1};
  return {};
}

int OutbarGeometry::DropMarkerY(int target) const {
  if (target >= items.size()) return items.isEmpty() ? itemsArea.y() + kOutbarMarginTop : BottomOf(items.last().item) + spacing / 2;
  return items[target].item.y() - spacing / 2;
}

int OutbarSlideDistance(const QRect& client, int folderCount) {
  return std::max(0, client.height() + 1 - kOutbarFolderHeight * folderCount);
}

OutbarSlideFrame OutbarSlide(const QRect& client, int folderCount, int from, int to, int offset) {
  OutbarSlideFrame f;
  const int lo = std::min(from, to);
  const int hi = std::max(from, to);
  for (int i = 0; i < folderCount; ++i) {
    QRect r = OutbarFolderRect(client, folderCount, from, i);
    if (i > lo && i <= hi) r.translate(0, to > from ? -offset : offset);
    f.folders.append(r);
  }
  const int upperTop = BottomOf(f.folders[lo]);
  f.upper = QRect(client.x(), upperTop, client.width(), std::max(0, f.folders[lo + 1].y() - upperTop));
  const int lowerTop = BottomOf(f.folders[hi]);
  const int lowerBottom = hi + 1 < folderCount ? f.folders[hi + 1].y() : BottomOf(client);
  f.lower = QRect(client.x(), lowerTop, client.width(), std::max(0, lowerBottom - lowerTop));
  return f;
}
