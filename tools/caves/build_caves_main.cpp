// quarrion-build-caves OUT.qcv [--solutions FILE --demos FILE] CAVE-FILE...: writes the default
// cave set drawn in the cave files, with the demos recorded from the stored solutions.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "tools/caves/cave_set_builder.h"
#include "tools/caves/demo_list.h"

int main(int argc, char** argv) {
  using namespace quarrion;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out;
  std::string solutionsPath;
  std::string demosPath;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--solutions" || args[i] == "--demos") && i + 1 < args.size()) {
      (args[i] == "--solutions" ? solutionsPath : demosPath) = args[i + 1];
      ++i;
    } else if (out.empty()) {
      out = args[i];
    } else {
      paths.push_back(args[i]);
    }
  }
  if (out.empty() || paths.empty() || solutionsPath.empty() != demosPath.empty()) {
    std::fprintf(stderr, "usage: quarrion-build-caves OUT.qcv [--solutions FILE --demos FILE] CAVE-FILE...\n");
    return 2;
  }
  std::vector<std::string> errors;
  const std::vector<CaveText> texts = ReadCaveTexts(paths, errors);
  auto caves = std::make_unique<CaveSet>();
  if (errors.empty()) BuildCaveSet(texts, *caves, errors);
  if (errors.empty() && !demosPath.empty()) RecordListedDemos(demosPath, solutionsPath, *caves, errors);
  if (!errors.empty()) {
    for (const std::string& e : errors) std::fprintf(stderr, "error: %s\n", e.c_str());
    std::fprintf(stderr, "quarrion-build-caves: %zu error(s), %s not written\n", errors.size(), out.c_str());
    return 1;
  }
  if (!WriteCaveSetFile(out, *caves)) {
    std::fprintf(stderr, "quarrion-build-caves: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
