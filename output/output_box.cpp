#include "output/output_box.h"

namespace tavrilond {

void OutputBox::SelectToEnd(bool fromStart) {
  const int length = edit_.GetWindowTextLengthA();
  edit_.SetSelection(fromStart ? 0 : length, length);
  edit_.ScrollCaret();
}

void OutputBox::AppendText(const char* text) {
  SelectToEnd(false);
  edit_.ReplaceSelection(text, false);
}

void OutputBox::OnCopyAll() {
  SelectToEnd(true);
  edit_.Copy();
}

void OutputBox::OnClearAll() {
  SelectToEnd(true);
  edit_.ReplaceSelection("", false);
}

void OutputBox::OnSelectAllText() { SelectToEnd(true); }

void OutputBox::OnEditCopy() { edit_.Copy(); }

void OutputBox::OnEditPaste() { edit_.Paste(); }

}  // namespace tavrilond
