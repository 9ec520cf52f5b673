// The numbering of the Images and Fonts pictures, and the 16-step animation tables indexed by
// AnimToggle × 8 + SubFrame.
#pragma once
#include <array>
#include <cstdint>

#include "core/game_state.h"

namespace quarrion {

// Fixed Images items.
constexpr int kBrickImage = 2;
constexpr int kExpiredMagicWallImage = 6;
constexpr int kExitFlashImage = 7;  // + AnimToggle: 8 is the steel wall
constexpr int kSteelImage = 8;
constexpr int kBirthImage = 16;  // 16..18
constexpr int kDummyImage = 19;
constexpr int kExplosionImage = 48;         // 48..51
constexpr int kDiamondExplosionImage = 68;  // 68..71
constexpr int kDiamondImage = 60;
constexpr int kDirtImage = 72;     // + 4 × CaveStyle + variant
constexpr int kBoulderImage = 108;  // + variant
constexpr int kIntroImage = 112;
constexpr int kTitleOverlayImage = 113;

// Fixed Fonts items.
constexpr int kBlankGlyph = 0;
constexpr int kDigitGlyph = 40;  // + 10 × colour set + digit
constexpr int kPanelGlyph = 71;  // + zoom

constexpr int DirtImage(int caveStyle, int variant) { return kDirtImage + 4 * caveStyle + (variant & 3); }
constexpr int BoulderImage(int variant) { return kBoulderImage + (variant & 3); }

using AnimTable = std::array<uint8_t, 16>;

constexpr AnimTable kDiamondAnim = {60, 60, 61, 61, 62, 62, 63, 63, 64, 64, 65, 65, 66, 66, 67, 67};
constexpr AnimTable kAmoebaAnim = {40, 40, 40, 40, 41, 41, 41, 41, 42, 42, 42, 42, 43, 43, 43, 43};
constexpr AnimTable kSlimeAnim = {44, 44, 44, 44, 45, 45, 45, 45, 46, 46, 46, 46, 47, 47, 47, 47};
constexpr AnimTable kMagicWallAnim = {3, 3, 4, 4, 5, 5, 6, 6, 3, 3, 4, 4, 5, 5, 6, 6};
constexpr AnimTable kFireflyAnim = {52, 52, 52, 52, 53, 53, 53, 53, 54, 54, 54, 54, 55, 55, 55, 55};
constexpr AnimTable kButterflyAnim = {56, 56, 56, 56, 57, 57, 58, 58, 58, 58, 58, 58, 56, 56, 56, 56};
constexpr AnimTable kCoverAnim = {8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15};

// Player tables for PlayerAnim 7 (standing) to 12 (moving right).
constexpr std::array<AnimTable, 6> kPlayerAnims = {{
    {19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19},
    {20, 20, 21, 21, 21, 21, 20, 20, 19, 19, 19, 19, 19, 19, 19, 19},
    {22, 22, 22, 22, 22, 22, 22, 22, 23, 23, 23, 23, 23, 23, 23, 23},
    {24, 24, 25, 25, 25, 25, 24, 24, 23, 23, 23, 23, 23, 23, 23, 23},
    {26, 26, 26, 26, 27, 27, 28, 28, 29, 29, 30, 30, 31, 31, 32, 32},
    {33, 33, 33, 33, 34, 34, 35, 35, 36, 36, 37, 37, 38, 38, 39, 39},
}};
constexpr int kFirstPlayerAnim = 7;

// The diamond icon of the status strip, a Fonts item.
constexpr AnimTable kDiamondIconAnim = {74, 74, 75, 75, 76, 76, 77, 77, 78, 78, 79, 79, 80, 80, 81, 81};

// Masked, so a counter out of its range never reads past a table.
constexpr int AnimIndex(int animToggle, int subFrame) { return (animToggle & 1) * 8 + (subFrame & 7); }
inline int AnimIndex(const PlayState& play) { return AnimIndex(play.animToggle, play.subFrame); }

// The player table for a PlayerAnim value; anything outside 7..12 stands still.
constexpr const AnimTable& PlayerAnimTable(int playerAnim) {
  const int k = playerAnim - kFirstPlayerAnim;
  return kPlayerAnims[std::size_t(k >= 0 && k < int(kPlayerAnims.size()) ? k : 0)];
}

}  // namespace quarrion
