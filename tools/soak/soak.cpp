#include "tools/soak/soak.h"

#include <memory>
#include <random>

#include "core/demo.h"
#include "core/elements.h"
#include "core/game_state.h"
#include "core/key_letters.h"
#include "editor/editor_state.h"
#include "editor/generator.h"
#include "tools/soak/soak_checks.h"
#include "solver/level_play.h"

namespace quarrion {
namespace {

constexpr std::size_t kMaxFaults = 200;

class Soak {
 public:
  Soak(const SoakOptions& options, SoakReport& report) : options_(options), report_(report), random_(options.seed) {}

  // Random keys held for a few passes each, as a player holds them.
  std::string RandomKeys() {
    static constexpr char kLetters[] = "UDLRUDLRudlr.F";
    std::string keys;
    const int length = Draw(options_.passesPerRun / 4, options_.passesPerRun);
    while (int(keys.size()) < length) keys.append(std::size_t(Draw(1, 12)), kLetters[Draw(0, 13)]);
    keys.resize(std::size_t(length));
    return keys;
  }

  // The keys played twice from the same start: both runs must pass every check and match pass for pass.
  void PlayTwice(const CaveSet& caves, int cave, int level, const std::string& keys, const std::string& where) {
    const std::vector<uint64_t> first = Play(caves, cave, level, keys, where);
    const std::vector<uint64_t> second = Play(caves, cave, level, keys, where);
    ++report_.runs;
    if (options_.afterRun) options_.afterRun(report_);
    if (first != second) Fault(where, "the same keys gave another state in pass " + std::to_string(FirstDifference(first, second)));
  }

  // The keys recorded as the cave's demo, then the demo played back: the same state in every pass it plays.
  void RecordAndReplay(const CaveSet& caves, int cave, int level, const std::string& keys, const std::string& where) {
    auto recording = std::make_unique<LevelPlay>(caves);
    recording->StartRecording(cave, level);
    const std::vector<uint64_t> recorded = StepKeys(*recording, keys, where + " recording", FieldHash);
    ++report_.demoChecks;
    if (!HasDemo(recording->Game().caves, cave)) return;  // a recording cut short with nothing stored
    auto playback = std::make_unique<LevelPlay>(recording->Game().caves);
    playback->StartDemo(cave, 0);
    std::size_t pass = 0;
    for (; playback->StepDemo(); ++pass) {
      Check(playback->Game(), where + " playback");
      if (pass >= recorded.size() || FieldHash(playback->Game()) != recorded[pass]) {
        Fault(where, "the demo played back differs from the recording in pass " + std::to_string(pass + 1));
        return;
      }
    }
  }

  // A fresh set whose chosen level the generator fills from random settings, with an inbox and an
  // outbox set into it and random properties within the editor's ranges.
  std::unique_ptr<CaveSet> GeneratedCave(int& cave, int& level) {
    auto game = std::make_unique<GameState>();
    ResetCaves(game->caves);
    cave = Draw(0, kCaveCount - 1);
    level = Draw(0, kLevelCount - 1);
    game->play.caveNo = uint8_t(cave);
    game->play.levelNo = uint8_t(level);
    EditorState editor;
    editor.panel.texts[FieldRandElement0] = std::to_string(Draw(0, 255));
    for (int i = 1; i <= 4; ++i) editor.panel.texts[std::size_t(FieldRandElement0 + i)] = std::to_string(Draw(0, 160));
    for (auto& slot : editor.generatorSlots) slot = uint8_t(Draw(0, kPaletteSize - 1));
    GenerateLevel(*game, editor);
    const int width = IsSmallCave(cave) ? kSmallMapWidth : kMapWidth;
    const int height = IsSmallCave(cave) ? kSmallMapHeight : kMapHeight;
    game->caves.Cell(cave, level, Draw(1, width - 2), Draw(1, height - 2)) = InBox;
    game->caves.Cell(cave, level, Draw(1, width - 2), Draw(1, height - 2)) = OutBox;
    const int ranges[kPropertyCount][2] = {{1, 255}, {1, 255}, {0, 99},   {0, 99},  {1, 255}, {1, 255},
                                           {100, 255}, {1, 255}, {1, 255}, {1, 255}, {1, 40},  {1, 8}};
    for (int i = 0; i < kPropertyCount; ++i) game->caves.PropertyAt(cave, level, i) = uint8_t(Draw(ranges[i][0], ranges[i][1]));
    return std::make_unique<CaveSet>(game->caves);
  }

  int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Done() const { return report_.passes >= options_.passes; }

 private:
  std::vector<uint64_t> Play(const CaveSet& caves, int cave, int level, const std::string& keys, const std::string& where) {
    auto play = std::make_unique<LevelPlay>(caves);
    play->Start(cave, level);
    return StepKeys(*play, keys, where, StateHash);
  }

  // Plays the keys pass by pass, checking each pass; the hash of every pass played.
  std::vector<uint64_t> StepKeys(LevelPlay& play, const std::string& keys, const std::string& where,
                                 uint64_t (*hash)(const GameState&)) {
    std::vector<uint64_t> hashes;
    for (const char letter : keys) {
      KeyFlags flags;
      KeyFlagsOf(letter, flags);
      if (!play.Step(flags)) break;
      Check(play.Game(), where);
      hashes.push_back(hash(play.Game()));
    }
    return hashes;
  }

  void Check(const GameState& game, const std::string& where) {
    ++report_.passes;
    const std::string fault = CheckPass(game);
    if (!fault.empty()) Fault(where + " pass " + std::to_string(report_.passes), fault);
  }

  void Fault(const std::string& where, const std::string& what) {
    if (report_.faults.size() < kMaxFaults) report_.faults.push_back(where + ": " + what);
  }

  static std::size_t FirstDifference(const std::vector<uint64_t>& a, const std::vector<uint64_t>& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i + 1;
  }

  const SoakOptions& options_;
  SoakReport& report_;
  std::mt19937 random_;
};

}  // namespace

SoakReport RunSoak(const CaveSet& caves, const Solutions& solutions, const SoakOptions& options) {
  SoakReport report;
  Soak soak(options, report);
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int level = 0; level < kLevelCount; ++level) {
      const std::string where = LevelName(cave, level);
      const std::string& solution = solutions[std::size_t(cave)][std::size_t(level)];
      if (!solution.empty()) {
        soak.PlayTwice(caves, cave, level, solution, where + " solution");
        ++report.solutionRuns;
      }
      const std::string keys = soak.RandomKeys();
      soak.PlayTwice(caves, cave, level, keys, where + " random");
      soak.RecordAndReplay(caves, cave, level, keys, where + " demo");
    }
  for (int n = 0; n < options.generatedCaves || !soak.Done(); ++n) {
    int cave = 0, level = 0;
    const std::unique_ptr<CaveSet> generated = soak.GeneratedCave(cave, level);
    const std::string where = "generated " + std::to_string(n) + " in " + LevelName(cave, level);
    const std::string keys = soak.RandomKeys();
    soak.PlayTwice(*generated, cave, level, keys, where);
    if (n % 4 == 0) soak.RecordAndReplay(*generated, cave, level, keys, where + " demo");
    ++report.generatedRuns;
    // beyond the generated caves asked for, fresh random runs on the set's own levels
    if (n >= options.generatedCaves) {
      const int c = soak.Draw(0, kCaveCount - 1), l = soak.Draw(0, kLevelCount - 1);
      soak.PlayTwice(caves, c, l, soak.RandomKeys(), LevelName(c, l) + " random");
    }
  }
  return report;
}

}  // namespace quarrion
