// Arbitrary text as the stored solutions file: every line read or refused with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/key_letters.h"
#include "fuzz/fuzz_target.h"
#include "tools/solve/solution_file.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzSolutions) {
  using namespace quarrion;
  const std::string text(reinterpret_cast<const char*>(data), size);
  Solutions solutions;
  std::vector<std::string> errors;
  const bool ok = ParseSolutions("fuzz.txt", text, solutions, errors);
  if (ok != errors.empty()) std::abort();
  // what was read holds key letters only
  KeyFlags keys;
  for (const auto& cave : solutions)
    for (const std::string& keysOfLevel : cave)
      for (char c : keysOfLevel)
        if (!KeyFlagsOf(c, keys)) std::abort();
  return 0;
}
