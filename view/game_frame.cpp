#include "view/game_frame.h"

#include "core/elements.h"
#include "view/anim_tables.h"
#include "view/poll_input.h"
#include "view/status_strip.h"

namespace quarrion {
namespace {

constexpr uint16_t kFlashColour = ToRgb565(0xFFFFFF);
constexpr uint16_t kBackground = ToRgb565(kBlack);
constexpr int kFrameRows = 13;     // one more than the view, for a partly scrolled row
constexpr int kFrameColumns = 21;
constexpr int kClearedRows = 10;   // the controls only count when latched in the last rows
constexpr int kFlashLastSubFrame = 4;

// Motion codes are 4k + d; d tells where the object came from.
enum From { FromAbove = 1, FromLeft = 2, FromRight = 3, FromBelow = 4 };

int Direction(int motion) { return motion >= 1 && motion <= 16 ? (motion - 1) % 4 + 1 : 0; }
int Back(int subFrame, int tileSize) { return (7 - (subFrame & 7)) * tileSize / 8; }

// Everything one cell's drawing needs, so the element table below reads like the design's.
struct CellPainter {
  Surface& surface;
  const ImageList& images;
  const GameState& game;
  int tileSize;
  int s;     // SubFrame
  int anim;  // AnimToggle × 8 + SubFrame
  int x;
  int y;
  int motion;
  int variant;

  void At(int item, int dx = 0, int dy = 0) const { surface.Draw(images, item, 0, x + dx, y + dy); }
  void Table(const AnimTable& table, int dx = 0, int dy = 0) const { At(table[std::size_t(anim)], dx, dy); }
  int SlideX() const { return MotionOffsetX(motion, s, tileSize); }
  int SlideY() const { return MotionOffsetY(motion, s, tileSize); }
  void Sliding(int item) const { At(item, SlideX(), SlideY()); }
  void Sliding(const AnimTable& table) const { Table(table, SlideX(), SlideY()); }
  // sinking down through the cell above this one
  int SinkY() const { return MotionOffsetY(FromAbove, s, tileSize); }
  int FromAboveY() const { return -tileSize + SinkY(); }
  int DirtItem() const { return DirtImage(game.play.caveStyle, variant); }
  int BoulderItem() const { return BoulderImage(variant); }
  const AnimTable& PlayerTable() const { return PlayerAnimTable(game.play.playerAnim); }

  void Shrinking(int item, int inset) const {
    const int size = tileSize - inset - 2 * s;
    surface.StretchDraw(images, item, 0, Rect{x + s, y + s, size, size});
  }

  // An object that crossed a magic wall (motion 5) or slime (motion 9) directly above: what went
  // in sinks into that cell, and the wall or slime, drawn earlier in this frame, is drawn over it.
  void CrossingBefore(int intoMagicWall, const AnimTable& intoSlime) const {
    if (motion == 5) At(intoMagicWall, 0, FromAboveY());
    if (motion == 9) Table(intoSlime, 0, FromAboveY());
  }
  void CrossingBefore(const AnimTable& intoMagicWall, int intoSlime) const {
    if (motion == 5) Table(intoMagicWall, 0, FromAboveY());
    if (motion == 9) At(intoSlime, 0, FromAboveY());
  }
  void CrossingAfter() const {
    if (motion == 5) Table(kMagicWallAnim, 0, -tileSize);
    if (motion == 9) Table(kSlimeAnim, 0, -tileSize);
  }

  void Draw(uint8_t code) const {
    switch (code) {
      case Space:
        if (motion == 1) Shrinking(kDiamondImage, 0);
        if (motion == 2) Shrinking(DirtItem(), 1);
        return;
      case Dirt: At(DirtItem()); return;
      case BrickWall:
      case HExpandingWall: At(kBrickImage, SlideX()); return;
      case VExpandingWall: At(kBrickImage, 0, SlideY()); return;
      case MagicWall:
        if (motion == 1) At(BoulderItem(), 0, SinkY());
        if (motion == 2) Table(kDiamondAnim, 0, SinkY());
        if (game.play.magicWallState == 1)
          Table(kMagicWallAnim);
        else if (game.play.magicWallState == 2)
          At(kExpiredMagicWallImage);
        else
          At(kBrickImage);
        return;
      case OutBox:
      case SteelWall: At(kSteelImage); return;
      case OutBoxOpen:
      case InBox: At(kExitFlashImage + (game.play.animToggle & 1)); return;
      case FireflyLeft:
      case FireflyUp:
      case FireflyRight:
      case FireflyDown: Sliding(kFireflyAnim); return;
      case ButterflyDown:
      case ButterflyLeft:
      case ButterflyUp:
      case ButterflyRight: Sliding(kButterflyAnim); return;
      case Player:
        if (motion >= 5 && motion <= 8) At(DirtItem());
        if (motion >= 9 && motion <= 12) Table(kDiamondAnim);
        Sliding(PlayerTable());
        return;
      case Boulder:
      case BoulderFalling:
        CrossingBefore(kDiamondAnim, BoulderItem());
        Sliding(BoulderItem());
        CrossingAfter();
        return;
      case Diamond:
      case DiamondFalling:
        CrossingBefore(BoulderItem(), kDiamondAnim);
        Sliding(kDiamondAnim);
        CrossingAfter();
        return;
      case SpaceExplosion1:
      case SpaceExplosion2:
      case SpaceExplosion3:
      case SpaceExplosion4: At(kExplosionImage + (code - SpaceExplosion1)); return;
      case DiamondExplosion1:
      case DiamondExplosion2:
      case DiamondExplosion3:
      case DiamondExplosion4: At(kDiamondExplosionImage + (code - DiamondExplosion1)); return;
      case Amoeba:
        if (motion >= 5 && motion <= 8) At(DirtItem());
        Sliding(kAmoebaAnim);
        return;
      case Slime: Table(kSlimeAnim); return;
      case PlayerBirth1:
      case PlayerBirth2:
      case PlayerBirth3: At(kBirthImage + (code - PlayerBirth1)); return;
      case CoverTile: Table(kCoverAnim); return;
      case PlayerInExit:
        At(kExitFlashImage + (game.play.animToggle & 1));
        Sliding(PlayerTable());
        return;
      case PlayerDummy:
        if (motion == 1) Table(kDiamondAnim, 0, SinkY());
        At(kDummyImage);
        return;
      default: return;  // transient markers and codes without a picture leave the background
    }
  }
};

}  // namespace

int MotionOffsetX(int motion, int subFrame, int tileSize) {
  switch (Direction(motion)) {
    case FromLeft: return -Back(subFrame, tileSize);
    case FromRight: return Back(subFrame, tileSize);
    default: return 0;
  }
}

int MotionOffsetY(int motion, int subFrame, int tileSize) {
  switch (Direction(motion)) {
    case FromAbove: return -Back(subFrame, tileSize);
    case FromBelow: return Back(subFrame, tileSize);
    default: return 0;
  }
}

void DrawCell(const GameState& game, Media& media, int tileSize, int px, int py, int x, int y) {
  const int s = game.play.subFrame & 7;
  const CellPainter painter{media.surface, media.images, game, tileSize, s, AnimIndex(game.play), x, y,
                            game.grids.motionMap(px, py), game.grids.tileVariant(px, py)};
  painter.Draw(game.grids.playfield(px, py));
}

void DrawGameFrame(GameState& game, const ViewState& view, Media& media) {
  const ZoomGeometry g = GeometryOf(view.zoom);
  const int t = g.tileSize;
  PlayState& p = game.play;

  if (p.exitOpenedFlash == 1) {
    // set by the scan at SubFrame 0, so the empty cells flash for five frames
    media.surface.Fill(kFlashColour);
    if (p.subFrame == kFlashLastSubFrame) p.exitOpenedFlash = 0;
  } else {
    media.surface.Fill(kBackground);
  }

  for (int v = 0; v < kFrameRows; ++v) {
    PollInput(game, media.input);
    // the design clears them at every cell of these rows; nothing sets them between cells
    if (v < kClearedRows) game.keys = KeyFlags{};
    const int py = view.scrollY + v + 1;
    if (py < 0 || py >= kGridHeight) continue;  // a camera out of its range draws no cell twice
    const int y = t * v + kStatusHeight + game.camera.offsetY;
    for (int u = 0; u < kFrameColumns; ++u) {
      const int px = view.scrollX + u + 1;
      if (px < 0 || px >= kGridWidth) continue;
      DrawCell(game, media, t, px, py, t * u + game.camera.offsetX, y);
    }
  }

  DrawStatusStrip(game, view, media);
  media.surface.Flip();
}

}  // namespace quarrion
