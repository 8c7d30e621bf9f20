#include "output/output_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/board_text.h"
#include "output/in_memory_edit_box.h"

namespace tavrilond {
namespace {

using Requests = std::vector<std::string>;

class OutputBoxTest : public testing::Test {
 protected:
  void WriteBoard(CellState fill, BoardTextFormat format) {
    BoardCells board{};
    board.fill(fill);
    WriteBoardText(board, format, [this](const char* text) { output_.AppendText(text); });
  }

  InMemoryClipboard clipboard_;
  InMemoryEditBox edit_{clipboard_};
  OutputBox output_{edit_};
};

TEST_F(OutputBoxTest, AppendToEmptyBox) {
  output_.AppendText("null!!\r\n");
  EXPECT_EQ(edit_.Text(), "null!!\r\n");
  EXPECT_EQ(edit_.Caret(), 8);
  EXPECT_EQ(edit_.SelectionStart(), 8);
  EXPECT_EQ(edit_.SelectionEnd(), 8);
  EXPECT_FALSE(edit_.CanUndo());
  EXPECT_EQ(edit_.Requests(),
            (Requests{"GetWindowTextLength", "EM_SETSEL 0 0", "EM_SCROLLCARET", "EM_REPLACESEL 0 null!!\r\n"}));
}

TEST_F(OutputBoxTest, AppendGoesToTheEndWhateverTheUserSelected) {
  edit_.UserType("abcdef");
  edit_.UserSelect(2, 4);
  edit_.ClearRequests();
  output_.AppendText(" x");
  EXPECT_EQ(edit_.Text(), "abcdef x");
  EXPECT_EQ(edit_.SelectionStart(), 8);
  EXPECT_EQ(edit_.SelectionEnd(), 8);
  EXPECT_EQ(edit_.ScrolledToCaret(), 6);  // scrolled to the end before inserting
  EXPECT_EQ(edit_.Requests()[1], "EM_SETSEL 6 6");
}

TEST_F(OutputBoxTest, AppendAfterUserTextContinuesTheUserLine) {
  edit_.UserType("memo");
  WriteBoard(CellState::Empty, BoardTextFormat::XoText);
  EXPECT_EQ(edit_.Text().substr(0, 22), "memo - - - - - - - -\r\n");
  EXPECT_EQ(edit_.Text().size(), 4u + 146u);
}

TEST_F(OutputBoxTest, CopyAllPutsBothBoardsOnTheClipboard) {
  WriteBoard(CellState::Black, BoardTextFormat::XoText);
  WriteBoard(CellState::White, BoardTextFormat::DiscSymbolsWithCoordinates);
  const std::string whole = edit_.Text();
  ASSERT_EQ(whole.size(), 146u + 182u);
  edit_.ClearRequests();
  output_.OnCopyAll();
  EXPECT_EQ(clipboard_.text, whole);
  EXPECT_EQ(edit_.SelectionStart(), 0);
  EXPECT_EQ(edit_.SelectionEnd(), 328);
  EXPECT_EQ(edit_.ScrolledToCaret(), 328);
  EXPECT_EQ(edit_.Requests(), (Requests{"GetWindowTextLength", "EM_SETSEL 0 328", "EM_SCROLLCARET", "WM_COPY"}));

  // The next board replaces the selection with an empty one at the end.
  WriteBoard(CellState::Empty, BoardTextFormat::DiscSymbols);
  EXPECT_EQ(edit_.Text().substr(0, 328), whole);
  EXPECT_EQ(edit_.Text().size(), 328u + 146u);
  EXPECT_EQ(edit_.SelectionStart(), edit_.SelectionEnd());
}

TEST_F(OutputBoxTest, CopyAllOfAnEmptyBoxKeepsTheClipboard) {
  clipboard_.text = "earlier";
  output_.OnCopyAll();
  EXPECT_EQ(clipboard_.text, "earlier");
}

TEST_F(OutputBoxTest, ClearAllEmptiesTheBoxForGood) {
  WriteBoard(CellState::Black, BoardTextFormat::XoText);
  edit_.ClearRequests();
  output_.OnClearAll();
  EXPECT_EQ(edit_.Text(), "");
  EXPECT_FALSE(edit_.CanUndo());
  EXPECT_EQ(edit_.Requests(),
            (Requests{"GetWindowTextLength", "EM_SETSEL 0 146", "EM_SCROLLCARET", "EM_REPLACESEL 0 "}));
}

TEST_F(OutputBoxTest, SelectAllThenCopy) {
  edit_.UserType("first line\r\nsecond");
  edit_.UserSelect(3, 3);
  output_.OnSelectAllText();
  EXPECT_EQ(edit_.SelectionStart(), 0);
  EXPECT_EQ(edit_.SelectionEnd(), 18);
  EXPECT_EQ(edit_.ScrolledToCaret(), 18);
  output_.OnEditCopy();
  EXPECT_EQ(clipboard_.text, "first line\r\nsecond");
}

TEST_F(OutputBoxTest, CopyAndPasteFollowTheSelectionAndTheClipboard) {
  edit_.UserType("abc");
  output_.OnEditCopy();  // empty selection: nothing copied
  EXPECT_FALSE(clipboard_.text.has_value());
  output_.OnEditPaste();  // empty clipboard: nothing pasted
  EXPECT_EQ(edit_.Text(), "abc");

  clipboard_.text = "XY";
  edit_.UserSelect(1, 2);
  output_.OnEditPaste();
  EXPECT_EQ(edit_.Text(), "aXYc");
  EXPECT_EQ(edit_.Caret(), 3);
  EXPECT_EQ(edit_.Requests(), (Requests{"WM_COPY", "WM_PASTE", "WM_PASTE"}));
}

TEST(InMemoryEditBox, TextBeyondTheCapacityIsDropped) {
  InMemoryClipboard clipboard;
  InMemoryEditBox edit(clipboard, 10);
  OutputBox output(edit);
  output.AppendText("12345678");
  output.AppendText("abcd");
  output.AppendText("ef");
  EXPECT_EQ(edit.Text(), "12345678ab");
}

}  // namespace
}  // namespace tavrilond
