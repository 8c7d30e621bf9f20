#pragma once

#include <cstdint>
#include <string>

namespace tavrilond {

// Opaque handles; 0 is "none". The Win32 implementation stores HWND and HDC
// values in them.
using WindowHandle = std::uintptr_t;
using DeviceContextHandle = std::uintptr_t;

enum class WindowRelation : int {
  Next = 2,   // the window next below in the Z order (GW_HWNDNEXT)
  Child = 5,  // the child at the top of the Z order (GW_CHILD)
};

struct WindowRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// The window-manager and graphics operations that the get-board command
// calls, in their byte-string forms. Implemented over Win32 for the product
// and by an in-memory desktop for tests.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual WindowHandle GetDesktopWindow() = 0;
  virtual WindowHandle GetWindow(WindowHandle window, WindowRelation relation) = 0;
  // Length in bytes as the system reports it; may be more than the real text.
  virtual int GetWindowTextLengthA(WindowHandle window) = 0;
  // Copies at most bufferSize - 1 bytes and a NUL; returns the bytes copied.
  virtual int GetWindowTextA(WindowHandle window, char* buffer, int bufferSize) = 0;
  virtual bool GetWindowRect(WindowHandle window, WindowRect& rect) = 0;
  // A device context of the window's client area; 0 when none can be had.
  virtual DeviceContextHandle GetDC(WindowHandle window) = 0;
  virtual std::uint32_t GetPixel(DeviceContextHandle dc, std::int32_t x, std::int32_t y) = 0;
  virtual void ReleaseDC(WindowHandle window, DeviceContextHandle dc) = 0;
  // BM_GETCHECK: nonzero when the button is checked.
  virtual std::intptr_t GetButtonCheck(WindowHandle button) = 0;
};

}  // namespace tavrilond
