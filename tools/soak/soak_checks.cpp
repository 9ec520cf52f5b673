#include "tools/soak/soak_checks.h"

#include "core/cave_set.h"
#include "core/elements.h"

namespace quarrion {
namespace {

constexpr int32_t kMaxStoredScore = 0xFFFFFF;  // the record row keeps 24 bits
constexpr uint8_t kMaxLives = 9;

std::string At(const char* what, int x, int y, int code) {
  return std::string(what) + " at (" + std::to_string(x) + ", " + std::to_string(y) + "): code " + std::to_string(code);
}

std::string Outside(const char* counter, long value) {
  return std::string(counter) + " outside its range: " + std::to_string(value);
}

}  // namespace

bool IsElementCode(uint8_t code) {
  switch (Element(code)) {
    case Space: case Dirt: case BrickWall: case MagicWall: case OutBox: case OutBoxOpen: case SteelWall:
    case HExpandingWall: case HExpandingWallNew: case FireflyRightMoved: case FireflyDownMoved:
    case FireflyLeft: case FireflyUp: case FireflyRight: case FireflyDown: case ButterflyDownMoved:
    case ButterflyRightMoved: case ButterflyDown: case ButterflyLeft: case ButterflyUp: case ButterflyRight:
    case Player: case PlayerMoved: case Boulder: case BoulderPushedRight: case BoulderFalling:
    case BoulderFallingMoved: case Diamond: case DiamondFalling: case DiamondFallingMoved: case ExplodeToSpace:
    case SpaceExplosion0: case SpaceExplosion1: case SpaceExplosion2: case SpaceExplosion3:
    case SpaceExplosion4: case ExplodeToDiamonds: case DiamondExplosion0: case DiamondExplosion1:
    case DiamondExplosion2: case DiamondExplosion3: case DiamondExplosion4: case Amoeba: case AmoebaNew:
    case Slime: case InBox: case PlayerBirth1: case PlayerBirth2: case PlayerBirth3: case CoverTile:
    case PlayerEnteringExit: case PlayerInExit: case VExpandingWall: case VExpandingWallNew: case PlayerDummy:
      return true;
  }
  return false;
}

std::string CheckPass(const GameState& game) {
  const Grid& field = game.grids.playfield;
  for (int x = 0; x < kGridWidth; ++x)
    for (int y = 0; y < kGridHeight; ++y) {
      const bool border = x == 0 || y == 0 || x == kGridWidth - 1 || y == kGridHeight - 1;
      if (border && field(x, y) != SteelWall) return At("steel border broken", x, y, field(x, y));
      if (!IsElementCode(field(x, y))) return At("unknown element", x, y, field(x, y));
    }
  const PlayState& s = game.play;
  if (s.score < 0 || s.score > kMaxStoredScore) return Outside("score", s.score);
  if (s.hiScore < 0 || s.hiScore > kMaxStoredScore) return Outside("hi-score", s.hiScore);
  if (s.lives > kMaxLives) return Outside("lives", s.lives);
  if (s.diamondsCollected < 0 || s.diamondsCollected > kMapWidth * kMapHeight * 9)
    return Outside("diamonds collected", s.diamondsCollected);
  if (s.amoebaCount < 0 || s.amoebaCount > kMapWidth * kMapHeight) return Outside("amoeba count", s.amoebaCount);
  if (s.playerX >= kMapWidth || s.playerY >= kMapHeight) return Outside("player position", s.playerX * 100 + s.playerY);
  if (s.demoPos < -1 || s.demoPos >= kDemoBytes) return Outside("demo position", s.demoPos);
  if (s.phase > 8 || s.subFrame > 7 || s.animToggle > 1) return Outside("phase", s.phase * 100 + s.subFrame);
  if (s.magicWallState > 2) return Outside("magic wall state", s.magicWallState);
  if (s.caveNo >= kCaveCount || s.levelNo >= kLevelCount) return Outside("cave", s.caveNo * 10 + s.levelNo);
  return {};
}

namespace {

class Fold {
 public:
  void Mix(uint64_t value) {
    hash_ ^= value;
    hash_ *= 1099511628211ull;
  }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 1469598103934665603ull;
};

}  // namespace

uint64_t FieldHash(const GameState& game) {
  Fold fold;
  for (const uint8_t code : game.grids.playfield.cells) fold.Mix(code);
  fold.Mix(uint64_t(game.play.diamondsCollected));
  fold.Mix(game.params.caveTime);
  fold.Mix(game.random.State());
  return fold.Value();
}

uint64_t StateHash(const GameState& game) {
  Fold fold;
  fold.Mix(FieldHash(game));
  const PlayState& s = game.play;
  for (const long value : {long(s.score), long(s.lives), long(s.playerX), long(s.playerY), long(s.playerAlive),
                           long(s.amoebaCount), long(s.magicWallState), long(s.demoPos)})
    fold.Mix(uint64_t(value));
  return fold.Value();
}

}  // namespace quarrion
