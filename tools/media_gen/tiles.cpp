// The item numbering of a graphics pack, and the two title pictures.
#include "tools/media_gen/tiles.h"

#include <algorithm>

#include "tools/media_gen/glyphs.h"
#include "tools/media_gen/palette.h"

namespace quarrion::art {
namespace {

constexpr std::string_view kGameName = "QUARRION";

Canvas DrawPanel(int width, int height, int bevel) {
  Canvas c(width, height);
  c.Paint([&](double, double v, int x, int y) {
    if (x < bevel || y < bevel) return kSteel[3];
    if (x >= width - bevel || y >= height - bevel) return kSteel[0];
    if (x < 2 * bevel || y < 2 * bevel || x >= width - 2 * bevel || y >= height - 2 * bevel) return kSteel[1];
    return Shade(std::array<uint32_t, 3>{0x0A0C18, 0x141830, 0x1E2444}, 0.9 - 0.8 * v, x, y);
  });
  return c;
}

}  // namespace

Canvas DrawTile(int item, int t) {
  if (item == 0) return DrawEmpty(t);
  if (item == 1 || item == 2) return DrawBrick(t, item == 1);
  if (item >= 3 && item <= 6) return DrawMagicWall(t, item - 3);
  if (item == 7) return DrawExitFlash(t);
  if (item >= 8 && item <= 15) return DrawSteel(t, item - 8);
  if (item >= 16 && item <= 18) return DrawBirth(t, item - 16);
  switch (item) {
    case 19: return DrawPlayer(t, Pose{});
    case 20: return DrawPlayer(t, Pose{false, 0, Eyes::Half, false});
    case 21: return DrawPlayer(t, Pose{false, 0, Eyes::Closed, false});
    case 22: return DrawPlayer(t, Pose{false, 0, Eyes::Open, true});
    case 23: return DrawPlayer(t, Pose{false, 0, Eyes::Open, false});
    // blinking while tapping keeps the foot raised
    case 24: return DrawPlayer(t, Pose{false, 0, Eyes::Half, true});
    case 25: return DrawPlayer(t, Pose{false, 0, Eyes::Closed, true});
    default: break;
  }
  if (item >= 26 && item <= 32) return DrawPlayer(t, Pose{true, (item - 26) / 7.0, Eyes::Open, false});
  if (item >= 33 && item <= 39) return DrawPlayer(t, Pose{true, (item - 33) / 7.0, Eyes::Open, false}).Mirrored();
  if (item >= 40 && item <= 43) return DrawAmoeba(t, item - 40);
  if (item >= 44 && item <= 47) return DrawSlime(t, item - 44);
  if (item >= 48 && item <= 51) return DrawExplosion(t, item - 48, false);
  if (item >= 52 && item <= 55) return DrawFirefly(t, item - 52);
  if (item >= 56 && item <= 59) return DrawButterfly(t, item - 56);  // 59: a spare wing beat
  if (item >= 60 && item <= 67) return DrawDiamond(t, item - 60);
  if (item >= 68 && item <= 71) return DrawExplosion(t, item - 68, true);
  if (item >= 72 && item <= 107) return DrawDirt(t, (item - 72) / 4, (item - 72) % 4);
  if (item >= 108 && item <= 111) return DrawBoulder(t, item - 108);
  return DrawEmpty(t);
}

Canvas DrawIntro(int t, int width, int height) {
  // a riveted panel in the middle with the name in large gold letters and a row of the cast;
  // the steel wall that creeps up behind it shows all around
  const int scale = std::max(4, (width - 4 * t) / TextWidth(kGameName, 1));
  const int logoWidth = TextWidth(kGameName, scale) - scale;
  const int bevel = std::max(2, t / 12);
  const int panelWidth = logoWidth + 2 * t;
  const int panelHeight = 7 * scale + 3 * t + t + t / 2;
  const int panelX = (width - panelWidth) / 2;
  const int panelY = 24 + (height - 24 - panelHeight) / 2;
  Canvas c(width, height);
  c.Blit(DrawPanel(panelWidth, panelHeight, bevel), panelX, panelY);
  TextStyle logo{scale, kGold, kInk, true, true};
  DrawText(c, (width - logoWidth) / 2, panelY + t * 3 / 4, kGameName, logo);
  const Canvas cast[] = {DrawBoulder(t, 0), DrawDiamond(t, 2), DrawFirefly(t, 1), DrawPlayer(t, Pose{}),
                         DrawButterfly(t, 0), DrawDiamond(t, 5), DrawBoulder(t, 2)};
  // the cast at twice their size, still crisp
  const int gap = t / 3;
  const int rowWidth = 14 * t + 6 * gap;
  const int rowY = panelY + panelHeight - 2 * t - t * 2 / 3;
  for (int i = 0; i < 7; ++i) c.Blit(cast[i].Scaled(2), (width - rowWidth) / 2 + i * (2 * t + gap), rowY);
  return c;
}

Canvas DrawTitleOverlay(int t, int width, int height) {
  // the name across the lower part of the preview, everything else transparent
  const int scale = std::max(3, (width - 8 * t) / TextWidth(kGameName, 1));
  const int logoWidth = TextWidth(kGameName, scale) - scale;
  const int y = height - 7 * scale - t * 2 / 3;
  Canvas c(width, height);
  TextStyle logo{scale, kGold, kInk, true, true};
  const int x = (width - logoWidth) / 2;
  DrawText(c, x, y, kGameName, logo);
  const Canvas gem = DrawDiamond(t, 1);
  const int gemY = y + (7 * scale - t) / 2;
  c.Blit(gem, x - t - t / 2, gemY);
  c.Blit(gem, x + logoWidth + t / 2, gemY);
  return c;
}

std::vector<Canvas> DrawGraphicsPack(int tileSize, int surfaceWidth, int surfaceHeight) {
  std::vector<Canvas> items;
  items.reserve(kGraphicsItems);
  for (int i = 0; i < kTileItems; ++i) items.push_back(DrawTile(i, tileSize));
  items.push_back(DrawIntro(tileSize, surfaceWidth, surfaceHeight));
  items.push_back(DrawTitleOverlay(tileSize, surfaceWidth, surfaceHeight));
  return items;
}

}  // namespace quarrion::art
