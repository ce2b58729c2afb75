#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Pure layout arithmetic of the outlook bar: where the folder buttons, the items,
// the scroll arrows and the drop marker go, and what a point hits. Bottoms and
// rights are exclusive (y + height), as the layout is written.

constexpr int kOutbarFolderHeight = 22;
constexpr int kOutbarLargeLabelGap = 3;  // between a large icon and its label
constexpr int kOutbarSmallLabelGap = 4;  // between a small icon and its label
constexpr int kOutbarLargeSpacing = 8;
constexpr int kOutbarSmallSpacing = 10;
constexpr int kOutbarMarginLeft = 5;
constexpr int kOutbarMarginTop = 5;
constexpr int kOutbarArrowInset = 5;

inline int BottomOf(const QRect& r) { return r.y() + r.height(); }
inline int RightOf(const QRect& r) { return r.x() + r.width(); }

struct OutbarItemRects {
  QRect item;   // the whole slot of the item
  QRect icon;
  QRect label;  // the text's own box
};

enum class OutbarHitKind { Nothing, UpArrow, DownArrow, Folder, Item, BelowLastItem };

struct OutbarHit {
  OutbarHitKind kind = OutbarHitKind::Nothing;
  int index = -1;  // folder or item index
  bool operator==(const OutbarHit&) const = default;
};

struct OutbarLayoutInput {
  QRect client;
  int folderCount = 0;
  int currentFolder = 0;
  int firstVisible = 0;
  QSize iconSize;
  QList<QSize> labelSizes;  // one per item of the current folder
  bool smallIcons = false;
  int arrowSide = 16;
};

struct OutbarGeometry {
  QRect client;
  QList<QRect> folders;
  QRect itemsArea;
  QList<OutbarItemRects> items;  // entries before the first visible item are empty
  int firstVisible = 0;
  int spacing = kOutbarLargeSpacing;
  QRect upArrow;    // empty while hidden
  QRect downArrow;  // empty while hidden

  // Order: up arrow, down arrow, folder buttons, items (icon or label only).
  OutbarHit HitTest(QPoint p) const;
  // Row of the drop marker for inserting before `target` (== item count: after the last).
  int DropMarkerY(int target) const;
};

QRect OutbarFolderRect(const QRect& client, int folderCount, int currentFolder, int folder);
QRect OutbarItemsArea(const QRect& client, int folderCount, int currentFolder);
QList<OutbarItemRects> LayOutOutbarItems(const QRect& area, int firstVisible, QSize iconSize,
                                         const QList<QSize>& labelSizes, bool smallIcons);
OutbarGeometry LayOutOutbar(const OutbarLayoutInput& in);

// One frame of the slide from folder `from` to folder `to`, `offset` px along.
// The upper region shows the items of the lower-numbered of the two folders, the
// lower region those of the higher-numbered one.
struct OutbarSlideFrame {
  QList<QRect> folders;
  QRect upper;
  QRect lower;
};
int OutbarSlideDistance(const QRect& client, int folderCount);
OutbarSlideFrame OutbarSlide(const QRect& client, int folderCount, int from, int to, int offset);
