#include "gui/OutbarGeometry.h"

#include <gtest/gtest.h>

namespace {

// The client of a 200 x 600 bar inside its 3-px frame.
const QRect kClient(3, 3, 194, 594);

OutbarLayoutInput ThreeItems(int firstVisible = 0) {
  OutbarLayoutInput in;
  in.client = kClient;
  in.folderCount = 3;
  in.currentFolder = 0;
  in.firstVisible = firstVisible;
  in.iconSize = QSize(32, 32);
  in.labelSizes = {QSize(40, 16), QSize(60, 32), QSize(20, 16)};
  in.arrowSide = 16;
  return in;
}

TEST(OutbarGeometryTest, FolderButtonsStackAboveAndBelowTheOpenFolder) {
  // Folder 0 open: it alone at the top (one pixel above the client), 1 and 2 at the bottom.
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 0, 0), QRect(3, 2, 194, 22));
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 0, 1), QRect(3, 553, 194, 22));
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 0, 2), QRect(3, 575, 194, 22));
  EXPECT_EQ(OutbarItemsArea(kClient, 3, 0), QRect(3, 24, 194, 529));
  // Folder 1 open: 0 and 1 at the top, 2 at the bottom.
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 1, 1), QRect(3, 24, 194, 22));
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 1, 2), QRect(3, 575, 194, 22));
  EXPECT_EQ(OutbarItemsArea(kClient, 3, 1), QRect(3, 46, 194, 529));
  // The last folder open: all at the top, the items reach the bottom edge.
  EXPECT_EQ(OutbarFolderRect(kClient, 3, 2, 2), QRect(3, 46, 194, 22));
  EXPECT_EQ(OutbarItemsArea(kClient, 3, 2), QRect(3, 68, 194, 529));
  // No folders: the items area is the whole client, one pixel higher.
  EXPECT_EQ(OutbarItemsArea(kClient, 0, 1), QRect(3, 2, 194, 595));
}

TEST(OutbarGeometryTest, LargeIconItemsStackIconLabelAndGaps) {
  const OutbarGeometry g = LayOutOutbar(ThreeItems());
  ASSERT_EQ(g.items.size(), 3);
  // Item 0: 5 px below the area's top, icon centred, label 3 px below, 40 + 3 + 16 + 8 tall.
  EXPECT_EQ(g.items[0].item, QRect(3, 29, 194, 59));
  EXPECT_EQ(g.items[0].icon, QRect(84, 29, 32, 32));
  EXPECT_EQ(g.items[0].label, QRect(80, 64, 40, 16));
  // Item 1 follows after a further 8 px; a two-line label makes it taller.
  EXPECT_EQ(g.items[1].item, QRect(3, 96, 194, 75));
  EXPECT_EQ(g.items[1].label, QRect(70, 131, 60, 32));
  EXPECT_EQ(g.items[2].item.y(), 179);
}

TEST(OutbarGeometryTest, ScrolledItemsStartAtTheFirstVisibleOne) {
  const OutbarGeometry g = LayOutOutbar(ThreeItems(1));
  EXPECT_TRUE(g.items[0].item.isEmpty());
  EXPECT_EQ(g.items[1].item.y(), 29);
  EXPECT_EQ(g.items[2].item.y(), 29 + 75 + 8);
  // The hidden item is not hit where it used to be; the one now there is.
  EXPECT_EQ(g.HitTest(QPoint(100, 40)), (OutbarHit{OutbarHitKind::Item, 1}));
}

TEST(OutbarGeometryTest, SmallIconItemsPutTheLabelRightOfTheIcon) {
  OutbarLayoutInput in = ThreeItems();
  in.iconSize = QSize(16, 16);
  in.smallIcons = true;
  const OutbarGeometry g = LayOutOutbar(in);
  EXPECT_EQ(g.items[0].icon, QRect(8, 29, 16, 16));
  EXPECT_EQ(g.items[0].label, QRect(28, 29, 40, 16));
  EXPECT_EQ(g.items[1].item.y(), 29 + 16 + 10);
  EXPECT_EQ(g.items[1].icon.y(), 55 + 8);  // centred on the two-line label
}

TEST(OutbarGeometryTest, HitTestFindsIconsLabelsButtonsAndTheSpaceBelow) {
  const OutbarGeometry g = LayOutOutbar(ThreeItems());
  using K = OutbarHitKind;
  EXPECT_EQ(g.HitTest(QPoint(100, 40)), (OutbarHit{K::Item, 0}));    // icon
  EXPECT_EQ(g.HitTest(QPoint(81, 70)), (OutbarHit{K::Item, 0}));     // label
  EXPECT_EQ(g.HitTest(QPoint(20, 40)), OutbarHit{});                 // beside the icon
  EXPECT_EQ(g.HitTest(QPoint(100, 62)), OutbarHit{});                // between icon and label
  EXPECT_EQ(g.HitTest(QPoint(100, 92)), OutbarHit{});                // gap between items
  EXPECT_EQ(g.HitTest(QPoint(100, 150)), (OutbarHit{K::Item, 1}));   // second line of a label
  EXPECT_EQ(g.HitTest(QPoint(100, 300)), (OutbarHit{K::BelowLastItem, -1}));
  EXPECT_EQ(g.HitTest(QPoint(100, 10)), (OutbarHit{K::Folder, 0}));
  EXPECT_EQ(g.HitTest(QPoint(100, 560)), (OutbarHit{K::Folder, 1}));
  EXPECT_EQ(g.HitTest(QPoint(100, 596)), (OutbarHit{K::Folder, 2}));
  EXPECT_EQ(g.HitTest(QPoint(1, 300)), OutbarHit{});                 // the frame
  EXPECT_EQ(g.HitTest(QPoint(300, 40)), OutbarHit{});                // outside
}

TEST(OutbarGeometryTest, ArrowsShowOnlyWhenItemsAreHiddenAndWinTheHitTest) {
  OutbarLayoutInput in = ThreeItems();
  EXPECT_TRUE(LayOutOutbar(in).upArrow.isEmpty());
  EXPECT_TRUE(LayOutOutbar(in).downArrow.isEmpty());

  // Client 3..213: area 24..169. Item 2 spans 179..238: does not fit.
  in.client = QRect(3, 3, 194, 210);
  OutbarGeometry g = LayOutOutbar(in);
  EXPECT_TRUE(g.upArrow.isEmpty());
  EXPECT_EQ(g.downArrow, QRect(176, 148, 16, 16));  // 5 px inside the bottom-right corner
  EXPECT_EQ(g.HitTest(QPoint(180, 155)).kind, OutbarHitKind::DownArrow);

  // Exactly fitting hides the down arrow; one pixel short shows it.
  in.client = QRect(3, 3, 194, 279);
  EXPECT_EQ(BottomOf(OutbarItemsArea(in.client, 3, 0)), 238);
  EXPECT_TRUE(LayOutOutbar(in).downArrow.isEmpty());
  in.client.setHeight(in.client.height() - 1);
  EXPECT_FALSE(LayOutOutbar(in).downArrow.isEmpty());

  in.firstVisible = 1;
  g = LayOutOutbar(in);
  EXPECT_EQ(g.upArrow, QRect(176, 29, 16, 16));  // 5 px inside the top-right corner
  EXPECT_EQ(g.HitTest(QPoint(180, 35)).kind, OutbarHitKind::UpArrow);
}

TEST(OutbarGeometryTest, DropMarkerSitsInTheGapBeforeTheTarget) {
  const OutbarGeometry g = LayOutOutbar(ThreeItems());
  EXPECT_EQ(g.DropMarkerY(0), 25);
  EXPECT_EQ(g.DropMarkerY(1), 92);
  EXPECT_EQ(g.DropMarkerY(3), 179 + 59 + 4);  // below the last item
}

TEST(OutbarGeometryTest, SlideRunsFromTheOldLayoutToTheNewOne) {
  const int distance = OutbarSlideDistance(kClient, 3);
  EXPECT_EQ(distance, 529);  // the height of the items area
  for (auto [from, to] : {std::pair{0, 2}, std::pair{2, 0}, std::pair{1, 2}}) {
    SCOPED_TRACE(testing::Message() << from << " -> " << to);
    const OutbarSlideFrame start = OutbarSlide(kClient, 3, from, to, 0);
    const OutbarSlideFrame end = OutbarSlide(kClient, 3, from, to, distance);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(start.folders[i], OutbarFolderRect(kClient, 3, from, i));
      EXPECT_EQ(end.folders[i], OutbarFolderRect(kClient, 3, to, i));
    }
    // At the start the old folder's area is the whole gap, at the end the new one's.
    const QRect& oldRegion = from < to ? start.upper : start.lower;
    const QRect& newRegion = from < to ? end.lower : end.upper;
    EXPECT_EQ(oldRegion, OutbarItemsArea(kClient, 3, from));
    EXPECT_EQ(newRegion, OutbarItemsArea(kClient, 3, to));
  }
  // Halfway down from 0 to 2 the moving buttons travel together.
  const OutbarSlideFrame mid = OutbarSlide(kClient, 3, 0, 2, 220);
  EXPECT_EQ(mid.folders[1].y(), 553 - 220);
  EXPECT_EQ(mid.folders[2].y(), 575 - 220);
  EXPECT_EQ(mid.upper, QRect(3, 24, 194, 553 - 220 - 24));
  EXPECT_EQ(mid.lower, QRect(3, 597 - 220, 194, 220));
}

}  // namespace
