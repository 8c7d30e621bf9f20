#pragma once

#include "framework/wnd.h"

class CDocument;
class CDocTemplate;
class CView;

// Frame style bit: show the document's name in the title.
#define FWS_ADDTOTITLE 0x00008000L

// What a frame needs to make its view and tie it to the document.
struct CCreateContext {
  const CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

// A top-level window with a menu, an accelerator table and one view as its
// pane. It routes commands to the active view (and its document) first, then
// to its own table, then to the application.
class CFrameWnd : public CWnd {
 public:
  static const CRuntimeClass classCFrameWnd;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCFrameWnd; }
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  CFrameWnd() = default;
  ~CFrameWnd() override;

  // Title from field 0 of the resource string, class icon, menu and
  // accelerators from the resource id, then the window itself.
  virtual BOOL LoadFrame(UINT idResource, DWORD style, CWnd* parent, CCreateContext* context);
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  int OnCreate(LPCREATESTRUCTA cs) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui) override;
  void PostNcDestroy() override { delete this; }

  // Sizes the pane to the whole client area (there are no control bars).
  virtual void RecalcLayout(BOOL notify = TRUE);
  // Makes the view active, gives it its initial update, shows the frame.
  void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
  // Leaves the window text alone unless the style asks for the name.
  virtual void OnUpdateFrameTitle(BOOL addToTitle);

  CView* GetActiveView() const { return m_pViewActive; }
  void SetActiveView(CView* view) { m_pViewActive = view; }
  CDocument* GetActiveDocument() const;

  // Tool-bar toggle: the frame has no tool bar, so it does nothing and the
  // menu item stays enabled and unchecked.
  void OnBarCheck() {}
  void OnUpdateControlBarMenu(CCmdUI* ui);

  std::string m_strTitle;
  HACCEL m_hAccelTable = nullptr;
  HMENU m_hMenuDefault = nullptr;

 protected:
  CWnd* CreateView(CCreateContext* context, UINT id);
  virtual void OnClose();

 private:
  void UpdateMenuPopup(HMENU popup);

  CView* m_pViewActive = nullptr;
  CCreateContext* m_pCreateContext = nullptr;
  int m_nShowCount = 0;
};
