#include "tools/sim/game_mode.h"

#include <memory>
#include <ostream>

#include "core/cave_set_file.h"
#include "core/demo.h"
#include "core/elements.h"
#include "core/game_flow.h"
#include "core/game_phases.h"
#include "core/sim_time.h"
#include "tools/sim/arguments.h"
#include "tools/sim/sim.h"

namespace quarrion::sim {
namespace {

constexpr const char* kProgram = "quarrion-sim";
constexpr const char* kUsage =
    "usage: quarrion-sim FILE.qcv --mode game (--cave K --level J [--keys KEYS] [--lives N] "
    "[--dump all|last] | --play-demo K | --cave K --level J --record-demo KEYS --out NEW.qcv) "
    "[--speed MS]";
constexpr int kRowsPerPass = kMapHeight;  // the scan polls the controls once per row
constexpr int kMaxSpeedMs = 24;
constexpr long kMaxTicks = kMaxPasses * kTicksPerPass + 100000;


// The keys of pass p are KEYS[p], held for the whole pass. Nothing is sampled while a demo
// plays, nor in the pass that ended it: the demo's keys stand for that last pass.
struct GameModeShell : ShellHooks {
  GameModeShell(GameState& g, const std::string& k) : game(g), keys(k) {}
  void PollInput() override {
    const std::size_t pass = std::size_t(polls++ / kRowsPerPass);
    if (game.play.demoPlaying || game.play.phase == PhaseDemoEnd) return;
    KeyFlagsOf(pass < keys.size() ? keys[pass] : '.', game.keys);
  }
  long Passes() const { return polls / kRowsPerPass; }

  GameState& game;
  const std::string& keys;
  long polls = 0;
};

bool HasPlayerInExit(const GameState& game) {
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y)
      if (game.grids.playfield(x, y) == PlayerInExit) return true;
  return false;
}

// Why a demo ended, read from the state its end left.
std::string DemoEndReason(const GameState& game, bool recording) {
  if (HasPlayerInExit(game)) return "exit";
  if (!game.play.playerPresent) return "dead";
  // the clock ends a playback at 1 unit and still counts it down; a recording stops at 1
  if (game.params.caveTime == 0 || (recording && game.params.caveTime == 1)) return "timeout";
  return "demo-end";
}

std::string GameEndReason(const GameState& game) {
  const PlayState& s = game.play;
  if (s.phase == PhaseNextCaveWait) return "exit";  // after the time bonus was counted
  if (s.phase == PhaseOutOfTime) return "timeout";
  if (s.phase == PhasePlay && !s.playerAlive) return "dead";
  return "";
}

class GameModeRun {
 public:
  GameModeRun(const GameModeOptions& options, GameState& game, std::ostream& out)
      : options_(options), game_(game), out_(out), shell_(game, options.keys), time_(options.speedMs) {}

  bool Run(GameEnd& end, std::string& error) {
    if (!Begin(error)) return false;
    for (long tick = 0; tick < kMaxTicks; ++tick) {
      if (KeysAreDone()) {
        if (options_.recordDemo) EndDemoRecording(game_, shell_);  // the demo holds exactly KEYS
        return Finish("keys-done", end);
      }
      const long passes = shell_.Passes();
      time_.Tick(game_, shell_);
      if (options_.dumpAll && shell_.Passes() != passes) Dump();
      const std::string reason = EndReason();
      if (!reason.empty()) return Finish(reason, end);
    }
    error = "quarrion-sim: the game did not end within " + std::to_string(kMaxPasses) + " passes";
    return false;
  }

 private:
  bool IsDemo() const { return options_.playDemo >= 0 || options_.recordDemo; }

  bool Begin(std::string& error) {
    PlayState& s = game_.play;
    game_.caveSet.caveSetFileName.clear();  // the simulator never writes the set it read
    game_.caveSet.caveSetLoaded = 1;
    ReturnToTitle(game_);
    s.titleIntro = 0;
    if (options_.playDemo >= 0) {
      if (!HasDemo(game_.caves, options_.playDemo)) {
        error = "quarrion-sim: cave " + std::to_string(options_.playDemo) + " has no demo";
        return false;
      }
      s.caveNo = uint8_t(options_.playDemo);
      PlayDemoCommand(game_, shell_);
    } else {
      s.caveNo = uint8_t(options_.cave);
      s.levelNo = uint8_t(options_.level);
      if (options_.recordDemo) {
        RecordDemoCommand(game_, shell_);
      } else {
        Start(game_, shell_);
        if (options_.lives > 0) s.lives = uint8_t(options_.lives);
      }
    }
    demoCave_ = s.caveNo;
    demoLevel_ = s.levelNo;
    return true;
  }

  // Every pass KEYS asks for has run and the next tick would begin another.
  bool KeysAreDone() const {
    const PlayState& s = game_.play;
    return options_.haveKeys && shell_.Passes() >= long(options_.keys.size()) && s.inGame == 1 &&
           s.phase == PhasePlay && s.subFrame == 0;
  }

  std::string EndReason() const {
    if (!IsDemo()) return GameEndReason(game_);
    if (game_.play.phase == PhaseDemoEnd) return DemoEndReason(game_, options_.recordDemo);
    if (game_.play.phase == PhaseOutOfTime) return "timeout";
    return "";
  }

  int32_t Score() const {
    return IsDemo() && game_.play.phase == PhaseDemoEnd ? game_.play.demoEndScore : game_.play.score;
  }

  // A demo's end takes the title's position back; the dump keeps showing the demo's cave.
  void Dump() {
    const PlayState& s = game_.play;
    out_ << "pass " << shell_.Passes() << " score " << Score() << " collected " << s.diamondsCollected
         << " alive " << int(s.playerAlive) << " born " << int(s.playerBorn) << " phase " << int(s.phase)
         << " time " << int(game_.params.caveTime) << " lives " << int(s.lives) << " level "
         << int(IsDemo() ? demoLevel_ : s.levelNo) << " cave " << int(IsDemo() ? demoCave_ : s.caveNo)
         << '\n';
    for (int y = 1; y <= kMapHeight; ++y) {
      for (int x = 1; x <= kMapWidth; ++x) {
        if (x > 1) out_ << ' ';
        out_ << int(game_.grids.playfield(x, y));
      }
      out_ << '\n';
    }
  }

  bool Finish(const std::string& reason, GameEnd& end) {
    if (!options_.dumpAll) Dump();
    end.reason = reason;
    end.passes = shell_.Passes();
    end.score = Score();
    out_ << "end " << end.reason << " passes " << end.passes << " score " << end.score << '\n';
    return true;
  }

  const GameModeOptions& options_;
  GameState& game_;
  std::ostream& out_;
  GameModeShell shell_;
  SimTime time_;
  uint8_t demoCave_ = 0;
  uint8_t demoLevel_ = 0;
};

}  // namespace

bool ParseGameModeArguments(const std::vector<std::string>& args, GameModeOptions& options,
                            std::string& error) {
  options = GameModeOptions{};
  cli::ArgumentHandlers handlers;
  handlers.onOption = [&options](const std::string& name, const std::string& value, std::string& why) {
    long number = 0;
    if (name == "--cave" || name == "--play-demo") {
      if (!cli::NumberOption(kProgram, name, value, 0, kCaveCount - 1, number, why)) return false;
      (name == "--cave" ? options.cave : options.playDemo) = int(number);
    } else if (name == "--level") {
      if (!cli::NumberOption(kProgram, name, value, 0, kLevelCount - 1, number, why)) return false;
      options.level = int(number);
    } else if (name == "--keys" || name == "--record-demo") {
      if (!ValidKeys(value)) {
        why = "quarrion-sim: " + name + " takes only . U D L R u d l r F";
        return false;
      }
      options.keys = value;
      options.haveKeys = true;
      options.recordDemo = options.recordDemo || name == "--record-demo";
    } else if (name == "--speed") {
      if (!cli::NumberOption(kProgram, name, value, 0, kMaxSpeedMs, number, why)) return false;
      options.speedMs = int(number);
    } else if (name == "--lives") {
      if (!cli::NumberOption(kProgram, name, value, 1, 9, number, why)) return false;
      options.lives = int(number);
    } else if (name == "--dump") {
      if (value != "all" && value != "last") {
        why = "quarrion-sim: --dump must be all or last";
        return false;
      }
      options.dumpAll = value == "all";
    } else if (name == "--out") {
      options.out = value;
    } else {
      why = "quarrion-sim: unknown option " + name;
      return false;
    }
    return true;
  };
  if (!cli::ReadArguments(args, kProgram, handlers, options.file, error)) return false;
  const bool haveFile = !options.file.empty();
  const bool playing = options.playDemo >= 0;
  const bool cave = options.cave >= 0 && options.level >= 0;
  const bool wellFormed = haveFile && (playing ? options.cave < 0 && options.level < 0 && !options.haveKeys
                                               : cave) &&
                          options.recordDemo == !options.out.empty() && (!options.recordDemo || options.lives == 0);
  if (!wellFormed) {
    error = kUsage;
    return false;
  }
  return true;
}

bool RunGame(const GameModeOptions& options, GameState& game, std::ostream& out, GameEnd& end,
             std::string& error) {
  GameModeRun run(options, game, out);
  return run.Run(end, error);
}

int GameModeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  GameModeOptions options;
  std::string error;
  if (!ParseGameModeArguments(args, options, error)) {
    err << error << '\n';
    return 2;
  }
  std::unique_ptr<GameState> game = LoadGame(options.file, err);
  if (!game) return 2;
  GameEnd end;
  if (!RunGame(options, *game, out, end, error)) {
    err << error << '\n';
    return 2;
  }
  if (options.recordDemo && !WriteCaveSetFile(options.out, game->caves)) {
    err << "quarrion-sim: cannot write " << options.out << '\n';
    return 2;
  }
  return 0;
}

int ModeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> rest;
  std::string mode = "scan";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--mode") {
      rest.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "quarrion-sim: --mode needs a value\n";
      return 2;
    }
    mode = args[++i];
  }
  if (mode == "game") return GameModeMain(rest, out, err);
  if (mode == "scan") return SimMain(rest, out, err);
  err << "quarrion-sim: --mode must be scan or game\n";
  return 2;
}

}  // namespace quarrion::sim
