#pragma once

#include "framework/wnd.h"

// A modal dialog from a template: OK and Cancel (Enter, Esc, the close box)
// end it; it is centred over its owner.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT idTemplate, CWnd* parent = nullptr)
      : m_nIDTemplate(idTemplate), m_pParentWnd(parent) {}

  // The button that ended the dialog, or -1 when it could not be shown.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

 protected:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
