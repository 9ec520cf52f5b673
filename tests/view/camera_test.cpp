#include <gtest/gtest.h>

#include "view/camera.h"
#include "view_test_support.h"

namespace quarrion {
namespace {

using testing::FreshGame;

class CameraTest : public ::testing::Test {
 protected:
  std::unique_ptr<GameState> game_ = FreshGame();
  ViewState view_;

  void PlaceView(int x, int y) {
    view_.scrollX = x;
    view_.scrollY = y;
  }
  void PlacePlayer(int x, int y) {
    game_->play.playerX = uint8_t(x);
    game_->play.playerY = uint8_t(y);
  }
  // The pixel of the cave at the view's left (top) edge: what the eye sees move.
  int OriginX() const { return view_.scrollX * GeometryOf(view_.zoom).tileSize - game_->camera.offsetX; }
  int OriginY() const { return view_.scrollY * GeometryOf(view_.zoom).tileSize - game_->camera.offsetY; }
  int TicksUntilRest() {
    int ticks = 0;
    do {
      UpdateCamera(*game_, view_);
      ++ticks;
    } while ((game_->camera.scrollStepX != 0 || game_->camera.scrollStepY != 0) && ticks < 1000);
    return ticks;
  }
};

TEST_F(CameraTest, PlayerAtViewColumn14StartsFourCellRightScroll) {
  PlacePlayer(14, 5);
  UpdateCamera(*game_, view_);
  EXPECT_EQ(game_->camera.scrollStepX, 12 * 4 - 1);
  EXPECT_EQ(game_->camera.offsetX, -2);
  EXPECT_EQ(view_.scrollX, 0);
  for (int i = 1; i < 12; ++i) UpdateCamera(*game_, view_);
  EXPECT_EQ(view_.scrollX, 1) << "one cell after 12 ticks at zoom 0";
  EXPECT_EQ(game_->camera.offsetX, 0);
  for (int i = 12; i < 48; ++i) UpdateCamera(*game_, view_);
  EXPECT_EQ(view_.scrollX, 4);
  EXPECT_EQ(game_->camera.scrollStepX, 0);
  EXPECT_EQ(game_->camera.offsetX, 0);
}

TEST_F(CameraTest, PlayerInsideTheFreeZoneCausesNoScroll) {
  PlaceView(5, 3);
  for (const auto& [x, y] : {std::pair{5 + 13, 3 + 7}, {5 + 6, 3 + 4}, {5 + 9, 3 + 5}}) {
    PlacePlayer(x, y);
    UpdateCamera(*game_, view_);
    EXPECT_EQ(game_->camera.scrollStepX, 0) << x << "," << y;
    EXPECT_EQ(game_->camera.scrollStepY, 0) << x << "," << y;
    EXPECT_EQ(view_.scrollX, 5);
    EXPECT_EQ(view_.scrollY, 3);
  }
}

TEST_F(CameraTest, RightScrollNearTheEndIsShortenedAndStopsAt20) {
  for (const auto& [start, cells] : {std::pair{17, 3}, {18, 2}, {19, 1}}) {
    PlaceView(start, 0);
    game_->camera = Camera{};
    PlacePlayer(39, 5);
    UpdateCamera(*game_, view_);
    EXPECT_EQ(game_->camera.scrollStepX, 12 * cells - 1) << "from " << start;
    while (game_->camera.scrollStepX != 0) UpdateCamera(*game_, view_);
    EXPECT_EQ(view_.scrollX, 20) << "from " << start;
    UpdateCamera(*game_, view_);
    EXPECT_EQ(game_->camera.scrollStepX, 0) << "the view never passes column 20";
  }
}

TEST_F(CameraTest, LeftScrollNearTheStartIsShortenedAndStopsAt0) {
  for (const auto& [start, cells] : {std::pair{1, 1}, {2, 2}, {3, 3}, {9, 4}}) {
    PlaceView(start, 0);
    game_->camera = Camera{};
    PlacePlayer(0, 5);
    UpdateCamera(*game_, view_);
    EXPECT_EQ(game_->camera.scrollStepX, -12 * cells + 1) << "from " << start;
    EXPECT_EQ(view_.scrollX, start - 1) << "the cell changes at once";
    EXPECT_EQ(game_->camera.offsetX, -22);
    while (game_->camera.scrollStepX != 0) UpdateCamera(*game_, view_);
    EXPECT_EQ(view_.scrollX, start - cells);
    EXPECT_EQ(game_->camera.offsetX, 0);
  }
}

TEST_F(CameraTest, EveryScrollMovesTheViewByOneStepPerTickAtEveryZoom) {
  struct Case {
    int zoom, viewX, viewY, playerX, playerY, dx, dy;
  };
  for (const Case c : {Case{0, 0, 0, 15, 9, 1, 1}, Case{1, 10, 6, 10, 6, -1, -1}, Case{2, 3, 2, 30, 2, 1, -1},
                       Case{1, 20, 10, 20, 20, -1, 0}, Case{2, 18, 9, 5, 21, -1, 1}}) {
    game_->camera = Camera{};
    view_.zoom = uint8_t(c.zoom);
    PlaceView(c.viewX, c.viewY);
    PlacePlayer(c.playerX, c.playerY);
    const int step = GeometryOf(c.zoom).scrollStep;
    int ox = OriginX(), oy = OriginY();
    do {
      UpdateCamera(*game_, view_);
      const int nx = OriginX(), ny = OriginY();
      if (nx != ox) {
        EXPECT_EQ(nx - ox, c.dx * step) << "zoom " << c.zoom;
      }
      if (ny != oy) {
        EXPECT_EQ(ny - oy, c.dy * step) << "zoom " << c.zoom;
      }
      EXPECT_LE(game_->camera.offsetX, 0);
      EXPECT_GE(game_->camera.offsetX, -GeometryOf(c.zoom).tileSize);
      EXPECT_LE(game_->camera.offsetY, 0);
      EXPECT_GE(game_->camera.offsetY, -GeometryOf(c.zoom).tileSize);
      ox = nx;
      oy = ny;
    } while (game_->camera.scrollStepX != 0 || game_->camera.scrollStepY != 0);
    EXPECT_EQ(game_->camera.offsetX, 0);
    EXPECT_EQ(game_->camera.offsetY, 0);
    EXPECT_EQ(OriginX() % GeometryOf(c.zoom).tileSize, 0);
  }
}

TEST_F(CameraTest, FourCellScrollLastsTheTicksOfItsZoom) {
  for (const auto& [zoom, ticks] : {std::pair{0, 48}, {1, 32}, {2, 40}}) {
    game_->camera = Camera{};
    view_.zoom = uint8_t(zoom);
    PlaceView(0, 0);
    PlacePlayer(14, 5);
    EXPECT_EQ(TicksUntilRest(), ticks) << "zoom " << zoom;
    EXPECT_EQ(view_.scrollX, 4);
  }
}

TEST_F(CameraTest, VerticalScrollsAreTwoCellsAndOneNearTheEdges) {
  PlacePlayer(10, 8);
  UpdateCamera(*game_, view_);
  EXPECT_EQ(game_->camera.scrollStepY, 2 * 12 - 1);
  TicksUntilRest();
  EXPECT_EQ(view_.scrollY, 2);

  PlaceView(0, 9);
  PlacePlayer(10, 21);
  TicksUntilRest();
  EXPECT_EQ(view_.scrollY, 10) << "one cell from row 9";

  PlaceView(0, 1);
  PlacePlayer(10, 0);
  UpdateCamera(*game_, view_);
  EXPECT_EQ(game_->camera.scrollStepY, -12 + 1);
  TicksUntilRest();
  EXPECT_EQ(view_.scrollY, 0);

  PlaceView(0, 6);
  PlacePlayer(10, 9);  // three rows into the view
  UpdateCamera(*game_, view_);
  EXPECT_EQ(view_.scrollY, 5);
  for (int i = 1; i < 12; ++i) UpdateCamera(*game_, view_);
  EXPECT_EQ(view_.scrollY, 4) << "the up scroll changes cell once more after one cell";
  EXPECT_EQ(game_->camera.offsetY, -24);
  TicksUntilRest();
  EXPECT_EQ(view_.scrollY, 4);
  EXPECT_EQ(game_->camera.offsetY, 0);
}

TEST_F(CameraTest, StartedScrollRunsToItsEndWhenThePlayerTurnsBack) {
  PlacePlayer(14, 5);
  UpdateCamera(*game_, view_);
  PlacePlayer(1, 5);
  for (int i = 1; i < 48; ++i) UpdateCamera(*game_, view_);
  EXPECT_EQ(view_.scrollX, 4);
  EXPECT_EQ(game_->camera.scrollStepX, 0);
  UpdateCamera(*game_, view_);
  EXPECT_LT(game_->camera.scrollStepX, 0) << "only then the next scroll is considered";
}

TEST_F(CameraTest, SmallCaveKeepsTheViewAtTheCorner) {
  game_->play.caveNo = 17;
  PlaceView(12, 7);
  PlacePlayer(19, 11);
  for (int i = 0; i < 100; ++i) CameraTick(*game_, view_);
  EXPECT_EQ(view_.scrollX, 0);
  EXPECT_EQ(view_.scrollY, 0);
  EXPECT_EQ(game_->camera.scrollStepX, 0);

  game_->play.caveNo = 2;
  CameraTick(*game_, view_);
  EXPECT_GT(game_->camera.scrollStepX, 0) << "large caves follow the player";
}

TEST_F(CameraTest, NewCaveScrollsBackFromWhereTheLastOneLeftTheView) {
  PlaceView(20, 10);
  game_->camera = Camera{};  // what the cave start leaves
  PlacePlayer(2, 1);
  for (int i = 0; i < 400; ++i) CameraTick(*game_, view_);
  EXPECT_EQ(view_.scrollX, 0);
  EXPECT_EQ(view_.scrollY, 0);
}

TEST_F(CameraTest, ZoomChangeMidScrollLeavesNoPartCellOffset) {
  PlacePlayer(14, 9);
  for (int i = 0; i < 5; ++i) UpdateCamera(*game_, view_);
  ASSERT_NE(game_->camera.offsetX, 0);
  SetZoom(*game_, view_, 2);
  EXPECT_EQ(view_.zoom, 2);
  EXPECT_EQ(game_->camera.offsetX, 0);
  EXPECT_EQ(game_->camera.offsetY, 0);
  EXPECT_EQ(game_->camera.scrollStepX, 0);
  SetZoom(*game_, view_, 7);
  EXPECT_EQ(view_.zoom, 0) << "an unknown zoom is zoom 0";
}

}  // namespace
}  // namespace quarrion
