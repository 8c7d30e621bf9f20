#pragma once

#include <memory>
#include <string>

#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/recent_file_list.h"
#include "framework/wnd.h"

// The user-interface thread: its main window and its message loop.
class CWinThread : public CCmdTarget {
 public:
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int Run();
  virtual int ExitInstance() { return m_exitCode; }
  // Offers a message to the windows it is for, from the window itself up to
  // the main window, before it is dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);

 protected:
  int m_exitCode = 0;
};

// The application: settings in the registry, the recent-file list, the
// document templates, the command line and the New and Open commands.
class CWinApp : public CWinThread {
 public:
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  // Takes the application name from string 57344 (or the file name).
  virtual BOOL InitApplication();
  int ExitInstance() override;

  // Settings below HKEY_CURRENT_USER\Software\<key>\<application name>.
  void SetRegistryKey(const char* key);
  void LoadStdProfileSettings(UINT maxRecentFiles = 4);
  UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
  std::string GetProfileString(const char* section, const char* entry,
                               const char* defaultValue = "");
  bool WriteProfileInt(const char* section, const char* entry, int value);
  // A null entry deletes the section; a null value deletes the entry.
  bool WriteProfileString(const char* section, const char* entry, const char* value);

  void AddDocTemplate(CDocTemplate* docTemplate);
  virtual CDocument* OpenDocumentFile(const char* pathName);
  virtual void AddToRecentFileList(const char* pathName);

  void ParseCommandLine(CCommandLineInfo& info);
  BOOL ProcessShellCommand(CCommandLineInfo& info);
  // Removes the application's settings and its document type's file-type
  // keys; true when they are gone.
  virtual BOOL Unregister();

  void OnFileNew();
  void OnFileOpen();
  void OnMainWindowDestroyed() { m_pMainWnd = nullptr; }

  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  const char* m_pszAppName = nullptr;
  const char* m_pszRegistryKey = nullptr;
  UINT m_nNumPreviewPages = 0;
  CDocManager* m_pDocManager = nullptr;
  std::unique_ptr<RecentFileList> m_pRecentFileList;

 protected:
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(const char* section);

 private:
  std::string m_strAppName;
  std::string m_strRegistryKey;
  bool m_bUnregistered = false;
};

CWinApp* AfxGetApp();

// A message box over the main window, captioned with the application name.
int AfxMessageBox(const char* text, UINT type = MB_OK);

// Hosting of controls from other components and the three-dimensional look
// of dialog controls: the system provides both, so these do nothing.
inline void AfxEnableControlContainer() {}
inline BOOL Enable3dControlsStatic() { return TRUE; }
