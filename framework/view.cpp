#include "framework/view.h"

#include <algorithm>

#include "framework/afx_ids.h"
#include "framework/document.h"

const CRuntimeClass CView::classCView{"CView", &CWnd::classCWnd, nullptr};
const CRuntimeClass CScrollView::classCScrollView{"CScrollView", &CView::classCView, nullptr};
const CRuntimeClass CFormView::classCFormView{"CFormView", &CScrollView::classCScrollView, nullptr};

static const CommandEntry kViewCommands[] = {
    OnUpdateCommand(ID_NEXT_PANE, &CView::OnUpdateNextPaneMenu),
    OnUpdateCommand(ID_PREV_PANE, &CView::OnUpdateNextPaneMenu),
};
const MessageMap CView::messageMap = MakeMessageMap(&CWnd::messageMap, kViewCommands);

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
  // A sunken client edge in place of a flat border.
  if ((cs.style & WS_BORDER) != 0) {
    cs.style &= ~WS_BORDER;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
  }
  return TRUE;
}

bool CView::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                   CWnd* parent, UINT id, CCreateContext* context) {
  if (className == nullptr) {
    className = RegisterFrameworkClass("View", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr,
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  }
  if (!CWnd::Create(className, windowName, style, rect, parent, id, context)) return false;
  JoinDocument(context);
  return true;
}

void CView::JoinDocument(CCreateContext* context) {
  if (context != nullptr && context->m_pCurrentDoc != nullptr) context->m_pCurrentDoc->AddView(this);
}

bool CView::OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui) {
  if (CWnd::OnCmdMsg(id, call, ui)) return true;
  return m_pDocument != nullptr && m_pDocument->OnCmdMsg(id, call, ui);
}

void CView::OnInitialUpdate() { Invalidate(TRUE); }

void CScrollView::SetScrollSizes(SIZE total) {
  m_totalDev = total;
  if (m_hWnd != nullptr) UpdateBars();
}

void CScrollView::ResizeParentToFit(BOOL shrinkOnly) {
  CFrameWnd* frame = GetParentFrame();
  if (frame == nullptr) return;
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  int dx = client.right - m_totalDev.cx;
  int dy = client.bottom - m_totalDev.cy;
  if (shrinkOnly) {
    dx = std::max(dx, 0);
    dy = std::max(dy, 0);
  }
  if (dx == 0 && dy == 0) return;
  RECT frameRect{};
  ::GetWindowRect(frame->m_hWnd, &frameRect);
  ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, frameRect.right - frameRect.left - dx,
                 frameRect.bottom - frameRect.top - dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScrollView::ScrollTo(int bar, int position) {
  LONG& current = bar == SB_HORZ ? m_scrollPos.x : m_scrollPos.y;
  if (position == current) return;
  const int delta = current - position;
  current = position;
  ::SetScrollPos(m_hWnd, bar, position, TRUE);
  ::ScrollWindowEx(m_hWnd, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr,
                   nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void CScrollView::UpdateBars() {
  // Showing one bar narrows the client area and may call for the other; the
  // guard stops the WM_SIZE that each change sends from recursing.
  if (m_inUpdateBars) return;
  m_inUpdateBars = true;
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int sizes[2] = {static_cast<int>(m_totalDev.cx), static_cast<int>(m_totalDev.cy)};
    const int pages[2] = {static_cast<int>(client.right), static_cast<int>(client.bottom)};
    for (int bar : {SB_HORZ, SB_VERT}) {
      const int total = sizes[bar == SB_HORZ ? 0 : 1];
      const int page = pages[bar == SB_HORZ ? 0 : 1];
      const int limit = std::max(0, total - page);
      const LONG current = bar == SB_HORZ ? m_scrollPos.x : m_scrollPos.y;
      if (current > limit) ScrollTo(bar, limit);
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      info.nMin = 0;
      info.nMax = total > page ? total - 1 : 0;
      info.nPage = total > page ? static_cast<UINT>(page) : 0;
      info.nPos = bar == SB_HORZ ? m_scrollPos.x : m_scrollPos.y;
      ::SetScrollInfo(m_hWnd, bar, &info, TRUE);
      ::ShowScrollBar(m_hWnd, bar, total > page);
    }
  }
  m_inUpdateBars = false;
}

LRESULT CScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = CView::WindowProc(message, wParam, lParam);
      UpdateBars();
      return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      // Scroll-bar controls of the form send these too; only our own bars
      // (lParam 0) scroll the view.
      if (lParam != 0) break;
      const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      ::GetScrollInfo(m_hWnd, bar, &info);
      int position = info.nPos;
      const int line = 16;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: break;
      }
      const int limit = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
      ScrollTo(bar, std::clamp(position, 0, limit));
      return 0;
    }
    default:
      break;
  }
  return CView::WindowProc(message, wParam, lParam);
}

namespace {

INT_PTR CALLBACK FormDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

bool CFormView::Create(const char*, const char*, DWORD style, const RECT& rect, CWnd* parent,
                       UINT id, CCreateContext* context) {
  HWND form = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                   parent->m_hWnd, FormDialogProc, 0);
  if (form == nullptr) return false;
  // The size the template gives the form is the content size to fit to.
  RECT formRect{};
  ::GetWindowRect(form, &formRect);
  if (!SubclassWindow(form)) {
    ::DestroyWindow(form);
    return false;
  }
  ::SetWindowLongPtrA(form, GWLP_ID, static_cast<LONG_PTR>(id));

  CREATESTRUCTA cs{};
  cs.style = static_cast<LONG>(style | WS_CHILD);
  PreCreateWindow(cs);
  ModifyStyle(WS_BORDER | WS_CAPTION, static_cast<DWORD>(cs.style) & ~WS_VISIBLE);
  ModifyStyleEx(0, cs.dwExStyle, SWP_FRAMECHANGED);

  SetScrollSizes(SIZE{formRect.right - formRect.left, formRect.bottom - formRect.top});
  JoinDocument(context);
  ::MoveWindow(form, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
  if ((style & WS_VISIBLE) != 0) ShowWindow(SW_SHOWNOACTIVATE);
  return true;
}

void CFormView::OnInitialUpdate() {
  UpdateData(false);
  CScrollView::OnInitialUpdate();
}

BOOL CFormView::PreTranslateMessage(MSG* msg) {
  // The frame's keys come before the form's dialog keys, which would
  // otherwise swallow them.
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    CFrameWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->PreTranslateMessage(msg)) return TRUE;
  }
  if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
  return ::IsDialogMessageA(m_hWnd, msg) ? TRUE : FALSE;
}

void CFormView::SaveFocusControl() {
  HWND focus = ::GetFocus();
  if (focus != nullptr && ::IsChild(m_hWnd, focus)) m_hWndFocus = focus;
}

LRESULT CFormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) {
    HWND target = m_hWndFocus;
    if (target == nullptr || !::IsWindow(target) || !::IsChild(m_hWnd, target)) {
      target = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    }
    if (target != nullptr) {
      ::SetFocus(target);
      return 0;
    }
  }
  return CScrollView::WindowProc(message, wParam, lParam);
}
