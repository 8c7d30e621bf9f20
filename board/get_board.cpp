#include "board/get_board.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "board/board_sampling.h"

namespace tavrilond {
namespace {

constexpr char kOutsideWindowText[] = "WZebra";
constexpr int kOutsideWindowTextLength = 6;

bool HasOutsideWindowText(WindowSystem& windows, WindowHandle window) {
  const int reported = windows.GetWindowTextLengthA(window);
  // The reported length may exceed the real one, so the match is decided on
  // the bytes copied. The buffer always has room for more than six bytes, so
  // a longer text can never be cut down to a false match.
  const int bufferSize = std::max(reported, kOutsideWindowTextLength + 1) + 1;
  std::vector<char> buffer(static_cast<std::size_t>(bufferSize), '\0');
  const int copied = windows.GetWindowTextA(window, buffer.data(), bufferSize);
  return copied == kOutsideWindowTextLength &&
         std::memcmp(buffer.data(), kOutsideWindowText, kOutsideWindowTextLength) == 0;
}

// The third child from the top of the Z order; 0 when there are fewer.
WindowHandle BoardWindowOf(WindowSystem& windows, WindowHandle mainWindow) {
  WindowHandle child = windows.GetWindow(mainWindow, WindowRelation::Child);
  for (int step = 0; step < 2 && child != 0; ++step) {
    child = windows.GetWindow(child, WindowRelation::Next);
  }
  return child;
}

}  // namespace

WindowHandle FindOutsideMainWindow(WindowSystem& windows) {
  const WindowHandle desktop = windows.GetDesktopWindow();
  for (WindowHandle window = windows.GetWindow(desktop, WindowRelation::Child); window != 0;
       window = windows.GetWindow(window, WindowRelation::Next)) {
    if (HasOutsideWindowText(windows, window)) return window;
  }
  return 0;
}

BoardTextFormat ChooseBoardTextFormat(WindowSystem& windows, const GetBoardTargets& targets) {
  if (windows.GetButtonCheck(targets.radioFormatDisc) != 0) return BoardTextFormat::DiscSymbols;
  if (windows.GetButtonCheck(targets.radioFormatDiscCoord) != 0) {
    return BoardTextFormat::DiscSymbolsWithCoordinates;
  }
  return BoardTextFormat::XoText;
}

void CaptureBoard(WindowSystem& windows, WindowHandle boardWindow, const GetBoardTargets& targets) {
  WindowRect rect{};
  // Without a board window GetDC would hand out the whole screen's context.
  if (boardWindow == 0 || !windows.GetWindowRect(boardWindow, rect)) {
    targets.appendText(kCaptureFailedText);
    return;
  }
  const std::int32_t width = rect.right - rect.left + 1;
  const std::int32_t height = rect.bottom - rect.top + 1;

  const DeviceContextHandle dc = windows.GetDC(boardWindow);
  if (dc == 0) {
    targets.appendText(kCaptureFailedText);
    return;
  }
  bool unreadable = false;
  const BoardCells cells = SampleBoard(width, height, [&](std::int32_t x, std::int32_t y) {
    const std::uint32_t color = windows.GetPixel(dc, x, y);
    if (color == kInvalidColor) unreadable = true;
    return color;
  });
  windows.ReleaseDC(boardWindow, dc);

  // An unreadable pixel would otherwise pass for a white disc.
  if (unreadable) {
    targets.appendText(kCaptureFailedText);
    return;
  }
  WriteBoardText(cells, ChooseBoardTextFormat(windows, targets), targets.appendText);
}

void OnGetBoard(WindowSystem& windows, const GetBoardTargets& targets) {
  const WindowHandle mainWindow = FindOutsideMainWindow(windows);
  if (mainWindow == 0) return;
  CaptureBoard(windows, BoardWindowOf(windows, mainWindow), targets);
}

}  // namespace tavrilond
