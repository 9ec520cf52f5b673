// The readable text form of one cave: a map drawn in letters, the legend that names each letter's
// element, and a table of the twelve play properties plus a random fill for each of the five levels.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cave_set.h"

namespace quarrion {

// The columns of a level line, in the order the header line must name them.
constexpr int kLevelColumns = kPropertyCount + 3;  // the twelve properties, then seed, boulders, diamonds
extern const std::array<const char*, kLevelColumns> kLevelColumnNames;

// A legend entry that is not an element of the cave set: dirt that the level's random fill may
// turn into a boulder or a diamond.
constexpr int kRandomDirt = 256;

struct LevelText {
  std::array<uint8_t, kPropertyCount> properties{};
  uint8_t seed = 0;
  uint8_t boulderChance = 0;  // compared with the generator's byte, out of 256
  uint8_t diamondChance = 0;
  std::vector<std::string> map;  // rows of letters; empty when the cave's shared map is used
};

struct CaveText {
  std::string fileName;
  int cave = -1;  // 0..19
  std::string name;
  std::string teaches;
  std::array<int, 128> legend{};  // letter -> element code or kRandomDirt; -1 where undefined
  std::vector<std::string> map;   // the map all levels share unless one draws its own
  std::array<LevelText, kLevelCount> levels{};
};

// Parses the text of one cave file; every fault is added to errors as "file:line: text".
std::optional<CaveText> ParseCaveText(const std::string& fileName, const std::string& text,
                                      std::vector<std::string>& errors);

// Writes the cave's five levels (maps, random fill, properties, generator settings) into the set.
// Cells outside a small cave's 20 x 12 area are left as they are.
void PlaceCave(const CaveText& cave, CaveSet& caves);

// A level's map as element codes after the random fill, row by row (width x height of the cave).
struct LevelMap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> cells;
  uint8_t At(int x, int y) const { return cells[std::size_t(y * width + x)]; }
};
LevelMap BuildLevelMap(const CaveText& cave, int level);

// Element names as a legend spells them; -1 for an unknown name.
int ElementFromName(const std::string& name);

}  // namespace quarrion
