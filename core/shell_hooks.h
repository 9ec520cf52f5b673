// The calls the core makes outward: editor panel, menus, music and sound. Every call has a
// do-nothing default so headless runs and tests override only what they watch.
#pragma once
#include <string>

namespace quarrion {

class ShellHooks {
 public:
  virtual ~ShellHooks() = default;

  // sound and music
  virtual void PlaySound(int /*item*/) {}
  virtual void StopSound(int /*item*/) {}
  virtual void StopLoopedSounds() {}
  virtual void StopMusic() {}
  virtual void RestartMusic() {}

  // editor panel and window
  virtual void StoreEditorFields() {}
  virtual void LoadEditorFields() {}
  virtual void ShowCaveLevel() {}
  virtual void HideEditorControls() {}
  virtual void LoadGraphicsForZoom() {}
  virtual void ShowZoomMenu() {}
  virtual void SetCaption(const std::string& /*caption*/) {}
  virtual void SetPaletteIndex(int /*index*/) {}

  // menu items the cave set commands enable
  virtual void EnableDemoMenus() {}
  virtual void EnableStartStopMenus() {}

  // leaving to the title screen with the saved position (filled by the game phases)
  virtual void ReturnToTitle() {}
};

}  // namespace quarrion
