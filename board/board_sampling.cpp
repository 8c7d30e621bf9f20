#include "board/board_sampling.h"

namespace tavrilond {

std::int32_t BoardSide(std::int32_t m) {
  // The board area is trunc((m - 261) * 0.847 + 222) in IEEE double
  // precision. For 1 <= m <= 200000 the integer form below gives the same
  // value and cannot be disturbed by an x87 build's 80-bit intermediates
  // (which would give 1069 instead of 1068 at m = 1261).
  if (m >= 1 && m <= 200000) {
    return static_cast<std::int32_t>((847 * static_cast<std::int64_t>(m) + 933) / 1000);
  }
  // Out of that range only a broken measure can land here; keep the double
  // form, with each step stored so that it is rounded to double.
  volatile double product = static_cast<double>(m - 261) * 0.847;
  volatile double sum = product + 222.0;
  return static_cast<std::int32_t>(sum);
}

BoardGeometry ComputeBoardGeometry(std::int32_t width, std::int32_t height) {
  const std::int32_t m = width < height ? width : height;
  BoardGeometry g{};
  g.side = BoardSide(m);
  g.cell = (g.side + 4) / 8;
  g.half = g.cell / 2;
  g.x0 = (width - g.side) / 2 + g.half;
  g.y0 = (height - g.side) / 2 + g.half;
  return g;
}

CellState ClassifyPixel(ColorValue color) {
  const unsigned red = color & 0xFFu;
  const unsigned green = (color >> 8) & 0xFFu;
  const unsigned blue = (color >> 16) & 0xFFu;
  if (red < 48 && green < 48 && blue < 48) return CellState::Black;
  if (red > 235 && green > 235 && blue > 235) return CellState::White;
  return CellState::Empty;
}

BoardCells SampleBoard(std::int32_t width, std::int32_t height,
                       const PixelSource& readPixel) {
  const BoardGeometry g = ComputeBoardGeometry(width, height);
  BoardCells cells{};
  for (std::int32_t row = 0; row < 8; ++row) {
    for (std::int32_t column = 0; column < 8; ++column) {
      const ColorValue color = readPixel(g.x0 + column * g.cell, g.y0 + row * g.cell);
      cells[static_cast<std::size_t>(row * 8 + column)] = ClassifyPixel(color);
    }
  }
  return cells;
}

}  // namespace tavrilond
