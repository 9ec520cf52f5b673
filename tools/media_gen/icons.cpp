#include "tools/media_gen/icons.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "tools/media_gen/png.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

// Inside a square with corners rounded by radius r (in pixels), tested at the pixel centre.
bool InRoundedSquare(int x, int y, int size, double r) {
  const double px = x + 0.5, py = y + 0.5;
  const double cx = std::clamp(px, r, size - r), cy = std::clamp(py, r, size - r);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

}  // namespace

Canvas DrawIcon(int size) {
  Canvas icon(size, size);
  // the cave's dirt, in a rounded square so the icon sits well among others
  const Canvas dirt = DrawDirt(size, 0, 0);
  const double radius = size * 0.18;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (InRoundedSquare(x, y, size, radius)) icon.Set(x, y, dirt.Get(x, y));
  // small icons show the diamond alone: a boulder behind it would only blur it
  if (size >= 32) {
    const int boulder = size * 5 / 8;
    icon.Blit(DrawBoulder(boulder, 1), size - boulder - size / 16, size - boulder - size / 16);
  }
  const int gem = size >= 32 ? size * 11 / 16 : size;
  icon.Blit(DrawDiamond(gem, 0), size >= 32 ? size / 16 : 0, size >= 32 ? size / 16 : 0);
  return icon;
}

bool WriteIcons(const std::string& folder, std::string* error) {
  for (const int size : kIconSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path dir = std::filesystem::path(folder) / name / "apps";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::filesystem::path file = dir / "quarrion.png";
    if (!WritePng(file.string(), DrawIcon(size).ToBitmap(), true)) {
      if (error) *error = "cannot write " + file.string();
      return false;
    }
  }
  return true;
}

}  // namespace quarrion::art
