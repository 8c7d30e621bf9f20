#include "board/board_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrilond {
namespace {

// Shift_JIS bytes, taken from the byte columns of the text formats.
const std::string kPlus = "\x81\x7b";    // ＋
const std::string kBlack = "\x81\x9c";   // ●
const std::string kWhite = "\x81\x9b";   // ○
const std::string kHeader =              // ＼ａｂｃｄｅｆｇｈ
    "\x81\x5f\x82\x81\x82\x82\x82\x83\x82\x84\x82\x85\x82\x86\x82\x87\x82\x88\r\n";
const char* const kRowLabel[8] = {"\x82\x50", "\x82\x51", "\x82\x52", "\x82\x53",
                                  "\x82\x54", "\x82\x55", "\x82\x56", "\x82\x57"};

std::vector<std::string> Pieces(const BoardCells& board, BoardTextFormat format) {
  std::vector<std::string> pieces;
  WriteBoardText(board, format, [&](const char* text) { pieces.emplace_back(text); });
  return pieces;
}

std::string Text(const BoardCells& board, BoardTextFormat format) {
  std::string text;
  for (const std::string& piece : Pieces(board, format)) text += piece;
  return text;
}

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

BoardCells ExampleBoard() {
  BoardCells board{};
  board.fill(CellState::Empty);
  board[27] = CellState::White;
  for (int i : {28, 35, 36, 37}) board[static_cast<std::size_t>(i)] = CellState::Black;
  return board;
}

TEST(BoardText, ExampleInXoText) {
  const std::string empty = Repeat(" -", 8) + "\r\n";
  const std::string expected = empty + empty + empty +
                               " - - - o x - - -\r\n" +
                               " - - - x x x - -\r\n" +
                               empty + empty + empty + "\r\n";
  EXPECT_EQ(Text(ExampleBoard(), BoardTextFormat::XoText), expected);
}

TEST(BoardText, ExampleInDiscSymbols) {
  const std::string empty = Repeat(kPlus, 8) + "\r\n";
  const std::string expected = empty + empty + empty +
                               Repeat(kPlus, 3) + kWhite + kBlack + Repeat(kPlus, 3) + "\r\n" +
                               Repeat(kPlus, 3) + Repeat(kBlack, 3) + Repeat(kPlus, 2) + "\r\n" +
                               empty + empty + empty + "\r\n";
  EXPECT_EQ(Text(ExampleBoard(), BoardTextFormat::DiscSymbols), expected);
}

TEST(BoardText, ExampleInDiscSymbolsWithCoordinates) {
  std::string expected = kHeader;
  for (int row = 0; row < 8; ++row) {
    expected += kRowLabel[row];
    if (row == 3) {
      expected += Repeat(kPlus, 3) + kWhite + kBlack + Repeat(kPlus, 3);
    } else if (row == 4) {
      expected += Repeat(kPlus, 3) + Repeat(kBlack, 3) + Repeat(kPlus, 2);
    } else {
      expected += Repeat(kPlus, 8);
    }
    expected += "\r\n";
  }
  expected += "\r\n";
  const std::string text = Text(ExampleBoard(), BoardTextFormat::DiscSymbolsWithCoordinates);
  EXPECT_EQ(text, expected);
  // Row 4 in bytes, as the format describes it.
  EXPECT_NE(text.find("\x82\x53\x81\x7b\x81\x7b\x81\x7b\x81\x9b\x81\x9c\x81\x7b\x81\x7b\x81\x7b\r\n"),
            std::string::npos);
}

TEST(BoardText, PieceCountsAndSizes) {
  struct Row { BoardTextFormat format; std::size_t pieces, bytes; };
  for (const Row& row : {Row{BoardTextFormat::XoText, 73, 146},
                         Row{BoardTextFormat::DiscSymbols, 73, 146},
                         Row{BoardTextFormat::DiscSymbolsWithCoordinates, 82, 182}}) {
    const std::vector<std::string> pieces = Pieces(ExampleBoard(), row.format);
    EXPECT_EQ(pieces.size(), row.pieces);
    std::size_t bytes = 0;
    for (const std::string& piece : pieces) {
      bytes += piece.size();
      if (piece != kHeader) {
        EXPECT_EQ(piece.size(), 2u);
      }
    }
    EXPECT_EQ(bytes, row.bytes);
  }
  // The header goes out as one piece, the first.
  EXPECT_EQ(Pieces(ExampleBoard(), BoardTextFormat::DiscSymbolsWithCoordinates).front(), kHeader);
}

TEST(BoardText, UniformBoards) {
  BoardCells board{};
  board.fill(CellState::Empty);
  EXPECT_EQ(Text(board, BoardTextFormat::XoText), Repeat(Repeat(" -", 8) + "\r\n", 8) + "\r\n");
  EXPECT_EQ(Text(board, BoardTextFormat::DiscSymbols), Repeat(Repeat(kPlus, 8) + "\r\n", 8) + "\r\n");
  board.fill(CellState::Black);
  EXPECT_EQ(Text(board, BoardTextFormat::XoText), Repeat(Repeat(" x", 8) + "\r\n", 8) + "\r\n");
  board.fill(CellState::White);
  EXPECT_EQ(Text(board, BoardTextFormat::DiscSymbols), Repeat(Repeat(kWhite, 8) + "\r\n", 8) + "\r\n");
}

TEST(BoardText, EverySquareLandsAtItsLineAndOffset) {
  for (std::size_t index = 0; index < 64; ++index) {
    BoardCells board{};
    board.fill(CellState::Empty);
    board[index] = CellState::Black;
    const std::size_t row = index / 8;
    const std::size_t column = index % 8;
    EXPECT_EQ(Text(board, BoardTextFormat::XoText).find(" x"), row * 18 + 2 * column) << index;
    EXPECT_EQ(Text(board, BoardTextFormat::DiscSymbols).find(kBlack), row * 18 + 2 * column) << index;
    EXPECT_EQ(Text(board, BoardTextFormat::DiscSymbolsWithCoordinates).find(kBlack),
              (row + 1) * 20 + 2 + 2 * column)
        << index;
  }
}

TEST(BoardText, TwoBoardsAreSeparatedByExactlyOneEmptyLine) {
  std::string box;
  auto append = [&](const char* text) { box += text; };
  WriteBoardText(ExampleBoard(), BoardTextFormat::XoText, append);
  BoardCells second{};
  second.fill(CellState::White);
  WriteBoardText(second, BoardTextFormat::XoText, append);
  ASSERT_EQ(box.size(), 292u);
  EXPECT_EQ(box.substr(140, 6), " -\r\n\r\n");
  EXPECT_EQ(box.substr(146, 4), " o o");
}

}  // namespace
}  // namespace tavrilond
