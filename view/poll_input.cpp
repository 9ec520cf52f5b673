#include "view/poll_input.h"

namespace quarrion {
namespace {

void OnlyDirection(KeyFlags& keys, uint8_t KeyFlags::*direction) {
  keys.keyUp = 0;
  keys.keyDown = 0;
  keys.keyLeft = 0;
  keys.keyRight = 0;
  keys.*direction = 1;
}

}  // namespace

void PollInput(GameState& game, Input& input) {
  if (game.play.demoPlaying) return;  // the demo sets the flags itself
  input.Poll();
  const InputState state = input.States();
  KeyFlags& keys = game.keys;
  if (state.up) OnlyDirection(keys, &KeyFlags::keyUp);
  if (state.down) OnlyDirection(keys, &KeyFlags::keyDown);
  if (state.left) OnlyDirection(keys, &KeyFlags::keyLeft);
  if (state.right) OnlyDirection(keys, &KeyFlags::keyRight);
  if (state.button1 || state.ctrl) keys.keyFire = 1;
}

}  // namespace quarrion
