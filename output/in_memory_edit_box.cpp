#include "output/in_memory_edit_box.h"

#include <algorithm>

namespace tavrilond {

int InMemoryEditBox::GetWindowTextLengthA() {
  requests_.push_back("GetWindowTextLength");
  return static_cast<int>(text_.size());
}

void InMemoryEditBox::SetSelection(int start, int end) {
  requests_.push_back("EM_SETSEL " + std::to_string(start) + " " + std::to_string(end));
  Select(start, end);
}

void InMemoryEditBox::ScrollCaret() {
  requests_.push_back("EM_SCROLLCARET");
  scrolledTo_ = caret_;
}

void InMemoryEditBox::ReplaceSelection(const char* text, bool canUndo) {
  requests_.push_back(std::string("EM_REPLACESEL ") + (canUndo ? "1 " : "0 ") + text);
  Replace(text, canUndo);
}

void InMemoryEditBox::Copy() {
  requests_.push_back("WM_COPY");
  if (selEnd_ > selStart_) {
    clipboard_.text = text_.substr(static_cast<std::size_t>(selStart_),
                                   static_cast<std::size_t>(selEnd_ - selStart_));
  }
}

void InMemoryEditBox::Paste() {
  requests_.push_back("WM_PASTE");
  if (clipboard_.text) Replace(*clipboard_.text, true);
}

void InMemoryEditBox::UserSelect(int start, int end) { Select(start, end); }

void InMemoryEditBox::UserType(const std::string& text) { Replace(text, true); }

void InMemoryEditBox::Select(int start, int end) {
  const int length = static_cast<int>(text_.size());
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  selStart_ = std::min(start, end);
  selEnd_ = std::max(start, end);
  caret_ = end;
}

void InMemoryEditBox::Replace(const std::string& text, bool canUndo) {
  const int kept = static_cast<int>(text_.size()) - (selEnd_ - selStart_);
  const int room = std::max(0, capacity_ - kept);
  const int inserted = std::min(room, static_cast<int>(text.size()));
  text_.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selEnd_ - selStart_),
                text, 0, static_cast<std::size_t>(inserted));
  caret_ = selStart_ + inserted;
  selStart_ = selEnd_ = caret_;
  canUndo_ = canUndo;
}

}  // namespace tavrilond
