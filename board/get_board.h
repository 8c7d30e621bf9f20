#pragma once

#include "board/board_text.h"
#include "winsys/window_system.h"

namespace tavrilond {

// What the get-board command needs of the form: the output box's append
// operation and the two radio buttons whose check state picks the format.
struct GetBoardTargets {
  AppendTextFn appendText;
  WindowHandle radioFormatDisc = 0;       // "●○形式"
  WindowHandle radioFormatDiscCoord = 0;  // "●○形式（座標付）"
};

// Appended instead of a board when the board cannot be read.
inline constexpr char kCaptureFailedText[] = "null!!\r\n";

// The outside program's main window: the highest top-level window whose
// whole text is "WZebra". 0 when there is none.
WindowHandle FindOutsideMainWindow(WindowSystem& windows);

// Format by the radio buttons, "●○形式" asked first.
BoardTextFormat ChooseBoardTextFormat(WindowSystem& windows, const GetBoardTargets& targets);

// Measures and samples the board window and appends one board text, or the
// failure text when the board cannot be read.
void CaptureBoard(WindowSystem& windows, WindowHandle boardWindow, const GetBoardTargets& targets);

// The get-board command: finds the outside program, takes its third child as
// the board window and captures it. Does nothing when the program is absent.
void OnGetBoard(WindowSystem& windows, const GetBoardTargets& targets);

}  // namespace tavrilond
