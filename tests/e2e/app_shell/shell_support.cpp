#include "shell_support.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <atomic>
#include <cstring>

namespace e2e::shell {

namespace {

constexpr int kViewId = 59648;

// Controls of the system's explorer-style file dialogs.
constexpr int kFileNameCombo = 1148;  // cmb13
constexpr int kFileNameEdit = 1152;   // edt1, where there is no cmb13
constexpr int kFileTypeCombo = 1136;  // cmb1

constexpr char kDialogClass[] = "#32770";

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool IsDialogBox(HWND hwnd) { return ClassOf(hwnd) == kDialogClass; }

// A message box: a dialog whose text sits in static 0xFFFF.
bool IsMessageBox(HWND hwnd) {
  return IsDialogBox(hwnd) && GetDlgItem(hwnd, 0xFFFF) != nullptr;
}

}  // namespace

// ---------------------------------------------------------------- registry

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::optional<std::map<std::string, RegValue>> KeyValues(
    const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::map<std::string, RegValue> values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameLength = sizeof name;
    BYTE data[4096];
    DWORD dataLength = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data,
                      &dataLength) != ERROR_SUCCESS)
      break;
    values[std::string(name, nameLength)] =
        RegValue{type, std::string(reinterpret_cast<char*>(data), dataLength)};
  }
  RegCloseKey(key);
  return values;
}

std::vector<std::string> SubKeys(const std::string& path) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

void DeleteKeyTree(const std::string& path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

namespace {

HKEY CreateKey(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                      KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot create HKCU\\" << path;
    return nullptr;
  }
  return key;
}

}  // namespace

void WriteString(const std::string& path, const std::string& name,
                 const std::string& value) {
  if (HKEY key = CreateKey(path)) {
    RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
}

void WriteDword(const std::string& path, const std::string& name,
                DWORD value) {
  if (HKEY key = CreateKey(path)) {
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }
}

void ClearSettings() {
  DeleteKeyTree(kAppKey);
  if (SubKeys(kVendorKey).empty()) {
    auto values = KeyValues(kVendorKey);
    if (values && values->empty()) DeleteKeyTree(kVendorKey);
  }
}

std::map<std::string, std::string> StoredRecentFiles() {
  std::map<std::string, std::string> files;
  const auto values = KeyValues(kRecentKey);
  if (!values) return files;
  for (const auto& [name, value] : *values) {
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
    const bool terminated = !value.data.empty() && value.data.back() == '\0';
    EXPECT_TRUE(terminated) << name << " is stored without its NUL";
    files[name] = terminated ? value.data.substr(0, value.data.size() - 1)
                             : value.data;
  }
  return files;
}

// ---------------------------------------------------------------- files

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  // Process ids come back soon under Wine; the clock tells runs apart.
  dir_ = std::string(temp) + "tavrilond-shell-" +
         std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(GetTickCount64()) + "-" + std::to_string(++counter);
  if (!CreateDirectoryA(dir_.c_str(), nullptr))
    ADD_FAILURE() << "cannot make " << dir_;
  dir_ += "\\";
}

namespace {

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = dir + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(dir.c_str());
}

}  // namespace

TempFolder::~TempFolder() { RemoveTree(dir_); }

std::string TempFolder::Write(const std::string& name,
                              const std::string& bytes) const {
  const std::string path = Path(name);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot write " << path;
    return path;
  }
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
  CloseHandle(file);
  return path;
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir_ + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

// ---------------------------------------------------------------- windows

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == s->pid && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindWindowOf(DWORD pid, const std::string& title) {
  for (HWND hwnd : VisibleWindowsOf(pid))
    if (WindowBytes(hwnd) == title) return hwnd;
  return nullptr;
}

HWND WaitForWindowOf(DWORD pid, const std::string& title, Millis timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOf(pid, title)) != nullptr; },
            timeout);
  return found;
}

bool Settle(HWND hwnd) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000,
                             &result) != 0;
}

std::string MessageBoxText(HWND box) {
  return WindowBytes(GetDlgItem(box, 0xFFFF));
}

void TypeText(const std::string& text) {
  std::vector<INPUT> events;
  for (unsigned char c : text) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE;
    events.push_back(in);
    in.ki.dwFlags |= KEYEVENTF_KEYUP;
    events.push_back(in);
  }
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// ---------------------------------------------------------------- program

std::unique_ptr<App> StartTavrilondWith(const std::string& args) {
  auto app = std::make_unique<App>();
  app->process = Process::Start(BinDir() + "\\Tavrilond.exe", args);
  if (!app->process.Handle()) return nullptr;
  const DWORD pid = app->process.Id();
  auto findFrame = [&] {
    for (HWND hwnd : VisibleWindowsOf(pid)) {
      HWND view = GetDlgItem(hwnd, kViewId);
      if (view && GetDlgItem(view, IDC_BOARD_TEXT)) {
        app->frame = hwnd;
        app->view = view;
        return true;
      }
    }
    return false;
  };
  if (!WaitUntil(findFrame, 15000ms)) {
    ADD_FAILURE() << "Tavrilond.exe " << args << " showed no frame";
    return nullptr;
  }
  WaitForInputIdle(app->process.Handle(), 5000);
  return app;
}

std::optional<DWORD> WaitForExit(const Process& process, Millis timeout) {
  if (WaitForSingleObject(process.Handle(),
                          static_cast<DWORD>(timeout.count())) !=
      WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process.Handle(), &code);
  return code;
}

std::optional<DWORD> CloseNormally(App& app, Millis timeout) {
  PostMessageA(app.frame, WM_CLOSE, 0, 0);
  return WaitForExit(app.process, timeout);
}

RunResult RunToEnd(const std::string& args, Millis timeout) {
  RunResult run;
  Process process = Process::Start(BinDir() + "\\Tavrilond.exe", args);
  if (!process.Handle()) return run;
  std::vector<HWND> seen;
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (WaitForSingleObject(process.Handle(), 10) == WAIT_OBJECT_0) break;
    for (HWND hwnd : VisibleWindowsOf(process.Id())) {
      if (IsMessageBox(hwnd)) {
        run.boxCaptions.push_back(WindowBytes(hwnd));
        run.boxTexts.push_back(MessageBoxText(hwnd));
        BringToFront(hwnd);
        SendKey(VK_RETURN);
        WaitUntil([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); },
                  3000ms);
        continue;
      }
      bool known = false;
      for (HWND s : seen) known = known || s == hwnd;
      if (!known) {
        seen.push_back(hwnd);
        run.windowTitles.push_back(WindowBytes(hwnd));
      }
    }
  }
  run.exitCode = WaitForExit(process, 0ms);
  return run;
}

namespace {

// One entry of the GDI handle table (Wine's GDI_HANDLE_ENTRY, laid out as
// the system's own table).
struct GdiHandleEntry {
  UINT64 object;
  ULONG owner;
  UCHAR extType;  // bit 7: stock object
  UCHAR generation;
  UCHAR type;
  UCHAR flags;
  UINT64 user;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr size_t kGdiHandles = 0x10000;
constexpr UCHAR kGdiFont = 0x0a;
constexpr size_t kPebGdiTable = 0xF8;  // PEB64.GdiSharedHandleTable

}  // namespace

std::optional<int> FontObjects(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic,
                                sizeof basic, &length) != 0)
    return std::nullopt;
  UINT64 table = 0;
  SIZE_T got = 0;
  if (!ReadProcessMemory(process,
                         reinterpret_cast<const char*>(basic.PebBaseAddress) +
                             kPebGdiTable,
                         &table, sizeof table, &got) ||
      table == 0)
    return std::nullopt;
  std::vector<GdiHandleEntry> entries(kGdiHandles);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table),
                         entries.data(),
                         entries.size() * sizeof(GdiHandleEntry), &got))
    return std::nullopt;
  int fonts = 0;
  for (const auto& e : entries)
    if (e.type == kGdiFont && !(e.extType & 0x80)) ++fonts;
  return fonts;
}

// ---------------------------------------------------------------- dialogs

FileDialog FileDialog::WaitFor(DWORD pid, const std::string& title,
                               Millis timeout) {
  FileDialog dialog;
  WaitUntil(
      [&] {
        HWND hwnd = FindWindowOf(pid, title);
        if (hwnd && IsDialogBox(hwnd) && !IsMessageBox(hwnd)) {
          dialog.hwnd_ = hwnd;
          // Ready once the name box can take the typing.
          return dialog.NameBox() != nullptr;
        }
        return false;
      },
      timeout);
  if (!dialog.hwnd_ || !dialog.NameBox()) {
    ADD_FAILURE() << "no file dialog with the expected title appeared";
    dialog.hwnd_ = nullptr;
  }
  return dialog;
}

HWND FileDialog::NameBox() const {
  HWND combo = GetDlgItem(hwnd_, kFileNameCombo);
  if (!combo) return GetDlgItem(hwnd_, kFileNameEdit);
  if (ClassOf(combo) == "Edit") return combo;
  // The edit inside the (extended) combo box.
  struct Search {
    HWND found = nullptr;
  } search;
  EnumChildWindows(
      combo,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        if (ClassOf(hwnd) != "Edit") return TRUE;
        reinterpret_cast<Search*>(lp)->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> FileDialog::FileTypes() const {
  // The dialog keeps its texts in UTF-16 and, across processes, hands them
  // out so whichever interface asks; they are taken as UTF-16 and turned
  // into the bytes the program's code page gives them.
  std::vector<std::string> types;
  HWND combo = GetDlgItem(hwnd_, kFileTypeCombo);
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length == CB_ERR) break;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, i,
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    std::string bytes(text.size() * 2, '\0');
    bytes.resize(WideCharToMultiByte(CP_ACP, 0, text.data(),
                                     static_cast<int>(text.size()),
                                     bytes.data(),
                                     static_cast<int>(bytes.size()), nullptr,
                                     nullptr));
    types.push_back(bytes);
  }
  return types;
}

void FileDialog::Choose(const std::string& path) const {
  HWND box = NameBox();
  EXPECT_TRUE(BringToFront(hwnd_));
  // The click puts the caret in the box; the name it proposes is selected
  // from the keyboard, and the typing replaces it.
  MouseClick(box);
  WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr),
                            &info) &&
           info.hwndFocus == box;
  });
  SendKey(VK_HOME);
  SendChord({VK_SHIFT}, VK_END);
  TypeText(path);
  EXPECT_TRUE(WaitUntil([&] { return WindowBytes(box) == path; }))
      << "the name box shows " << WindowBytes(box);
  SendKey(VK_RETURN);
}

void FileDialog::CancelWithEsc() const {
  EXPECT_TRUE(BringToFront(hwnd_));
  SendKey(VK_ESCAPE);
}

void FileDialog::CancelWithButton() const {
  MouseClick(GetDlgItem(hwnd_, IDCANCEL));
}

bool FileDialog::WaitClosed(Millis timeout) const {
  return WaitUntil([&] { return !IsWindow(hwnd_) || !IsWindowVisible(hwnd_); },
                   timeout);
}

}  // namespace e2e::shell
