// The solver's search on levels of the default cave set: simulated passes a second with each of
// the first two default strategies, over a fixed number of passes (the search's cost is these
// passes: a state restored, one pass of the rules, its key and its estimate).
#include <benchmark/benchmark.h>

#include <memory>

#include "core/cave_set_file.h"
#include "solver/level_play.h"
#include "solver/search.h"
#include "solver/solver.h"

namespace quarrion {
namespace {

constexpr long kPasses = 200000;

void SearchLevel(benchmark::State& state) {
  static const std::unique_ptr<CaveSet> caves = [] {
    auto set = std::make_unique<CaveSet>();
    if (!ReadCaveSetFile(QUARRION_DEFAULT_CAVES, *set)) set.reset();
    return set;
  }();
  if (!caves) {
    state.SkipWithError("no default cave set");
    return;
  }
  LevelPlay play(*caves);
  play.Start(int(state.range(0)), int(state.range(1)));
  const Strategy strategy = DefaultPortfolio()[std::size_t(state.range(2))];
  long simulated = 0;
  for (auto _ : state) {
    SearchLimits limits;
    limits.maxSimulations = kPasses;
    const SearchResult result = Search(play.Game(), play.Time(), strategy, limits);
    simulated += result.simulations;
    benchmark::DoNotOptimize(result.expanded);
  }
  state.counters["passes/s"] = benchmark::Counter(double(simulated), benchmark::Counter::kIsRate);
}
// cave, level, strategy: four of the levels that take the search longest: E2 butterflies, G2 the
// amoeba jar, L2 vaults, M2 the amoeba garden
BENCHMARK(SearchLevel)
    ->Args({4, 1, 0})
    ->Args({6, 1, 0})
    ->Args({11, 1, 0})
    ->Args({12, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace quarrion

BENCHMARK_MAIN();
