// The text file of stored solutions: one line per level, "A1 KEYS" for cave A level 1, the keys
// one letter per pass as quarrion-sim reads them; lines starting with # are comments.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cave_set.h"

namespace quarrion {

using Solutions = std::array<std::array<std::string, kLevelCount>, kCaveCount>;

// Reads the file; faults (a bad line, a level given twice) are added to errors as "file:line: text".
bool ReadSolutions(const std::string& path, Solutions& solutions, std::vector<std::string>& errors);
bool ParseSolutions(const std::string& name, const std::string& text, Solutions& solutions,
                    std::vector<std::string>& errors);

// The name of a level in the file and on screen: the cave letter and the level digit, "A1".
std::string LevelName(int cave, int level);

}  // namespace quarrion
