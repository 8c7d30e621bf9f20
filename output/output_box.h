#pragma once

#include "output/edit_control.h"

namespace tavrilond {

// The six operations of the output box. Each is a fixed sequence of requests
// to the edit control; none reads an answer but the text length, which is
// measured afresh every time, so whatever the user typed or removed is
// respected.
class OutputBox {
 public:
  explicit OutputBox(EditControl& edit) : edit_(edit) {}

  // Puts text at the very end of the box; the caret follows it.
  void AppendText(const char* text);
  // Selects everything and copies it to the clipboard.
  void OnCopyAll();
  // Empties the box; cannot be undone.
  void OnClearAll();
  // Selects everything.
  void OnSelectAllText();
  // Copies the current selection.
  void OnEditCopy();
  // Replaces the current selection with the clipboard text.
  void OnEditPaste();

 private:
  // Selects from 0 (or the end) to the end and scrolls the caret into view.
  void SelectToEnd(bool fromStart);

  EditControl& edit_;
};

}  // namespace tavrilond
