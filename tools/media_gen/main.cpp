// Writes the default media into a folder: Graphics24/32/40.dxg, Fonts.dxg, Sounds.dxw and
// Quarrion.mid. With --sheets DIR it also writes contact sheets and mock frames as PNG files.
// "--icons DIR" writes only the program's icons, DIR/NxN/apps/quarrion.png.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/media/pack.h"
#include "tools/media_gen/icons.h"
#include "tools/media_gen/media_set.h"

int main(int argc, char** argv) {
  using namespace quarrion;
  if (argc == 3 && std::string(argv[1]) == "--icons") {
    std::string error;
    if (art::WriteIcons(argv[2], &error)) return 0;
    std::fprintf(stderr, "quarrion-media-gen: %s\n", error.c_str());
    return 2;
  }
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--sheets")) {
    std::fprintf(stderr, "usage: quarrion-media-gen OUTDIR [--sheets DIR]\n       quarrion-media-gen --icons DIR\n");
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  std::string error;
  if (!art::WriteDefaultMedia(argv[1], &error)) {
    std::fprintf(stderr, "quarrion-media-gen: %s\n", error.c_str());
    return 2;
  }
  if (argc == 4) {
    std::filesystem::create_directories(argv[3], ec);
    if (!art::WriteSheets(argv[3], &error)) {
      std::fprintf(stderr, "quarrion-media-gen: %s\n", error.c_str());
      return 2;
    }
  }
  return 0;
}
