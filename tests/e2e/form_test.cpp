// The frame and the form as a user finds them: title, frame styles, the menu
// bar, the controls, their layout and the output box's font, and the radio
// buttons under clicks.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <thread>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "res/resource.h"

namespace e2e {
namespace {


bool Checked(const App& app, int id) {
  return SendMessageA(app.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The form made again in this process from a template of the same size and
// font ("ＭＳ Ｐゴシック" 9 pt): its dialog units convert to pixels as the
// program's form does, and with the output box in it, the box goes through
// the same fonts as the program's box (the template's, then its own).
class ReferenceForm {
 public:
  explicit ReferenceForm(bool withBox = false) {
    // DLGTEMPLATE, then menu, class and title (all empty), then the font.
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dlg->style = WS_POPUP | DS_SETFONT;
    dlg->cdit = withBox ? 1 : 0;
    dlg->cx = 195;
    dlg->cy = 130;
    t.insert(t.end(), {0, 0, 0, 9});
    for (const wchar_t* p = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF"; *p;
         ++p)
      t.push_back(static_cast<WORD>(*p));
    t.push_back(0);
    if (withBox) {
      if (t.size() % 2) t.push_back(0);  // items start on a DWORD
      const size_t at = t.size();
      t.resize(at + sizeof(DLGITEMTEMPLATE) / sizeof(WORD), 0);
      auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(t.data() + at);
      item->style = 0x50A11004;  // the box's style in the program's form
      item->x = 7;
      item->y = 7;
      item->cx = 107;
      item->cy = 116;
      item->id = IDC_BOARD_TEXT;
      t.insert(t.end(), {0xFFFF, 0x0081, 0, 0});  // EDIT, no text, no data
    }
    dialog_ = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
        nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    if (dialog_ && withBox) {
      // Out of the program's way, and shown, so that it paints.
      SetWindowPos(dialog_, HWND_TOP, 1400, 900, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
  }
  ~ReferenceForm() {
    if (dialog_) DestroyWindow(dialog_);
  }

  bool Ok() const { return dialog_ != nullptr; }
  HWND Window() const { return dialog_; }
  HWND Box() const { return GetDlgItem(dialog_, IDC_BOARD_TEXT); }

  // Position and size convert separately, as the dialog manager places
  // controls; the right edge is not the converted x + w.
  RECT Pixels(int x, int y, int w, int h) const {
    RECT r{x, y, w, h};
    MapDialogRect(dialog_, &r);
    return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
  }

 private:
  HWND dialog_ = nullptr;
};

RECT RectIn(HWND parent, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// One Tavrilond, only looked at, for the cases that change nothing.
class FormAtStart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { shared_ = StartTavrilond(); }
  static void TearDownTestSuite() { shared_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(shared_ && shared_->process.Running());
    app_ = shared_.get();
  }

  static inline std::unique_ptr<App> shared_;
  App* app_ = nullptr;
};

TEST_F(FormAtStart, Title) {
  EXPECT_EQ(WindowBytes(app_->frame), "Tavrilond 0.1");
  char title[64] = {};
  GetWindowTextA(app_->frame, title, sizeof title);
  EXPECT_STREQ(title, "Tavrilond 0.1");
}

TEST_F(FormAtStart, FrameStyles) {
  const LONG style = GetWindowLongA(app_->frame, GWL_STYLE);
  // An overlapped window with caption, system menu, sizing border and both
  // boxes, shown; nothing else of significance (no FWS_ADDTOTITLE 0x8000
  // left over, not minimized or maximized, no parent).
  const LONG incidental = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  EXPECT_EQ(style & ~incidental, WS_OVERLAPPEDWINDOW) << std::hex << style;
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongA(app_->frame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetAncestor(app_->frame, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(app_->frame, GW_OWNER), nullptr);
}

TEST_F(FormAtStart, ControlsAndTheirTexts) {
  struct Expected {
    int id;
    const char* className;
    const char* text;
  };
  const Expected controls[] = {
      {IDC_BOARD_TEXT, "Edit", ""},
      {IDC_FORMAT_DISC, "Button", "\x81\x9c\x81\x9b\x8c\x60\x8e\xae"},  // ●○形式
      // ●○形式（座標付）
      {IDC_FORMAT_DISC_COORD, "Button",
       "\x81\x9c\x81\x9b\x8c\x60\x8e\xae\x81\x69\x8d\xc0\x95\x57\x95\x74\x81"
       "\x6a"},
      {IDC_FORMAT_XO, "Button", "xo\x8c\x60\x8e\xae"},            // xo形式
      {IDC_GET_BOARD, "Button", "\x94\xd5\x96\xca\x8e\xe6\x93\xbe"},  // 盤面取得
      {IDC_COPY_ALL, "Button", "\x83\x52\x83\x73\x81\x5b"},           // コピー
      {IDC_CLEAR_ALL, "Button", "\x83\x4e\x83\x8a\x83\x41"},          // クリア
  };
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.id);
    HWND hwnd = app_->Control(c.id);
    ASSERT_TRUE(hwnd);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, c.className);
    EXPECT_EQ(WindowBytes(hwnd), c.text);
    EXPECT_TRUE(IsWindowVisible(hwnd));
  }
}

TEST_F(FormAtStart, OnlyTheDiscFormatIsChecked) {
  EXPECT_TRUE(Checked(*app_, IDC_FORMAT_DISC));
  EXPECT_FALSE(Checked(*app_, IDC_FORMAT_DISC_COORD));
  EXPECT_FALSE(Checked(*app_, IDC_FORMAT_XO));
  EXPECT_EQ(WindowBytes(app_->Box()), "");
}

TEST_F(FormAtStart, ClientAreaMatchesTheForm) {
  ReferenceForm units;
  ASSERT_TRUE(units.Ok());
  const RECT form = units.Pixels(0, 0, 195, 130);

  // The view fills the frame's client area, and the view's own client area
  // is the form: no scroll bars, nothing to spare.
  RECT frameClient, viewClient;
  GetClientRect(app_->frame, &frameClient);
  GetClientRect(app_->view, &viewClient);
  const RECT viewInFrame = RectIn(app_->frame, app_->view);
  EXPECT_EQ(Describe(viewInFrame), Describe(frameClient));
  EXPECT_EQ(Describe(viewClient), Describe(form));
  const LONG viewStyle = GetWindowLongA(app_->view, GWL_STYLE);
  EXPECT_FALSE(viewStyle & (WS_HSCROLL | WS_VSCROLL)) << std::hex << viewStyle;
}

TEST_F(FormAtStart, ControlsStandWhereTheFormPlacesThem) {
  ReferenceForm units;
  ASSERT_TRUE(units.Ok());
  struct Place {
    int id, x, y, w, h;
  };
  const Place places[] = {
      {IDC_BOARD_TEXT, 7, 7, 107, 116},           {IDC_FORMAT_DISC, 117, 7, 43, 10},
      {IDC_FORMAT_DISC_COORD, 117, 19, 71, 10}, {IDC_FORMAT_XO, 117, 32, 37, 10},
      {IDC_GET_BOARD, 118, 66, 62, 14},      {IDC_COPY_ALL, 118, 86, 62, 14},
      {IDC_CLEAR_ALL, 118, 107, 62, 14},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.id);
    EXPECT_EQ(Describe(RectIn(app_->view, app_->Control(p.id))),
              Describe(units.Pixels(p.x, p.y, p.w, p.h)));
  }
}

// ---------------------------------------------------------------- pictures

// What a window shows, read back from the screen. Menus and fonts of
// another process cannot be asked for under Wine (GetMenuItemCount and
// WM_GETFONT do not cross processes), so the suites compare what the user
// sees with the same thing drawn in this process.
struct Picture {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;
  bool operator==(const Picture&) const = default;
  bool Plain() const {
    for (DWORD p : pixels)
      if (p != pixels.front()) return false;
    return true;
  }
};

std::ostream& operator<<(std::ostream& os, const Picture& p) {
  return os << p.width << "x" << p.height << " picture";
}

// rect is in the coordinates of dc.
Picture Grab(HDC dc, const RECT& rect) {
  Picture p;
  p.width = rect.right - rect.left;
  p.height = rect.bottom - rect.top;
  if (!dc || p.width <= 0 || p.height <= 0) return p;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = p.width;
  bi.bmiHeader.biHeight = -p.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  if (BitBlt(mem, 0, 0, p.width, p.height, dc, rect.left, rect.top, SRCCOPY)) {
    GdiFlush();
    const DWORD* px = static_cast<const DWORD*>(bits);
    p.pixels.assign(px, px + p.width * p.height);
  }
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bitmap);
  return p;
}

// A whole top-level window, frame included.
Picture GrabWindow(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  HDC dc = GetWindowDC(hwnd);
  Picture p = Grab(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
  ReleaseDC(hwnd, dc);
  return p;
}

// Part of a top-level window's client area: where `child` lies in it.
Picture GrabChild(HWND top, HWND child) {
  HDC dc = GetDC(top);
  Picture p = Grab(dc, RectIn(top, child));
  ReleaseDC(top, dc);
  return p;
}

// Grabs until three grabs in a row, some way apart, agree and show
// something: the window paints, and the display catches up, in its own time.
Picture SettledPicture(const std::function<Picture()>& grab) {
  Picture last = grab();
  int same = 0;
  WaitUntil(
      [&] {
        std::this_thread::sleep_for(40ms);
        Picture next = grab();
        same = next == last && !next.Plain() ? same + 1 : 0;
        last = std::move(next);
        return same >= 2;
      },
      3000ms, 0ms);
  return last;
}

// A thread of this process with windows of its own and a message loop, so
// that a menu opened in it runs its own modal loop without stopping the
// test.
class UiThread {
 public:
  explicit UiThread(std::function<HWND()> create) {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, create, ready] {
      window_ = create();
      threadId_ = GetCurrentThreadId();
      SetEvent(ready);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      // The thread's windows go with it. An explicit DestroyWindow would
      // wait two seconds for a window manager that is not there.
    });
    WaitForSingleObject(ready, 5000);
    CloseHandle(ready);
  }
  ~UiThread() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND Window() const { return window_; }

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

HWND ShownPopupMenuOf(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found;
  } search{pid, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        char cls[16] = {};
        GetClassNameA(hwnd, cls, sizeof cls);
        if (owner == s->pid && IsWindowVisible(hwnd) &&
            std::strcmp(cls, "#32768") == 0) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Opens the menu bar's first pop-up from the keyboard (F10, Down), grabs it
// and closes the menu again.
Picture OpenedMenuPicture(HWND frame, DWORD pid) {
  if (!BringToFront(frame)) return {};
  SendKey(VK_F10);
  SendKey(VK_DOWN);
  HWND popup = nullptr;
  WaitUntil([&] { return (popup = ShownPopupMenuOf(pid)) != nullptr; });
  Picture p;
  if (popup) p = SettledPicture([&] { return GrabWindow(popup); });
  SendKey(VK_ESCAPE);
  SendKey(VK_ESCAPE);
  WaitUntil([&] { return ShownPopupMenuOf(pid) == nullptr; });
  return p;
}

// A frame of this process with the menu the program should show: one pop-up
// with an empty caption holding "ﾂｰﾙ ﾊﾞｰ(&T)".
HWND ReferenceFrame(UINT itemFlags) {
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING | itemFlags, 59392,
              "\xc2\xb0\xd9\x20\xca\xde\xb0(&T)");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "");
  HWND frame = CreateWindowExA(0, "STATIC", "reference",
                               WS_POPUP | WS_BORDER | WS_VISIBLE, 1400, 900,
                               300, 200, nullptr, bar, nullptr, nullptr);
  return frame;
}

TEST(FormMenu, OnePopupWithTheToolBarItemEnabledAndUnchecked) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  ASSERT_TRUE(GetMenu(app->frame));
  // The frame's border holds one line of menu bar.
  RECT window, client;
  GetWindowRect(app->frame, &window);
  GetClientRect(app->frame, &client);
  RECT withMenu = client;
  AdjustWindowRectEx(&withMenu, GetWindowLongA(app->frame, GWL_STYLE), TRUE,
                     GetWindowLongA(app->frame, GWL_EXSTYLE));
  EXPECT_EQ(window.bottom - window.top, withMenu.bottom - withMenu.top);

  const Picture shown = OpenedMenuPicture(app->frame, app->process.Id());
  ASSERT_FALSE(shown.Plain()) << "no pop-up menu opened";

  UiThread reference([] { return ReferenceFrame(0); });
  ASSERT_TRUE(reference.Window());
  const Picture expected =
      OpenedMenuPicture(reference.Window(), GetCurrentProcessId());
  ASSERT_FALSE(expected.Plain());
  EXPECT_EQ(shown, expected);

  // The comparison tells a greyed or checked item apart.
  for (UINT flags : {UINT(MF_GRAYED), UINT(MF_CHECKED)}) {
    UiThread other([flags] { return ReferenceFrame(flags); });
    EXPECT_NE(OpenedMenuPicture(other.Window(), GetCurrentProcessId()),
              expected)
        << flags;
  }
}

// The output box's font, as the user sees it: the box's pixels against the
// same edit control of this process in the font it should have.
TEST(FormFont, OutputBoxDrawsInMsGothic12) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  // "ＭＳ ゴシック il WM 12", then "●○＋ xo-" on a second line.
  const std::string text =
      "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e il WM 12\r\n"
      "\x81\x9c\x81\x9b\x81\x7b xo-";
  ASSERT_TRUE(SetClipboardText(text));
  ASSERT_TRUE(BringToFront(app->frame));
  SendChord({VK_CONTROL}, 'V');
  ASSERT_TRUE(WaitUntil([&] { return WindowBytes(app->Box()) == text; }));
  // Focus out of the box, so that no caret blinks in the picture.
  HWND radio = app->Control(IDC_FORMAT_DISC);
  MouseClick(radio);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(*app) == radio; }));

  // The same box in this process, in the expected font and, for contrast,
  // in the form's face at the same height.
  struct Candidate {
    const char* face;
    bool expected;
  };
  const Candidate candidates[] = {
      // "ＭＳ ゴシック"
      {"\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e", true},
      // "ＭＳ Ｐゴシック"
      {"\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
       false},
  };
  const Picture shown =
      SettledPicture([&] { return GrabChild(app->frame, app->Box()); });
  for (const Candidate& c : candidates) {
    SCOPED_TRACE(c.expected ? "expected face" : "form's face");
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET,
                             OUT_TT_PRECIS, 0x0F, PROOF_QUALITY,
                             FIXED_PITCH | FF_MODERN, c.face);
    ASSERT_TRUE(font);
    Picture drawn;
    {
      ReferenceForm reference(true);
      ASSERT_TRUE(reference.Ok());
      SendMessageA(reference.Box(), WM_SETFONT, reinterpret_cast<WPARAM>(font),
                   TRUE);
      SetWindowTextA(reference.Box(), text.c_str());
      UpdateWindow(reference.Window());
      drawn = GrabChild(reference.Window(), reference.Box());
    }
    DeleteObject(font);
    if (c.expected) {
      EXPECT_EQ(shown, drawn);
    } else {
      EXPECT_NE(shown, drawn);
    }
  }
}

// ---------------------------------------------------------------- new

// Ctrl+N fits the frame to the form again where the user made it larger,
// and leaves it alone where it is smaller: then the view scrolls.
TEST(FormAfterNew, FrameShrinksBackToTheFormButNeverGrows) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  ReferenceForm units;
  ASSERT_TRUE(units.Ok());
  const RECT form = units.Pixels(0, 0, 195, 130);
  RECT fitted;
  GetWindowRect(app->frame, &fitted);
  const int w = fitted.right - fitted.left, h = fitted.bottom - fitted.top;

  // Ctrl+N, and its mark: "●○形式" checked again after "xo形式" was clicked.
  auto newDocument = [&] {
    ClickButton(*app, IDC_FORMAT_XO);
    ASSERT_FALSE(Checked(*app, IDC_FORMAT_DISC));
    ASSERT_TRUE(BringToFront(app->frame));
    SendChord({VK_CONTROL}, 'N');
    ASSERT_TRUE(WaitUntil([&] { return Checked(*app, IDC_FORMAT_DISC); }));
  };
  auto frameRect = [&] {
    RECT r;
    GetWindowRect(app->frame, &r);
    return Describe(r);
  };

  // The user drags the border outwards.
  SetWindowPos(app->frame, nullptr, 0, 0, w + 120, h + 80,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_NE(frameRect(), Describe(fitted));
  newDocument();
  EXPECT_TRUE(WaitUntil([&] { return frameRect() == Describe(fitted); }));
  EXPECT_EQ(frameRect(), Describe(fitted));
  RECT viewClient;
  GetClientRect(app->view, &viewClient);
  EXPECT_EQ(Describe(viewClient), Describe(form));

  // Wider but lower than the form: the height stays, and the width comes
  // back to the form's beside the vertical scroll bar the view now needs.
  SetWindowPos(app->frame, nullptr, 0, 0, w + 100, h - 50,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  newDocument();
  auto viewClientWidth = [&] {
    RECT r;
    GetClientRect(app->view, &r);
    return r.right;
  };
  EXPECT_TRUE(WaitUntil([&] { return viewClientWidth() == form.right; }));
  EXPECT_EQ(viewClientWidth(), form.right);
  RECT lower;
  GetWindowRect(app->frame, &lower);
  EXPECT_EQ(lower.left, fitted.left);
  EXPECT_EQ(lower.top, fitted.top);
  EXPECT_EQ(lower.bottom - lower.top, h - 50);
  EXPECT_TRUE(GetWindowLongA(app->view, GWL_STYLE) & WS_VSCROLL)
      << "the view shows no vertical scroll bar";

  // Smaller than the form both ways: nothing moves.
  SetWindowPos(app->frame, nullptr, 0, 0, w - 60, h - 40,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const std::string small = frameRect();
  newDocument();
  std::this_thread::sleep_for(200ms);  // a wrong resize would be visible now
  EXPECT_EQ(frameRect(), small);
  const LONG viewStyle = GetWindowLongA(app->view, GWL_STYLE);
  EXPECT_EQ(viewStyle & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL)
      << std::hex << viewStyle;
  EXPECT_EQ(WindowBytes(app->frame), "Tavrilond 0.1");
}

// ---------------------------------------------------------------- clicks

TEST(FormRadios, AClickChecksOneAndClearsTheOthers) {
  auto app = StartTavrilond();
  ASSERT_TRUE(app);
  struct Step {
    int click;
    bool realMouse;
  };
  const Step steps[] = {{IDC_FORMAT_DISC_COORD, true},
                        {IDC_FORMAT_XO, true},
                        {IDC_FORMAT_DISC_COORD, false},
                        {IDC_FORMAT_DISC, true}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.click);
    if (s.realMouse) {
      MouseClick(app->Control(s.click));
    } else {
      ClickButton(*app, s.click);
    }
    EXPECT_TRUE(WaitUntil([&] { return Checked(*app, s.click); }));
    for (int id : {IDC_FORMAT_DISC, IDC_FORMAT_DISC_COORD, IDC_FORMAT_XO}) {
      if (id != s.click) {
        EXPECT_FALSE(Checked(*app, id)) << id;
      }
    }
  }
}

}  // namespace
}  // namespace e2e
