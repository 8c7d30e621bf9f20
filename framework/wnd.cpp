#include "framework/wnd.h"

#include <unordered_map>
#include <vector>

#include "framework/controls.h"
#include "framework/frame_wnd.h"

const CRuntimeClass CWnd::classCWnd{"CWnd", &CCmdTarget::classCObject, nullptr};

namespace {

// One user-interface thread, so plain globals will do.
std::unordered_map<HWND, CWnd*>& HandleMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

// The object whose window is being created: bound on its first message,
// which arrives before CreateWindowEx returns.
CWnd* g_windowBeingCreated = nullptr;

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd != nullptr) {
    HWND hwnd = m_hWnd;
    if (m_pfnSuper != nullptr && m_pfnSuper != ::DefWindowProcA) {
      UnsubclassWindow();
    } else {
      Unbind();
    }
    ::DestroyWindow(hwnd);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  auto it = HandleMap().find(hwnd);
  return it == HandleMap().end() ? nullptr : it->second;
}

void CWnd::Bind(HWND hwnd) {
  m_hWnd = hwnd;
  HandleMap()[hwnd] = this;
}

void CWnd::Unbind() {
  HandleMap().erase(m_hWnd);
  m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr) return false;
  Bind(hwnd);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
  return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (hwnd == nullptr) return nullptr;
  ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  Unbind();
  return hwnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) { return TRUE; }

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  CREATESTRUCTA cs{};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className;
  cs.lpszName = windowName;
  cs.style = static_cast<LONG>(style);
  cs.x = x;
  cs.y = y;
  cs.cx = width;
  cs.cy = height;
  cs.hwndParent = parent;
  cs.hMenu = menuOrId;
  cs.hInstance = ::GetModuleHandleA(nullptr);
  if (!PreCreateWindow(cs)) return false;

  CWnd* outer = g_windowBeingCreated;
  g_windowBeingCreated = this;
  HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, nullptr);
  const bool boundEarly = g_windowBeingCreated == nullptr;
  g_windowBeingCreated = outer;
  if (hwnd == nullptr) return false;
  // A class whose procedure is not ours: bind the finished window.
  if (!boundEarly) SubclassWindow(hwnd);
  return m_hWnd == hwnd;
}

bool CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext*) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

bool CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd) != FALSE; }

std::string CWnd::GetWindowText() const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

void CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((GetStyle() & ~remove) | add));
  if (swpFlags != 0) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   swpFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
  ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>((GetExStyle() & ~remove) | add));
  if (swpFlags != 0) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   swpFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

CFrameWnd* CWnd::GetParentFrame() const {
  for (HWND hwnd = ::GetParent(m_hWnd); hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd != nullptr && wnd->IsKindOf(&CFrameWnd::classCFrameWnd)) {
      return static_cast<CFrameWnd*>(wnd);
    }
  }
  return nullptr;
}

bool CWnd::UpdateData(bool saveAndValidate) {
  CDataExchange dx{this, saveAndValidate};
  DoDataExchange(&dx);
  return true;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  // A control's notifications other than a click are not commands.
  if (lParam != 0 && code != BN_CLICKED) return FALSE;
  // A key of the accelerator table (code 1): dropped when disabled.
  if (lParam == 0 && code == 1) {
    CCmdUI state(id);
    state.DoUpdate(this, false);
    if (!state.m_bEnabled) return TRUE;
  }
  return ExecuteCommand(id) ? TRUE : FALSE;
}

int CWnd::OnCreate(LPCREATESTRUCTA) { return 0; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(wParam, lParam)) return 0;
      break;
    case WM_CREATE: {
      const LRESULT base = DefWindowProc(message, wParam, lParam);
      if (base == -1) return -1;
      return OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam)) == -1 ? -1 : 0;
    }
    default:
      break;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr && g_windowBeingCreated != nullptr) {
    wnd = g_windowBeingCreated;
    g_windowBeingCreated = nullptr;
    wnd->Bind(hwnd);
    wnd->m_pfnSuper = nullptr;
  }
  if (wnd == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);

  if (message == WM_NCDESTROY) {
    const LRESULT result = wnd->DefWindowProc(message, wParam, lParam);
    if (wnd->m_pfnSuper != nullptr) {
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
      wnd->m_pfnSuper = nullptr;
    }
    wnd->Unbind();
    wnd->PostNcDestroy();
    return result;
  }
  return wnd->WindowProc(message, wParam, lParam);
}

const char* CWnd::RegisterFrameworkClass(const char* name, UINT classStyle, HICON icon,
                                         HBRUSH background) {
  WNDCLASSA existing{};
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  if (::GetClassInfoA(instance, name, &existing)) return name;
  WNDCLASSA wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = FrameworkWindowProc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return ::RegisterClassA(&wc) != 0 ? name : nullptr;
}
