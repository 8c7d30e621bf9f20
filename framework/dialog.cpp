#include "framework/dialog.h"

#include <algorithm>

#include "framework/win_app.h"

INT_PTR CDialog::DoModal() {
  CWnd* owner = m_pParentWnd;
  if (owner == nullptr && AfxGetApp() != nullptr) owner = AfxGetApp()->m_pMainWnd;
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                           owner != nullptr ? owner->m_hWnd : nullptr, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  // Centred over the owner (the template asks for 0, 0).
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  RECT area{};
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT self{};
  ::GetWindowRect(m_hWnd, &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  // Centred, but never pushed off the screen by an owner at its edge.
  RECT screen{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  const int x = std::max<int>(screen.left, std::min<int>(area.left + (area.right - area.left - width) / 2,
                                                         screen.right - width));
  const int y = std::max<int>(screen.top, std::min<int>(area.top + (area.bottom - area.top - height) / 2,
                                                        screen.bottom - height));
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    dialog->m_hWnd = hwnd;
    return dialog->OnInitDialog();
  }
  auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
        dialog->OnOK();
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
        dialog->OnCancel();
        return TRUE;
      }
      return dialog->OnCommand(wParam, lParam);
    case WM_NCDESTROY:
      dialog->m_hWnd = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}
