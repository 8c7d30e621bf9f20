#pragma once

#include <cstdint>
#include <functional>

#include "board/cell_state.h"

namespace tavrilond {

// Colour value in COLORREF layout: red in bits 0-7, green 8-15, blue 16-23,
// bits 24-31 ignored.
using ColorValue = std::uint32_t;

// Returned by a pixel read that could not be carried out (all bits set).
inline constexpr ColorValue kInvalidColor = 0xFFFFFFFFu;

// Reads one pixel at (x, y), counted from the top-left corner of the board
// window's drawing area.
using PixelSource = std::function<ColorValue(std::int32_t x, std::int32_t y)>;

// Where the 64 sample points lie for a measured window size.
struct BoardGeometry {
  std::int32_t side;  // S: side of the centred square board area
  std::int32_t cell;  // pitch of the squares
  std::int32_t half;  // half a pitch
  std::int32_t x0;    // sample point of the top-left square
  std::int32_t y0;
};

// Side of the board area for the smaller measured side m.
std::int32_t BoardSide(std::int32_t m);

// width and height are the measured size (rectangle extent plus one).
BoardGeometry ComputeBoardGeometry(std::int32_t width, std::int32_t height);

CellState ClassifyPixel(ColorValue color);

// Reads the 64 sample points once each, rows top to bottom, columns left to
// right, and classifies them.
BoardCells SampleBoard(std::int32_t width, std::int32_t height,
                       const PixelSource& readPixel);

}  // namespace tavrilond
