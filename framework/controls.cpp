#include "framework/controls.h"

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName) {
  HFONT font = ::CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                             strikeOut, charSet, outPrecision, clipPrecision, quality,
                             pitchAndFamily, faceName);
  if (font == nullptr) return false;
  DeleteObject();
  m_hObject = font;
  return true;
}

HFONT CFont::Detach() {
  HFONT font = m_hObject;
  m_hObject = nullptr;
  return font;
}

void CFont::DeleteObject() {
  if (m_hObject != nullptr) ::DeleteObject(m_hObject);
  m_hObject = nullptr;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd != nullptr) return;
  control.SubclassWindow(dx->m_pDlgWnd->GetDlgItem(id));
}
