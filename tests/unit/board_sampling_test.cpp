#include "board/board_sampling.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavrilond {
namespace {

using Point = std::pair<std::int32_t, std::int32_t>;

std::vector<Point> RecordReads(std::int32_t width, std::int32_t height) {
  std::vector<Point> reads;
  SampleBoard(width, height, [&](std::int32_t x, std::int32_t y) {
    reads.emplace_back(x, y);
    return 0u;
  });
  return reads;
}

struct GeometryRow {
  std::int32_t width, height, side, cell, half;
  Point first, last;
};

TEST(BoardSampling, WorkedGeometryTable) {
  const GeometryRow rows[] = {
      {261, 261, 222, 28, 14, {33, 33}, {229, 229}},
      {262, 262, 222, 28, 14, {34, 34}, {230, 230}},
      {400, 400, 339, 42, 21, {51, 51}, {345, 345}},
      {500, 420, 356, 45, 22, {94, 54}, {409, 369}},
      {300, 360, 255, 32, 16, {38, 68}, {262, 292}},
      {200, 200, 170, 21, 10, {25, 25}, {172, 172}},
      {100, 80, 68, 9, 4, {20, 10}, {83, 73}},
      {3, 3, 3, 0, 0, {0, 0}, {0, 0}},
      {1261, 1300, 1069, 134, 67, {163, 182}, {1101, 1120}},
  };
  for (const GeometryRow& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height);
    const BoardGeometry g = ComputeBoardGeometry(row.width, row.height);
    EXPECT_EQ(g.side, row.side);
    EXPECT_EQ(g.cell, row.cell);
    EXPECT_EQ(g.half, row.half);
    const std::vector<Point> reads = RecordReads(row.width, row.height);
    ASSERT_EQ(reads.size(), 64u);
    EXPECT_EQ(reads.front(), row.first);
    EXPECT_EQ(reads.back(), row.last);
  }
}

TEST(BoardSampling, ReadsRowsTopToBottomAndColumnsLeftToRight) {
  const std::vector<Point> reads = RecordReads(400, 400);  // x0 = y0 = 51, cell = 42
  ASSERT_EQ(reads.size(), 64u);
  EXPECT_EQ(reads[1], Point(51 + 42, 51));  // second read: next column
  EXPECT_EQ(reads[8], Point(51, 51 + 42));  // ninth read: next row
  for (std::size_t i = 0; i < 64; ++i) {
    EXPECT_EQ(reads[i], Point(51 + 42 * static_cast<int>(i % 8), 51 + 42 * static_cast<int>(i / 8)));
  }

  // The eighth result is the top-right square.
  int call = 0;
  const BoardCells cells = SampleBoard(400, 400, [&](std::int32_t, std::int32_t) {
    return ++call == 8 ? 0x000000u : 0x808080u;
  });
  for (std::size_t i = 0; i < 64; ++i) {
    EXPECT_EQ(cells[i], i == 7 ? CellState::Black : CellState::Empty) << i;
  }
}

TEST(BoardSampling, CoincidingPointsAreStillReadSixtyFourTimes) {
  int reads = 0;
  const BoardCells cells = SampleBoard(3, 200, [&](std::int32_t x, std::int32_t y) {
    ++reads;
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 98);
    return 0xFFFFFFu;
  });
  EXPECT_EQ(reads, 64);
  for (CellState cell : cells) EXPECT_EQ(cell, CellState::White);
  EXPECT_EQ(ComputeBoardGeometry(4, 4).cell, 1);  // the least side with a pitch
}

TEST(BoardSampling, SideAgreesWithDoublePrecisionAndPointsStayInsideTheWindow) {
  // In a few tiny windows the last points fall up to three pixels beyond the
  // edge; a real window reads those as unreadable, and the capture then
  // reports failure instead of a board.
  std::vector<std::int32_t> outside;
  for (std::int32_t m = 1; m <= 200000; ++m) {
    const double exact = static_cast<double>(m - 261) * 0.847 + 222.0;
    ASSERT_EQ(BoardSide(m), static_cast<std::int32_t>(exact)) << "m = " << m;
    const BoardGeometry square = ComputeBoardGeometry(m, m);
    if (square.x0 + 7 * square.cell > m - 1) {
      outside.push_back(m);
      continue;
    }
    for (const auto& [width, height] : {std::pair{m, m}, std::pair{m, m + 57}, std::pair{m + 31, m}}) {
      const BoardGeometry g = ComputeBoardGeometry(width, height);
      ASSERT_GE(g.x0, 0) << m;
      ASSERT_GE(g.y0, 0) << m;
      ASSERT_LE(g.x0 + 7 * g.cell, width - 1) << m;
      ASSERT_LE(g.y0 + 7 * g.cell, height - 1) << m;
    }
  }
  EXPECT_EQ(outside, (std::vector<std::int32_t>{4, 5, 6, 7, 14, 15, 16, 23, 32}));
}

TEST(BoardSampling, ClassifiesByThresholds) {
  const std::pair<ColorValue, CellState> cases[] = {
      {0x000000, CellState::Black},    {0x2F2F2F, CellState::Black},
      {0x303030, CellState::Empty},    {0x2F2F30, CellState::Empty},
      {0x302F2F, CellState::Empty},    {0xEBEBEB, CellState::Empty},
      {0xECECEC, CellState::White},    {0xFFFFFF, CellState::White},
      {0xECECEB, CellState::Empty},    {0xEBECEC, CellState::Empty},
      {0x300000, CellState::Empty},    // blue 48, red and green 0
      {0xFF000000, CellState::Black},  // high byte ignored
      {0x01ECECEC, CellState::White},
      {kInvalidColor, CellState::White},
      {0x0000FF, CellState::Empty},    {0x808080, CellState::Empty},
  };
  for (const auto& [color, state] : cases) {
    EXPECT_EQ(ClassifyPixel(color), state) << std::hex << color;
  }
}

}  // namespace
}  // namespace tavrilond
