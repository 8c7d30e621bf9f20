#pragma once

#include <array>
#include <cstdint>

namespace tavrilond {

// The state of one square. The value doubles as an index into the cell-text
// table of the board text writer, so the numbers are fixed.
enum class CellState : std::int8_t {
  Empty = 0,
  Black = 1,
  White = 2,
};

// 64 squares, row-major: index = row * 8 + column, top row and leftmost
// column first.
using BoardCells = std::array<CellState, 64>;

}  // namespace tavrilond
