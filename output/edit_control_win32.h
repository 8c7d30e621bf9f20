#pragma once

#include "output/edit_control.h"

struct HWND__;

namespace tavrilond {

// The requests of the output-box operations sent to a real edit control.
class EditControlWin32 final : public EditControl {
 public:
  explicit EditControlWin32(HWND__* edit = nullptr) : edit_(edit) {}
  void SetWindow(HWND__* edit) { edit_ = edit; }

  // Raises the text limit to the most the control takes, so that appended
  // boards are never cut short or dropped when the default limit is reached.
  void RaiseTextLimit();

  int GetWindowTextLengthA() override;
  void SetSelection(int start, int end) override;
  void ScrollCaret() override;
  void ReplaceSelection(const char* text, bool canUndo) override;
  void Copy() override;
  void Paste() override;

 private:
  HWND__* edit_;
};

}  // namespace tavrilond
