#include "core/scoring.h"

namespace quarrion {
namespace {

constexpr int kExtraLifeSound = 17;
constexpr int32_t kPointsPerLife = 500;
constexpr uint8_t kMaxLives = 9;
constexpr uint8_t kExtraLifeFlashTicks = 128;

}  // namespace

void CollectDiamond(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  const CaveParams& p = game.params;
  s.diamondsCollected = int16_t(s.diamondsCollected + 1);
  // the needed-th diamond still counts at the normal value
  s.score += s.diamondsCollected > p.diamondsNeeded ? p.bonusValue : p.diamondValue;

  // demos neither give lives nor move the next threshold
  const bool inDemo = s.demoRecording || s.demoPlaying;
  if (s.score >= s.nextLifeScore && !inDemo) {
    s.nextLifeScore += kPointsPerLife;
    if (s.lives < kMaxLives) {
      ++s.lives;
      shell.PlaySound(kExtraLifeSound);
      s.extraLifeFlash = kExtraLifeFlashTicks;
    }
  }

  if (s.diamondsCollected == p.diamondsNeeded) {
    s.exitOpenedFlash = 1;
    game.sounds.sndChime = 1;
  }

  // the record row changes now; the file follows at the next cave start or save
  if (s.hiScore < s.score && !inDemo && !s.hintUsed) {
    s.hiScore = s.score;
    StoreHiScore(game.caves, s.hiScore);
  }
}

}  // namespace quarrion
