// A whole game run headless for the phase, clock and demo tests: caves drawn as text rows into a
// fresh cave set, the real game step and cave clock on simulated time, and a shell that holds the
// play controls pass by pass and remembers what the game asked of it.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "core/game_flow.h"
#include "core/game_phases.h"
#include "core/game_state.h"
#include "core/shell_hooks.h"
#include "core/sim_time.h"
#include "tests/core/cave_text.h"

namespace quarrion::test {

constexpr int kPollsPerPass = 22;  // the scan polls the controls once per cave row

struct GameWatch : ShellHooks {
  explicit GameWatch(GameState& g) : game(g) {}

  // The keys of pass p come from keys[p]; beyond its end nothing is held. Nothing is sampled
  // while a demo plays, as in the window, nor in the pass that ended it: the window's latching
  // poll with no key pressed leaves the demo's keys for that pass as they are.
  void PollInput() override {
    const std::size_t pass = std::size_t(polls++ / kPollsPerPass);
    if (game.play.demoPlaying || game.play.phase == PhaseDemoEnd) return;
    game.keys = pass < keys.size() ? Keys(keys[pass]) : KeyFlags{};
  }
  void PlaySound(int item) override {
    if (!muted) played.push_back(item);
  }
  void StopSound(int item) override { stopped.push_back(item); }
  void StopLoopedSounds() override { ++loopedStops; }
  void RestartMusic() override { ++musicRestarts; }
  void StopMusic() override { ++musicStops; }
  void ReturnToEditor() override { ++editorReturns; }
  void UpdateCamera() override { ++cameraUpdates; }
  void DrawGameFrame() override { ++framesDrawn; }
  bool IsMuted() const override { return muted; }

  int Passes() const { return polls / kPollsPerPass; }
  int Count(int item) const {
    int n = 0;
    for (int p : played) n += p == item;
    return n;
  }

  GameState& game;
  std::string keys;
  bool muted = false;
  int polls = 0;
  std::vector<int> played, stopped;
  int loopedStops = 0, musicRestarts = 0, musicStops = 0, editorReturns = 0;
  int cameraUpdates = 0, framesDrawn = 0;
};

class GameRun {
 public:
  explicit GameRun(int speedMs = kDefaultSpeedMs)
      : game_(std::make_unique<GameState>()), shell(*game_), time(speedMs) {
    ResetCaves(game_->caves);
    game_->caveSet.caveSetLoaded = 1;
  }

  GameState& game() { return *game_; }
  PlayState& play() { return game_->play; }

  // Draws rows into a level from its top-left cell; the rest of the level is steel. Cave time
  // 200, one diamond needed, certain pushes, no inbox delay, unless a test changes them after.
  void Draw(int cave, int level, const std::vector<std::string>& rows) {
    CaveSet& caves = game_->caves;
    for (int cy = 0; cy < kMapHeight; ++cy)
      for (int cx = 0; cx < kMapWidth; ++cx) caves.Cell(cave, level, cx, cy) = SteelWall;
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        caves.Cell(cave, level, int(c), int(r)) = CodeOf(rows[r][c]);
    const uint8_t props[kPropertyCount] = {199, 1, 5, 10, 20, 50, 200, 4, 4, 1, 0, 1};
    for (int i = 0; i < kPropertyCount; ++i) caves.PropertyAt(cave, level, i) = props[i];
  }
  uint8_t& Property(int cave, int level, int column) { return game_->caves.PropertyAt(cave, level, column); }

  void Select(int cave, int level) {
    play().caveNo = uint8_t(cave);
    play().levelNo = uint8_t(level);
  }

  // The start command on a cave; the held keys count their passes from here.
  void StartAt(int cave, int level, const std::string& keys = "") {
    Select(cave, level);
    HoldKeys(keys);
    Start(*game_, shell);
  }
  void HoldKeys(const std::string& keys) {
    shell.keys = keys;
    shell.polls = 0;
  }

  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      const int passes = shell.Passes();
      time.Tick(*game_, shell);
      if (shell.Passes() == passes || captureWidth == 0) continue;
      pictures.push_back(Picture(captureWidth, captureHeight));
      amoebaFastAfterPass.push_back(game_->play.amoebaFast);
    }
  }
  // From now on the picture of this area is kept after every pass.
  void CapturePasses(int width, int height) {
    captureWidth = width;
    captureHeight = height;
  }
  // Ticks until done holds; false when it never did within maxTicks.
  bool TickUntil(const std::function<bool(const GameState&)>& done, int maxTicks = 200000) {
    for (int i = 0; i < maxTicks; ++i) {
      if (done(*game_)) return true;
      Tick();
    }
    return done(*game_);
  }
  bool TickUntilPhase(uint8_t phase, int maxTicks = 200000) {
    return TickUntil([phase](const GameState& g) { return g.play.phase == phase; }, maxTicks);
  }
  // Ticks until play begins after the cover and the uncover.
  void SkipToPlay() { TickUntilPhase(PhasePlay, 1000); }

  // The text picture of the drawn area of the playfield.
  std::string Picture(int width, int height) const {
    std::string out;
    for (int r = 0; r < height; ++r) {
      for (int c = 0; c < width; ++c) out += CharOf(game_->grids.playfield(c + 1, r + 1));
      out += "\n";
    }
    return out;
  }

 private:
  std::unique_ptr<GameState> game_;

 public:
  GameWatch shell;
  SimTime time;
  int captureWidth = 0, captureHeight = 0;
  std::vector<std::string> pictures;
  std::vector<uint8_t> amoebaFastAfterPass;
};

}  // namespace quarrion::test
