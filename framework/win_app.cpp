#include "framework/win_app.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/afx_ids.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/resource_strings.h"

namespace {

CWinApp* g_app = nullptr;

constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileEntry[] = "File%d";
constexpr char kSettingsSection[] = "Settings";
constexpr char kPreviewPagesEntry[] = "PreviewPages";
constexpr UINT kFilePrintDirect = 57608;

// レジストリの設定を削除しました。
constexpr char kUnregisterDone[] =
    "\x83\x8c\x83\x57\x83\x58\x83\x67\x83\x8a\x82\xcc\x90\xdd\x92\xe8\x82\xf0\x8d\xed\x8f\x9c"
    "\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42";
// レジストリの設定を削除できませんでした。
constexpr char kUnregisterFailed[] =
    "\x83\x8c\x83\x57\x83\x58\x83\x67\x83\x8a\x82\xcc\x90\xdd\x92\xe8\x82\xf0\x8d\xed\x8f\x9c"
    "\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42";

std::string EntryName(int position) {
  char name[32];
  std::snprintf(name, sizeof name, kRecentFileEntry, position);
  return name;
}

bool KeyHasContent(HKEY key) {
  DWORD subKeys = 0, values = 0;
  if (::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return true;
  }
  return subKeys != 0 || values != 0;
}

bool DeleteTreeIfPresent(HKEY root, const char* path) {
  const LSTATUS status = ::RegDeleteTreeA(root, path);
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
    ::RegDeleteKeyA(root, path);
    return true;
  }
  return false;
}

}  // namespace

CWinApp* AfxGetApp() { return g_app; }

int AfxMessageBox(const char* text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
  if (owner != nullptr && !::IsWindowVisible(owner)) owner = nullptr;
  const char* caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "";
  return ::MessageBoxA(owner, text, caption, type);
}

int CWinThread::Run() {
  MSG msg{};
  for (;;) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  m_exitCode = static_cast<int>(msg.wParam);
  return ExitInstance();
}

BOOL CWinThread::PreTranslateMessage(MSG* msg) {
  HWND stop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

static const CommandEntry kAppCommands[] = {
    OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
    OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
};
const MessageMap CWinApp::messageMap = MakeMessageMap(&CCmdTarget::messageMap, kAppCommands);

CWinApp::CWinApp(const char* appName) {
  if (appName != nullptr) m_strAppName = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  delete m_pDocManager;
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
  if (m_strAppName.empty()) m_strAppName = LoadResourceString(AFX_IDS_APP_TITLE);
  if (m_strAppName.empty()) {
    char path[MAX_PATH * 4] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    m_strAppName = name;
  }
  m_pszAppName = m_strAppName.c_str();
  return TRUE;
}

void CWinApp::SetRegistryKey(const char* key) {
  m_strRegistryKey = key;
  m_pszRegistryKey = m_strRegistryKey.c_str();
}

HKEY CWinApp::GetAppRegistryKey() {
  if (m_pszRegistryKey == nullptr || m_pszAppName == nullptr) return nullptr;
  const std::string path = "Software\\" + m_strRegistryKey + "\\" + m_strAppName;
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

HKEY CWinApp::GetSectionKey(const char* section) {
  HKEY app = GetAppRegistryKey();
  if (app == nullptr) return nullptr;
  HKEY key = nullptr;
  const LSTATUS status = ::RegCreateKeyExA(app, section, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  ::RegCloseKey(app);
  return status == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return static_cast<UINT>(defaultValue);
  DWORD value = 0, type = 0, size = sizeof value;
  const LSTATUS status =
      ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  ::RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
    return static_cast<UINT>(defaultValue);
  }
  return value;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry,
                                      const char* defaultValue) {
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return defaultValue;
  DWORD type = 0, size = 0;
  std::string result = defaultValue;
  if (::RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) == ERROR_SUCCESS) {
      result = buffer.data();
    }
  }
  ::RegCloseKey(key);
  return result;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return false;
  const DWORD data = static_cast<DWORD>(value);
  const bool ok = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                   sizeof data) == ERROR_SUCCESS;
  ::RegCloseKey(key);
  return ok;
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
  if (entry == nullptr) {
    HKEY app = GetAppRegistryKey();
    if (app == nullptr) return false;
    const bool ok = DeleteTreeIfPresent(app, section);
    ::RegCloseKey(app);
    return ok;
  }
  HKEY key = GetSectionKey(section);
  if (key == nullptr) return false;
  bool ok;
  if (value == nullptr) {
    ok = ::RegDeleteValueA(key, entry) == ERROR_SUCCESS;
  } else {
    // Stored with its terminating NUL.
    ok = ::RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
  }
  ::RegCloseKey(key);
  return ok;
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles) {
  if (maxRecentFiles != 0) {
    m_pRecentFileList = std::make_unique<RecentFileList>(maxRecentFiles);
    for (UINT i = 0; i < maxRecentFiles; ++i) {
      m_pRecentFileList->SetEntry(
          i, GetProfileString(kRecentFileSection, EntryName(static_cast<int>(i) + 1).c_str()));
    }
  }
  m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

int CWinApp::ExitInstance() {
  if (!m_bUnregistered && m_pszRegistryKey != nullptr) {
    if (m_pRecentFileList) {
      // The whole list is written anew; an empty list leaves no key.
      WriteProfileString(kRecentFileSection, nullptr, nullptr);
      const auto& entries = m_pRecentFileList->Entries();
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty()) continue;
        WriteProfileString(kRecentFileSection, EntryName(static_cast<int>(i) + 1).c_str(),
                           entries[i].c_str());
      }
    }
    if (m_nNumPreviewPages != 0) {
      WriteProfileInt(kSettingsSection, kPreviewPagesEntry, static_cast<int>(m_nNumPreviewPages));
    }
  }
  return CWinThread::ExitInstance();
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
  if (m_pDocManager == nullptr) m_pDocManager = new CDocManager;
  m_pDocManager->AddDocTemplate(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const char* pathName) {
  return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(pathName) : nullptr;
}

void CWinApp::AddToRecentFileList(const char* pathName) {
  if (!m_pRecentFileList) return;
  char full[MAX_PATH * 4];
  const DWORD length = ::GetFullPathNameA(pathName, sizeof full, full, nullptr);
  m_pRecentFileList->Add((length > 0 && length < sizeof full) ? std::string(full, length)
                                                                : std::string(pathName));
}

void CWinApp::OnFileNew() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileOpen();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  info.ParseArguments(arguments);
}

BOOL CWinApp::Unregister() {
  bool ok = true;
  if (m_pszRegistryKey != nullptr && m_pszAppName != nullptr) {
    const std::string parent = "Software\\" + m_strRegistryKey;
    ok = DeleteTreeIfPresent(HKEY_CURRENT_USER, (parent + "\\" + m_strAppName).c_str());
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, parent.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      const bool empty = !KeyHasContent(key);
      ::RegCloseKey(key);
      if (empty) ::RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str());
    }
  }
  // The document types' file-type keys, should anything have made them.
  if (m_pDocManager != nullptr) {
    for (CDocTemplate* docTemplate : m_pDocManager->GetTemplates()) {
      std::string fileTypeId;
      if (!docTemplate->GetDocString(fileTypeId, CDocTemplate::regFileTypeId)) continue;
      DeleteTreeIfPresent(HKEY_CURRENT_USER, ("Software\\Classes\\" + fileTypeId).c_str());
      DeleteTreeIfPresent(HKEY_CLASSES_ROOT, fileTypeId.c_str());
    }
  }
  m_bUnregistered = true;
  return ok ? TRUE : FALSE;
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      if (!ExecuteCommand(ID_FILE_NEW)) OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      m_nCmdShow = SW_HIDE;
      if (OpenDocumentFile(info.m_strFileName.c_str()) != nullptr && m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_COMMAND, kFilePrintDirect);
      }
      return FALSE;
    case CCommandLineInfo::FileDDE:
      // Nothing would make a main window; start-up ends cleanly instead.
      return FALSE;
    case CCommandLineInfo::AppUnregister: {
      const BOOL done = Unregister();
      if (!info.m_bRunEmbedded) {
        AfxMessageBox(done ? kUnregisterDone : kUnregisterFailed, MB_OK | MB_ICONINFORMATION);
      }
      return FALSE;
    }
  }
  return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->m_hInstance = instance;
  app->m_nCmdShow = showCommand;
  if (!app->InitApplication()) return -1;
  if (!app->InitInstance()) {
    if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}
