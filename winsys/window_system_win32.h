#pragma once

#include "winsys/window_system.h"

namespace tavrilond {

// The window-system operations over the real user32 and gdi32, byte-string
// forms.
class WindowSystemWin32 final : public WindowSystem {
 public:
  WindowHandle GetDesktopWindow() override;
  WindowHandle GetWindow(WindowHandle window, WindowRelation relation) override;
  int GetWindowTextLengthA(WindowHandle window) override;
  int GetWindowTextA(WindowHandle window, char* buffer, int bufferSize) override;
  bool GetWindowRect(WindowHandle window, WindowRect& rect) override;
  DeviceContextHandle GetDC(WindowHandle window) override;
  std::uint32_t GetPixel(DeviceContextHandle dc, std::int32_t x, std::int32_t y) override;
  void ReleaseDC(WindowHandle window, DeviceContextHandle dc) override;
  std::intptr_t GetButtonCheck(WindowHandle button) override;
};

}  // namespace tavrilond
