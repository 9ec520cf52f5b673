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
  void MarkFireflies(const GameState& g);
  // From the cell to the nearest start, around walls if there is a way, else through them.
  void PrepareCosts(const GameState& g);
  double Distance(std::size_t from);
  void Push(std::size_t cell, int d);
  void Run(const std::array<int, kGridCells>& cost, std::size_t from);

  std::array<int, kGridCells> dist_{};
  std::array<uint8_t, kGridCells> nearFirefly_{};
  std::vector<std::pair<std::size_t, int>> starts_;
  std::vector<int> yields_;
  std::array<uint8_t, kGridCells> reached_{};
  std::array<int, kGridCells> yieldAt_{};  // zero between calls
  std::vector<uint16_t> flood_;
  std::array<std::vector<uint16_t>, 64> buckets_;
  std::array<int, kGridCells> closedCost_{};  // round walls
  std::array<int, kGridCells> openCost_{};    // through walls as well
};

}  // namespace quarrion
