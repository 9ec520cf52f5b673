// Arbitrary bytes as the command line of the tools, one argument per zero-separated piece: the
// simulator's two modes and the shared number and option readers accept or say why, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "tools/sim/arguments.h"
#include "tools/sim/game_mode.h"
#include "tools/sim/sim.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzToolArguments) {
  using namespace quarrion;
  std::vector<std::string> args(1);
  for (size_t i = 0; i < size && args.size() < 64; ++i) {
    if (data[i] == 0) args.emplace_back();
    else args.back() += char(data[i]);
  }
  std::string error;
  sim::SimOptions options;
  if (!sim::ParseArguments(args, options, error) && error.empty()) std::abort();
  sim::GameModeOptions gameOptions;
  error.clear();
  if (!sim::ParseGameModeArguments(args, gameOptions, error) && error.empty()) std::abort();
  for (const std::string& arg : args) {
    long value = 0;
    if (cli::ParseNumber(arg, -1000, 1000, value) && (value < -1000 || value > 1000)) std::abort();
  }
  return 0;
}
