#include "framework/frame_wnd.h"

#include "framework/afx_ids.h"
#include "framework/document.h"
#include "framework/resource_strings.h"
#include "framework/view.h"
#include "framework/win_app.h"

const CRuntimeClass CFrameWnd::classCFrameWnd{"CFrameWnd", &CWnd::classCWnd,
                                              &CreateObjectOf<CFrameWnd>};

static const CommandEntry kFrameCommands[] = {
    OnCommand(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck),
    OnUpdateCommand(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu),
};
const MessageMap CFrameWnd::messageMap = MakeMessageMap(&CWnd::messageMap, kFrameCommands);

namespace {

constexpr char kFrameClass[] = "FrameWnd";

// Menu items enabled and checked through the command route.
class MenuItemUI final : public CCmdUI {
 public:
  MenuItemUI(HMENU menu, UINT id) : CCmdUI(id), menu_(menu) {}
  void Enable(bool on) override {
    CCmdUI::Enable(on);
    ::EnableMenuItem(menu_, m_nID, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  }
  void SetCheck(int check) override {
    CCmdUI::SetCheck(check);
    ::CheckMenuItem(menu_, m_nID, MF_BYCOMMAND | (check != 0 ? MF_CHECKED : MF_UNCHECKED));
  }

 private:
  HMENU menu_;
};

}  // namespace

CFrameWnd::~CFrameWnd() {
  if (m_hAccelTable != nullptr) ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass = RegisterFrameworkClass(kFrameClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                          nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  }
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT idResource, DWORD style, CWnd* parent, CCreateContext* context) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  m_strTitle = ExtractSubString(LoadResourceString(idResource), 0);

  // The default class, learnt from PreCreateWindow, copied with the icon.
  CREATESTRUCTA scratch{};
  scratch.style = static_cast<LONG>(style);
  if (!PreCreateWindow(scratch) || scratch.lpszClass == nullptr) return FALSE;
  const std::string iconClass =
      std::string(scratch.lpszClass) + ":" + std::to_string(idResource);
  WNDCLASSA base{};
  if (!::GetClassInfoA(instance, scratch.lpszClass, &base)) return FALSE;
  const char* className = RegisterFrameworkClass(
      iconClass.c_str(), base.style,
      ::LoadIconA(instance, MAKEINTRESOURCEA(idResource)), base.hbrBackground);
  if (className == nullptr) return FALSE;

  HMENU menu = ::LoadMenuA(instance, MAKEINTRESOURCEA(idResource));
  if (menu == nullptr) return FALSE;

  m_pCreateContext = context;
  const bool created = CreateEx(0, className, m_strTitle.c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                parent != nullptr ? parent->m_hWnd : nullptr, menu);
  m_pCreateContext = nullptr;
  if (!created) {
    ::DestroyMenu(menu);
    return FALSE;
  }
  m_hMenuDefault = menu;
  m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(idResource));
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA) {
  if (m_pCreateContext != nullptr && m_pCreateContext->m_pNewViewClass != nullptr) {
    if (CreateView(m_pCreateContext, AFX_IDW_PANE_FIRST) == nullptr) return -1;
  }
  RecalcLayout();
  return 0;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  CObject* object = context->m_pNewViewClass->CreateObject();
  if (object == nullptr || !object->IsKindOf(&CWnd::classCWnd)) {
    delete object;
    return nullptr;
  }
  CWnd* view = static_cast<CWnd*>(object);
  const RECT none{0, 0, 0, 0};
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, none, this, id, context)) {
    // A view whose window never came to be is not deleted by its window.
    if (view->m_hWnd == nullptr) delete view;
    return nullptr;
  }
  return view;
}

void CFrameWnd::RecalcLayout(BOOL) {
  HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
  if (pane == nullptr) return;
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  ::MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
}

CDocument* CFrameWnd::GetActiveDocument() const {
  return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible) {
  if (m_pViewActive == nullptr) {
    CWnd* pane = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
    if (pane != nullptr && pane->IsKindOf(&CView::classCView)) {
      SetActiveView(static_cast<CView*>(pane));
    }
  }
  if (doc != nullptr) {
    for (CView* view : doc->GetViews()) view->OnInitialUpdate();
  } else if (m_pViewActive != nullptr) {
    m_pViewActive->OnInitialUpdate();
  }
  if (makeVisible) {
    CWinApp* app = AfxGetApp();
    int show = SW_SHOW;
    if (m_nShowCount++ == 0 && app != nullptr && app->m_pMainWnd == this) {
      show = app->m_nCmdShow;
    } else if (::IsIconic(m_hWnd)) {
      show = SW_RESTORE;
    }
    ShowWindow(show);
    ::BringWindowToTop(m_hWnd);
  }
  OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0 || !addToTitle) return;
  CDocument* doc = GetActiveDocument();
  std::string title = m_strTitle;
  if (doc != nullptr) title = doc->GetTitle() + " - " + m_strTitle;
  if (GetWindowText() != title) SetWindowText(title.c_str());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(0);
}

bool CFrameWnd::OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui) {
  if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(id, call, ui)) return true;
  if (CWnd::OnCmdMsg(id, call, ui)) return true;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(id, call, ui);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hAccelTable != nullptr) {
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg) != 0;
  }
  return FALSE;
}

void CFrameWnd::UpdateMenuPopup(HMENU popup) {
  const int count = ::GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const UINT id = ::GetMenuItemID(popup, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or sub-menu
    MenuItemUI state(popup, id);
    state.DoUpdate(this, true);
  }
}

void CFrameWnd::OnClose() {
  CDocument* doc = GetActiveDocument();
  if (doc != nullptr && !doc->CanCloseFrame(this)) return;
  DestroyWindow();
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) RecalcLayout();
      return 0;
    case WM_SETFOCUS:
      if (m_pViewActive != nullptr) {
        ::SetFocus(m_pViewActive->m_hWnd);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE && m_pViewActive != nullptr) {
        m_pViewActive->SaveFocusControl();
      }
      break;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) UpdateMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY: {
      CWinApp* app = AfxGetApp();
      if (app != nullptr && app->m_pMainWnd == this) {
        app->OnMainWindowDestroyed();
        ::PostQuitMessage(0);
      }
      break;
    }
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
