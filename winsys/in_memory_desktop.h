#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "winsys/window_system.h"

namespace tavrilond {

// A desktop held in memory: a tree of windows in Z order with texts,
// rectangles and pixels. Every call made through the WindowSystem interface
// is recorded, so tests can check what was asked, in which order.
class InMemoryDesktop final : public WindowSystem {
 public:
  using PixelFunction = std::function<std::uint32_t(std::int32_t x, std::int32_t y)>;

  struct Window {
    std::string text;
    // What GetWindowTextLength reports, when it differs from the text's length.
    std::optional<int> reportedTextLength;
    std::optional<WindowRect> rect;  // none: the rectangle cannot be read
    bool deviceContextAvailable = true;
    PixelFunction pixels;  // none: every pixel reads as 0 (black)
    bool checked = false;  // BM_GETCHECK state, for buttons
    std::vector<WindowHandle> children;  // top of the Z order first

    static Window Titled(std::string text, std::optional<int> reportedTextLength = std::nullopt) {
      Window window;
      window.text = std::move(text);
      window.reportedTextLength = reportedTextLength;
      return window;
    }
    static Window Drawing(WindowRect rect, PixelFunction pixels) {
      Window window;
      window.rect = rect;
      window.pixels = std::move(pixels);
      return window;
    }
  };

  InMemoryDesktop();

  // Adds a window below the last child of parent (0: the desktop), so windows
  // added first stand highest in the Z order.
  WindowHandle AddWindow(WindowHandle parent, Window window);
  Window& At(WindowHandle window);

  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  int CountCalls(const std::string& prefix) const;
  int OpenDeviceContexts() const { return static_cast<int>(openContexts_.size()); }

  WindowHandle GetDesktopWindow() override;
  WindowHandle GetWindow(WindowHandle window, WindowRelation relation) override;
  int GetWindowTextLengthA(WindowHandle window) override;
  int GetWindowTextA(WindowHandle window, char* buffer, int bufferSize) override;
  bool GetWindowRect(WindowHandle window, WindowRect& rect) override;
  DeviceContextHandle GetDC(WindowHandle window) override;
  std::uint32_t GetPixel(DeviceContextHandle dc, std::int32_t x, std::int32_t y) override;
  void ReleaseDC(WindowHandle window, DeviceContextHandle dc) override;
  std::intptr_t GetButtonCheck(WindowHandle button) override;

 private:
  void Record(std::string call);
  Window* Find(WindowHandle window);
  WindowHandle ParentOf(WindowHandle window) const;

  static constexpr WindowHandle kDesktop = 1;
  std::map<WindowHandle, Window> windows_;
  std::map<DeviceContextHandle, WindowHandle> openContexts_;
  WindowHandle nextWindow_ = kDesktop + 1;
  DeviceContextHandle nextContext_ = 0x1000;
  std::vector<std::string> calls_;
};

}  // namespace tavrilond
