#include "output/edit_control_win32.h"

#include <windows.h>

namespace tavrilond {

void EditControlWin32::RaiseTextLimit() {
  // 0 asks for the largest limit the control supports.
  ::SendMessageA(edit_, EM_SETLIMITTEXT, 0, 0);
}

int EditControlWin32::GetWindowTextLengthA() { return ::GetWindowTextLengthA(edit_); }

void EditControlWin32::SetSelection(int start, int end) {
  ::SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void EditControlWin32::ScrollCaret() { ::SendMessageA(edit_, EM_SCROLLCARET, 0, 0); }

void EditControlWin32::ReplaceSelection(const char* text, bool canUndo) {
  ::SendMessageA(edit_, EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text));
}

void EditControlWin32::Copy() { ::SendMessageA(edit_, WM_COPY, 0, 0); }

void EditControlWin32::Paste() { ::SendMessageA(edit_, WM_PASTE, 0, 0); }

}  // namespace tavrilond
