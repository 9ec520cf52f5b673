#include "solver/search.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <queue>
#include <vector>

#include "core/demo.h"
#include "core/key_letters.h"
#include "solver/estimator.h"
#include "solver/level_play.h"
#include "solver/seen_set.h"
#include "solver/state_key.h"

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
  // passes in a row that left the layout as it was: a push, a drop through slime or a growing
  // amoeba may take several tries that look alike before something happens
  uint8_t stall;
  uint16_t depth;
  uint64_t layout;
};


// The stall count tells repeated tries apart; a changed layout is known by itself.
uint64_t SeenKey(const Node& node) { return node.layout ^ (uint64_t(node.stall) * 0x9E3779B97F4A7C15ull); }

struct OpenEntry {
  double f;
  int32_t node;
  int32_t snap;
  bool operator<(const OpenEntry& o) const { return f > o.f; }  // smallest f on top
};

class Searcher {
 public:
  Searcher(const GameState& start, const SimTime& time, const Strategy& strategy, const SearchLimits& limits)
      : play_(start), strategy_(strategy), limits_(limits) {
    play_.Time() = time;
  }

  SearchResult Run();

 private:
  int32_t StoreSnap() {
    int32_t index;
    if (!freeSnaps_.empty()) {
      index = freeSnaps_.back();
      freeSnaps_.pop_back();
    } else {
      index = int32_t(snaps_.size());
      snaps_.emplace_back();
    }
    Save(play_, snaps_[std::size_t(index)]);
    return index;
  }

  std::string PathTo(int32_t node) const {
    std::string keys;
    for (int32_t n = node; n > 0; n = nodes_[std::size_t(n)].parent) keys.push_back(nodes_[std::size_t(n)].action);
    std::reverse(keys.begin(), keys.end());
    return keys;
  }

  // The tree and the seen set only grow; the snapshots of waiting states can be let go.
  std::size_t TreeBytes() const { return nodes_.capacity() * sizeof(Node) + seen_.Bytes(); }
  std::size_t Bytes() const {
    return TreeBytes() + (snaps_.size() - freeSnaps_.size()) * sizeof(Snapshot) + open_.size() * sizeof(OpenEntry);
  }

  uint64_t Key() const { return StateKey(play_.Game(), strategy_.keepDirt, !strategy_.countDiamondsOnly); }

  // Keeps the better half of the waiting states; the snapshots of the rest are reused.
  void HalveOpen() {
    std::vector<OpenEntry> keep;
    keep.reserve(open_.size());
    while (!open_.empty()) {
      keep.push_back(open_.top());
      open_.pop();
    }
    const std::size_t half = keep.size() / 2;
    for (std::size_t i = half; i < keep.size(); ++i) freeSnaps_.push_back(keep[i].snap);
    keep.resize(half);
    for (const OpenEntry& e : keep) open_.push(e);
  }

  // Why the search must stop before the next expansion, or Found for "go on".
  SearchEnd Interrupted(const SearchResult& result) const {
    if (limits_.stop && limits_.stop->load(std::memory_order_relaxed)) return SearchEnd::Stopped;
    if (result.simulations >= limits_.maxSimulations) return SearchEnd::OutOfSimulations;
    // the clock is read every few expansions: it costs more than a look at a flag
    if ((result.expanded & 15) == 0 && std::chrono::steady_clock::now() >= limits_.deadline)
      return SearchEnd::OutOfTime;
    return SearchEnd::Found;
  }

  void Expand(const OpenEntry& entry, const Snapshot& parentSnap, SearchResult& result);

  LevelPlay play_;
  Strategy strategy_;
  const SearchLimits& limits_;
  std::vector<Node> nodes_;
  std::deque<Snapshot> snaps_;  // grows by blocks: no copy of all snapshots when it grows
  std::vector<int32_t> freeSnaps_;
  std::priority_queue<OpenEntry> open_;
  SeenSet seen_;
  Estimator estimator_;
  bool found_ = false;
  std::string foundKeys_;
};

void Searcher::Expand(const OpenEntry& entry, const Snapshot& parentSnap, SearchResult& result) {
  const Node parent = nodes_[std::size_t(entry.node)];
  const int depth = parent.depth;
  Restore(play_, parentSnap);
  int px = 0;
  int py = 0;
  const bool born = FindPlayer(play_.Game(), px, py);
  const std::vector<char> actions = ActionsFor(play_.Game(), born, px, py, strategy_.keepDirt);
  for (char action : actions) {
    Restore(play_, parentSnap);
    KeyFlags keys;
    KeyFlagsOf(action, keys);
    ++result.simulations;
    const bool passed = play_.Step(keys);
    if (play_.ExitReached()) {
      nodes_.push_back({entry.node, action, 0, uint16_t(depth + 1), 0});
      found_ = true;
      foundKeys_ = PathTo(int32_t(nodes_.size() - 1));
      return;
    }
    if (!passed || play_.PlayerLost()) continue;
    const uint64_t layout = Key();
    const int stall = layout == parent.layout ? parent.stall + 1 : 0;
    if (stall > strategy_.maxStall) continue;
    nodes_.push_back({entry.node, action, uint8_t(stall), uint16_t(depth + 1), layout});
    if (!seen_.Insert(SeenKey(nodes_.back()))) {
      nodes_.pop_back();
      ++result.duplicates;
      continue;
    }
    int cx = 0;
    int cy = 0;
    FindPlayer(play_.Game(), cx, cy);
    const double h = estimator_.Estimate(play_.Game(), strategy_.diamondCost, cx, cy);
    open_.push({double(depth + 1) + strategy_.weight * h, int32_t(nodes_.size() - 1), StoreSnap()});
  }
}

SearchResult Searcher::Run() {
  SearchResult result;
  const uint64_t rootLayout = Key();
  nodes_.push_back({-1, 0, 0, 0, rootLayout});
  seen_.Insert(rootLayout);
  open_.push({0.0, 0, StoreSnap()});
  Snapshot parentSnap;
  long reported = 0;
  while (!open_.empty()) {
    const SearchEnd why = Interrupted(result);
    if (why != SearchEnd::Found) {
      result.end = why;
      break;
    }
    const OpenEntry entry = open_.top();
    open_.pop();
    parentSnap = snaps_[std::size_t(entry.snap)];
    freeSnaps_.push_back(entry.snap);
    if (nodes_[std::size_t(entry.node)].depth >= limits_.maxPasses) continue;
    ++result.expanded;
    if (limits_.onExpand) limits_.onExpand(SeenKey(nodes_[std::size_t(entry.node)]));
    Expand(entry, parentSnap, result);
    if (limits_.simulatedTotal) {
      limits_.simulatedTotal->fetch_add(result.simulations - reported, std::memory_order_relaxed);
      reported = result.simulations;
    }
    if (found_) {
      result.end = SearchEnd::Found;
      result.keys = foundKeys_;
      break;
    }
    std::size_t bytes = Bytes();
    result.peakBytes = std::max(result.peakBytes, bytes);
    if (bytes > limits_.memoryBytes) {
      // the worse waiting states go first; when the tree and the seen set fill half the budget, stop
      if (TreeBytes() > limits_.memoryBytes / 2) {
        result.end = SearchEnd::OutOfMemory;
        break;
      }
      HalveOpen();
    }
    if (limits_.verbose && result.expanded % 20000 == 0) {
      std::fprintf(stderr, "expanded %ld simulated %ld open %zu seen %zu best f %.1f depth %d\n", result.expanded,
                   result.simulations, open_.size(), seen_.Size(), entry.f,
                   int(nodes_[std::size_t(entry.node)].depth));
      if (std::getenv("QUARRION_SOLVE_TRACE")) std::fprintf(stderr, "  %s\n", PathTo(entry.node).c_str());
    }
  }
  result.distinctStates = long(seen_.Size());
  return result;
}

}  // namespace


SearchResult Search(const GameState& start, const SimTime& time, const Strategy& strategy,
                    const SearchLimits& limits) {
  // the searcher holds about a megabyte of scratch beside its lists: kept off the caller's stack
  auto searcher = std::make_unique<Searcher>(start, time, strategy, limits);
  return searcher->Run();
}

}  // namespace quarrion
