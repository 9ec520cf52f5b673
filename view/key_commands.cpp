#include "view/key_commands.h"

#include "core/cave_set.h"
#include "core/cave_start.h"
#include "core/demo.h"
#include "core/game_flow.h"
#include "view/title_screen.h"

namespace quarrion {
namespace {

constexpr int kMaxPaletteIndex = 13;
constexpr int kClickSound = 21;

bool IsArrow(int key) { return key == VkLeft || key == VkUp || key == VkRight || key == VkDown; }
bool IsFireKey(int key) { return key == VkSpace || key == VkCtrl; }

TitleKey TitleKeyOf(int key) {
  switch (key) {
    case VkLeft:
      return TitleKey::Left;
    case VkUp:
      return TitleKey::Up;
    case VkDown:
      return TitleKey::Down;
    default:
      return TitleKey::Right;
  }
}

}  // namespace

void FormKeyDown(KeyContext& c, int key, bool shift, bool alt) {
  GameState& game = c.game;
  PlayState& s = game.play;
  ShellHooks& shell = c.shell;
  KeyActions& a = c.actions;
  const bool titleWithSet = s.inGame == 0 && game.caveSet.caveSetLoaded;

  if (IsArrow(key) && titleWithSet) TitleSelectionKey(game, shell, TitleKeyOf(key));
  if (IsFireKey(key) && titleWithSet) {
    if (s.titleIntro) {
      s.titleIntro = 0;
    } else {
      s.idleCounter = 24;
      Start(game, shell);
    }
  }
  if (key == VkLetter('H')) {
    PauseForHelp(game, shell);
    shell.PlaySound(kClickSound);
    a.ShowHelp();
  }
  if (key == VkLetter('L') && !s.editorActive) {
    shell.PlaySound(kClickSound);
    a.Load();
  }
  if (key == VkLetter('D') && !s.demoPlaying && game.caveSet.caveSetLoaded) {
    if (shift) {
      shell.PlaySound(kClickSound);
      RecordDemoCommand(game, shell);
    } else if (!s.demoRecording && game.caves.DemoHeaderAt(s.caveNo % kCaveCount, DemoFlagColumn) == kDemoPresent) {
      shell.PlaySound(kClickSound);
      PlayDemoCommand(game, shell);
    }
  }
  if (key == VkLetter('M')) {
    a.PlaySoundDirect(kClickSound);  // the click sounds even when unmuting
    a.ToggleMute();
  }
  if (key == VkLetter('N')) NextCaveKey(game, shell);
  if (key == VkLetter('P')) PauseKey(game, shell);
  if (key == VkLetter('S')) {
    shell.PlaySound(kClickSound);
    a.ShowSpeedDialog();
  }
  if (key == VkLetter('T') && s.editorActive) {
    shell.StopLoopedSounds();
    shell.PlaySound(kClickSound);
    CaveStart(game, shell);
  }
  if (key == VkLetter('Q')) Stop(game, shell);
  if (key == VkEscape) ESC(game, shell);
  // tested after the start row: a game it just started has a living player
  if (IsFireKey(key) && !s.playerAlive) ESC(game, shell);
  if (key == VkEnter && alt) a.ToggleFullScreen();
  if (s.inGame == 2) {
    if (key == VkMinus) a.EditorCave(-1);
    if (key == VkEquals) a.EditorCave(+1);
    if (key == VkLeftBracket) a.EditorLevel(-1);
    if (key == VkRightBracket) a.EditorLevel(+1);
    if (key == VkPeriod && c.paletteIndex < kMaxPaletteIndex) ++c.paletteIndex;
    if (key == VkComma && c.paletteIndex > 0) --c.paletteIndex;
  }
}

}  // namespace quarrion
