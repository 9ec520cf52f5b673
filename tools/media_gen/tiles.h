// The pictures of a graphics pack, drawn for one tile size: items 0..111 are tiles, 112 and 113
// the intro and title pictures covering the whole surface of that zoom.
#pragma once
#include <vector>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {

constexpr int kGraphicsItems = 114;
constexpr int kTileItems = 112;
constexpr int kIntroItem = 112;
constexpr int kTitleItem = 113;

// One tile item, 0..111, tileSize pixels square.
Canvas DrawTile(int item, int tileSize);
// All 114 items for a tile size; the two title pictures are surfaceWidth × surfaceHeight.
std::vector<Canvas> DrawGraphicsPack(int tileSize, int surfaceWidth, int surfaceHeight);

// The drawings behind the items, for the tile table and for each other.
Canvas DrawEmpty(int t);
Canvas DrawBrick(int t, bool expandingLook);
Canvas DrawMagicWall(int t, int frame);  // frame 3 is the dim look of the expired wall
Canvas DrawSteel(int t, int glint);       // glint 0: plain steel, 1..7 the cover's passing shine
Canvas DrawExitFlash(int t);
Canvas DrawDirt(int t, int style, int variant);
Canvas DrawBoulder(int t, int variant);
Canvas DrawDiamond(int t, int frame);
Canvas DrawFirefly(int t, int frame);
Canvas DrawButterfly(int t, int frame);
Canvas DrawAmoeba(int t, int frame);
Canvas DrawSlime(int t, int frame);
Canvas DrawExplosion(int t, int stage, bool intoDiamonds);
Canvas DrawBirth(int t, int stage);

enum class Eyes { Open, Half, Closed };
struct Pose {
  bool side = false;   // walking, seen from the side facing left
  double phase = 0;    // walking cycle 0..1
  Eyes eyes = Eyes::Open;
  bool footUp = false;  // tapping
};
Canvas DrawPlayer(int t, const Pose& pose);

// The pictures that cover a whole surface.
Canvas DrawIntro(int tileSize, int width, int height);
Canvas DrawTitleOverlay(int tileSize, int width, int height);

}  // namespace quarrion::art
