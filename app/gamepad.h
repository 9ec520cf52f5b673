// Gamepads through SDL: every pad SDL has a mapping for steers with its d-pad and left stick and
// fires with its south button; a device SDL cannot map is read as joystick 0 always was (first two
// axes, first button, and its first hat). Pads plugged in or pulled out while the game runs are
// picked up at the next read.
#pragma once
#include <cstdint>
#include <vector>

typedef struct _SDL_GameController SDL_GameController;
typedef struct _SDL_Joystick SDL_Joystick;

namespace quarrion {

// The play controls the pads give, all pads together.
struct PadState {
  bool up = false;
  bool down = false;
  bool left = false;
  bool right = false;
  bool button1 = false;
};

class Gamepads {
 public:
  // A pad's stick must leave the centre by this much (of 32767) to steer: worn sticks rest
  // a little off centre.
  static constexpr int kStickDeadZone = 8000;
  // Devices without a mapping keep the joystick binding's dead zone of 50 in a range of ±1000.
  static constexpr int kJoystickDeadZone = 32767 * 50 / 1000;

  Gamepads();
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // The states of every pad; the devices are read again at most once a millisecond, since the
  // scan polls many times within one tick.
  PadState Read();
  // Reads the devices now: takes in new pads, drops pulled ones, updates the states.
  void Refresh();
  // How many pads are open, and how many of them through a mapping.
  int Count() const { return int(pads_.size()); }
  int MappedCount() const;

 private:
  struct Pad {
    int32_t id = -1;  // SDL's instance id, stable while the device stays plugged in
    SDL_GameController* controller = nullptr;
    SDL_Joystick* joystick = nullptr;  // only for a device without a mapping
  };
  void Scan();
  void Close(Pad& pad);
  PadState ReadPad(const Pad& pad) const;

  bool ready_ = false;
  std::vector<Pad> pads_;
  PadState state_;
  uint64_t refreshedAt_ = 0;  // SDL ticks in milliseconds
  bool refreshed_ = false;
};

}  // namespace quarrion
