#pragma once

#include "framework/frame_wnd.h"

class CDocument;

// A pane of a frame that shows a document. Commands it does not handle go
// on to its document.
class CView : public CWnd {
 public:
  static const CRuntimeClass classCView;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCView; }
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
              CWnd* parent, UINT id, CCreateContext* context) override;
  bool OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui) override;
  void PostNcDestroy() override { delete this; }

  // Sent at every initial update of the frame; repaints the whole view.
  virtual void OnInitialUpdate();
  // Remembers which control had the focus when the frame is deactivated.
  virtual void SaveFocusControl() {}

  // Pane switching exists only inside a splitter window; there is none.
  void OnUpdateNextPaneMenu(CCmdUI* ui) { ui->Enable(false); }

 protected:
  // Ties the view to the document that the creation context names.
  void JoinDocument(CCreateContext* context);

 private:
  friend class CDocument;
  CDocument* m_pDocument = nullptr;
};

// A view larger than its window shows scroll bars and scrolls its content.
class CScrollView : public CView {
 public:
  static const CRuntimeClass classCScrollView;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCScrollView; }

  void SetScrollSizes(SIZE total);
  SIZE GetTotalSize() const { return m_totalDev; }
  // Fits the parent frame to the content size: only ever smaller when
  // shrinkOnly. Keeps the frame's position and Z order and does not activate.
  void ResizeParentToFit(BOOL shrinkOnly = TRUE);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void UpdateBars();
  void ScrollTo(int bar, int position);

  SIZE m_totalDev{0, 0};
  POINT m_scrollPos{0, 0};
  bool m_inUpdateBars = false;
};

// A view whose content is a dialog template: its controls live in the
// view's window, and dialog keys work after the frame's accelerators.
class CFormView : public CScrollView {
 public:
  static const CRuntimeClass classCFormView;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCFormView; }

  explicit CFormView(UINT idTemplate) : m_nIDTemplate(idTemplate) {}

  bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
              CWnd* parent, UINT id, CCreateContext* context) override;
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void SaveFocusControl() override;

 protected:
  UINT m_nIDTemplate;
  HWND m_hWndFocus = nullptr;
};
