// Presses 「盤面取得」 in a running Tavrilond once and writes the output box's
// text (Shift_JIS bytes) to standard output. Used by scripts/run on a
// display nobody watches, to show what the program wrote.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kFrameTitle[] = "Tavrilond 0.1";
constexpr int kPaneId = 59648;
constexpr int kOutputBoxId = 1000;
constexpr int kGetBoardId = 1004;

HWND WaitForWindow(const char* title, const char* className, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    HWND found = ::FindWindowA(className, title);
    if (found != nullptr && ::IsWindowVisible(found)) return found;
    if (::GetTickCount() - start > timeoutMs) return nullptr;
    ::Sleep(100);
  }
}

}  // namespace

int main() {
  HWND frame = WaitForWindow(kFrameTitle, nullptr, 30000);
  if (frame == nullptr) {
    std::fprintf(stderr, "board_probe: no window \"%s\"\n", kFrameTitle);
    return 1;
  }
  // The outside program must be up too before the press means anything.
  if (WaitForWindow("WZebra", nullptr, 30000) == nullptr) {
    std::fprintf(stderr, "board_probe: no WZebra window\n");
    return 1;
  }
  HWND form = ::GetDlgItem(frame, kPaneId);
  HWND button = ::GetDlgItem(form, kGetBoardId);
  HWND box = ::GetDlgItem(form, kOutputBoxId);
  if (button == nullptr || box == nullptr) {
    std::fprintf(stderr, "board_probe: the form's controls are missing\n");
    return 1;
  }
  ::SetForegroundWindow(frame);
  // Answered only once the click has been handled, board and all.
  ::SendMessageA(button, BM_CLICK, 0, 0);

  const LRESULT length = ::SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendMessageA(box, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
