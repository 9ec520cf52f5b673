#include "tools/solve/solution_file.h"

#include <fstream>
#include <sstream>

#include "solver/level_play.h"

namespace quarrion {

std::string LevelName(int cave, int level) {
  return std::string(1, char('A' + cave)) + char('1' + level);
}

bool ParseSolutions(const std::string& name, const std::string& text, Solutions& solutions,
                    std::vector<std::string>& errors) {
  const std::size_t errorsBefore = errors.size();
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    auto fail = [&](const std::string& why) { errors.push_back(name + ":" + std::to_string(lineNo) + ": " + why); };
    std::istringstream words(line);
    std::string levelName;
    std::string keys;
    std::string extra;
    words >> levelName >> keys >> extra;
    if (levelName.size() != 2 || levelName[0] < 'A' || levelName[0] > 'T' || levelName[1] < '1' ||
        levelName[1] > '5' || keys.empty() || !extra.empty()) {
      fail("a line must read A1 KEYS, cave A..T and level 1..5");
      continue;
    }
    bool lettersOk = true;
    for (char c : keys) {
      KeyFlags flags;
      lettersOk = lettersOk && KeyFlagsOf(c, flags);
    }
    if (!lettersOk) {
      fail("keys must be . U D L R u d l r F");
      continue;
    }
    std::string& slot = solutions[std::size_t(levelName[0] - 'A')][std::size_t(levelName[1] - '1')];
    if (!slot.empty()) {
      fail(levelName + " is given twice");
      continue;
    }
    slot = keys;
  }
  return errors.size() == errorsBefore;
}

bool ReadSolutions(const std::string& path, Solutions& solutions, std::vector<std::string>& errors) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    errors.push_back(path + ": cannot be read");
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseSolutions(path, text.str(), solutions, errors);
}

}  // namespace quarrion
