// SDL's virtual joysticks standing in for real pads, plugged in while the game runs.
#pragma once
#include <SDL.h>

namespace quarrion {

// One virtual device, pulled out again at the end unless the test pulled it.
class VirtualPad {
 public:
  VirtualPad(SDL_JoystickType type, int axes, int buttons, int hats) {
    const int index = SDL_JoystickAttachVirtual(type, axes, buttons, hats);
    if (index < 0) return;
    id_ = SDL_JoystickGetDeviceInstanceID(index);
    handle_ = SDL_JoystickOpen(index);
  }
  // A pad laid out as SDL maps its own virtual controllers: buttons and axes in SDL's order.
  static VirtualPad Controller() {
    return VirtualPad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  }
  VirtualPad(VirtualPad&& other) noexcept : id_(other.id_), handle_(other.handle_) { other.handle_ = nullptr; }
  ~VirtualPad() { Unplug(); }
  bool Plugged() const { return handle_ != nullptr; }
  void Button(int button, bool down) { SDL_JoystickSetVirtualButton(handle_, button, down ? 1 : 0); }
  void Axis(int axis, int value) { SDL_JoystickSetVirtualAxis(handle_, axis, Sint16(value)); }
  void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(handle_, 0, value); }
  void Unplug() {
    if (handle_ == nullptr) return;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    SDL_JoystickClose(handle_);
    handle_ = nullptr;
  }

 private:
  SDL_JoystickID id_ = -1;
  SDL_Joystick* handle_ = nullptr;
};

}  // namespace quarrion
