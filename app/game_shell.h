// The shell's side of the core's outward calls: sound and music routines on the media layer,
// with the mute rule. The main window derives from it and adds its menus and dialogs.
#pragma once
#include <cstdint>

#include "app/media/media.h"
#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

struct ShellState {
  uint8_t muted = 0;           // sounds and music off
  uint8_t musicAvailable = 1;  // the tune is open and may be played
};

class GameShell : public ShellHooks {
 public:
  GameShell(GameState& game, Media& media) : game_(game), media_(media) {}

  void PlaySound(int item) override;
  void StopSound(int item) override;
  void StopLoopedSounds() override;
  void StopMusic() override;
  void RestartMusic() override;

  // Mute toggle as the menu and the M key do it.
  void ToggleMute();

  ShellState& Shell() { return shell_; }
  const ShellState& Shell() const { return shell_; }

 protected:
  GameState& game_;
  Media& media_;
  ShellState shell_;
};

}  // namespace quarrion
