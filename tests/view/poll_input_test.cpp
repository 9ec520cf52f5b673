#include <gtest/gtest.h>

#include <memory>

#include "app/media/headless_media.h"
#include "view/poll_input.h"

namespace quarrion {
namespace {

class PollInputTest : public ::testing::Test {
 protected:
  std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
  ScriptedInput input_;
  KeyFlags& keys() { return game_->keys; }
};

TEST_F(PollInputTest, LaterDirectionsWinSoUpAndRightSteersRight) {
  input_.Set(InputState{.up = true, .right = true});
  PollInput(*game_, input_);
  EXPECT_EQ(keys().keyRight, 1);
  EXPECT_EQ(keys().keyUp, 0);
  input_.Set(InputState{.down = true, .left = true});
  PollInput(*game_, input_);
  EXPECT_EQ(keys().keyLeft, 1);
  EXPECT_EQ(keys().keyDown, 0);
  EXPECT_EQ(keys().keyRight, 0) << "a new direction clears the old one";
}

TEST_F(PollInputTest, FlagsLatchWhenTheControlIsReleased) {
  input_.Set(InputState{.up = true, .button1 = true});
  PollInput(*game_, input_);
  input_.Set(InputState{});
  PollInput(*game_, input_);
  EXPECT_EQ(keys().keyUp, 1);
  EXPECT_EQ(keys().keyFire, 1);
}

TEST_F(PollInputTest, CtrlIsFireToo) {
  input_.Set(InputState{.ctrl = true});
  PollInput(*game_, input_);
  EXPECT_EQ(keys().keyFire, 1);
  EXPECT_EQ(keys().keyUp + keys().keyDown + keys().keyLeft + keys().keyRight, 0);
}

TEST_F(PollInputTest, NothingIsSampledWhileADemoPlays) {
  game_->play.demoPlaying = 1;
  input_.Set(InputState{.left = true, .button1 = true});
  PollInput(*game_, input_);
  EXPECT_EQ(keys().keyLeft, 0);
  EXPECT_EQ(keys().keyFire, 0);
  EXPECT_EQ(input_.Polls(), 0) << "the input is not even refreshed";
}

}  // namespace
}  // namespace quarrion
