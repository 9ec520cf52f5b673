#include "core/cave_start.h"

#include "core/cave_set_file.h"
#include "core/elements.h"

namespace quarrion {
namespace {

constexpr int kAmoebaSound = 13;
constexpr int kCaveStartSound = 16;
constexpr int kMagicWallSound = 20;

void ReadParameters(GameState& game) {
  const CaveSet& caves = game.caves;
  const int cave = game.play.caveNo;
  const int level = game.play.levelNo;
  auto prop = [&](int column) { return caves.PropertyAt(cave, level, column); };
  CaveParams& p = game.params;
  // the stored time is one short of the ticks played, but 255 cannot grow
  p.caveTime = prop(PropCaveTime) == 255 ? uint8_t{255} : uint8_t(prop(PropCaveTime) + 1);
  p.diamondsNeeded = prop(PropDiamondsNeeded);
  p.diamondValue = prop(PropDiamondValue);
  p.bonusValue = prop(PropBonusValue);
  p.magicWallTime = prop(PropMagicWallTime);
  p.amoebaSlowTime = prop(PropAmoebaSlowTime);
  p.amoebaMaxSize = prop(PropAmoebaMaxSize);
  p.amoebaSlowProb = prop(PropAmoebaSlowProb);
  p.amoebaFastProb = prop(PropAmoebaFastProb);
  p.slimePermeability = prop(PropSlimePermeability);
  p.inboxDelay = prop(PropInboxDelay);
  p.pushProbability = prop(PropPushProbability);
}

void ResetCaveState(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.playerBorn = 0;
  s.playerMoving = 0;
  s.playerFacingRight = 0;
  s.playerTapping = 0;
  s.playerBlinking = 0;
  s.playerAnim = 7;
  s.coverCounter = 80;
  s.exitOpenedFlash = 0;
  s.magicWallState = 0;
  s.magicWallSoundOn = 0;
  s.diamondsCollected = 0;
  s.amoebaFast = 0;
  s.amoebaCount = 0;
  s.amoebaToDiamonds = 0;
  s.amoebaSoundOn = 0;
  shell.StopSound(kAmoebaSound);
  shell.StopSound(kMagicWallSound);
  s.amoebaActive = 0;
  s.boulderPushed = 0;
  s.amoebaGrowthProb = game.params.amoebaSlowProb;
  s.caveStyle = CaveStyleOf(s.caveNo);
  s.playerAlive = 1;
  s.dummyKilled = 0;
}

// Only a real game keeps its position: the editor's test and demos leave the file alone.
void SavePosition(GameState& game) {
  const PlayState& s = game.play;
  if (game.caveSet.caveSetFileName.empty() || s.editorActive || s.demoRecording || s.demoPlaying) return;
  game.caves.Record(kSavedCaveColumn) = s.caveNo;
  game.caves.Record(kSavedLevelColumn) = s.levelNo;
  game.caves.Record(kSavedLivesColumn) = s.lives;
  StoreSavedScore(game.caves, s.score);
  WriteCaveSetFile(game.caveSet.caveSetFileName, game.caves);  // a failed write changes nothing in play
}

bool OutsideSmallArea(const GameState& game, int x, int y) {
  return IsSmallCave(game.play.caveNo) && (x > kSmallMapWidth || y > kSmallMapHeight);
}

}  // namespace

uint8_t CaveStyleOf(int cave) { return IsSmallCave(cave) ? uint8_t{8} : uint8_t(cave % 8); }

void CaveStart(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.editorActive) {
    shell.StoreEditorFields();
    shell.LoadGraphicsForZoom();
    shell.ShowZoomMenu();
    s.score = 0;
    s.lives = 1;
    s.nextLifeScore = 500;
  }
  shell.HideEditorControls();
  shell.StopMusic();
  s.inGame = 1;

  // reading order: with several inboxes the last one (lowest, then rightmost) places the player
  for (int cy = 0; cy < kMapHeight; ++cy) {
    for (int cx = 0; cx < kMapWidth; ++cx) {
      game.grids.tileVariant(cx + 1, cy + 1) = uint8_t(game.random(4));
      const uint8_t code = game.caves.Cell(s.caveNo, s.levelNo, cx, cy);
      game.grids.caveCopy(cx + 1, cy + 1) = code;
      if (code == InBox) {
        s.playerX = uint8_t(cx);
        s.playerY = uint8_t(cy);
      }
    }
  }

  ReadParameters(game);
  s.hiScore = int32_t(StoredHiScore(game.caves));

  for (int x = 1; x <= 41; ++x)
    for (int y = 1; y <= 23; ++y) game.grids.motionMap(x, y) = 0;

  game.camera = Camera{};
  s.nextCaveDelay = 88;
  s.animToggle = 1;
  s.subFrame = 0;
  s.phase = 1;
  shell.PlaySound(kCaveStartSound);

  ResetCaveState(game, shell);
  SavePosition(game);
  game.random.SetState(Random::kStartState);
}

void CoverStep(GameState& game, int n) {
  for (int y = 1; y <= kMapHeight; ++y) {
    for (int i = 0; i < n; ++i) {
      const int x = int(game.random(kMapWidth)) + 1;
      game.grids.playfield(x, y) = CoverTile;
    }
  }
}

void CoverAll(GameState& game) {
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) game.grids.playfield(x, y) = CoverTile;
}

void UncoverStep(GameState& game) {
  for (int y = 1; y <= kMapHeight; ++y) {
    const int x = int(game.random(kMapWidth)) + 1;
    game.grids.playfield(x, y) = OutsideSmallArea(game, x, y) ? uint8_t{SteelWall} : game.grids.caveCopy(x, y);
  }
}

void FinishUncover(GameState& game) {
  game.grids.playfield.Fill(SteelWall);
  for (int y = 1; y <= kMapHeight; ++y) {
    for (int x = 1; x <= kMapWidth; ++x) {
      if (!OutsideSmallArea(game, x, y)) game.grids.playfield(x, y) = game.grids.caveCopy(x, y);
    }
  }
}

}  // namespace quarrion
