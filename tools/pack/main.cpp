// quarrion-pack pack FOLDER OUT.dxg|OUT.dxw — numbered 000.bmp.. or 000.wav.. into a pack
// quarrion-pack unpack PACK             — a pack into Unpack/<name>/ beside this program, or into
//                                          $XDG_DATA_HOME/Quarrion/Unpack/<name>/ when installed
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/media/pack_folder.h"
#include "app/user_data.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::fprintf(stderr,
               "usage: quarrion-pack pack FOLDER OUT.dxg|OUT.dxw\n"
               "       quarrion-pack unpack PACK.dxg|PACK.dxw\n");
  return 2;
}

int Failed(const std::string& message) {
  std::fprintf(stderr, "quarrion-pack: %s\n", message.c_str());
  return 2;
}

// The folder of the running program, where the game keeps its Unpack folder too.
fs::path ProgramFolder(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return fs::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quarrion;
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "pack" && argc == 4) {
    const std::string folder = argv[2];
    const std::string out = argv[3];
    if (PackKindOf(out) == PackKind::None) return Failed("the pack name must end in .dxg or .dxw: " + out);
    const PackResult result = PackFolder(folder, out);
    if (!result.ok) return Failed(result.error);
    std::printf("packed %d %s into %s\n", result.count,
                PackKindOf(out) == PackKind::Images ? "pictures" : "sounds", out.c_str());
    return 0;
  }
  if (command == "unpack" && argc == 3) {
    const std::string pack = argv[2];
    if (PackKindOf(fs::path(pack).filename().string()) == PackKind::None)
      return Failed("not a pack name (.dxg or .dxw): " + pack);
    // the same folder the game's own unpacking uses
    const fs::path root = UnpackFolder(ProgramFolder(argv[0]).string());
    const PackResult result = UnpackPack(pack, root.string());
    if (!result.ok) return Failed(result.error);
    std::printf("unpacked %d files into %s\n", result.count, (root / PackBaseName(pack)).string().c_str());
    return 0;
  }
  return Usage();
}
