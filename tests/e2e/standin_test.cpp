// The stand-in itself, read from this process the way Tavrilond reads it,
// but without Tavrilond: if these fail, a get-board failure says nothing
// about the product.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace e2e {
namespace {

struct Geometry {
  int cell, x0, y0;
};

// Sample points for the measured size (extent plus one), from the worked
// geometry table; kept as literal rows so that they check the stand-in's own
// arithmetic.
struct SizeCase {
  int w, h;  // measured
  Geometry g;
};

void PrintTo(const SizeCase& size, std::ostream* out) { *out << size.w << "x" << size.h; }

const SizeCase kSizes[] = {
    {261, 261, {28, 33, 33}},   {400, 400, {42, 51, 51}},
    {500, 420, {45, 94, 54}},   {300, 360, {32, 38, 68}},
    {100, 80, {9, 20, 10}},     {1261, 1300, {134, 163, 182}},
};

COLORREF Expected(char c) {
  return c == 'x' ? RGB(0, 0, 0) : c == 'o' ? RGB(255, 255, 255)
                                           : RGB(0, 128, 0);
}

class StandinSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(StandinSizes, SamplePointsReadFromAnotherProcess) {
  const SizeCase& sc = GetParam();
  auto standin = StartStandin("--size " + std::to_string(sc.w - 1) + "x" +
                              std::to_string(sc.h - 1) + " --board " +
                              kPosition + " --radius 0");
  ASSERT_TRUE(standin);
  ASSERT_TRUE(standin->board);
  EXPECT_EQ(WindowBytes(standin->top), "WZebra");

  RECT r;
  ASSERT_TRUE(GetWindowRect(standin->board, &r));
  EXPECT_EQ(r.right - r.left + 1, sc.w);
  EXPECT_EQ(r.bottom - r.top + 1, sc.h);

  HDC dc = GetDC(standin->board);
  ASSERT_TRUE(dc);
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 8; ++col) {
      const int x = sc.g.x0 + col * sc.g.cell, y = sc.g.y0 + row * sc.g.cell;
      EXPECT_EQ(GetPixel(dc, x, y), Expected(kPosition[row * 8 + col]))
          << "square " << row << "," << col << " at (" << x << "," << y << ")";
      // With radius 0 only the sample pixel carries the disc colour.
      EXPECT_EQ(GetPixel(dc, x - 1, y), RGB(0, 128, 0));
      EXPECT_EQ(GetPixel(dc, x, y - 1), RGB(0, 128, 0));
    }
  }
  ReleaseDC(standin->board, dc);
}

INSTANTIATE_TEST_SUITE_P(
    Standin, StandinSizes, ::testing::ValuesIn(kSizes),
    [](const ::testing::TestParamInfo<SizeCase>& info) {
      return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
    });

TEST(Standin, CustomColoursAndDefaultDiscs) {
  auto standin = StartStandin(
      "--board a-b-" + std::string(60, 'x') +
      " --color a=47,47,47 --color b=236,236,236 --title Other");
  ASSERT_TRUE(standin);
  EXPECT_EQ(WindowBytes(standin->top), "Other");
  HDC dc = GetDC(standin->board);
  ASSERT_TRUE(dc);
  // 260x260 gives the 261 row: first point (33,33), pitch 28; the default
  // discs are wide enough that neighbours of the point share the colour.
  EXPECT_EQ(GetPixel(dc, 33, 33), RGB(47, 47, 47));
  EXPECT_EQ(GetPixel(dc, 35, 31), RGB(47, 47, 47));
  EXPECT_EQ(GetPixel(dc, 33 + 28, 33), RGB(0, 128, 0));
  EXPECT_EQ(GetPixel(dc, 33 + 56, 33), RGB(236, 236, 236));
  EXPECT_EQ(GetPixel(dc, 33 + 4 * 28, 33 + 28), RGB(0, 0, 0));
  ReleaseDC(standin->board, dc);
}

TEST(Standin, WithoutPropertyBoardIsUnreadable) {
  auto standin = StartStandin("--no-prop --board " + std::string(64, 'x'));
  ASSERT_TRUE(standin);
  HDC dc = GetDC(standin->board);
  ASSERT_TRUE(dc);
  EXPECT_EQ(GetPixel(dc, 33, 33), CLR_INVALID);
  ReleaseDC(standin->board, dc);
}

TEST(Standin, ChildCount) {
  for (int n : {0, 2, 3, 5}) {
    auto standin = StartStandin("--children " + std::to_string(n));
    ASSERT_TRUE(standin);
    int count = 0;
    for (HWND c = GetWindow(standin->top, GW_CHILD); c;
         c = GetWindow(c, GW_HWNDNEXT))
      ++count;
    EXPECT_EQ(count, n);
    if (n >= 3) {
      RECT r;
      GetWindowRect(standin->board, &r);
      EXPECT_EQ(r.right - r.left, 260) << "third child is the board";
    }
  }
}

}  // namespace
}  // namespace e2e
