#include "framework/document.h"

#include <algorithm>

#include "framework/afx_ids.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "framework/win_app.h"

const CRuntimeClass CDocument::classCDocument{"CDocument", &CCmdTarget::classCObject, nullptr};

static const CommandEntry kDocumentCommands[] = {
    OnCommand(ID_FILE_CLOSE, &CDocument::OnFileClose),
    OnCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
    OnCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
};
const MessageMap CDocument::messageMap = MakeMessageMap(&CCmdTarget::messageMap, kDocumentCommands);

namespace {

// ファイルを開けませんでした。
constexpr char kCannotOpen[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1\x82\xc5"
    "\x82\xb5\x82\xbd\x81\x42";
// ファイルを保存できませんでした。
constexpr char kCannotSave[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xf0\x95\xdb\x91\xb6\x82\xc5\x82\xab\x82\xdc\x82\xb9"
    "\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42";

void ReportFileError(const char* pathName, const char* message) {
  AfxMessageBox((std::string(pathName) + "\r\n\r\n" + message).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CDocument::~CDocument() {
  for (CView* view : m_viewList) view->m_pDocument = nullptr;
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::AddView(CView* view) {
  m_viewList.push_back(view);
  view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
  m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), view), m_viewList.end());
  view->m_pDocument = nullptr;
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_bPathFromSave = false;
  SetModifiedFlag(false);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* pathName) {
  HANDLE file = ::CreateFileA(pathName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ReportFileError(pathName, kCannotOpen);
    return FALSE;
  }
  DeleteContents();
  CArchive archive(file, CArchive::load);
  Serialize(archive);
  ::CloseHandle(file);
  SetModifiedFlag(false);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* pathName) {
  HANDLE file = ::CreateFileA(pathName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ReportFileError(pathName, kCannotSave);
    return FALSE;
  }
  CArchive archive(file, CArchive::store);
  Serialize(archive);
  const bool closed = ::CloseHandle(file) != FALSE;
  if (!closed) {
    ReportFileError(pathName, kCannotSave);
    return FALSE;
  }
  SetModifiedFlag(false);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  // Destroying the frames deletes the views; the document goes last.
  std::vector<CView*> views = m_viewList;
  for (CView* view : views) {
    CFrameWnd* frame = view->GetParentFrame();
    if (frame != nullptr) frame->DestroyWindow();
  }
  delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd*) { return SaveModified(); }

// Nothing in this program marks a document modified, so nobody is ever
// asked; a modified document would be kept rather than lost.
BOOL CDocument::SaveModified() { return IsModified() ? DoFileSave() : TRUE; }

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  for (CView* view : m_viewList) {
    CFrameWnd* frame = view->GetParentFrame();
    if (frame != nullptr) frame->OnUpdateFrameTitle(TRUE);
  }
}

void CDocument::SetPathName(const std::string& path, bool addToRecentList) {
  char full[MAX_PATH * 4];
  char* fileName = nullptr;
  const DWORD length = ::GetFullPathNameA(path.c_str(), sizeof full, full, &fileName);
  m_strPathName = (length > 0 && length < sizeof full) ? std::string(full, length) : path;
  const std::size_t slash = m_strPathName.find_last_of("\\/");
  SetTitle(slash == std::string::npos ? m_strPathName : m_strPathName.substr(slash + 1));
  m_bPathFromSave = false;
  if (addToRecentList) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr) app->AddToRecentFileList(m_strPathName.c_str());
  }
}

BOOL CDocument::DoFileSave() {
  // Only a file that this document itself wrote is written again without
  // asking: a file that was merely opened would be emptied by a save.
  const DWORD attributes = ::GetFileAttributesA(m_strPathName.c_str());
  const bool writable =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
  if (m_strPathName.empty() || !m_bPathFromSave || !writable) return DoSave(nullptr);
  return DoSave(m_strPathName.c_str());
}

BOOL CDocument::DoSave(const char* pathName, bool replace) {
  std::string newName = pathName != nullptr ? pathName : "";
  if (newName.empty()) {
    newName = m_strPathName.empty() ? m_strTitle : m_strPathName;
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pDocManager == nullptr ||
        !app->m_pDocManager->DoPromptFileName(newName, false, m_pDocTemplate)) {
      return FALSE;
    }
  }
  if (!OnSaveDocument(newName.c_str())) return FALSE;
  if (replace) {
    SetPathName(newName);
    m_bPathFromSave = true;
  }
  return TRUE;
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}
