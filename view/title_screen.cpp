#include "view/title_screen.h"

#include "core/cave_set.h"
#include "core/cave_start.h"
#include "core/elements.h"
#include "view/anim_tables.h"
#include "view/font_text.h"

namespace quarrion {
namespace {

constexpr int kClickSound = 21;
constexpr uint8_t kIdleReset = 24;
constexpr int kLastSelectableCave = 15;
constexpr int kPreviewLeft = 10;         // the preview shows the middle 20 × 12 cells of the map
constexpr int kPreviewTop = 5;
constexpr int kTitleScrollLimit = 50;

void DrawIntro(ViewState& view, Media& media, int tileSize) {
  for (int v = -1; v <= kViewRows; ++v)
    for (int u = 0; u < kViewColumns; ++u)
      media.surface.Draw(media.images, kSteelImage, 0, tileSize * u, tileSize * v + kStatusHeight - view.titleScroll);
  ++view.titleScroll;
  if (view.titleScroll >= tileSize || view.titleScroll > kTitleScrollLimit) view.titleScroll = 0;
  media.surface.Draw(media.images, kIntroImage, 0, 0, 0);
}

void AdvanceAnimation(PlayState& p) {
  p.subFrame = uint8_t((p.subFrame + 1) & 7);
  if (p.subFrame == 0) p.animToggle = uint8_t(1 - (p.animToggle & 1));
}

void DrawPreview(GameState& game, const ViewState& view, Media& media, int tileSize) {
  PlayState& p = game.play;
  AdvanceAnimation(p);
  p.caveStyle = CaveStyleOf(p.caveNo);
  if (p.caveNo < kCaveCount && p.levelNo < kLevelCount) {
    const int anim = AnimIndex(p);
    for (int v = 0; v < kViewRows; ++v) {
      for (int u = 0; u < kViewColumns; ++u) {
        const uint8_t code = game.caves.Cell(p.caveNo, p.levelNo, u + kPreviewLeft, v + kPreviewTop);
        const int item = TitlePreviewItem(code, p.caveStyle, game.grids.tileVariant(u + 1, v + 1), anim);
        media.surface.Draw(media.images, item, 0, tileSize * u, tileSize * v + kStatusHeight);
      }
    }
  }
  const int x0 = GeometryOf(view.zoom).statusX;
  media.surface.Draw(media.fonts, kPanelGlyph + view.zoom, 0, 0, 0);
  const char cave[] = {char('A' + p.caveNo), '\0'};
  const char level[] = {'/', char('1' + p.levelNo), '\0'};
  DrawFontText(media.surface, media.fonts, x0 + 4, 0, game.caveSet.caveSetName, 0);
  DrawFontText(media.surface, media.fonts, x0 + 424, 0, cave, 0);
  DrawFontText(media.surface, media.fonts, x0 + 444, 0, level, 0);
  media.surface.Draw(media.images, kTitleOverlayImage, 0, 0, 0);
}

bool TitleKeysActive(const GameState& game) {
  return game.play.inGame == 0 && game.caveSet.caveSetLoaded == 1;
}

}  // namespace

int TitlePreviewItem(uint8_t code, int caveStyle, int variant, int animIndex) {
  const std::size_t a = std::size_t(animIndex & 15);
  switch (code) {
    case Dirt: return DirtImage(caveStyle, variant);
    case BrickWall:
    case MagicWall:
    case HExpandingWall: return kBrickImage;
    case OutBox:
    case SteelWall:
    case InBox: return kSteelImage;
    case FireflyLeft:
    case FireflyUp:
    case FireflyRight:
    case FireflyDown: return kFireflyAnim[a];
    case ButterflyDown:
    case ButterflyLeft:
    case ButterflyUp:
    case ButterflyRight: return kButterflyAnim[a];
    case Boulder:
    case BoulderFalling: return BoulderImage(variant);
    case Diamond:
    case DiamondFalling: return kDiamondAnim[a];
    case Amoeba: return kAmoebaAnim[a];
    case Slime: return kSlimeAnim[a];
    default: return 0;
  }
}

void DrawTitleScreen(GameState& game, ViewState& view, Media& media) {
  const int tileSize = GeometryOf(view.zoom).tileSize;
  if (!game.caveSet.caveSetLoaded || game.play.titleIntro)
    DrawIntro(view, media, tileSize);
  else
    DrawPreview(game, view, media, tileSize);
}

void TitleSelectionKey(GameState& game, ShellHooks& shell, TitleKey key) {
  if (!TitleKeysActive(game)) return;
  PlayState& p = game.play;
  if (p.titleIntro) {
    p.titleIntro = 0;  // the preview shows from the next tick on
    return;
  }
  int cave = p.caveNo;
  int level = p.levelNo;
  switch (key) {
    case TitleKey::Right:
      if (cave >= kLastSelectableCave) return;  // the small caves are reached only by playing
      ++cave;
      break;
    case TitleKey::Left:
      if (cave <= 0) return;
      --cave;
      break;
    case TitleKey::Down:
      if (level >= kLevelCount - 1) return;
      ++level;
      break;
    case TitleKey::Up:
      if (level <= 0) return;
      --level;
      break;
  }
  // one step only: an unplayable neighbour blocks the way, it is never jumped over
  if (cave >= kCaveCount || level >= kLevelCount || !IsCavePlayable(game.caves, cave, level)) return;
  shell.PlaySound(kClickSound);
  p.caveNo = uint8_t(cave);
  p.levelNo = uint8_t(level);
  p.idleCounter = kIdleReset;
}

bool TitleStartKey(GameState& game) {
  if (!TitleKeysActive(game)) return false;
  if (game.play.titleIntro) {
    game.play.titleIntro = 0;
    return false;
  }
  game.play.idleCounter = kIdleReset;
  return true;
}

}  // namespace quarrion
