// Builds the default cave set from the cave text files: each of the 20 caves exactly once, every
// level with an inbox and a closed outbox.
#pragma once
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "tools/caves/cave_text.h"

namespace quarrion {

// Reads and parses every file; faults are added to errors.
std::vector<CaveText> ReadCaveTexts(const std::vector<std::string>& paths, std::vector<std::string>& errors);

// Fills caves from a fresh set with the twenty caves; faults (a missing or doubled cave, a level
// that cannot be played) are added to errors.
void BuildCaveSet(const std::vector<CaveText>& texts, CaveSet& caves, std::vector<std::string>& errors);

}  // namespace quarrion
