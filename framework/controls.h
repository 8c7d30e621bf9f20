#pragma once

#include "framework/wnd.h"

// Edit and button controls of a form, bound by data exchange.
class CEdit : public CWnd {};

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};

// Owns one font handle and deletes it with itself.
class CFont : public CObject {
 public:
  CFont() = default;
  ~CFont() override { DeleteObject(); }

  bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                  BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                  BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
  void Attach(HFONT font) { m_hObject = font; }
  HFONT Detach();
  void DeleteObject();
  operator HFONT() const { return m_hObject; }

  HFONT m_hObject = nullptr;
};

// The direction of one data exchange between a window and its controls.
struct CDataExchange {
  CWnd* m_pDlgWnd;
  bool m_bSaveAndValidate;
};

// Binds control id of the exchanging window to control, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
