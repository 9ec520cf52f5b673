#include "tools/sim/sim.h"

#include <memory>
#include <ostream>

#include "core/cave_scan.h"
#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "tools/sim/arguments.h"

namespace quarrion::sim {
namespace {

constexpr const char* kProgram = "quarrion-sim";
constexpr const char* kUsage =
    "usage: quarrion-sim FILE.qcv --cave K --level J [--keys KEYS] [--passes N] [--dump all|last]";

// The sound and window calls have nowhere to go in a headless run; the keys come from KEYS.
struct SilentShell : ShellHooks {};

}  // namespace

bool ParseArguments(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  options = SimOptions{};
  cli::ArgumentHandlers handlers;
  handlers.onOption = [&options](const std::string& name, const std::string& value, std::string& why) {
    long number = 0;
    if (name == "--cave") {
      if (!cli::NumberOption(kProgram, name, value, 0, kCaveCount - 1, number, why)) return false;
      options.cave = int(number);
    } else if (name == "--level") {
      if (!cli::NumberOption(kProgram, name, value, 0, kLevelCount - 1, number, why)) return false;
      options.level = int(number);
    } else if (name == "--keys") {
      if (!ValidKeys(value)) {
        why = "quarrion-sim: --keys takes only . U D L R u d l r F";
        return false;
      }
      options.keys = value;
    } else if (name == "--passes") {
      if (!cli::NumberOption(kProgram, name, value, 1, kMaxPasses, options.passes, why)) return false;
    } else if (name == "--dump") {
      if (value != "all" && value != "last") {
        why = "quarrion-sim: --dump must be all or last";
        return false;
      }
      options.dumpAll = value == "all";
    } else {
      why = "quarrion-sim: unknown option " + name;
      return false;
    }
    return true;
  };
  if (!cli::ReadArguments(args, kProgram, handlers, options.file, error)) return false;
  if (options.file.empty() || options.cave < 0 || options.level < 0) {
    error = kUsage;
    return false;
  }
  return true;
}

bool ValidKeys(const std::string& keys) {
  KeyFlags flags;
  for (char c : keys)
    if (!KeyFlagsOf(c, flags)) return false;
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

std::unique_ptr<GameState> LoadGame(const std::string& file, std::ostream& err) {
  auto game = std::make_unique<GameState>();
  if (ReadCaveSetFile(file, game->caves)) return game;
  err << "quarrion-sim: cannot read a cave set from " << file << '\n';
  return nullptr;
}

int SimMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimOptions options;
  std::string error;
  if (!ParseArguments(args, options, error)) {
    err << error << '\n';
    return 2;
  }
  std::unique_ptr<GameState> game = LoadGame(options.file, err);
  if (!game) return 2;
  RunPasses(options, *game, out);
  return 0;
}

}  // namespace quarrion::sim
