#pragma once

#include "framework/frame_wnd.h"

// The only top-level window: the form as its pane, menu, keys and icon 128,
// and the fixed title "Tavrilond 0.1".
class CMainFrame : public CFrameWnd {
 public:
  static const CRuntimeClass classCMainFrame;
  const CRuntimeClass* GetRuntimeClass() const override { return &classCMainFrame; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  int OnCreate(LPCREATESTRUCTA cs) override;
};
