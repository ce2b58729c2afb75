#include "OutbarFixture.h"

#include <QCursor>
#include <QSignalSpy>
#include <QStyle>

namespace {

using OutbarTest = OutbarFixture;

class OutbarNoDragTest : public OutbarFixture {
 protected:
  OutbarNoDragTest() : OutbarFixture(0x1FC & ~kOutbarDragItems) {}
};

// ---- model ----

TEST_F(OutbarTest, SetIconListReturnsThePreviousListAndIgnoresOtherKinds) {
  OutbarIconList other;
  EXPECT_EQ(bar.SetIconList(&other, kOutbarLargeIconList), &large);
  EXPECT_EQ(bar.SetIconList(&large, kOutbarLargeIconList), &other);
  EXPECT_EQ(bar.SetIconList(&other, kOutbarSmallIconList), &small);
  EXPECT_EQ(bar.SetIconList(&other, 0), nullptr);
  EXPECT_EQ(bar.SetIconList(&small, 3), nullptr);
  // The ignored calls left both lists as they were.
  EXPECT_EQ(bar.SetIconList(&small, kOutbarSmallIconList), &other);
  EXPECT_EQ(bar.SetIconList(&large, kOutbarLargeIconList), &large);
  EXPECT_EQ(bar.Geometry().items[0].icon.size(), QSize(32, 32));
}

TEST_F(OutbarTest, InsertFolderItemAppendsForOutOfRangeIndices) {
  EXPECT_EQ(bar.InsertFolderItem(0, -1, "a", 0, 10), 3);
  EXPECT_EQ(bar.InsertFolderItem(0, 99, "b", 0, 11), 4);
  EXPECT_EQ(bar.InsertFolderItem(0, 5, "c", 0, 12), 5);  // == count: appends too
  EXPECT_EQ(bar.InsertFolderItem(0, 1, "d", 0, 13), 1);
  EXPECT_EQ(bar.InsertFolderItem(7, 0, "e", 0, 14), -1);
  EXPECT_EQ(Labels(), (QStringList{"时域", "d", "频域", "函数信号", "a", "b", "c"}));
  EXPECT_EQ(bar.GetItemValue(1), 13);
  EXPECT_EQ(bar.GetItemValue(6), 12);
}

TEST_F(OutbarTest, ItemLookupsOutOfRangeGiveEmptyAndZero) {
  EXPECT_EQ(bar.GetItemLabel(2), "函数信号");
  EXPECT_EQ(bar.GetItemValue(2), 2);
  for (int i : {-1, 3, 100}) {
    EXPECT_TRUE(bar.GetItemLabel(i).isEmpty()) << i;
    EXPECT_EQ(bar.GetItemValue(i), 0) << i;
  }
  CGfxOutBarCtrl empty;  // current folder 1 of none
  EXPECT_TRUE(empty.GetItemLabel(0).isEmpty());
  EXPECT_EQ(empty.GetItemValue(0), 0);
}

// ---- geometry in the widget ----

TEST_F(OutbarTest, CreateBarAndLayoutFollowTheWidgetAndTheDefaultFont) {
  EXPECT_EQ(bar.Flags(), 0x1FCu);
  EXPECT_EQ(bar.ControlId(), 0xE900);
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(bar.contentsRect(), QRect(3, 3, 194, 594));  // inside the border and sunken edge
  const OutbarGeometry g = bar.Geometry();
  EXPECT_EQ(g.folders[0], QRect(3, 2, 194, 22));
  EXPECT_EQ(g.folders[1], QRect(3, 553, 194, 22));
  EXPECT_EQ(g.itemsArea, QRect(3, 24, 194, 529));
  EXPECT_EQ(g.items[0].icon, QRect(84, 29, 32, 32));
  // One line of the default font (a fallback CJK font may add a pixel or two).
  const int lineHeight = QFontMetrics(QApplication::font()).height();
  const int labelHeight = g.items[0].label.height();
  EXPECT_GE(labelHeight, lineHeight);
  EXPECT_LT(labelHeight, 2 * lineHeight);
  EXPECT_EQ(g.items[1].item.y(), 29 + 32 + 3 + labelHeight + 8 + 8);
  // A label wider than the bar wraps onto more lines.
  bar.OpenFolder(2);
  bar.resize(60, 600);
  EXPECT_GT(bar.Geometry().items[0].label.height(), lineHeight);
}

// ---- clicks ----

TEST_F(OutbarTest, ClickOnIconOrLabelSelectsAndReports) {
  QSignalSpy spy(&bar, &CGfxOutBarCtrl::outbarEvent);
  Click(Icon(1));
  ASSERT_EQ(owner.events.size(), 1u);
  EXPECT_EQ(owner.events[0].code, OBE_ITEM_CLICKED);
  EXPECT_EQ(owner.events[0].argument, 1);
  EXPECT_EQ(bar.SelectedItem(), 1);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toInt(), OBE_ITEM_CLICKED);
  EXPECT_EQ(spy[0][1].toLongLong(), 1);

  Click(Label(2));
  ASSERT_EQ(owner.events.size(), 2u);
  EXPECT_EQ(owner.events[1].argument, 2);
  EXPECT_EQ(bar.SelectedItem(), 2);
}

TEST_F(OutbarTest, PressesThatDoNotEndOnTheSameItemSendNothing) {
  const QPoint beside(10, Icon(0).y());
  Click(beside);              // beside an icon
  Click(GapBelow(0));         // between items
  Click(BelowLastItem());     // empty area
  Press(Icon(0));
  Release(Folder(1));         // released on a folder button
  Press(Icon(0));
  Release(QPoint(300, 40));   // released outside
  Press(Icon(0));
  Move(Icon(1));              // straight onto another item: no drag
  Release(Icon(1));
  EXPECT_TRUE(owner.events.empty());
  EXPECT_EQ(bar.SelectedItem(), -1);
  EXPECT_EQ(Labels(), (QStringList{"时域", "频域", "函数信号"}));
}

TEST_F(OutbarTest, LeavingAndComingBackBeforeADragStillClicks) {
  Press(Icon(0));
  Move(Icon(1));
  Move(Icon(0));
  Release(Icon(0));
  ASSERT_EQ(Codes(), std::vector<int>{OBE_ITEM_CLICKED});
  EXPECT_EQ(owner.events[0].argument, 0);
}

TEST_F(OutbarTest, WithoutAnOwnerTheParentReceivesEvents) {
  struct OwnerWidget : QWidget, RecordingOwner {};
  OwnerWidget parent;
  CGfxOutBarCtrl child;
  child.CreateBar(0, QRect(0, 0, 200, 300), &parent, 1, 0x1FC);
  child.AppendFolder("f", 0);
  child.OpenFolder(0);
  ASSERT_EQ(parent.events.size(), 1u);
  EXPECT_EQ(parent.events[0].code, OBE_FOLDER_SELECTED);
  EXPECT_EQ(parent.events[0].argument, 0);
}

// ---- drag and drop ----

TEST_F(OutbarTest, DraggingDownReportsTheMoveAndInsertsBeforeTheTarget) {
  Drag(0, Icon(2));
  ASSERT_EQ(Codes(), std::vector<int>{OBE_ITEM_MOVED});
  const OutbarMoveInfo& info = owner.events[0].move;
  EXPECT_EQ(info.unused1, 0);
  EXPECT_EQ(info.unused2, 0);
  EXPECT_EQ(info.folder, 0);
  EXPECT_EQ(info.item, 0);
  // Target 2, one less because the item came from above.
  EXPECT_EQ(Labels(), (QStringList{"频域", "时域", "函数信号"}));
  EXPECT_EQ(bar.GetItemValue(1), 0);  // the item data travels with the item
  EXPECT_EQ(bar.GetItemValue(0), 1);
}

TEST_F(OutbarTest, DraggingUpInsertsBeforeTheTarget) {
  Drag(2, Label(0));
  ASSERT_EQ(Codes(), std::vector<int>{OBE_ITEM_MOVED});
  EXPECT_EQ(owner.events[0].move.item, 2);
  EXPECT_EQ(Labels(), (QStringList{"函数信号", "时域", "频域"}));
  EXPECT_EQ(bar.GetItemValue(0), 2);
}

TEST_F(OutbarTest, DroppingBelowTheLastItemMovesToTheEnd) {
  Drag(0, BelowLastItem());
  ASSERT_EQ(Codes(), std::vector<int>{OBE_ITEM_MOVED});
  EXPECT_EQ(Labels(), (QStringList{"频域", "函数信号", "时域"}));
  EXPECT_EQ(bar.GetItemValue(2), 0);
}

TEST_F(OutbarTest, AZeroAnswerOrNoOwnerLeavesTheOrder) {
  owner.answer = 0;
  Drag(0, Icon(2));
  EXPECT_EQ(Codes(), std::vector<int>{OBE_ITEM_MOVED});
  EXPECT_EQ(Labels(), (QStringList{"时域", "频域", "函数信号"}));

  bar.SetEventOwner(nullptr);  // and the parent is no owner either
  QSignalSpy spy(&bar, &CGfxOutBarCtrl::outbarEvent);
  Drag(0, Icon(2));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toInt(), OBE_ITEM_MOVED);
  EXPECT_EQ(Labels(), (QStringList{"时域", "频域", "函数信号"}));
}

TEST_F(OutbarTest, DroppingOnItselfOrOffTheItemsDoesNothing) {
  Drag(1, Icon(1));
  Drag(1, Folder(2));
  Drag(1, GapBelow(0));
  Drag(1, QPoint(-20, 100));
  EXPECT_TRUE(owner.events.empty());
  EXPECT_EQ(Labels(), (QStringList{"时域", "频域", "函数信号"}));
  EXPECT_EQ(bar.SelectedItem(), -1);
}

TEST_F(OutbarTest, DragShowsDropOrNoDropCursorAndRestoresIt) {
  Press(Icon(0));
  Move(GapBelow(0));
  EXPECT_EQ(bar.cursor().shape(), Qt::ForbiddenCursor);
  Move(Icon(2));
  EXPECT_EQ(bar.cursor().shape(), Qt::DragMoveCursor);
  Move(BelowLastItem());
  EXPECT_EQ(bar.cursor().shape(), Qt::DragMoveCursor);
  Move(Folder(1));
  EXPECT_EQ(bar.cursor().shape(), Qt::ForbiddenCursor);
  Release(Folder(1));
  EXPECT_FALSE(bar.testAttribute(Qt::WA_SetCursor));
}

TEST_F(OutbarNoDragTest, WithoutTheDragBitItemsStayPut) {
  Drag(0, Icon(2));
  EXPECT_TRUE(owner.events.empty());
  EXPECT_EQ(Labels(), (QStringList{"时域", "频域", "函数信号"}));
}

// ---- folders ----

TEST_F(OutbarTest, ClickingAnotherFolderOpensItOnceAndResetsTheList) {
  bar.resize(200, 200);  // small enough to scroll
  Click(Icon(0));
  Click(bar.Geometry().downArrow.center());
  ASSERT_EQ(bar.FirstVisibleItem(), 1);
  owner.events.clear();

  Click(Folder(2));
  ASSERT_EQ(Codes(), std::vector<int>{OBE_FOLDER_SELECTED});
  EXPECT_EQ(owner.events[0].argument, 2);
  EXPECT_EQ(bar.CurrentFolder(), 2);
  EXPECT_EQ(bar.FirstVisibleItem(), 0);
  EXPECT_EQ(bar.SelectedItem(), -1);
  EXPECT_EQ(bar.GetItemValue(0), 5);
  EXPECT_EQ(bar.Geometry().folders[2].y(), 46);  // now at the top

  Click(Folder(0));  // sliding back down
  EXPECT_EQ(bar.CurrentFolder(), 0);
  EXPECT_EQ(owner.events.size(), 2u);
}

TEST_F(OutbarTest, CurrentFolderOrAReleaseElsewhereSendsNothing) {
  Click(Folder(0));
  Press(Folder(1));
  Release(Folder(2));
  Press(Folder(1));
  Release(Icon(0));
  bar.OpenFolder(3);
  bar.OpenFolder(-1);
  EXPECT_TRUE(owner.events.empty());
  EXPECT_EQ(bar.CurrentFolder(), 0);
}

TEST_F(OutbarTest, FolderChangeWithoutSlideEndsTheSame) {
  bar.SetSlideDelay(-1);
  bar.OpenFolder(1);
  EXPECT_EQ(Codes(), std::vector<int>{OBE_FOLDER_SELECTED});
  EXPECT_EQ(bar.CurrentFolder(), 1);
  EXPECT_EQ(bar.GetItemLabel(1), "样本数据显示");
}

// ---- scroll arrows ----

TEST_F(OutbarTest, ArrowsAppearOnlyWhileItemsAreHidden) {
  EXPECT_TRUE(bar.Geometry().upArrow.isEmpty());
  EXPECT_TRUE(bar.Geometry().downArrow.isEmpty());  // three items fit in 600 px
  bar.resize(200, 200);
  const OutbarGeometry g = bar.Geometry();
  EXPECT_TRUE(g.upArrow.isEmpty());
  ASSERT_FALSE(g.downArrow.isEmpty());
  const int side = bar.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar);
  EXPECT_EQ(g.downArrow, QRect(197 - 5 - side, 197 - 44 - 5 - side, side, side));
}

TEST_F(OutbarTest, ClickingAnArrowScrollsOneItem) {
  AddItems(3);
  Click(bar.Geometry().downArrow.center());
  EXPECT_EQ(bar.FirstVisibleItem(), 1);
  ASSERT_FALSE(bar.Geometry().upArrow.isEmpty());
  Click(bar.Geometry().upArrow.center());
  EXPECT_EQ(bar.FirstVisibleItem(), 0);
  EXPECT_TRUE(bar.Geometry().upArrow.isEmpty());

  // Scroll down until the down arrow goes: then the last item fits completely.
  int clicks = 0;
  for (QRect down = bar.Geometry().downArrow; !down.isEmpty() && clicks < 10; down = bar.Geometry().downArrow) {
    Click(down.center());
    EXPECT_EQ(bar.FirstVisibleItem(), ++clicks);
  }
  const OutbarGeometry g = bar.Geometry();
  EXPECT_LE(BottomOf(g.items.last().item), BottomOf(g.itemsArea));
  EXPECT_GT(clicks, 1);
  EXPECT_LT(clicks, 6);

  // Pressed on the arrow, released off it: no scroll.
  Press(g.upArrow.center());
  Move(QPoint(20, 100));
  Release(QPoint(20, 100));
  EXPECT_EQ(bar.FirstVisibleItem(), clicks);
  EXPECT_TRUE(owner.events.empty());
}

TEST_F(OutbarTest, HoldingAnArrowRepeatsEvery300Ms) {
  AddItems(3);
  const QPoint down = bar.Geometry().downArrow.center();
  Press(down);
  EXPECT_EQ(bar.FirstVisibleItem(), 0);  // nothing yet on the press itself
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar.FirstVisibleItem() == 1; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar.FirstVisibleItem() == 2; }, 2000));
  Release(down);  // still not fitting: one more
  EXPECT_EQ(bar.FirstVisibleItem(), 3);
  QTest::qWait(400);  // released: no further ticks
  EXPECT_EQ(bar.FirstVisibleItem(), 3);
}

// ---- hover ----

TEST_F(OutbarTest, HoverMarksFollowThePointerAndClearOnceItLeaves) {
  // The offscreen platform keeps a cursor position for the bar's timer to check.
  QCursor::setPos(bar.mapToGlobal(Icon(1)));
  Move(Icon(1), Qt::NoButton);
  EXPECT_EQ(bar.HoveredItem(), 1);
  QCursor::setPos(bar.mapToGlobal(Folder(2)));
  Move(Folder(2), Qt::NoButton);
  EXPECT_EQ(bar.HoveredItem(), -1);
  EXPECT_EQ(bar.HoveredFolder(), 2);
  QTest::qWait(250);  // the pointer is still over the bar: the mark stays
  EXPECT_EQ(bar.HoveredFolder(), 2);
  QCursor::setPos(bar.mapToGlobal(QPoint(500, 300)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar.HoveredFolder() == -1; }, 2000));
}

}  // namespace
