// Arbitrary text as Quarrion.ini: every value read must be one the game accepts, and rewriting
// the text must keep it readable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/config.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzConfig) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const quarrion::Config config = quarrion::ParseConfig(text, "/nowhere/");
  if (config.speed < 0 || config.speed > 24 || config.zoom > 2 || config.language > 2) std::abort();
  const std::string rewritten = quarrion::UpdateConfigText(text, config);
  const quarrion::Config again = quarrion::ParseConfig(rewritten, "/nowhere/");
  if (again.speed != config.speed || again.zoom != config.zoom || again.language != config.language) std::abort();
  return 0;
}
