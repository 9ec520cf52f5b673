#include <gtest/gtest.h>

#include "core/elements.h"
#include "view/anim_tables.h"
#include "view/game_frame.h"
#include "view_test_support.h"

namespace quarrion {
namespace {

using testing::FontImages;
using testing::FreshGame;
using testing::ItemAt;
using testing::RecordingSurface;
using testing::TileImages;

TEST(MotionOffsetTest, ObjectStartsSevenEighthsBackAndEndsInItsCell) {
  for (const int t : {24, 32, 40}) {
    for (int k = 0; k < 4; ++k) {
      for (int s = 0; s < 8; ++s) {
        const int back = (7 - s) * (t / 8);
        EXPECT_EQ(MotionOffsetY(4 * k + 1, s, t), -back) << "from above";
        EXPECT_EQ(MotionOffsetX(4 * k + 1, s, t), 0);
        EXPECT_EQ(MotionOffsetX(4 * k + 2, s, t), -back) << "from the left";
        EXPECT_EQ(MotionOffsetY(4 * k + 2, s, t), 0);
        EXPECT_EQ(MotionOffsetX(4 * k + 3, s, t), back) << "from the right";
        EXPECT_EQ(MotionOffsetY(4 * k + 3, s, t), 0);
        EXPECT_EQ(MotionOffsetY(4 * k + 4, s, t), back) << "from below";
        EXPECT_EQ(MotionOffsetX(4 * k + 4, s, t), 0);
      }
    }
    EXPECT_EQ(MotionOffsetY(1, 0, t), -7 * t / 8);
  }
}

TEST(MotionOffsetTest, CodesOutsideTheTableDoNotMove) {
  for (const int motion : {0, 17, 20, 255, -1}) {
    EXPECT_EQ(MotionOffsetX(motion, 0, 40), 0) << motion;
    EXPECT_EQ(MotionOffsetY(motion, 0, 40), 0) << motion;
  }
}

TEST(AnimTableTest, IndexIsToggleTimesEightPlusSubFrameAndNeverLeavesTheTable) {
  EXPECT_EQ(AnimIndex(0, 0), 0);
  EXPECT_EQ(AnimIndex(1, 7), 15);
  EXPECT_EQ(AnimIndex(1, 3), 11);
  EXPECT_EQ(AnimIndex(3, 9), 9) << "counters out of range are masked";
  EXPECT_EQ(PlayerAnimTable(7)[5], 19);
  EXPECT_EQ(PlayerAnimTable(12)[15], 39);
  EXPECT_EQ(PlayerAnimTable(0)[3], 19) << "an unknown player animation stands still";
  EXPECT_EQ(PlayerAnimTable(200)[3], 19);
}

// A cave drawn at zoom 0 on the software surface with solid pictures, view at the corner.
class GameFrameTest : public ::testing::Test {
 protected:
  GameFrameTest() {
    media_.images.Data() = TileImages(24);
    media_.fonts.Data() = FontImages();
    media_.surface.Resize(480, 312);
    game_->grids.playfield.Fill(Space);
  }

  // Cave cell (cx, cy) of a view at (0, 0).
  void Put(int cx, int cy, uint8_t code, uint8_t motion = 0, uint8_t variant = 0) {
    game_->grids.playfield(cx + 1, cy + 1) = code;
    game_->grids.motionMap(cx + 1, cy + 1) = motion;
    game_->grids.tileVariant(cx + 1, cy + 1) = variant;
  }
  void Draw() { DrawGameFrame(*game_, view_, media_view_); }
  int CellX(int cx) const { return 24 * cx; }
  int CellY(int cy) const { return 24 * cy + 24; }
  int ItemAtCell(int cx, int cy, int dx = 12, int dy = 12) const {
    return ItemAt(media_.surface, CellX(cx) + dx, CellY(cy) + dy);
  }

  std::unique_ptr<GameState> game_ = FreshGame();
  ViewState view_;
  HeadlessMedia media_;
  Media media_view_ = media_.View();
};

TEST_F(GameFrameTest, ExitFlashFillsEmptyCellsWhiteForFiveFrames) {
  game_->play.exitOpenedFlash = 1;
  Put(3, 3, Dirt);
  int white = 0;
  for (int s = 0; s < 8; ++s) {
    game_->play.subFrame = uint8_t(s);
    Draw();
    if (media_.surface.Pixel(CellX(5) + 3, CellY(5) + 3) == 0xFFFF) ++white;
    EXPECT_EQ(ItemAtCell(3, 3), DirtImage(0, 0)) << "drawn elements hide the flash";
  }
  EXPECT_EQ(white, 5);
  EXPECT_EQ(game_->play.exitOpenedFlash, 0);
  Draw();
  EXPECT_EQ(media_.surface.Pixel(CellX(5), CellY(5)), 0) << "black again";
}

TEST_F(GameFrameTest, FallingBoulderSlidesDownFromTheCellAbove) {
  Put(4, 4, BoulderFalling, 1, 2);
  game_->play.subFrame = 0;
  Draw();
  const int back = 21;  // 7/8 of 24
  EXPECT_EQ(ItemAt(media_.surface, CellX(4) + 5, CellY(4) - back), BoulderImage(2));
  EXPECT_EQ(ItemAt(media_.surface, CellX(4) + 5, CellY(4) - back - 1), -1) << "nothing above it";
  EXPECT_EQ(ItemAt(media_.surface, CellX(4) + 5, CellY(4) + 23 - back + 1), -1) << "its own cell mostly empty";
  game_->play.subFrame = 7;
  Draw();
  EXPECT_EQ(ItemAtCell(4, 4, 0, 0), BoulderImage(2));
  EXPECT_EQ(ItemAtCell(4, 4, 23, 23), BoulderImage(2));
}

TEST_F(GameFrameTest, CreaturesAndPlayerSlideSidewaysByTheirMotion) {
  Put(6, 2, FireflyRight, 2);   // came from the left
  Put(9, 2, ButterflyLeft, 3);  // came from the right
  game_->play.playerAnim = 12;
  Put(12, 2, Player, 4);  // came from below
  game_->play.subFrame = 4;
  Draw();
  const int back = 3 * 3;
  EXPECT_EQ(ItemAt(media_.surface, CellX(6) - back, CellY(2)), 53);
  EXPECT_EQ(ItemAt(media_.surface, CellX(6) - back - 1, CellY(2)), -1);
  EXPECT_EQ(ItemAt(media_.surface, CellX(9) + 23 + back, CellY(2)), 57);
  EXPECT_EQ(ItemAt(media_.surface, CellX(12), CellY(2) + 23 + back), 34);
}

TEST_F(GameFrameTest, AnimationsFollowToggleAndSubFrame) {
  Put(1, 1, Diamond);
  Put(2, 1, Amoeba);
  Put(3, 1, Slime);
  Put(4, 1, FireflyLeft);
  Put(5, 1, ButterflyDown);
  Put(6, 1, CoverTile);
  Put(7, 1, Player);
  Put(8, 1, MagicWall);
  game_->play.magicWallState = 1;
  game_->play.playerAnim = 8;
  game_->play.animToggle = 1;
  game_->play.subFrame = 5;  // index 13
  Draw();
  EXPECT_EQ(ItemAtCell(1, 1), 66);
  EXPECT_EQ(ItemAtCell(2, 1), 43);
  EXPECT_EQ(ItemAtCell(3, 1), 47);
  EXPECT_EQ(ItemAtCell(4, 1), 55);
  EXPECT_EQ(ItemAtCell(5, 1), 56);
  EXPECT_EQ(ItemAtCell(6, 1), 14);
  EXPECT_EQ(ItemAtCell(7, 1), 19);
  EXPECT_EQ(ItemAtCell(8, 1), 5);
  game_->play.animToggle = 0;
  game_->play.subFrame = 2;  // index 2
  Draw();
  EXPECT_EQ(ItemAtCell(1, 1), 61);
  EXPECT_EQ(ItemAtCell(5, 1), 56);
  EXPECT_EQ(ItemAtCell(7, 1), 21);
  EXPECT_EQ(ItemAtCell(8, 1), 4);
}

TEST_F(GameFrameTest, FixedPicturesOfEveryStillElement) {
  struct Case {
    uint8_t code;
    int item;
  };
  game_->play.caveStyle = 3;
  game_->play.animToggle = 1;
  const Case cases[] = {{Dirt, 72 + 12 + 1}, {BrickWall, 2},  {HExpandingWall, 2}, {VExpandingWall, 2},
                        {OutBox, 8},         {SteelWall, 8},  {OutBoxOpen, 8},     {InBox, 8},
                        {Boulder, 109},      {SpaceExplosion1, 48}, {SpaceExplosion4, 51},
                        {DiamondExplosion1, 68}, {DiamondExplosion4, 71}, {PlayerBirth1, 16},
                        {PlayerBirth3, 18},  {PlayerDummy, 19}, {PlayerInExit, 19}};
  int cx = 0;
  for (const Case& c : cases) Put(cx++, 3, c.code, 0, 1);
  const uint8_t hidden[] = {PlayerMoved, ExplodeToSpace, SpaceExplosion0, AmoebaNew, 6, 29, 61, 255};
  cx = 0;
  for (const uint8_t code : hidden) Put(cx++, 5, code, 3);
  Draw();
  cx = 0;
  for (const Case& c : cases) EXPECT_EQ(ItemAtCell(cx++, 3), c.item) << "code " << int(c.code);
  cx = 0;
  for (const uint8_t code : hidden) EXPECT_EQ(ItemAtCell(cx++, 5), -1) << "no picture for code " << int(code);
  game_->play.animToggle = 0;
  Draw();
  EXPECT_EQ(ItemAtCell(6, 3), 7) << "the open exit alternates with the flash frame";
  EXPECT_EQ(ItemAtCell(7, 3), 7);
}

TEST_F(GameFrameTest, MagicWallLookFollowsItsState) {
  Put(2, 2, MagicWall);
  for (const auto& [state, item] : {std::pair{0, 2}, {1, 3}, {2, 6}}) {
    game_->play.magicWallState = uint8_t(state);
    Draw();
    EXPECT_EQ(ItemAtCell(2, 2), item) << "state " << state;
  }
}

TEST_F(GameFrameTest, DugDirtAndTakenDiamondShrinkOnePixelPerSidePerTick) {
  Put(2, 2, Space, 2, 3);  // dirt dug without moving
  Put(4, 2, Space, 1);     // diamond taken without moving
  for (int s = 0; s < 8; ++s) {
    game_->play.subFrame = uint8_t(s);
    Draw();
    const int dirtEnd = 24 - 1 - s;  // exclusive
    EXPECT_EQ(ItemAtCell(2, 2, s, s), DirtImage(0, 3)) << s;
    EXPECT_EQ(ItemAtCell(2, 2, dirtEnd - 1, dirtEnd - 1), DirtImage(0, 3)) << s;
    EXPECT_EQ(ItemAtCell(2, 2, dirtEnd, s), -1) << s;
    if (s > 0) {
      EXPECT_EQ(ItemAtCell(2, 2, s - 1, s), -1) << s;
    }
    EXPECT_EQ(ItemAtCell(4, 2, dirtEnd, dirtEnd), 60) << "the diamond is one pixel wider " << s;
    EXPECT_EQ(ItemAtCell(4, 2, dirtEnd + 1, s), -1) << s;
  }
}

TEST_F(GameFrameTest, PlayerDiggingLeavesDirtOrDiamondUnderHimWhileSliding) {
  game_->play.playerAnim = 11;
  Put(3, 3, Player, 7);   // moved left into dirt
  Put(8, 3, Player, 11);  // moved left onto a diamond
  game_->play.subFrame = 0;
  Draw();
  EXPECT_EQ(ItemAtCell(3, 3, 1, 5), DirtImage(0, 0)) << "dirt still shows where the player has not arrived";
  EXPECT_EQ(ItemAtCell(3, 3, 23, 5), 26);
  EXPECT_EQ(ItemAtCell(8, 3, 1, 5), 60);
}

TEST_F(GameFrameTest, BoulderThroughSlimeSinksBehindTheSlimeAbove) {
  RecordingSurface recorder(480, 312);
  Media media{recorder, media_.images, media_.fonts, media_.scratchImages, media_.waves,
              media_.input, media_.frameTimer, media_.midi};
  Put(5, 6, Slime);
  Put(5, 7, BoulderFalling, 9, 1);
  Put(9, 6, MagicWall);
  Put(9, 7, Diamond, 5);
  game_->play.magicWallState = 1;
  game_->play.subFrame = 2;
  DrawGameFrame(*game_, view_, media);
  const int sink = -5 * 3;
  std::vector<std::tuple<int, int, int>> slimeColumn, wallColumn;
  for (const auto& c : recorder.calls)
    if (c.list == &media_.images && c.x == CellX(5)) slimeColumn.emplace_back(c.item, c.x, c.y);
  for (const auto& c : recorder.calls)
    if (c.list == &media_.images && c.x == CellX(9)) wallColumn.emplace_back(c.item, c.x, c.y);
  const std::vector<std::tuple<int, int, int>> expectSlime = {
      {44, CellX(5), CellY(6)},                // the slime, in its row
      {BoulderImage(1), CellX(5), CellY(6) + sink},  // the boulder sinking into the slime cell
      {BoulderImage(1), CellX(5), CellY(7) + sink},  // the boulder coming out below
      {44, CellX(5), CellY(6)},                // the slime again over it
  };
  EXPECT_EQ(slimeColumn, expectSlime);
  const std::vector<std::tuple<int, int, int>> expectWall = {
      {4, CellX(9), CellY(6)},
      {BoulderImage(0), CellX(9), CellY(6) + sink},  // a boulder went in, a diamond comes out
      {61, CellX(9), CellY(7) + sink},
      {4, CellX(9), CellY(6)},
  };
  EXPECT_EQ(wallColumn, expectWall);
}

TEST_F(GameFrameTest, ObjectsSinkingIntoMagicWallAndDummyAreDrawnUnderThem) {
  RecordingSurface recorder(480, 312);
  Media media{recorder, media_.images, media_.fonts, media_.scratchImages, media_.waves,
              media_.input, media_.frameTimer, media_.midi};
  Put(2, 2, MagicWall, 1, 3);
  Put(4, 2, MagicWall, 2);
  Put(6, 2, PlayerDummy, 1);
  game_->play.subFrame = 1;
  DrawGameFrame(*game_, view_, media);
  std::vector<std::tuple<int, int, int>> row;
  for (const auto& c : recorder.calls)
    if (c.list == &media_.images && c.y <= CellY(2) && c.y > CellY(1)) row.emplace_back(c.item, c.x, c.y);
  const int sink = -6 * 3;
  const std::vector<std::tuple<int, int, int>> expect = {
      {BoulderImage(3), CellX(2), CellY(2) + sink}, {2, CellX(2), CellY(2)},
      {60, CellX(4), CellY(2) + sink},              {2, CellX(4), CellY(2)},
      {60, CellX(6), CellY(2) + sink},              {19, CellX(6), CellY(2)},
  };
  EXPECT_EQ(row, expect);
}

TEST_F(GameFrameTest, ViewDrawsThe21By13CellsFromItsScrollPosition) {
  view_.scrollX = 20;
  view_.scrollY = 10;
  game_->camera.offsetX = -10;
  game_->camera.offsetY = -7;
  game_->grids.playfield.Fill(SteelWall);
  game_->grids.playfield(20 + 1, 10 + 1) = Dirt;  // cave cell (20, 10) is the top-left of the view
  Draw();
  EXPECT_EQ(ItemAt(media_.surface, 0, 24 + 24 - 7 - 1), DirtImage(0, 0));
  EXPECT_EQ(ItemAt(media_.surface, 24 - 10, 24 + 24 - 7 - 1), 8);
  EXPECT_EQ(ItemAt(media_.surface, 479, 311), 8) << "the 21st column and 13th row cover the edge";
  EXPECT_EQ(ItemAt(media_.surface, 0, 0), 71) << "the strip covers a row moved into it";
  EXPECT_EQ(media_.surface.Flips(), 1);
}

TEST_F(GameFrameTest, CameraOutsideItsRangeNeverReadsPastTheGrid) {
  view_.scrollX = 60;
  view_.scrollY = -30;
  Draw();
  view_.scrollX = -5;
  view_.scrollY = 40;
  Draw();
  EXPECT_EQ(media_.surface.Flips(), 2);
}

TEST_F(GameFrameTest, ControlsCountOnlyWhenLatchedInTheLastThreeRows) {
  // 13 polls a frame, one per row
  for (int row = 0; row < 13; ++row) {
    media_.input.Set(InputState{});
    for (int i = 0; i < 13; ++i) media_.input.Queue(InputState{.right = i == row});
    const int before = media_.input.Polls();
    Draw();
    EXPECT_EQ(media_.input.Polls() - before, 13);
    EXPECT_EQ(game_->keys.keyRight, row >= 10 ? 1 : 0) << "tapped at row " << row;
  }
  game_->keys.keyFire = 1;
  media_.input.Set(InputState{});
  Draw();
  EXPECT_EQ(game_->keys.keyFire, 0) << "the frame clears a latched flag";
}

TEST_F(GameFrameTest, ControlsHeldThroughTheFrameStayLatched) {
  media_.input.Set(InputState{.up = true, .ctrl = true});
  Draw();
  EXPECT_EQ(game_->keys.keyUp, 1);
  EXPECT_EQ(game_->keys.keyFire, 1);
}

}  // namespace
}  // namespace quarrion
