// The running cave's grids: 42 × 24 cells, column-major, with a one-cell border around the 40 × 22 cave.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace quarrion {

constexpr int kGridWidth = 42;
constexpr int kGridHeight = 24;
constexpr std::size_t kGridCells = std::size_t{kGridWidth} * kGridHeight;

struct Grid {
  std::array<uint8_t, kGridCells> cells{};

  static constexpr std::size_t Index(int x, int y) { return std::size_t(x) * kGridHeight + std::size_t(y); }
  uint8_t& operator()(int x, int y) { return cells[Index(x, y)]; }
  uint8_t operator()(int x, int y) const { return cells[Index(x, y)]; }
  void Fill(uint8_t value) { cells.fill(value); }
};

struct Grids {
  Grid playfield;    // element codes of the running cave
  Grid caveCopy;     // the level as copied by the cave start; source of the uncovering
  Grid motionMap;    // motion codes of the last scan
  Grid tileVariant;  // 0..3 per cell, picks one of four looks of dirt and boulders
};

}  // namespace quarrion
