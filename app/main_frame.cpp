#include "app/main_frame.h"

const CRuntimeClass CMainFrame::classCMainFrame{"CMainFrame", &CFrameWnd::classCFrameWnd,
                                                &CreateObjectOf<CMainFrame>};

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  // The title is fixed: never the document's name.
  cs.style ^= FWS_ADDTOTITLE;
  return CFrameWnd::PreCreateWindow(cs) ? TRUE : FALSE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTA cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  SetWindowText("Tavrilond 0.1");
  return 0;
}
