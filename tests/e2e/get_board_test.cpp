// "盤面取得" against the stand-in board program: which window is read, where
// its squares are sampled, how colours are classified and what lands in the
// output box.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace e2e {
namespace {


const char kOpening[] =
    "--------"
    "--------"
    "--------"
    "---ox---"
    "---xxx--"
    "--------"
    "--------"
    "--------";

// One Tavrilond for the whole suite: each case compares only what its own
// presses add to the box, so earlier cases' boards do no harm.
class GetBoard : public SharedTavrilondTest {
 protected:
  void ChooseFormat(int format) {
    ClickButton(*app_, RadioFor(format));
    ASSERT_EQ(SendMessageA(app_->Control(RadioFor(format)), BM_GETCHECK, 0, 0),
              BST_CHECKED);
  }

  // Presses "盤面取得" and waits until the box holds `expected`; returns
  // what it holds then.
  std::string PressAndWaitFor(const std::string& expected) {
    ClickButton(*app_, IDC_GET_BOARD);
    WaitUntil([&] { return Box() == expected; });
    return Box();
  }

  // Presses "盤面取得" where nothing is to be added: the click is handled
  // before SendMessage returns, and a short grace period catches anything
  // late.
  std::string PressExpectingNothing() {
    ClickButton(*app_, IDC_GET_BOARD);
    std::this_thread::sleep_for(300ms);
    return Box();
  }
};

// ---------------------------------------------------------------- geometry

struct SizeCase {
  int w, h;  // measured size: the board window's extent plus one
};

void PrintTo(const SizeCase& size, std::ostream* out) { *out << size.w << "x" << size.h; }

const SizeCase kSizes[] = {{261, 261}, {400, 400}, {500, 420},
                           {300, 360}, {100, 80},  {1261, 1300}};

class GetBoardSizes
    : public GetBoard,
      public ::testing::WithParamInterface<std::tuple<SizeCase, int>> {};

// The stand-in paints only the sample pixel of each square in its disc's
// colour, so a point off by a single pixel reads as an empty square.
TEST_P(GetBoardSizes, WritesThePositionAtTheExactSamplePoints) {
  const auto [size, format] = GetParam();
  auto standin = StartStandin("--size " + std::to_string(size.w - 1) + "x" +
                              std::to_string(size.h - 1) + " --radius 0" +
                              " --board " + kPosition);
  ASSERT_TRUE(standin);
  ChooseFormat(format);
  const std::string before = Box();
  const std::string expected = before + BoardText(kPosition, format);
  EXPECT_EQ(PressAndWaitFor(expected), expected);
}

const char* const kFormatNames[] = {"Xo", "Disc", "DiscCoord"};

INSTANTIATE_TEST_SUITE_P(
    AllFormats, GetBoardSizes,
    ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::Values(0, 1, 2)),
    [](const auto& info) {
      const SizeCase size = std::get<0>(info.param);
      return std::to_string(size.w) + "x" + std::to_string(size.h) + "_" +
             kFormatNames[std::get<1>(info.param)];
    });

// ---------------------------------------------------------------- colours

TEST_F(GetBoard, ColoursAtTheThresholds) {
  // Each letter is one colour, painted as a whole disc; the second string is
  // what each square must read as.
  const char* const colours[] = {
      "a=0,0,0",       "b=47,47,47",   "c=48,48,48",    "d=47,47,48",
      "e=48,0,0",      "f=0,0,48",     "g=235,235,235", "h=236,236,236",
      "i=236,236,235", "j=235,255,255", "k=255,255,255", "l=47,0,47",
      "m=236,255,240", "n=128,128,128", "p=0,47,0",      "q=255,236,255"};
  const std::string board =
      "abcdefgh"
      "ijklmnpq"
      "hgfedcba"
      "qpnmlkji"
      "a-h-b-m-"
      "c-d-i-j-"
      "--------"
      "xxxxoooo";
  const std::string expect =
      "xx-----o"
      "--oxo-xo"
      "o-----xx"
      "ox-oxo--"
      "x-o-x-o-"
      "--------"
      "--------"
      "xxxxoooo";
  std::string args = "--board " + board;
  for (const char* c : colours) args += std::string(" --color ") + c;
  auto standin = StartStandin(args);
  ASSERT_TRUE(standin);
  ChooseFormat(0);
  const std::string expected = Box() + BoardText(expect, 0);
  EXPECT_EQ(PressAndWaitFor(expected), expected);
}

// ---------------------------------------------------------------- sequences

TEST_F(GetBoard, BoardsFollowEachOtherAfterOneEmptyLine) {
  ChooseFormat(1);
  const std::string start = Box();
  std::string expected = start + BoardText(kPosition, 1);
  {
    auto standin = StartStandin(std::string("--board ") + kPosition);
    ASSERT_TRUE(standin);
    ASSERT_EQ(PressAndWaitFor(expected), expected);
  }
  // The windows are looked up afresh: another program, size and place.
  auto standin = StartStandin(std::string("--board ") + kOpening +
                              " --size 399x399 --pos 900,300");
  ASSERT_TRUE(standin);
  expected += BoardText(kOpening, 1);
  const std::string got = PressAndWaitFor(expected);
  EXPECT_EQ(got, expected);
  // One empty line between them: the first ends in two line ends and the
  // second begins right after.
  EXPECT_EQ(got.substr(start.size() + 142, 6), "\r\n\r\n\x81\x7b");
}

TEST_F(GetBoard, NothingWithoutAWZebraWindow) {
  ChooseFormat(1);
  const std::string before = Box();
  EXPECT_EQ(PressExpectingNothing(), before);
}

TEST_F(GetBoard, OnlyTheExactTextMatches) {
  std::vector<std::unique_ptr<Standin>> nearMisses;
  for (const char* title : {"wzebra", "WZEBRA", "WZebra ", " WZebra",
                            "WZebra2", "WZebr", ""}) {
    nearMisses.push_back(StartStandin(std::string("--title \"") + title +
                                      "\" --board " + std::string(64, 'x')));
    ASSERT_TRUE(nearMisses.back());
  }
  ChooseFormat(0);
  const std::string before = Box();
  EXPECT_EQ(PressExpectingNothing(), before);

  // The same press finds the real one among them.
  auto real = StartStandin(std::string("--pos 1500,40 --board ") + kOpening);
  ASSERT_TRUE(real);
  const std::string expected = before + BoardText(kOpening, 0);
  EXPECT_EQ(PressAndWaitFor(expected), expected);
}

TEST_F(GetBoard, TheHighestWZebraWindowIsRead) {
  auto first = StartStandin(std::string("--pos 700,40 --board ") + kPosition);
  auto second = StartStandin(std::string("--pos 1100,40 --board ") + kOpening);
  ASSERT_TRUE(first && second);
  ChooseFormat(0);
  // A user raising one program's window over the other's.
  for (Standin* top : {second.get(), first.get()}) {
    SetWindowPos(top->top, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const std::string expected =
        Box() + BoardText(top == first.get() ? kPosition : kOpening, 0);
    EXPECT_EQ(PressAndWaitFor(expected), expected);
  }
}

// ---------------------------------------------------------------- failures

class GetBoardTooFewChildren : public GetBoard,
                               public ::testing::WithParamInterface<int> {};

TEST_P(GetBoardTooFewChildren, EachPressWritesTheFailureText) {
  auto standin = StartStandin("--children " + std::to_string(GetParam()));
  ASSERT_TRUE(standin);
  ChooseFormat(1);
  std::string expected = Box();
  for (int press = 0; press < 2; ++press) {
    expected += sjis::kFailure;
    EXPECT_EQ(PressAndWaitFor(expected), expected) << "press " << press + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(NoBoardWindow, GetBoardTooFewChildren,
                         ::testing::Values(0, 1, 2));

// What a user of the real program under Wine gets: the board window's pixels
// cannot be read from another process.
TEST_F(GetBoard, UnreadableBoardWritesTheFailureTextEachPress) {
  auto standin = StartStandin(std::string("--no-prop --board ") + kPosition);
  ASSERT_TRUE(standin);
  ChooseFormat(2);
  std::string expected = Box();
  for (int press = 0; press < 2; ++press) {
    expected += sjis::kFailure;
    EXPECT_EQ(PressAndWaitFor(expected), expected) << "press " << press + 1;
  }
}

// ---------------------------------------------------------------- format

// Ctrl+N checks "●○形式" again without clearing "xo形式" and leaves the box's
// text; the disc format wins because it is asked first.
TEST(GetBoardAfterNew, TwoCheckedRadiosGiveTheDiscFormat) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  auto standin = StartStandin(std::string("--board ") + kPosition);
  ASSERT_TRUE(standin);
  auto box = [&] { return WindowBytes(app->Box()); };
  ClickButton(*app, IDC_FORMAT_XO);
  const std::string first = BoardText(kPosition, 0);
  ClickButton(*app, IDC_GET_BOARD);
  ASSERT_TRUE(WaitUntil([&] { return box() == first; }));

  ASSERT_TRUE(BringToFront(app->frame));
  SendChord({VK_CONTROL}, 'N');
  auto checked = [&](int id) {
    return SendMessageA(app->Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  ASSERT_TRUE(WaitUntil([&] { return checked(IDC_FORMAT_DISC); }));
  EXPECT_TRUE(checked(IDC_FORMAT_XO));
  EXPECT_FALSE(checked(IDC_FORMAT_DISC_COORD));
  EXPECT_EQ(box(), first);
  EXPECT_EQ(WindowBytes(app->frame), "Tavrilond 0.1");

  const std::string expected = first + BoardText(kPosition, 1);
  ClickButton(*app, IDC_GET_BOARD);
  WaitUntil([&] { return box() == expected; });
  EXPECT_EQ(box(), expected);
}

}  // namespace
}  // namespace e2e
