// The search's estimate of the passes still needed: ways to the diamonds and the exit found by a
// Dijkstra over the cave that goes round walls and charges extra for boulders, amoeba and
// creatures in the way, and through walls only where an explosion is the one way.
#pragma once
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/game_state.h"

namespace quarrion {

class Estimator {
 public:
  // Passes still needed from this state, roughly: the way to the nearest diamond, diamondCost for
  // every further diamond, and the way from here to the exit. Taking the last diamond on the way
  // thus never makes the estimate jump.
  double Estimate(const GameState& g, int diamondCost, int px, int py);

 private:
  void AddSource(std::size_t cell, int startCost, int yield);
  // Diamonds of the sources on or beside the cells the player can get to without blasting,
  // counted until enough are found.
  int ReachableYield(std::size_t from, int enough);
  void AddSlimeSources(const GameState& g);
  void MarkFireflies();
  void PrepareOpenCosts();
  // From the cell to the nearest start, around walls if there is a way, else through them.
  double Distance(const std::vector<std::pair<std::size_t, int>>& starts, std::size_t from);
  void Push(std::size_t cell, int d);
  // Costs by element code (round walls) or by cell (through walls).
  void Run(const std::vector<std::pair<std::size_t, int>>& starts, const int* byCode, const int* byCell,
           std::size_t from);

  std::array<uint8_t, kGridCells> field_{};  // the playfield being estimated
  const uint8_t* cells_ = field_.data();
  bool openPrepared_ = false;
  std::vector<std::pair<std::size_t, int>> exits_;
  std::vector<uint16_t> slimes_;

  std::array<int, kGridCells> dist_{};
  std::array<uint8_t, kGridCells> nearFirefly_{};
  std::vector<std::pair<std::size_t, int>> starts_;
  std::vector<int> yields_;
  std::array<uint8_t, kGridCells> reached_{};
  std::array<int, kGridCells> yieldAt_{};  // zero between calls
  std::vector<uint16_t> flood_;
  std::array<std::vector<uint16_t>, 64> buckets_;
  std::array<int, kGridCells> openCost_{};  // through walls as well
};

}  // namespace quarrion
