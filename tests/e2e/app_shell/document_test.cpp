// New, Open and Save through the keys and the system's file dialogs, and
// what they leave in the recent-file list, on the files and in the form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "shell_support.h"
#include "res/resource.h"

namespace e2e::shell {
namespace {


using Files = std::map<std::string, std::string>;

std::string FullPath(const std::string& path) {
  char full[MAX_PATH * 2] = {};
  GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return full;
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  return s;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return Upper(a) == Upper(b);
}

bool Checked(const App& app, int id) {
  return SendMessageA(app.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Which of the three format buttons are checked, as "disc coord xo" flags.
std::string Radios(const App& app) {
  return std::string(Checked(app, IDC_FORMAT_DISC) ? "D" : "-") +
         (Checked(app, IDC_FORMAT_DISC_COORD) ? "C" : "-") +
         (Checked(app, IDC_FORMAT_XO) ? "X" : "-");
}

// Width and height of a window, frame included.
using Size = std::pair<int, int>;
Size SizeOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void PressKey(const App& app, WORD key) {
  ASSERT_TRUE(BringToFront(app.frame));
  SendChord({VK_CONTROL}, key);
}

class ShellDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    BeforeStart();
    app_ = StartTavrilondWith(args_);
    ASSERT_TRUE(app_);
  }
  void TearDown() override {
    app_.reset();
    ClearSettings();
  }

  virtual void BeforeStart() {}

  DWORD Pid() const { return app_->process.Id(); }

  // Clicking "xo形式" leaves only it checked, so that an initial update shows
  // as "●○形式" checked again.
  void MarkForm() {
    ClickButton(*app_, IDC_FORMAT_XO);
    ASSERT_EQ(Radios(*app_), "--X");
  }

  // Ctrl+O and the path chosen in the open dialog.
  void OpenWithDialog(const std::string& path) {
    ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'O'));
    FileDialog dialog = FileDialog::WaitFor(Pid(), sjis::kOpenTitle);
    ASSERT_TRUE(dialog);
    dialog.Choose(path);
    ASSERT_TRUE(dialog.WaitClosed());
    ASSERT_TRUE(Settle(app_->frame));
  }

  // Opens the file and sees the form's initial update run.
  void OpenAndSeeItOpened(const std::string& path) {
    ASSERT_NO_FATAL_FAILURE(MarkForm());
    ASSERT_NO_FATAL_FAILURE(OpenWithDialog(path));
    EXPECT_EQ(Radios(*app_), "D-X") << path << " was not opened";
    EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);
  }

  // No window of the program but its frame.
  void ExpectOnlyTheFrame() {
    EXPECT_EQ(VisibleWindowsOf(Pid()), std::vector<HWND>{app_->frame});
  }

  TempFolder temp_;  // outlives the program, which may sit in it
  std::string args_;
  std::unique_ptr<App> app_;
};

// ---------------------------------------------------------------- New

TEST_F(ShellDocument, NewKeepsTheTextRechecksTheDiscFormatAndFitsTheFrame) {
  const Size fitted = SizeOf(app_->frame);
  const auto fontsAtStart = FontObjects(app_->process.Handle());
  ASSERT_TRUE(fontsAtStart) << "cannot read the program's GDI handle table";
  ASSERT_GE(*fontsAtStart, 1);

  MouseClick(app_->Box());
  TypeText("my notes 1");
  ASSERT_TRUE(WaitUntil([&] { return WindowBytes(app_->Box()) == "my notes 1"; }));
  ASSERT_NO_FATAL_FAILURE(MarkForm());
  SetWindowPos(app_->frame, nullptr, 0, 0, fitted.first + 150, fitted.second + 90,
               SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return SizeOf(app_->frame) != fitted; }));

  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'N'));
  ASSERT_TRUE(WaitUntil([&] { return Checked(*app_, IDC_FORMAT_DISC); }));
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(Radios(*app_), "D-X") << "the other buttons keep their state";
  EXPECT_EQ(WindowBytes(app_->Box()), "my notes 1");
  EXPECT_EQ(SizeOf(app_->frame), fitted) << "the frame was not shrunk back";
  EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);
  ExpectOnlyTheFrame();  // nobody is asked to save

  // Smaller than the form: the frame stays so and the form scrolls.
  const Size small{fitted.first - 80, fitted.second - 60};
  SetWindowPos(app_->frame, nullptr, 0, 0, small.first, small.second,
               SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_NO_FATAL_FAILURE(MarkForm());
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'N'));
  ASSERT_TRUE(WaitUntil([&] { return Checked(*app_, IDC_FORMAT_DISC); }));
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(SizeOf(app_->frame), small);
  const LONG viewStyle = GetWindowLongA(app_->view, GWL_STYLE);
  EXPECT_TRUE((viewStyle & WS_HSCROLL) && (viewStyle & WS_VSCROLL))
      << "no scroll bars on a view smaller than the form, style " << std::hex
      << viewStyle;
  SetWindowPos(app_->frame, nullptr, 0, 0, fitted.first, fitted.second,
               SWP_NOMOVE | SWP_NOZORDER);

  // Each New makes a font for the box and lets the earlier one go.
  for (int i = 0; i < 20; ++i) {
    ASSERT_NO_FATAL_FAILURE(MarkForm());
    ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'N'));
    ASSERT_TRUE(WaitUntil([&] { return Checked(*app_, IDC_FORMAT_DISC); }))
        << "New number " << i;
  }
  ASSERT_TRUE(Settle(app_->frame));
  std::optional<int> fonts;
  WaitUntil([&] {
    fonts = FontObjects(app_->process.Handle());
    return fonts == fontsAtStart;
  }, 2000ms);
  EXPECT_EQ(fonts, fontsAtStart) << "fonts held after 22 New commands";
  EXPECT_EQ(WindowBytes(app_->Box()), "my notes 1");

  // "●○形式" and "xo形式" both checked: the disc format is asked first.
  const std::string position =
      "--------" "--------" "---xo---" "---ox---"
      "--xxx---" "--------" "--------" "-------o";
  auto standin = StartStandin("--board " + position);
  ASSERT_TRUE(standin);
  ASSERT_EQ(Radios(*app_), "D-X");
  const std::string expected = "my notes 1" + BoardText(position, 1);
  ClickButton(*app_, IDC_GET_BOARD);
  WaitUntil([&] { return WindowBytes(app_->Box()) == expected; });
  EXPECT_EQ(WindowBytes(app_->Box()), expected);
}

// ---------------------------------------------------------------- Open

TEST_F(ShellDocument, OpenOffersAllFilesAndOpensAnyReadableFile) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  const std::vector<std::pair<std::string, std::string>> files = {
      {"empty", ""},
      {"every byte.bin", everyByte},
      {"large.dat", std::string(3 << 20, 'x')},
      // "盤面" in Shift_JIS, as a text editor would save it.
      {"notes.txt", "\x94\xd5\x96\xca\r\n"},
  };
  std::vector<std::string> paths;
  for (const auto& [name, bytes] : files) paths.push_back(temp_.Write(name, bytes));

  // The dialog and its one filter; cancelled, nothing happens.
  ASSERT_NO_FATAL_FAILURE(MarkForm());
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'O'));
  FileDialog dialog = FileDialog::WaitFor(Pid(), sjis::kOpenTitle);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog.FileTypes(), std::vector<std::string>{sjis::kAllFiles});
  EXPECT_FALSE(IsWindowEnabled(app_->frame)) << "the open dialog is not modal";
  dialog.CancelWithEsc();
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(Radios(*app_), "--X") << "cancel went on to open";

  for (const std::string& path : paths)
    ASSERT_NO_FATAL_FAILURE(OpenAndSeeItOpened(path));
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(ReadFileBytes(paths[i]), files[i].second) << paths[i];

  // A file that another program holds exclusively cannot be read: the
  // framework says so and the document stays as it was.
  const std::string locked = temp_.Write("locked.txt", "held");
  HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  ASSERT_NO_FATAL_FAILURE(MarkForm());
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'O'));
  dialog = FileDialog::WaitFor(Pid(), sjis::kOpenTitle);
  ASSERT_TRUE(dialog);
  dialog.Choose(locked);
  HWND box = WaitForWindowOf(Pid(), sjis::kAppName);
  ASSERT_TRUE(box) << "no message about the unreadable file";
  EXPECT_NE(MessageBoxText(box), "");
  ASSERT_TRUE(BringToFront(box));
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  ASSERT_TRUE(Settle(app_->frame));
  CloseHandle(hold);
  EXPECT_EQ(Radios(*app_), "--X");
  EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);
  ExpectOnlyTheFrame();

  EXPECT_EQ(CloseNormally(*app_), 0u);
  EXPECT_EQ(StoredRecentFiles(), (Files{{"File1", FullPath(paths[3])},
                                        {"File2", FullPath(paths[2])},
                                        {"File3", FullPath(paths[1])},
                                        {"File4", FullPath(paths[0])}}));
}

TEST_F(ShellDocument, RecentListKeepsTheLastFourAndMovesAReopenedFileUp) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 5; ++i)
    paths.push_back(FullPath(temp_.Write("game" + std::to_string(i) + ".txt",
                                        std::to_string(i))));
  for (const std::string& path : paths)
    ASSERT_NO_FATAL_FAILURE(OpenAndSeeItOpened(path));

  // Already in the list, spelt in other letters: it moves up, none drops.
  ASSERT_NO_FATAL_FAILURE(OpenAndSeeItOpened(Upper(paths[2])));

  // The document's own file again: nothing happens at all.
  ASSERT_NO_FATAL_FAILURE(MarkForm());
  ASSERT_NO_FATAL_FAILURE(OpenWithDialog(paths[2]));
  EXPECT_EQ(Radios(*app_), "--X") << "the current file was opened again";
  ExpectOnlyTheFrame();

  EXPECT_EQ(CloseNormally(*app_), 0u);
  Files stored = StoredRecentFiles();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_TRUE(EqualIgnoringCase(stored["File1"], paths[2])) << stored["File1"];
  EXPECT_EQ(stored["File2"], paths[4]);
  EXPECT_EQ(stored["File3"], paths[3]);
  EXPECT_EQ(stored["File4"], paths[1]);
}

// ---------------------------------------------------------------- Save

class ShellDocumentWithHistory : public ShellDocument {
 protected:
  void BeforeStart() override {
    WriteString(kRecentKey, "File1", "C:\\earlier\\a.txt");
    WriteString(kRecentKey, "File2", "C:\\earlier\\b.txt");
  }

  // Ctrl+S, and the save dialog that it is expected to bring.
  FileDialog SaveWithDialog() {
    PressKey(*app_, 'S');
    return FileDialog::WaitFor(Pid(), sjis::kSaveAsTitle);
  }
};

TEST_F(ShellDocumentWithHistory, SaveAsksForANameOnceThenSavesThereAgain) {
  const std::string path = FullPath(temp_.Path("saved position"));

  FileDialog dialog = SaveWithDialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog.Name(), sjis::kUntitled);
  EXPECT_EQ(dialog.FileTypes(), std::vector<std::string>{sjis::kAllFiles});
  dialog.Choose(path);
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_EQ(temp_.Names(), std::vector<std::string>{"saved position"})
      << "an extension was added";
  EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);

  // The path that the save gave the document is written again unasked.
  temp_.Write("saved position", "changed meanwhile");
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'S'));
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(path) == ""; }))
      << "the second save did not write the file";
  ASSERT_TRUE(Settle(app_->frame));
  ExpectOnlyTheFrame();

  // Held by another program: the framework says it cannot save, and the
  // document keeps its path, to which the next save goes unasked.
  temp_.Write("saved position", "held elsewhere");
  HANDLE hold = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'S'));
  HWND box = WaitForWindowOf(Pid(), sjis::kAppName);
  EXPECT_TRUE(box) << "no message about the failed save";
  if (box) {
    EXPECT_NE(MessageBoxText(box), "");
    BringToFront(box);
    SendKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  }
  ASSERT_TRUE(Settle(app_->frame));
  CloseHandle(hold);
  EXPECT_EQ(ReadFileBytes(path), "held elsewhere");
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'S'));
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(path) == ""; }))
      << "the path was lost with the failed save";
  ASSERT_TRUE(Settle(app_->frame));

  // A read-only file is not written: the dialog asks, proposing the path.
  temp_.Write("saved position", "read only");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  dialog = SaveWithDialog();
  ASSERT_TRUE(dialog) << "no dialog for a read-only file";
  const std::string proposed = dialog.Name();
  EXPECT_TRUE(proposed == "saved position" || proposed == path) << proposed;
  dialog.CancelWithEsc();
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(path), "read only");

  // A file gone meanwhile is asked for again, and made anew.
  DeleteFileA(path.c_str());
  dialog = SaveWithDialog();
  ASSERT_TRUE(dialog) << "no dialog for a file that is gone";
  dialog.Choose(path);
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);

  EXPECT_EQ(CloseNormally(*app_), 0u);
  EXPECT_EQ(StoredRecentFiles(), (Files{{"File1", path},
                                        {"File2", "C:\\earlier\\a.txt"},
                                        {"File3", "C:\\earlier\\b.txt"}}));
}

// A file that the program only opened is never emptied by a save: the save
// dialog comes instead, and cancelling it leaves the file alone.
class ShellDocumentFromCommandLine : public ShellDocument {
 protected:
  void SetUp() override {
    opened_ = temp_.Write("from the shell.txt", "first position\r\n");
    args_ = "\"" + opened_ + "\"";
    ShellDocument::SetUp();
  }
  std::string opened_;
};

TEST_F(ShellDocumentFromCommandLine, SaveOfAnOpenedFileAsksForAName) {
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'S'));
  FileDialog dialog = FileDialog::WaitFor(Pid(), sjis::kSaveAsTitle);
  ASSERT_TRUE(dialog) << "saved over the file named on the command line";
  const std::string proposed = dialog.Name();
  EXPECT_TRUE(proposed == "from the shell.txt" || proposed == FullPath(opened_))
      << "proposed " << proposed;
  dialog.CancelWithEsc();
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(ReadFileBytes(opened_), "first position\r\n");

  const std::string other = temp_.Write("opened.txt", "second position\r\n");
  ASSERT_NO_FATAL_FAILURE(OpenAndSeeItOpened(other));
  ASSERT_NO_FATAL_FAILURE(PressKey(*app_, 'S'));
  dialog = FileDialog::WaitFor(Pid(), sjis::kSaveAsTitle);
  ASSERT_TRUE(dialog) << "saved over the file opened with Ctrl+O";
  dialog.CancelWithButton();
  ASSERT_TRUE(dialog.WaitClosed());
  ASSERT_TRUE(Settle(app_->frame));
  EXPECT_EQ(ReadFileBytes(other), "second position\r\n");
  EXPECT_EQ(ReadFileBytes(opened_), "first position\r\n");
  EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);

  EXPECT_EQ(CloseNormally(*app_), 0u);
  EXPECT_EQ(StoredRecentFiles(),
            (Files{{"File1", FullPath(other)}, {"File2", FullPath(opened_)}}));
}

}  // namespace
}  // namespace e2e::shell
