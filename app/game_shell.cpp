#include "app/game_shell.h"

namespace quarrion {
namespace {

constexpr int kAmoebaSound = 13;
constexpr int kCaveStartSound = 16;
constexpr int kMagicWallSound = 20;

}  // namespace

void GameShell::PlaySound(int item) {
  if (shell_.muted) return;
  media_.waves.Play(item);
}

void GameShell::StopSound(int item) { media_.waves.Stop(item); }

void GameShell::StopLoopedSounds() {
  media_.waves.Stop(kAmoebaSound);
  game_.play.amoebaSoundOn = 0;
  media_.waves.Stop(kMagicWallSound);
  game_.play.magicWallSoundOn = 0;
  media_.waves.Stop(kCaveStartSound);
}

void GameShell::StopMusic() {
  if (!shell_.musicAvailable) return;
  media_.midi.Stop();
  media_.midi.Rewind();
}

void GameShell::RestartMusic() {
  if (!shell_.musicAvailable || shell_.muted) return;
  StopLoopedSounds();
  media_.midi.Rewind();
  media_.midi.Play();
}

void GameShell::ToggleMute() {
  if (!shell_.muted) {
    shell_.muted = 1;
    StopLoopedSounds();
    StopMusic();
    return;
  }
  shell_.muted = 0;
  // the looped sounds start again on the next scan that finds their cause
  game_.play.amoebaSoundOn = 0;
  game_.play.magicWallSoundOn = 0;
  if (game_.play.inGame == 0) RestartMusic();
}

}  // namespace quarrion
