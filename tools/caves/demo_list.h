// The list of demos of the default set: for each cave the level its demo shows, recorded from
// that level's stored solution.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cave_set.h"

namespace quarrion {

// Lines "A 1": cave letter and level 1..5; # starts a comment. Caves not listed get no demo.
// Faults are added to errors; the result holds the level per cave or -1.
std::array<int, kCaveCount> ParseDemoList(const std::string& name, const std::string& text,
                                          std::vector<std::string>& errors);

// Records every listed demo into caves from the solutions file and checks that each playback
// ends in the exit.
void RecordListedDemos(const std::string& demosPath, const std::string& solutionsPath, CaveSet& caves,
                       std::vector<std::string>& errors);

}  // namespace quarrion
