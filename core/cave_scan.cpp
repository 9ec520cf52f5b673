#include "core/cave_scan.h"

#include "core/amoeba.h"
#include "core/creatures.h"
#include "core/demo.h"
#include "core/elements.h"
#include "core/expanding_wall.h"
#include "core/explosion.h"
#include "core/falling.h"
#include "core/magic_wall.h"
#include "core/player.h"
#include "core/rolling.h"

namespace quarrion {
namespace {

constexpr int kAmoebaSound = 13;
constexpr int kMagicWallSound = 20;
constexpr uint8_t kMagicWallActive = 1;

// Play keeps steel all round the cave; restoring it here means a playfield set up by hand can
// never lead a rule outside the grid.
void KeepSteelBorder(Grid& field) {
  for (int x = 0; x < kGridWidth; ++x) {
    field(x, 0) = SteelWall;
    field(x, kGridHeight - 1) = SteelWall;
  }
  for (int y = 1; y < kGridHeight - 1; ++y) {
    field(0, y) = SteelWall;
    field(kGridWidth - 1, y) = SteelWall;
  }
}

void ClearMotion(Grid& motion) {
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) motion(x, y) = 0;
}

void Visit(GameState& game, ShellHooks& shell, int x, int y) {
  uint8_t& cell = game.grids.playfield(x, y);
  switch (cell) {
    case MagicWall: MagicWallVisit(game, shell); return;
    case OutBox:
      if (game.play.diamondsCollected >= game.params.diamondsNeeded) cell = OutBoxOpen;
      return;
    case HExpandingWall: HExpandingWallVisit(game, x, y); return;
    case VExpandingWall: VExpandingWallVisit(game, x, y); return;

    // an object that moved ahead of the scan settles here and acts again next pass
    case HExpandingWallNew: cell = HExpandingWall; return;
    case FireflyRightMoved: cell = FireflyRight; return;
    case FireflyDownMoved: cell = FireflyDown; return;
    case ButterflyDownMoved: cell = ButterflyDown; return;
    case ButterflyRightMoved: cell = ButterflyRight; return;
    case PlayerMoved: cell = Player; return;
    case BoulderFallingMoved: cell = BoulderFalling; return;
    case DiamondFallingMoved: cell = DiamondFalling; return;
    case AmoebaNew: cell = Amoeba; return;
    case VExpandingWallNew: cell = VExpandingWall; return;

    case FireflyLeft:
    case FireflyUp:
    case FireflyRight:
    case FireflyDown:
    case ButterflyDown:
    case ButterflyLeft:
    case ButterflyUp:
    case ButterflyRight: CreatureVisit(game, x, y); return;

    case Player: PlayerVisit(game, shell, x, y); return;
    case Boulder:
    case Diamond: {
      // most resting objects lie on dirt or a wall and stay: no call for those
      const uint8_t below = game.grids.playfield(x, y + 1);
      if (below == Space || below == Slime || IsRound(below)) ObjectAtRest(game, x, y);
      return;
    }
    case BoulderPushedRight: SettlePushedBoulder(game, x, y); return;
    case BoulderFalling:
    case DiamondFalling: FallingObject(game, shell, x, y); return;

    case ExplodeToSpace:
    case SpaceExplosion0:
    case SpaceExplosion1:
    case SpaceExplosion2:
    case SpaceExplosion3:
    case SpaceExplosion4:
    case ExplodeToDiamonds:
    case DiamondExplosion0:
    case DiamondExplosion1:
    case DiamondExplosion2:
    case DiamondExplosion3:
    case DiamondExplosion4: ExplosionVisit(game, x, y); return;

    case Amoeba: AmoebaVisit(game, shell, x, y); return;
    case InBox: InboxVisit(game, x, y); return;
    case PlayerBirth1:
    case PlayerBirth2:
    case PlayerBirth3: BirthVisit(game, x, y); return;
    case PlayerEnteringExit:
    case PlayerInExit: ExitVisit(game, shell, x, y); return;

    default: return;  // space, dirt, walls, slime, dummies and unknown codes do nothing
  }
}

void EndOfPass(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.amoebaCount = s.amoebaCountScan;
  // an active amoeba with nowhere left to grow is enclosed
  if (!s.amoebaCouldGrow && s.amoebaActive) s.amoebaToDiamonds = 1;
  if (s.amoebaCountScan == 0 && s.amoebaSoundOn) {
    shell.StopSound(kAmoebaSound);
    s.amoebaSoundOn = 0;
  }
  if (s.magicWallState != kMagicWallActive && s.magicWallSoundOn) {
    s.magicWallSoundOn = 0;
    shell.StopSound(kMagicWallSound);
  }
  if (!s.playerPresent) {
    s.playerAlive = 0;
    if (s.demoRecording) EndDemoRecording(game, shell);
    if (s.demoPlaying) EndDemoPlayback(game, shell);
  }
  // the first pass of a recording is the opening run's first pass, never recorded itself
  if (s.demoRecording && s.demoRecStarted) RecordDemoStep(game, shell);
  s.demoRecStarted = 1;
}

}  // namespace

void CaveScan(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  // the demo sets this pass's keys; the pass runs even when the demo ends here
  if (s.demoPlaying) DemoStep(game, shell);
  s.inboxDelayTicked = 0;
  s.playerPresent = 0;
  s.amoebaCouldGrow = 0;
  s.amoebaCountScan = 0;
  ClearMotion(game.grids.motionMap);
  KeepSteelBorder(game.grids.playfield);

  // column 41 is never visited; column 0 holds the border
  for (int y = 1; y <= kMapHeight; ++y) {
    shell.PollInput();
    for (int x = 0; x <= kMapWidth; ++x) {
      // dirt and space, most of a cave, do nothing: a test cheaper than the dispatch
      const uint8_t code = game.grids.playfield(x, y);
      if (code != Dirt && code != Space) Visit(game, shell, x, y);
    }
  }
  EndOfPass(game, shell);
}

}  // namespace quarrion
