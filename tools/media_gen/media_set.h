// The whole default media set: drawing, synthesizing and writing it.
#pragma once
#include <string>
#include <vector>

#include "app/media/media_types.h"
#include "tools/media_gen/canvas.h"

namespace quarrion::art {

struct Zoom {
  int tileSize;
  int width;   // of the surface
  int height;
  const char* packName;
};
constexpr Zoom kZooms[3] = {{24, 480, 312, "Graphics24.dxg"}, {32, 640, 408, "Graphics32.dxg"},
                            {40, 800, 504, "Graphics40.dxg"}};

// An image list as the pack tool makes it: each picture whole, transparent in magenta.
ImageListData ImageListOf(const std::vector<Canvas>& pictures);

bool WriteDefaultMedia(const std::string& folder, std::string* error);
bool WriteSheets(const std::string& folder, std::string* error);

}  // namespace quarrion::art
