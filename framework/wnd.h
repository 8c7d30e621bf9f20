#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

class CFrameWnd;
struct CDataExchange;

// A window object bound to a window handle. Windows that the framework
// creates from its own classes are bound from their first message on;
// windows made by the system (dialog controls, forms) are bound by
// subclassing. Messages then reach WindowProc, which hands commands to the
// command route and the rest to the virtual handlers below.
class CWnd : public CCmdTarget {
 public:
  static const CRuntimeClass classCWnd;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCWnd; }

  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // The bound object of a window, or nullptr.
  static CWnd* FromHandlePermanent(HWND hwnd);

  // Binds an existing window by taking over its window procedure.
  bool SubclassWindow(HWND hwnd);
  bool SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  // Creates a window of a class registered by the framework (or any class;
  // then the object is bound by subclassing once the window exists).
  bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
                int y, int width, int height, HWND parent, HMENU menuOrId);
  // Creates the window as a child of parent; views override it.
  virtual bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, struct CCreateContext* context);
  bool DestroyWindow();

  // Message handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual int OnCreate(LPCREATESTRUCTA cs);
  virtual void PostNcDestroy() {}

  // Data exchange with the controls: binding happens here.
  virtual void DoDataExchange(CDataExchange*) {}
  bool UpdateData(bool saveAndValidate = true);

  // Thin calls on the window.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  std::string GetWindowText() const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
  void ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
  void ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }

  // The nearest frame window that contains this window.
  CFrameWnd* GetParentFrame() const;

  // Registers (once) a window class of the framework whose procedure binds
  // its windows to their objects; returns its name.
  static const char* RegisterFrameworkClass(const char* name, UINT classStyle, HICON icon,
                                            HBRUSH background);

 protected:
  WNDPROC m_pfnSuper = nullptr;

 private:
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Bind(HWND hwnd);
  void Unbind();
};

// The bound object handles a message of its window.
LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
