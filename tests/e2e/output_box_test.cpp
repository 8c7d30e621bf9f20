// The output box as a user works with it: the "コピー" and "クリア" buttons,
// typing and selecting in it, and the edit keys of the frame, pressed on the
// real keyboard with the focus in the box or on a push button.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace e2e {
namespace {


// Never produced by the program, so a clipboard that still holds it was not
// written to.
const char kSentinel[] = "clipboard sentinel";

// "貼り付け" and "●○", a line break, then plain ASCII.
const char kPasteText[] = "\x93\x5c\x82\xe8\x95\x74\x82\xaf\x81\x9c\x81\x9b\r\nxo -";

struct Chord {
  const char* name;
  std::vector<WORD> modifiers;
  WORD key;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Chord& chord, std::ostream* out) { *out << chord.name; }

class OutputBox : public SharedTavrilondTest {
 protected:
  void SetUp() override {
    SharedTavrilondTest::SetUp();
    if (HasFatalFailure()) return;
    standin_ = StartStandin(std::string("--board ") + kPosition);
    ASSERT_TRUE(standin_);
  }

  HWND Button(int id) const { return app_->Control(id); }

  bool BoxBecomes(const std::string& expected) {
    return WaitUntil([&] { return Box() == expected; });
  }

  // Appends one board through the button and returns the box's text.
  std::string AppendBoard(int format = 1) {
    ClickButton(*app_, RadioFor(format));
    const std::string expected = Box() + BoardText(kPosition, format);
    ClickButton(*app_, IDC_GET_BOARD);
    EXPECT_TRUE(BoxBecomes(expected));
    return Box();
  }

  // A real mouse click on a control, which also moves the focus there.
  void ClickAndFocus(HWND control) {
    MouseClick(control);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(*app_) == control; }))
        << "the click did not move the focus";
  }

  void Keys(const std::vector<WORD>& modifiers, WORD key) {
    ASSERT_TRUE(BringToFront(app_->frame));
    SendChord(modifiers, key);
  }

  std::unique_ptr<Standin> standin_;
};

// ---------------------------------------------------------------- buttons

TEST_F(OutputBox, CopyAllPutsEveryBoardOnTheClipboard) {
  AppendBoard(2);
  const std::string text = AppendBoard(0);
  ASSERT_TRUE(SetClipboardText(kSentinel));
  const DWORD serial = GetClipboardSequenceNumber();
  ClickButton(*app_, IDC_COPY_ALL);
  EXPECT_TRUE(WaitForClipboardWrite(serial));
  EXPECT_EQ(ClipboardText(), text);
  EXPECT_EQ(Box(), text);
  EXPECT_TRUE(AllSelected(app_->Box()));

  // The next board goes to the end and leaves nothing selected.
  const std::string next = AppendBoard(1);
  EXPECT_EQ(next, text + BoardText(kPosition, 1));
  EXPECT_TRUE(CaretAtEnd(app_->Box()));
}

TEST_F(OutputBox, ClearAllEmptiesTheBox) {
  AppendBoard(1);
  ClickButton(*app_, IDC_CLEAR_ALL);
  EXPECT_TRUE(BoxBecomes(""));
  EXPECT_EQ(AppendBoard(0), BoardText(kPosition, 0));
}

// The box wraps long lines on screen only; the text keeps them whole.
TEST_F(OutputBox, LongLineWrapsOnScreenAndCopiesWhole) {
  const std::string before = AppendBoard(0);
  std::string line;
  while (line.size() < 300) line += "wrap \x81\x9c\x81\x9b ";
  const LRESULT linesBefore = SendMessageA(app_->Box(), EM_GETLINECOUNT, 0, 0);
  ASSERT_TRUE(SetClipboardText(line));
  Keys({VK_CONTROL}, 'V');  // at the end, where the last board left the caret
  ASSERT_TRUE(BoxBecomes(before + line));
  EXPECT_GT(SendMessageA(app_->Box(), EM_GETLINECOUNT, 0, 0), linesBefore + 1)
      << "the line is not shown wrapped";

  const DWORD serial = GetClipboardSequenceNumber();
  ClickButton(*app_, IDC_COPY_ALL);
  EXPECT_TRUE(WaitForClipboardWrite(serial));
  EXPECT_EQ(ClipboardText(), before + line);
}

TEST(OutputBoxEmpty, CopyAllKeepsTheClipboard) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  ASSERT_EQ(WindowBytes(app->Box()), "");
  ASSERT_TRUE(SetClipboardText(kSentinel));
  ClickButton(*app, IDC_COPY_ALL);  // handled before SendMessage returns
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(ClipboardText(), kSentinel);
}

// ---------------------------------------------------------------- appending

TEST_F(OutputBox, AppendContinuesTheLineTheUserTyped) {
  const std::string before = AppendBoard(0);
  ClickAndFocus(app_->Box());
  Keys({VK_CONTROL}, VK_END);
  Keys({}, 'A');
  Keys({}, 'B');
  ASSERT_TRUE(BoxBecomes(before + "ab"));
  EXPECT_EQ(AppendBoard(1), before + "ab" + BoardText(kPosition, 1));
}

TEST_F(OutputBox, AppendGoesToTheEndWhateverTheUserSelected) {
  const std::string before = AppendBoard(0);
  // Caret to the very start, then three characters selected with the keys.
  ClickAndFocus(app_->Box());
  Keys({VK_CONTROL}, VK_HOME);
  for (int i = 0; i < 3; ++i) Keys({VK_SHIFT}, VK_RIGHT);
  ASSERT_TRUE(WaitUntil(
      [&] { return Selection(app_->Box()) == std::make_pair(0, 3); }))
      << "selection " << Selection(app_->Box()).first << ","
      << Selection(app_->Box()).second;
  EXPECT_EQ(AppendBoard(1), before + BoardText(kPosition, 1));
  EXPECT_TRUE(CaretAtEnd(app_->Box()));
}

// The default limit of an edit control is 30000 characters; the box takes
// more, by paste and by append alike.
TEST(OutputBoxLong, LongTextIsNeitherCutNorRefused) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  auto standin = StartStandin(std::string("--board ") + kPosition);
  ASSERT_TRUE(standin);
  std::string big;
  for (int line = 0; big.size() < 70000; ++line)
    big += "line " + std::to_string(line) + " \x81\x9c\x81\x9b\r\n";
  ASSERT_TRUE(SetClipboardText(big));
  MouseClick(app->Box());
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(*app) == app->Box(); }));
  SendChord({VK_CONTROL}, 'V');
  ASSERT_TRUE(WaitUntil([&] { return WindowBytes(app->Box()) == big; }, 10s))
      << "box holds " << WindowBytes(app->Box()).size() << " bytes of "
      << big.size();
  const std::string expected = big + BoardText(kPosition, 1);
  ClickButton(*app, IDC_GET_BOARD);
  EXPECT_TRUE(
      WaitUntil([&] { return WindowBytes(app->Box()) == expected; }, 10s));
  EXPECT_EQ(WindowBytes(app->Box()).size(), expected.size());
}

// ---------------------------------------------------------------- keys

class OutputBoxCopyKeys : public OutputBox,
                          public ::testing::WithParamInterface<Chord> {};

TEST_P(OutputBoxCopyKeys, SelectAllThenCopyWithTheFocusOnAButton) {
  AppendBoard(2);
  // A real click on "盤面取得": one more board, and the focus on the button.
  const std::string expected = Box() + BoardText(kPosition, 2);
  ClickAndFocus(Button(IDC_GET_BOARD));
  ASSERT_TRUE(BoxBecomes(expected));

  ASSERT_TRUE(SetClipboardText(kSentinel));
  const DWORD serial = GetClipboardSequenceNumber();
  Keys({VK_CONTROL}, 'A');
  EXPECT_TRUE(WaitUntil([&] { return AllSelected(app_->Box()); }));
  Keys(GetParam().modifiers, GetParam().key);
  EXPECT_TRUE(WaitForClipboardWrite(serial));
  EXPECT_EQ(ClipboardText(), expected);
  EXPECT_EQ(FocusOf(*app_), Button(IDC_GET_BOARD));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OutputBoxCopyKeys,
    ::testing::Values(Chord{"CtrlC", {VK_CONTROL}, 'C'},
                      Chord{"CtrlInsert", {VK_CONTROL}, VK_INSERT}),
    [](const auto& info) { return info.param.name; });

class OutputBoxPasteKeys : public OutputBox,
                           public ::testing::WithParamInterface<Chord> {};

TEST_P(OutputBoxPasteKeys, PasteIntoTheBoxWithTheFocusOnAButton) {
  const std::string board = Box() + BoardText(kPosition, 1);
  ClickButton(*app_, IDC_FORMAT_DISC);
  ClickAndFocus(Button(IDC_GET_BOARD));
  ASSERT_TRUE(BoxBecomes(board));

  ASSERT_TRUE(SetClipboardText(kPasteText));
  Keys(GetParam().modifiers, GetParam().key);
  EXPECT_TRUE(BoxBecomes(board + kPasteText));
  EXPECT_EQ(Box(), board + kPasteText);
  EXPECT_EQ(FocusOf(*app_), Button(IDC_GET_BOARD));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OutputBoxPasteKeys,
    ::testing::Values(Chord{"CtrlV", {VK_CONTROL}, 'V'},
                      Chord{"ShiftInsert", {VK_SHIFT}, VK_INSERT}),
    [](const auto& info) { return info.param.name; });

// Keys that an edit control would take for cut, undo or pane switching. The
// frame's key table catches them first and nothing handles them, so the text,
// the selection, the focus and the clipboard all stay.
struct QuietCase {
  Chord chord;
  bool focusInBox;
};

void PrintTo(const QuietCase& c, std::ostream* out) {
  *out << c.chord.name << (c.focusInBox ? ", focus in the box" : ", focus on a button");
}

class OutputBoxQuietKeys : public OutputBox,
                           public ::testing::WithParamInterface<QuietCase> {};

TEST_P(OutputBoxQuietKeys, ChangeNothing) {
  const QuietCase& c = GetParam();
  AppendBoard(1);
  // Something the box could undo: one letter typed at the end.
  ClickAndFocus(app_->Box());
  Keys({VK_CONTROL}, VK_END);
  const std::string text = Box() + "q";
  Keys({}, 'Q');
  ASSERT_TRUE(BoxBecomes(text));

  // Everything selected, so that a cut would show.
  HWND focus = app_->Box();
  if (c.focusInBox) {
    Keys({VK_CONTROL}, 'A');
  } else {
    focus = Button(IDC_COPY_ALL);
    const DWORD serial = GetClipboardSequenceNumber();
    ClickAndFocus(focus);  // selects everything and copies it
    ASSERT_TRUE(WaitForClipboardWrite(serial));
    ASSERT_EQ(ClipboardText(), text);
  }
  ASSERT_TRUE(WaitUntil([&] { return AllSelected(app_->Box()); }));

  ASSERT_TRUE(SetClipboardText(kSentinel));
  const DWORD serial = GetClipboardSequenceNumber();
  Keys(c.chord.modifiers, c.chord.key);
  // Ctrl+C after it: once the clipboard is written, the key before it has
  // been handled too.
  Keys({VK_CONTROL}, 'C');
  EXPECT_TRUE(WaitForClipboardWrite(serial))
      << "neither the key nor the Ctrl+C after it wrote to the clipboard";
  // A cut writes the clipboard before it removes the text; give a wrong cut
  // time to show.
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(Box(), text);
  EXPECT_EQ(ClipboardText(), text);
  EXPECT_TRUE(AllSelected(app_->Box()));
  EXPECT_EQ(FocusOf(*app_), focus);
}

const Chord kQuietChords[] = {
    {"CtrlX", {VK_CONTROL}, 'X'},     {"ShiftDelete", {VK_SHIFT}, VK_DELETE},
    {"CtrlZ", {VK_CONTROL}, 'Z'},     {"AltBackspace", {VK_MENU}, VK_BACK},
    {"F6", {}, VK_F6},                {"ShiftF6", {VK_SHIFT}, VK_F6},
};

std::vector<QuietCase> QuietCases() {
  std::vector<QuietCase> cases;
  for (const Chord& chord : kQuietChords)
    for (bool inBox : {true, false}) cases.push_back({chord, inBox});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OutputBoxQuietKeys, ::testing::ValuesIn(QuietCases()),
    [](const auto& info) {
      return std::string(info.param.chord.name) +
             (info.param.focusInBox ? "_FocusInBox" : "_FocusOnButton");
    });

}  // namespace
}  // namespace e2e
