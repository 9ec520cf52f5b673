#include "app/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace quarrion {
namespace {

// The stick steers along the axis it is pushed furthest: a stick held a little off straight up
// must not turn into right, which would win over up in the play controls.
void StickDirection(int x, int y, int deadZone, PadState& state) {
  if (std::max(std::abs(x), std::abs(y)) <= deadZone) return;
  if (std::abs(x) > std::abs(y)) {
    (x < 0 ? state.left : state.right) = true;
  } else {
    (y < 0 ? state.up : state.down) = true;
  }
}

void Combine(PadState& into, const PadState& pad) {
  into.up = into.up || pad.up;
  into.down = into.down || pad.down;
  into.left = into.left || pad.left;
  into.right = into.right || pad.right;
  into.button1 = into.button1 || pad.button1;
}

}  // namespace

Gamepads::Gamepads() {
  ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!ready_) return;
  // the pads are read by state; nobody takes SDL's events off its queue, so none are queued
  SDL_JoystickEventState(SDL_IGNORE);
  SDL_GameControllerEventState(SDL_IGNORE);
  Scan();
}

Gamepads::~Gamepads() {
  for (Pad& pad : pads_) Close(pad);
  if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int Gamepads::MappedCount() const {
  return int(std::count_if(pads_.begin(), pads_.end(), [](const Pad& pad) { return pad.controller != nullptr; }));
}

void Gamepads::Close(Pad& pad) {
  if (pad.controller != nullptr) SDL_GameControllerClose(pad.controller);
  if (pad.joystick != nullptr) SDL_JoystickClose(pad.joystick);
  pad.controller = nullptr;
  pad.joystick = nullptr;
}

void Gamepads::Scan() {
  // pulled pads go first, so that a device index freed by one is not taken for a new pad
  for (Pad& pad : pads_) {
    SDL_Joystick* joystick = pad.controller != nullptr ? SDL_GameControllerGetJoystick(pad.controller) : pad.joystick;
    if (joystick == nullptr || !SDL_JoystickGetAttached(joystick)) Close(pad);
  }
  std::erase_if(pads_, [](const Pad& pad) { return pad.controller == nullptr && pad.joystick == nullptr; });

  const int devices = SDL_NumJoysticks();
  for (int index = 0; index < devices; ++index) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
    if (id < 0) continue;
    if (std::any_of(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; })) continue;
    Pad pad;
    pad.id = id;
    if (SDL_IsGameController(index)) pad.controller = SDL_GameControllerOpen(index);
    // a device SDL cannot map, or whose mapping fails to open, is still read as a plain joystick
    if (pad.controller == nullptr) pad.joystick = SDL_JoystickOpen(index);
    if (pad.controller != nullptr || pad.joystick != nullptr) pads_.push_back(pad);
  }
}

PadState Gamepads::ReadPad(const Pad& pad) const {
  PadState state;
  if (SDL_GameController* c = pad.controller) {
    state.up = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP) != 0;
    state.down = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN) != 0;
    state.left = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0;
    state.right = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0;
    StickDirection(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX),
                   SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY), kStickDeadZone, state);
    // the south face button: A on one maker's pads, the cross on another's
    state.button1 = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_A) != 0;
    return state;
  }
  SDL_Joystick* j = pad.joystick;
  const int x = SDL_JoystickNumAxes(j) > 0 ? SDL_JoystickGetAxis(j, 0) : 0;
  const int y = SDL_JoystickNumAxes(j) > 1 ? SDL_JoystickGetAxis(j, 1) : 0;
  state.left = x < -kJoystickDeadZone;
  state.right = x > kJoystickDeadZone;
  state.up = y < -kJoystickDeadZone;
  state.down = y > kJoystickDeadZone;
  if (SDL_JoystickNumHats(j) > 0) {
    const Uint8 hat = SDL_JoystickGetHat(j, 0);
    state.up = state.up || (hat & SDL_HAT_UP) != 0;
    state.down = state.down || (hat & SDL_HAT_DOWN) != 0;
    state.left = state.left || (hat & SDL_HAT_LEFT) != 0;
    state.right = state.right || (hat & SDL_HAT_RIGHT) != 0;
  }
  state.button1 = SDL_JoystickNumButtons(j) > 0 && SDL_JoystickGetButton(j, 0) != 0;
  return state;
}

void Gamepads::Refresh() {
  state_ = PadState{};
  if (!ready_) return;
  // also notices devices plugged in or pulled out since the last update
  SDL_JoystickUpdate();
  Scan();
  for (const Pad& pad : pads_) Combine(state_, ReadPad(pad));
  refreshedAt_ = SDL_GetTicks64();
  refreshed_ = true;
}

PadState Gamepads::Read() {
  if (!refreshed_ || SDL_GetTicks64() != refreshedAt_) Refresh();
  return state_;
}

}  // namespace quarrion
