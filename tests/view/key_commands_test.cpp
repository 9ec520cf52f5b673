#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/cave_start.h"
#include "core/elements.h"
#include "core/game_phases.h"
#include "view/key_commands.h"

namespace quarrion {
namespace {

struct RecordingActions : KeyActions {
  std::vector<std::string> log;
  void PlaySoundDirect(int item) override { log.push_back("sound " + std::to_string(item)); }
  void ShowHelp() override { log.push_back("help"); }
  void Load() override { log.push_back("load"); }
  void ToggleMute() override { log.push_back("mute"); }
  void ShowSpeedDialog() override { log.push_back("speed"); }
  void ToggleFullScreen() override { log.push_back("fullscreen"); }
  void EditorCave(int delta) override { log.push_back("cave " + std::to_string(delta)); }
  void EditorLevel(int delta) override { log.push_back("level " + std::to_string(delta)); }
};

struct CountingShell : ShellHooks {
  int clicks = 0;
  void PlaySound(int item) override { clicks += item == 21; }
};

class KeyCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCaves(game_->caves);
    for (int cave = 0; cave < kCaveCount; ++cave) {
      for (int level = 0; level < kLevelCount; ++level) {
        game_->caves.Cell(cave, level, 2, 2) = InBox;
        game_->caves.Cell(cave, level, 5, 5) = OutBox;
      }
    }
    game_->caveSet.caveSetLoaded = 1;
    game_->play.playerAlive = 1;
  }
  std::vector<std::string> Press(int key, bool shift = false, bool alt = false) {
    actions_.log.clear();
    KeyContext context{*game_, shell_, actions_, palette_};
    FormKeyDown(context, key, shift, alt);
    return actions_.log;
  }
  void Playing() {
    game_->play.inGame = 1;
    game_->play.phase = PhasePlay;
  }
  using Log = std::vector<std::string>;
  std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
  RecordingActions actions_;
  CountingShell shell_;
  int16_t palette_ = -1;
};

TEST_F(KeyCommandsTest, TheFirstFireKeyOnlyEndsTheIntroTheSecondStarts) {
  game_->play.titleIntro = 1;
  Press(VkSpace);
  EXPECT_EQ(game_->play.titleIntro, 0);
  EXPECT_EQ(game_->play.inGame, 0);
  game_->play.idleCounter = 3;
  Press(VkCtrl);
  EXPECT_EQ(game_->play.inGame, 1);
  EXPECT_EQ(game_->play.phase, PhaseCover);
}

TEST_F(KeyCommandsTest, TitleKeysNeedACaveSet) {
  game_->caveSet.caveSetLoaded = 0;
  Press(VkSpace);
  EXPECT_EQ(game_->play.inGame, 0);
}

TEST_F(KeyCommandsTest, FireStartingAGameDoesNotAlsoReplayIt) {
  game_->play.playerAlive = 0;  // left over from the game that ended
  game_->play.lives = 2;
  Press(VkSpace);
  EXPECT_EQ(game_->play.inGame, 1);
  EXPECT_EQ(game_->play.phase, PhaseCover) << "the new game was not replayed at once";
  EXPECT_EQ(game_->play.lives, 3);
}

TEST_F(KeyCommandsTest, HPausesPlayClicksAndShowsHelp) {
  Playing();
  game_->play.subFrame = 5;
  game_->play.animToggle = 1;
  EXPECT_EQ(Press(VkLetter('H')), Log{"help"});
  EXPECT_EQ(game_->play.phase, PhasePause);
  EXPECT_EQ(game_->play.savedSubFrame, 5);
  EXPECT_EQ(shell_.clicks, 1);
  EXPECT_EQ(Press(VkLetter('L')), Log{"load"});
}

TEST_F(KeyCommandsTest, PTogglesPauseAndIgnoresTheBonusAndWaitPhases) {
  Playing();
  game_->play.subFrame = 6;
  Press(VkLetter('P'));
  EXPECT_EQ(game_->play.phase, PhasePause);
  game_->play.subFrame = 0;
  Press(VkLetter('P'));
  EXPECT_EQ(game_->play.phase, PhasePlay);
  EXPECT_EQ(game_->play.subFrame, 6);
  for (uint8_t phase : {uint8_t{PhaseTimeBonus}, uint8_t{PhaseNextCaveWait}}) {
    game_->play.phase = phase;
    Press(VkLetter('P'));
    EXPECT_EQ(game_->play.phase, phase);
  }
}

TEST_F(KeyCommandsTest, DPlaysOnlyAStoredDemo) {
  game_->play.caveNo = 4;
  Press(VkLetter('D'));
  EXPECT_EQ(game_->play.demoPlaying, 0);
  EXPECT_EQ(shell_.clicks, 0);
}

TEST_F(KeyCommandsTest, ShiftDRecordsTheCurrentCave) {
  Press(VkLetter('D'), true);
  EXPECT_EQ(game_->play.demoRecording, 1);
  EXPECT_EQ(game_->play.inGame, 1);
}

TEST_F(KeyCommandsTest, MClicksDirectlyBeforeToggling) {
  EXPECT_EQ(Press(VkLetter('M')), (Log{"sound 21", "mute"}));
  EXPECT_EQ(shell_.clicks, 0) << "not through the muted path";
}

TEST_F(KeyCommandsTest, NSkipsToTheNextCaveWithAFreshScore) {
  Playing();
  game_->play.score = 700;
  game_->play.lives = 1;
  Press(VkLetter('N'));
  EXPECT_EQ(game_->play.phase, PhaseNextCaveWait);
  EXPECT_EQ(game_->play.score, 0);
  EXPECT_EQ(game_->play.lives, 3);
  game_->play.phase = PhasePlay;
  game_->play.editorActive = 1;
  Press(VkLetter('N'));
  EXPECT_EQ(game_->play.phase, PhasePlay) << "no skipping in an editor test";
}

TEST_F(KeyCommandsTest, EditorKeysMoveThePaletteWithinItsRange) {
  game_->play.inGame = 2;
  game_->play.editorActive = 1;
  Press(VkComma);
  EXPECT_EQ(palette_, -1) << "comma with nothing selected does nothing";
  Press(VkPeriod);
  EXPECT_EQ(palette_, 0);
  for (int i = 0; i < 20; ++i) Press(VkPeriod);
  EXPECT_EQ(palette_, 13);
  for (int i = 0; i < 20; ++i) Press(VkComma);
  EXPECT_EQ(palette_, 0);
  EXPECT_EQ(Press(VkMinus), Log{"cave -1"});
  EXPECT_EQ(Press(VkRightBracket), Log{"level 1"});
  EXPECT_EQ(Press(VkLetter('L')), Log{}) << "no load key in the editor";
}

TEST_F(KeyCommandsTest, TInTheEditorStartsATest) {
  game_->play.editorActive = 1;
  game_->play.inGame = 2;
  Press(VkLetter('T'));
  EXPECT_EQ(game_->play.inGame, 1);
  EXPECT_EQ(game_->play.lives, 1);
}

TEST_F(KeyCommandsTest, AlwaysKeys) {
  EXPECT_EQ(Press(VkLetter('S')), Log{"speed"});
  EXPECT_EQ(Press(VkEnter), Log{});
  EXPECT_EQ(Press(VkEnter, false, true), Log{"fullscreen"});
}

}  // namespace
}  // namespace quarrion
