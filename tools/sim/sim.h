// The headless simulator: argument parsing and the run loop, kept apart from main() so tests and
// further modes can use them.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/key_letters.h"

namespace quarrion::sim {

constexpr long kMaxPasses = 1000000;

struct SimOptions {
  std::string file;
  int cave = -1;
  int level = -1;
  std::string keys;
  long passes = -1;  // -1: the length of keys, or 1
  bool dumpAll = false;
};

// Reads the arguments after the program name; on failure fills error with a one-line message.
bool ParseArguments(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// Whether every letter of keys is a key letter of the simulator.
bool ValidKeys(const std::string& keys);

// The pass count in force: --passes, else the length of the keys, else 1.
long PassCount(const SimOptions& options);

// Prints the summary line and the 22 rows of element codes after pass number pass.
void DumpPass(const GameState& game, long pass, std::ostream& out);

// Starts the cave as play does and runs the passes, printing as asked.
void RunPasses(const SimOptions& options, GameState& game, std::ostream& out);

// A fresh game state holding the cave set read from file, or null after a one-line message.
std::unique_ptr<GameState> LoadGame(const std::string& file, std::ostream& err);

// The whole program: returns the exit status (0, or 2 for bad arguments or a refused file).
int SimMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrion::sim
