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
  virtual void PlayLoopedSound(int /*item*/) {}  // switches the item to looped, then plays it
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

  // play controls, sampled at every row of a pass (filled by the view)
  virtual void PollInput() {}  // samples the play controls into the key flags

  // presentation of a game tick (filled by the view): small caves keep the view at cell (0, 0)
  virtual void UpdateCamera() {}
  virtual void DrawGameFrame() {}  // the playfield, then the status strip, then the flip

  // runs the editor's opening again when a cave test ends
  virtual void ReturnToEditor() {}
  // sounds and music are off; the idle title then starts the demos on the clock
  virtual bool IsMuted() const { return false; }

  // leaving to the title screen with the saved position (filled by the game phases)
  virtual void ReturnToTitle() {}
};

}  // namespace quarrion
