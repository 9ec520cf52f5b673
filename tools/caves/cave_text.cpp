#include "tools/caves/cave_text.h"

#include <cctype>
#include <sstream>
#include <utility>

#include "core/elements.h"
#include "editor/next_random.h"

namespace quarrion {

const std::array<const char*, kLevelColumns> kLevelColumnNames = {
    "time",  "diamonds", "value", "bonus", "magic", "amoeba-time", "amoeba-max", "amoeba-slow",
    "amoeba-fast", "slime", "inbox", "push", "seed", "boulders", "random-diamonds"};

namespace {

// The ranges the editor's controls accept, so every designed level can be edited as it is.
constexpr std::array<std::pair<int, int>, kLevelColumns> kColumnRanges = {{{1, 255},
                                                                            {1, 255},
                                                                            {0, 99},
                                                                            {0, 99},
                                                                            {1, 255},
                                                                            {1, 255},
                                                                            {100, 255},
                                                                            {1, 255},
                                                                            {1, 255},
                                                                            {1, 255},
                                                                            {1, 40},
                                                                            {1, 8},
                                                                            {0, 255},
                                                                            {0, 255},
                                                                            {0, 255}}};

struct NamedElement {
  const char* name;
  int code;
};

constexpr std::array<NamedElement, 25> kElementNames = {{
    {"space", Space},
    {"dirt", Dirt},
    {"random-dirt", kRandomDirt},
    {"brick-wall", BrickWall},
    {"magic-wall", MagicWall},
    {"outbox", OutBox},
    {"steel-wall", SteelWall},
    {"h-expanding-wall", HExpandingWall},
    {"v-expanding-wall", VExpandingWall},
    {"firefly-left", FireflyLeft},
    {"firefly-up", FireflyUp},
    {"firefly-right", FireflyRight},
    {"firefly-down", FireflyDown},
    {"butterfly-down", ButterflyDown},
    {"butterfly-left", ButterflyLeft},
    {"butterfly-up", ButterflyUp},
    {"butterfly-right", ButterflyRight},
    {"boulder", Boulder},
    {"boulder-falling", BoulderFalling},
    {"diamond", Diamond},
    {"diamond-falling", DiamondFalling},
    {"amoeba", Amoeba},
    {"slime", Slime},
    {"inbox", InBox},
    {"player-dummy", PlayerDummy},
}};

// Palette indexes the editor's generator stores for the random fill: dirt, boulder, diamond.
constexpr uint8_t kPaletteDirt = 1;
constexpr uint8_t kPaletteBoulder = 3;
constexpr uint8_t kPaletteDiamond = 4;

std::string Trim(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

bool ParseNumber(const std::string& word, int& value) {
  if (word.empty() || word.size() > 4) return false;
  value = 0;
  for (char c : word) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

class Parser {
 public:
  Parser(std::string fileName, const std::string& text, std::vector<std::string>& errors)
      : errors_(errors) {
    cave_.fileName = std::move(fileName);
    cave_.legend.fill(-1);
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
    }
  }

  std::optional<CaveText> Run() {
    const std::size_t errorsBefore = errors_.size();
    std::array<bool, kLevelCount> levelSeen{};
    bool headerSeen = false;
    bool legendSeen = false;
    while (next_ < lines_.size()) {
      const std::string line = Trim(lines_[next_]);
      const int lineNo = int(next_) + 1;
      ++next_;
      if (line.empty() || line[0] == '#') continue;
      const std::vector<std::string> words = Words(line);
      const std::string& key = words[0];
      if (key == "cave") {
        ReadCaveLetter(words, lineNo);
      } else if (key == "name") {
        cave_.name = Trim(line.substr(4));
      } else if (key == "teaches") {
        cave_.teaches = Trim(line.substr(7));
      } else if (key == "legend") {
        ReadLegend(lineNo);
        legendSeen = true;
      } else if (key == "map") {
        ReadMapBlock(words, lineNo);
      } else if (key == "level") {
        CheckHeader(words, lineNo);
        headerSeen = true;
      } else if (std::isdigit(static_cast<unsigned char>(key[0]))) {
        if (!headerSeen) Error(lineNo, "a level line before the \"level\" header line");
        ReadLevelLine(words, lineNo, levelSeen);
      } else {
        Error(lineNo, "unknown line \"" + line + "\"");
      }
    }
    if (cave_.cave < 0) Error(0, "no \"cave\" line naming the cave letter A..T");
    if (!legendSeen) Error(0, "no legend");
    for (int level = 0; level < kLevelCount; ++level) {
      if (!levelSeen[std::size_t(level)]) Error(0, "no properties for level " + std::to_string(level + 1));
      if (cave_.map.empty() && cave_.levels[std::size_t(level)].map.empty() && cave_.cave >= 0)
        Error(0, "no map for level " + std::to_string(level + 1));
    }
    if (errors_.size() != errorsBefore) return std::nullopt;
    return cave_;
  }

 private:
  void Error(int lineNo, const std::string& text) {
    errors_.push_back(cave_.fileName + ":" + std::to_string(lineNo) + ": " + text);
  }

  int Width() const { return IsSmallCave(cave_.cave) ? kSmallMapWidth : kMapWidth; }
  int Height() const { return IsSmallCave(cave_.cave) ? kSmallMapHeight : kMapHeight; }

  void ReadCaveLetter(const std::vector<std::string>& words, int lineNo) {
    if (words.size() != 2 || words[1].size() != 1 || words[1][0] < 'A' || words[1][0] > 'T') {
      Error(lineNo, "the cave line must be \"cave\" and one letter A..T");
      return;
    }
    cave_.cave = words[1][0] - 'A';
  }

  // Legend lines are 'c' element-name; the quotes let space and # be letters too.
  void ReadLegend(int legendLine) {
    while (next_ < lines_.size()) {
      const std::string line = Trim(lines_[next_]);
      const int lineNo = int(next_) + 1;
      ++next_;
      if (line == "end") return;
      if (line.empty()) continue;
      if (line.size() < 4 || line[0] != '\'' || line[2] != '\'') {
        Error(lineNo, "a legend line must read 'c' element-name");
        continue;
      }
      const unsigned char letter = static_cast<unsigned char>(line[1]);
      const std::string name = Trim(line.substr(3));
      const int code = ElementFromName(name);
      if (letter >= 128 || !std::isprint(letter)) {
        Error(lineNo, "a legend letter must be a printable ASCII character");
      } else if (code < 0) {
        Error(lineNo, "unknown element \"" + name + "\"");
      } else if (cave_.legend[letter] >= 0) {
        Error(lineNo, std::string("letter '") + char(letter) + "' is given twice");
      } else {
        cave_.legend[letter] = code;
      }
    }
    Error(legendLine, "the legend has no \"end\" line");
  }

  void ReadMapBlock(const std::vector<std::string>& words, int lineNo) {
    if (cave_.cave < 0) {
      Error(lineNo, "the \"cave\" line must come before the first map");
      return;
    }
    std::vector<std::string>* target = &cave_.map;
    if (words.size() == 2) {
      int level = 0;
      if (!ParseNumber(words[1], level) || level < 1 || level > kLevelCount) {
        Error(lineNo, "a level map is \"map N\" with N 1..5");
        return;
      }
      target = &cave_.levels[std::size_t(level - 1)].map;
    } else if (words.size() != 1) {
      Error(lineNo, "a map starts with \"map\" or \"map N\"");
      return;
    }
    if (!target->empty()) Error(lineNo, "this map is given twice");
    target->clear();
    const std::string size = std::to_string(Width()) + " x " + std::to_string(Height());
    while (next_ < lines_.size() && lines_[next_] != "end") {
      const std::string& row = lines_[next_];
      const int rowLine = int(next_) + 1;
      ++next_;
      if (int(target->size()) == Height()) {
        Error(rowLine, "bad map size: more than " + std::to_string(Height()) + " rows (map is " + size + ")");
        continue;
      }
      if (int(row.size()) != Width()) {
        Error(rowLine, "bad map size: row has " + std::to_string(row.size()) + " characters, the map is " + size);
      }
      for (std::size_t x = 0; x < row.size(); ++x) {
        const unsigned char c = static_cast<unsigned char>(row[x]);
        if (c >= 128 || cave_.legend[c] < 0) {
          Error(rowLine, "unknown letter '" + std::string(1, char(c)) + "' in column " + std::to_string(x + 1) +
                             " (not in the legend above the map)");
        }
      }
      target->push_back(row);
    }
    if (next_ >= lines_.size()) {
      Error(lineNo, "the map has no \"end\" line");
    } else {
      ++next_;
    }
    if (int(target->size()) < Height())
      Error(lineNo, "bad map size: " + std::to_string(target->size()) + " rows, the map is " + size);
  }

  void CheckHeader(const std::vector<std::string>& words, int lineNo) {
    bool same = words.size() == std::size_t(kLevelColumns) + 1;
    for (std::size_t i = 1; same && i < words.size(); ++i) same = words[i] == kLevelColumnNames[i - 1];
    if (same) return;
    std::string expected = "level";
    for (const char* name : kLevelColumnNames) expected += std::string(" ") + name;
    Error(lineNo, "the header line must read \"" + expected + "\"");
  }

  void ReadLevelLine(const std::vector<std::string>& words, int lineNo, std::array<bool, kLevelCount>& seen) {
    int level = 0;
    if (!ParseNumber(words[0], level) || level < 1 || level > kLevelCount) {
      Error(lineNo, "a level line starts with the level 1..5");
      return;
    }
    if (words.size() != std::size_t(kLevelColumns) + 1) {
      Error(lineNo, "a level line holds the level and " + std::to_string(kLevelColumns) + " numbers");
      return;
    }
    if (seen[std::size_t(level - 1)]) Error(lineNo, "level " + std::to_string(level) + " is given twice");
    seen[std::size_t(level - 1)] = true;
    LevelText& out = cave_.levels[std::size_t(level - 1)];
    for (int i = 0; i < kLevelColumns; ++i) {
      int value = 0;
      const auto [low, high] = kColumnRanges[std::size_t(i)];
      if (!ParseNumber(words[std::size_t(i) + 1], value) || value < low || value > high) {
        Error(lineNo, std::string(kLevelColumnNames[std::size_t(i)]) + " must be a number " +
                          std::to_string(low) + ".." + std::to_string(high));
        continue;
      }
      const uint8_t byte = uint8_t(value);
      if (i < kPropertyCount) {
        out.properties[std::size_t(i)] = byte;
      } else if (i == kPropertyCount) {
        out.seed = byte;
      } else if (i == kPropertyCount + 1) {
        out.boulderChance = byte;
      } else {
        out.diamondChance = byte;
      }
    }
  }

  std::vector<std::string>& errors_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  CaveText cave_;
};

}  // namespace

int ElementFromName(const std::string& name) {
  for (const NamedElement& e : kElementNames)
    if (name == e.name) return e.code;
  return -1;
}

std::optional<CaveText> ParseCaveText(const std::string& fileName, const std::string& text,
                                      std::vector<std::string>& errors) {
  return Parser(fileName, text, errors).Run();
}

LevelMap BuildLevelMap(const CaveText& cave, int level) {
  const LevelText& lt = cave.levels[std::size_t(level)];
  const std::vector<std::string>& rows = lt.map.empty() ? cave.map : lt.map;
  LevelMap out;
  out.width = IsSmallCave(cave.cave) ? kSmallMapWidth : kMapWidth;
  out.height = IsSmallCave(cave.cave) ? kSmallMapHeight : kMapHeight;
  out.cells.assign(std::size_t(out.width * out.height), SteelWall);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const unsigned char c = static_cast<unsigned char>(rows[std::size_t(y)][std::size_t(x)]);
      const int code = cave.legend[c];
      out.cells[std::size_t(y * out.width + x)] = code == kRandomDirt ? uint8_t{Dirt} : uint8_t(code);
    }
  }
  // the same walk as the editor's generator: one step per cell of rows 1..21, the later element winning
  uint8_t seed1 = 0;
  uint8_t seed2 = lt.seed;
  for (int y = 1; y <= 21; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      NextRandom(seed1, seed2);
      if (x >= out.width || y >= out.height) continue;
      const unsigned char c = static_cast<unsigned char>(rows[std::size_t(y)][std::size_t(x)]);
      if (cave.legend[c] != kRandomDirt) continue;
      uint8_t code = Dirt;
      if (seed1 < lt.boulderChance) code = Boulder;
      if (seed1 < lt.diamondChance) code = Diamond;
      out.cells[std::size_t(y * out.width + x)] = code;
    }
  }
  return out;
}

void PlaceCave(const CaveText& cave, CaveSet& caves) {
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelMap map = BuildLevelMap(cave, level);
    for (int y = 0; y < map.height; ++y)
      for (int x = 0; x < map.width; ++x) caves.Cell(cave.cave, level, x, y) = map.At(x, y);
    const LevelText& lt = cave.levels[std::size_t(level)];
    for (int i = 0; i < kPropertyCount; ++i) caves.PropertyAt(cave.cave, level, i) = lt.properties[std::size_t(i)];
    // the generator settings that draw the same random fill, so the editor shows where it came from
    caves.PropertyAt(cave.cave, level, PropGeneratorSeed) = lt.seed;
    caves.PropertyAt(cave.cave, level, PropGeneratorProbability1) = lt.boulderChance;
    caves.PropertyAt(cave.cave, level, PropGeneratorProbability1 + 1) = lt.diamondChance;
    caves.PropertyAt(cave.cave, level, PropGeneratorFill) = kPaletteDirt;
    caves.PropertyAt(cave.cave, level, PropGeneratorElement1) = kPaletteBoulder;
    caves.PropertyAt(cave.cave, level, PropGeneratorElement1 + 1) = kPaletteDiamond;
  }
}

}  // namespace quarrion
