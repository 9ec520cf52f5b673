// Gamepads reach the play controls: SDL's virtual joysticks stand in for real pads, plugged in
// after the input was made, as a player plugs a pad in while the game runs.
#include <gtest/gtest.h>

#include <SDL.h>

#include "app/gamepad.h"
#include "app/qt_media.h"
#include "tests/app/virtual_pad.h"

namespace quarrion {
namespace {

class GamepadTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError(); }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  // The pads are read again only in a new millisecond; a poll right after a change waits for it.
  static InputState Poll(QtInput& input) {
    SDL_Delay(2);
    input.Poll();
    return input.States();
  }
  static bool Nothing(const InputState& s) { return !s.up && !s.down && !s.left && !s.right && !s.button1; }
};

TEST_F(GamepadTest, PadPluggedInWhileRunningSteersWithDpadAndStickAndFiresWithSouthButton) {
  QtInput input;
  EXPECT_TRUE(Nothing(Poll(input)));
  VirtualPad pad = VirtualPad::Controller();
  ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
  EXPECT_TRUE(Nothing(Poll(input)));

  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  InputState s = Poll(input);
  EXPECT_TRUE(s.up && !s.down && !s.left && !s.right && !s.button1);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  s = Poll(input);
  EXPECT_TRUE(!s.up && s.down);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_TRUE(Poll(input).left);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  EXPECT_TRUE(Poll(input).right);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  EXPECT_TRUE(Nothing(Poll(input)));

  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
  s = Poll(input);
  EXPECT_TRUE(s.left && !s.right && !s.up && !s.down);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
  s = Poll(input);
  EXPECT_TRUE(s.down && !s.up && !s.left && !s.right);
  // pushed mostly up and a little right it steers up, though right would win over up
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -30000);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 12000);
  s = Poll(input);
  EXPECT_TRUE(s.up && !s.right);
  // a stick resting slightly off centre steers nothing
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -(Gamepads::kStickDeadZone - 500));
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, Gamepads::kStickDeadZone - 500);
  EXPECT_TRUE(Nothing(Poll(input)));
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  // the right stick is not for steering
  pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
  EXPECT_TRUE(Nothing(Poll(input)));
  pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);

  pad.Button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_FALSE(Poll(input).button1) << "only the south button fires";
  pad.Button(SDL_CONTROLLER_BUTTON_B, false);
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  s = Poll(input);
  EXPECT_TRUE(s.button1 && !s.ctrl);

  // pulled out while steering and firing: nothing stays held
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  EXPECT_TRUE(Poll(input).right);
  pad.Unplug();
  EXPECT_TRUE(Nothing(Poll(input)));
}

TEST_F(GamepadTest, DeviceWithoutMappingSteersWithAxesAndHatAndFiresWithFirstButton) {
  QtInput input;
  Poll(input);
  VirtualPad stick(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 2, 1);
  ASSERT_TRUE(stick.Plugged()) << SDL_GetError();
  ASSERT_FALSE(SDL_IsGameController(SDL_NumJoysticks() - 1)) << "the fallback needs a device SDL cannot map";

  // the joystick binding's small dead zone holds for such devices
  stick.Axis(0, -(Gamepads::kJoystickDeadZone + 100));
  EXPECT_TRUE(Poll(input).left);
  stick.Axis(0, Gamepads::kJoystickDeadZone - 100);
  EXPECT_TRUE(Nothing(Poll(input)));
  stick.Axis(0, 0);
  stick.Axis(1, 20000);
  EXPECT_TRUE(Poll(input).down);
  stick.Axis(1, 0);
  stick.Hat(SDL_HAT_RIGHTUP);
  InputState s = Poll(input);
  EXPECT_TRUE(s.right && s.up && !s.left && !s.down);
  stick.Hat(SDL_HAT_CENTERED);
  stick.Button(1, true);
  EXPECT_TRUE(Nothing(Poll(input))) << "only the first button fires";
  stick.Button(0, true);
  EXPECT_TRUE(Poll(input).button1);
  stick.Unplug();
  EXPECT_TRUE(Nothing(Poll(input)));
}

TEST_F(GamepadTest, SeveralPadsSteerTogetherAndOneUnpluggedLeavesTheOther) {
  VirtualPad first = VirtualPad::Controller();  // there before the start
  Gamepads pads;
  EXPECT_EQ(pads.Count(), 1);
  VirtualPad second = VirtualPad::Controller();
  VirtualPad plain(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 1, 0);
  pads.Refresh();
  EXPECT_EQ(pads.Count(), 3);
  EXPECT_EQ(pads.MappedCount(), 2);

  first.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  second.Button(SDL_CONTROLLER_BUTTON_A, true);
  pads.Refresh();
  PadState s = pads.Read();
  EXPECT_TRUE(s.left && s.button1);

  first.Unplug();
  pads.Refresh();
  s = pads.Read();
  EXPECT_EQ(pads.Count(), 2);
  EXPECT_TRUE(!s.left && s.button1);
  // plugged in again it is a new device and is taken in again
  VirtualPad again = VirtualPad::Controller();
  again.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  pads.Refresh();
  EXPECT_EQ(pads.Count(), 3);
  EXPECT_TRUE(pads.Read().up);
}

TEST_F(GamepadTest, PadsAreNotReadWhileTheProgramIsInactive) {
  QtInput input;
  VirtualPad pad = VirtualPad::Controller();
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  EXPECT_TRUE(Poll(input).button1);
  input.SetActive(false);
  EXPECT_TRUE(Nothing(Poll(input)));
  input.SetActive(true);
  EXPECT_TRUE(Poll(input).up);
}

}  // namespace
}  // namespace quarrion
