#include "tools/sim/sim.h"

#include <charconv>
#include <memory>
#include <ostream>

#include "core/cave_scan.h"
#include "core/cave_set_file.h"
#include "core/cave_start.h"

namespace quarrion::sim {
namespace {

constexpr const char* kUsage =
    "usage: quarrion-sim FILE.qcv --cave K --level J [--keys KEYS] [--passes N] [--dump all|last]";

bool ParseNumber(const std::string& text, long low, long high, long& value) {
  long v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc{} || ptr != end || text.empty() || v < low || v > high) return false;
  value = v;
  return true;
}

// The sound and window calls have nowhere to go in a headless run; the keys come from KEYS.
struct SilentShell : ShellHooks {};

}  // namespace

bool ParseArguments(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  options = SimOptions{};
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      if (haveFile) {
        error = "quarrion-sim: more than one cave set file given";
        return false;
      }
      options.file = arg;
      haveFile = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "quarrion-sim: " + arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    long number = 0;
    if (arg == "--cave") {
      if (!ParseNumber(value, 0, kCaveCount - 1, number)) {
        error = "quarrion-sim: --cave must be 0..19";
        return false;
      }
      options.cave = int(number);
    } else if (arg == "--level") {
      if (!ParseNumber(value, 0, kLevelCount - 1, number)) {
        error = "quarrion-sim: --level must be 0..4";
        return false;
      }
      options.level = int(number);
    } else if (arg == "--keys") {
      KeyFlags keys;
      for (char c : value) {
        if (!KeyFlagsOf(c, keys)) {
          error = "quarrion-sim: --keys takes only . U D L R u d l r F";
          return false;
        }
      }
      options.keys = value;
    } else if (arg == "--passes") {
      if (!ParseNumber(value, 1, kMaxPasses, number)) {
        error = "quarrion-sim: --passes must be 1.." + std::to_string(kMaxPasses);
        return false;
      }
      options.passes = number;
    } else if (arg == "--dump") {
      if (value != "all" && value != "last") {
        error = "quarrion-sim: --dump must be all or last";
        return false;
      }
      options.dumpAll = value == "all";
    } else {
      error = "quarrion-sim: unknown option " + arg;
      return false;
    }
  }
  if (!haveFile || options.cave < 0 || options.level < 0) {
    error = kUsage;
    return false;
  }
  return true;
}

long PassCount(const SimOptions& options) {
  if (options.passes > 0) return options.passes;
  return options.keys.empty() ? 1 : long(options.keys.size());
}

void DumpPass(const GameState& game, long pass, std::ostream& out) {
  const PlayState& s = game.play;
  out << "pass " << pass << " score " << s.score << " collected " << s.diamondsCollected << " alive "
      << int(s.playerAlive) << " born " << int(s.playerBorn) << '\n';
  for (int y = 1; y <= kMapHeight; ++y) {
    for (int x = 1; x <= kMapWidth; ++x) {
      if (x > 1) out << ' ';
      out << int(game.grids.playfield(x, y));
    }
    out << '\n';
  }
}

void RunPasses(const SimOptions& options, GameState& game, std::ostream& out) {
  SilentShell shell;
  game.play.caveNo = uint8_t(options.cave);
  game.play.levelNo = uint8_t(options.level);
  // no file name: the simulator never writes the saved position back
  game.caveSet.caveSetFileName.clear();
  CaveStart(game, shell);
  FinishUncover(game);
  game.random.SetState(Random::kStartState);
  game.play.phase = 0;

  const long passes = PassCount(options);
  for (long pass = 1; pass <= passes; ++pass) {
    const std::size_t k = std::size_t(pass - 1);
    KeyFlagsOf(k < options.keys.size() ? options.keys[k] : '.', game.keys);
    game.sounds = SoundEvents{};
    CaveScan(game, shell);
    if (options.dumpAll || pass == passes) DumpPass(game, pass, out);
  }
}

int SimMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimOptions options;
  std::string error;
  if (!ParseArguments(args, options, error)) {
    err << error << '\n';
    return 2;
  }
  auto game = std::make_unique<GameState>();
  if (!ReadCaveSetFile(options.file, game->caves)) {
    err << "quarrion-sim: cannot read a cave set from " << options.file << '\n';
    return 2;
  }
  RunPasses(options, *game, out);
  return 0;
}

}  // namespace quarrion::sim
