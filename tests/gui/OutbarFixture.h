#pragma once

#include "support/TestApplication.h"
#include "gui/CGfxOutBarCtrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// Records every event and answers OBE_ITEM_MOVED with `answer`.
class RecordingOwner : public OutbarEventOwner {
 public:
  struct Event {
    int code;
    long long argument;
    OutbarMoveInfo move;  // copied while the pointer is valid
  };
  long OnOutbarEvent(int code, long long argument) override {
    Event e{code, argument, {}};
    if (code == OBE_ITEM_MOVED) e.move = *reinterpret_cast<const OutbarMoveInfo*>(argument);
    events.push_back(e);
    return answer;
  }
  std::vector<Event> events;
  long answer = 1;
};

inline QPixmap Swatch(QColor colour, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(colour);
  return pixmap;
}

// The bar as the main window sets it up: flags 0x1FC, 1-ms slide, three folders,
// seven items, folder 0 open, 200 x 600.
class OutbarFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
  }

  explicit OutbarFixture(unsigned flags = 0x1FC) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
    large.iconSize = QSize(32, 32);
    small.iconSize = QSize(16, 16);
    for (const QColor& c : colours) {
      large.images.append(Swatch(c, 32));
      small.images.append(Swatch(c, 16));
    }
    host.resize(400, 700);
    host.show();
    bar.CreateBar(0, QRect(0, 0, 200, 600), &host, 0xE900, flags);
    bar.SetEventOwner(&owner);
    bar.SetIconList(&large, kOutbarLargeIconList);
    bar.SetIconList(&small, kOutbarSmallIconList);
    bar.SetSlideDelay(1);
    bar.AppendFolder("切换开关", 0);
    bar.AppendFolder("显示模式", 1);
    bar.AppendFolder("数据输出", 2);
    bar.InsertFolderItem(0, 0, "时域", 0, 0);
    bar.InsertFolderItem(0, 1, "频域", 1, 1);
    bar.InsertFolderItem(0, 2, "函数信号", 2, 2);
    bar.InsertFolderItem(1, 0, "实时采样显示", 0, 3);
    bar.InsertFolderItem(1, 1, "样本数据显示", 1, 4);
    bar.InsertFolderItem(2, 0, "导出Excel样本数据文件[CSV]", 4, 5);
    bar.InsertFolderItem(2, 1, "当前波形另存为位图文件[BMP]", 5, 6);
    bar.OpenFolder(0);
    QCoreApplication::processEvents();
    owner.events.clear();
  }

  void Press(QPoint p) { QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, p); }
  void Release(QPoint p) { QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, p); }
  void Click(QPoint p) { Press(p); Release(p); }
  // Moves with the left button held (drags) or with no button (hover).
  void Move(QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, p, bar.mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &move);
  }
  // Press on `from`'s icon, leave the items through the gap below it, release at `to`.
  void Drag(int from, QPoint to) {
    Press(Icon(from));
    Move(GapBelow(from));
    Move(to);
    Release(to);
  }

  // Six items in folder 0 of a 200 x 200 bar: they no longer fit.
  void AddItems(int count) {
    for (int i = 0; i < count; ++i) bar.InsertFolderItem(0, -1, QString("extra %1").arg(i), 3, 10 + i);
    bar.resize(200, 200);
  }

  QPoint Icon(int i) const { return bar.Geometry().items[i].icon.center(); }
  QPoint Label(int i) const { return bar.Geometry().items[i].label.center(); }
  QPoint Folder(int i) const { return bar.Geometry().folders[i].center(); }
  QPoint GapBelow(int i) const {
    const QRect slot = bar.Geometry().items[i].item;
    return QPoint(slot.center().x(), slot.y() + slot.height() + 2);
  }
  QPoint BelowLastItem() const {
    const OutbarGeometry g = bar.Geometry();
    return QPoint(g.itemsArea.center().x(), BottomOf(g.itemsArea) - 5);
  }
  QStringList Labels() const {
    QStringList labels;
    for (int i = 0; i < bar.ItemCount(); ++i) labels << bar.GetItemLabel(i);
    return labels;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& e : owner.events) codes.push_back(e.code);
    return codes;
  }

  OutbarIconList large;
  OutbarIconList small;
  RecordingOwner owner;
  QWidget host;  // a plain parent: no event owner
  CGfxOutBarCtrl bar;
};
