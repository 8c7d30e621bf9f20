// A stand-in for the outside board program: a top-level window with a given
// text whose third child paints an 8x8 board, so that the end-to-end tests can
// say in one command line which colour lies under each of the 64 points that
// Tavrilond samples.
//
//   wzebra_standin [options]
//     --title TEXT        window text of the top-level window (default WZebra)
//     --children N        number of child windows (default 3; the third one
//                         is the board)
//     --size WxH          board child's size in pixels (default 260x260); it
//                         has no border, so the measured size is W+1 x H+1
//     --board 64CHARS     squares row by row: '-' empty, 'x' black, 'o' white,
//                         or any character given a colour with --color
//     --color C=R,G,B     colour of the discs of squares marked C (decimal)
//     --radius R          disc radius in pixels; 0 paints the sample pixel only
//                         (default: a third of the square pitch)
//     --pos X,Y           screen position of the top-level window
//                         (default 600,40)
//     --no-prop           leave the board child unreadable from other
//                         processes, as the real program is under Wine
//     --ready NAME        named event to set once the board is on screen
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Options {
  std::string title = "WZebra";
  int children = 3;
  int width = 260;
  int height = 260;
  std::string board = std::string(64, '-');
  std::map<char, COLORREF> colors = {
      {'-', RGB(0, 128, 0)}, {'x', RGB(0, 0, 0)}, {'o', RGB(255, 255, 255)}};
  int radius = -1;
  int x = 600;
  int y = 40;
  bool copyProperty = true;
  std::string readyEvent;
};

// Colour of the board area between the discs: neither dark nor light enough
// to be taken for a disc.
constexpr COLORREF kBoardArea = RGB(0, 128, 0);
// Colour of the board window around the board area.
constexpr COLORREF kSurround = RGB(96, 64, 32);
// Colour of the other child windows.
constexpr COLORREF kOtherChild = RGB(160, 160, 200);

constexpr int kOtherChildWidth = 40;
constexpr int kOtherChildHeight = 20;

Options g_options;

[[noreturn]] void Usage(const char* why) {
  std::fprintf(stderr, "wzebra_standin: %s\n", why);
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) Usage(("missing value after " + arg).c_str());
      return argv[++i];
    };
    if (arg == "--title") {
      o.title = value();
    } else if (arg == "--children") {
      o.children = std::atoi(value().c_str());
    } else if (arg == "--size") {
      if (std::sscanf(value().c_str(), "%dx%d", &o.width, &o.height) != 2)
        Usage("--size wants WxH");
    } else if (arg == "--board") {
      o.board = value();
      if (o.board.size() != 64) Usage("--board wants 64 characters");
    } else if (arg == "--color") {
      const std::string v = value();
      int r, g, b;
      if (v.size() < 3 || v[1] != '=' ||
          std::sscanf(v.c_str() + 2, "%d,%d,%d", &r, &g, &b) != 3)
        Usage("--color wants C=R,G,B");
      o.colors[v[0]] = RGB(r, g, b);
    } else if (arg == "--radius") {
      o.radius = std::atoi(value().c_str());
    } else if (arg == "--pos") {
      if (std::sscanf(value().c_str(), "%d,%d", &o.x, &o.y) != 2)
        Usage("--pos wants X,Y");
    } else if (arg == "--no-prop") {
      o.copyProperty = false;
    } else if (arg == "--ready") {
      o.readyEvent = value();
    } else {
      Usage(("unknown option " + arg).c_str());
    }
  }
  for (char c : o.board)
    if (!o.colors.count(c)) Usage("--board uses a character without a colour");
  return o;
}

// Where the tool looks, from the measured size (window extent plus one).
// Written out here on purpose rather than shared with the product, so that a
// fault in the product's geometry cannot hide itself.
struct Geometry {
  int side, cell, x0, y0;
};

Geometry SampleGeometry(int measuredW, int measuredH) {
  const int m = measuredW < measuredH ? measuredW : measuredH;
  const int side = (847 * m + 933) / 1000;
  const int cell = (side + 4) / 8;
  const int half = cell / 2;
  return {side, cell, (measuredW - side) / 2 + half,
          (measuredH - side) / 2 + half};
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT r{left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void PaintBoard(HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  Fill(dc, 0, 0, client.right, client.bottom, kSurround);

  const Geometry g = SampleGeometry(client.right + 1, client.bottom + 1);
  const int left = (client.right + 1 - g.side) / 2;
  const int top = (client.bottom + 1 - g.side) / 2;
  Fill(dc, left, top, left + g.side, top + g.side, kBoardArea);

  const int radius = g_options.radius >= 0 ? g_options.radius : g.cell / 3;
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 8; ++col) {
      const COLORREF color = g_options.colors.at(g_options.board[row * 8 + col]);
      const int x = g.x0 + col * g.cell;
      const int y = g.y0 + row * g.cell;
      if (radius > 1) {
        HBRUSH brush = CreateSolidBrush(color);
        HPEN pen = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        Ellipse(dc, x - radius, y - radius, x + radius + 1, y + radius + 1);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
      }
      // The sample pixel itself is set exactly, whatever the ellipse
      // rasteriser makes of small discs.
      Fill(dc, x - (radius > 0 ? 1 : 0), y - (radius > 0 ? 1 : 0),
           x + (radius > 0 ? 2 : 1), y + (radius > 0 ? 2 : 1), color);
    }
  }
}

LRESULT CALLBACK BoardProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      PaintBoard(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK PlainChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    Fill(dc, 0, 0, r.right, r.bottom, kOtherChild);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

constexpr UINT_PTR kReadyTimer = 1;

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kReadyTimer) {
        // By now the painted surface has been flushed to the display, which
        // is what another process's pixel reads see.
        KillTimer(hwnd, kReadyTimer);
        if (!g_options.readyEvent.empty()) {
          HANDLE ev = OpenEventA(EVENT_MODIFY_STATE, FALSE,
                                 g_options.readyEvent.c_str());
          if (ev) {
            SetEvent(ev);
            CloseHandle(ev);
          }
        }
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g_options = ParseOptions(__argc, __argv);
  Register("StandinMain", MainProc);
  Register("StandinBoard", BoardProc);
  Register("StandinChild", PlainChildProc);

  // Two small windows first, then the board, then any extra ones.
  const int boardTop = kOtherChildHeight + 4;
  int clientW = g_options.width > 3 * kOtherChildWidth ? g_options.width
                                                       : 3 * kOtherChildWidth;
  if (g_options.children > 3)
    clientW += (g_options.children - 3) * kOtherChildWidth;
  const int clientH = boardTop + g_options.height;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, clientW, clientH};
  AdjustWindowRect(&outer, style, FALSE);

  HWND top = CreateWindowExA(0, "StandinMain", g_options.title.c_str(), style,
                             g_options.x, g_options.y, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr,
                             instance, nullptr);
  if (!top) return 1;

  std::vector<HWND> kids;
  HWND board = nullptr;
  for (int i = 0; i < g_options.children; ++i) {
    HWND kid;
    if (i == 2) {
      kid = board = CreateWindowExA(
          0, "StandinBoard", "", WS_CHILD | WS_VISIBLE, 0, boardTop,
          g_options.width, g_options.height, top, nullptr, instance, nullptr);
    } else {
      const int x = i < 2 ? i * kOtherChildWidth
                          : g_options.width + (i - 3) * kOtherChildWidth;
      kid = CreateWindowExA(0, "StandinChild", "", WS_CHILD | WS_VISIBLE, x,
                            i < 2 ? 0 : boardTop, kOtherChildWidth,
                            kOtherChildHeight, top, nullptr, instance, nullptr);
    }
    kids.push_back(kid);
  }
  // The tool counts children from the top of their Z order; make that the
  // creation order whatever the window manager did.
  for (HWND kid : kids)
    SetWindowPos(kid, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  ShowWindow(top, SW_SHOWNOACTIVATE);
  UpdateWindow(top);
  if (board && g_options.copyProperty) {
    // Wine gives another process's DC on a child window no drawable; lending
    // the child the top-level X window makes its pixels readable.
    SetPropA(board, "__wine_x11_whole_window",
             GetPropA(top, "__wine_x11_whole_window"));
  }
  SetTimer(top, kReadyTimer, 150, nullptr);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
