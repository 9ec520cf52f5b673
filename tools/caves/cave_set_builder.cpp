#include "tools/caves/cave_set_builder.h"

#include <array>
#include <fstream>
#include <sstream>

namespace quarrion {

std::vector<CaveText> ReadCaveTexts(const std::vector<std::string>& paths, std::vector<std::string>& errors) {
  std::vector<CaveText> texts;
  for (const std::string& path : paths) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      errors.push_back(path + ": cannot be read");
      continue;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (auto cave = ParseCaveText(path, text.str(), errors)) texts.push_back(std::move(*cave));
  }
  return texts;
}

void BuildCaveSet(const std::vector<CaveText>& texts, CaveSet& caves, std::vector<std::string>& errors) {
  ResetCaves(caves);
  std::array<const CaveText*, kCaveCount> byCave{};
  for (const CaveText& text : texts) {
    const CaveText*& slot = byCave[std::size_t(text.cave)];
    if (slot) {
      errors.push_back(text.fileName + ": cave " + char('A' + text.cave) + " is also drawn in " + slot->fileName);
      continue;
    }
    slot = &text;
    PlaceCave(text, caves);
  }
  for (int cave = 0; cave < kCaveCount; ++cave) {
    const CaveText* text = byCave[std::size_t(cave)];
    if (!text) {
      errors.push_back(std::string("cave ") + char('A' + cave) + " has no file");
      continue;
    }
    for (int level = 0; level < kLevelCount; ++level) {
      if (!IsCavePlayable(caves, cave, level))
        errors.push_back(text->fileName + ": level " + std::to_string(level + 1) +
                         " needs at least one inbox and one outbox");
    }
  }
}

}  // namespace quarrion
