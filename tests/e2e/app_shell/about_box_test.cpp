// The About box: what it shows, that it is modal and centred over the frame,
// and the four ways of closing it. Nothing in the menu or keys opens it, so
// the case sends its command to the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>
#include <string>

#include "shell_support.h"

namespace e2e::shell {
namespace {

constexpr WPARAM kAppAbout = 57664;
constexpr int kIconResource = 128;

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

RECT RectOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

// The screen point of the caption's close box, found by asking the window
// what lies under points along its caption.
std::optional<POINT> CloseBoxPoint(HWND hwnd) {
  const RECT r = RectOf(hwnd);
  for (int y = r.top; y < r.top + 40; y += 2)
    for (int x = r.right - 1; x > r.right - 80; x -= 2) {
      const LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTCLOSE) return POINT{x, y};
    }
  return std::nullopt;
}

// Pixels of rect (in hdc's coordinates), colour bits only.
std::vector<DWORD> Pixels(HDC hdc, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  std::vector<DWORD> pixels;
  if (BitBlt(mem, 0, 0, w, h, hdc, rect.left, rect.top, SRCCOPY)) {
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (int i = 0; i < w * h; ++i) pixels.push_back(p[i] & 0xFFFFFF);
  }
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bitmap);
  return pixels;
}

// The same icon drawn here, on the dialog's face colour.
std::vector<DWORD> DrawnIcon(HICON icon, int w, int h) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bitmap);
  RECT all{0, 0, w, h};
  FillRect(mem, &all, GetSysColorBrush(COLOR_3DFACE));
  DrawIconEx(mem, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  std::vector<DWORD> pixels = Pixels(mem, all);
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void ExpectShowsIcon(HWND iconStatic, HICON icon) {
  HWND top = GetAncestor(iconStatic, GA_ROOT);
  RECT r;
  GetWindowRect(iconStatic, &r);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
  const std::vector<DWORD> expected =
      DrawnIcon(icon, r.right - r.left, r.bottom - r.top);
  std::vector<DWORD> shown;
  WaitUntil([&] {
    HDC dc = GetDC(top);
    shown = Pixels(dc, r);
    ReleaseDC(top, dc);
    return shown == expected;
  }, 3000ms);
  size_t differing = 0;
  for (size_t i = 0; i < std::min(shown.size(), expected.size()); ++i)
    differing += shown[i] != expected[i];
  EXPECT_TRUE(shown == expected)
      << differing << " of " << expected.size() << " pixels differ";
}

struct Closing {
  const char* how;
  std::function<void(HWND box)> close;
};

class ShellAboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    app_ = StartTavrilondWith("");
    ASSERT_TRUE(app_);
  }
  void TearDown() override {
    app_.reset();
    ClearSettings();
  }

  HWND Open() {
    PostMessageA(app_->frame, WM_COMMAND, kAppAbout, 0);
    return WaitForWindowOf(app_->process.Id(), sjis::kAboutCaption);
  }

  std::unique_ptr<App> app_;
};

TEST_F(ShellAboutBox, ShowsVersionAndIconModallyAndClosesEveryWay) {
  // Away from the screen's edges, so that centring alone places the box.
  SetWindowPos(app_->frame, nullptr, 500, 400, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  const auto fontsBefore = FontObjects(app_->process.Handle());
  HWND box = Open();
  ASSERT_TRUE(box) << "no window captioned with the About box's caption";
  EXPECT_EQ(ClassOf(box), "#32770");
  EXPECT_EQ(GetWindow(box, GW_OWNER), app_->frame);
  EXPECT_FALSE(IsWindowEnabled(app_->frame)) << "the frame takes input";

  // The four controls in template order.
  std::vector<HWND> controls;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    controls.push_back(c);
  ASSERT_EQ(controls.size(), 4u);
  const LONG iconStyle = GetWindowLongA(controls[0], GWL_STYLE);
  EXPECT_EQ(ClassOf(controls[0]), "Static");
  EXPECT_EQ(iconStyle & SS_TYPEMASK, SS_ICON);
  EXPECT_NE(SendMessageA(controls[0], STM_GETICON, 0, 0), 0) << "no icon";
  EXPECT_EQ(WindowBytes(controls[1]), "Tavrilond Version 1.0");
  const std::string notice = WindowBytes(controls[2]);
  EXPECT_NE(notice, "");
  EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos) << notice;
  EXPECT_EQ(GetDlgCtrlID(controls[3]), IDOK);
  EXPECT_EQ(WindowBytes(controls[3]), "OK");
  EXPECT_EQ(GetWindowLongA(controls[3], GWL_STYLE) & BS_TYPEMASK,
            BS_DEFPUSHBUTTON);

  // Centred over the frame, to the pixel that halving allows.
  const RECT f = RectOf(app_->frame), b = RectOf(box);
  EXPECT_NEAR((b.left + b.right) / 2.0, (f.left + f.right) / 2.0, 1.0);
  EXPECT_NEAR((b.top + b.bottom) / 2.0, (f.top + f.bottom) / 2.0, 1.0);

  // The icon is icon 128 of the program: the static shows what drawing
  // that icon gives.
  HMODULE exe = LoadLibraryExA((BinDir() + "\\Tavrilond.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(exe);
  RECT iconRect;
  GetClientRect(controls[0], &iconRect);
  HICON expected = static_cast<HICON>(
      LoadImageA(exe, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON,
                 iconRect.right, iconRect.bottom, 0));
  ASSERT_TRUE(expected);
  ExpectShowsIcon(controls[0], expected);
  DestroyIcon(expected);
  FreeLibrary(exe);

  const std::string boxText = WindowBytes(app_->Box());
  const Closing closings[] = {
      {"OK clicked", [](HWND b) { MouseClick(GetDlgItem(b, IDOK)); }},
      {"Enter",
       [](HWND b) {
         BringToFront(b);
         SendKey(VK_RETURN);
       }},
      {"Esc",
       [](HWND b) {
         BringToFront(b);
         SendKey(VK_ESCAPE);
       }},
      {"close box",
       [](HWND b) {
         // Without a window manager the caption is not on the X screen to
         // be clicked, so the test sends what a click on the close box
         // makes of it, once the box has shown that it has one.
         const auto point = CloseBoxPoint(b);
         ASSERT_TRUE(point) << "no close box on the caption";
         PostMessageA(b, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(point->x, point->y));
       }},
  };
  for (const Closing& closing : closings) {
    SCOPED_TRACE(closing.how);
    if (!box) box = Open();
    ASSERT_TRUE(box);
    closing.close(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "still open";
    box = nullptr;
    ASSERT_TRUE(Settle(app_->frame));
    EXPECT_TRUE(app_->process.Running());
    EXPECT_TRUE(IsWindowEnabled(app_->frame));
    EXPECT_EQ(VisibleWindowsOf(app_->process.Id()),
              std::vector<HWND>{app_->frame});
    EXPECT_EQ(WindowBytes(app_->Box()), boxText);
    EXPECT_EQ(WindowBytes(app_->frame), sjis::kFrameTitle);
  }
  // Nothing of the box stays behind.
  EXPECT_EQ(FontObjects(app_->process.Handle()), fontsBefore);
}

// The frame where the system first puts it, at the screen's corner: the box,
// wider than the frame, is centred as far as the work area lets it be and
// is not pushed off the screen.
TEST_F(ShellAboutBox, StaysOnTheScreenBesideAFrameAtTheEdge) {
  SetWindowPos(app_->frame, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND box = Open();
  ASSERT_TRUE(box);
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const RECT f = RectOf(app_->frame), b = RectOf(box);
  const int w = b.right - b.left, h = b.bottom - b.top;
  const int left = std::clamp<int>((f.left + f.right) / 2 - w / 2, area.left,
                                   area.right - w);
  const int top = std::clamp<int>((f.top + f.bottom) / 2 - h / 2, area.top,
                                  area.bottom - h);
  EXPECT_NEAR(b.left, left, 1) << "frame at " << f.left << "," << f.top
                               << ", " << f.right - f.left << " wide";
  EXPECT_NEAR(b.top, top, 1);
  BringToFront(box);
  SendKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

}  // namespace
}  // namespace e2e::shell
