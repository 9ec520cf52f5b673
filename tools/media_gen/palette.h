// The one palette every generated picture draws from: ramps dark to light per material, so that
// tiles, fonts and title pictures share their colours.
#pragma once
#include <array>
#include <cstdint>

namespace quarrion::art {

constexpr uint32_t kInk = 0x0C0A12;      // outlines
constexpr uint32_t kBlackSpace = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

constexpr std::array<uint32_t, 5> kSteel = {0x1A1C2C, 0x333C57, 0x566C86, 0x94B0C2, 0xDCE6EE};
constexpr std::array<uint32_t, 5> kBrick = {0x3A1612, 0x6E2A1E, 0x9C4428, 0xC86A3C, 0xE89A64};
constexpr uint32_t kMortar = 0x2A201E;
constexpr std::array<uint32_t, 5> kMagicBrick = {0x1C1440, 0x34287A, 0x5040B0, 0x7C6ADC, 0xB8AEFF};
constexpr std::array<uint32_t, 5> kMagicGlow = {0x2A8AD8, 0x58C8F8, 0x9CF0FF, 0xE0FFFF, 0xFFFFFF};
constexpr std::array<uint32_t, 5> kStone = {0x27211D, 0x4A4038, 0x72665A, 0xA09280, 0xCEC2AC};
constexpr std::array<uint32_t, 5> kGem = {0x0C3466, 0x1A6CC0, 0x3CB4F0, 0x9AE8FF, 0xFFFFFF};
constexpr std::array<uint32_t, 5> kAmoeba = {0x0C3216, 0x1A5E26, 0x36943A, 0x78D456, 0xCCFF96};
constexpr std::array<uint32_t, 5> kSlime = {0x1E1640, 0x3A2E7C, 0x6452B8, 0x9C8AE8, 0xD6CCFF};
constexpr std::array<uint32_t, 5> kFire = {0x6A1A08, 0xC44A18, 0xF0902A, 0xFFDC5A, 0xFFFFD8};
constexpr std::array<uint32_t, 5> kWing = {0x4A1654, 0x8C2A8E, 0xD050B4, 0xF496D8, 0xFFD8F4};
constexpr std::array<uint32_t, 4> kSmoke = {0x2A2630, 0x4C4652, 0x746C78, 0xA49CA8};
constexpr std::array<uint32_t, 5> kGold = {0x5A3406, 0x9C6010, 0xD89A1E, 0xF8D048, 0xFFF4B0};

// The miner: helmet, skin, shirt, trousers, boots.
constexpr std::array<uint32_t, 3> kHelmet = {0x8A4A0C, 0xE0861C, 0xFFC850};
constexpr std::array<uint32_t, 3> kSkin = {0xA8583C, 0xE89C78, 0xFFC8A4};
constexpr std::array<uint32_t, 3> kShirt = {0x7A1C24, 0xC23A3A, 0xF07060};
constexpr std::array<uint32_t, 3> kTrousers = {0x1C2A6A, 0x34509E, 0x5A7CCE};
constexpr uint32_t kBoot = 0x4A2C1A;
constexpr uint32_t kEye = 0x140E10;

// Nine dirt styles, one per cave colour set: brown earth, red clay, ochre sand, moss, slate,
// violet shale, teal silt, ash, and the rose, gold-flecked, of the bonus caves.
constexpr std::array<std::array<uint32_t, 4>, 9> kDirt = {{
    {0x2E1C10, 0x4E301A, 0x74482A, 0x9A6840},
    {0x3A120E, 0x642016, 0x923422, 0xBE5232},
    {0x40300E, 0x6E5418, 0x9C7C2C, 0xC8A44C},
    {0x12260E, 0x224218, 0x386424, 0x568838},
    {0x121A30, 0x202F54, 0x34497E, 0x5270A8},
    {0x22122E, 0x3A2052, 0x583478, 0x7C52A2},
    {0x0C2626, 0x164242, 0x246660, 0x3A8A80},
    {0x222020, 0x3A3834, 0x58544C, 0x7C766A},
    {0x34101E, 0x5C1E38, 0x883252, 0xB44E72},
}};

}  // namespace quarrion::art
