#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output/edit_control.h"

namespace tavrilond {

// The system clipboard as far as plain text goes.
struct InMemoryClipboard {
  std::optional<std::string> text;
};

// A multi-line edit control held in memory: text (bytes), selection, caret,
// capacity, undo memory and the clipboard, with the effects of the real
// control's messages. Every request is recorded.
class InMemoryEditBox final : public EditControl {
 public:
  // The window system's default text limit of an edit control.
  static constexpr int kDefaultCapacity = 30000;

  explicit InMemoryEditBox(InMemoryClipboard& clipboard, int capacity = kDefaultCapacity)
      : clipboard_(clipboard), capacity_(capacity) {}

  int GetWindowTextLengthA() override;
  void SetSelection(int start, int end) override;
  void ScrollCaret() override;
  void ReplaceSelection(const char* text, bool canUndo) override;
  void Copy() override;
  void Paste() override;

  // What a user does by hand, unrecorded.
  void UserSelect(int start, int end);
  void UserType(const std::string& text);

  const std::string& Text() const { return text_; }
  int SelectionStart() const { return selStart_; }
  int SelectionEnd() const { return selEnd_; }
  int Caret() const { return caret_; }
  bool CanUndo() const { return canUndo_; }
  // Caret position at the last scroll request, -1 before any.
  int ScrolledToCaret() const { return scrolledTo_; }

  const std::vector<std::string>& Requests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }

 private:
  void Select(int start, int end);
  void Replace(const std::string& text, bool canUndo);

  InMemoryClipboard& clipboard_;
  int capacity_;
  std::string text_;
  int selStart_ = 0;
  int selEnd_ = 0;
  int caret_ = 0;
  bool canUndo_ = false;
  int scrolledTo_ = -1;
  std::vector<std::string> requests_;
};

}  // namespace tavrilond
