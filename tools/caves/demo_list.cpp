#include "tools/caves/demo_list.h"

#include <fstream>
#include <sstream>

#include "solver/demo_from_solution.h"
#include "tools/solve/solution_file.h"

namespace quarrion {

std::array<int, kCaveCount> ParseDemoList(const std::string& name, const std::string& text,
                                          std::vector<std::string>& errors) {
  std::array<int, kCaveCount> levels;
  levels.fill(-1);
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    std::istringstream words(line);
    std::string caveWord;
    std::string levelWord;
    std::string extra;
    words >> caveWord >> levelWord >> extra;
    if (caveWord.empty() || caveWord[0] == '#') continue;
    if (caveWord.size() != 1 || caveWord[0] < 'A' || caveWord[0] > 'T' || levelWord.size() != 1 ||
        levelWord[0] < '1' || levelWord[0] > '5' || !extra.empty()) {
      errors.push_back(name + ":" + std::to_string(lineNo) + ": a line must read A 1, cave A..T and level 1..5");
      continue;
    }
    int& slot = levels[std::size_t(caveWord[0] - 'A')];
    if (slot >= 0) errors.push_back(name + ":" + std::to_string(lineNo) + ": cave " + caveWord + " is given twice");
    slot = levelWord[0] - '1';
  }
  return levels;
}

void RecordListedDemos(const std::string& demosPath, const std::string& solutionsPath, CaveSet& caves,
                       std::vector<std::string>& errors) {
  std::ifstream in(demosPath, std::ios::binary);
  if (!in) {
    errors.push_back(demosPath + ": cannot be read");
    return;
  }
  std::ostringstream text;
  text << in.rdbuf();
  const std::array<int, kCaveCount> levels = ParseDemoList(demosPath, text.str(), errors);
  Solutions solutions;
  if (!ReadSolutions(solutionsPath, solutions, errors)) return;
  for (int cave = 0; cave < kCaveCount; ++cave) {
    const int level = levels[std::size_t(cave)];
    if (level < 0) continue;
    const std::string name = LevelName(cave, level);
    const std::string& keys = solutions[std::size_t(cave)][std::size_t(level)];
    if (keys.empty()) {
      errors.push_back(demosPath + ": the demo of " + name + " has no solution in " + solutionsPath);
      continue;
    }
    std::string why;
    if (!RecordDemoFromKeys(caves, cave, level, keys, why)) {
      errors.push_back(demosPath + ": the demo of " + name + " cannot be recorded: " + why);
      continue;
    }
    if (!DemoEndsInExit(caves, cave, 0))
      errors.push_back(demosPath + ": the demo of " + name + " does not end in the exit when played back");
  }
}

}  // namespace quarrion
