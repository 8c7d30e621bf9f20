#include "winsys/window_system_win32.h"

#include <windows.h>

namespace tavrilond {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
HDC ToHdc(DeviceContextHandle dc) { return reinterpret_cast<HDC>(dc); }

}  // namespace

WindowHandle WindowSystemWin32::GetDesktopWindow() {
  return reinterpret_cast<WindowHandle>(::GetDesktopWindow());
}

WindowHandle WindowSystemWin32::GetWindow(WindowHandle window, WindowRelation relation) {
  const UINT command = relation == WindowRelation::Child ? GW_CHILD : GW_HWNDNEXT;
  return reinterpret_cast<WindowHandle>(::GetWindow(ToHwnd(window), command));
}

int WindowSystemWin32::GetWindowTextLengthA(WindowHandle window) {
  return ::GetWindowTextLengthA(ToHwnd(window));
}

int WindowSystemWin32::GetWindowTextA(WindowHandle window, char* buffer, int bufferSize) {
  return ::GetWindowTextA(ToHwnd(window), buffer, bufferSize);
}

bool WindowSystemWin32::GetWindowRect(WindowHandle window, WindowRect& rect) {
  RECT r{};
  if (!::GetWindowRect(ToHwnd(window), &r)) return false;
  rect = WindowRect{r.left, r.top, r.right, r.bottom};
  return true;
}

DeviceContextHandle WindowSystemWin32::GetDC(WindowHandle window) {
  return reinterpret_cast<DeviceContextHandle>(::GetDC(ToHwnd(window)));
}

std::uint32_t WindowSystemWin32::GetPixel(DeviceContextHandle dc, std::int32_t x, std::int32_t y) {
  return ::GetPixel(ToHdc(dc), x, y);
}

void WindowSystemWin32::ReleaseDC(WindowHandle window, DeviceContextHandle dc) {
  ::ReleaseDC(ToHwnd(window), ToHdc(dc));
}

std::intptr_t WindowSystemWin32::GetButtonCheck(WindowHandle button) {
  return static_cast<std::intptr_t>(::SendMessageA(ToHwnd(button), BM_GETCHECK, 0, 0));
}

}  // namespace tavrilond
