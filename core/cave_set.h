// The cave set: 40 columns of 2400 byte rows, column-major, identical byte for byte to a .qcv file.
// Holds every level's map and properties, the generator settings, the demos, the saved game and the hi-score.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace quarrion {

constexpr int kCaveCount = 20;
constexpr int kLevelCount = 5;
constexpr int kFirstSmallCave = 16;
constexpr int kCaveSetColumns = 40;
constexpr int kCaveSetRows = 2400;
constexpr std::size_t kCaveSetBytes = std::size_t{kCaveSetColumns} * kCaveSetRows;  // 96000
constexpr int kMapWidth = 40;
constexpr int kMapHeight = 22;
constexpr int kSmallMapWidth = 20;
constexpr int kSmallMapHeight = 12;
constexpr int kPropertyRowInBlock = 22;
constexpr int kRecordRowInBlock = 23;
constexpr int kDemoBytes = 400;
constexpr int kPropertyCount = 12;
constexpr int kGeneratorColumns = 10;  // columns 12..21 of the property row

// Columns of the property row.
enum Property : uint8_t {
  PropCaveTime = 0,
  PropDiamondsNeeded = 1,
  PropDiamondValue = 2,
  PropBonusValue = 3,
  PropMagicWallTime = 4,
  PropAmoebaSlowTime = 5,
  PropAmoebaMaxSize = 6,
  PropAmoebaSlowProb = 7,
  PropAmoebaFastProb = 8,
  PropSlimePermeability = 9,
  PropInboxDelay = 10,
  PropPushProbability = 11,
  PropGeneratorSeed = 12,
  PropGeneratorProbability1 = 13,  // ..16
  PropGeneratorFill = 17,
  PropGeneratorElement1 = 18,  // ..21
};

// Columns of the demo header in the property row of blocks 80..99.
enum DemoHeader : uint8_t {
  DemoFlagColumn = 22,
  DemoLevelColumn = 23,
  DemoAmoebaHighColumn = 24,
  DemoAmoebaLowColumn = 25,
  DemoLengthHighColumn = 26,
  DemoLengthLowColumn = 27,
};
constexpr uint8_t kDemoPresent = 255;

constexpr std::array<uint8_t, kPropertyCount> kDefaultProperties = {120, 10, 5, 10, 20, 50,
                                                                    200, 32, 4, 18, 21, 4};

inline bool IsSmallCave(int cave) { return cave >= kFirstSmallCave; }
inline int BlockNumber(int cave, int level) { return cave * kLevelCount + level; }
inline int BlockFirstRow(int cave, int level) { return 24 * BlockNumber(cave, level); }

struct CaveSet {
  std::array<uint8_t, kCaveSetBytes> bytes{};

  uint8_t& At(int x, int row) { return bytes[std::size_t(x) * kCaveSetRows + std::size_t(row)]; }
  uint8_t At(int x, int row) const { return bytes[std::size_t(x) * kCaveSetRows + std::size_t(row)]; }

  // Map cell (cx, cy) of a level, cave coordinates 0..39 × 0..21.
  uint8_t& Cell(int cave, int level, int cx, int cy) { return At(cx, BlockFirstRow(cave, level) + cy); }
  uint8_t Cell(int cave, int level, int cx, int cy) const {
    return At(cx, BlockFirstRow(cave, level) + cy);
  }

  // Column of a level's property row: 0..11 play properties, 12..21 generator settings.
  uint8_t& PropertyAt(int cave, int level, int column) {
    return At(column, BlockFirstRow(cave, level) + kPropertyRowInBlock);
  }
  uint8_t PropertyAt(int cave, int level, int column) const {
    return At(column, BlockFirstRow(cave, level) + kPropertyRowInBlock);
  }

  // The record row of cave A level 1: hi-score and saved position.
  uint8_t& Record(int column) { return At(column, kRecordRowInBlock); }
  uint8_t Record(int column) const { return At(column, kRecordRowInBlock); }

  // Demo byte i (0..399) of cave d's demo: rows 12..21 of block 80 + d.
  uint8_t& DemoByte(int demoCave, int i) {
    return At(i % 40, 24 * (80 + demoCave) + 12 + i / 40);
  }
  uint8_t DemoByte(int demoCave, int i) const {
    return At(i % 40, 24 * (80 + demoCave) + 12 + i / 40);
  }
  uint8_t& DemoHeaderAt(int demoCave, int column) { return At(column, 24 * (80 + demoCave) + 22); }
  uint8_t DemoHeaderAt(int demoCave, int column) const {
    return At(column, 24 * (80 + demoCave) + 22);
  }
};

// The saved game and hi-score held in the record row.
uint32_t StoredHiScore(const CaveSet& caves);
void StoreHiScore(CaveSet& caves, int32_t hiScore);
uint32_t SavedScore(const CaveSet& caves);
void StoreSavedScore(CaveSet& caves, int32_t score);
constexpr int kSavedCaveColumn = 4;
constexpr int kSavedLevelColumn = 5;
constexpr int kSavedLivesColumn = 6;

// A level's own area (20 × 12 in a small cave, whose other bytes hold demo data) as a new set
// has it: steel frame, dirt inside. Nothing outside the area changes.
void FillFramedDirt(CaveSet& caves, int cave, int level);

// Fills the set with a new one: every level steel-framed dirt with the default properties, no demos.
void ResetCaves(CaveSet& caves);

// True when the level holds at least one InBox and one closed OutBox.
bool IsCavePlayable(const CaveSet& caves, int cave, int level);

}  // namespace quarrion
