#include "solver/state_key.h"

#include <array>
#include <cstring>

#include "core/elements.h"

namespace quarrion {

namespace {

constexpr uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;
constexpr uint64_t kEachByte = 0x0101010101010101ull;

// 0xFF in every byte of word that equals code, 0 elsewhere (exact, no carries between bytes).
uint64_t BytesEqual(uint64_t word, uint8_t code) {
  const uint64_t t = word ^ (kEachByte * code);
  const uint64_t zeroHigh = ~(((t & kLowBits) + kLowBits) | t | kLowBits);
  return (zeroHigh >> 7) * 0xFF;
}

uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v;
  h *= 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

}  // namespace

uint64_t StateKey(const GameState& g, bool keepDirt, bool keepDiamonds) {
  static_assert(Space == 0, "dirt and diamonds are told as space by clearing their bytes");
  static_assert(kGridCells % 8 == 0);
  uint64_t h = 1469598103934665603ull;
  // eight cells at a time; the border is steel in every state and hashes alike
  const uint8_t* cells = g.grids.playfield.cells.data();
  for (std::size_t i = 0; i < kGridCells; i += 8) {
    uint64_t word;
    std::memcpy(&word, cells + i, sizeof word);
    if (!keepDirt) word &= ~BytesEqual(word, Dirt);
    // which diamonds are gone is told by the count alone, unless asked otherwise
    if (!keepDiamonds) word &= ~BytesEqual(word, Diamond);
    h = Mix(h, word);
  }
  h = Mix(h, uint64_t(uint16_t(g.play.diamondsCollected)) | uint64_t(g.play.magicWallState) << 16 |
                 uint64_t(g.play.amoebaToDiamonds) << 24 | uint64_t(g.play.playerBorn) << 32 |
                 // before the birth only the inbox's count changes
                 uint64_t(g.params.inboxDelay) << 40);
  return h;
}

bool FindPlayer(const GameState& g, int& px, int& py) {
  px = g.play.playerX + 1;
  py = g.play.playerY + 1;
  if (px >= 1 && px <= kMapWidth && py >= 1 && py <= kMapHeight) {
    const uint8_t c = g.grids.playfield(px, py);
    if (c == Player || c == PlayerMoved) return true;
  }
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) {
      const uint8_t c = g.grids.playfield(x, y);
      if (c == Player || c == PlayerMoved) {
        px = x;
        py = y;
        return true;
      }
    }
  // not born yet: the estimate is taken from the inbox the player will come from
  px = g.play.playerX + 1;
  py = g.play.playerY + 1;
  return false;
}

// The key letters worth trying from here: waiting, and every direction that can do something.
std::vector<char> ActionsFor(const GameState& g, bool born, int px, int py, bool keepDirt) {
  std::vector<char> actions = {'.'};
  if (!born) return actions;
  struct Dir {
    int dx, dy;
    char walk, take;
  };
  static constexpr std::array<Dir, 4> kDirs = {{{1, 0, 'R', 'r'}, {-1, 0, 'L', 'l'}, {0, 1, 'D', 'd'}, {0, -1, 'U', 'u'}}};
  for (const Dir& d : kDirs) {
    const uint8_t t = g.grids.playfield(px + d.dx, py + d.dy);
    const bool sideways = d.dy == 0;
    switch (t) {
      case Space:
        actions.push_back(d.walk);
        break;
      case Dirt:
        actions.push_back(d.walk);
        if (keepDirt) actions.push_back(d.take);
        break;
      case Diamond:
      case OutBoxOpen:
        actions.push_back(d.walk);
        actions.push_back(d.take);
        break;
      case Boulder:
        if (sideways) {
          actions.push_back(d.walk);
          actions.push_back(d.take);
        }
        break;
      default:
        break;
    }
  }
  return actions;
}

}  // namespace quarrion
