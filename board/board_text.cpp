#include "board/board_text.h"

#include <cstddef>

namespace tavrilond {
namespace {

// Shift_JIS texts, every one exactly two bytes.
// Index = CellState for x/o text, CellState + 3 for the disc formats.
constexpr const char* kCellTexts[6] = {
    " -",       // empty
    " x",       // black
    " o",       // white
    "\x81\x7b",  // ＋
    "\x81\x9c",  // ●
    "\x81\x9b",  // ○
};

// １ to ８, the row labels from the top row down.
constexpr const char* kRowLabels[8] = {
    "\x82\x50", "\x82\x51", "\x82\x52", "\x82\x53",
    "\x82\x54", "\x82\x55", "\x82\x56", "\x82\x57",
};

// ＼ａｂｃｄｅｆｇｈ and the line end.
constexpr const char kHeaderLine[] =
    "\x81\x5f\x82\x81\x82\x82\x82\x83\x82\x84\x82\x85\x82\x86\x82\x87\x82\x88\r\n";

constexpr const char kLineEnd[] = "\r\n";

}  // namespace

void WriteBoardText(const BoardCells& board, BoardTextFormat format,
                    const AppendTextFn& appendText) {
  const bool withCoordinates = format == BoardTextFormat::DiscSymbolsWithCoordinates;
  const int tableOffset = format == BoardTextFormat::XoText ? 0 : 3;

  if (withCoordinates) appendText(kHeaderLine);
  for (std::size_t row = 0; row < 8; ++row) {
    if (withCoordinates) appendText(kRowLabels[row]);
    for (std::size_t column = 0; column < 8; ++column) {
      const int state = static_cast<int>(board[row * 8 + column]);
      appendText(kCellTexts[state + tableOffset]);
    }
    appendText(kLineEnd);
  }
  appendText(kLineEnd);
}

}  // namespace tavrilond
