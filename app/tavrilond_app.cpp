#include "app/tavrilond_app.h"

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/tavrilond_doc.h"
#include "framework/afx_ids.h"
#include "res/resource.h"
#include "view/tavrilond_view.h"

static const CommandEntry kAppCommands[] = {
    OnCommand(ID_APP_ABOUT, &CTavrilondApp::OnAppAbout),
    OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
    OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
};
const MessageMap CTavrilondApp::messageMap = MakeMessageMap(&CWinApp::messageMap, kAppCommands);

// The one application object, made before start-up.
CTavrilondApp theApp;

BOOL CTavrilondApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControlsStatic();
  SetRegistryKey("Local AppWizard-Generated Applications");
  LoadStdProfileSettings(4);

  AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, &CTavrilondDoc::classCTavrilondDoc,
                                        &CMainFrame::classCMainFrame,
                                        &CTavrilondView::classCTavrilondView));

  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (!ProcessShellCommand(cmdInfo)) return FALSE;

  m_pMainWnd->ShowWindow(SW_SHOW);
  m_pMainWnd->UpdateWindow();
  return TRUE;
}

void CTavrilondApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.DoModal();
}
