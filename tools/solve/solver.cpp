#include "tools/solve/solver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <queue>
#include <unordered_set>
#include <vector>

#include "core/demo.h"
#include "core/elements.h"
#include "tools/solve/demo_from_solution.h"
#include "tools/solve/level_play.h"

namespace quarrion {
namespace {

// Everything play changes, without the cave set and the drawing-only grids.
struct Snapshot {
  Grid playfield;
  CaveParams params;
  PlayState play;
  SoundEvents sounds;
  KeyFlags keys;
  Random random;
  SimTime time;
  Camera camera;
};

void Save(LevelPlay& play, Snapshot& snap) {
  const GameState& g = play.Game();
  snap.playfield = g.grids.playfield;
  snap.params = g.params;
  snap.play = g.play;
  snap.sounds = g.sounds;
  snap.keys = g.keys;
  snap.random = g.random;
  snap.time = play.Time();
  snap.camera = g.camera;
}

void Restore(LevelPlay& play, const Snapshot& snap) {
  GameState& g = play.Game();
  g.grids.playfield = snap.playfield;
  g.params = snap.params;
  g.play = snap.play;
  g.sounds = snap.sounds;
  g.keys = snap.keys;
  g.random = snap.random;
  play.Time() = snap.time;
  g.camera = snap.camera;
}

struct Node {
  int32_t parent;
  char action;
  uint8_t stall;    // passes in a row that left the layout as it was
  uint16_t depth;
  uint64_t layout;
};

// A push, a drop through slime or a growing amoeba may take several tries that look alike: a pass
// that changes nothing may be followed by this many more before its state counts as seen.
constexpr int kMaxStall = 12;

struct OpenEntry {
  double f;
  int32_t node;
  int32_t snap;
  bool operator<(const OpenEntry& o) const { return f > o.f; }  // smallest f on top
};

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

// Calls visit(cell, code) for the four neighbours of a cell that lie inside the map.
template <typename Visit>
void ForEachNeighbour(std::size_t cell, Visit visit, const GameState& g) {
  static constexpr std::array<std::array<int, 2>, 4> kSteps = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
  const int x = int(cell) / kGridHeight;
  const int y = int(cell) % kGridHeight;
  for (const auto& step : kSteps) {
    const int nx = x + step[0];
    const int ny = y + step[1];
    if (nx < 1 || nx > kMapWidth || ny < 1 || ny > kMapHeight) continue;
    visit(Grid::Index(nx, ny), g.grids.playfield(nx, ny));
  }
}

class Estimator {
 public:
  // Passes still needed from this state, roughly: the way to the nearest diamond, a share for
  // every further diamond, and the way from here to the exit. Taking the last diamond on the way
  // thus never makes the estimate jump.
  double Estimate(const GameState& g, const SolveLimits& limits, int px, int py) {
    const int remaining = int(g.params.diamondsNeeded) - int(g.play.diamondsCollected);
    const std::size_t from = Grid::Index(px, py);
    MarkFireflies(g);
    starts_.clear();
    for (int x = 1; x <= kMapWidth; ++x) {
      for (int y = 1; y <= kMapHeight; ++y) {
        const uint8_t code = g.grids.playfield(x, y);
        if (code == OutBox || code == OutBoxOpen || code == PlayerInExit || code == PlayerEnteringExit)
          starts_.emplace_back(Grid::Index(x, y), 0);
      }
    }
    double d = Distance(g, from);
    if (remaining <= 0) return d;
    starts_.clear();
    yields_.clear();
    for (int x = 1; x <= kMapWidth; ++x) {
      for (int y = 1; y <= kMapHeight; ++y) {
        const uint8_t code = g.grids.playfield(x, y);
        if (IsDiamondSource(code)) {
          AddSource(Grid::Index(x, y), 0, 1);
        } else if (IsButterfly(code)) {
          AddSource(Grid::Index(x, y), 12, 9);  // nine diamonds once something falls on it
        } else if (code == Boulder && g.play.magicWallState != 2 &&
                   (g.grids.playfield(x, y + 1) == MagicWall ||
                    (y + 2 <= kMapHeight && g.grids.playfield(x, y + 2) == MagicWall))) {
          AddSource(Grid::Index(x, y), 4, 1);  // a diamond once it drops through the wall
        } else if (code == Amoeba && g.play.amoebaCount < g.params.amoebaMaxSize) {
          AddSource(Grid::Index(x, y), 20, 1);  // a diamond once the amoeba is shut in
        }
      }
    }
    AddSlimeSources(g);
    d += Distance(g, from);
    d += double(remaining - 1) * limits.diamondCost;
    // diamonds that cannot be reached from here without blasting count heavily: a state shut
    // off from what it still needs (a one-way road taken too early) sinks below the others
    const int reachable = ReachableYield(g, from);
    if (remaining > reachable) d += double(remaining - reachable) * 40.0;
    return d;
  }

 private:
  void AddSource(std::size_t cell, int startCost, int yield) {
    starts_.emplace_back(cell, startCost);
    yields_.push_back(yield);
  }

  // Diamonds of the sources on or beside the cells the player can get to without blasting.
  int ReachableYield(const GameState& g, std::size_t from) {
    reached_.fill(0);
    flood_.clear();
    flood_.push_back(uint16_t(from));
    reached_[from] = 1;
    for (std::size_t i = 0; i < flood_.size(); ++i) {
      ForEachNeighbour(flood_[i], [&](std::size_t next, uint8_t code) {
        if (reached_[next] != 0 || CellCost(code, false, false) >= kInfinity) return;
        reached_[next] = 1;
        flood_.push_back(uint16_t(next));
      }, g);
    }
    int yield = 0;
    for (std::size_t i = 0; i < starts_.size(); ++i) {
      const std::size_t cell = starts_[i].first;
      const bool near = reached_[cell] != 0 || reached_[cell - 1] != 0 || reached_[cell + 1] != 0 ||
                        reached_[cell - kGridHeight] != 0 || reached_[cell + kGridHeight] != 0;
      if (near) yield += yields_[i];
    }
    return yield;
  }

  // What rests on slime seeps through once the cell below is free: diamonds come out under the
  // slime, boulders that then fall into an awake magic wall come out as diamonds under it.
  void AddSlimeSources(const GameState& g) {
    for (int x = 1; x <= kMapWidth; ++x) {
      for (int y = 2; y < kMapHeight; ++y) {
        if (g.grids.playfield(x, y) != Slime) continue;
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
  }

  void MarkFireflies(const GameState& g) {
    nearFirefly_.fill(0);
    constexpr int kReach = 3;
    for (int x = 1; x <= kMapWidth; ++x) {
      for (int y = 1; y <= kMapHeight; ++y) {
        const uint8_t code = g.grids.playfield(x, y);
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

  // From the cell to the nearest start, around walls if there is a way, else through them.
  double Distance(const GameState& g, std::size_t from) {
    if (starts_.empty()) return 400;
    Run(g, false);
    if (dist_[from] >= kInfinity) Run(g, true);
    return dist_[from] >= kInfinity ? 400.0 : double(dist_[from]);
  }

  void Push(std::size_t cell, int d) {
    if (d >= dist_[cell]) return;
    dist_[cell] = d;
    buckets_[std::size_t(d) % buckets_.size()].push_back(uint16_t(cell));
    if (d > maxPushed_) maxPushed_ = d;
  }

  // Dijkstra with a ring of buckets: every cost is below the ring's size.
  void Run(const GameState& g, bool throughWalls) {
    for (auto& b : buckets_) b.clear();
    dist_.fill(kInfinity);
    for (const auto& [cell, start] : starts_) Push(cell, start);
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
        ForEachNeighbour(c, [&](std::size_t next, uint8_t code) {
          const int cost = CellCost(code, throughWalls, nearFirefly_[next] != 0);
          if (cost < kInfinity) Push(next, d + cost);
        }, g);
      }
      bucket.clear();
      ++d;
    }
  }

  std::array<int, kGridCells> dist_{};
  std::array<uint8_t, kGridCells> nearFirefly_{};
  std::vector<std::pair<std::size_t, int>> starts_;
  std::vector<int> yields_;
  std::array<uint8_t, kGridCells> reached_{};
  std::vector<uint16_t> flood_;
  std::array<std::vector<uint16_t>, 64> buckets_;
  int maxPushed_ = 0;
};

uint64_t StateKey(const GameState& g, bool keepDirt, bool keepDiamonds) {
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](uint64_t v) {
    h ^= v;
    h *= 1099511628211ull;
  };
  for (int x = 1; x <= kMapWidth; ++x) {
    for (int y = 1; y <= kMapHeight; ++y) {
      uint8_t code = g.grids.playfield(x, y);
      if (!keepDirt && code == Dirt) code = Space;
      // which diamonds are gone is told by the count alone, unless asked otherwise
      if (!keepDiamonds && code == Diamond) code = Space;
      mix(code);
    }
  }
  mix(g.play.diamondsCollected);
  mix(g.play.magicWallState);
  mix(g.play.amoebaToDiamonds);
  // before the birth only the inbox's count changes
  mix(g.params.inboxDelay);
  mix(g.play.playerBorn);
  return h;
}

bool FindPlayer(const GameState& g, int& px, int& py) {
  px = g.play.playerX + 1;
  py = g.play.playerY + 1;
  if (px >= 1 && px <= kMapWidth && py >= 1 && py <= kMapHeight) {
    const uint8_t c = g.grids.playfield(px, py);
    if (c == Player || c == PlayerMoved) return true;
  }
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) {
      const uint8_t c = g.grids.playfield(x, y);
      if (c == Player || c == PlayerMoved) {
        px = x;
        py = y;
        return true;
      }
    }
  // not born yet: the estimate is taken from the inbox the player will come from
  px = g.play.playerX + 1;
  py = g.play.playerY + 1;
  return false;
}

// The key letters worth trying from here: waiting, and every direction that can do something.
std::vector<char> ActionsFor(const GameState& g, bool born, int px, int py, bool keepDirt) {
  std::vector<char> actions = {'.'};
  if (!born) return actions;
  struct Dir {
    int dx, dy;
    char walk, take;
  };
  static constexpr std::array<Dir, 4> kDirs = {{{1, 0, 'R', 'r'}, {-1, 0, 'L', 'l'}, {0, 1, 'D', 'd'}, {0, -1, 'U', 'u'}}};
  for (const Dir& d : kDirs) {
    const uint8_t t = g.grids.playfield(px + d.dx, py + d.dy);
    const bool sideways = d.dy == 0;
    switch (t) {
      case Space:
        actions.push_back(d.walk);
        break;
      case Dirt:
        actions.push_back(d.walk);
        if (keepDirt) actions.push_back(d.take);
        break;
      case Diamond:
      case OutBoxOpen:
        actions.push_back(d.walk);
        actions.push_back(d.take);
        break;
      case Boulder:
        if (sideways) {
          actions.push_back(d.walk);
          actions.push_back(d.take);
        }
        break;
      default:
        break;
    }
  }
  return actions;
}

}  // namespace

int DemoRunsOf(const std::string& keys) {
  int runs = 0;
  int move = -1;
  int count = 0;
  for (char letter : keys) {
    KeyFlags k;
    KeyFlagsOf(letter, k);
    const int m = DemoMoveOf(k);
    if (m == move && count < MaxRunOf(m)) {
      ++count;
      continue;
    }
    ++runs;
    move = m;
    count = 1;
  }
  return runs;
}

SolveResult Solve(const CaveSet& caves, int cave, int level, const SolveLimits& limits) {
  SolveResult result;
  LevelPlay play(caves);
  play.Start(cave, level);

  std::vector<Node> nodes;
  std::vector<Snapshot> snaps;
  std::vector<int32_t> freeSnaps;
  std::priority_queue<OpenEntry> open;
  std::unordered_set<uint64_t> seen;
  Estimator estimator;

  auto storeSnap = [&]() {
    int32_t index;
    if (!freeSnaps.empty()) {
      index = freeSnaps.back();
      freeSnaps.pop_back();
    } else {
      index = int32_t(snaps.size());
      snaps.emplace_back();
    }
    Save(play, snaps[std::size_t(index)]);
    return index;
  };
  auto pathTo = [&](int32_t node) {
    std::string keys;
    for (int32_t n = node; n > 0; n = nodes[std::size_t(n)].parent) keys.push_back(nodes[std::size_t(n)].action);
    std::reverse(keys.begin(), keys.end());
    return keys;
  };

  const uint64_t rootLayout = StateKey(play.Game(), limits.keepDirt, !limits.countDiamondsOnly);
  nodes.push_back({-1, 0, 0, 0, rootLayout});
  seen.insert(rootLayout);
  open.push({0.0, 0, storeSnap()});

  while (!open.empty() && result.simulations < limits.maxSimulations) {
    const OpenEntry entry = open.top();
    open.pop();
    const Snapshot parentSnap = snaps[std::size_t(entry.snap)];
    freeSnaps.push_back(entry.snap);
    const Node parent = nodes[std::size_t(entry.node)];
    const int depth = parent.depth;
    if (depth >= limits.maxPasses) continue;
    ++result.expanded;

    Restore(play, parentSnap);
    int px = 0;
    int py = 0;
    const bool born = FindPlayer(play.Game(), px, py);
    const std::vector<char> actions = ActionsFor(play.Game(), born, px, py, limits.keepDirt);
    for (char action : actions) {
      Restore(play, parentSnap);
      KeyFlags keys;
      KeyFlagsOf(action, keys);
      ++result.simulations;
      const bool passed = play.Step(keys);
      if (play.ExitReached()) {
        nodes.push_back({entry.node, action, 0, uint16_t(depth + 1), 0});
        result.found = true;
        result.keys = pathTo(int32_t(nodes.size() - 1));
        // ready to be recorded as a demo, if the changed last step still gets there
        const std::string demoReady = WithExitOnItsOwnRun(result.keys);
        if (demoReady != result.keys && SolutionReachesExit(caves, cave, level, demoReady)) result.keys = demoReady;
        result.distinctStates = long(seen.size());
        return result;
      }
      if (!passed || play.PlayerLost()) continue;
      const uint64_t layout = StateKey(play.Game(), limits.keepDirt, !limits.countDiamondsOnly);
      const int stall = layout == parent.layout ? parent.stall + 1 : 0;
      if (stall > kMaxStall) continue;
      // the stall count tells repeated tries apart; a changed layout is known by itself
      const uint64_t key = layout ^ (uint64_t(stall) * 0x9E3779B97F4A7C15ull);
      if (!seen.insert(key).second) continue;
      int cx = 0;
      int cy = 0;
      FindPlayer(play.Game(), cx, cy);
      const double h = estimator.Estimate(play.Game(), limits, cx, cy);
      nodes.push_back({entry.node, action, uint8_t(stall), uint16_t(depth + 1), layout});
      open.push({double(depth + 1) + limits.weight * h, int32_t(nodes.size() - 1), storeSnap()});
    }

    if (long(open.size()) > limits.maxOpen) {
      // keep the better half; the snapshots of the rest are reused
      std::vector<OpenEntry> keep;
      keep.reserve(open.size());
      while (!open.empty()) {
        keep.push_back(open.top());
        open.pop();
      }
      const std::size_t half = keep.size() / 2;
      for (std::size_t i = half; i < keep.size(); ++i) freeSnaps.push_back(keep[i].snap);
      keep.resize(half);
      for (const OpenEntry& e : keep) open.push(e);
    }
    if (limits.verbose && result.expanded % 20000 == 0) {
      Restore(play, parentSnap);
      std::fprintf(stderr, "expanded %ld simulated %ld open %zu seen %zu best f %.1f depth %d at %d,%d with %d\n",
                   result.expanded, result.simulations, open.size(), seen.size(), entry.f, depth, px, py,
                   int(play.Game().play.diamondsCollected));
      if (std::getenv("QUARRION_SOLVE_TRACE")) std::fprintf(stderr, "  %s\n", pathTo(entry.node).c_str());
    }
  }
  result.distinctStates = long(seen.size());
  return result;
}

}  // namespace quarrion
