#include "gui/CGfxOutBarCtrl.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QStyle>
#include <QThread>

#include <climits>
#include <utility>

CGfxOutBarCtrl::CGfxOutBarCtrl(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted in paintEvent; nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
  hoverTimer_.setInterval(100);
  connect(&hoverTimer_, &QTimer::timeout, this, &CGfxOutBarCtrl::OnHoverTimer);
  arrowTimer_.setInterval(300);
  connect(&arrowTimer_, &QTimer::timeout, this, &CGfxOutBarCtrl::OnArrowTimer);
}

bool CGfxOutBarCtrl::CreateBar(unsigned /*style*/, const QRect& rect, QWidget* parent, int id, unsigned flags) {
  flags_ = flags;
  controlId_ = id;
  setParent(parent);
  setGeometry(rect);
  show();
  return true;
}

OutbarIconList* CGfxOutBarCtrl::SetIconList(OutbarIconList* list, int kind) {
  OutbarIconList** slot = kind == kOutbarSmallIconList ? &smallIcons_
                          : kind == kOutbarLargeIconList ? &largeIcons_
                                                         : nullptr;
  if (!slot) return nullptr;
  std::swap(*slot, list);
  update();
  return list;
}

int CGfxOutBarCtrl::AppendFolder(const QString& label, int userData) {
  OutbarFolder folder;
  folder.label = label;
  folder.userData = userData;
  folders_.append(folder);
  update();
  return FolderCount() - 1;
}

int CGfxOutBarCtrl::InsertFolderItem(int folder, int index, const QString& label, int image, int data) {
  if (folder < 0 || folder >= FolderCount()) return -1;
  QList<OutbarItem>& items = folders_[folder].items;
  if (index < 0 || index > items.size()) index = static_cast<int>(items.size());
  items.insert(index, OutbarItem{image, label, data});
  update();
  return index;
}

void CGfxOutBarCtrl::OpenFolder(int folder) {
  if (folder < 0 || folder >= FolderCount() || folder == currentFolder_) return;
  // A hidden bar has nothing to show, and a slide needs a real folder to start from.
  const bool slide = (flags_ & kOutbarAnimate) && slideDelay_ >= 0 && isVisible() && currentFolder_ >= 0 &&
                     currentFolder_ < FolderCount();
  if (slide) {
    slideTo_ = folder;
    const int distance = OutbarSlideDistance(contentsRect(), FolderCount());
    for (slideOffset_ = kOutbarFolderHeight; slideOffset_ < distance; slideOffset_ += kOutbarFolderHeight) {
      repaint();
      QThread::msleep(static_cast<unsigned long>(slideDelay_));
    }
    slideTo_ = -1;
  }
  currentFolder_ = folder;
  firstVisible_ = 0;
  selectedItem_ = -1;
  hoveredItem_ = -1;
  Notify(OBE_FOLDER_SELECTED, folder);
  update();
}

const OutbarFolder* CGfxOutBarCtrl::Current() const {
  if (currentFolder_ < 0 || currentFolder_ >= FolderCount()) return nullptr;
  return &folders_[currentFolder_];
}

int CGfxOutBarCtrl::ItemCount() const {
  const OutbarFolder* f = Current();
  return f ? static_cast<int>(f->items.size()) : 0;
}

QString CGfxOutBarCtrl::GetItemLabel(int item) const {
  if (item < 0 || item >= ItemCount()) return {};
  return Current()->items[item].label;
}

int CGfxOutBarCtrl::GetItemValue(int item) const {
  if (item < 0 || item >= ItemCount()) return 0;
  return Current()->items[item].data;
}

const OutbarIconList* CGfxOutBarCtrl::IconsOf(int folder) const {
  const bool small = flags_ & kOutbarSmallIcons;
  if (folder >= 0 && folder < FolderCount()) {
    const OutbarFolder& f = folders_[folder];
    if (OutbarIconList* own = small ? f.smallIcons : f.largeIcons) return own;
  }
  return small ? smallIcons_ : largeIcons_;
}

QList<QSize> CGfxOutBarCtrl::LabelSizes(int folder, int width) const {
  QList<QSize> sizes;
  if (folder < 0 || folder >= FolderCount()) return sizes;
  const QFontMetrics fm(QApplication::font());
  for (const OutbarItem& item : folders_[folder].items) {
    if (flags_ & kOutbarSmallIcons)
      sizes.append(fm.size(Qt::TextSingleLine, item.label));
    else
      sizes.append(fm.boundingRect(QRect(0, 0, width, INT_MAX / 2), Qt::AlignHCenter | Qt::TextWordWrap, item.label).size());
  }
  return sizes;
}

OutbarGeometry CGfxOutBarCtrl::Geometry() const {
  OutbarLayoutInput in;
  in.client = contentsRect();
  in.folderCount = FolderCount();
  in.currentFolder = currentFolder_;
  in.firstVisible = firstVisible_;
  const OutbarIconList* icons = IconsOf(currentFolder_);
  in.iconSize = icons ? icons->iconSize : QSize(0, 0);
  in.labelSizes = LabelSizes(currentFolder_, in.client.width());
  in.smallIcons = flags_ & kOutbarSmallIcons;
  in.arrowSide = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return LayOutOutbar(in);
}

long CGfxOutBarCtrl::Notify(int code, long long argument) {
  // Without an explicit owner the parent receives the events, if it is one.
  OutbarEventOwner* owner = owner_ ? owner_ : dynamic_cast<OutbarEventOwner*>(parentWidget());
  const long result = owner ? owner->OnOutbarEvent(code, argument) : 0;
  emit outbarEvent(code, argument);
  return result;
}

void CGfxOutBarCtrl::Scroll(OutbarHitKind arrow) {
  if (arrow == OutbarHitKind::DownArrow && !Geometry().downArrow.isEmpty())
    ++firstVisible_;
  else if (arrow == OutbarHitKind::UpArrow && firstVisible_ > 0)
    --firstVisible_;
  else
    return;
  update();
}

void CGfxOutBarCtrl::MoveItem(int from, int target) {
  if (!Current()) return;
  if (target > from) --target;  // the item leaves its old place first
  folders_[currentFolder_].items.move(from, target);
  // The selection stays on the item it marked.
  if (selectedItem_ == from)
    selectedItem_ = target;
  else if (from < selectedItem_ && selectedItem_ <= target)
    --selectedItem_;
  else if (target <= selectedItem_ && selectedItem_ < from)
    ++selectedItem_;
  hoveredItem_ = -1;
  update();
}

int CGfxOutBarCtrl::DropTarget(const OutbarHit& hit) const {
  if (hit.kind == OutbarHitKind::Item && hit.index != pressedItem_) return hit.index;
  if (hit.kind == OutbarHitKind::BelowLastItem) return ItemCount();
  return -1;
}

void CGfxOutBarCtrl::UpdateDrag(const OutbarHit& hit) {
  dropTarget_ = DropTarget(hit);
  const bool droppable = hit.kind == OutbarHitKind::Item || hit.kind == OutbarHitKind::BelowLastItem;
  setCursor(droppable ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  update();
}

void CGfxOutBarCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  lastMousePos_ = event->position().toPoint();
  const OutbarHit hit = Geometry().HitTest(lastMousePos_);
  switch (hit.kind) {
    case OutbarHitKind::UpArrow:
    case OutbarHitKind::DownArrow:
      pressedArrow_ = hit.kind;
      arrowTimer_.start();
      break;
    case OutbarHitKind::Folder:
      pressedFolder_ = hit.index;
      pressedFolderLook_ = true;
      break;
    case OutbarHitKind::Item:
      pressedItem_ = hit.index;
      pressedItemLook_ = true;
      dragging_ = false;
      dropTarget_ = -1;
      break;
    default:
      return;
  }
  update();
}

void CGfxOutBarCtrl::mouseMoveEvent(QMouseEvent* event) {
  lastMousePos_ = event->position().toPoint();
  const OutbarHit hit = Geometry().HitTest(lastMousePos_);
  if (pressedArrow_ != OutbarHitKind::Nothing) return;
  if (pressedFolder_ >= 0) {
    pressedFolderLook_ = hit == OutbarHit{OutbarHitKind::Folder, pressedFolder_};
    update();
    return;
  }
  if (pressedItem_ >= 0) {
    if (!dragging_) {
      // Over an item the press look follows the pointer; leaving the items starts a drag.
      if (hit.kind == OutbarHitKind::Item || !(flags_ & kOutbarDragItems)) {
        pressedItemLook_ = hit == OutbarHit{OutbarHitKind::Item, pressedItem_};
        update();
        return;
      }
      dragging_ = true;
      pressedItemLook_ = false;
    }
    UpdateDrag(hit);
    return;
  }
  const int folder = hit.kind == OutbarHitKind::Folder ? hit.index : -1;
  const int item = hit.kind == OutbarHitKind::Item ? hit.index : -1;
  if (folder != hoveredFolder_ || item != hoveredItem_) {
    hoveredFolder_ = folder;
    hoveredItem_ = item;
    update();
  }
  if (folder >= 0 || item >= 0) hoverTimer_.start();
}

void CGfxOutBarCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  lastMousePos_ = event->position().toPoint();
  const OutbarHit hit = Geometry().HitTest(lastMousePos_);
  update();
  if (pressedArrow_ != OutbarHitKind::Nothing) {
    const OutbarHitKind arrow = std::exchange(pressedArrow_, OutbarHitKind::Nothing);
    arrowTimer_.stop();
    if (hit.kind == arrow) Scroll(arrow);
    return;
  }
  if (pressedFolder_ >= 0) {
    const int folder = std::exchange(pressedFolder_, -1);
    if (hit == OutbarHit{OutbarHitKind::Folder, folder}) OpenFolder(folder);
    return;
  }
  if (pressedItem_ < 0) return;
  const int item = pressedItem_;
  const bool dragged = dragging_;
  const int target = DropTarget(hit);
  pressedItem_ = -1;
  dragging_ = false;
  dropTarget_ = -1;
  unsetCursor();
  if (!dragged) {
    if (hit == OutbarHit{OutbarHitKind::Item, item}) {
      selectedItem_ = item;
      Notify(OBE_ITEM_CLICKED, item);
    }
    return;
  }
  if (target < 0) return;
  OutbarMoveInfo info;
  info.folder = currentFolder_;
  info.item = item;
  if (Notify(OBE_ITEM_MOVED, reinterpret_cast<long long>(&info)) != 0) MoveItem(item, target);
}

void CGfxOutBarCtrl::OnHoverTimer() {
  if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
  hoveredFolder_ = -1;
  hoveredItem_ = -1;
  hoverTimer_.stop();
  update();
}

void CGfxOutBarCtrl::OnArrowTimer() {
  if (Geometry().HitTest(lastMousePos_).kind == pressedArrow_) Scroll(pressedArrow_);
}
