#include <gtest/gtest.h>

#include <memory>

#include "app/game_shell.h"
#include "app/media/headless_media.h"

namespace quarrion {
namespace {

using Call = RecordingSoundList::Call;

class GameShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    media_.midi.SetFileName("/proc/self/exe");
    ASSERT_TRUE(media_.midi.Open());
  }
  std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
  HeadlessMedia media_;
  Media view_ = media_.View();
  GameShell shell_{*game_, view_};
};

TEST_F(GameShellTest, MutedPlaysNothingButStopsStillReachTheSoundList) {
  shell_.PlaySound(8);
  shell_.Shell().muted = 1;
  shell_.PlaySound(9);
  shell_.StopSound(13);
  const std::vector<Call> expected = {{"play", 8, 0}, {"stop", 13, 0}};
  EXPECT_EQ(media_.waves.Calls(), expected);
}

TEST_F(GameShellTest, StopLoopedSoundsClearsTheirFlags) {
  game_->play.amoebaSoundOn = 1;
  game_->play.magicWallSoundOn = 1;
  shell_.StopLoopedSounds();
  EXPECT_EQ(game_->play.amoebaSoundOn, 0);
  EXPECT_EQ(game_->play.magicWallSoundOn, 0);
  const std::vector<Call> expected = {{"stop", 13, 0}, {"stop", 20, 0}, {"stop", 16, 0}};
  EXPECT_EQ(media_.waves.Calls(), expected);
}

TEST_F(GameShellTest, RestartMusicPlaysFromTheStartUnlessMutedOrUnavailable) {
  media_.midi.Play();
  media_.midi.Advance(5000);
  shell_.RestartMusic();
  EXPECT_TRUE(media_.midi.Playing());
  EXPECT_EQ(media_.midi.Position(), 0);
  shell_.StopMusic();
  EXPECT_FALSE(media_.midi.Playing());
  shell_.Shell().musicAvailable = 0;
  shell_.RestartMusic();
  EXPECT_FALSE(media_.midi.Playing());
}

TEST_F(GameShellTest, UnmutingOnTheTitleRestartsTheTuneAndRearmsLoopedSounds) {
  shell_.ToggleMute();
  EXPECT_EQ(shell_.Shell().muted, 1);
  EXPECT_FALSE(media_.midi.Playing());
  game_->play.amoebaSoundOn = 1;
  shell_.ToggleMute();
  EXPECT_EQ(shell_.Shell().muted, 0);
  EXPECT_EQ(game_->play.amoebaSoundOn, 0);
  EXPECT_TRUE(media_.midi.Playing());
}

TEST_F(GameShellTest, UnmutingInAGameLeavesTheTuneOff) {
  shell_.ToggleMute();
  game_->play.inGame = 1;
  shell_.ToggleMute();
  EXPECT_FALSE(media_.midi.Playing());
}

}  // namespace
}  // namespace quarrion
