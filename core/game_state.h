// All state of play in plain structs, owned by one GameState that a test can make fresh.
#pragma once
#include <cstdint>
#include <string>

#include "core/cave_set.h"
#include "core/playfield.h"
#include "core/random.h"

namespace quarrion {

// The twelve properties of the level in force, as the cave start took them.
struct CaveParams {
  uint8_t caveTime = 0;  // clock ticks left; counts down in play
  uint8_t diamondsNeeded = 0;
  uint8_t diamondValue = 0;
  uint8_t bonusValue = 0;
  uint8_t magicWallTime = 0;
  uint8_t amoebaSlowTime = 0;
  uint8_t amoebaMaxSize = 0;
  uint8_t amoebaSlowProb = 0;
  uint8_t amoebaFastProb = 0;
  uint8_t slimePermeability = 0;
  uint8_t inboxDelay = 0;
  uint8_t pushProbability = 0;
};

// What the cave set owns beside its bytes: the file it came from and its flags.
struct CaveSetState {
  std::string caveSetFileName;
  std::string caveSetName;
  uint8_t caveSetLoaded = 0;
  uint8_t cavesModified = 0;
};

// The renderer's camera; the cave start zeroes it, the presentation moves it.
struct Camera {
  int32_t scrollStepX = 0;
  int32_t scrollStepY = 0;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
};

// The per-pass sound event bytes the rules set and the game step plays after the pass.
struct SoundEvents {
  uint8_t sndFall = 0;
  uint8_t sndPlayer = 0;
  uint8_t sndKilled = 0;
  uint8_t sndExplosion = 0;
  uint8_t sndOoze = 0;
  uint8_t sndChime = 0;
  uint8_t sndWall = 0;
  uint8_t sndExitShort = 0;
  uint8_t sndExitLong = 0;
};

// The play control flags a pass reads.
struct KeyFlags {
  uint8_t keyUp = 0;
  uint8_t keyDown = 0;
  uint8_t keyLeft = 0;
  uint8_t keyRight = 0;
  uint8_t keyFire = 0;
};

// Game-wide state that survives from cave to cave, and per-cave state that the cave start resets.
struct PlayState {
  uint8_t caveNo = 0;
  uint8_t levelNo = 0;
  int32_t score = 0;
  int32_t hiScore = 0;
  uint8_t lives = 0;
  int32_t nextLifeScore = 500;

  uint8_t inGame = 0;        // 0 title, 1 game, 2 editor view
  uint8_t editorActive = 0;  // from opening the editor to leaving it, cave tests included
  uint8_t demoPlaying = 0;
  uint8_t demoRecording = 0;
  int16_t demoPos = 0;  // position of the demo being recorded or played, 0..399
  uint8_t titleIntro = 0;
  uint8_t idleCounter = 0;

  uint8_t phase = 0;
  uint8_t subFrame = 0;
  uint8_t animToggle = 0;
  uint8_t savedSubFrame = 0;
  uint8_t savedAnimToggle = 0;
  uint8_t coverCounter = 0;
  uint8_t nextCaveDelay = 0;
  uint8_t caveStyle = 0;

  uint8_t playerX = 0;  // cave coordinates of the start position, then of the player
  uint8_t playerY = 0;
  uint8_t playerBorn = 0;
  uint8_t playerAlive = 0;
  uint8_t playerMoving = 0;
  uint8_t playerFacingRight = 0;
  uint8_t playerTapping = 0;
  uint8_t playerBlinking = 0;
  uint8_t playerAnim = 0;
  uint8_t dummyKilled = 0;
  uint8_t exitOpenedFlash = 0;
  uint8_t extraLifeFlash = 0;  // 128 when an extra life is awarded; the tick counts it down
  int16_t diamondsCollected = 0;
  uint8_t boulderPushed = 0;
  uint8_t hintUsed = 0;  // the player asked for a hint in this game: no hi-score from it

  uint8_t magicWallState = 0;  // 0 dormant, 1 active, 2 expired
  uint8_t magicWallSoundOn = 0;

  uint8_t amoebaFast = 0;
  int32_t amoebaCount = 0;  // the amoeba cells counted by the previous pass
  uint8_t amoebaToDiamonds = 0;
  uint8_t amoebaSoundOn = 0;
  uint8_t amoebaActive = 0;
  uint8_t amoebaGrowthProb = 0;

  uint8_t demoRecStarted = 0;  // the first pass of a recording is not recorded
  uint8_t attractMode = 0;      // demos follow one another from the idle title
  int16_t demoFrame = 0;        // passes of the demo so far; the amoeba's switch is stored as one
  int16_t demoMove = 0;         // the move being played back
  int16_t demoRecMove = 0;      // the move of the run being recorded
  uint8_t demoRepeat = 0;       // passes left (playback) or passes so far (recording) of the run
  int32_t demoEndScore = 0;     // the score when the last demo ended, before the title took its own

  // per-pass flags, cleared at the start of every pass
  uint8_t inboxDelayTicked = 0;
  uint8_t playerPresent = 0;
  uint8_t amoebaCouldGrow = 0;
  int32_t amoebaCountScan = 0;
};

struct GameState {
  CaveSet caves;
  CaveSetState caveSet;
  Grids grids;
  CaveParams params;
  PlayState play;
  Camera camera;
  SoundEvents sounds;
  KeyFlags keys;
  Random random;
};

}  // namespace quarrion
