#include "winsys/in_memory_desktop.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tavrilond {

InMemoryDesktop::InMemoryDesktop() { windows_[kDesktop] = Window{}; }

WindowHandle InMemoryDesktop::AddWindow(WindowHandle parent, Window window) {
  const WindowHandle parentHandle = parent == 0 ? kDesktop : parent;
  Window* parentWindow = Find(parentHandle);
  if (parentWindow == nullptr) throw std::invalid_argument("no such parent window");
  const WindowHandle handle = nextWindow_++;
  parentWindow->children.push_back(handle);
  windows_[handle] = std::move(window);
  return handle;
}

InMemoryDesktop::Window& InMemoryDesktop::At(WindowHandle window) {
  Window* found = Find(window);
  if (found == nullptr) throw std::invalid_argument("no such window");
  return *found;
}

int InMemoryDesktop::CountCalls(const std::string& prefix) const {
  return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [&](const std::string& call) {
    return call.compare(0, prefix.size(), prefix) == 0;
  }));
}

void InMemoryDesktop::Record(std::string call) { calls_.push_back(std::move(call)); }

InMemoryDesktop::Window* InMemoryDesktop::Find(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle InMemoryDesktop::ParentOf(WindowHandle window) const {
  for (const auto& [handle, candidate] : windows_) {
    if (std::find(candidate.children.begin(), candidate.children.end(), window) !=
        candidate.children.end()) {
      return handle;
    }
  }
  return 0;
}

WindowHandle InMemoryDesktop::GetDesktopWindow() {
  Record("GetDesktopWindow");
  return kDesktop;
}

WindowHandle InMemoryDesktop::GetWindow(WindowHandle window, WindowRelation relation) {
  const bool child = relation == WindowRelation::Child;
  Record((child ? "GetWindow GW_CHILD " : "GetWindow GW_HWNDNEXT ") + std::to_string(window));
  if (child) {
    Window* found = Find(window);
    return found == nullptr || found->children.empty() ? 0 : found->children.front();
  }
  const WindowHandle parent = ParentOf(window);
  if (parent == 0) return 0;
  const auto& siblings = windows_.at(parent).children;
  auto it = std::find(siblings.begin(), siblings.end(), window);
  return (it == siblings.end() || std::next(it) == siblings.end()) ? 0 : *std::next(it);
}

int InMemoryDesktop::GetWindowTextLengthA(WindowHandle window) {
  Record("GetWindowTextLength " + std::to_string(window));
  Window* found = Find(window);
  if (found == nullptr) return 0;
  return found->reportedTextLength.value_or(static_cast<int>(found->text.size()));
}

int InMemoryDesktop::GetWindowTextA(WindowHandle window, char* buffer, int bufferSize) {
  Record("GetWindowText " + std::to_string(window) + " " + std::to_string(bufferSize));
  Window* found = Find(window);
  if (bufferSize <= 0) return 0;
  const std::string text = found == nullptr ? std::string() : found->text;
  const int copied = std::min(static_cast<int>(text.size()), bufferSize - 1);
  std::memcpy(buffer, text.data(), static_cast<std::size_t>(copied));
  buffer[copied] = '\0';
  return copied;
}

bool InMemoryDesktop::GetWindowRect(WindowHandle window, WindowRect& rect) {
  Record("GetWindowRect " + std::to_string(window));
  Window* found = Find(window);
  if (found == nullptr || !found->rect) return false;
  rect = *found->rect;
  return true;
}

DeviceContextHandle InMemoryDesktop::GetDC(WindowHandle window) {
  Record("GetDC " + std::to_string(window));
  Window* found = Find(window);
  if (found == nullptr || !found->deviceContextAvailable) return 0;
  const DeviceContextHandle dc = nextContext_++;
  openContexts_[dc] = window;
  return dc;
}

std::uint32_t InMemoryDesktop::GetPixel(DeviceContextHandle dc, std::int32_t x, std::int32_t y) {
  Record("GetPixel " + std::to_string(x) + " " + std::to_string(y));
  auto it = openContexts_.find(dc);
  if (it == openContexts_.end()) return 0xFFFFFFFFu;
  const Window& window = windows_.at(it->second);
  return window.pixels ? window.pixels(x, y) : 0u;
}

void InMemoryDesktop::ReleaseDC(WindowHandle window, DeviceContextHandle dc) {
  Record("ReleaseDC " + std::to_string(window));
  auto it = openContexts_.find(dc);
  if (it != openContexts_.end() && it->second == window) openContexts_.erase(it);
}

std::intptr_t InMemoryDesktop::GetButtonCheck(WindowHandle button) {
  Record("BM_GETCHECK " + std::to_string(button));
  Window* found = Find(button);
  return found != nullptr && found->checked ? 1 : 0;
}

}  // namespace tavrilond
