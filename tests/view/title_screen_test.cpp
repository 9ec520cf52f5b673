#include <gtest/gtest.h>

#include "core/elements.h"
#include "view/title_screen.h"
#include "view_test_support.h"

namespace quarrion {
namespace {

using testing::FontImages;
using testing::FreshGame;
using testing::ItemAt;
using testing::RecordingSurface;
using testing::TextRuns;
using testing::TileImages;

class ClickRecorder : public ShellHooks {
 public:
  void PlaySound(int item) override { sounds.push_back(item); }
  std::vector<int> sounds;
};

// A cave set in which every level of caves 0..15 is playable unless a test spoils one.
class TitleSelectionTest : public ::testing::Test {
 protected:
  TitleSelectionTest() {
    for (int cave = 0; cave < kCaveCount; ++cave)
      for (int level = 0; level < kLevelCount; ++level) MakePlayable(cave, level);
    game_->caveSet.caveSetLoaded = 1;
    game_->play.inGame = 0;
    game_->play.titleIntro = 0;
  }
  void MakePlayable(int cave, int level) {
    game_->caves.Cell(cave, level, 3, 3) = InBox;
    game_->caves.Cell(cave, level, 9, 9) = OutBox;
  }
  void Spoil(int cave, int level) {
    game_->caves.Cell(cave, level, 9, 9) = OutBoxOpen;  // an open exit does not count
  }
  void Select(int cave, int level) {
    game_->play.caveNo = uint8_t(cave);
    game_->play.levelNo = uint8_t(level);
  }
  void Press(TitleKey key) { TitleSelectionKey(*game_, shell_, key); }
  int Cave() const { return game_->play.caveNo; }
  int Level() const { return game_->play.levelNo; }

  std::unique_ptr<GameState> game_ = FreshGame();
  ClickRecorder shell_;
};

TEST_F(TitleSelectionTest, ArrowsStepCaveAndLevelWithAClick) {
  Select(4, 2);
  game_->play.idleCounter = 3;
  Press(TitleKey::Right);
  EXPECT_EQ(Cave(), 5);
  EXPECT_EQ(game_->play.idleCounter, 24);
  Press(TitleKey::Left);
  Press(TitleKey::Left);
  EXPECT_EQ(Cave(), 3);
  Press(TitleKey::Down);
  EXPECT_EQ(Level(), 3) << "down selects the next higher level";
  Press(TitleKey::Up);
  Press(TitleKey::Up);
  EXPECT_EQ(Level(), 1);
  EXPECT_EQ(shell_.sounds, (std::vector<int>(6, 21)));
}

TEST_F(TitleSelectionTest, SelectionStopsAtCavePAndTheLastLevel) {
  Select(15, 4);
  Press(TitleKey::Right);
  Press(TitleKey::Down);
  EXPECT_EQ(Cave(), 15) << "the small caves are not offered";
  EXPECT_EQ(Level(), 4);
  Select(0, 0);
  Press(TitleKey::Left);
  Press(TitleKey::Up);
  EXPECT_EQ(Cave(), 0);
  EXPECT_EQ(Level(), 0);
  EXPECT_TRUE(shell_.sounds.empty()) << "a refused key gives no click";
}

TEST_F(TitleSelectionTest, UnplayableNeighbourBlocksTheWayInsteadOfBeingJumped) {
  Spoil(6, 2);
  Select(6, 1);
  Press(TitleKey::Down);
  EXPECT_EQ(Level(), 1) << "level 4 is playable, level 3 is not";
  Select(5, 2);
  Press(TitleKey::Right);
  EXPECT_EQ(Cave(), 5);
  Select(7, 2);
  Press(TitleKey::Left);
  EXPECT_EQ(Cave(), 7);
  EXPECT_TRUE(shell_.sounds.empty());
  game_->caves.Cell(6, 2, 30, 20) = OutBox;
  Press(TitleKey::Left);
  EXPECT_EQ(Cave(), 6) << "an outbox anywhere in the map makes it playable";
}

TEST_F(TitleSelectionTest, FirstKeyOnlyEndsTheIntro) {
  game_->play.titleIntro = 1;
  Select(2, 2);
  Press(TitleKey::Right);
  EXPECT_EQ(Cave(), 2);
  EXPECT_EQ(game_->play.titleIntro, 0);
  EXPECT_TRUE(shell_.sounds.empty());

  game_->play.titleIntro = 1;
  EXPECT_FALSE(TitleStartKey(*game_)) << "the first Space only removes the intro";
  EXPECT_EQ(game_->play.titleIntro, 0);
  game_->play.idleCounter = 2;
  EXPECT_TRUE(TitleStartKey(*game_)) << "the second Space starts the game";
  EXPECT_EQ(game_->play.idleCounter, 24);
}

TEST_F(TitleSelectionTest, KeysDoNothingWithoutACaveSetOrOutsideTheTitle) {
  game_->caveSet.caveSetLoaded = 0;
  game_->play.titleIntro = 1;
  Select(3, 3);
  Press(TitleKey::Right);
  EXPECT_FALSE(TitleStartKey(*game_));
  EXPECT_EQ(Cave(), 3);
  EXPECT_EQ(game_->play.titleIntro, 1) << "the intro keeps running";
  game_->caveSet.caveSetLoaded = 1;
  game_->play.inGame = 1;
  Press(TitleKey::Right);
  EXPECT_FALSE(TitleStartKey(*game_));
  EXPECT_EQ(Cave(), 3);
}

TEST_F(TitleSelectionTest, SelectionOutOfRangeNeverReadsPastTheCaveSet) {
  Select(19, 7);
  Press(TitleKey::Up);
  EXPECT_EQ(Level(), 7);
  Select(25, 0);
  Press(TitleKey::Left);
  EXPECT_EQ(Cave(), 25);
}

TEST(TitlePreviewItemTest, MapCodesShowTheirStillPictures) {
  EXPECT_EQ(TitlePreviewItem(Dirt, 5, 2, 0), 72 + 20 + 2);
  EXPECT_EQ(TitlePreviewItem(MagicWall, 0, 0, 0), 2) << "magic walls look like brick";
  EXPECT_EQ(TitlePreviewItem(HExpandingWall, 0, 0, 0), 2);
  EXPECT_EQ(TitlePreviewItem(InBox, 0, 0, 0), 8);
  EXPECT_EQ(TitlePreviewItem(OutBox, 0, 0, 0), 8);
  EXPECT_EQ(TitlePreviewItem(BoulderFalling, 0, 3, 0), 111);
  EXPECT_EQ(TitlePreviewItem(DiamondFalling, 0, 0, 15), 67);
  EXPECT_EQ(TitlePreviewItem(FireflyDown, 0, 0, 8), 54);
  EXPECT_EQ(TitlePreviewItem(ButterflyUp, 0, 0, 6), 58);
  EXPECT_EQ(TitlePreviewItem(Amoeba, 0, 0, 4), 41);
  EXPECT_EQ(TitlePreviewItem(Slime, 0, 0, 12), 47);
  for (const uint8_t code : std::initializer_list<uint8_t>{Space, VExpandingWall, PlayerDummy, Player, 200})
    EXPECT_EQ(TitlePreviewItem(code, 0, 0, 0), 0) << int(code);
}

class TitleScreenTest : public ::testing::Test {
 protected:
  TitleScreenTest() {
    media_.images.Data() = TileImages(24);
    media_.fonts.Data() = FontImages();
    media_.surface.Resize(480, 312);
    game_->caveSet.caveSetName = "SET";
  }
  void Draw() {
    media_.surface.Fill(0);
    DrawTitleScreen(*game_, view_, media_view_);
  }

  std::unique_ptr<GameState> game_ = FreshGame();
  ViewState view_;
  HeadlessMedia media_;
  Media media_view_ = media_.View();
};

TEST_F(TitleScreenTest, IntroWallCreepsUpOnePixelPerTickBehindThePicture) {
  game_->play.titleIntro = 1;
  Draw();
  EXPECT_EQ(ItemAt(media_.surface, 100, 24), 8);
  EXPECT_EQ(ItemAt(media_.surface, 2, 2), 112) << "the intro picture lies on top";
  EXPECT_EQ(view_.titleScroll, 1);
  for (int i = 1; i < 24; ++i) Draw();
  EXPECT_EQ(view_.titleScroll, 0) << "wraps at the tile size";
  EXPECT_EQ(ItemAt(media_.surface, 479, 311), 8) << "the wall covers the whole surface";
  EXPECT_EQ(ItemAt(media_.surface, 479, 0), 8);

  view_.titleScroll = 60;  // left over from a larger zoom
  view_.zoom = 2;
  Draw();
  EXPECT_EQ(view_.titleScroll, 0);
}

TEST_F(TitleScreenTest, IntroRunsUntilACaveSetIsLoaded) {
  game_->play.titleIntro = 0;
  game_->caveSet.caveSetLoaded = 0;
  Draw();
  EXPECT_EQ(view_.titleScroll, 1);
  EXPECT_EQ(game_->play.subFrame, 0) << "the intro runs no preview animation";
}

TEST_F(TitleScreenTest, PreviewShowsTheMiddleOfTheSelectedLevelAnimated) {
  game_->caveSet.caveSetLoaded = 1;
  game_->play.caveNo = 9;
  game_->play.levelNo = 3;
  game_->caves.Cell(9, 3, 10, 5) = Dirt;
  game_->grids.tileVariant(1, 1) = 2;
  game_->caves.Cell(9, 3, 29, 16) = MagicWall;
  game_->caves.Cell(9, 3, 15, 8) = Diamond;
  game_->caves.Cell(9, 3, 9, 5) = SteelWall;  // just outside the preview
  game_->play.subFrame = 7;
  game_->play.animToggle = 0;
  Draw();
  EXPECT_EQ(game_->play.subFrame, 0);
  EXPECT_EQ(game_->play.animToggle, 1) << "the preview animates at the game's pace";
  EXPECT_EQ(game_->play.caveStyle, 1);
  EXPECT_EQ(ItemAt(media_.surface, 12, 24 + 12), 72 + 4 + 2);
  EXPECT_EQ(ItemAt(media_.surface, 19 * 24 + 5, 11 * 24 + 24 + 5), 2);
  EXPECT_EQ(ItemAt(media_.surface, 5 * 24 + 5, 3 * 24 + 24 + 5), 64) << "diamond table at index 8";
  EXPECT_EQ(ItemAt(media_.surface, 24 + 5, 24 + 5), 0) << "space shows item 0";
  EXPECT_EQ(ItemAt(media_.surface, 2, 2), 113) << "the overlay lies over everything";
  EXPECT_EQ(ItemAt(media_.surface, 10, 10), 71) << "the status panel under the overlay";
}

TEST_F(TitleScreenTest, PreviewStatusLineNamesTheSetCaveAndLevel) {
  RecordingSurface recorder(480, 312);
  Media media{recorder, media_.images, media_.fonts, media_.scratchImages, media_.waves,
              media_.input, media_.frameTimer, media_.midi};
  game_->caveSet.caveSetLoaded = 1;
  game_->play.caveNo = 15;
  game_->play.levelNo = 4;
  DrawTitleScreen(*game_, view_, media);
  const auto runs = TextRuns(recorder, media_.fonts);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].x, 4);
  EXPECT_EQ(runs[0].text, "SET");
  EXPECT_EQ(runs[1].x, 424);
  EXPECT_EQ(runs[1].text, "P");
  EXPECT_EQ(runs[2].x, 444);
  EXPECT_EQ(runs[2].text, "/5");
  EXPECT_EQ(recorder.calls.back().item, 113);
  EXPECT_EQ(recorder.calls.back().list, &media_.images);
}

}  // namespace
}  // namespace quarrion
