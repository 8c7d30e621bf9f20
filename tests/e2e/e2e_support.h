// Helpers for the end-to-end suites: they start Tavrilond.exe and the stand-in
// board program as separate processes and drive them the way a user would,
// through windows, clicks, keys and the clipboard.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// Folder of the running test program; the programs under test are built
// beside it.
std::string BinDir();

// Polls cond until it holds or the timeout passes; returns its last answer.
bool WaitUntil(const std::function<bool()>& cond, Millis timeout = 5000ms,
               Millis poll = 10ms);

// A started process that is killed when the object goes, whatever state the
// test is in.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  // Starts exe (a path) with the given argument text; fails the current test
  // and returns an empty Process when it cannot.
  static Process Start(const std::string& exe, const std::string& args);

  bool Running() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// The stand-in outside program, started with the given command line.
struct Standin {
  Process process;
  HWND top = nullptr;
  HWND board = nullptr;  // the third child, when there is one
};

// Starts the stand-in and waits until its board is painted and on screen.
// Returns null (and fails the test) when it does not come up.
std::unique_ptr<Standin> StartStandin(const std::string& args);

// A running Tavrilond.exe and the windows a user sees of it.
struct App {
  Process process;
  HWND frame = nullptr;
  HWND view = nullptr;

  HWND Control(int id) const { return GetDlgItem(view, id); }
  HWND Box() const;
  DWORD Thread() const { return GetWindowThreadProcessId(frame, nullptr); }
};

// Starts Tavrilond.exe and waits until its frame is shown and idle.
std::unique_ptr<App> StartTavrilond();

// The radio button that selects format 0 (x/o), 1 (discs) or 2 (discs with
// coordinates).
int RadioFor(int format);

// Cases that share one running Tavrilond, started again only when it has
// gone; each case looks only at what its own actions change.
class SharedTavrilondTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { shared_.reset(); }

  void SetUp() override {
    if (!shared_ || !shared_->process.Running()) shared_ = StartTavrilond();
    ASSERT_TRUE(shared_);
    app_ = shared_.get();
  }

  // The output box's text as bytes.
  std::string Box() const;

  static inline std::unique_ptr<App> shared_;
  App* app_ = nullptr;
};

// Window text as the bytes that WM_GETTEXT hands out in the ANSI code page.
std::string WindowBytes(HWND hwnd);

// Brings the frame to the foreground and waits until it is there, so that
// clicks and keys reach it.
bool BringToFront(HWND frame);

// Clicks a button through BM_CLICK, as the system does for a click.
void ClickButton(const App& app, int id);

// A real left click with the mouse at the centre of hwnd (or at the given
// client point).
void MouseClick(HWND hwnd);
void MouseClickAt(HWND hwnd, POINT client);

// Presses key with the modifiers held (VK_CONTROL, VK_SHIFT, VK_MENU) and
// lets them all go again, as one piece of real keyboard input.
void SendChord(const std::vector<WORD>& modifiers, WORD key);
inline void SendKey(WORD key) { SendChord({}, key); }

// The window that has the keyboard focus in the application's thread.
HWND FocusOf(const App& app);

// Selection of an edit control as (start, end), in the control's own units.
std::pair<int, int> Selection(HWND edit);
// Whether the whole text of the edit control is selected.
bool AllSelected(HWND edit);
// Whether nothing is selected and the caret stands after the last character.
bool CaretAtEnd(HWND edit);

// The clipboard's CF_TEXT bytes, or nothing when it holds no text.
std::optional<std::string> ClipboardText();
// Puts bytes on the clipboard as CF_TEXT; returns false when it could not.
bool SetClipboardText(const std::string& bytes);
// Waits until the clipboard has been written after the write numbered
// `since` (GetClipboardSequenceNumber), without opening it meanwhile: a
// program that finds the clipboard open when it copies copies nothing.
bool WaitForClipboardWrite(DWORD since, Millis timeout = 5000ms);

// Expected output of one board: position holds 64 characters '-', 'x', 'o'
// row by row; format 0 x/o letters, 1 disc symbols, 2 disc symbols with
// coordinates.
std::string BoardText(const std::string& position, int format);

// A position whose every row and column differs from its mirror image and
// its transpose, so a board read the wrong way round cannot pass.
inline constexpr char kPosition[] =
    "x-o--o-x"
    "-oxx----"
    "o--x-o-x"
    "---oxo--"
    "--xxxo-o"
    "x----o--"
    "o-x--xx-"
    "-o---o-o";

// Shift_JIS bytes of the texts that the suites compare against.
namespace sjis {
inline constexpr char kFailure[] = "null!!\r\n";
}

}  // namespace e2e
