// The key-down command map of the main window: every row is tested in order for every key, so
// one key may act several times (H steers, pauses and opens help). What a row runs outside the
// game state goes through KeyActions, which the window fills.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// Virtual-key codes the map tests.
enum VirtualKey : int {
  VkEnter = 13,
  VkCtrl = 17,
  VkEscape = 27,
  VkSpace = 32,
  VkLeft = 37,
  VkUp = 38,
  VkRight = 39,
  VkDown = 40,
  VkEquals = 187,
  VkComma = 188,
  VkMinus = 189,
  VkPeriod = 190,
  VkLeftBracket = 219,
  VkRightBracket = 221,
};
constexpr int VkLetter(char c) { return int(c); }  // 'A'..'Z'

// The window's own part of the commands: dialogs, the media, full screen and the editor panel.
class KeyActions {
 public:
  virtual ~KeyActions() = default;
  virtual void PlaySoundDirect(int item) = 0;  // plays whatever the mute setting
  virtual void ShowHelp() = 0;
  virtual void Load() = 0;
  virtual void ToggleMute() = 0;
  virtual void ShowSpeedDialog() = 0;
  virtual void ToggleFullScreen() = 0;
  virtual void EditorCave(int delta) = 0;
  virtual void EditorLevel(int delta) = 0;
};

struct KeyContext {
  GameState& game;
  ShellHooks& shell;
  KeyActions& actions;
  int16_t& paletteIndex;  // the editor palette's selection, -1 for none
};

void FormKeyDown(KeyContext& context, int key, bool shift, bool alt);

}  // namespace quarrion
