#pragma once

#include <functional>

#include "board/cell_state.h"

namespace tavrilond {

enum class BoardTextFormat : int {
  XoText = 0,
  DiscSymbols = 1,
  DiscSymbolsWithCoordinates = 2,
};

// Puts one NUL-terminated byte string at the very end of the output box.
using AppendTextFn = std::function<void(const char* text)>;

// Appends one board, piece by piece, followed by an empty line. Texts are
// Shift_JIS bytes.
void WriteBoardText(const BoardCells& board, BoardTextFormat format,
                    const AppendTextFn& appendText);

}  // namespace tavrilond
