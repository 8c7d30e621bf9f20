#include "board/get_board.h"

#include <gtest/gtest.h>

#include <string>

#include "winsys/in_memory_desktop.h"

namespace tavrilond {
namespace {

using Window = InMemoryDesktop::Window;

// A board window of rectangle (10, 20)-(270, 280): measured 261 x 261, first
// sample at (33, 33), pitch 28. Discs sit exactly on the sample points;
// everything else is the green of an empty square.
InMemoryDesktop::PixelFunction Position(const std::string& squares) {
  return [squares](std::int32_t x, std::int32_t y) -> std::uint32_t {
    if (x < 33 || y < 33 || (x - 33) % 28 != 0 || (y - 33) % 28 != 0) return 0x008000;
    const std::size_t index = static_cast<std::size_t>((y - 33) / 28 * 8 + (x - 33) / 28);
    if (index >= squares.size()) return 0x008000;
    return squares[index] == 'x' ? 0x000000 : squares[index] == 'o' ? 0xFFFFFF : 0x008000;
  };
}

// Four squares in the middle, as at the start of a game.
const std::string kStart = std::string(27, '-') + "ox" + std::string(6, '-') + "xo";
const std::string kStartXoRow4 = " - - - o x - - -\r\n";

class GetBoard : public testing::Test {
 protected:
  GetBoard() {
    radioDisc_ = desktop_.AddWindow(0, Window::Titled("radio 1001"));
    radioCoord_ = desktop_.AddWindow(0, Window::Titled("radio 1002"));
    radioXo_ = desktop_.AddWindow(0, Window::Titled("radio 1003"));
    targets_.appendText = [this](const char* text) {
      box_ += text;
      ++pieces_;
    };
    targets_.radioFormatDisc = radioDisc_;
    targets_.radioFormatDiscCoord = radioCoord_;
  }

  // A top-level window with the given text and children; the third child (if
  // any) draws the position.
  WindowHandle AddProgram(const std::string& text, const std::string& squares = kStart,
                          int children = 3) {
    const WindowHandle main = desktop_.AddWindow(0, Window::Titled(text));
    WindowHandle board = 0;
    for (int i = 0; i < children; ++i) {
      const Window child = i == 2 ? Window::Drawing(WindowRect{10, 20, 270, 280}, Position(squares))
                                  : Window::Titled("child");
      const WindowHandle handle = desktop_.AddWindow(main, child);
      if (i == 2) board = handle;
    }
    return board;
  }

  void Press() { OnGetBoard(desktop_, targets_); }

  InMemoryDesktop desktop_;
  WindowHandle radioDisc_, radioCoord_, radioXo_;
  GetBoardTargets targets_;
  std::string box_;
  int pieces_ = 0;
};

TEST_F(GetBoard, ReadsTheThirdChildOfTheWZebraWindow) {
  desktop_.AddWindow(0, Window::Titled("Another program"));
  const WindowHandle board = AddProgram("WZebra");
  Press();
  ASSERT_EQ(box_.size(), 146u);
  EXPECT_EQ(box_.substr(3 * 18, 18), kStartXoRow4);
  EXPECT_EQ(box_.substr(4 * 18, 18), " - - - x o - - -\r\n");
  EXPECT_EQ(pieces_, 73);

  // Measured with the +1 and sampled through one context, released after the
  // 64th read, before the radio buttons are asked.
  const auto& calls = desktop_.Calls();
  auto at = [&](const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) - calls.begin();
  };
  const auto getDc = at("GetDC " + std::to_string(board));
  EXPECT_LT(at("GetWindowRect " + std::to_string(board)), getDc);
  EXPECT_EQ(calls[static_cast<std::size_t>(getDc) + 1], "GetPixel 33 33");
  EXPECT_EQ(calls[static_cast<std::size_t>(getDc) + 64], "GetPixel 229 229");
  EXPECT_EQ(calls[static_cast<std::size_t>(getDc) + 65], "ReleaseDC " + std::to_string(board));
  EXPECT_EQ(calls[static_cast<std::size_t>(getDc) + 66], "BM_GETCHECK " + std::to_string(radioDisc_));
  EXPECT_EQ(desktop_.CountCalls("GetPixel"), 64);
  EXPECT_EQ(desktop_.OpenDeviceContexts(), 0);
}

TEST_F(GetBoard, FormatComesFromTheRadioButtons) {
  AddProgram("WZebra");
  struct Case { bool disc, coord, xo; std::size_t bytes; const char* row4; };
  const Case cases[] = {
      {true, false, false, 146, "\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c"},
      {false, true, false, 182, "\x82\x53\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c"},
      {false, false, true, 146, " - - - o x"},
      {false, false, false, 146, " - - - o x"},
      {true, true, false, 146, "\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c"},
      {true, false, true, 146, "\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c"},
      {false, true, true, 182, "\x82\x53\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.disc << c.coord << c.xo);
    desktop_.At(radioDisc_).checked = c.disc;
    desktop_.At(radioCoord_).checked = c.coord;
    desktop_.At(radioXo_).checked = c.xo;
    box_.clear();
    desktop_.ClearCalls();
    Press();
    EXPECT_EQ(box_.size(), c.bytes);
    EXPECT_NE(box_.find(c.row4), std::string::npos);
    EXPECT_EQ(desktop_.CountCalls("BM_GETCHECK " + std::to_string(radioXo_)), 0);
    EXPECT_EQ(desktop_.CountCalls("BM_GETCHECK " + std::to_string(radioCoord_)), c.disc ? 0 : 1);
  }
}

TEST_F(GetBoard, NoMatchingWindowWritesNothing) {
  for (const char* text : {"wzebra", "WZEBRA", "WZebra ", " WZebra", "WZebra2", "WZebr", ""}) {
    AddProgram(text);
  }
  Press();
  EXPECT_EQ(box_, "");
  EXPECT_EQ(desktop_.CountCalls("GetDC"), 0);
  EXPECT_EQ(desktop_.CountCalls("GetWindowRect"), 0);
}

TEST_F(GetBoard, OnlyTheHighestOfTwoMatchesIsRead) {
  const WindowHandle upper = AddProgram("WZebra", kStart);
  AddProgram("WZebra", std::string(64, 'x'));
  Press();
  ASSERT_EQ(box_.size(), 146u);
  EXPECT_EQ(box_.substr(3 * 18, 18), kStartXoRow4);
  EXPECT_EQ(desktop_.CountCalls("GetDC"), 1);
  EXPECT_EQ(desktop_.CountCalls("GetDC " + std::to_string(upper)), 1);
}

TEST_F(GetBoard, MatchIsDecidedOnTheCopiedBytesNotTheReportedLength) {
  // The system may report more than the real length; it may not cut a longer
  // text down to a false match either.
  const WindowHandle decoy = desktop_.AddWindow(0, Window::Titled("WZebra - game 1", 6));
  for (int i = 0; i < 3; ++i) desktop_.AddWindow(decoy, Window::Drawing(WindowRect{0, 0, 99, 99}, nullptr));
  const WindowHandle main = desktop_.AddWindow(0, Window::Titled("WZebra", 12));
  desktop_.AddWindow(main, Window{});
  desktop_.AddWindow(main, Window{});
  desktop_.AddWindow(main, Window::Drawing(WindowRect{10, 20, 270, 280}, Position(kStart)));
  Press();
  ASSERT_EQ(box_.size(), 146u);
  EXPECT_EQ(box_.substr(3 * 18, 18), kStartXoRow4);
}

TEST_F(GetBoard, FewerThanThreeChildrenGiveTheFailureText) {
  for (int children = 0; children < 3; ++children) {
    SCOPED_TRACE(children);
    InMemoryDesktop fresh;
    desktop_ = fresh;
    box_.clear();
    AddProgram("WZebra", kStart, children);
    Press();
    EXPECT_EQ(box_, "null!!\r\n");
    EXPECT_EQ(desktop_.CountCalls("GetDC"), 0);
  }
}

TEST_F(GetBoard, UnreadableRectangleGivesTheFailureText) {
  const WindowHandle board = AddProgram("WZebra");
  desktop_.At(board).rect.reset();
  Press();
  EXPECT_EQ(box_, "null!!\r\n");
  EXPECT_EQ(desktop_.CountCalls("GetDC"), 0);
}

TEST_F(GetBoard, NoDeviceContextAppendsTheFailureTextOnEveryPress) {
  const WindowHandle board = AddProgram("WZebra");
  desktop_.At(board).deviceContextAvailable = false;
  desktop_.At(radioDisc_).checked = true;
  Press();
  Press();
  EXPECT_EQ(box_, "null!!\r\nnull!!\r\n");
  EXPECT_EQ(pieces_, 2);
  EXPECT_EQ(desktop_.CountCalls("GetPixel"), 0);
  EXPECT_EQ(desktop_.CountCalls("ReleaseDC"), 0);
  EXPECT_EQ(desktop_.CountCalls("BM_GETCHECK"), 0);
}

TEST_F(GetBoard, UnreadablePixelGivesTheFailureTextNotWhiteDiscs) {
  const WindowHandle board = AddProgram("WZebra");
  desktop_.At(board).pixels = [](std::int32_t x, std::int32_t y) -> std::uint32_t {
    return x == 229 && y == 229 ? 0xFFFFFFFFu : 0x008000u;
  };
  Press();
  EXPECT_EQ(box_, "null!!\r\n");
  EXPECT_EQ(desktop_.CountCalls("GetPixel"), 64);
  EXPECT_EQ(desktop_.OpenDeviceContexts(), 0);
}

TEST_F(GetBoard, EachPressAppendsOneMoreBoard) {
  AddProgram("WZebra");
  Press();
  Press();
  ASSERT_EQ(box_.size(), 292u);
  EXPECT_EQ(box_.substr(0, 146), box_.substr(146));
}

}  // namespace
}  // namespace tavrilond
