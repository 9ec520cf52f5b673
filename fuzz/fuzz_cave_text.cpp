// Arbitrary text as one of the cave text files the default cave set is built from: parsed or
// refused with reasons; a cave that parses is placed into a set and its levels' maps are built.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "tools/caves/cave_text.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzCaveText) {
  using namespace quarrion;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> errors;
  const auto cave = ParseCaveText("fuzz.cave", text, errors);
  if (!cave) return 0;
  auto caves = std::make_unique<CaveSet>();
  ResetCaves(*caves);
  PlaceCave(*cave, *caves);
  for (int level = 0; level < kLevelCount; ++level) (void)BuildLevelMap(*cave, level);
  return 0;
}
