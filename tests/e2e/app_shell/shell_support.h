// Helpers of the application-shell suite: the program's settings in the
// registry, real files in the temp folder, runs with a command line, the
// system's file dialogs and message boxes as a user meets them.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace e2e::shell {

// Shift_JIS bytes of the texts the cases compare.
namespace sjis {
inline constexpr char kFrameTitle[] = "Tavrilond 0.1";
inline constexpr char kAppName[] = "Tavrilond";
inline constexpr char kOpenTitle[] = "\x8a\x4a\x82\xad";  // 開く
// 名前を付けて保存
inline constexpr char kSaveAsTitle[] =
    "\x96\xbc\x91\x4f\x82\xf0\x95\x74\x82\xaf\x82\xc4\x95\xdb\x91\xb6";
// すべてのﾌｧｲﾙ (*.*)
inline constexpr char kAllFiles[] =
    "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\xcc\xa7\xb2\xd9 (*.*)";
inline constexpr char kUntitled[] = "\x96\xb3\x91\xe8";  // 無題
// Tavrilondのﾊﾞｰｼﾞｮﾝ情報
inline constexpr char kAboutCaption[] =
    "Tavrilond\x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1";
}  // namespace sjis

// ---------------------------------------------------------------- registry

inline constexpr char kVendorKey[] =
    "Software\\Local AppWizard-Generated Applications";
inline constexpr char kAppKey[] =
    "Software\\Local AppWizard-Generated Applications\\Tavrilond";
inline constexpr char kRecentKey[] =
    "Software\\Local AppWizard-Generated Applications\\Tavrilond\\"
    "Recent File List";
inline constexpr char kSettingsKey[] =
    "Software\\Local AppWizard-Generated Applications\\Tavrilond\\Settings";

struct RegValue {
  DWORD type = 0;
  std::string data;  // raw bytes, a string's terminating NUL included
};

// Keys below HKEY_CURRENT_USER.
bool KeyExists(const std::string& path);
// Every value of the key by name; nothing when the key is missing.
std::optional<std::map<std::string, RegValue>> KeyValues(const std::string& path);
std::vector<std::string> SubKeys(const std::string& path);
void DeleteKeyTree(const std::string& path);
void WriteString(const std::string& path, const std::string& name,
                 const std::string& value);
void WriteDword(const std::string& path, const std::string& name, DWORD value);

// Removes the program's settings, and the vendor key when nothing else is in
// it: the state of a first start.
void ClearSettings();

// The stored recent-file list, value name to path. Fails the test when a
// value is not a NUL-terminated REG_SZ. Empty when the key is missing.
std::map<std::string, std::string> StoredRecentFiles();

// ---------------------------------------------------------------- files

// A fresh folder under the system's temp folder, removed with its files.
// The file dialogs make the folder a program's current one, which keeps it
// from going: a TempFolder must outlive the programs that used it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Dir() const { return dir_; }  // ends in a backslash
  std::string Path(const std::string& name) const { return dir_ + name; }
  // Writes the file anew and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // Names of the files and folders in it.
  std::vector<std::string> Names() const;

 private:
  std::string dir_;
};

// Whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// ---------------------------------------------------------------- windows

// Visible top-level windows of the process.
std::vector<HWND> VisibleWindowsOf(DWORD pid);
// The visible top-level window of the process whose text is exactly title.
HWND FindWindowOf(DWORD pid, const std::string& title);
HWND WaitForWindowOf(DWORD pid, const std::string& title,
                     Millis timeout = 10000ms);

// Returns once the program's thread has finished what it was doing and
// reads its queue again.
bool Settle(HWND hwnd);

// The text of a message box (its static 0xFFFF).
std::string MessageBoxText(HWND box);

// Types ASCII text into whatever has the keyboard focus, as characters.
void TypeText(const std::string& text);

// ---------------------------------------------------------------- program

// Starts Tavrilond.exe with the argument text and waits for its frame.
std::unique_ptr<App> StartTavrilondWith(const std::string& args);

// Closes the frame the way the close box does and waits for the program to
// end; its exit code, or nothing if it is still running.
std::optional<DWORD> CloseNormally(App& app, Millis timeout = 10000ms);

std::optional<DWORD> WaitForExit(const Process& process, Millis timeout);

// A run of Tavrilond.exe that is expected to end by itself.
struct RunResult {
  std::optional<DWORD> exitCode;          // nothing: still running, killed
  std::vector<std::string> windowTitles;  // visible windows other than boxes
  std::vector<std::string> boxCaptions;   // message boxes, answered with Enter
  std::vector<std::string> boxTexts;
};
RunResult RunToEnd(const std::string& args, Millis timeout = 15000ms);

// Number of font objects the process holds (stock fonts left out), read
// from its GDI handle table: GetGuiResources is a stub under Wine.
std::optional<int> FontObjects(HANDLE process);

// ---------------------------------------------------------------- dialogs

// The system's file-open or file-save dialog of the program.
class FileDialog {
 public:
  // Waits for the dialog with that title; null hwnd (and a failure) if none.
  static FileDialog WaitFor(DWORD pid, const std::string& title,
                            Millis timeout = 10000ms);

  HWND Hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  HWND NameBox() const;
  std::string Name() const { return WindowBytes(NameBox()); }
  // The entries of the file-type list.
  std::vector<std::string> FileTypes() const;

  // Types path over the proposed name and presses Enter.
  void Choose(const std::string& path) const;
  void CancelWithEsc() const;
  void CancelWithButton() const;
  bool WaitClosed(Millis timeout = 10000ms) const;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace e2e::shell
