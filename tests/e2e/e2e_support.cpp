#include "e2e_support.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

namespace e2e {

namespace {

constexpr int kViewId = 59648;  // the frame's first pane

std::string Quote(const std::string& path) { return "\"" + path + "\""; }

// Every process a suite starts belongs to one job that ends them all when
// the test program ends, so that nothing outlives a suite that crashes
// before its destructors run.
HANDLE SuiteJob() {
  static HANDLE job = [] {
    HANDLE h = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (h) SetInformationJobObject(h, JobObjectExtendedLimitInformation,
                                   &limits, sizeof limits);
    return h;
  }();
  return job;
}

}  // namespace

std::string BinDir() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  const auto slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

bool WaitUntil(const std::function<bool()>& cond, Millis timeout, Millis poll) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (cond()) return true;
    if (std::chrono::steady_clock::now() >= end) return cond();
    std::this_thread::sleep_for(poll);
  }
}

// ---------------------------------------------------------------- processes

Process::Process(Process&& other) noexcept
    : info_(std::exchange(other.info_, PROCESS_INFORMATION{})) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    info_ = std::exchange(other.info_, PROCESS_INFORMATION{});
  }
  return *this;
}

Process::~Process() { Kill(); }

Process Process::Start(const std::string& exe, const std::string& args) {
  Process p;
  std::string commandLine = Quote(exe) + (args.empty() ? "" : " " + args);
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, nullptr, &startup,
                      &p.info_)) {
    ADD_FAILURE() << "cannot start " << commandLine << " (error "
                  << GetLastError() << ")";
    p.info_ = {};
    return p;
  }
  if (SuiteJob()) AssignProcessToJobObject(SuiteJob(), p.info_.hProcess);
  ResumeThread(p.info_.hThread);
  return p;
}

bool Process::Running() const {
  return info_.hProcess &&
         WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  info_ = {};
}

// ---------------------------------------------------------------- stand-in

std::unique_ptr<Standin> StartStandin(const std::string& args) {
  static std::atomic<int> counter{0};
  const std::string eventName = "e2e-standin-ready-" +
                                std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
  auto standin = std::make_unique<Standin>();
  standin->process = Process::Start(BinDir() + "\\wzebra_standin.exe",
                                    args + " --ready " + eventName);
  bool ok = standin->process.Handle() != nullptr;
  if (ok) {
    HANDLE waits[] = {ready, standin->process.Handle()};
    ok = WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
    if (!ok) ADD_FAILURE() << "stand-in did not come up: " << args;
  }
  CloseHandle(ready);
  if (!ok) return nullptr;

  // Its windows, by process rather than by text: the text is what the cases
  // vary.
  struct Search {
    DWORD pid;
    HWND found;
  } search{standin->process.Id(), nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == s->pid && IsWindowVisible(hwnd)) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  standin->top = search.found;
  if (!standin->top) {
    ADD_FAILURE() << "stand-in has no visible window: " << args;
    return nullptr;
  }
  HWND child = GetWindow(standin->top, GW_CHILD);
  if (child) child = GetWindow(child, GW_HWNDNEXT);
  if (child) child = GetWindow(child, GW_HWNDNEXT);
  standin->board = child;
  return standin;
}

// ---------------------------------------------------------------- Tavrilond

HWND App::Box() const { return Control(IDC_BOARD_TEXT); }

std::unique_ptr<App> StartTavrilond() {
  auto app = std::make_unique<App>();
  app->process = Process::Start(BinDir() + "\\Tavrilond.exe", "");
  if (!app->process.Handle()) return nullptr;

  struct Search {
    DWORD pid;
    HWND found;
  } search{app->process.Id(), nullptr};
  auto findFrame = [&] {
    search.found = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lp);
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          if (pid == s->pid && IsWindowVisible(hwnd) &&
              GetDlgItem(hwnd, kViewId) &&
              GetDlgItem(GetDlgItem(hwnd, kViewId), IDC_BOARD_TEXT)) {
            s->found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  };
  if (!WaitUntil(findFrame, 15000ms)) {
    ADD_FAILURE() << "Tavrilond.exe showed no frame with its form";
    return nullptr;
  }
  app->frame = search.found;
  app->view = GetDlgItem(app->frame, kViewId);
  // Start-up is over once the program waits for input.
  WaitForInputIdle(app->process.Handle(), 5000);
  return app;
}

std::string WindowBytes(HWND hwnd) {
  const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
  // The reported length may exceed the real one (mixed ANSI/Unicode), so
  // room is made for the worst case and the bytes up to the NUL are taken.
  std::string buffer(static_cast<size_t>(length) * 2 + 2, '\0');
  const LRESULT copied = SendMessageA(hwnd, WM_GETTEXT, buffer.size(),
                                      reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(copied));
  return buffer;
}

bool BringToFront(HWND frame) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == frame) return true;
        SetForegroundWindow(frame);
        return GetForegroundWindow() == frame;
      },
      3000ms, 20ms);
}

void ClickButton(const App& app, int id) {
  EXPECT_TRUE(BringToFront(app.frame));
  SendMessageA(app.Control(id), BM_CLICK, 0, 0);
}

void MouseClick(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  MouseClickAt(hwnd, POINT{r.right / 2, r.bottom / 2});
}

void MouseClickAt(HWND hwnd, POINT client) {
  EXPECT_TRUE(BringToFront(GetAncestor(hwnd, GA_ROOT)));
  POINT screen = client;
  ClientToScreen(hwnd, &screen);
  SetCursorPos(screen.x, screen.y);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

namespace {

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_RIGHT:
    case VK_UP: case VK_DOWN:
      return true;
  }
  return false;
}

INPUT KeyEvent(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) |
                  (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

}  // namespace

void SendChord(const std::vector<WORD>& modifiers, WORD key) {
  std::vector<INPUT> events;
  for (WORD m : modifiers) events.push_back(KeyEvent(m, false));
  events.push_back(KeyEvent(key, false));
  events.push_back(KeyEvent(key, true));
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
    events.push_back(KeyEvent(*it, true));
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

HWND FocusOf(const App& app) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(app.Thread(), &info)) return nullptr;
  return info.hwndFocus;
}

std::pair<int, int> Selection(HWND edit) {
  const DWORD sel = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
  return {LOWORD(sel), HIWORD(sel)};
}

namespace {

// Positions count characters, not bytes: the edit control keeps its text in
// UTF-16 whatever interface it is asked through.
int TextUnits(HWND edit) {
  const std::string bytes = WindowBytes(edit);
  return MultiByteToWideChar(CP_ACP, 0, bytes.data(),
                             static_cast<int>(bytes.size()), nullptr, 0);
}

}  // namespace

bool AllSelected(HWND edit) {
  return Selection(edit) == std::make_pair(0, TextUnits(edit));
}

bool CaretAtEnd(HWND edit) {
  const int end = TextUnits(edit);
  return Selection(edit) == std::make_pair(end, end);
}

// ---------------------------------------------------------------- clipboard

namespace {

// The clipboard is shared with the programs under test, which hold it open
// for a moment while they copy or paste.
bool OpenClipboardSoon(HWND owner) {
  return WaitUntil([&] { return OpenClipboard(owner) != FALSE; }, 2000ms, 5ms);
}

// SetClipboardData needs an owner window; a message-only window stays out of
// the top-level windows that Tavrilond searches. The owner is sent
// WM_DESTROYCLIPBOARD when the program under test copies, and that copy
// waits for the answer, so the window lives on a thread that keeps pumping.
HWND ClipboardOwner() {
  static HWND owner = [] {
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND hwnd = nullptr;
    std::thread([&hwnd, created] {
      hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                             nullptr, nullptr, nullptr);
      SetEvent(created);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    }).detach();
    WaitForSingleObject(created, INFINITE);
    CloseHandle(created);
    return hwnd;
  }();
  return owner;
}

}  // namespace

std::optional<std::string> ClipboardText() {
  if (!OpenClipboardSoon(nullptr)) {
    ADD_FAILURE() << "clipboard stayed busy";
    return std::nullopt;
  }
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = std::string(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool SetClipboardText(const std::string& bytes) {
  HWND owner = ClipboardOwner();
  if (!OpenClipboardSoon(owner)) return false;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  bool ok = false;
  if (mem) {
    char* p = static_cast<char*>(GlobalLock(mem));
    std::memcpy(p, bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(mem);
    ok = SetClipboardData(CF_TEXT, mem) != nullptr;
    if (!ok) GlobalFree(mem);
  }
  CloseClipboard();
  return ok;
}

bool WaitForClipboardWrite(DWORD since, Millis timeout) {
  return WaitUntil([&] { return GetClipboardSequenceNumber() != since; },
                   timeout);
}

// ---------------------------------------------------------------- boards

std::string BoardText(const std::string& position, int format) {
  // Cells " -", " x", " o" for format 0; "＋", "●", "○" otherwise.
  static const char* const kXo[] = {" -", " x", " o"};
  static const char* const kDisc[] = {"\x81\x7b", "\x81\x9c", "\x81\x9b"};
  // "＼ａｂｃｄｅｆｇｈ" and the row labels "１" to "８".
  static const char kHeader[] =
      "\x81\x5f\x82\x81\x82\x82\x82\x83\x82\x84\x82\x85\x82\x86\x82\x87\x82\x88"
      "\r\n";
  static const char* const kRowLabels[] = {"\x82\x50", "\x82\x51", "\x82\x52",
                                           "\x82\x53", "\x82\x54", "\x82\x55",
                                           "\x82\x56", "\x82\x57"};
  std::string text;
  if (format == 2) text += kHeader;
  for (int row = 0; row < 8; ++row) {
    if (format == 2) text += kRowLabels[row];
    for (int col = 0; col < 8; ++col) {
      const char c = position.at(row * 8 + col);
      const int state = c == 'x' ? 1 : c == 'o' ? 2 : 0;
      text += format == 0 ? kXo[state] : kDisc[state];
    }
    text += "\r\n";
  }
  text += "\r\n";
  return text;
}

int RadioFor(int format) {
  return format == 1 ? IDC_FORMAT_DISC : format == 2 ? IDC_FORMAT_DISC_COORD : IDC_FORMAT_XO;
}

std::string SharedTavrilondTest::Box() const { return WindowBytes(app_->Box()); }

}  // namespace e2e
