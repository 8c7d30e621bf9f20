#pragma once

namespace tavrilond {

// The requests that the output-box operations make of a multi-line edit
// control, one per window message. Each is answered before the next is made.
class EditControl {
 public:
  virtual ~EditControl() = default;

  // GetWindowTextLength: the text length in code-page bytes.
  virtual int GetWindowTextLengthA() = 0;
  // EM_SETSEL: selects from start to end, each taken as at most the length;
  // the caret moves to end.
  virtual void SetSelection(int start, int end) = 0;
  // EM_SCROLLCARET: scrolls the caret into view.
  virtual void ScrollCaret() = 0;
  // EM_REPLACESEL: replaces the selection with a NUL-terminated text.
  virtual void ReplaceSelection(const char* text, bool canUndo) = 0;
  // WM_COPY and WM_PASTE: through the system clipboard.
  virtual void Copy() = 0;
  virtual void Paste() = 0;
};

}  // namespace tavrilond
