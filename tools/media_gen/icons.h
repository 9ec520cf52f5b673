// The program's icon, drawn from the game's own tiles at each size the desktop asks for.
#pragma once
#include <string>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {

inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A diamond resting on a boulder, in a rounded square of dirt; clear (magenta) outside it.
Canvas DrawIcon(int size);

// Writes DIR/NxN/apps/quarrion.png for every size, as the hicolor icon theme lays them out.
bool WriteIcons(const std::string& folder, std::string* error);

}  // namespace quarrion::art
