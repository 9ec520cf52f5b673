// Tiny caves drawn as text rows for the rule tests: a level is drawn from the legend, started and
// uncovered as in play, run for some passes with keys held, and read back as a picture.
#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cave_scan.h"
#include "core/cave_set.h"
#include "core/cave_start.h"
#include "core/elements.h"
#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion::test {

// One character per element; cells the rows leave out are steel.
struct LegendEntry {
  char c;
  uint8_t code;
};
inline constexpr LegendEntry kLegend[] = {
    {' ', Space},
    {'.', Dirt},
    {'=', BrickWall},
    {'M', MagicWall},
    {'X', OutBox},
    {'E', OutBoxOpen},
    {'#', SteelWall},
    {'H', HExpandingWall},
    {'V', VExpandingWall},
    {'<', FireflyLeft},
    {'^', FireflyUp},
    {'>', FireflyRight},
    {'v', FireflyDown},
    {'l', ButterflyLeft},
    {'u', ButterflyUp},
    {'r', ButterflyRight},
    {'d', ButterflyDown},
    {'P', Player},
    {'O', Boulder},
    {'o', BoulderFalling},
    {'*', Diamond},
    {'+', DiamondFalling},
    {'1', SpaceExplosion1},
    {'2', SpaceExplosion2},
    {'3', SpaceExplosion3},
    {'4', SpaceExplosion4},
    {'5', DiamondExplosion1},
    {'6', DiamondExplosion2},
    {'7', DiamondExplosion3},
    {'8', DiamondExplosion4},
    {'A', Amoeba},
    {'S', Slime},
    {'I', InBox},
    {'Q', PlayerInExit},
    {'p', PlayerDummy},
};

inline uint8_t CodeOf(char c) {
  for (const LegendEntry& e : kLegend)
    if (e.c == c) return e.code;
  return 255;  // a typo in a test shows up as an unknown code in the picture
}

inline char CharOf(uint8_t code) {
  for (const LegendEntry& e : kLegend)
    if (e.code == code) return e.c;
  return '?';
}

// Joins rows with newlines, so a failed comparison prints the two pictures one above the other.
inline std::string Rows(const std::vector<std::string>& rows) {
  std::string out;
  for (const std::string& row : rows) out += row + "\n";
  return out;
}

// A shell that remembers what the rules asked of it.
struct WatchingShell : ShellHooks {
  std::vector<int> played, stopped, looped;
  int polls = 0;
  void PlaySound(int item) override { played.push_back(item); }
  void StopSound(int item) override { stopped.push_back(item); }
  void PlayLoopedSound(int item) override { looped.push_back(item); }
  void PollInput() override { ++polls; }
};

class CaveText {
 public:
  // Draws rows into cave 0 level 0 from its top-left cell, starts and uncovers it. Probabilities
  // are 1 (certain) unless a test changes game().params afterwards.
  explicit CaveText(const std::vector<std::string>& rows) : game_(std::make_unique<GameState>()) {
    ResetCaves(game_->caves);
    for (int cy = 0; cy < kMapHeight; ++cy)
      for (int cx = 0; cx < kMapWidth; ++cx) game_->caves.Cell(0, 0, cx, cy) = SteelWall;
    if (rows.size() > std::size_t{kMapHeight}) throw std::out_of_range("a cave has 22 rows");
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (rows[r].size() > std::size_t{kMapWidth}) throw std::out_of_range("a cave has 40 columns");
      width_ = std::max(width_, int(rows[r].size()));
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        game_->caves.Cell(0, 0, int(c), int(r)) = CodeOf(rows[r][c]);
    }
    height_ = int(rows.size());
    const uint8_t props[kPropertyCount] = {120, 10, 5, 10, 20, 50, 200, 1, 1, 1, 0, 1};
    for (int i = 0; i < kPropertyCount; ++i) game_->caves.PropertyAt(0, 0, i) = props[i];
    CaveStart(*game_, shell);
    FinishUncover(*game_);
    game_->play.phase = 0;  // play, as after the uncover phase
    shell = WatchingShell{};
  }

  GameState& game() { return *game_; }

  // Runs n passes with the keys held for each of them.
  void Pass(int n = 1, KeyFlags keys = {}) {
    for (int i = 0; i < n; ++i) {
      game_->keys = keys;
      game_->sounds = SoundEvents{};  // the game step clears the events before every pass
      CaveScan(*game_, shell);
    }
  }

  // Text coordinates: column c, row r of the drawn rows.
  uint8_t& At(int c, int r) { return game_->grids.playfield(c + 1, r + 1); }
  int Code(int c, int r) const { return game_->grids.playfield(c + 1, r + 1); }
  uint8_t Motion(int c, int r) const { return game_->grids.motionMap(c + 1, r + 1); }
  uint8_t& Variant(int c, int r) { return game_->grids.tileVariant(c + 1, r + 1); }

  std::string Picture() const {
    std::string out;
    for (int r = 0; r < height_; ++r) {
      for (int c = 0; c < width_; ++c) out += CharOf(game_->grids.playfield(c + 1, r + 1));
      out += "\n";
    }
    return out;
  }

  // How many picture cells hold code.
  int Count(uint8_t code) const {
    int n = 0;
    for (int r = 0; r < height_; ++r)
      for (int c = 0; c < width_; ++c) n += game_->grids.playfield(c + 1, r + 1) == code;
    return n;
  }

  WatchingShell shell;

 private:
  std::unique_ptr<GameState> game_;
  int width_ = 0;
  int height_ = 0;
};

inline KeyFlags Keys(char k) {
  KeyFlags keys;
  switch (k) {
    case 'U': keys.keyUp = 1; break;
    case 'D': keys.keyDown = 1; break;
    case 'L': keys.keyLeft = 1; break;
    case 'R': keys.keyRight = 1; break;
    case 'u': keys.keyUp = keys.keyFire = 1; break;
    case 'd': keys.keyDown = keys.keyFire = 1; break;
    case 'l': keys.keyLeft = keys.keyFire = 1; break;
    case 'r': keys.keyRight = keys.keyFire = 1; break;
    case 'F': keys.keyFire = 1; break;
    default: break;
  }
  return keys;
}

}  // namespace quarrion::test
