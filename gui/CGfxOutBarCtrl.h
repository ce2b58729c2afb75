#pragma once

#include "gui/OutbarGeometry.h"
#include "gui/OutbarTypes.h"

#include <QTimer>
#include <QWidget>

class QPainter;

// The outlook bar: a stack of folder buttons with the icons of the open folder
// between them. It reports item clicks, item moves and folder changes to its
// owner and leaves their meaning to it.
class CGfxOutBarCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CGfxOutBarCtrl(QWidget* parent = nullptr);

  // The style is implied (a visible child with a sunken edge and a border).
  bool CreateBar(unsigned style, const QRect& rect, QWidget* parent, int id, unsigned flags);
  void SetEventOwner(OutbarEventOwner* owner) { owner_ = owner; }
  // kind 1 small, 2 large; returns the list it replaces (nullptr for any other kind).
  OutbarIconList* SetIconList(OutbarIconList* list, int kind);
  // A negative delay switches the slide off.
  void SetSlideDelay(int milliseconds) { slideDelay_ = milliseconds; }
  int AppendFolder(const QString& label, int userData);
  // An index below 0 or above the item count appends; returns the index used (-1: no such folder).
  int InsertFolderItem(int folder, int index, const QString& label, int image, int data);
  void OpenFolder(int folder);
  QString GetItemLabel(int item) const;
  int GetItemValue(int item) const;

  unsigned Flags() const { return flags_; }
  int ControlId() const { return controlId_; }
  int FolderCount() const { return static_cast<int>(folders_.size()); }
  int ItemCount() const;  // of the current folder
  int CurrentFolder() const { return currentFolder_; }
  int FirstVisibleItem() const { return firstVisible_; }
  int SelectedItem() const { return selectedItem_; }
  int HoveredFolder() const { return hoveredFolder_; }
  int HoveredItem() const { return hoveredItem_; }
  // The layout as it stands now (client = the area inside the frame).
  OutbarGeometry Geometry() const;

 signals:
  void outbarEvent(int code, qint64 argument);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  static constexpr int kFrameWidth = 3;  // 1-px border + 2-px sunken edge

  const OutbarFolder* Current() const;
  const OutbarIconList* IconsOf(int folder) const;
  QList<QSize> LabelSizes(int folder, int width) const;
  long Notify(int code, long long argument);
  void Scroll(OutbarHitKind arrow);
  void MoveItem(int from, int target);
  void UpdateDrag(const OutbarHit& hit);
  int DropTarget(const OutbarHit& hit) const;
  void OnHoverTimer();
  void OnArrowTimer();

  void PaintFrame(QPainter& p) const;
  void PaintFolderButton(QPainter& p, const QRect& r, int folder, bool raised, bool sunken) const;
  void PaintArrow(QPainter& p, const QRect& r, bool up, bool pushed) const;
  void PaintItems(QPainter& p, int folder, const QRect& area, int firstVisible, bool marks) const;
  void PaintDropMarker(QPainter& p, const OutbarGeometry& g, int target) const;

  QList<OutbarFolder> folders_;
  int currentFolder_ = 1;
  int firstVisible_ = 0;
  int hoveredFolder_ = -1;
  int hoveredItem_ = -1;
  int selectedItem_ = -1;
  unsigned flags_ = 0x3FC;
  int slideDelay_ = 10;
  int controlId_ = 0;
  OutbarIconList* largeIcons_ = nullptr;
  OutbarIconList* smallIcons_ = nullptr;
  OutbarEventOwner* owner_ = nullptr;

  // Mouse tracking between press and release.
  int pressedFolder_ = -1;
  bool pressedFolderLook_ = false;
  int pressedItem_ = -1;
  bool pressedItemLook_ = false;
  bool dragging_ = false;
  int dropTarget_ = -1;
  OutbarHitKind pressedArrow_ = OutbarHitKind::Nothing;
  QPoint lastMousePos_;

  // The slide in progress (slideTo_ < 0: none).
  int slideTo_ = -1;
  int slideOffset_ = 0;

  QTimer hoverTimer_;  // timer 1
  QTimer arrowTimer_;  // timer 2
};
