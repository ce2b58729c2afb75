#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdint>

// The one message the outlook bar sends to its owner (WM_USER + 1), and its codes.
constexpr int WM_OUTBAR_EVENT = 0x401;
constexpr int OBE_ITEM_CLICKED = 1;     // argument: item index in the current folder
constexpr int OBE_ITEM_MOVED = 4;       // argument: address of an OutbarMoveInfo
constexpr int OBE_FOLDER_SELECTED = 5;  // argument: the new current folder

// Feature bits of the bar's flags.
constexpr unsigned kOutbarSmallIcons = 0x1;      // icon left, label right (else icon above label)
constexpr unsigned kOutbarDragItems = 0x80;      // items may be dragged to a new place
constexpr unsigned kOutbarAnimate = 0x100;       // folder changes slide
constexpr unsigned kOutbarSelectedFrame = 0x200; // the selected item keeps a sunken frame

// Kinds of icon list for SetIconList.
constexpr int kOutbarSmallIconList = 1;
constexpr int kOutbarLargeIconList = 2;

// Images of one size, picked by an item's image index.
struct OutbarIconList {
  QSize iconSize;
  QList<QPixmap> images;
};

struct OutbarItem {
  int image = 0;
  QString label;
  int data = 0;
};

struct OutbarFolder {
  QString label;
  QList<OutbarItem> items;
  int userData = 0;
  // A folder may bring its own icons; without them the bar's lists are used.
  OutbarIconList* largeIcons = nullptr;
  OutbarIconList* smallIcons = nullptr;
};

// Passed by address with OBE_ITEM_MOVED. The target place stays with the bar.
struct OutbarMoveInfo {
  std::int32_t unused1 = 0;
  std::int32_t unused2 = 0;
  std::int32_t folder = 0;
  std::int32_t item = 0;
};

// Receives the bar's events synchronously; the answer matters for OBE_ITEM_MOVED
// (nonzero: perform the move).
class OutbarEventOwner {
 public:
  virtual ~OutbarEventOwner() = default;
  virtual long OnOutbarEvent(int code, long long argument) = 0;
};
