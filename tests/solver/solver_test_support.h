// Small caves for the solver's tests: rows of text drawn into cave A level 1 of a fresh cave set,
// with the inbox 'I' and the exit 'X' of the core tests' legend; steel wherever the rows leave off.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "tests/core/cave_text.h"

namespace quarrion::test {

inline std::unique_ptr<CaveSet> CaveSetOf(const std::vector<std::string>& rows, int diamondsNeeded) {
  auto caves = std::make_unique<CaveSet>();
  ResetCaves(*caves);
  for (int cy = 0; cy < kMapHeight; ++cy)
    for (int cx = 0; cx < kMapWidth; ++cx) caves->Cell(0, 0, cx, cy) = SteelWall;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) caves->Cell(0, 0, int(c), int(r)) = CodeOf(rows[r][c]);
  // plenty of time, certain chances, a short inbox
  const uint8_t props[kPropertyCount] = {150, 0, 5, 10, 20, 50, 200, 1, 1, 1, 2, 1};
  for (int i = 0; i < kPropertyCount; ++i) caves->PropertyAt(0, 0, i) = props[i];
  caves->PropertyAt(0, 0, PropDiamondsNeeded) = uint8_t(diamondsNeeded);
  return caves;
}

// The moves among the key letters: every letter but waiting.
inline int MovesIn(const std::string& keys) {
  int moves = 0;
  for (char k : keys) moves += k != '.';
  return moves;
}

}  // namespace quarrion::test
