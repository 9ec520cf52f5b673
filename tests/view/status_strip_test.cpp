#include <gtest/gtest.h>

#include <algorithm>

#include "view/status_strip.h"
#include "view_test_support.h"

namespace quarrion {
namespace {

using testing::FontImages;
using testing::FreshGame;
using testing::RecordingSurface;
using testing::TextRun;
using testing::TextRuns;

// The strip at zoom 1, so every position carries the status origin 82.
class StatusStripTest : public ::testing::Test {
 protected:
  static constexpr int kX0 = 82;

  StatusStripTest() {
    fonts_.Data() = FontImages();
    view_.zoom = 1;
    game_->caveSet.caveSetName = "MINES";
    game_->play.caveNo = 2;
    game_->play.levelNo = 1;
    game_->params.diamondsNeeded = 12;
    game_->params.diamondValue = 5;
    game_->params.bonusValue = 15;
    game_->play.diamondsCollected = 3;
    game_->play.score = 1234;
    game_->play.hiScore = 98765;
    game_->play.lives = 3;
    game_->caves.PropertyAt(2, 1, PropCaveTime) = 120;
    game_->params.caveTime = 121;
  }

  std::vector<TextRun> Draw() {
    surface_.calls.clear();
    DrawStatusStrip(*game_, view_, media_);
    return TextRuns(surface_, fonts_);
  }
  // The text drawn at x (from the origin), or "" when none starts there.
  static std::string At(const std::vector<TextRun>& runs, int x, int* colour = nullptr) {
    for (const auto& run : runs)
      if (run.x == kX0 + x) {
        if (colour) *colour = run.digitColour;
        return run.text;
      }
    return "";
  }
  std::vector<int> IconsX() const {
    std::vector<int> xs;
    for (const auto& c : surface_.calls)
      if (c.list == &fonts_ && c.item >= 74 && c.item <= 81) xs.push_back(c.x - kX0);
    std::sort(xs.begin(), xs.end());
    return xs;
  }
  int Panels() const {
    return int(std::count_if(surface_.calls.begin(), surface_.calls.end(),
                             [&](const auto& c) { return c.list == &fonts_ && c.item == 72 && c.x == 0; }));
  }

  std::unique_ptr<GameState> game_ = FreshGame();
  ViewState view_;
  RecordingSurface surface_{640, 408};
  ImageList images_, fonts_, scratch_;
  RecordingSoundList waves_;
  ScriptedInput input_;
  ManualFrameTimer timer_;
  RecordingMidiPlayer midi_;
  Media media_{surface_, images_, fonts_, scratch_, waves_, input_, timer_, midi_};
};

TEST_F(StatusStripTest, PlayShowsNeededCollectedTimeAndScoreInTheirColours) {
  game_->play.playerBorn = 1;
  const auto runs = Draw();
  int colour = -1;
  EXPECT_EQ(At(runs, 4, &colour), "012");
  EXPECT_EQ(colour, 0);
  EXPECT_EQ(At(runs, 100, &colour), "05");
  EXPECT_EQ(colour, 0);
  EXPECT_EQ(At(runs, 170, &colour), "003");
  EXPECT_EQ(colour, 1);
  EXPECT_EQ(At(runs, 260, &colour), "120");
  EXPECT_EQ(colour, 2);
  EXPECT_EQ(At(runs, 352, &colour), "001234");
  EXPECT_EQ(colour, 0);
  EXPECT_EQ(IconsX(), std::vector<int>{74});
  EXPECT_EQ(Panels(), 1);
}

TEST_F(StatusStripTest, ReachedNeededShowsBonusValueAndTwoMoreIcons) {
  game_->play.playerBorn = 1;
  game_->play.diamondsCollected = 12;
  const auto runs = Draw();
  EXPECT_EQ(At(runs, 4), "") << "the needed number is no longer drawn";
  EXPECT_EQ(At(runs, 100), "15");
  EXPECT_EQ(IconsX(), (std::vector<int>{24, 48, 74}));
}

TEST_F(StatusStripTest, LongScoreIsDrawnInFull) {
  game_->play.playerBorn = 1;
  game_->play.score = 1234567;
  EXPECT_EQ(At(Draw(), 352), "1234567");
}

TEST_F(StatusStripTest, TimeFieldShowsThePropertyUntilTheFirstClockTick) {
  game_->params.caveTime = 121;
  EXPECT_EQ(TimeFieldValue(*game_), 120);
  game_->params.caveTime = 120;
  EXPECT_EQ(TimeFieldValue(*game_), 120);
  game_->params.caveTime = 7;
  EXPECT_EQ(TimeFieldValue(*game_), 7);
  game_->caves.PropertyAt(2, 1, PropCaveTime) = 255;
  game_->params.caveTime = 255;
  EXPECT_EQ(TimeFieldValue(*game_), 255) << "255 is not the property plus one";
  game_->params.caveTime = 254;
  EXPECT_EQ(TimeFieldValue(*game_), 254);
}

TEST_F(StatusStripTest, BeforeBirthTheCaveTitleThenTheLives) {
  game_->play.phase = 1;
  game_->params.inboxDelay = 13;
  auto runs = Draw();
  EXPECT_EQ(At(runs, 4), "MINES");
  EXPECT_EQ(At(runs, 424), "C");
  EXPECT_EQ(At(runs, 444), "/2");
  EXPECT_TRUE(IconsX().empty());

  game_->params.inboxDelay = 12;
  runs = Draw();
  int colour = -1;
  EXPECT_EQ(At(runs, 4, &colour), "3");
  EXPECT_EQ(colour, 1);
  EXPECT_EQ(At(runs, 34), "MEN     HIGH SCORE");
  EXPECT_EQ(At(runs, 352), "098765");

  game_->play.lives = 1;
  EXPECT_EQ(At(Draw(), 34), "MAN     HIGH SCORE");
}

TEST_F(StatusStripTest, SmallCaveAnnouncesItsBonusLifeInsteadOfTheTitle) {
  game_->play.caveNo = 16;
  game_->play.phase = 2;
  game_->params.inboxDelay = 20;
  const auto runs = Draw();
  EXPECT_EQ(At(runs, 160), "BONUS LIFE");
  EXPECT_EQ(At(runs, 4), "");
}

TEST_F(StatusStripTest, DemosShowTheirLabelBeforeBirthAndTheirIndicatorAfter) {
  game_->play.phase = 0;
  game_->params.inboxDelay = 5;
  game_->play.demoRecording = 1;
  game_->play.demoPos = 37;
  EXPECT_EQ(At(Draw(), 4), "RECORDING DEMO");
  game_->play.playerBorn = 1;
  auto runs = Draw();
  int colour = -1;
  EXPECT_EQ(At(runs, 348), "REC/");
  EXPECT_EQ(At(runs, 414, &colour), "363") << "the demo bytes still free";
  EXPECT_EQ(colour, 2);

  game_->play.demoRecording = 0;
  game_->play.demoPlaying = 1;
  runs = Draw();
  EXPECT_EQ(At(runs, 364), "DEMO");
  EXPECT_EQ(At(runs, 352), "");
  game_->play.playerBorn = 0;
  EXPECT_EQ(At(Draw(), 4), "PLAYING DEMO");
}

TEST_F(StatusStripTest, PauseOutOfTimeGameOverAndDemoEndMessages) {
  game_->play.playerBorn = 1;
  game_->play.phase = 3;
  auto runs = Draw();
  EXPECT_EQ(At(runs, 246), "PAUSE");
  EXPECT_EQ(At(runs, 4), "012");
  EXPECT_EQ(At(runs, 352), "001234");
  EXPECT_EQ(At(runs, 260), "") << "no time field in the pause";

  game_->play.playerBorn = 0;
  Draw();
  EXPECT_EQ(IconsX(), std::vector<int>{74}) << "the pause draws the icon when the player is not born";

  game_->play.phase = 4;
  runs = Draw();
  EXPECT_EQ(At(runs, 260), "OUT OF TIME");
  EXPECT_EQ(At(runs, 170), "003");
  EXPECT_EQ(At(runs, 352), "");

  game_->play.phase = 7;
  runs = Draw();
  EXPECT_EQ(At(runs, 160), "GAME OVER");
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(Panels(), 2);

  game_->play.phase = 8;
  runs = Draw();
  EXPECT_EQ(At(runs, 116), "QUARRION");
  EXPECT_EQ(runs.size(), 1u);
}

TEST_F(StatusStripTest, BonusLifeCoversTheWholeStripWhileTheFlashRuns) {
  game_->play.playerBorn = 1;
  game_->play.extraLifeFlash = 128;
  auto runs = Draw();
  EXPECT_EQ(Panels(), 2);
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.back().text, "BONUS LIFE");
  EXPECT_EQ(runs.back().x, kX0 + 160);
  // nothing drawn before the second panel can show
  const auto second = std::find_if(surface_.calls.rbegin(), surface_.calls.rend(),
                                   [&](const auto& c) { return c.item == 72; });
  EXPECT_EQ(std::distance(surface_.calls.rbegin(), second), 10) << "only the ten glyphs after the panel";

  game_->play.extraLifeFlash = 0;
  runs = Draw();
  EXPECT_EQ(Panels(), 1);
  EXPECT_EQ(At(runs, 352), "001234");
}

TEST_F(StatusStripTest, PanelFollowsTheZoomAndTheOriginShiftsTheLayout) {
  for (const auto& [zoom, x0] : {std::pair{0, 0}, {1, 82}, {2, 162}}) {
    view_.zoom = uint8_t(zoom);
    game_->play.phase = 7;
    surface_.calls.clear();
    DrawStatusStrip(*game_, view_, media_);
    ASSERT_GE(surface_.calls.size(), 2u);
    EXPECT_EQ(surface_.calls.front().item, 71 + zoom);
    const auto runs = TextRuns(surface_, fonts_);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].x, x0 + 160);
  }
}

TEST_F(StatusStripTest, CaveSetNameWithoutGlyphsShowsBlankCells) {
  game_->caveSet.caveSetName = "A:B?";
  game_->play.phase = 0;
  game_->params.inboxDelay = 20;
  EXPECT_EQ(At(Draw(), 4), "A B ");
}

}  // namespace
}  // namespace quarrion
