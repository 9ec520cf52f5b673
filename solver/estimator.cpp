#include "solver/estimator.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/elements.h"

namespace quarrion {
namespace {

constexpr int kInfinity = 1 << 28;

// What it costs to get through a cell on the way to a target: free cells one pass, things that
// can be pushed, dropped or blown away more, steel never.
int CellCost(uint8_t code, bool throughWalls, bool nearFirefly) {
  switch (code) {
    case Space: case Dirt: case Diamond: case DiamondFalling: case DiamondFallingMoved:
    case OutBox: case OutBoxOpen: case Player: case PlayerMoved: case InBox:
    case PlayerBirth1: case PlayerBirth2: case PlayerBirth3:
      return 1;
    case Boulder: case BoulderFalling: case BoulderFallingMoved: case BoulderPushedRight:
      return 6;
    case Amoeba: case AmoebaNew:
      return 15;
    case Slime:
      return 5;  // what rests on it comes through by itself, given a few passes
    case SteelWall:
      return kInfinity;
    default:
      if (code >= FireflyRightMoved && code <= ButterflyRight) return 3;
      if (code >= ExplodeToSpace && code <= DiamondExplosion4) return 2;
      // brick, magic wall, slime, expanding walls, dummies: only an explosion opens them, so they
      // count only when there is no other way
      if (!throughWalls) return kInfinity;
      return nearFirefly ? 8 : 40;  // a firefly beside a wall is a charge waiting for its boulder
  }
}

bool IsDiamondSource(uint8_t code) {
  return code == Diamond || code == DiamondFalling || code == DiamondFallingMoved ||
         (code >= ExplodeToDiamonds && code <= DiamondExplosion4);
}

bool IsButterfly(uint8_t code) { return code >= ButterflyDownMoved && code <= ButterflyRight; }

// The four neighbours of a cell, as index steps in the column-major grid. Cells of the border
// are steel, so a walk from a cell inside the map never leaves the grid.
constexpr std::array<int, 4> kSteps = {kGridHeight, -kGridHeight, 1, -1};

}  // namespace

// Every code's costs, looked up by code: round walls, through walls, through walls by a firefly.
struct CostTables {
  std::array<std::array<int, 256>, 3> cost{};
  CostTables() {
    for (int code = 0; code < 256; ++code) {
      cost[0][std::size_t(code)] = CellCost(uint8_t(code), false, false);
      cost[1][std::size_t(code)] = CellCost(uint8_t(code), true, false);
      cost[2][std::size_t(code)] = CellCost(uint8_t(code), true, true);
    }
  }
};

const CostTables& Costs() {
  static const CostTables tables;
  return tables;
}

double Estimator::Estimate(const GameState& g, int diamondCost, int px, int py) {
  const int remaining = int(g.params.diamondsNeeded) - int(g.play.diamondsCollected);
  const std::size_t from = Grid::Index(px, py);
  // a copy whose border is steel whatever a pass left there: no way ever leads off the grid
  field_ = g.grids.playfield.cells;
  for (int x = 0; x < kGridWidth; ++x) {
    field_[Grid::Index(x, 0)] = SteelWall;
    field_[Grid::Index(x, kGridHeight - 1)] = SteelWall;
  }
  for (int y = 0; y < kGridHeight; ++y) {
    field_[Grid::Index(0, y)] = SteelWall;
    field_[Grid::Index(kGridWidth - 1, y)] = SteelWall;
  }
  cells_ = field_.data();
  openPrepared_ = false;
  // one sweep finds the exit and everything that gives diamonds
  starts_.clear();
  yields_.clear();
  exits_.clear();
  slimes_.clear();
  const bool magicUsable = g.play.magicWallState != 2;
  const bool amoebaGrows = g.play.amoebaCount < g.params.amoebaMaxSize;
  for (int x = 1; x <= kMapWidth; ++x) {
    for (int y = 1; y <= kMapHeight; ++y) {
      const std::size_t cell = Grid::Index(x, y);
      const uint8_t code = cells_[cell];
      if (code == Dirt || code == Space) continue;
      if (code == OutBox || code == OutBoxOpen || code == PlayerInExit || code == PlayerEnteringExit) {
        exits_.emplace_back(cell, 0);
      } else if (IsDiamondSource(code)) {
        AddSource(cell, 0, 1);
      } else if (IsButterfly(code)) {
        AddSource(cell, 12, 9);  // nine diamonds once something falls on it
      } else if (code == Boulder && magicUsable &&
                 (cells_[cell + 1] == MagicWall || (y + 2 <= kMapHeight && cells_[cell + 2] == MagicWall))) {
        AddSource(cell, 4, 1);  // a diamond once it drops through the wall
      } else if (code == Amoeba && amoebaGrows) {
        AddSource(cell, 20, 1);  // a diamond once the amoeba is shut in
      } else if (code == Slime && y >= 2 && y < kMapHeight) {
        slimes_.push_back(uint16_t(cell));
      }
    }
  }
  double d = Distance(exits_, from);
  if (remaining <= 0) return d;
  AddSlimeSources(g);
  d += Distance(starts_, from);
  d += double(remaining - 1) * diamondCost;
  // diamonds that cannot be reached from here without blasting count heavily: a state shut
  // off from what it still needs (a one-way road taken too early) sinks below the others
  const int reachable = ReachableYield(from, remaining);
  if (remaining > reachable) d += double(remaining - reachable) * 40.0;
  return d;
}

void Estimator::AddSource(std::size_t cell, int startCost, int yield) {
  starts_.emplace_back(cell, startCost);
  yields_.push_back(yield);
}

// Diamonds of the sources on or beside the cells the player can get to without blasting; the
// flood stops as soon as enough are found, since more would not change the estimate.
int Estimator::ReachableYield(std::size_t from, int enough) {
  for (std::size_t i = 0; i < starts_.size(); ++i) yieldAt_[starts_[i].first] += yields_[i];
  int yield = 0;
  // a source counts once, when the first cell on or beside it is reached
  auto take = [this, &yield](std::size_t cell) {
    for (std::size_t near : {cell, cell - 1, cell + 1, cell - kGridHeight, cell + kGridHeight}) {
      yield += yieldAt_[near];
      yieldAt_[near] = 0;
    }
  };
  reached_.fill(0);
  flood_.clear();
  flood_.push_back(uint16_t(from));
  reached_[from] = 1;
  take(from);
  for (std::size_t i = 0; i < flood_.size() && yield < enough; ++i) {
    for (int step : kSteps) {
      const std::size_t next = std::size_t(int(flood_[i]) + step);
      if (reached_[next] != 0 || Costs().cost[0][cells_[next]] >= kInfinity) continue;
      reached_[next] = 1;
      flood_.push_back(uint16_t(next));
      take(next);
    }
  }
  for (const auto& start : starts_) yieldAt_[start.first] = 0;
  return yield;
}

// What rests on slime seeps through once the cell below is free: diamonds come out under the
// slime, boulders that then fall into an awake magic wall come out as diamonds under it.
void Estimator::AddSlimeSources(const GameState& g) {
  for (const uint16_t cell : slimes_) {
    const int x = cell / kGridHeight;
    const int y = cell % kGridHeight;
    int diamonds = 0;
    int boulders = 0;
    for (int up = y - 1; up >= 1; --up) {
      const uint8_t code = g.grids.playfield(x, up);
      if (code == Diamond) ++diamonds;
      else if (code == Boulder) ++boulders;
      else break;
    }
    if (diamonds > 0) {
      AddSource(Grid::Index(x, y + 1), 10, diamonds);
    }
    if (boulders == 0 || g.play.magicWallState == 2) continue;
    for (int down = y + 1; down <= std::min(y + 3, kMapHeight - 1); ++down) {
      if (g.grids.playfield(x, down) != MagicWall) continue;
      AddSource(Grid::Index(x, down + 1), 14, boulders);
      break;
    }
  }
}

void Estimator::MarkFireflies() {
  nearFirefly_.fill(0);
  constexpr int kReach = 3;
  for (int x = 1; x <= kMapWidth; ++x) {
    for (int y = 1; y <= kMapHeight; ++y) {
      const uint8_t code = cells_[Grid::Index(x, y)];
      if (code < FireflyRightMoved || code > FireflyDown) continue;
      for (int dx = -kReach; dx <= kReach; ++dx)
        for (int dy = -kReach; dy <= kReach; ++dy) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (std::abs(dx) + std::abs(dy) > kReach || nx < 0 || nx >= kGridWidth || ny < 0 || ny >= kGridHeight)
            continue;
          nearFirefly_[Grid::Index(nx, ny)] = 1;
        }
    }
  }
}

// The costs through walls, made only when a way round them is missing.
void Estimator::PrepareOpenCosts() {
  if (openPrepared_) return;
  openPrepared_ = true;
  MarkFireflies();
  openCost_.fill(kInfinity);
  for (int x = 1; x <= kMapWidth; ++x) {
    for (int y = 1; y <= kMapHeight; ++y) {
      const std::size_t cell = Grid::Index(x, y);
      openCost_[cell] = Costs().cost[nearFirefly_[cell] != 0 ? 2 : 1][cells_[cell]];
    }
  }
}

// From the cell to the nearest start, around walls if there is a way, else through them.
double Estimator::Distance(const std::vector<std::pair<std::size_t, int>>& starts, std::size_t from) {
  if (starts.empty()) return 400;
  Run(starts, Costs().cost[0].data(), nullptr, from);
  if (dist_[from] >= kInfinity) {
    PrepareOpenCosts();
    Run(starts, nullptr, openCost_.data(), from);
  }
  return dist_[from] >= kInfinity ? 400.0 : double(dist_[from]);
}

void Estimator::Push(std::size_t cell, int d) {
  if (d >= dist_[cell]) return;
  dist_[cell] = d;
  buckets_[std::size_t(d) % buckets_.size()].push_back(uint16_t(cell));
}

// Dijkstra with a ring of buckets (every cost is below the ring's size), from the starts until
// the cell asked for is settled.
void Estimator::Run(const std::vector<std::pair<std::size_t, int>>& starts, const int* byCode, const int* byCell,
                    std::size_t from) {
  for (auto& b : buckets_) b.clear();
  dist_.fill(kInfinity);
  for (const auto& [cell, start] : starts) Push(cell, start);
  int d = 0;
  int emptyRun = 0;
  while (emptyRun < int(buckets_.size())) {
    auto& bucket = buckets_[std::size_t(d) % buckets_.size()];
    if (bucket.empty()) {
      ++emptyRun;
      ++d;
      continue;
    }
    emptyRun = 0;
    // every cost is at least one, so nothing lands in the bucket being emptied
    for (uint16_t c : bucket) {
      if (dist_[c] != d) continue;
      if (c == from) return;
      for (int step : kSteps) {
        const std::size_t next = std::size_t(int(c) + step);
        const int cost = byCode != nullptr ? byCode[cells_[next]] : byCell[next];
        if (cost < kInfinity) Push(next, d + cost);
      }
    }
    bucket.clear();
    ++d;
  }
}

}  // namespace quarrion
