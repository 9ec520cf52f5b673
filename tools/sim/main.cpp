// quarrion-sim: runs the rules of play on one level of a cave set without a window and prints
// the playfield, for cave designers and tests.
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/game_mode.h"
#include "tools/sim/sim.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return quarrion::sim::ModeMain(args, std::cout, std::cerr);
}
